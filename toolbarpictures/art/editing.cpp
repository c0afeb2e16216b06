// Editing (8000) and tables (8100).

#include "artwork.h"
#include "motifs.h"

using namespace motif;

namespace {

void tableGrid(Canvas &c)
{
    grid(c, 1, 3, 4, 4, 5, 4);
}

void highlightRow(Canvas &c, int row, const QColor &colour)
{
    c.fill(2, 4 + row * 4, 19, 3, colour);
}

void highlightColumn(Canvas &c, int column, const QColor &colour)
{
    c.fill(2 + column * 5, 4, 4, 15, colour);
}

void thickCross(Canvas &c, int x, int y, int size, const QColor &colour)
{
    for (int d = -1; d <= 1; ++d) {
        c.line(x + std::max(d, 0), y + std::max(-d, 0), x + size - 1 - std::max(-d, 0),
               y + size - 1 - std::max(d, 0), colour);
        c.line(x + size - 1 - std::max(d, 0), y + std::max(-d, 0), x + std::max(-d, 0),
               y + size - 1 - std::max(d, 0), colour);
    }
}

void pie(Canvas &c, int x, int y, int size)
{
    c.ellipse(x, y, size, size, pal::Black, pal::Blue);
    const double mid = size / 2.0;
    for (int py = 1; py < size - 1; ++py) {
        for (int px = 1; px < size - 1; ++px) {
            const double dx = px + 0.5 - mid;
            const double dy = py + 0.5 - mid;
            if (dx * dx + dy * dy > (mid - 1.2) * (mid - 1.2))
                continue;
            if (dx >= 0 && dy <= 0)
                c.dot(x + px, y + py, pal::Red);
            else if (dx >= 0 && dy > 0 && dy < dx * 1.7)
                c.dot(x + px, y + py, pal::Yellow);
        }
    }
    c.line(x + int(mid), y + 1, x + int(mid), y + int(mid), pal::Black);
    c.line(x + int(mid), y + int(mid), x + size - 2, y + int(mid), pal::Black);
}

} // namespace

QList<Drawing> editingPictures()
{
    return {
        [](Canvas &c) { scissors(c, 7, 3); },
        [](Canvas &c) {
            page(c, 3, 1, 11, 14);
            page(c, 9, 5, 11, 14);
        },
        [](Canvas &c) {
            clipboard(c, 3, 1);
            page(c, 10, 7, 10, 12);
        },
        [](Canvas &c) { curvedArrow(c, 4, 5, false, pal::Blue, pal::Navy); },
        [](Canvas &c) { curvedArrow(c, 4, 5, true, pal::Blue, pal::Navy); },
        [](Canvas &c) { thickCross(c, 5, 4, 13, pal::Red); },
        [](Canvas &c) { magnifier(c, 4, 3, 10); },
        [](Canvas &c) {
            c.text(3, 2, "A", pal::Blue);
            thinArrow(c, 8, 7, Direction::Right, 7, pal::Black);
            c.text(15, 11, "B", pal::Red);
            c.line(3, 18, 20, 18, pal::Grey);
        },
        [](Canvas &c) {
            c.box(4, 4, 15, 14, pal::None, pal::Navy);
            for (int row = 6; row <= 15; row += 3)
                c.line(6, row, 16, row, pal::White);
            for (int i = 2; i <= 20; i += 2) {
                c.dot(i, 2, pal::Black);
                c.dot(i, 19, pal::Black);
            }
            for (int i = 3; i <= 19; i += 2) {
                c.dot(2, i, pal::Black);
                c.dot(20, i, pal::Black);
            }
        },
        [](Canvas &c) {
            clipboard(c, 3, 1);
            badgeStar(c, 14, 12);
        },
        [](Canvas &c) {
            c.label(3, 2, "ABC", pal::Navy);
            c.line(3, 8, 13, 8, pal::Red);
            badgeCheck(c, 10, 10);
            badgeCheck(c, 11, 10);
        },
        [](Canvas &c) {
            page(c, 8, 1, 13, 19);
            c.fill(10, 9, 9, 1, pal::Blue);
            arrow(c, 1, 5, Direction::Right, 10, pal::Lime);
        },
    };
}

QList<Drawing> tablePictures()
{
    return {
        [](Canvas &c) { tableGrid(c); },
        [](Canvas &c) { grid(c, 1, 3, 4, 4, 5, 4, pal::Navy); },
        [](Canvas &c) {
            tableGrid(c);
            highlightRow(c, 0, pal::Yellow);
            badgePlus(c, 15, 1);
        },
        [](Canvas &c) {
            tableGrid(c);
            highlightRow(c, 3, pal::Yellow);
            badgePlus(c, 15, 13);
        },
        [](Canvas &c) {
            tableGrid(c);
            highlightColumn(c, 0, pal::Yellow);
            badgePlus(c, 1, 1);
        },
        [](Canvas &c) {
            tableGrid(c);
            highlightColumn(c, 3, pal::Yellow);
            badgePlus(c, 15, 1);
        },
        [](Canvas &c) {
            tableGrid(c);
            highlightRow(c, 1, pal::Red);
            badgeMinus(c, 15, 13);
        },
        [](Canvas &c) {
            tableGrid(c);
            highlightColumn(c, 1, pal::Red);
            badgeMinus(c, 15, 13);
        },
        [](Canvas &c) {
            grid(c, 2, 3, 3, 3, 6, 5);
            c.fill(3, 9, 17, 4, pal::Yellow);
            thinArrow(c, 4, 9, Direction::Right, 5, pal::Black);
            thinArrow(c, 14, 9, Direction::Left, 5, pal::Black);
        },
        [](Canvas &c) {
            c.box(2, 5, 19, 11, pal::Black, pal::Yellow);
            c.line(11, 5, 11, 15, pal::Black);
            thinArrow(c, 4, 8, Direction::Left, 6, pal::Black);
            thinArrow(c, 13, 8, Direction::Right, 6, pal::Black);
        },
        [](Canvas &c) {
            c.text(3, 2, "A", pal::Navy);
            c.text(3, 12, "Z", pal::Navy);
            arrow(c, 11, 2, Direction::Down, 17, pal::Blue);
        },
        [](Canvas &c) {
            c.text(3, 2, "Z", pal::Navy);
            c.text(3, 12, "A", pal::Navy);
            arrow(c, 11, 2, Direction::Down, 17, pal::Red);
        },
        [](Canvas &c) {
            c.polygon({{2, 3}, {20, 3}, {13, 10}, {13, 18}, {9, 15}, {9, 10}}, pal::Black, pal::Cyan);
            c.line(4, 4, 18, 4, pal::White);
        },
        [](Canvas &c) { c.text(6, 3, QStringLiteral("\u03a3"), pal::Navy, 2); },
        [](Canvas &c) {
            barChart(c, 2, 3, {7, 12, 16, 9}, {pal::Red, pal::Blue, pal::Lime, pal::Yellow});
        },
        [](Canvas &c) {
            c.box(3, 2, 18, 18, pal::None, pal::White);
            c.line(3, 2, 3, 19, pal::Black);
            c.line(3, 19, 20, 19, pal::Black);
            for (int i = 0; i < 2; ++i) {
                c.line(4, 15 + i, 8, 9 + i, pal::Red);
                c.line(8, 9 + i, 13, 13 + i, pal::Red);
                c.line(13, 13 + i, 19, 4 + i, pal::Red);
            }
            c.line(4, 12, 10, 15, pal::Blue);
            c.line(10, 15, 19, 10, pal::Blue);
        },
        [](Canvas &c) { pie(c, 3, 2, 17); },
        [](Canvas &c) {
            c.polygon({{4, 18}, {4, 12}, {9, 6}, {13, 10}, {19, 3}, {19, 18}}, pal::Teal, pal::Cyan);
            c.polygon({{4, 18}, {4, 15}, {9, 12}, {13, 14}, {19, 10}, {19, 18}}, pal::Navy, pal::Blue);
            c.line(3, 2, 3, 19, pal::Black);
            c.line(3, 19, 20, 19, pal::Black);
        },
        [](Canvas &c) {
            grid(c, 3, 5, 4, 4, 4, 3);
            c.box(1, 3, 21, 17, pal::Black);
            c.box(2, 4, 19, 15, pal::Black);
        },
        [](Canvas &c) {
            c.box(1, 3, 21, 17, pal::Grey, pal::White);
            for (int i = 1; i < 4; ++i) {
                c.line(1 + i * 5, 4, 1 + i * 5, 18, pal::Black);
                c.line(2, 3 + i * 4, 20, 3 + i * 4, pal::Black);
            }
        },
        [](Canvas &c) {
            c.box(1, 3, 21, 17, pal::None, pal::White);
            for (int i = 0; i <= 4; ++i) {
                for (int p = 0; p < 21; p += 2) {
                    c.dot(1 + p, 3 + i * 4, pal::Grey);
                    if (p < 17)
                        c.dot(1 + i * 5, 3 + p, pal::Grey);
                }
            }
        },
        [](Canvas &c) {
            bucket(c, 5, 1, pal::Red);
            c.box(3, 16, 18, 4, pal::Black, pal::Red);
        },
        [](Canvas &c) {
            grid(c, 2, 3, 3, 4, 6, 4);
            c.fill(9, 4, 5, 15, pal::Cyan);
            thinArrow(c, 3, 10, Direction::Left, 6, pal::Navy);
            thinArrow(c, 14, 10, Direction::Right, 6, pal::Navy);
        },
        [](Canvas &c) {
            tableGrid(c);
            c.fill(2, 4, 19, 3, pal::Silver);
            c.fill(2, 4, 4, 15, pal::Silver);
            c.line(2, 7, 20, 7, pal::Blue);
            c.line(6, 4, 6, 18, pal::Blue);
        },
        [](Canvas &c) {
            grid(c, 1, 1, 3, 4, 5, 4);
            badgeGear(c, 14, 12);
        },
        [](Canvas &c) {
            c.box(1, 14, 21, 6, pal::Black, pal::White);
            c.text(3, 1, "f", pal::Navy, 2);
            c.text(14, 6, "x", pal::Navy);
            c.line(3, 16, 17, 16, pal::Grey);
            c.line(3, 18, 12, 18, pal::Grey);
        },
        [](Canvas &c) { c.text(6, 3, "%", pal::Navy, 2); },
        [](Canvas &c) {
            c.box(1, 5, 21, 11, pal::Black, pal::White);
            c.label(3, 8, "0.00", pal::Navy);
        },
        [](Canvas &c) {
            for (int row = 3; row <= 19; row += 8)
                c.line(2, row, 14, row, pal::Black);
            c.fill(2, 4, 13, 7, pal::White);
            c.fill(2, 12, 13, 7, pal::White);
            thinArrow(c, 15, 3, Direction::Up, 8, pal::Navy);
            thinArrow(c, 15, 11, Direction::Down, 8, pal::Navy);
        },
        [](Canvas &c) {
            grid(c, 1, 1, 3, 4, 5, 4);
            badgeCross(c, 14, 12);
        },
    };
}
