// The program's language, chosen the same way for the windows and for the
// command line: the first of the person's languages (LANGUAGE, then LANG)
// that is English or that the program is translated into. QtCore only, so
// the command line's translation module can share it.
#pragma once

#include <QLocale>

#include <optional>

class QString;
class QTranslator;

// The catalogue that serves a language: its own, or for Portuguese the
// Brazilian and for Chinese the one of its script ("zh_TW" for Hong Kong).
QString catalogueFor(const QLocale& language);

// Loads the chosen language's catalogue from folder into translator and
// returns the language; nothing for English, the texts as written.
std::optional<QLocale> loadLanguage(const QString& folder, QTranslator& translator);
