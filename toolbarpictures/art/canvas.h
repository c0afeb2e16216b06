#pragma once

#include "palette.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QString>

// Pixel-exact drawing onto one half of a toolbar picture. Antialiasing stays
// off: blended edges would not survive the reduction to sixteen colours.
class Canvas
{
public:
    explicit Canvas(QImage &image);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    void dot(int x, int y, const QColor &colour);
    void line(int x1, int y1, int x2, int y2, const QColor &colour);
    void fill(int x, int y, int w, int h, const QColor &colour);
    // Rectangles and ellipses cover exactly w × h pixels, outline included.
    void box(int x, int y, int w, int h, const QColor &outline, const QColor &inside = pal::None);
    void ellipse(int x, int y, int w, int h, const QColor &outline, const QColor &inside = pal::None);
    void polygon(const QList<QPoint> &corners, const QColor &outline, const QColor &inside = pal::None);
    // Rows of characters, one per pixel: '.' leaves the pixel alone, the
    // letters k m g o n p t s d r l y b M c w pick a palette colour.
    void sprite(int x, int y, const QList<const char *> &rows);
    // Text in the 5 × 7 face, each pixel blown up to scale × scale.
    void text(int x, int y, const QString &text, const QColor &colour, int scale = 1);
    // Text in the 3 × 5 face.
    void label(int x, int y, const QString &text, const QColor &colour);
    // A glyph of the 5 × 7 face with every row of pixels given its own height
    // and with a slant of one pixel to the right every `slant` rows (0: upright).
    void glyph(int x, int y, QChar c, const QColor &colour, int scaleX, const QList<int> &rowHeights,
               int slant = 0);

    QPainter &painter() { return m_painter; }

private:
    void drawRows(int x, int y, const QList<const char *> &rows, const QColor &colour, int scale);

    QImage &m_image;
    QPainter m_painter;
};
