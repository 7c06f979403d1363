#include "icon.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QVector>

namespace {

// The sixteen VGA colours, then the transparent ground.
const QVector<QRgb>& vgaTable()
{
    static const QVector<QRgb> table{
        0xFF000000,
        0xFF800000,
        0xFF008000,
        0xFF808000,
        0xFF000080,
        0xFF800080,
        0xFF008080,
        0xFFC0C0C0,
        0xFF808080,
        0xFFFF0000,
        0xFF00FF00,
        0xFFFFFF00,
        0xFF0000FF,
        0xFFFF00FF,
        0xFF00FFFF,
        0xFFFFFFFF,
        0x00000000,
    };
    return table;
}

} // namespace

QImage programImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / 32.0, size / 32.0);
    const auto& vga = vgaTable();
    const QColor black(vga[0]), gray(vga[8]), body(vga[11]), red(vga[9]), violet(vga[5]), brown(vga[1]), gold(vga[3]);

    p.fillRect(QRectF(0, 15, 32, 2), gray);  // leads
    p.fillRect(QRectF(6, 9, 20, 14), black); // body outline
    p.fillRect(QRectF(7, 10, 18, 12), body);
    p.fillRect(QRectF(9, 10, 2, 12), red);
    p.fillRect(QRectF(13, 10, 2, 12), violet);
    p.fillRect(QRectF(17, 10, 2, 12), brown);
    p.fillRect(QRectF(21, 10, 2, 12), gold);
    p.end();
    return image.convertToFormat(QImage::Format_Indexed8, vga, Qt::ThresholdDither | Qt::AvoidDither);
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(programImage(size)));
    return icon;
}
