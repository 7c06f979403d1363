// Fonts and small widgets the windows share.
#pragma once

#include <QObject>
#include <QWidget>

class QFont;
class QPainter;

// The 8-point sans-serif face of the layouts (11 pixels high, as at 96 dpi),
// Liberation Sans Narrow standing in for "MS Sans Serif": its width keeps
// every caption inside the boxes the layouts give.
QFont layoutFont(bool bold);

// The About box's face: 13 pixels high, bold.
QFont systemFont();

// Shows a modeless window, or brings it to the front when it is shown.
void presentWindow(QWidget* window);

// Swallows tooltip requests, so a widget never shows its parent's tooltip.
class NoToolTip : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A plain area that hands its painting to whoever listens.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void paint(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
};
