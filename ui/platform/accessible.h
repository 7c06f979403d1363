// What a screen reader is told beyond Qt's own: the decoded value as one
// status phrase instead of the labels it is drawn with, the tolerance list by
// its name rather than by its current text, and each new result spoken once
// where the person is, without taking the focus there. Values are spoken in
// words ("4.7 kilohms") while the screen keeps the units' symbols.
#pragma once

#include <QWidget>

namespace kelvane {
struct Display;
}

// Installs the interfaces below; before any window is created.
void installAccessibility();

// A decoded value as a listener understands it, in the program's language:
// "4.7 kilohms" for "4,7 Kohm".
QString spokenValue(const kelvane::Display& display);

// A decimal number for speech from its integer part and decimals.
QString spokenNumber(const QString& integer, const QString& decimals);

// Holds the labels that draw the decoded value; over the accessibility bus
// it is one status object whose name is the spoken phrase, and the labels
// themselves are not shown. Its one child is a notification that a screen
// reader speaks each time it is shown, which announce() does with a new text
// once the window is the active one again: a screen reader that falls behind
// drops what came before a window's activation, and the person is back in
// this window by then anyway. Where no activation comes, it is said soon
// after all the same.
class ValueReadout : public QWidget {
    Q_OBJECT
public:
    explicit ValueReadout(QWidget* parent);

    QString phrase() const { return phrase_; }
    void setPhrase(const QString& phrase);

    QString announcement() const { return announcement_; }
    QWidget* announcer() const { return announcer_; }
    void announce(const QString& text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void sayPending();

    QString phrase_;
    QString announcement_;
    QString pending_;
    QWidget* announcer_;
};
