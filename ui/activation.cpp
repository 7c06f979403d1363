#include "activation.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

ActivationHandOver::ActivationHandOver(QWidget* mainWindow)
    : QObject(mainWindow)
    , main_(mainWindow)
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &ActivationHandOver::focusWindowChanged);
    qApp->installEventFilter(this);
}

void ActivationHandOver::track(QWidget* window) { tracked_.append(window); }

bool ActivationHandOver::isTracked(const QWidget* window) const
{
    return std::find(tracked_.begin(), tracked_.end(), window) != tracked_.end();
}

void ActivationHandOver::becomeMain()
{
    const bool raise = first_ || last_ == Last::Tracked;
    first_ = false;
    last_ = Last::Main;
    lastWindow_ = nullptr;
    if (raise)
        emit activated();
}

void ActivationHandOver::focusWindowChanged(QWindow* window)
{
    if (!window)
        return; // another program, or nothing at all, took the focus
    if (main_->windowHandle() == window) {
        becomeMain();
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowHandle() == window) {
            if (w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip || !w->isVisible())
                return; // menus and tips belong to the window under them; a late word for a
                        // window already gone says nothing
            last_ = isTracked(w) ? Last::Tracked : Last::Other;
            lastWindow_ = w;
            return;
        }
    }
}

bool ActivationHandOver::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::Hide && type != QEvent::MouseButtonPress && type != QEvent::Show)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;

    if (type == QEvent::Show && widget == main_ && first_) {
        // A bare X server activates nothing by itself.
        main_->activateWindow();
    } else if (type == QEvent::MouseButtonPress && last_ == Last::Tracked && widget->window() == main_) {
        // Without a window manager a click activates nothing by itself.
        becomeMain();
        main_->activateWindow();
    } else if (type == QEvent::Hide && widget->isWindow() && widget != main_ && widget == lastWindow_
        && main_->isVisible()) {
        // The active window is going away: hand activation back ourselves.
        const bool wasTracked = last_ == Last::Tracked;
        if (wasTracked)
            becomeMain();
        else
            last_ = Last::Main;
        lastWindow_ = nullptr;
        // After the hide is done: the platform may still deactivate the window
        // that goes, and that must not undo the hand-over.
        QTimer::singleShot(0, main_, [this] { main_->activateWindow(); });
    }
    return false;
}
