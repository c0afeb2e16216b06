#include "programicon.h"

#include <QPainter>
#include <QPixmap>

namespace {

// Drawn on a 32-unit square, scaled to the picture's size.
QPixmap programPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    painter.setPen(QPen(QColor(40, 80, 40), 1.5));
    painter.setBrush(QColor(226, 240, 206));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 3, 3);

    painter.setPen(QPen(QColor(0, 0, 255), 1.6));
    painter.drawLine(QPointF(2, 18), QPointF(14, 14));
    painter.drawLine(QPointF(14, 14), QPointF(17, 2));
    painter.drawLine(QPointF(14, 14), QPointF(30, 27));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0));
    painter.drawEllipse(QPointF(7, 8), 2.6, 2.6);
    painter.setBrush(QColor(0, 128, 0));
    painter.drawEllipse(QPointF(24, 10), 3.2, 3.2);
    painter.setBrush(QColor(255, 0, 0));
    painter.drawEllipse(QPointF(11, 24), 3.2, 3.2);
    return picture;
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(programPicture(32));
    icon.addPixmap(programPicture(16));
    return icon;
}
