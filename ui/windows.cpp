#include "windows.h"

#include "Aboutres.h"
#include "Mainres.h"
#include "Selcolor.h"
#include "Tolcolor.h"
#include "accessible.h"
#include "activation.h"
#include "icon.h"
#include "look.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace {

// Fusion, except that Alt pressed and released alone does not put the
// keyboard into the menu bar: the Alt of Alt+1 to Alt+5 is released while
// the band's dialog is open, and where a screen reader holds keys up on their
// way, the menu bar took that release for a lone Alt and pulled the keyboard
// out of the dialog. Alt with a menu's letter opens it as before.
class LayoutStyle : public QProxyStyle {
public:
    LayoutStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
    int styleHint(
        StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const override
    {
        return hint == SH_MenuBar_AltKeyNavigation ? 0 : QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

bool installTranslation(const QLocale& language, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(qApp);
    if (translator->load(language, name, QStringLiteral("_"), folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

// The first of the person's languages (LANGUAGE, then LANG) that is English
// or that the program is translated into wins; English is the texts as
// written. Qt's own texts (the message box's buttons, the edit box's menu)
// follow in the same language. The program's catalogues lie where the
// package installs them, relative to the program's folder.
void installTranslations()
{
    const QString own = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(KELVANE_QM_FROM_BIN));
    for (const QString& name : QLocale().uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return;
        if (installTranslation(language, QStringLiteral("kelvane"), own)) {
            installTranslation(language, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

} // namespace

void prepareApplication()
{
    installTranslations();
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    // The layouts are drawn for one look; a desktop theme must not restyle them.
    QApplication::setStyle(new LayoutStyle);
    QApplication::setWindowIcon(programIcon());
    // Menus, tips and message boxes in the layout's face, as on the desktop the
    // layouts come from; it also spares loading a second face at start-up.
    QApplication::setFont(layoutFont(false));
    installAccessibility();
}

Windows createWindows()
{
    Windows w;
    w.Mainform = std::make_unique<TMainform>();
    // Made before the windows it watches, so that it goes before them too: a
    // dialog that hides while it is destroyed must not run the cycle.
    auto* activation = new ActivationHandOver(w.Mainform.get());
    w.selectcolor = new Tselectcolor(w.Mainform.get());
    w.Tolform = new TTolform(w.Mainform.get());
    w.AboutBox = new TAboutBox(w.Mainform.get());
    w.Mainform->setWindows(w.selectcolor, w.Tolform, w.AboutBox, activation);
    for (QWidget* window :
        {static_cast<QWidget*>(w.selectcolor), static_cast<QWidget*>(w.Tolform), static_cast<QWidget*>(w.AboutBox)})
        activation->track(window);
    QObject::connect(activation, &ActivationHandOver::activated, w.Mainform.get(), &TMainform::FormActivate);
    return w;
}
