// Money (8400) and books (8500).

#include "artwork.h"
#include "motifs.h"

using namespace motif;

namespace {

void currency(Canvas &c, QChar symbol, const QColor &colour)
{
    c.ellipse(2, 1, 19, 19, pal::Olive, pal::Yellow);
    c.ellipse(4, 3, 15, 15, pal::Olive, pal::Yellow);
    c.glyph(7, 4, symbol, colour, 2, {2, 2, 2, 2, 2, 1, 2});
}

void standingBook(Canvas &c, int x, int y, int w, int h, const QColor &cover)
{
    c.box(x, y, w, h, pal::Black, cover);
    c.line(x + 1, y + 2, x + w - 2, y + 2, pal::Yellow);
    c.line(x + 1, y + h - 3, x + w - 2, y + h - 3, pal::Yellow);
}

void lyingBook(Canvas &c, int x, int y, int w, const QColor &cover)
{
    c.box(x, y, w, 4, pal::Black, cover);
    c.line(x + 2, y + 1, x + w - 2, y + 1, pal::White);
    c.line(x + w - 2, y + 1, x + w - 2, y + 2, pal::White);
}

void plainBook(Canvas &c, const QColor &cover)
{
    book(c, 3, 1, 14, 19, cover);
}

} // namespace

QList<Drawing> moneyPictures()
{
    return {
        [](Canvas &c) { coin(c, 5, 4, 13); },
        [](Canvas &c) {
            for (int i = 0; i < 5; ++i)
                c.ellipse(4, 14 - i * 3, 15, 6, pal::Olive, pal::Yellow);
            c.line(7, 3, 15, 3, pal::White);
        },
        [](Canvas &c) {
            c.box(1, 5, 21, 12, pal::Green, pal::Lime);
            c.box(3, 7, 17, 8, pal::Green);
            c.ellipse(8, 7, 7, 8, pal::Green, pal::White);
            c.label(10, 9, "$", pal::Green);
        },
        [](Canvas &c) {
            c.box(1, 5, 21, 14, pal::Black, pal::Maroon);
            c.polygon({{1, 5}, {21, 5}, {21, 11}, {12, 11}, {12, 7}, {1, 7}}, pal::Black, pal::Maroon);
            c.box(13, 8, 9, 5, pal::Black, pal::Maroon);
            c.dot(18, 10, pal::Yellow);
            c.line(2, 4, 18, 2, pal::Green);
            c.line(2, 3, 18, 1, pal::Lime);
        },
        [](Canvas &c) {
            c.box(1, 4, 21, 14, pal::Black, pal::Blue);
            c.fill(2, 7, 19, 3, pal::Black);
            c.box(4, 11, 5, 4, pal::Olive, pal::Yellow);
            c.line(11, 14, 18, 14, pal::White);
        },
        [](Canvas &c) {
            c.ellipse(3, 4, 17, 13, pal::Purple, pal::Magenta);
            c.box(5, 15, 3, 4, pal::Purple, pal::Magenta);
            c.box(14, 15, 3, 4, pal::Purple, pal::Magenta);
            c.polygon({{6, 5}, {8, 2}, {10, 5}}, pal::Purple, pal::Magenta);
            c.box(18, 8, 3, 4, pal::Purple, pal::Magenta);
            c.dot(16, 8, pal::Black);
            c.fill(9, 4, 5, 1, pal::Black);
            coin(c, 9, 1, 5);
        },
        [](Canvas &c) {
            c.box(4, 2, 15, 5, pal::Black, pal::Black);
            c.label(6, 2, "12", pal::Lime);
            c.polygon({{2, 10}, {4, 7}, {19, 7}, {21, 10}}, pal::Black, pal::Grey);
            c.box(1, 10, 21, 9, pal::Black, pal::Grey);
            for (int x = 5; x <= 15; x += 5)
                c.box(x, 8, 3, 2, pal::Black, pal::White);
            c.box(5, 13, 13, 4, pal::Black, pal::Yellow);
        },
        [](Canvas &c) {
            c.box(4, 1, 15, 19, pal::Black, pal::Grey);
            c.box(6, 3, 11, 4, pal::Black, pal::Teal);
            for (int y = 9; y <= 17; y += 3) {
                for (int x = 6; x <= 15; x += 3)
                    c.fill(x, y, 2, 2, x == 15 ? pal::Red : pal::White);
            }
        },
        [](Canvas &c) { currency(c, QChar(0x20ac), pal::Navy); },
        [](Canvas &c) { currency(c, QChar('$'), pal::Green); },
        [](Canvas &c) { currency(c, QChar(0x00a3), pal::Maroon); },
        [](Canvas &c) { currency(c, QChar(0x00a5), pal::Purple); },
        [](Canvas &c) {
            barChart(c, 1, 5, {4, 7, 10, 13}, {pal::Green});
            arrow(c, 8, 1, Direction::Up, 9, pal::Lime);
        },
        [](Canvas &c) {
            barChart(c, 1, 5, {13, 10, 7, 4}, {pal::Red});
            arrow(c, 13, 1, Direction::Down, 9, pal::Red);
        },
        [](Canvas &c) {
            c.box(2, 2, 19, 16, pal::Black, pal::Grey);
            c.box(4, 4, 15, 12, pal::Black, pal::Grey);
            c.ellipse(7, 6, 8, 8, pal::Black, pal::White);
            c.line(11, 7, 11, 10, pal::Black);
            c.fill(16, 8, 2, 4, pal::Black);
            c.fill(4, 18, 3, 2, pal::Black);
            c.fill(16, 18, 3, 2, pal::Black);
        },
        [](Canvas &c) {
            c.polygon({{11, 1}, {21, 6}, {1, 6}}, pal::Black, pal::White);
            for (int x = 3; x <= 18; x += 5)
                c.box(x, 8, 3, 8, pal::Black, pal::White);
            c.box(1, 16, 21, 3, pal::Black, pal::White);
            c.dot(11, 4, pal::Black);
        },
        [](Canvas &c) {
            c.polygon({{4, 1},
                       {18, 1},
                       {18, 18},
                       {16, 16},
                       {14, 18},
                       {12, 16},
                       {10, 18},
                       {8, 16},
                       {6, 18},
                       {4, 16}},
                      pal::Black, pal::White);
            for (int y = 4; y <= 10; y += 2)
                c.line(6, y, 16, y, pal::Grey);
            c.line(6, 13, 16, 13, pal::Black);
        },
        [](Canvas &c) {
            c.polygon({{2, 9}, {9, 2}, {20, 2}, {20, 16}, {9, 16}}, pal::Black, pal::Yellow);
            c.ellipse(7, 7, 4, 4, pal::Black, pal::Silver);
            c.line(12, 7, 18, 7, pal::Olive);
            c.line(12, 11, 17, 11, pal::Olive);
        },
    };
}

QList<Drawing> bookPictures()
{
    return {
        [](Canvas &c) { plainBook(c, pal::Blue); },
        [](Canvas &c) { openBook(c, 3, 3); },
        [](Canvas &c) {
            standingBook(c, 2, 4, 4, 16, pal::Red);
            standingBook(c, 6, 2, 5, 18, pal::Blue);
            standingBook(c, 11, 5, 4, 15, pal::Green);
            c.polygon({{15, 19}, {18, 5}, {21, 6}, {18, 19}}, pal::Black, pal::Yellow);
        },
        [](Canvas &c) {
            plainBook(c, pal::Green);
            c.polygon({{12, 1}, {15, 1}, {15, 9}, {13, 7}, {12, 9}}, pal::Maroon, pal::Red);
        },
        [](Canvas &c) {
            c.box(5, 1, 15, 19, pal::Black, pal::White);
            for (int y = 5; y <= 17; y += 3)
                c.line(8, y, 17, y, pal::Blue);
            for (int y = 3; y <= 17; y += 3)
                c.box(3, y, 4, 2, pal::Black, pal::Grey);
        },
        [](Canvas &c) {
            plainBook(c, pal::Maroon);
            c.label(7, 9, "AZ", pal::White);
        },
        [](Canvas &c) {
            plainBook(c, pal::Navy);
            c.text(7, 8, "?", pal::White);
        },
        [](Canvas &c) {
            lyingBook(c, 3, 15, 17, pal::Red);
            lyingBook(c, 4, 11, 15, pal::Blue);
            lyingBook(c, 2, 7, 16, pal::Green);
            lyingBook(c, 5, 3, 13, pal::Purple);
        },
        [](Canvas &c) {
            c.ellipse(1, 8, 9, 8, pal::Black, pal::Cyan);
            c.ellipse(12, 8, 9, 8, pal::Black, pal::Cyan);
            c.line(9, 10, 12, 10, pal::Black);
            c.line(1, 9, 1, 4, pal::Black);
            c.line(20, 9, 20, 4, pal::Black);
            c.dot(3, 10, pal::White);
            c.dot(14, 10, pal::White);
        },
        [](Canvas &c) {
            plainBook(c, pal::Teal);
            badgePlus(c, 14, 12);
        },
        [](Canvas &c) {
            plainBook(c, pal::Teal);
            badgeMinus(c, 14, 12);
        },
        [](Canvas &c) {
            plainBook(c, pal::Purple);
            badgeLock(c, 14, 12);
        },
        [](Canvas &c) {
            plainBook(c, pal::Purple);
            for (int y = 8; y <= 16; y += 2)
                c.line(6, y, 14, y, pal::White);
        },
        [](Canvas &c) {
            book(c, 2, 1, 14, 19, pal::Blue);
            c.box(15, 3, 5, 4, pal::Black, pal::Red);
            c.box(15, 8, 5, 4, pal::Black, pal::Yellow);
            c.box(15, 13, 5, 4, pal::Black, pal::Lime);
        },
        [](Canvas &c) {
            book(c, 2, 1, 12, 17, pal::Red);
            magnifier(c, 9, 8, 7);
        },
        [](Canvas &c) {
            book(c, 2, 1, 14, 19, pal::Red);
            badgeStar(c, 14, 12);
        },
    };
}
