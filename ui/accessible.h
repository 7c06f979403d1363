// What a screen reader is told beyond Qt's own: the decoded value as one
// status phrase instead of the labels it is drawn with, and the tolerance
// list by its name rather than by its current text.
#pragma once

#include <QWidget>

// Installs the interfaces below; before any window is created.
void installAccessibility();

// Holds the labels that draw the decoded value; over the accessibility bus
// it is one status object whose name is the whole phrase ("4,7 Kohm"), and
// the labels themselves are not shown.
class ValueReadout : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    QString phrase() const { return phrase_; }
    void setPhrase(const QString& phrase); // announced when it changes

private:
    QString phrase_;
};
