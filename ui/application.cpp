#include "application.h"

#include "language.h"
#include "platform/accessible.h"
#include "platform/activation.h"
#include "platform/desktop.h"
#include "shared/direction.h"
#include "shared/icon.h"
#include "shared/look.h"
#include "shared/partsfile.h"
#include "windows/Aboutres.h"
#include "windows/Finder.h"
#include "windows/Labels.h"
#include "windows/Mainres.h"
#include "windows/Markings.h"
#include "windows/PartsEditor.h"
#include "windows/Selcolor.h"
#include "windows/Tolcolor.h"

#include <kelvane/reading.h>

#include <kelvane/config.h>

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <optional>

namespace {

// The program's texts in the chosen language; Qt's own texts (the message
// box's buttons, the edit box's menu) follow in the same language where Qt
// has them. The program's catalogues lie where the package installs them,
// relative to the program's folder.
void installTranslations()
{
    const QString own = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(KELVANE_QM_FROM_WINDOW));
    auto* translator = new QTranslator(qApp);
    const auto language = loadLanguage(own, *translator);
    if (!language) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    auto* qt = new QTranslator(qApp);
    if (qt->load(
            QStringLiteral("qtbase_") + catalogueFor(*language), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    chooseScriptFace(*language);
}

// The window of this kind the main window has, made and watched by the
// hand-over when first asked for and kept for the next time.
template <class Window, class SetUp> Window* laterWindow(TMainform* main, ActivationHandOver* activation, SetUp setUp)
{
    if (auto* made = main->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly))
        return made;
    auto* window = new Window(main);
    activation->track(window);
    setUp(window);
    return window;
}

// My parts edited from the finder, saved and then shown there; nothing
// changes when the person cancels or leaves the text as it was.
void editMyParts(TFinder* finder)
{
    const QString before = partsfile::text();
    const std::optional<QString> after = editParts(finder, before);
    if (!after || *after == before)
        return;
    partsfile::save(*after);
    finder->showMyParts();
}

void connectLaterWindows(TMainform* main, ActivationHandOver* activation)
{
    QObject::connect(main, &TMainform::markingsAsked, main, [main, activation] {
        auto* markings = laterWindow<TMarkings>(main, activation, [main](TMarkings* made) {
            QObject::connect(main, &TMainform::bandsChanged, made, &TMarkings::showBands);
            made->showBands(kelvane::readingOf(main->bandState()));
        });
        // Beside the main window each time it opens; Wayland leaves the place to the compositor.
        if (!markings->isVisible())
            placeBeside(markings, main);
        presentWindow(markings);
    });
    QObject::connect(main, &TMainform::finderAsked, main, [main, activation] {
        presentWindow(laterWindow<TFinder>(main, activation, [main](TFinder* made) {
            QObject::connect(made, &TFinder::showBands, main, &TMainform::ShowBands);
            QObject::connect(made, &TFinder::editPartsAsked, made, [made] { editMyParts(made); });
            made->move(main->frameGeometry().topRight() + QPoint(8, 0));
        }));
    });
    QObject::connect(main, &TMainform::labelsAsked, main, [main, activation] {
        auto* labels = laterWindow<TLabels>(main, activation, [](TLabels*) {});
        if (!labels->isVisible())
            placeBeside(labels, main);
        presentWindow(labels);
    });
}

} // namespace

void prepareApplication()
{
    installTranslations();
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    // Ties the windows to the desktop entry: Wayland's app id, and on X11
    // _GTK_APPLICATION_ID and _KDE_NET_WM_DESKTOP_FILE.
    QApplication::setDesktopFileName(QStringLiteral("org.kelvane.Kelvane"));
    // The layouts are drawn for one look; a desktop theme must not restyle them.
    QApplication::setStyle(layoutStyle());
    QApplication::setWindowIcon(programIcon());
    // Menus, tips and message boxes in the layout's face, as on the desktop the
    // layouts come from; it also spares loading a second face at start-up.
    QApplication::setFont(layoutFont(false));
    copyWithoutDirectionMarks();
    installAccessibility();
}

Windows createWindows()
{
    Windows w;
    w.Mainform = std::make_unique<TMainform>();
    TMainform* main = w.Mainform.get();
    nameDesktopEntry(main);
    // Made before the windows it watches, so that it goes before them too: a
    // dialog that hides while it is destroyed must not run the cycle.
    auto* activation = new ActivationHandOver(main);
    w.selectcolor = new Tselectcolor(main);
    w.Tolform = new TTolform(main);
    w.AboutBox = new TAboutBox(main);
    QObject::connect(main, &TMainform::colourDialogAsked, w.selectcolor, &Tselectcolor::openFor);
    QObject::connect(w.selectcolor, &Tselectcolor::colourPicked, main, &TMainform::takeColourPick);
    QObject::connect(main, &TMainform::toleranceDialogAsked, w.Tolform, &TTolform::openFor);
    QObject::connect(w.Tolform, &TTolform::tolerancePicked, main, &TMainform::takeTolerancePick);
    w.Tolform->setAccessibleName(TMainform::bandName(5));
    QObject::connect(main, &TMainform::aboutAsked, w.AboutBox, [about = w.AboutBox] { presentWindow(about); });
    for (QWidget* window :
        {static_cast<QWidget*>(w.selectcolor), static_cast<QWidget*>(w.Tolform), static_cast<QWidget*>(w.AboutBox)})
        activation->track(window);
    QObject::connect(activation, &ActivationHandOver::activated, main, &TMainform::FormActivate);
    connectLaterWindows(main, activation);
    return w;
}

int runWindows()
{
    const Windows windows = createWindows();
    windows.Mainform->show();
    return QApplication::exec();
}
