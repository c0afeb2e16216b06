// Documents (8200), help (9000) and windows (9200).

#include "artwork.h"
#include "motifs.h"

using namespace motif;

namespace {

void infoBadge(Canvas &c, int x, int y)
{
    c.ellipse(x, y, 9, 9, pal::Navy, pal::Blue);
    c.dot(x + 4, y + 2, pal::White);
    c.line(x + 4, y + 4, x + 4, y + 6, pal::White);
}

void roundSign(Canvas &c, const QColor &outline, const QColor &fill)
{
    c.ellipse(3, 1, 18, 18, outline, fill);
}

void smallWindow(Canvas &c, int x, int y, int w, int h)
{
    window(c, x, y, w, h);
}

} // namespace

QList<Drawing> documentPictures()
{
    return {
        [](Canvas &c) { page(c, 5, 1, 13, 19, false); },
        [](Canvas &c) { folder(c, 1, 4, 19, 14, true); },
        [](Canvas &c) { floppy(c, 4, 3); },
        [](Canvas &c) {
            floppy(c, 2, 2);
            badgePencil(c, 13, 11);
        },
        [](Canvas &c) {
            floppy(c, 2, 1, pal::Purple);
            floppy(c, 6, 5);
        },
        [](Canvas &c) {
            page(c, 3, 1, 13, 19);
            badgeCross(c, 14, 12);
        },
        [](Canvas &c) { printer(c, 3, 4); },
        [](Canvas &c) {
            page(c, 3, 1, 13, 19);
            magnifier(c, 8, 7, 8);
        },
        [](Canvas &c) {
            page(c, 3, 3, 18, 15, false);
            for (int x = 6; x <= 16; x += 2) {
                c.dot(x, 6, pal::Blue);
                c.dot(x, 14, pal::Blue);
            }
            for (int y = 6; y <= 14; y += 2) {
                c.dot(6, y, pal::Blue);
                c.dot(17, y, pal::Blue);
            }
        },
        [](Canvas &c) {
            page(c, 3, 1, 13, 19);
            infoBadge(c, 12, 10);
        },
        [](Canvas &c) { page(c, 5, 1, 13, 19); },
        [](Canvas &c) {
            page(c, 2, 1, 13, 19);
            arrow(c, 10, 8, Direction::Right, 11, pal::Lime);
        },
    };
}

QList<Drawing> helpPictures()
{
    return {
        [](Canvas &c) {
            roundSign(c, pal::Navy, pal::Blue);
            c.text(7, 3, "?", pal::White, 2);
        },
        [](Canvas &c) {
            roundSign(c, pal::Navy, pal::Blue);
            c.fill(10, 4, 3, 3, pal::White);
            c.fill(10, 8, 3, 8, pal::White);
            c.fill(9, 8, 1, 1, pal::White);
            c.fill(9, 15, 5, 1, pal::White);
        },
        [](Canvas &c) {
            c.polygon({{11, 1}, {21, 19}, {1, 19}}, pal::Black, pal::Yellow);
            c.fill(10, 7, 3, 7, pal::Black);
            c.fill(10, 15, 3, 2, pal::Black);
        },
        [](Canvas &c) {
            roundSign(c, pal::Maroon, pal::Red);
            for (int d = 0; d < 2; ++d) {
                c.line(7 + d, 5, 16, 14 - d, pal::White);
                c.line(16 - d, 5, 7, 14 - d, pal::White);
            }
        },
        [](Canvas &c) {
            c.ellipse(5, 1, 13, 13, pal::Black, pal::Yellow);
            c.dot(8, 4, pal::White);
            c.dot(8, 5, pal::White);
            c.dot(9, 3, pal::White);
            c.box(8, 13, 7, 3, pal::Black, pal::Grey);
            c.box(9, 15, 5, 3, pal::Black, pal::Grey);
            c.line(10, 8, 10, 12, pal::Olive);
            c.line(13, 8, 13, 12, pal::Olive);
        },
        [](Canvas &c) {
            c.polygon({{3, 2}, {3, 16}, {6, 13}, {9, 19}, {11, 18}, {8, 12}, {12, 12}}, pal::Black,
                      pal::White);
            c.text(14, 3, "?", pal::Blue);
        },
    };
}

QList<Drawing> windowPictures()
{
    return {
        [](Canvas &c) { window(c, 2, 2, 19, 16); },
        [](Canvas &c) {
            window(c, 2, 2, 17, 14);
            badgeStar(c, 14, 12);
        },
        [](Canvas &c) {
            window(c, 2, 2, 17, 14);
            badgeCross(c, 14, 12);
        },
        [](Canvas &c) {
            smallWindow(c, 1, 1, 13, 10);
            smallWindow(c, 5, 5, 13, 10);
            smallWindow(c, 9, 9, 13, 10);
        },
        [](Canvas &c) {
            smallWindow(c, 2, 1, 19, 9);
            smallWindow(c, 2, 10, 19, 9);
        },
        [](Canvas &c) {
            smallWindow(c, 1, 2, 10, 17);
            smallWindow(c, 11, 2, 10, 17);
        },
        [](Canvas &c) {
            window(c, 2, 2, 19, 16);
            c.fill(7, 14, 9, 2, pal::Black);
        },
        [](Canvas &c) {
            window(c, 2, 2, 19, 16);
            c.box(6, 7, 11, 9, pal::Black);
            c.line(6, 8, 16, 8, pal::Black);
        },
        [](Canvas &c) {
            window(c, 2, 2, 19, 16);
            c.box(9, 6, 8, 7, pal::Black);
            c.box(6, 9, 8, 7, pal::Black, pal::White);
            c.line(6, 10, 13, 10, pal::Black);
        },
        [](Canvas &c) {
            window(c, 2, 2, 19, 16);
            c.line(3, 11, 19, 11, pal::Blue);
            c.line(3, 12, 19, 12, pal::Blue);
        },
        [](Canvas &c) {
            window(c, 2, 2, 19, 16);
            c.fill(3, 5, 17, 4, pal::Silver);
            for (int x = 4; x <= 16; x += 4)
                c.box(x, 6, 3, 2, pal::Black, pal::Yellow);
        },
        [](Canvas &c) {
            window(c, 2, 2, 19, 16);
            c.fill(3, 14, 17, 3, pal::Silver);
            c.line(8, 14, 8, 16, pal::Grey);
            c.line(14, 14, 14, 16, pal::Grey);
        },
        [](Canvas &c) {
            window(c, 2, 2, 19, 16);
            c.fill(3, 5, 6, 12, pal::Cyan);
            c.line(9, 5, 9, 16, pal::Black);
        },
        [](Canvas &c) {
            magnifier(c, 1, 1, 14);
            c.label(3, 6, "1:1", pal::Navy);
        },
        [](Canvas &c) {
            for (int row = 0; row < 3; ++row) {
                for (int column = 0; column < 3; ++column)
                    c.box(2 + column * 7, 1 + row * 6, 5, 5, pal::Black,
                          row == column ? pal::Blue : pal::White);
            }
        },
        [](Canvas &c) {
            window(c, 1, 1, 17, 14);
            badgeGear(c, 14, 12);
        },
    };
}
