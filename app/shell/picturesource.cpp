#include "picturesource.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor Outline(60, 60, 60);

void drawOpenFolder(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 105, 20), 1));
    painter.setBrush(QColor(214, 168, 62));
    painter.drawRect(QRectF(1.5, 3.5, 5, 2));
    painter.drawRect(QRectF(1.5, 4.5, 11, 9));
    QPainterPath front;
    front.moveTo(3.5, 7.5);
    front.lineTo(15.0, 7.5);
    front.lineTo(12.5, 13.5);
    front.lineTo(1.5, 13.5);
    front.closeSubpath();
    painter.setBrush(QColor(252, 214, 104));
    painter.drawPath(front);
}

void drawCamera(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Outline, 1));
    painter.setBrush(QColor(90, 98, 110));
    painter.drawRect(QRectF(5.5, 3.5, 5, 2));
    painter.drawRoundedRect(QRectF(1.5, 5.5, 13, 8), 1.5, 1.5);
    painter.setBrush(QColor(200, 220, 240));
    painter.drawEllipse(QPointF(8, 9.5), 2.8, 2.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 230, 120));
    painter.drawRect(QRectF(2.5, 6.5, 2, 1));
}

void drawExit(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(100, 60, 30), 1));
    painter.setBrush(QColor(181, 120, 66));
    painter.drawRect(QRectF(2.5, 1.5, 7, 13));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 230, 120));
    painter.drawEllipse(QPointF(8, 8), 0.9, 0.9);
    painter.setPen(QPen(QColor(200, 30, 30), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawLine(QPointF(8, 8), QPointF(14, 8));
    painter.drawLine(QPointF(11.5, 5.5), QPointF(14, 8));
    painter.drawLine(QPointF(11.5, 10.5), QPointF(14, 8));
}

// A sheet of paper with a folded corner, the ground of the export pictures.
void drawSheet(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Outline, 1));
    painter.setBrush(Qt::white);
    QPainterPath sheet;
    sheet.moveTo(2.5, 1.5);
    sheet.lineTo(10.5, 1.5);
    sheet.lineTo(13.5, 4.5);
    sheet.lineTo(13.5, 14.5);
    sheet.lineTo(2.5, 14.5);
    sheet.closeSubpath();
    painter.drawPath(sheet);
    painter.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
    painter.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
}

// Zone outlines as on the map: blue boundaries around trees.
void drawZonesSheet(QPainter &painter)
{
    drawSheet(painter);
    painter.setPen(QPen(QColor(0, 0, 255), 1));
    painter.drawLine(QPointF(3, 9), QPointF(8, 7));
    painter.drawLine(QPointF(8, 7), QPointF(9, 3));
    painter.drawLine(QPointF(8, 7), QPointF(13, 12));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0));
    for (const QPointF tree : {QPointF(5, 5), QPointF(5, 12), QPointF(11, 8)})
        painter.drawEllipse(tree, 1.2, 1.2);
}

// A pen over the sheet: a drawing.
void drawDrawingSheet(QPainter &painter)
{
    drawSheet(painter);
    painter.setPen(QPen(QColor(0, 0, 255), 1));
    painter.drawEllipse(QPointF(6.5, 9.5), 2.5, 2.5);
    painter.setPen(QPen(QColor(150, 105, 20), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14, 3), QPointF(9, 10));
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.drawPoint(QPointF(8.5, 10.5));
}

// Rows and columns: a table.
void drawTableSheet(QPainter &painter)
{
    drawSheet(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0, 128, 0), 1));
    for (const int y : {6, 9, 12})
        painter.drawLine(4, y, 12, y);
    painter.drawLine(7, 5, 7, 13);
}

// The map draws its marks without smoothing; so does the legend.
void drawMapMark(QPainter &painter, double radius, const QColor &colour)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(PictureSource::PictureSize / 2.0, PictureSource::PictureSize / 2.0), radius,
                        radius);
}

} // namespace

QImage PictureSource::image(int number) const
{
    QImage picture(PictureSize, PictureSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    switch (number) {
    case Open:
        drawOpenFolder(painter);
        break;
    case Camera:
        drawCamera(painter);
        break;
    case Exit:
        drawExit(painter);
        break;
    case ExportZones:
        drawZonesSheet(painter);
        break;
    case ExportDrawing:
        drawDrawingSheet(painter);
        break;
    case ExportTable:
        drawTableSheet(painter);
        break;
    case SelectedTree:
        drawMapMark(painter, 3, QColor(255, 0, 0));
        break;
    case TreeWithInfluence:
        drawMapMark(painter, 3, QColor(0, 128, 0));
        break;
    case TreeWithoutInfluence:
        drawMapMark(painter, 2, QColor(0, 0, 0));
        break;
    default:
        return {};
    }
    return picture;
}

QIcon PictureSource::icon(int number) const
{
    const QImage picture = image(number);
    if (picture.isNull())
        return {};
    return QIcon(QPixmap::fromImage(picture));
}
