// The program's windows as the program creates them, with the clicks and
// reads the window tests share.
#pragma once

#include "application.h"
#include "platform/activation.h"
#include "shared/bandpanel.h"
#include "windows/Aboutres.h"
#include "windows/Mainres.h"
#include "windows/Selcolor.h"
#include "windows/Tolcolor.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// The one bound of every wait on the window system (the X server, a window
// manager, weston, the accessibility bus): on a busy machine they answer
// late, and a wait ends as soon as what it waits for holds.
constexpr int windowSystemWait = 60'000; // ms

inline QString gaveUpWaitingFor(const char* what)
{
    return QStringLiteral("gave up after %1 s waiting for %2")
        .arg(windowSystemWait / 1000)
        .arg(QString::fromUtf8(what));
}

// Whether a condition came to hold within the bound, events handled
// meanwhile; when it did not, what was waited for is told.
template <typename Condition> bool waitedFor(Condition holds, const char* what)
{
    if (QTest::qWaitFor(holds, windowSystemWait))
        return true;
    qWarning("%s", qPrintable(gaveUpWaitingFor(what)));
    return false;
}

// Waits for a condition; fails, saying what it waited for, when it gives up.
#define WAIT_UNTIL(condition)                                                                                          \
    QVERIFY2(                                                                                                          \
        QTest::qWaitFor([&] { return bool(condition); }, windowSystemWait), qPrintable(gaveUpWaitingFor(#condition)))
#define WAIT_COMPARE(actual, expected)                                                                                 \
    do {                                                                                                               \
        (void)waitedFor([&] { return (actual) == (expected); }, #actual " to be " #expected);                          \
        QCOMPARE(actual, expected);                                                                                    \
    } while (false)

// Whether the program and the window system ran out of things to do: every
// event, window-system event and timer due handled until none is left. A
// check that something does not happen waits for this, not for a time.
inline bool idle()
{
    return waitedFor([] { return !QCoreApplication::eventDispatcher()->processEvents(QEventLoop::AllEvents); },
        "the events queued to run out");
}

// A text as the program shows it in the language of the run: the English one
// unless a translation is loaded; in full, where it has shorter variants.
inline QString shownAs(const char* context, const char* english)
{
    return fullVariant(QCoreApplication::translate(context, english));
}

// What a program prints, started without a shell and waited for.
inline QString outputOf(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60'000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The person's files (such as the parts list) in a home of the test
// program's own: Qt's test mode alone gives every test program run beside it
// the same ones.
inline void usePrivateFiles()
{
    static const QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
}

// Whether the run's first language is one the program is translated into,
// so that its texts must differ from the English ones.
inline bool inTranslation()
{
    const QLocale first(QLocale().uiLanguages().value(0));
    return first.language() != QLocale::English && first.language() != QLocale::C;
}

struct BoxSeen {
    bool shown = false;
    QString title, text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Information;
};

struct Harness {
    Windows w;
    std::unique_ptr<QSignalSpy> activations; // cycles raised by activation

    void start()
    {
        w = createWindows();
        activations = std::make_unique<QSignalSpy>(
            w.Mainform->findChild<ActivationHandOver*>(), &ActivationHandOver::activated);
        w.Mainform->show();
    }
    void stop()
    {
        activations.reset();
        w = Windows{};
    }

    TMainform* main() const { return w.Mainform.get(); }
    template <typename T = QWidget> T* child(const char* name) const
    {
        return main()->findChild<T*>(QString::fromLatin1(name));
    }
    BandPanel* ring(int band) const { return child<BandPanel>(QStringLiteral("ring%1").arg(band).toLatin1()); }
    BandPanel* colourPanel(const char* name) const
    {
        return w.selectcolor->findChild<BandPanel*>(QString::fromLatin1(name));
    }
    BandPanel* tolerancePanel(const char* name) const
    {
        return w.Tolform->findChild<BandPanel*>(QString::fromLatin1(name));
    }

    // A click, and what the window system makes of it before the next one.
    static void click(QWidget* widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        QCoreApplication::processEvents();
    }

    // The value box as a person reads it.
    QString shown() const
    {
        if (!child<QLabel>("textfield")->isHidden())
            return child<QLabel>("textfield")->text();
        QString text;
        for (const char* name : {"value", "dot", "dec", "enhet"}) {
            auto* label = child<QLabel>(name);
            if (label->isHidden())
                return QStringLiteral("(%1 hidden)").arg(QLatin1String(name));
            text += label->text();
        }
        return text;
    }

    // Clicks Calculate; a message box that comes up is read and answered with OK.
    BoxSeen calculate() const
    {
        BoxSeen seen;
        bool returned = false;
        QTimer::singleShot(0, qApp, [&seen, &returned] {
            // Runs inside the box's own loop when there is one.
            auto box = [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); };
            if (returned || !waitedFor([&box] { return box() != nullptr; }, "the message box"))
                return;
            QMessageBox* b = box();
            if (!waitedFor([b] { return b->isActiveWindow(); }, "the message box active"))
                return;
            seen = {true, b->windowTitle(), b->text(), static_cast<int>(b->buttons().size()), b->icon()};
            click(b->button(QMessageBox::Ok));
        });
        QTest::mouseClick(child("Calculate"), Qt::LeftButton);
        returned = true;
        QCoreApplication::processEvents();
        return seen;
    }

    QString tolerance() const { return child<QComboBox>("Tolerance")->currentText(); }
};

// Clicks band k and waits for the colour (or tolerance) dialog to be active.
#define OPEN_BAND(h, k)                                                                                                \
    do {                                                                                                               \
        Harness::click((h).ring(k));                                                                                   \
        QWidget* dialog_ = (k) == 5 ? static_cast<QWidget*>((h).w.Tolform) : (h).w.selectcolor;                        \
        WAIT_UNTIL(dialog_->isVisible() && dialog_->isActiveWindow());                                                 \
    } while (false)

// Picks a colour in the open dialog and waits for the main window to be active.
#define PICK(h, panel)                                                                                                 \
    do {                                                                                                               \
        Harness::click(panel);                                                                                         \
        WAIT_UNTIL((h).main()->isActiveWindow());                                                                      \
    } while (false)
