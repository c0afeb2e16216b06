// Tools and system (9300), status signs (9400).

#include "artwork.h"
#include "motifs.h"

using namespace motif;

namespace {

void cylinder(Canvas &c, int x, int y, int w, int h, const QColor &fill)
{
    c.ellipse(x, y + h - 5, w, 5, pal::Black, fill);
    c.fill(x, y + 2, w, h - 5, pal::Black);
    c.fill(x + 1, y + 2, w - 2, h - 5, fill);
    c.ellipse(x, y, w, 5, pal::Black, pal::White);
}

} // namespace

QList<Drawing> toolPictures()
{
    return {
        [](Canvas &c) { gear(c, 3, 2); },
        [](Canvas &c) {
            c.polygon({{3, 17}, {12, 8}, {14, 10}, {5, 19}}, pal::Black, pal::Grey);
            c.ellipse(10, 1, 11, 11, pal::Black, pal::Grey);
            c.polygon({{15, 1}, {20, 1}, {20, 6}, {17, 6}, {15, 4}}, pal::Silver, pal::Silver);
            c.line(15, 2, 15, 4, pal::Black);
            c.line(16, 5, 19, 5, pal::Black);
        },
        [](Canvas &c) {
            c.polygon({{4, 18}, {13, 9}, {15, 11}, {6, 19}}, pal::Black, pal::Maroon);
            c.polygon({{9, 5}, {14, 1}, {21, 8}, {17, 12}}, pal::Black, pal::Grey);
            c.line(15, 3, 19, 7, pal::White);
        },
        [](Canvas &c) {
            c.polygon({{2, 19}, {2, 17}, {10, 10}, {12, 12}, {5, 19}}, pal::Black, pal::Red);
            c.line(11, 11, 19, 3, pal::Black);
            c.line(12, 11, 19, 4, pal::Grey);
            c.line(19, 2, 20, 3, pal::Black);
        },
        [](Canvas &c) {
            c.box(6, 4, 11, 4, pal::Black);
            c.box(1, 7, 21, 12, pal::Black, pal::Red);
            c.fill(2, 11, 19, 1, pal::Maroon);
            c.box(9, 10, 5, 3, pal::Black, pal::Grey);
        },
        [](Canvas &c) {
            c.fill(7, 1, 2, 6, pal::Black);
            c.fill(14, 1, 2, 6, pal::Black);
            c.box(4, 6, 15, 8, pal::Black, pal::White);
            c.polygon({{7, 13}, {16, 13}, {13, 17}, {10, 17}}, pal::Black, pal::White);
            c.fill(10, 17, 3, 3, pal::Black);
        },
        [](Canvas &c) {
            c.box(1, 6, 19, 10, pal::Black, pal::White);
            c.box(19, 9, 3, 4, pal::Black, pal::Grey);
            c.fill(2, 7, 11, 8, pal::Lime);
            c.line(13, 7, 13, 14, pal::Green);
        },
        [](Canvas &c) {
            c.polygon({{12, 1}, {19, 1}, {13, 8}, {18, 8}, {6, 19}, {9, 11}, {4, 11}}, pal::Black,
                      pal::Yellow);
        },
        [](Canvas &c) { cylinder(c, 4, 1, 15, 19, pal::Teal); },
        [](Canvas &c) {
            for (int i = 0; i < 3; ++i) {
                c.box(4, 1 + i * 6, 15, 6, pal::Black, pal::Grey);
                c.dot(16, 3 + i * 6, pal::Lime);
                c.fill(6, 3 + i * 6, 6, 2, pal::Black);
            }
        },
        [](Canvas &c) {
            c.box(1, 5, 21, 12, pal::Black, pal::Grey);
            c.ellipse(3, 6, 10, 10, pal::Black, pal::White);
            c.ellipse(7, 10, 2, 2, pal::Black, pal::Black);
            c.line(8, 11, 12, 14, pal::Navy);
            c.dot(18, 14, pal::Lime);
        },
        [](Canvas &c) {
            c.box(2, 7, 14, 8, pal::Black, pal::Blue);
            c.box(15, 8, 6, 6, pal::Black, pal::Grey);
            c.fill(17, 10, 2, 1, pal::Black);
            c.fill(17, 12, 2, 1, pal::Black);
            c.fill(4, 9, 6, 1, pal::White);
        },
        [](Canvas &c) {
            c.box(5, 4, 13, 13, pal::Black, pal::Black);
            c.box(8, 7, 7, 7, pal::Grey, pal::Grey);
            for (int i = 0; i < 4; ++i) {
                c.fill(7 + i * 3, 2, 1, 2, pal::Olive);
                c.fill(7 + i * 3, 17, 1, 2, pal::Olive);
                c.fill(3, 6 + i * 3, 2, 1, pal::Olive);
                c.fill(18, 6 + i * 3, 2, 1, pal::Olive);
            }
        },
        [](Canvas &c) {
            printer(c, 1, 1);
            badgeGear(c, 14, 12);
        },
        [](Canvas &c) {
            person(c, 1, 2, pal::Blue);
            badgeGear(c, 14, 12);
        },
        [](Canvas &c) {
            c.polygon({{11, 1}, {19, 4}, {19, 10}, {11, 19}, {3, 10}, {3, 4}}, pal::Navy, pal::Blue);
            c.polygon({{11, 3}, {17, 5}, {17, 10}, {11, 17}}, pal::Navy, pal::Cyan);
        },
        [](Canvas &c) {
            c.ellipse(6, 6, 11, 13, pal::Black, pal::Maroon);
            c.ellipse(8, 2, 7, 6, pal::Black, pal::Black);
            c.line(11, 8, 11, 17, pal::Black);
            for (int y = 9; y <= 15; y += 3) {
                c.line(2, y - 1, 6, y, pal::Black);
                c.line(17, y, 21, y - 1, pal::Black);
            }
            c.dot(9, 4, pal::White);
            c.dot(13, 4, pal::White);
        },
        [](Canvas &c) {
            c.box(3, 5, 13, 13, pal::Black, pal::Lime);
            c.ellipse(7, 1, 6, 6, pal::Black, pal::Lime);
            c.fill(8, 5, 4, 1, pal::Lime);
            c.ellipse(14, 9, 6, 6, pal::Black, pal::Lime);
            c.fill(15, 10, 1, 4, pal::Lime);
        },
        [](Canvas &c) {
            window(c, 1, 2, 21, 17, pal::Grey);
            c.fill(2, 5, 19, 13, pal::Black);
            c.line(4, 8, 6, 10, pal::Lime);
            c.line(6, 10, 4, 12, pal::Lime);
            c.fill(8, 12, 4, 1, pal::Lime);
        },
        [](Canvas &c) {
            clock(c, 4, 3, 15);
            c.polygon({{1, 6}, {6, 6}, {2, 1}}, pal::Green, pal::Lime);
        },
        [](Canvas &c) {
            c.fill(5, 1, 13, 2, pal::Maroon);
            c.fill(5, 18, 13, 2, pal::Maroon);
            c.polygon({{6, 3}, {16, 3}, {12, 10}, {16, 17}, {6, 17}, {10, 10}}, pal::Black, pal::White);
            c.polygon({{8, 5}, {14, 5}, {11, 9}}, pal::Yellow, pal::Yellow);
            c.polygon({{11, 12}, {15, 16}, {7, 16}}, pal::Yellow, pal::Yellow);
        },
        [](Canvas &c) {
            c.ellipse(3, 2, 17, 17, pal::Green);
            c.ellipse(4, 3, 15, 15, pal::Green);
            c.fill(9, 1, 5, 8, pal::Silver);
            c.fill(11, 1, 2, 10, pal::Green);
        },
        [](Canvas &c) {
            c.box(1, 6, 21, 11, pal::Black, pal::Grey);
            for (int y = 8; y <= 12; y += 2) {
                for (int x = 3 + (y == 10 ? 1 : 0); x <= 18; x += 2)
                    c.dot(x, y, pal::White);
            }
            c.fill(6, 14, 11, 1, pal::White);
        },
        [](Canvas &c) {
            c.ellipse(6, 3, 11, 16, pal::Black, pal::White);
            c.line(7, 9, 15, 9, pal::Black);
            c.line(11, 4, 11, 9, pal::Black);
            c.fill(7, 4, 4, 5, pal::Grey);
            c.line(11, 3, 13, 1, pal::Black);
        },
    };
}

QList<Drawing> statusPictures()
{
    return {
        [](Canvas &c) {
            c.polygon({{2, 10}, {5, 7}, {9, 11}, {18, 2}, {21, 5}, {9, 17}}, pal::Green, pal::Lime);
        },
        [](Canvas &c) {
            c.polygon({{3, 5},
                       {6, 2},
                       {11, 7},
                       {16, 2},
                       {19, 5},
                       {14, 10},
                       {19, 15},
                       {16, 18},
                       {11, 13},
                       {6, 18},
                       {3, 15},
                       {8, 10}},
                      pal::Maroon, pal::Red);
        },
        [](Canvas &c) {
            c.box(2, 2, 17, 17, pal::Black, pal::White);
            c.polygon({{5, 10}, {7, 8}, {10, 11}, {19, 2}, {21, 4}, {10, 15}}, pal::Green, pal::Lime);
        },
        [](Canvas &c) {
            c.box(7, 1, 9, 19, pal::Black, pal::Black);
            c.ellipse(9, 3, 5, 5, pal::Maroon, pal::Red);
            c.ellipse(9, 8, 5, 5, pal::Olive, pal::Olive);
            c.ellipse(9, 13, 5, 5, pal::Green, pal::Green);
        },
        [](Canvas &c) {
            c.ellipse(2, 1, 19, 19, pal::Maroon, pal::Red);
            c.fill(5, 9, 13, 3, pal::White);
        },
    };
}
