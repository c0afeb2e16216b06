// Text and paragraph formatting (9100).

#include "artwork.h"
#include "motifs.h"

using namespace motif;

namespace {

const QList<int> tall = {2, 2, 2, 2, 2, 2, 2};
const QList<int> shorter = {2, 2, 2, 1, 2, 1, 2};

void bigLetter(Canvas &c, int x, int y, QChar letter, const QColor &colour = pal::Black)
{
    c.glyph(x, y, letter, colour, 2, shorter);
}

// Lines of text; widths[i] == 0 skips a line, align: 0 left, 1 centre, 2 right, 3 full.
void textLines(Canvas &c, int x, int y, int w, const QList<int> &widths, int align,
               const QColor &colour = pal::Black, int step = 3)
{
    for (qsizetype i = 0; i < widths.size(); ++i) {
        const int lineW = align == 3 ? w : widths[i];
        if (lineW == 0)
            continue;
        int left = x;
        if (align == 1)
            left = x + (w - lineW) / 2;
        else if (align == 2)
            left = x + w - lineW;
        c.fill(left, y + int(i) * step, lineW, 1, colour);
    }
}

void indentLines(Canvas &c, bool increase)
{
    textLines(c, 2, 3, 19, {19, 0, 0, 0, 0, 19}, 0);
    for (int i = 1; i <= 4; ++i)
        c.fill(10, 3 + i * 3, 11, 1, pal::Black);
    c.polygon(increase ? QList<QPoint>{{2, 8}, {6, 11}, {2, 14}} : QList<QPoint>{{7, 8}, {3, 11}, {7, 14}},
              pal::Navy, pal::Blue);
}

} // namespace

QList<Drawing> textPictures()
{
    return {
        [](Canvas &c) {
            c.glyph(5, 3, 'F', pal::Black, 2, tall);
            c.glyph(6, 3, 'F', pal::Black, 2, tall);
        },
        [](Canvas &c) { c.glyph(4, 3, 'K', pal::Black, 2, tall, 3); },
        [](Canvas &c) {
            c.glyph(6, 1, 'U', pal::Black, 2, tall);
            c.fill(4, 17, 15, 2, pal::Black);
        },
        [](Canvas &c) {
            c.glyph(6, 3, 'S', pal::Black, 2, tall);
            c.fill(3, 9, 17, 2, pal::Red);
        },
        [](Canvas &c) {
            c.glyph(2, 5, 'x', pal::Black, 2, tall);
            c.label(16, 2, "2", pal::Blue);
        },
        [](Canvas &c) {
            c.glyph(2, 1, 'x', pal::Black, 2, {0, 0, 2, 2, 2, 2, 2});
            c.label(16, 14, "2", pal::Blue);
        },
        [](Canvas &c) {
            c.glyph(6, 1, 'A', pal::Black, 2, {2, 2, 2, 2, 2, 1, 1});
            c.box(3, 15, 17, 5, pal::Black, pal::Red);
        },
        [](Canvas &c) {
            c.box(2, 14, 19, 6, pal::Olive, pal::Yellow);
            c.polygon({{9, 12}, {17, 2}, {21, 5}, {13, 14}}, pal::Black, pal::Yellow);
            c.polygon({{7, 15}, {9, 12}, {13, 14}, {11, 16}}, pal::Black, pal::Grey);
        },
        [](Canvas &c) {
            bigLetter(c, 1, 5, 'A');
            thinArrow(c, 14, 3, Direction::Up, 8, pal::Blue);
        },
        [](Canvas &c) {
            c.text(3, 10, "A", pal::Black);
            thinArrow(c, 14, 8, Direction::Down, 8, pal::Red);
        },
        [](Canvas &c) {
            textLines(c, 3, 3, 17, {17, 11, 17, 8, 17, 12}, 0);
        },
        [](Canvas &c) {
            textLines(c, 3, 3, 17, {17, 11, 15, 7, 17, 11}, 1);
        },
        [](Canvas &c) {
            textLines(c, 3, 3, 17, {17, 11, 17, 8, 17, 12}, 2);
        },
        [](Canvas &c) {
            textLines(c, 3, 3, 17, {1, 1, 1, 1, 1, 1}, 3);
        },
        [](Canvas &c) {
            for (int i = 0; i < 3; ++i) {
                c.box(2, 3 + i * 6, 3, 3, pal::Navy, pal::Blue);
                c.fill(8, 4 + i * 6, 13, 1, pal::Black);
            }
        },
        [](Canvas &c) {
            for (int i = 0; i < 3; ++i) {
                c.label(2, 2 + i * 6, QString::number(i + 1), pal::Navy);
                c.fill(8, 4 + i * 6, 13, 1, pal::Black);
            }
        },
        [](Canvas &c) { indentLines(c, true); },
        [](Canvas &c) { indentLines(c, false); },
        [](Canvas &c) {
            textLines(c, 9, 3, 12, {12, 12, 9, 12, 12, 8}, 0, pal::Black, 3);
            thinArrow(c, 2, 2, Direction::Up, 8, pal::Blue);
            thinArrow(c, 2, 10, Direction::Down, 8, pal::Blue);
        },
        [](Canvas &c) { c.glyph(6, 3, QChar(0x00b6), pal::Navy, 2, tall); },
        [](Canvas &c) {
            bigLetter(c, 1, 4, 'A', pal::Navy);
            c.text(13, 10, "a", pal::Navy);
        },
        [](Canvas &c) {
            bigLetter(c, 1, 2, 'A', pal::Black);
            c.polygon({{10, 14}, {15, 9}, {20, 9}, {15, 14}}, pal::Black, pal::Magenta);
            c.polygon({{10, 14}, {15, 14}, {15, 17}, {10, 17}}, pal::Black, pal::White);
            c.polygon({{15, 14}, {20, 9}, {20, 12}, {15, 17}}, pal::Black, pal::Purple);
        },
        [](Canvas &c) {
            for (int x = 2; x <= 20; x += 2) {
                c.dot(x, 3, pal::Black);
                c.dot(x, 18, pal::Black);
            }
            for (int y = 3; y <= 18; y += 2) {
                c.dot(2, y, pal::Black);
                c.dot(20, y, pal::Black);
            }
            c.text(5, 6, "A", pal::Navy);
            c.fill(12, 8, 6, 1, pal::Black);
            c.fill(12, 11, 6, 1, pal::Black);
            c.fill(5, 15, 13, 1, pal::Black);
        },
        [](Canvas &c) {
            globe(c, 1, 1, 13);
            c.box(10, 12, 7, 5, pal::Black);
            c.box(14, 12, 7, 5, pal::Black);
            c.line(10, 18, 20, 18, pal::Blue);
        },
        [](Canvas &c) { c.glyph(6, 3, QChar(0x03a9), pal::Navy, 2, tall); },
        [](Canvas &c) { calendar(c, 4, 2, "24"); },
        [](Canvas &c) {
            c.box(4, 1, 15, 8, pal::Black, pal::White);
            c.fill(4, 1, 15, 1, pal::Silver);
            c.box(4, 12, 15, 8, pal::Black, pal::White);
            c.fill(4, 19, 15, 1, pal::Silver);
            for (int x = 2; x <= 20; x += 3)
                c.fill(x, 10, 2, 1, pal::Blue);
        },
        [](Canvas &c) {
            c.box(2, 1, 19, 19, pal::Black, pal::White);
            textLines(c, 4, 4, 6, {6, 6, 5, 6, 6}, 0, pal::Grey);
            textLines(c, 13, 4, 6, {6, 6, 6, 4, 6}, 0, pal::Grey);
        },
        [](Canvas &c) {
            page(c, 4, 1, 15, 19, false);
            c.fill(6, 3, 8, 2, pal::Blue);
            c.fill(6, 16, 11, 2, pal::Blue);
            textLines(c, 6, 7, 10, {10, 8, 10}, 0, pal::Grey, 2);
        },
        [](Canvas &c) {
            page(c, 4, 1, 15, 19);
            c.label(9, 13, "12", pal::Red);
        },
        [](Canvas &c) {
            textLines(c, 2, 3, 15, {15, 15, 10}, 0, pal::Black);
            c.label(13, 6, "1", pal::Red);
            c.fill(2, 12, 7, 1, pal::Grey);
            c.label(2, 14, "1", pal::Red);
            c.fill(6, 16, 12, 1, pal::Black);
        },
        [](Canvas &c) {
            speechBubble(c, 2, 2, 19, 13, pal::Yellow);
            textLines(c, 5, 5, 13, {13, 13, 8}, 0, pal::Olive);
        },
        [](Canvas &c) {
            for (int i = 0; i < 3; ++i) {
                c.box(2, 1 + i * 6, 19, 6, pal::Black, i == 1 ? pal::Cyan : pal::White);
                c.label(4, 2 + i * 6, "AB", i == 0 ? pal::Navy : (i == 1 ? pal::Blue : pal::Black));
            }
        },
        [](Canvas &c) {
            c.box(9, 1, 12, 7, pal::Black, pal::Yellow);
            c.fill(13, 8, 4, 3, pal::Grey);
            c.box(13, 10, 4, 10, pal::Black, pal::Maroon);
            c.fill(3, 4, 6, 1, pal::Black);
            c.fill(3, 4, 1, 10, pal::Black);
        },
        [](Canvas &c) {
            grid(c, 2, 2, 4, 4, 4, 4);
            c.fill(2, 18, 17, 2, pal::Black);
        },
        [](Canvas &c) {
            c.box(2, 2, 19, 17, pal::Black, pal::White);
            for (int y = 3; y <= 17; ++y) {
                for (int x = 3 + (y % 2); x <= 19; x += 2)
                    c.dot(x, y, pal::Grey);
            }
        },
        [](Canvas &c) {
            c.box(2, 2, 9, 9, pal::Navy, pal::Blue);
            c.text(4, 3, "A", pal::White);
            textLines(c, 13, 3, 8, {8, 8, 8}, 0);
            textLines(c, 2, 13, 19, {19, 19, 14}, 0);
        },
        [](Canvas &c) {
            c.glyph(4, 2, 'A', pal::Blue, 2, tall, 4);
            c.glyph(5, 3, 'A', pal::Navy, 2, tall, 4);
        },
        [](Canvas &c) {
            c.box(1, 12, 21, 7, pal::Black, pal::White);
            for (int x = 3; x <= 19; x += 2)
                c.line(x, 17, x, x % 4 == 1 ? 15 : 16, pal::Black);
            c.fill(5, 5, 1, 6, pal::Black);
            c.fill(5, 10, 4, 1, pal::Black);
            c.fill(15, 5, 1, 6, pal::Black);
            c.fill(12, 10, 4, 1, pal::Black);
        },
        [](Canvas &c) {
            c.box(1, 7, 21, 8, pal::Black, pal::Yellow);
            for (int x = 3; x <= 19; x += 2)
                c.line(x, 8, x, x % 4 == 3 ? 11 : 9, pal::Black);
        },
        [](Canvas &c) {
            c.text(1, 5, "A", pal::Black, 2);
            c.text(12, 9, "B", pal::Black);
        },
        [](Canvas &c) {
            c.glyph(6, 1, 'D', pal::Black, 2, {2, 2, 2, 2, 2, 1, 1});
            c.fill(4, 15, 15, 1, pal::Black);
            c.fill(4, 17, 15, 1, pal::Black);
        },
        [](Canvas &c) {
            c.glyph(2, 3, 'A', pal::Black, 2, tall);
            thinArrow(c, 15, 2, Direction::Down, 17, pal::Blue);
            c.line(19, 3, 19, 12, pal::Grey);
        },
        [](Canvas &c) {
            c.label(2, 2, "123", pal::Navy);
            textLines(c, 2, 10, 19, {19, 14, 19}, 0, pal::Grey, 3);
        },
        [](Canvas &c) {
            bigLetter(c, 1, 2, 'A', pal::Black);
            magnifier(c, 10, 8, 7);
        },
        [](Canvas &c) {
            textLines(c, 2, 3, 19, {19, 0, 0, 19}, 0, pal::Grey, 3);
            c.fill(2, 7, 8, 1, pal::Black);
            c.fill(12, 7, 9, 1, pal::Black);
            c.polygon({{11, 8}, {14, 13}, {8, 13}}, pal::Black, pal::Blue);
            c.line(11, 5, 11, 10, pal::Black);
        },
        [](Canvas &c) {
            textLines(c, 2, 3, 19, {19, 0, 0, 0, 0, 19}, 0, pal::Grey);
            c.fill(2, 9, 19, 2, pal::Navy);
            c.fill(2, 11, 19, 1, pal::Grey);
        },
        [](Canvas &c) {
            c.text(3, 2, "A", pal::Black);
            c.text(14, 2, "V", pal::Black);
            thinArrow(c, 2, 12, Direction::Left, 9, pal::Blue);
            thinArrow(c, 12, 12, Direction::Right, 9, pal::Blue);
        },
    };
}
