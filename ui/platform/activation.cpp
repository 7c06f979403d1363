#include "activation.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

bool isModifier(int key)
{
    return key == Qt::Key_Alt || key == Qt::Key_AltGr || key == Qt::Key_Control || key == Qt::Key_Shift
        || key == Qt::Key_Meta || key == Qt::Key_Super_L || key == Qt::Key_Super_R;
}

} // namespace

ActivationHandOver::ActivationHandOver(QWidget* mainWindow)
    : QObject(mainWindow)
    , main_(mainWindow)
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &ActivationHandOver::focusWindowChanged);
    qApp->installEventFilter(this);
}

void ActivationHandOver::track(QWidget* window) { tracked_.append(window); }

bool ActivationHandOver::isTracked(const QObject* window) const
{
    return std::find(tracked_.begin(), tracked_.end(), window) != tracked_.end();
}

void ActivationHandOver::backToMain()
{
    current_ = nullptr;
    emit activated();
}

void ActivationHandOver::focusWindowChanged(QWindow* window)
{
    // Once the window system has activated the window we presented, the main
    // window's activation means the person went back to it: keys typed there
    // are the main window's again. A late word for a window already gone
    // says nothing.
    const QWidget* current = current_.data();
    if (!current || !current->isVisible())
        return;
    if (current->windowHandle() == window)
        currentWasActive_ = true;
    else if (main_->windowHandle() == window && currentWasActive_)
        keysToCurrent_ = false;
}

// A plain key that reaches the main window while the window just presented is
// the one the person is in was typed for that window: before the window
// system gave it the keyboard, or held up on the way (a screen reader sees
// every key first).
bool ActivationHandOver::handOnKey(QWidget* current, QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept(); // no shortcut of the main window takes it
        return true;
    }
    QWidget* target = current->focusWidget() ? current->focusWidget() : current;
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->nativeScanCode(), event->nativeVirtualKey(),
        event->nativeModifiers(), event->text(), event->isAutoRepeat(), static_cast<quint16>(event->count()));
    QCoreApplication::sendEvent(target, &copy);
    return true;
}

bool ActivationHandOver::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::Show && type != QEvent::ZOrderChange && type != QEvent::Hide && type != QEvent::MouseButtonPress
        && type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;

    if (type == QEvent::Show && widget == main_ && first_) {
        first_ = false;
        emit activated();
        main_->activateWindow(); // a bare X server activates nothing by itself
        return false;
    }
    // Presenting a window shows it and raises it to the front, also when it
    // is already shown (a dialog re-targeted to another band).
    if ((type == QEvent::Show || type == QEvent::ZOrderChange) && isTracked(widget) && !event->spontaneous()
        && widget->isVisible()) {
        current_ = widget;
        currentWasActive_ = QGuiApplication::focusWindow() == widget->windowHandle();
        keysToCurrent_ = true;
        return false;
    }
    if (type == QEvent::Hide) {
        // Minimising hides spontaneously; only the program's own hiding ends a dialog.
        if (!widget->isWindow() || widget == main_ || event->spontaneous() || !main_->isVisible())
            return false;
        if (!isTracked(widget)) {
            // A message box going: the keyboard goes back to the main window,
            // even where no window manager hands it back, and no cycle runs.
            if (widget->windowType() != Qt::Popup && widget->windowType() != Qt::ToolTip)
                QTimer::singleShot(0, main_, [this] { main_->activateWindow(); });
            return false;
        }
        const QWidget* current = current_.data();
        const bool anotherIsCurrent = current && current != widget && current->isVisible();
        emit activated();
        if (!anotherIsCurrent) {
            current_ = nullptr;
            // After the hide is done: the platform may still deactivate the
            // window that goes, and that must not undo the hand-over.
            QTimer::singleShot(0, main_, [this] { main_->activateWindow(); });
        }
        return false;
    }
    if (type == QEvent::Show || type == QEvent::ZOrderChange)
        return false;
    QWidget* current = current_.data();
    if (!current || !current->isVisible() || widget->window() != main_)
        return false;
    if (type != QEvent::MouseButtonPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isModifier(key->key()))
            return false; // Alt on its way to Alt+1 is not yet a key for anyone
        if (keysToCurrent_ && handOnKey(current, key))
            return true;
        if (type == QEvent::KeyRelease)
            return false;
    }
    // A press into the main window while a dialog is the one the person is in.
    backToMain();
    main_->activateWindow(); // without a window manager a click activates nothing by itself
    return false;
}
