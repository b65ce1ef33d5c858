#include "shell/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
// A yellow speech bubble, the colour of the input field, with a dark "T" on a blue ground.
QPixmap drawn(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x3a, 0x68));
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);

    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(s * 0.12, s * 0.12, s * 0.76, s * 0.56), s * 0.14, s * 0.14);
    QPainterPath tail;
    tail.moveTo(s * 0.28, s * 0.62);
    tail.lineTo(s * 0.22, s * 0.88);
    tail.lineTo(s * 0.50, s * 0.64);
    tail.closeSubpath();
    p.setBrush(QColor(0xff, 0xff, 0x00));
    p.drawPath(bubble.united(tail));

    p.setBrush(QColor(0x10, 0x10, 0x10));
    p.drawRect(QRectF(s * 0.30, s * 0.20, s * 0.40, s * 0.10));
    p.drawRect(QRectF(s * 0.45, s * 0.20, s * 0.10, s * 0.40));
    return pixmap;
}
}

QIcon ProgramIcon::icon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128})
        icon.addPixmap(drawn(size));
    return icon;
}
