#include "bandpanel.h"

#include "wording.h"

#include <QCoreApplication>
#include <QPainter>

QColor toQColor(kelvane::Colour c)
{
    return QColor(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu), static_cast<int>((c >> 16) & 0xFFu));
}

QString colourCaption(kelvane::Hue hue)
{
    return QCoreApplication::translate(wording::colourContext, wording::textOf(wording::colourNames, hue));
}

QString colourName(kelvane::Hue hue) { return fullVariant(colourCaption(hue)); }

QString fullVariant(const QString& text) { return text.section(QChar(0x9C), 0, 0); }

BandPanel::BandPanel(const QString& name, Bevel bevel, QWidget* parent)
    : QAbstractButton(parent)
    , bevel_(bevel)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
}

void BandPanel::setColourValue(kelvane::Colour c)
{
    if (c == colour_)
        return;
    colour_ = c;
    update();
    updateAccessibleName();
    emit colorChanged();
}

void BandPanel::setColor(const QColor& c)
{
    setColourValue(static_cast<kelvane::Colour>(c.red()) | static_cast<kelvane::Colour>(c.green()) << 8
        | static_cast<kelvane::Colour>(c.blue()) << 16);
}

void BandPanel::setCaption(const QString& text, const QColor& textColour)
{
    caption_ = text;
    textColour_ = textColour;
    setAccessibleName(fullVariant(text));
    update();
}

void BandPanel::setBandLabel(const QString& label)
{
    bandLabel_ = label;
    updateAccessibleName();
}

void BandPanel::updateAccessibleName()
{
    if (bandLabel_.isEmpty())
        return;
    const auto hue = kelvane::hueOf(colour_);
    const QString colour = hue ? colourName(*hue) : tr("empty");
    setAccessibleName(QStringLiteral("%1: %2").arg(bandLabel_, colour));
}

void BandPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    // A bevel as nested fills, outermost first: whole pixels at any scale,
    // where lines along the edges leave a device pixel of the colour outside
    // them at fractional and double scales.
    auto frame = [&p](const QRect& f, const QColor& topLeft, const QColor& bottomRight) {
        p.fillRect(f, bottomRight);
        p.fillRect(f.adjusted(0, 0, -1, -1), topLeft);
    };
    if (bevel_ == Bevel::Raised) {
        frame(r, light, dark);
        p.fillRect(r.adjusted(1, 1, -1, -1), toQColor(colour_));
    } else {
        frame(r, dark, light);
        frame(r.adjusted(1, 1, -1, -1), dark, light);
        p.fillRect(r.adjusted(2, 2, -2, -2), toQColor(colour_));
    }
    if (!caption_.isEmpty()) {
        p.setPen(textColour_);
        p.setFont(font());
        // Clear of the bevel and the focus frame; the first variant that
        // fits there is drawn.
        p.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignCenter, caption_);
    }
    // The keyboard's place: a dotted frame inside the bevel in the caption's
    // colour, clear of the text, shown once the keyboard is in use.
    if (window()->focusWidget() == this && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        p.setPen(QPen(textColour_, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}
