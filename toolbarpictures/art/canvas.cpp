#include "canvas.h"

#include "pixelfont.h"

#include <QHash>
#include <QPolygon>
#include <algorithm>

Canvas::Canvas(QImage &image) : m_image(image), m_painter(&image)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

void Canvas::dot(int x, int y, const QColor &colour)
{
    if (colour.isValid())
        m_painter.fillRect(x, y, 1, 1, colour);
}

void Canvas::line(int x1, int y1, int x2, int y2, const QColor &colour)
{
    if (!colour.isValid())
        return;
    m_painter.setPen(QPen(colour, 1));
    m_painter.drawLine(x1, y1, x2, y2);
    // Make both ends certain, whatever the raster engine does with the last pixel.
    dot(x1, y1, colour);
    dot(x2, y2, colour);
}

void Canvas::fill(int x, int y, int w, int h, const QColor &colour)
{
    if (colour.isValid() && w > 0 && h > 0)
        m_painter.fillRect(x, y, w, h, colour);
}

void Canvas::box(int x, int y, int w, int h, const QColor &outline, const QColor &inside)
{
    fill(x + 1, y + 1, w - 2, h - 2, inside);
    if (!outline.isValid())
        return;
    fill(x, y, w, 1, outline);
    fill(x, y + h - 1, w, 1, outline);
    fill(x, y, 1, h, outline);
    fill(x + w - 1, y, 1, h, outline);
}

void Canvas::ellipse(int x, int y, int w, int h, const QColor &outline, const QColor &inside)
{
    // Decided per pixel centre, so a circle comes out symmetric in both axes.
    const double rx = w / 2.0;
    const double ry = h / 2.0;
    auto covered = [&](int px, int py) {
        if (px < x || py < y || px >= x + w || py >= y + h)
            return false;
        const double dx = (px + 0.5 - x - rx) / rx;
        const double dy = (py + 0.5 - y - ry) / ry;
        return dx * dx + dy * dy <= 1.0 + 0.15 / std::max(rx, ry);
    };
    for (int py = y; py < y + h; ++py) {
        for (int px = x; px < x + w; ++px) {
            if (!covered(px, py))
                continue;
            const bool edge =
                !covered(px - 1, py) || !covered(px + 1, py) || !covered(px, py - 1) || !covered(px, py + 1);
            dot(px, py, edge && outline.isValid() ? outline : inside);
        }
    }
}

void Canvas::polygon(const QList<QPoint> &corners, const QColor &outline, const QColor &inside)
{
    if (inside.isValid()) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(inside);
        m_painter.drawPolygon(QPolygon(corners));
        m_painter.setBrush(Qt::NoBrush);
    }
    if (outline.isValid()) {
        for (qsizetype i = 0; i < corners.size(); ++i) {
            const QPoint &from = corners[i];
            const QPoint &to = corners[(i + 1) % corners.size()];
            line(from.x(), from.y(), to.x(), to.y(), outline);
        }
    }
}

void Canvas::sprite(int x, int y, const QList<const char *> &rows)
{
    static const QHash<char, QColor> colours = {
        {'k', pal::Black}, {'m', pal::Maroon},  {'g', pal::Green}, {'o', pal::Olive},
        {'n', pal::Navy},  {'p', pal::Purple},  {'t', pal::Teal},  {'s', pal::Silver},
        {'d', pal::Grey},  {'r', pal::Red},     {'l', pal::Lime},  {'y', pal::Yellow},
        {'b', pal::Blue},  {'M', pal::Magenta}, {'c', pal::Cyan},  {'w', pal::White}};
    for (qsizetype row = 0; row < rows.size(); ++row) {
        for (int column = 0; rows[row][column] != '\0'; ++column)
            dot(x + column, y + int(row), colours.value(rows[row][column]));
    }
}

void Canvas::drawRows(int x, int y, const QList<const char *> &rows, const QColor &colour, int scale)
{
    for (qsizetype row = 0; row < rows.size(); ++row) {
        for (int column = 0; rows[row][column] != '\0'; ++column) {
            if (rows[row][column] == '#')
                fill(x + column * scale, y + int(row) * scale, scale, scale, colour);
        }
    }
}

void Canvas::text(int x, int y, const QString &text, const QColor &colour, int scale)
{
    for (QChar c : text) {
        drawRows(x, y, pixelfont::large(c), colour, scale);
        x += 6 * scale;
    }
}

void Canvas::label(int x, int y, const QString &text, const QColor &colour)
{
    for (QChar c : text) {
        drawRows(x, y, pixelfont::small(c), colour, 1);
        x += 4;
    }
}

void Canvas::glyph(int x, int y, QChar c, const QColor &colour, int scaleX, const QList<int> &rowHeights,
                   int slant)
{
    const QList<const char *> &rows = pixelfont::large(c);
    int top = y;
    int total = 0;
    for (int height : rowHeights)
        total += height;
    for (qsizetype row = 0; row < rows.size() && row < rowHeights.size(); ++row) {
        for (int line = 0; line < rowHeights[row]; ++line) {
            const int fromBottom = total - (top - y) - 1;
            const int shift = slant > 0 ? fromBottom / slant : 0;
            for (int column = 0; rows[row][column] != '\0'; ++column) {
                if (rows[row][column] == '#')
                    fill(x + shift + column * scaleX, top, scaleX, 1, colour);
            }
            ++top;
        }
    }
}
