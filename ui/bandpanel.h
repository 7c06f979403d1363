// A flat coloured panel that acts as a button: the bands on the drawn
// component and the colour buttons of the two dialogs. A click, Space on a
// focused panel, or a screen reader's press action all emit clicked(). The
// colour is kept as the engine's exact 32-bit value so that comparisons never
// go through QColor.
#pragma once

#include <kelvane/palette.h>

#include <QAbstractButton>
#include <QColor>

QColor toQColor(kelvane::Colour c);

// The colour's name in the program's language: "Yellow", "Gelb".
QString colourName(kelvane::Hue hue);

class BandPanel : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    enum class Bevel { Raised, Lowered }; // Raised: one pixel; Lowered: inner and outer

    BandPanel(const QString& name, Bevel bevel, QWidget* parent);

    kelvane::Colour colourValue() const { return colour_; }
    void setColourValue(kelvane::Colour c);
    QColor color() const { return toQColor(colour_); }
    void setColor(const QColor& c);

    // A caption drawn centred, in the given colour; also what a screen reader says.
    void setCaption(const QString& text, const QColor& textColour);
    QString caption() const { return caption_; }

    // A band on the component tells a screen reader its band and colour:
    // "Band 1: Yellow", "Band 1: empty".
    void setBandLabel(const QString& label);

signals:
    void colorChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateAccessibleName();

    kelvane::Colour colour_ = kelvane::BodyColor;
    Bevel bevel_;
    QString caption_;
    QString bandLabel_;
    QColor textColour_;
};
