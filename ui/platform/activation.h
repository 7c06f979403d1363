// Tells the main window when the person comes back to it from one of the
// program's own windows (the colour dialogs, the About box), and once when it
// first shows.
//
// The window system is not asked when that happens: activation arrives late,
// out of order or never, depending on the platform and the load. A bare X
// server activates nothing, openbox may activate a dialog only after it has
// already been used, weston hands activation back only after its close
// animation, and a screen reader's press action activates nothing at all. So
// a window the program presents counts as the one the person is in from the
// moment it shows, and the event is raised
// - when such a window hides (a pick, its close box, Escape, OK), and
// - when a mouse press or a key goes into the main window while such a window
//   is still the one the person is in, before the press reaches its widget.
// Plain keys (no Ctrl or Alt) that reach the main window then, before the
// window system has given the presented window the keyboard or held up on
// the way, were typed for that window and are handed on to it, until the
// window system says the person went back to the main window. Activations
// themselves raise nothing, so a late one cannot raise the event a second
// time, and coming back from another program or from a message box raises
// nothing either.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QKeyEvent;
class QWidget;
class QWindow;

class ActivationHandOver : public QObject {
    Q_OBJECT

public:
    explicit ActivationHandOver(QWidget* mainWindow);
    void track(QWidget* window);

signals:
    void activated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusWindowChanged(QWindow* window);
    void backToMain();
    bool handOnKey(QWidget* current, QKeyEvent* event);
    bool isTracked(const QObject* window) const;

    QWidget* main_;
    QList<QWidget*> tracked_;
    QPointer<QWidget> current_;     // the tracked window the person is in, if any
    bool currentWasActive_ = false; // the window system has activated current_
    bool keysToCurrent_ = false;    // plain keys at the main window go to current_
    bool first_ = true;
};
