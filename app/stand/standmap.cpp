#include "standmap.h"

#include "files/outputfile.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QMouseEvent>
#include <QPainter>

StandMap::StandMap(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    ensureImageCovers(QSize(1, 1));
}

void StandMap::clear()
{
    m_image = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(Qt::white);
    update();
}

void StandMap::drawLine(QPointF from, QPointF to, const QColor &colour, int width)
{
    QPainter painter(&m_image);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    update();
}

void StandMap::drawFilledCircle(QPointF centre, double radius, const QColor &colour)
{
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
    update();
}

void StandMap::drawText(QPoint topLeft, const QString &text, const QColor &colour)
{
    QPainter painter(&m_image);
    painter.setFont(font());
    painter.setPen(colour);
    const QFontMetrics metrics(font());
    painter.drawText(topLeft + QPoint(0, metrics.ascent()), text);
    update();
}

bool StandMap::saveAsBmp(const QString &path, QString *error) const
{
    OutputFile file(path);
    QString reason;
    if (!file.open()) {
        reason = file.errorString();
    } else {
        QImageWriter writer(file.device(), "bmp");
        if (writer.write(m_image) && file.commit())
            return true;
        reason = file.errorString().isEmpty() ? writer.errorString() : file.errorString();
    }
    if (error)
        *error = reason;
    return false;
}

void StandMap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, m_image);
}

void StandMap::resizeEvent(QResizeEvent *event)
{
    ensureImageCovers(event->size());
    QWidget::resizeEvent(event);
}

void StandMap::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->position());
}

// The image follows the widget's size; what was drawn stays where it was
// (the stand is redrawn at the new scale by whoever owns it).
void StandMap::ensureImageCovers(QSize size)
{
    size = size.expandedTo(QSize(1, 1));
    if (m_image.size() == size)
        return;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!m_image.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, m_image);
    }
    m_image = resized;
}
