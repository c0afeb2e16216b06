#pragma once

#include <QImage>
#include <QWidget>

// The stand map: a drawing surface whose drawings persist in an image until
// it is cleared. Coordinates are map pixels with the origin at the top-left
// corner of the inner area; the background is white.
class StandMap : public QWidget
{
    Q_OBJECT

public:
    explicit StandMap(QWidget *parent = nullptr);

    // Inner width and height in pixels (SW, SH).
    int mapWidth() const { return width(); }
    int mapHeight() const { return height(); }

    const QImage &image() const { return m_image; }

    void clear();
    void drawLine(QPointF from, QPointF to, const QColor &colour, int width);
    void drawFilledCircle(QPointF centre, double radius, const QColor &colour);
    void drawText(QPoint topLeft, const QString &text, const QColor &colour);

    // Writes the persistent image as a Windows bitmap; on failure returns false
    // and describes the reason in *error.
    bool saveAsBmp(const QString &path, QString *error) const;

signals:
    // Any mouse button; the position is in map pixels.
    void pressed(QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void ensureImageCovers(QSize size);

    QImage m_image;
};
