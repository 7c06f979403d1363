// Tells the main window when it becomes the program's active window again
// after one of the program's own windows (the dialogs, the About box) was
// active, and at its first activation. Returning from another program or from
// a message box does not count.
//
// Window managers differ: openbox hands activation back to the main window
// when a dialog hides, a bare X server and Qt's offscreen platform leave no
// window active. So when a tracked window hides while it is the active one,
// this raises the event itself and asks for the main window to be activated;
// the activation that may follow from the window manager then finds the main
// window already counted as active and raises nothing. A mouse press into the
// main window while a tracked window is active raises the event before the
// press reaches its widget.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

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
    enum class Last { Nothing, Main, Tracked, Other };

    void focusWindowChanged(QWindow* window);
    void becomeMain();
    bool isTracked(const QWidget* window) const;

    QWidget* main_;
    QList<QWidget*> tracked_;
    Last last_ = Last::Nothing;
    QPointer<QWidget> lastWindow_; // the tracked or other window when last_ says so
    bool first_ = true;
};
