#include "language.h"

#include <QLocale>
#include <QString>
#include <QTranslator>

QString catalogueFor(const QLocale& language)
{
    switch (language.language()) {
    case QLocale::Portuguese: return QStringLiteral("pt_BR");
    case QLocale::Chinese:
        return language.script() == QLocale::TraditionalHanScript ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
    default: // "no" is Bokmål to QLocale, "nb"
        return QLocale::languageToCode(language.language());
    }
}

std::optional<QLocale> loadLanguage(const QString& folder, QTranslator& translator)
{
    for (const QString& name : QLocale().uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return std::nullopt;
        if (translator.load(QStringLiteral("kelvane_") + catalogueFor(language), folder))
            return language;
    }
    return std::nullopt;
}
