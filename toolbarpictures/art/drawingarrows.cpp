// Drawing and pictures (8600), arrows and navigation (8700).

#include "artwork.h"
#include "motifs.h"

using namespace motif;

namespace {

// A thick arrow pointing to a corner: sx and sy choose the corner.
void diagonalArrow(Canvas &c, int sx, int sy, const QColor &colour)
{
    const QList<QPoint> pointingUpRight = {{18, 2}, {18, 12}, {15, 9}, {7, 17}, {4, 14}, {12, 6}, {8, 2}};
    QList<QPoint> corners;
    for (const QPoint &p : pointingUpRight)
        corners.append({sx > 0 ? p.x() : 22 - p.x(), sy < 0 ? p.y() : 19 - p.y()});
    c.polygon(corners, pal::Black, colour);
}

void triangle(Canvas &c, int x, int y, bool right, const QColor &colour)
{
    if (right)
        c.polygon({{x, y}, {x + 6, y + 6}, {x, y + 12}}, pal::Black, colour);
    else
        c.polygon({{x + 6, y}, {x, y + 6}, {x + 6, y + 12}}, pal::Black, colour);
}

void bar(Canvas &c, int x, int y, const QColor &colour)
{
    c.box(x, y, 3, 13, pal::Black, colour);
}

void roundButton(Canvas &c, const QColor &fill)
{
    c.ellipse(2, 1, 19, 19, pal::Black, fill);
}

void listLines(Canvas &c, int highlighted)
{
    for (int i = 0; i < 4; ++i)
        c.box(2, 2 + i * 5, 11, 3, pal::Black, i == highlighted ? pal::Yellow : pal::White);
}

void cornerArrows(Canvas &c, bool outwards)
{
    const int a = outwards ? 2 : 7;
    const int b = outwards ? 7 : 2;
    for (int sx = 0; sx < 2; ++sx) {
        for (int sy = 0; sy < 2; ++sy) {
            auto X = [&](int v) {
                return sx == 0 ? v : 22 - v;
            };
            auto Y = [&](int v) {
                return sy == 0 ? v : 19 - v;
            };
            c.line(X(2), Y(2), X(8), Y(8), pal::Navy);
            c.line(X(a), Y(a), X(a), Y(b), pal::Navy);
            c.line(X(a), Y(a), X(b), Y(a), pal::Navy);
        }
    }
}

} // namespace

QList<Drawing> drawingPictures()
{
    return {
        [](Canvas &c) { pencil(c, 5, 4); },
        [](Canvas &c) { brush(c, 5, 4, pal::Blue); },
        [](Canvas &c) { bucket(c, 4, 3, pal::Blue); },
        [](Canvas &c) {
            c.polygon({{3, 13}, {11, 5}, {19, 5}, {11, 13}}, pal::Black, pal::Magenta);
            c.polygon({{3, 13}, {11, 13}, {11, 17}, {3, 17}}, pal::Black, pal::White);
            c.polygon({{11, 13}, {19, 5}, {19, 9}, {11, 17}}, pal::Black, pal::Purple);
        },
        [](Canvas &c) {
            c.box(8, 7, 9, 13, pal::Black, pal::Red);
            c.box(10, 4, 5, 4, pal::Black, pal::Grey);
            c.fill(9, 10, 7, 3, pal::White);
            for (int i = 0; i < 4; ++i)
                c.dot(3 + (i % 2) * 2, 2 + i, pal::Blue);
            c.dot(7, 3, pal::Blue);
            c.dot(6, 5, pal::Blue);
        },
        [](Canvas &c) {
            c.line(4, 17, 18, 3, pal::Black);
            c.box(2, 16, 4, 4, pal::Black, pal::White);
            c.box(17, 2, 4, 4, pal::Black, pal::White);
        },
        [](Canvas &c) {
            c.box(3, 4, 17, 13, pal::Blue);
            c.box(4, 5, 15, 11, pal::Navy);
        },
        [](Canvas &c) {
            c.ellipse(2, 3, 19, 15, pal::Blue);
            c.ellipse(3, 4, 17, 13, pal::Navy);
        },
        [](Canvas &c) {
            c.polygon({{11, 2}, {20, 8}, {17, 18}, {5, 18}, {2, 8}}, pal::Navy, pal::None);
            for (const QPoint &p : QList<QPoint>{{11, 2}, {20, 8}, {17, 18}, {5, 18}, {2, 8}})
                c.box(p.x() - 1, p.y() - 1, 3, 3, pal::Black, pal::White);
        },
        [](Canvas &c) {
            c.text(3, 3, "A", pal::Black, 2);
            c.line(18, 4, 18, 17, pal::Black);
            c.line(16, 3, 17, 3, pal::Black);
            c.line(19, 3, 20, 3, pal::Black);
            c.line(16, 18, 17, 18, pal::Black);
            c.line(19, 18, 20, 18, pal::Black);
        },
        [](Canvas &c) {
            c.polygon({{2, 19}, {3, 15}, {12, 6}, {15, 9}, {6, 18}}, pal::Black, pal::White);
            c.line(4, 16, 5, 17, pal::Blue);
            c.ellipse(13, 1, 8, 8, pal::Black, pal::Black);
            c.box(11, 6, 5, 5, pal::Black, pal::Grey);
        },
        [](Canvas &c) {
            c.ellipse(1, 2, 21, 17, pal::Black, pal::Yellow);
            c.ellipse(13, 11, 5, 4, pal::Black, pal::Silver);
            c.ellipse(4, 5, 4, 4, pal::Black, pal::Red);
            c.ellipse(9, 4, 4, 4, pal::Black, pal::Blue);
            c.ellipse(14, 5, 4, 4, pal::Black, pal::Lime);
            c.ellipse(5, 11, 4, 4, pal::Black, pal::Magenta);
        },
        [](Canvas &c) {
            magnifier(c, 2, 1, 13);
            c.fill(5, 7, 7, 1, pal::Black);
            c.fill(8, 4, 1, 7, pal::Black);
        },
        [](Canvas &c) {
            magnifier(c, 2, 1, 13);
            c.fill(5, 7, 7, 1, pal::Black);
        },
        [](Canvas &c) {
            c.box(6, 6, 11, 11, pal::Black, pal::Cyan);
            curvedArrow(c, 4, 1, true, pal::Lime, pal::Green);
        },
        [](Canvas &c) {
            c.polygon({{2, 15}, {9, 4}, {9, 15}}, pal::Black, pal::Blue);
            c.polygon({{20, 15}, {13, 4}, {13, 15}}, pal::Grey, pal::White);
            for (int y = 2; y <= 18; y += 2)
                c.dot(11, y, pal::Black);
        },
        [](Canvas &c) {
            c.fill(5, 1, 2, 16, pal::Black);
            c.fill(2, 15, 16, 2, pal::Black);
            c.fill(15, 4, 2, 16, pal::Black);
            c.fill(5, 4, 16, 2, pal::Black);
            c.fill(7, 6, 8, 9, pal::Cyan);
        },
        [](Canvas &c) {
            for (int x = 2; x <= 20; ++x) {
                c.dot(x, 3, (x / 2) % 2 ? pal::Black : pal::White);
                c.dot(x, 17, (x / 2) % 2 ? pal::White : pal::Black);
            }
            for (int y = 3; y <= 17; ++y) {
                c.dot(2, y, (y / 2) % 2 ? pal::White : pal::Black);
                c.dot(20, y, (y / 2) % 2 ? pal::Black : pal::White);
            }
        },
        [](Canvas &c) {
            c.ellipse(3, 2, 17, 11, pal::Black);
            c.ellipse(4, 3, 15, 9, pal::Grey);
            c.line(6, 11, 4, 15, pal::Black);
            c.line(4, 15, 7, 18, pal::Black);
            c.box(7, 16, 3, 4, pal::Black, pal::Maroon);
        },
        [](Canvas &c) {
            c.box(1, 3, 21, 16, pal::Black, pal::Cyan);
            c.polygon({{2, 17}, {8, 9}, {12, 14}, {15, 11}, {20, 17}}, pal::Green, pal::Green);
            c.ellipse(15, 5, 4, 4, pal::Olive, pal::Yellow);
        },
    };
}

QList<Drawing> arrowPictures()
{
    return {
        [](Canvas &c) { arrow(c, 2, 6, Direction::Left, 19, pal::Lime); },
        [](Canvas &c) { arrow(c, 2, 6, Direction::Right, 19, pal::Lime); },
        [](Canvas &c) { arrow(c, 7, 1, Direction::Up, 19, pal::Lime); },
        [](Canvas &c) { arrow(c, 7, 1, Direction::Down, 19, pal::Lime); },
        [](Canvas &c) { diagonalArrow(c, 1, -1, pal::Cyan); },
        [](Canvas &c) { diagonalArrow(c, -1, -1, pal::Cyan); },
        [](Canvas &c) { diagonalArrow(c, 1, 1, pal::Cyan); },
        [](Canvas &c) { diagonalArrow(c, -1, 1, pal::Cyan); },
        [](Canvas &c) {
            bar(c, 3, 4, pal::Lime);
            triangle(c, 7, 4, false, pal::Lime);
            triangle(c, 13, 4, false, pal::Lime);
        },
        [](Canvas &c) { triangle(c, 8, 4, false, pal::Lime); },
        [](Canvas &c) { triangle(c, 9, 4, true, pal::Lime); },
        [](Canvas &c) {
            triangle(c, 3, 4, true, pal::Lime);
            triangle(c, 9, 4, true, pal::Lime);
            bar(c, 17, 4, pal::Lime);
        },
        [](Canvas &c) {
            c.polygon({{11, 1}, {21, 10}, {1, 10}}, pal::Black, pal::Red);
            c.box(4, 10, 15, 10, pal::Black, pal::White);
            c.box(9, 13, 5, 7, pal::Black, pal::Maroon);
            c.box(15, 3, 3, 4, pal::Black, pal::Grey);
        },
        [](Canvas &c) {
            roundButton(c, pal::Green);
            arrow(c, 5, 6, Direction::Left, 13, pal::White);
        },
        [](Canvas &c) {
            roundButton(c, pal::Green);
            arrow(c, 5, 6, Direction::Right, 13, pal::White);
        },
        [](Canvas &c) {
            c.ellipse(3, 2, 17, 17, pal::Green);
            c.ellipse(4, 3, 15, 15, pal::Lime);
            c.ellipse(5, 4, 13, 13, pal::Green);
            c.fill(13, 1, 8, 7, pal::Silver);
            c.polygon({{12, 2}, {19, 2}, {19, 9}}, pal::Green, pal::Lime);
        },
        [](Canvas &c) {
            c.polygon({{7, 1}, {15, 1}, {20, 6}, {20, 14}, {15, 19}, {7, 19}, {2, 14}, {2, 6}}, pal::Maroon,
                      pal::Red);
            c.fill(5, 8, 13, 5, pal::White);
        },
        [](Canvas &c) {
            roundButton(c, pal::Lime);
            c.polygon({{9, 5}, {16, 10}, {9, 15}}, pal::Black, pal::White);
        },
        [](Canvas &c) {
            c.box(6, 5, 11, 11, pal::Black, pal::White);
            c.fill(8, 10, 7, 1, pal::Navy);
            c.fill(11, 7, 1, 7, pal::Navy);
        },
        [](Canvas &c) {
            c.box(6, 5, 11, 11, pal::Black, pal::White);
            c.fill(8, 10, 7, 1, pal::Navy);
        },
        [](Canvas &c) {
            listLines(c, 2);
            arrow(c, 13, 2, Direction::Up, 15, pal::Blue);
        },
        [](Canvas &c) {
            listLines(c, 1);
            arrow(c, 13, 3, Direction::Down, 15, pal::Blue);
        },
        [](Canvas &c) {
            c.polygon({{3, 18}, {3, 9}, {13, 9}, {13, 5}, {19, 11}, {13, 17}, {13, 13}, {7, 13}, {7, 18}},
                      pal::Black, pal::Lime);
        },
        [](Canvas &c) {
            c.polygon({{19, 18}, {19, 9}, {9, 9}, {9, 5}, {3, 11}, {9, 17}, {9, 13}, {15, 13}, {15, 18}},
                      pal::Black, pal::Lime);
        },
        [](Canvas &c) {
            c.polygon({{17, 2}, {20, 2}, {20, 13}, {9, 13}, {9, 17}, {3, 11}, {9, 5}, {9, 9}, {17, 9}},
                      pal::Black, pal::Yellow);
        },
        [](Canvas &c) {
            arrow(c, 5, 1, Direction::Right, 16, pal::Blue);
            arrow(c, 1, 11, Direction::Left, 16, pal::Red);
        },
        [](Canvas &c) { cornerArrows(c, true); },
        [](Canvas &c) { cornerArrows(c, false); },
        [](Canvas &c) {
            c.line(2, 4, 7, 4, pal::Navy);
            c.line(7, 4, 14, 16, pal::Navy);
            c.line(14, 16, 20, 16, pal::Navy);
            c.line(2, 16, 7, 16, pal::Navy);
            c.line(7, 16, 14, 4, pal::Navy);
            c.line(14, 4, 20, 4, pal::Navy);
            c.line(18, 2, 18, 6, pal::Navy);
            c.line(18, 14, 18, 18, pal::Navy);
            c.line(19, 3, 19, 5, pal::Navy);
            c.line(19, 15, 19, 17, pal::Navy);
        },
        [](Canvas &c) {
            c.polygon({{4, 19},
                       {4, 7},
                       {6, 3},
                       {14, 3},
                       {16, 7},
                       {16, 12},
                       {19, 12},
                       {14, 18},
                       {9, 12},
                       {12, 12},
                       {12, 7},
                       {8, 7},
                       {8, 19}},
                      pal::Black, pal::Cyan);
        },
        [](Canvas &c) {
            folder(c, 1, 7, 17, 12);
            arrow(c, 13, 1, Direction::Up, 11, pal::Lime);
        },
        [](Canvas &c) {
            thinArrow(c, 2, 8, Direction::Right, 19, pal::Black);
            thinArrow(c, 2, 8, Direction::Left, 19, pal::Black);
        },
        [](Canvas &c) {
            thinArrow(c, 9, 1, Direction::Down, 19, pal::Black);
            thinArrow(c, 9, 1, Direction::Up, 19, pal::Black);
        },
    };
}
