#include "desktop.h"

#include <QApplication>
#include <QByteArray>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>

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

} // namespace

QStyle* layoutStyle() { return new LayoutStyle; }

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
