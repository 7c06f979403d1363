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

// The colour's name in the program's language: "Yellow", "Gelb". A
// translation may follow it with shorter variants for the colour buttons,
// each after U+009C; drawn, the first that fits is shown (Qt's length
// variants). The full name is the one spoken and copied.
QString colourName(kelvane::Hue hue);
QString colourCaption(kelvane::Hue hue); // with its variants
QString fullVariant(const QString& text);

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

    // A caption drawn centred, in the given colour; its full variant is also
    // what a screen reader says.
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
