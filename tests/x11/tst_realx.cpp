// The program on a real window system: an X server under openbox or under no
// window manager, or weston nested in one (run by scripts/with-x.sh, also
// with the CPU busy). Pointer clicks go through the X server's XTEST
// extension, as a person's do; on Wayland they reach the program through
// weston's window. Picks delivered straight to the dialogs' widgets, the way
// a screen reader's press action or a test tool delivers them, are sent as
// soon as the dialog is shown, whether or not the window system has activated
// it yet. With KELVANE_SCREENSHOT set, the decoded window, as the server shows
// it, is saved there: the README's picture. The window names its desktop
// entry as the X server (its properties) or weston (its log) sees it.
#include "harness.h"

#include "shared/direction.h"
#include "windows/Finder.h"
#include "windows/Markings.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTreeWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

// xdotool with its arguments in one line, split at the spaces.
QString xdotool(const QString& arguments)
{
    return outputOf(QStringLiteral("xdotool"), arguments.split(QLatin1Char(' ')));
}

bool onWayland() { return QGuiApplication::platformName() == QLatin1String("wayland"); }

// The X server asked directly, as xwininfo and xprop ask it, but without a
// program started for each question: windows are looked at again and again
// while a test waits for them to be placed.
xcb_connection_t* server()
{
    static xcb_connection_t* const connection = xcb_connect(nullptr, nullptr);
    return connection;
}

const xcb_screen_t& rootScreen() { return *xcb_setup_roots_iterator(xcb_get_setup(server())).data; }

template <typename Reply> using Answer = std::unique_ptr<Reply, decltype(&std::free)>;
template <typename Reply> Answer<Reply> answer(Reply* reply) { return {reply, &std::free}; }

xcb_atom_t atom(const char* name)
{
    xcb_connection_t* x = server();
    const auto reply = answer(xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// Up to four 32-bit values of a window's property; none where it has none.
std::vector<uint32_t> property(xcb_window_t window, const char* name, xcb_atom_t type)
{
    xcb_connection_t* x = server();
    const auto value
        = answer(xcb_get_property_reply(x, xcb_get_property(x, 0, window, atom(name), type, 0, 4), nullptr));
    if (!value)
        return {};
    const auto* first = static_cast<const uint32_t*>(xcb_get_property_value(value.get()));
    return {first, first + xcb_get_property_value_length(value.get()) / sizeof(uint32_t)};
}

bool hasWindowManager() { return !property(rootScreen().root, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW).empty(); }

// A client message through the X server, to a window or, for the window
// manager, to the root window.
void sendMessage(xcb_window_t to, uint32_t mask, xcb_window_t about, const char* type, std::array<uint32_t, 3> data)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = about;
    message.type = atom(type);
    std::copy(data.begin(), data.end(), message.data.data32);
    xcb_send_event(server(), 0, to, mask, reinterpret_cast<const char*>(&message));
    xcb_flush(server());
}

// Whether the window system and the program have done all that the test's
// doings made them do. A client answers a message once it has handled all
// the server sent it before, and the server has done all it asked before the
// answer: the program answers a ping (to the root window); openbox sets the
// frame extents asked for a window it does not manage (the test's own, never
// mapped); the program answers a ping again, after what openbox did, and runs
// out of events. Qt 6.4 gives a program no round trip to a Wayland
// compositor, so there a late activation has a fixed time to show.
bool settled(const QWidget* programWindow)
{
    if (onWayland()) {
        QTest::qWait(200);
        return true;
    }
    xcb_connection_t* x = server();
    const xcb_window_t root = rootScreen().root;
    static const xcb_window_t unmanaged = [x, root] {
        const uint32_t pongs = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &pongs);
        const xcb_window_t w = xcb_generate_id(x);
        xcb_create_window(x, 0, w, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        return w;
    }();
    static uint32_t pings = 0;
    const auto pinged = [&] {
        const auto window = static_cast<xcb_window_t>(programWindow->winId());
        const std::array<uint32_t, 3> ping{atom("_NET_WM_PING"), ++pings, window};
        sendMessage(window, 0, window, "WM_PROTOCOLS", ping);
        return waitedFor(
            [&] {
                while (const auto event = answer(xcb_poll_for_event(x)))
                    if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE
                        && std::equal(ping.begin(), ping.end(),
                            reinterpret_cast<const xcb_client_message_event_t*>(event.get())->data.data32))
                        return true;
                return false;
            },
            "the program's answer to a ping");
    };
    const auto managerAnswered = [&] {
        xcb_delete_property(x, unmanaged, atom("_NET_FRAME_EXTENTS"));
        sendMessage(root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY, unmanaged,
            "_NET_REQUEST_FRAME_EXTENTS", {});
        return waitedFor([&] { return !property(unmanaged, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL).empty(); },
            "the window manager's answer");
    };
    return pinged() && (!hasWindowManager() || (managerAnswered() && pinged())) && idle();
}

// A top-level window's client area on the X screen, border excluded, as
// xwininfo gives it.
QRect clientOnServer(const QWidget* window)
{
    xcb_connection_t* x = server();
    const auto id = static_cast<xcb_window_t>(window->winId());
    const auto size = answer(xcb_get_geometry_reply(x, xcb_get_geometry(x, id), nullptr));
    if (!size)
        return {};
    const auto border = static_cast<int16_t>(-size->border_width);
    const auto at = answer(
        xcb_translate_coordinates_reply(x, xcb_translate_coordinates(x, id, size->root, border, border), nullptr));
    return at ? QRect(at->dst_x, at->dst_y, size->width, size->height) : QRect();
}

// A top-level window's frame as the X server has it: the client area and the
// extents the window manager reports (none without one).
QRect frameOnServer(const QWidget* window)
{
    const QRect client = clientOnServer(window);
    const std::vector<uint32_t> e
        = property(static_cast<xcb_window_t>(window->winId()), "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
    const auto edge = [&e](std::size_t i) { return static_cast<int>(e[i]); };
    return e.size() == 4 ? client.adjusted(-edge(0), -edge(2), edge(1), edge(3)) : client;
}

// The pointer at a point of the X screen, and then what else xdotool is to
// do, in one run of it. xdotool's --sync waits for the pointer to move, and
// so hangs where the pointer already stands.
void pointTo(QPoint at, const QString& then = QString())
{
    xcb_connection_t* x = server();
    const auto pointer = answer(xcb_query_pointer_reply(x, xcb_query_pointer(x, rootScreen().root), nullptr));
    if (!pointer || QPoint(pointer->root_x, pointer->root_y) != at)
        xdotool(QStringLiteral("mousemove --sync %1 %2 %3").arg(at.x()).arg(at.y()).arg(then).trimmed());
    else if (!then.isEmpty())
        xdotool(then);
}

// The X server's whole screen, as its root window holds it: Xvfb's 24-bit
// pixels, each in 32 bits, are Qt's RGB32 ("" when they are not).
QImage screenOfTheServer()
{
    xcb_connection_t* x = server();
    const xcb_screen_t& s = rootScreen();
    const auto image = answer(xcb_get_image_reply(x,
        xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, s.root, 0, 0, s.width_in_pixels, s.height_in_pixels, ~0u),
        nullptr));
    if (!image || image->depth != 24
        || xcb_get_image_data_length(image.get()) != s.width_in_pixels * s.height_in_pixels * 4)
        return {};
    return QImage(xcb_get_image_data(image.get()), s.width_in_pixels, s.height_in_pixels, QImage::Format_RGB32).copy();
}

// A window's own rendering, in the screen's pixels.
QImage rendering(QWidget* window) { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

std::optional<QPoint> find(const QImage& screen, const QImage& window);

// A window as the server shows it once its last repaint has arrived, saved
// as a README picture where KELVANE_SCREENSHOT names one ("" when that fails).
QImage shotOf(QWidget* window, QPoint at, const QString& suffix = QString())
{
    // weston shows a repaint when it next composites.
    const auto repainted = [&] { return find(screenOfTheServer(), rendering(window)) == at; };
    if (!(onWayland() ? waitedFor(repainted, "the last repaint on the screen") : settled(window)))
        return {};
    const QImage shot = screenOfTheServer().copy(QRect(at, window->size()));
    const QString path = qEnvironmentVariable("KELVANE_SCREENSHOT");
    return path.isEmpty() || shot.save(QString(path).replace(QLatin1String(".png"), suffix + QLatin1String(".png")))
        ? shot
        : QImage();
}

// Where the window's own rendering stands in the picture: most of a few of its
// rows found whole, so that a widget lit up under the pointer doesn't hide it.
// Each row is tried first at a pixel where its colour changes: a plain run of
// the window's face matches the screen almost anywhere, an edge hardly at all.
std::optional<QPoint> find(const QImage& screen, const QImage& window)
{
    const int w = window.width();
    const int h = window.height();
    const auto pixel
        = [](const QImage& image, int x, int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]; };
    struct Row {
        int y, edge;
    };
    std::vector<Row> rows;
    for (int k = 1; k <= 7; ++k) {
        Row r{h * k / 8, 0};
        while (r.edge + 1 < w && pixel(window, r.edge + 1, r.y) == pixel(window, 0, r.y))
            ++r.edge;
        r.edge = std::min(r.edge + 1, w - 1);
        rows.push_back(r);
    }
    auto matches = [&](int x, int y, const Row& r) {
        return pixel(screen, x + r.edge, y + r.y) == pixel(window, r.edge, r.y)
            && std::memcmp(screen.constScanLine(y + r.y) + 4 * x, window.constScanLine(r.y), 4 * std::size_t(w)) == 0;
    };
    for (const Row& anchor : rows)
        for (int y = 0; y + h <= screen.height(); ++y)
            for (int x = 0; x + w <= screen.width(); ++x)
                if (matches(x, y, anchor)
                    && std::count_if(rows.begin(), rows.end(), [&](const Row& r) { return matches(x, y, r); }) >= 5)
                    return QPoint(x, y);
    return std::nullopt;
}

} // namespace

class RealXTest : public QObject {
    Q_OBJECT

    Harness h;

    // Where a top-level window's client area is on the X screen. The X server
    // says so (Qt may learn of a window manager's framing later); Wayland
    // tells a program nothing of it, so there it is looked for in a picture
    // of the screen.
    QPoint origin(QWidget* window)
    {
        if (!onWayland())
            return clientOnServer(window).topLeft();
        // The pointer, drawn into the picture, out of the way.
        pointTo({990, 100});
        std::optional<QPoint> at;
        (void)waitedFor([&] { return (at = find(screenOfTheServer(), rendering(window))).has_value(); },
            qPrintable(window->objectName() + QStringLiteral(" on the screen")));
        return at.value_or(QPoint());
    }

    void xclick(QWidget* w, QPoint windowOrigin)
    {
        const QPoint at = windowOrigin + w->mapTo(w->window(), w->rect().center());
        pointTo(at, QStringLiteral("click 1"));
    }
    void xclick(QWidget* w) { xclick(w, origin(w->window())); }

    QWidget* dialogFor(int band) const
    {
        return band == 5 ? static_cast<QWidget*>(h.w.Tolform) : static_cast<QWidget*>(h.w.selectcolor);
    }

    // Clicks band k, waits for the dialog on the screen, clicks a colour in it.
    void pickFor(int band, BandPanel* colour)
    {
        QWidget* dialog = dialogFor(band);
        xclick(h.ring(band), mainOrigin_);
        WAIT_UNTIL(dialog->isVisible() && dialog->isActiveWindow());
        WAIT_UNTIL(dialog->windowHandle()->isExposed());
        const QPoint asked = band == 5 ? QPoint(136, 30) : QPoint(17, 30);
        // The dialog and the main window wear the same frame.
        if (!onWayland())
            WAIT_COMPARE(origin(dialog) - mainOrigin_, asked);
        const QPoint at = origin(dialog);
        if (onWayland())
            qInfo("Wayland placed the %s dialog at %+d%+d from the main window (the program asked for %+d%+d)",
                band == 5 ? "tolerance" : "colour", at.x() - mainOrigin_.x(), at.y() - mainOrigin_.y(), asked.x(),
                asked.y());
        const int before = h.activations->count();
        xclick(colour, at);
        backInMain(dialog, before, 1);
    }

    // Back in the main window from a window that is gone: once a late
    // activation could have shown, the cycle ran this often since before.
    void backInMain(const QWidget* gone, int before, int cycles)
    {
        WAIT_UNTIL(!(gone && gone->isVisible()) && h.main()->isActiveWindow());
        QVERIFY(settled(h.main()));
        QCOMPARE(h.activations->count(), before + cycles);
    }

    QPoint mainOrigin_;

private slots:
    void initTestCase()
    {
        QVERIFY(QGuiApplication::platformName() == QLatin1String("xcb") || onWayland());
        prepareApplication();
        h.start();
        // Should the window not show, what the X server holds: whether it was
        // mapped, reparented by the window manager, or never asked for.
        if (!waitedFor([this] { return h.main()->windowHandle()->isExposed(); }, "the main window exposed"))
            QFAIL(qPrintable(QStringLiteral("the X server's windows:\n")
                + outputOf(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")})));
        WAIT_UNTIL(h.main()->isActiveWindow());
        // Under a window manager the dialogs are placed from the main window's
        // frame, which Qt learns of after the window maps.
        if (!onWayland() && hasWindowManager())
            WAIT_UNTIL(h.main()->frameGeometry() != h.main()->geometry());
        mainOrigin_ = origin(h.main());
    }
    void cleanupTestCase() { h.stop(); }

    void startsWithOneCycle()
    {
        QVERIFY(settled(h.main()));
        QCOMPARE(h.activations->count(), 1);
        QCOMPARE(h.tolerance(), QStringLiteral("20%"));
        QCOMPARE(h.shown(), shownAs("Bands", "Select colors"));
        // The desktop entry's name and the window class it claims.
        const QString entry = QFileInfo(QStringLiteral(KELVANE_DESKTOP_ENTRY)).completeBaseName();
        QFile file(QStringLiteral(KELVANE_DESKTOP_ENTRY));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString wmClass
            = QRegularExpression(QStringLiteral("^StartupWMClass=(.+)$"), QRegularExpression::MultilineOption)
                  .match(QString::fromUtf8(file.readAll()))
                  .captured(1);
        QVERIFY(!wmClass.isEmpty());
        if (onWayland()) { // the app ids weston received: no X window of its own to read
            QFile log(qEnvironmentVariable("WESTON_LOG"));
            QVERIFY(log.open(QIODevice::ReadOnly));
            QStringList ids;
            auto requests = QRegularExpression(QStringLiteral("xdg_toplevel@\\d+\\.set_app_id\\(\"([^\"]*)\"\\)"))
                                .globalMatch(QString::fromUtf8(log.readAll()));
            while (requests.hasNext())
                ids << requests.next().captured(1);
            QCOMPARE(ids, QStringList{entry});
            return;
        }
        const QString id = QString::number(h.main()->winId());
        const auto xprop = [&id](const char* property) {
            return outputOf(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QLatin1String(property)}).trimmed();
        };
        QCOMPARE(xprop("WM_NAME"), QStringLiteral("WM_NAME(STRING) = \"Kelvane v2.11\""));
        QVERIFY2(xprop("WM_CLASS").endsWith(QStringLiteral(", \"%1\"").arg(wmClass)), qPrintable(xprop("WM_CLASS")));
        for (const char* property : {"_GTK_APPLICATION_ID", "_KDE_NET_WM_DESKTOP_FILE"})
            QCOMPARE(xprop(property), QStringLiteral("%1(UTF8_STRING) = \"%2\"").arg(QLatin1String(property), entry));
        QCOMPARE(clientOnServer(h.main()).size(), QSize(291, 245 + h.main()->menuBar()->height()));
    }

    void decodingByPointer()
    {
        pickFor(1, h.colourPanel("yellow"));
        QCOMPARE(h.w.selectcolor->windowTitle(), QStringLiteral("Ring1"));
        QCOMPARE(h.ring(1)->colourValue(), kelvane::colourOf(kelvane::Hue::Yellow));
        QCOMPARE(h.shown(), shownAs("Bands", "Select colors"));
        pickFor(2, h.colourPanel("violet"));
        QCOMPARE(h.shown(), shownAs("Bands", "Select colors"));
        pickFor(3, h.colourPanel("red"));
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
        pickFor(5, h.tolerancePanel("Gold"));
        QCOMPARE(h.tolerance(), QStringLiteral("5%"));
        QCOMPARE(h.ring(5)->colourValue(), kelvane::colourOf(kelvane::Hue::Gold));
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
    }

    // What the server shows of the decoded window: each band in its colour.
    void screenshotOfTheDecodedWindow()
    {
        const QImage shot = shotOf(h.main(), mainOrigin_);
        QVERIFY(!shot.isNull());
        const struct {
            int band;
            kelvane::Hue hue;
        } bands[]
            = {{1, kelvane::Hue::Yellow}, {2, kelvane::Hue::Violet}, {3, kelvane::Hue::Red}, {5, kelvane::Hue::Gold}};
        for (const auto& b : bands) {
            const QPoint at = h.ring(b.band)->mapTo(h.main(), h.ring(b.band)->rect().center());
            QCOMPARE(shot.pixelColor(at), toQColor(kelvane::colourOf(b.hue)));
        }
    }

    // Every way a dialog or the About box is left runs the cycle exactly once,
    // with the pick delivered as soon as the window is shown: whether the
    // window system activates it before, after or never is up to it.
    void everyPickLandsWithoutWaitingForActivation()
    {
        struct Round {
            const char* colours[3];
            const char* tolerance;
            const char* shown;
        };
        const Round rounds[]
            = {{{"brown", "black", "orange"}, "Silver", "10 Kohm"}, {{"yellow", "violet", "red"}, "Gold", "4,7 Kohm"}};
        auto* about = h.main()->findChild<QAction*>(QStringLiteral("About1"));
        auto* ok = h.w.AboutBox->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        // The ways out that are not picks, one after each decoding in turn:
        // the window it opens (a band, or 0 for the About box) and how it is left.
        const struct {
            int band;
            std::function<void()> away;
        } leave[] = {
            {2, [this] { h.w.selectcolor->close(); }}, // its close box
            {2, [this] { QTest::keyClick(h.w.selectcolor, Qt::Key_Escape); }},
            {5, [this] { h.w.Tolform->close(); }},
            {0, [ok] { QTest::mouseClick(ok, Qt::LeftButton); }},
            {0, [ok] { QTest::keyClick(ok, Qt::Key_Return); }},
            {0, [this] { h.w.AboutBox->close(); }},
        };
        constexpr int decodings = 12;
        const int waits[] = {0, 0, 1, 5, 20}; // ms of events between a window's showing and its pick
        int step = 0;
        int lost = 0;
        int cycles = h.activations->count();
        for (int d = 0; d < decodings; ++d) {
            const Round& round = rounds[d % 2];
            bool lostOne = false;
            auto expectOneCycle = [&] {
                ++cycles;
                if (h.activations->count() != cycles) {
                    qWarning("decoding %d, step %d: %d cycles, %d expected", d, step,
                        static_cast<int>(h.activations->count()), cycles);
                    cycles = static_cast<int>(h.activations->count());
                    lostOne = true;
                }
            };
            auto pick = [&](int band, BandPanel* colour) {
                QTest::mouseClick(h.ring(band), Qt::LeftButton);
                QVERIFY(dialogFor(band)->isVisible());
                QTest::qWait(waits[step++ % std::size(waits)]);
                QTest::mouseClick(colour, Qt::LeftButton);
                QVERIFY(!dialogFor(band)->isVisible());
                expectOneCycle();
            };
            for (int band = 1; band <= 3; ++band)
                pick(band, h.colourPanel(round.colours[band - 1]));
            pick(5, h.tolerancePanel(round.tolerance));
            if (h.shown() != QLatin1String(round.shown)) {
                qWarning() << "decoding" << d << "shows" << h.shown();
                lostOne = true;
            }
            const auto& way = leave[std::size_t(d) % std::size(leave)];
            if (way.band)
                QTest::mouseClick(h.ring(way.band), Qt::LeftButton);
            else
                about->trigger();
            QTest::qWait(waits[step++ % std::size(waits)]);
            way.away();
            expectOneCycle();
            QCOMPARE(h.shown(), QLatin1String(round.shown));
            lost += lostOne ? 1 : 0;
        }
        // Late activations from the window system must not run it again;
        // weston hands activation back after its close fade.
        if (onWayland())
            WAIT_UNTIL(h.main()->isActiveWindow());
        QVERIFY(settled(h.main()));
        if (h.activations->count() != cycles)
            ++lost;
        qInfo("%d decodings with picks sent as soon as the dialog showed, %d lost a pick", decodings, lost);
        QCOMPARE(lost, 0);
        QCOMPARE(h.activations->count(), cycles);
    }

    // Decoding with the keyboard through the window system: the digit typed
    // right after Alt+k, before the dialog can have been activated, still
    // reaches the dialog.
    void decodingByKeyboard()
    {
        // After picks sent past the window system, a window manager may have
        // turned down the main window's own request for activation; a person
        // would click it.
        QVERIFY(settled(h.main()));
        if (!h.main()->isActiveWindow())
            xclick(h.child("GroupBox2"), mainOrigin_);
        WAIT_UNTIL(h.main()->isActiveWindow());
        const struct {
            int band;
            const char* digit;
            kelvane::Hue hue;
        } steps[] = {{1, "2", kelvane::Hue::Red}, {2, "2", kelvane::Hue::Red}, {3, "1", kelvane::Hue::Brown},
            {1, "4", kelvane::Hue::Yellow}, {2, "7", kelvane::Hue::Violet}, {3, "2", kelvane::Hue::Red}};
        // A step that fails says where its keys went: the window the program
        // had the keyboard in, the dialog's state, and on Wayland what weston
        // said of its keyboard meanwhile.
        QFile westonLog(qEnvironmentVariable("WESTON_LOG"));
        if (onWayland())
            QVERIFY(westonLog.open(QIODevice::ReadOnly));
        for (const auto& step : steps) {
            const int before = h.activations->count();
            westonLog.readAll();
            xdotool(QStringLiteral("key --delay 1 alt+%1 %2").arg(step.band).arg(QLatin1String(step.digit)));
            if (!waitedFor(
                    [&] {
                        return h.ring(step.band)->colourValue() == kelvane::colourOf(step.hue)
                            && !h.w.selectcolor->isVisible();
                    },
                    "the pick")) {
                const QWindow* focus = QGuiApplication::focusWindow();
                QString said
                    = QStringLiteral("Alt+%1 %2: keyboard in \"%3\", dialog %4 \"%5\", %6 cycles, %7 expected\n")
                          .arg(step.band)
                          .arg(QLatin1String(step.digit), focus ? focus->title() : QStringLiteral("none"),
                              h.w.selectcolor->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"),
                              h.w.selectcolor->windowTitle())
                          .arg(h.activations->count())
                          .arg(before + 1);
                for (const QByteArray& line : westonLog.readAll().split('\n'))
                    if (line.contains("wl_keyboard"))
                        said += QString::fromUtf8(line) + QLatin1Char('\n');
                QFAIL(qPrintable(said));
            }
            QCOMPARE(h.activations->count(), before + 1);
            WAIT_UNTIL(h.main()->isActiveWindow());
        }
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
        QVERIFY(settled(h.main()));
    }

    // A press into the main window while a dialog is open: one cycle, before
    // the press reaches its widget.
    void pressIntoMainWhileDialogIsOpen()
    {
        xclick(h.ring(2), mainOrigin_);
        WAIT_UNTIL(h.w.selectcolor->isActiveWindow());
        const int before = h.activations->count();
        int seenByHandler = -1;
        auto* ohm = h.child<QRadioButton>("ohm"); // clear of where the dialog stands
        const auto seen = connect(ohm, &QRadioButton::clicked, this, [&] { seenByHandler = h.activations->count(); });
        xclick(ohm, mainOrigin_);
        WAIT_UNTIL(seenByHandler >= 0);
        QVERIFY(settled(h.main()));
        disconnect(seen);
        QCOMPARE(seenByHandler, before + 1);
        QCOMPARE(h.activations->count(), before + 1);
        QVERIFY(h.w.selectcolor->isVisible());
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
        h.w.selectcolor->close();
        QCOMPARE(h.activations->count(), before + 2);
        WAIT_UNTIL(h.main()->isActiveWindow());
    }

    // Component > Markings... by its shortcut with a code typed right after
    // it, the main window's value beside the typed one, and Escape: one cycle.
    // It opens beside the main window's frame and on the screen, where the
    // window system lets a program place it: wherever the main window stands,
    // and with the main window against the screen's right edge.
    void markingsByKeyboard()
    {
        WAIT_UNTIL(h.main()->isActiveWindow());
        xdotool(QStringLiteral("key --delay 1 ctrl+m 4 k 7"));
        QWidget* markings = nullptr;
        WAIT_UNTIL((markings = h.main()->findChild<TMarkings*>()) && markings->isActiveWindow());
        // As a person reads it: the isolates that keep a value whole are not seen.
        const auto shown = [markings](const char* name) {
            return withoutDirectionMarks(markings->findChild<QLabel*>(QString::fromLatin1(name))->text());
        };
        WAIT_COMPARE(shown("CodeValue"), QStringLiteral("4,7 Kohm"));
        QCOMPARE(shown("BandValue"), QStringLiteral("4,7 Kohm"));
        QCOMPARE(shown("BandCodes"), QStringLiteral("472, 4701, 4K7"));
        QVERIFY(!shotOf(markings, origin(markings), QStringLiteral("_markings")).isNull());
        const QRect screen = h.main()->screen()->geometry();
        const QPoint home = h.main()->pos();
        for (int right : {-1, screen.right()}) {
            if (right >= 0 && onWayland())
                return;
            if (right >= 0) { // the main window's frame against the screen's edge, and the markings opened again
                h.main()->move(right + 1 - h.main()->frameGeometry().width(), home.y());
                WAIT_COMPARE(frameOnServer(h.main()).right(), right);
                xdotool(QStringLiteral("key ctrl+m"));
                WAIT_UNTIL(markings->isActiveWindow());
            }
            // The window manager may place it late, so its frame is waited for.
            const auto where = [](QWidget* w) {
                const QRect r = frameOnServer(w);
                return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
            };
            const auto placed = [&] {
                const QRect frame = frameOnServer(markings);
                return screen.contains(frame) && !frame.intersects(frameOnServer(h.main()));
            };
            if (!onWayland())
                QVERIFY2(waitedFor(placed, "the markings placed beside the main window"),
                    qPrintable(where(markings) + QStringLiteral(" beside ") + where(h.main())));
            const int before = h.activations->count();
            xdotool(QStringLiteral("key Escape"));
            backInMain(markings, before, 1);
        }
        h.main()->move(home);
        // Qt knows the new place before the window manager has moved the frame there.
        WAIT_COMPARE(frameOnServer(h.main()).topLeft(), home);
        mainOrigin_ = origin(h.main());
    }

    // Component > Find values... by its shortcut with a value typed right after
    // it, the best network found as it is typed; by the captions' letters, a
    // regulator's best pair from E96 over -40 to 85 °C within 2 %; and Escape:
    // one cycle.
    void finderByKeyboard()
    {
        WAIT_UNTIL(h.main()->isActiveWindow());
        xdotool(QStringLiteral("key --delay 1 ctrl+f 4 k 8 5"));
        QWidget* finder = nullptr;
        WAIT_UNTIL((finder = h.main()->findChild<TFinder*>()) && finder->isActiveWindow());
        auto* results = finder->findChild<QTreeWidget*>(QStringLiteral("Results"));
        WAIT_UNTIL(results->topLevelItemCount() == 10);
        QCOMPARE(results->topLevelItem(0)->text(0), QStringLiteral("4,7 Kohm + 150 ohm"));
        QVERIFY(!shotOf(finder, origin(finder), QStringLiteral("_finder")).isNull());
        xdotool(QStringLiteral("key --delay 1 alt+p End Up Up alt+a minus 4 0 Tab 8 5 Tab 5 0 Tab 2 alt+d alt+g"));
        auto* pairs = finder->findChild<QTreeWidget*>(QStringLiteral("DividerResults"));
        const auto best = [pairs] {
            const QTreeWidgetItem* first = pairs->topLevelItem(0);
            return first ? first->text(0) + QLatin1Char(' ') + first->text(1) : QString();
        };
        WAIT_COMPARE(best(), QStringLiteral("3,57 Kohm 1,15 Kohm"));
        const int before = h.activations->count();
        xdotool(QStringLiteral("key Escape"));
        backInMain(finder, before, 1);
    }

    // The error box by the pointer, in the language of the run with Qt's own
    // button text; closing it runs no cycle.
    void errorBox()
    {
        const int before = h.activations->count();
        h.child<QLineEdit>("Entervalue")->setText(QStringLiteral("4k7"));
        BoxSeen seen;
        QString ok;
        QTimer answer; // fires inside the box's own loop
        connect(&answer, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isActiveWindow())
                return;
            answer.stop();
            seen = {true, box->windowTitle(), box->text(), static_cast<int>(box->buttons().size()), box->icon()};
            ok = box->button(QMessageBox::Ok)->text();
            xclick(box->button(QMessageBox::Ok));
        });
        answer.start(20);
        xclick(h.child("Calculate"), mainOrigin_);
        WAIT_UNTIL(seen.shown && !QApplication::activeModalWidget());
        QCOMPARE(seen.title, shownAs("TMainform", "Error converting componentvalue"));
        QCOMPARE(withoutDirectionMarks(seen.text),
            shownAs("TMainform", "Componentvalue must be a number between 1 and 990M"));
        QCOMPARE(seen.title != QLatin1String("Error converting componentvalue"), inTranslation());
        QCOMPARE(ok, shownAs("QPlatformTheme", "OK"));
        backInMain(nullptr, before, 0);
    }

    // Another program's window taking activation and giving it back: no cycle.
    void noCycleFromOtherWindows()
    {
        const int before = h.activations->count();
        QProcess other; // another program: an X window over the screen's corner
        other.start(QStringLiteral("xev"), {QStringLiteral("-geometry"), QStringLiteral("120x120+880+620")});
        QVERIFY(other.waitForStarted());
        QString id;
        WAIT_UNTIL(!(id = outputOf(QStringLiteral("xdotool"),
                         {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                             QStringLiteral("^Event Tester$")})
                              .trimmed())
                        .isEmpty());
        // A window manager activates; a bare server (and weston behind it) only focuses.
        const bool wm = hasWindowManager();
        const auto focus = [wm](const QString& window) {
            xdotool(QStringLiteral("%1 --sync %2").arg(QLatin1String(wm ? "windowactivate" : "windowfocus"), window));
        };
        // A window manager may turn down a request that comes too soon after
        // the window maps: asked again until it takes one.
        WAIT_UNTIL((focus(id), settled(h.main())) && !h.main()->isActiveWindow());
        if (onWayland()) { // weston's window back, and a click into the main window
            focus(outputOf(QStringLiteral("xdotool"),
                {QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^Weston Compositor")})
                      .trimmed());
            xclick(h.child("GroupBox2"), mainOrigin_);
        } else {
            focus(QString::number(h.main()->winId()));
        }
        WAIT_UNTIL(h.main()->isActiveWindow());
        other.kill();
        other.waitForFinished();
        QVERIFY(settled(h.main()));
        QCOMPARE(h.activations->count(), before);
    }
};

QTEST_MAIN(RealXTest)
#include "tst_realx.moc"
