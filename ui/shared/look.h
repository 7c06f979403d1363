// Fonts and small widgets the windows share.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <cstddef>

class QFont;
class QGroupBox;
class QLocale;
class QPainter;

// The 8-point sans-serif face of the layouts (11 pixels high, as at 96 dpi),
// Liberation Sans Narrow standing in for "MS Sans Serif": its width keeps
// every caption inside the boxes the layouts give.
QFont layoutFont(bool bold);

// Han, kana, Hangul, Georgian, Arabic and Hebrew are not in the layout's face: for a
// language written in them, the layout's font draws them in a face that
// carries them at the same size. Before any window is created.
void chooseScriptFace(const QLocale& language);

// The locale of a window's number fields: the person's, but where its
// language writes other digits (Arabic, Persian) the C locale's, whose 0 to 9
// the program writes its values in everywhere.
QLocale numberLocale();

// The About box's face: 13 pixels high, bold.
QFont systemFont();

// Where a layout puts a control, relative to its parent.
struct Place {
    const char* name;
    int left, top, width, height; // width autoWidth: sized to the caption
    // A part of a physical thing drawn there, which reads as on the bench in
    // every language: mirrored with the thing, it keeps its place in it.
    const char* partOf = nullptr;
};
inline constexpr int autoWidth = -1;

// Places each control the table names among the window's children. In a
// window read from the right (a language written so) each stands at the
// mirrored place of its layout's, x' = width - x - w in its parent, and again
// whenever the parent takes a new width or direction: a tab's page takes its
// width only when first shown. A parent set left to right keeps its
// children's places.
void placeControls(QWidget* window, const Place* places, std::size_t count);
template <std::size_t N> void placeControls(QWidget* window, const Place (&places)[N])
{
    placeControls(window, places, N);
}

// A control named as in its layout.
template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A group box with its title in the layout's bold face.
QGroupBox* groupBox(const char* name, const QString& title, QWidget* parent);

// Shows a modeless window, or brings it to the front when it is shown.
void presentWindow(QWidget* window);

// Moves a window that is not shown beside anchor's frame, wholly on anchor's
// screen: to its right, else its left, below or above it, slid along that
// side as far as the screen asks; where no side has room, as near to the
// right as the screen allows. Its frame is taken to be anchor's, the same
// window manager's.
void placeBeside(QWidget* window, const QWidget* anchor);

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
