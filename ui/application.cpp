#include "application.h"

#include "language.h"
#include "platform/accessible.h"
#include "platform/activation.h"
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
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

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

// Qt tells Wayland the desktop entry (the app id) but not X11, where docks
// and task switchers read it from these two properties of the window. The
// dialogs are transient for the main window and go with it.
void nameDesktopEntry(QWidget* window)
{
    // The offscreen platform answers for X11 too, with no connection of its own.
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    xcb_connection_t* c = x11->connection();
    const char* names[] = {"UTF8_STRING", "_GTK_APPLICATION_ID", "_KDE_NET_WM_DESKTOP_FILE"};
    xcb_intern_atom_cookie_t asked[std::size(names)];
    for (std::size_t i = 0; i < std::size(names); ++i)
        asked[i] = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(names[i])), names[i]);
    xcb_atom_t atoms[std::size(names)];
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(c, asked[i], nullptr), &std::free);
        if (!reply)
            return;
        atoms[i] = reply->atom;
    }
    const QByteArray id = QGuiApplication::desktopFileName().toUtf8();
    const auto xid = static_cast<xcb_window_t>(window->winId());
    for (xcb_atom_t property : {atoms[1], atoms[2]})
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, xid, property, atoms[0], 8, static_cast<std::uint32_t>(id.size()),
            id.constData());
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
