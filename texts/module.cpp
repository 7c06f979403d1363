// The command line's translations: loaded only when its language is not
// English, so that a subcommand in English never loads Qt. The language and
// the catalogues are the windows' own.
#include "language.h"

#include <QByteArray>
#include <QString>
#include <QTranslator>

#include <deque>

namespace {

QTranslator translator;
bool rightToLeft = false;
std::deque<QByteArray> kept; // every text handed out, alive as long as the module

const char* keep(const QString& text)
{
    kept.push_back(text.toUtf8());
    return kept.back().constData();
}

} // namespace

// Loads the catalogue of the person's language from folder; false for English.
extern "C" bool kelvane_load_language(const char* folder)
{
    const auto language = loadLanguage(QString::fromUtf8(folder), translator);
    rightToLeft = language && language->textDirection() == Qt::RightToLeft;
    return language.has_value();
}

// Whether the loaded language is written from the right.
extern "C" bool kelvane_right_to_left() { return rightToLeft; }

// A text in the loaded language (UTF-8), or the English text where it has none.
extern "C" const char* kelvane_translate(const char* context, const char* english)
{
    const QString text = translator.translate(context, english);
    return text.isEmpty() ? english : keep(text);
}

// The text case-folded, so that names compare in any case.
extern "C" const char* kelvane_fold(const char* text) { return keep(QString::fromUtf8(text).toCaseFolded()); }
