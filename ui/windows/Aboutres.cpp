#include "Aboutres.h"

#include "shared/direction.h"
#include "shared/icon.h"
#include "shared/look.h"

#include <kelvane/config.h>

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr Place places[] = {
    {"Bevel1", 16, 10, 49, 49},
    {"Image1", 24, 18, 33, 33},
    {"Label1", 80, 16, 177, 48},
    {"Bevel2", 16, 72, 249, 2},
    {"Label2", 16, 88, 249, 16},
    {"BitBtn1", 88, 176, 97, 25},
};

// The stock OK glyph: a green check.
QIcon checkGlyph()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    p.end();
    return QIcon(pixmap);
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    setFixedSize(280, 207);
    setFont(systemFont());

    auto* bevel1 = new QFrame(this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(QPixmap::fromImage(programImage()));

    auto* label1 = new QLabel(
        inWindowDirection(tr("Resistor and capacitor Kelvane v%1").arg(QStringLiteral(KELVANE_VERSION))), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* bevel2 = new QFrame(this);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    auto* label2 = new QLabel(tr("Free to use and share."), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setAlignment(Qt::AlignCenter);

    auto* ok = new QPushButton(checkGlyph(), tr("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAboutBox::okbtnClick);
    placeControls(this, places);

    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void TAboutBox::okbtnClick() { close(); }
