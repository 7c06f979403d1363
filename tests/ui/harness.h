// The program's windows as the program creates them, with the clicks and
// reads the window tests share.
#pragma once

#include "Aboutres.h"
#include "Mainres.h"
#include "Selcolor.h"
#include "Tolcolor.h"
#include "activation.h"
#include "bandpanel.h"
#include "windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

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
            if (returned || !QTest::qWaitFor([&box] { return box() != nullptr; }, 2000))
                return;
            QMessageBox* b = box();
            if (!QTest::qWaitFor([b] { return b->isActiveWindow(); }, 2000))
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
        QTRY_VERIFY(dialog_->isVisible() && dialog_->isActiveWindow());                                                \
    } while (false)

// Picks a colour in the open dialog and waits for the main window to be active.
#define PICK(h, panel)                                                                                                 \
    do {                                                                                                               \
        Harness::click(panel);                                                                                         \
        QTRY_VERIFY((h).main()->isActiveWindow());                                                                     \
    } while (false)
