// Mail and communication (8300).

#include "artwork.h"
#include "motifs.h"

using namespace motif;

namespace {

void letter(Canvas &c)
{
    envelope(c, 2, 5, 19, 13);
}

void smallLetter(Canvas &c)
{
    envelope(c, 1, 7, 16, 11);
}

void tray(Canvas &c, const QColor &colour)
{
    c.polygon({{1, 11}, {5, 11}, {7, 14}, {15, 14}, {17, 11}, {21, 11}, {21, 19}, {1, 19}}, pal::Black,
              colour);
}

void ring(Canvas &c, int x, int y, int w, int h)
{
    c.box(x, y, w, h, pal::Black);
    c.box(x + 1, y + 1, w - 2, h - 2, pal::Grey);
    c.box(x + 2, y + 2, w - 4, h - 4, pal::Black);
}

void waves(Canvas &c, int x, int y, int count)
{
    for (int i = 0; i < count; ++i) {
        const int r = 3 + i * 3;
        c.line(x + r, y - r + 1, x + r, y + r - 1, pal::Navy);
        c.dot(x + r - 1, y - r, pal::Navy);
        c.dot(x + r - 1, y + r, pal::Navy);
    }
}

} // namespace

QList<Drawing> mailPictures()
{
    return {
        [](Canvas &c) { letter(c); },
        [](Canvas &c) { openEnvelope(c, 2, 2, 19, 17); },
        [](Canvas &c) {
            smallLetter(c);
            star(c, 11, 1);
        },
        [](Canvas &c) {
            envelope(c, 5, 8, 17, 11);
            arrow(c, 1, 1, Direction::Left, 11, pal::Magenta);
        },
        [](Canvas &c) {
            envelope(c, 5, 8, 17, 11);
            arrow(c, 4, 1, Direction::Left, 10, pal::Magenta);
            arrow(c, 1, 1, Direction::Left, 5, pal::Magenta);
        },
        [](Canvas &c) {
            envelope(c, 1, 8, 17, 11);
            arrow(c, 11, 1, Direction::Right, 11, pal::Blue);
        },
        [](Canvas &c) {
            envelope(c, 6, 6, 16, 11);
            c.line(1, 8, 4, 8, pal::Grey);
            c.line(2, 11, 4, 11, pal::Grey);
            c.line(1, 14, 4, 14, pal::Grey);
        },
        [](Canvas &c) {
            envelope(c, 2, 9, 19, 11);
            arrow(c, 7, 1, Direction::Down, 10, pal::Lime);
        },
        [](Canvas &c) {
            envelope(c, 1, 9, 14, 10);
            arrow(c, 13, 1, Direction::Up, 9, pal::Blue);
            arrow(c, 13, 10, Direction::Down, 9, pal::Lime);
        },
        [](Canvas &c) {
            envelope(c, 5, 3, 13, 10);
            tray(c, pal::Teal);
        },
        [](Canvas &c) {
            tray(c, pal::Purple);
            arrow(c, 7, 1, Direction::Up, 12, pal::Blue);
        },
        [](Canvas &c) {
            letter(c);
            badgeCheck(c, 14, 12);
        },
        [](Canvas &c) {
            smallLetter(c);
            pencil(c, 9, 1);
        },
        [](Canvas &c) {
            smallLetter(c);
            c.fill(2, 8, 14, 9, pal::Olive);
            badgeCross(c, 14, 12);
        },
        [](Canvas &c) { trash(c, 5, 2); },
        [](Canvas &c) {
            letter(c);
            paperclip(c, 13, 1);
        },
        [](Canvas &c) {
            book(c, 3, 1, 15, 19, pal::Red);
            c.fill(18, 3, 2, 3, pal::Blue);
            c.fill(18, 7, 2, 3, pal::Lime);
            c.fill(18, 11, 2, 3, pal::Yellow);
            c.label(8, 10, "AZ", pal::Black);
        },
        [](Canvas &c) {
            c.box(1, 3, 21, 15, pal::Black, pal::White);
            c.ellipse(4, 5, 5, 5, pal::Black, pal::Yellow);
            c.box(3, 10, 7, 5, pal::Black, pal::Blue);
            c.line(12, 6, 19, 6, pal::Grey);
            c.line(12, 9, 19, 9, pal::Grey);
            c.line(12, 12, 17, 12, pal::Grey);
        },
        [](Canvas &c) { person(c, 5, 3, pal::Blue); },
        [](Canvas &c) {
            person(c, 8, 1, pal::Green);
            person(c, 2, 6, pal::Blue);
        },
        [](Canvas &c) {
            person(c, 2, 3, pal::Blue);
            badgePlus(c, 14, 12);
        },
        [](Canvas &c) {
            person(c, 2, 3, pal::Blue);
            badgeMinus(c, 14, 12);
        },
        [](Canvas &c) { phone(c, 5, 4); },
        [](Canvas &c) {
            c.box(7, 1, 10, 19, pal::Black, pal::Grey);
            c.box(8, 3, 8, 7, pal::Black, pal::Teal);
            for (int y = 11; y <= 17; y += 2) {
                for (int x = 9; x <= 13; x += 2)
                    c.fill(x, y, 2, 1, pal::White);
            }
        },
        [](Canvas &c) {
            page(c, 6, 1, 11, 9);
            c.box(1, 8, 21, 11, pal::Black, pal::Grey);
            c.fill(5, 8, 13, 1, pal::Black);
            c.label(6, 11, "FAX", pal::White);
        },
        [](Canvas &c) { flag(c, 6, 2, pal::Red); },
        [](Canvas &c) {
            c.fill(9, 2, 5, 11, pal::Red);
            c.box(8, 1, 7, 13, pal::Maroon);
            c.box(8, 15, 7, 5, pal::Maroon, pal::Red);
        },
        [](Canvas &c) { arrow(c, 7, 1, Direction::Down, 18, pal::Blue); },
        [](Canvas &c) {
            openEnvelope(c, 1, 1, 17, 15);
            badgeCheck(c, 14, 13);
        },
        [](Canvas &c) {
            letter(c);
            c.ellipse(15, 1, 7, 7, pal::Navy, pal::Blue);
        },
        [](Canvas &c) { calendar(c, 4, 2, "31"); },
        [](Canvas &c) {
            calendar(c, 1, 1, "12");
            person(c, 9, 6, pal::Green);
        },
        [](Canvas &c) { clock(c, 3, 1, 18); },
        [](Canvas &c) {
            bell(c, 6, 4);
            c.line(3, 5, 4, 3, pal::Red);
            c.line(19, 5, 18, 3, pal::Red);
        },
        [](Canvas &c) {
            c.polygon({{3, 2}, {20, 2}, {20, 14}, {14, 19}, {3, 19}}, pal::Olive, pal::Yellow);
            c.polygon({{14, 19}, {14, 14}, {20, 14}}, pal::Olive, pal::White);
            for (int y = 5; y <= 11; y += 3)
                c.line(5, y, 17, y, pal::Olive);
        },
        [](Canvas &c) { globe(c, 3, 1, 18); },
        [](Canvas &c) {
            ring(c, 1, 3, 13, 9);
            ring(c, 8, 9, 13, 9);
            // Redraw a piece of the first link over the second: they interlock.
            c.fill(10, 11, 3, 1, pal::Black);
            c.fill(10, 10, 3, 1, pal::Grey);
            c.fill(10, 9, 3, 1, pal::Black);
        },
        [](Canvas &c) {
            c.ellipse(2, 1, 19, 19, pal::Navy, pal::None);
            c.ellipse(3, 2, 17, 17, pal::Navy, pal::None);
            c.fill(14, 12, 7, 5, pal::Silver);
            c.ellipse(7, 6, 8, 8, pal::Navy, pal::None);
            c.ellipse(8, 7, 6, 6, pal::Navy, pal::None);
            c.fill(14, 6, 2, 8, pal::Navy);
            c.fill(15, 13, 4, 2, pal::Navy);
            c.fill(18, 10, 2, 4, pal::Navy);
        },
        [](Canvas &c) {
            c.polygon({{4, 4}, {14, 4}, {18, 8}, {18, 15}, {4, 15}}, pal::Black, pal::Blue);
            c.line(6, 4, 6, 14, pal::Navy);
            c.fill(10, 15, 3, 5, pal::Maroon);
            c.fill(15, 2, 1, 6, pal::Black);
            c.fill(16, 2, 3, 2, pal::Red);
        },
        [](Canvas &c) {
            letter(c);
            c.box(15, 6, 5, 6, pal::Maroon, pal::Red);
        },
        [](Canvas &c) {
            c.box(1, 3, 21, 15, pal::Black, pal::White);
            c.box(3, 5, 8, 7, pal::Black, pal::Cyan);
            c.polygon({{4, 11}, {6, 8}, {9, 11}}, pal::Green, pal::Green);
            c.box(16, 5, 4, 5, pal::Maroon, pal::Red);
            c.line(13, 6, 13, 16, pal::Grey);
            c.line(15, 13, 19, 13, pal::Grey);
            c.line(15, 15, 19, 15, pal::Grey);
        },
        [](Canvas &c) {
            c.polygon({{2, 6}, {10, 2}, {20, 5}, {12, 9}}, pal::Black, pal::Yellow);
            c.polygon({{2, 6}, {12, 9}, {12, 19}, {2, 15}}, pal::Black, pal::Olive);
            c.polygon({{12, 9}, {20, 5}, {20, 15}, {12, 19}}, pal::Black, pal::Yellow);
            c.line(7, 4, 16, 7, pal::Maroon);
            c.line(16, 7, 16, 16, pal::Maroon);
        },
        [](Canvas &c) {
            c.polygon({{1, 5}, {8, 2}, {16, 4}, {9, 7}}, pal::Black, pal::Yellow);
            c.polygon({{1, 5}, {9, 7}, {9, 15}, {1, 12}}, pal::Black, pal::Olive);
            c.polygon({{9, 7}, {16, 4}, {16, 12}, {9, 15}}, pal::Black, pal::Yellow);
            badgeCheck(c, 14, 13);
        },
        [](Canvas &c) {
            c.box(2, 3, 19, 5, pal::Black, pal::Grey);
            c.box(3, 7, 17, 12, pal::Black, pal::White);
            c.box(8, 9, 7, 3, pal::Black, pal::Yellow);
        },
        [](Canvas &c) {
            speechBubble(c, 2, 2, 19, 13);
            c.line(5, 6, 17, 6, pal::Grey);
            c.line(5, 9, 14, 9, pal::Grey);
        },
        [](Canvas &c) {
            speechBubble(c, 1, 1, 14, 10);
            speechBubble(c, 8, 7, 13, 9, pal::Yellow);
        },
        [](Canvas &c) {
            c.box(2, 2, 19, 18, pal::Black, pal::White);
            c.fill(4, 4, 15, 3, pal::Black);
            c.box(4, 9, 7, 6, pal::Black, pal::Cyan);
            for (int y = 9; y <= 17; y += 2)
                c.line(13, y, 18, y, pal::Grey);
            c.line(4, 17, 10, 17, pal::Grey);
        },
        [](Canvas &c) {
            c.box(3, 2, 17, 17, pal::Maroon, pal::Red);
            c.box(6, 13, 3, 3, pal::None, pal::White);
            c.line(6, 9, 10, 9, pal::White);
            c.line(11, 10, 12, 12, pal::White);
            c.line(13, 13, 13, 15, pal::White);
            c.line(6, 5, 12, 5, pal::White);
            c.line(13, 6, 15, 8, pal::White);
            c.line(16, 9, 16, 15, pal::White);
        },
        [](Canvas &c) {
            c.line(11, 8, 7, 19, pal::Black);
            c.line(11, 8, 15, 19, pal::Black);
            c.line(9, 14, 13, 14, pal::Black);
            c.ellipse(9, 6, 5, 5, pal::Black, pal::Red);
            waves(c, 11, 8, 2);
            c.line(2, 4, 2, 12, pal::Navy);
            c.line(5, 5, 5, 11, pal::Navy);
        },
        [](Canvas &c) {
            c.ellipse(2, 3, 15, 15, pal::Black, pal::White);
            c.fill(2, 3, 7, 4, pal::Silver);
            c.line(9, 10, 17, 4, pal::Black);
            c.ellipse(16, 2, 4, 4, pal::Black, pal::Red);
            c.box(7, 16, 7, 3, pal::Black, pal::Grey);
        },
        [](Canvas &c) {
            c.polygon({{3, 8}, {8, 8}, {17, 3}, {17, 17}, {8, 12}, {3, 12}}, pal::Black, pal::Yellow);
            c.box(3, 8, 5, 5, pal::Black, pal::Grey);
            c.line(5, 12, 7, 18, pal::Black);
            c.line(19, 8, 20, 8, pal::Navy);
            c.line(19, 12, 20, 12, pal::Navy);
            c.line(19, 5, 20, 4, pal::Navy);
        },
        [](Canvas &c) {
            c.box(8, 1, 7, 11, pal::Black, pal::Grey);
            for (int y = 3; y <= 9; y += 2)
                c.line(9, y, 13, y, pal::White);
            c.line(5, 8, 5, 11, pal::Black);
            c.line(18, 8, 18, 11, pal::Black);
            c.line(6, 12, 9, 14, pal::Black);
            c.line(17, 12, 14, 14, pal::Black);
            c.line(11, 14, 11, 17, pal::Black);
            c.fill(7, 18, 9, 2, pal::Black);
        },
        [](Canvas &c) {
            c.box(4, 2, 15, 4, pal::Black);
            c.box(1, 8, 5, 7, pal::Black, pal::Navy);
            c.box(17, 8, 5, 7, pal::Black, pal::Navy);
            c.line(4, 5, 3, 8, pal::Black);
            c.line(18, 5, 19, 8, pal::Black);
            c.line(19, 15, 14, 18, pal::Black);
            c.ellipse(11, 17, 4, 3, pal::Black, pal::Red);
        },
        [](Canvas &c) {
            c.box(1, 6, 21, 13, pal::Black, pal::Grey);
            c.box(4, 4, 6, 3, pal::Black, pal::Grey);
            c.ellipse(7, 8, 10, 10, pal::Black, pal::Navy);
            c.ellipse(9, 10, 6, 6, pal::Blue, pal::Blue);
            c.dot(10, 11, pal::White);
            c.fill(17, 8, 3, 2, pal::Yellow);
        },
        [](Canvas &c) {
            c.box(1, 6, 15, 11, pal::Black, pal::Grey);
            c.polygon({{16, 9}, {21, 6}, {21, 16}, {16, 13}}, pal::Black, pal::Grey);
            c.ellipse(2, 1, 6, 6, pal::Black, pal::White);
            c.ellipse(8, 1, 6, 6, pal::Black, pal::White);
            c.ellipse(4, 8, 7, 7, pal::Black, pal::Navy);
            c.dot(3, 15, pal::Red);
        },
        [](Canvas &c) { key(c, 3, 7); },
        [](Canvas &c) { lock(c, 6, 4); },
        [](Canvas &c) { lock(c, 3, 5, true); },
        [](Canvas &c) {
            for (int x = 2; x <= 12; ++x)
                c.dot(x, 15 + ((x / 2) % 2 == 0 ? 0 : 1) - (x % 4 == 1 ? 1 : 0), pal::Blue);
            c.line(2, 19, 20, 19, pal::Black);
            pencil(c, 9, 2, pal::Navy);
        },
        [](Canvas &c) {
            c.box(1, 2, 21, 14, pal::Black, pal::White);
            c.line(4, 5, 18, 5, pal::Navy);
            c.line(4, 8, 12, 8, pal::Grey);
            c.line(4, 11, 10, 11, pal::Grey);
            c.polygon({{14, 15}, {15, 19}, {16, 17}, {17, 19}, {18, 15}}, pal::Maroon, pal::Red);
            c.ellipse(13, 9, 7, 7, pal::Maroon, pal::Yellow);
        },
        [](Canvas &c) {
            c.box(3, 1, 17, 19, pal::Black, pal::White);
            for (int i = 0; i < 3; ++i) {
                c.box(5, 3 + i * 6, 4, 4, pal::Black, pal::White);
                c.line(11, 5 + i * 6, 17, 5 + i * 6, pal::Grey);
            }
            badgeCheck(c, 4, 2);
            badgeCheck(c, 4, 8);
        },
        [](Canvas &c) {
            curvedArrow(c, 3, 1, true, pal::Lime, pal::Green);
            arrow(c, 4, 11, Direction::Left, 15, pal::Lime);
        },
        [](Canvas &c) {
            for (int i = 0; i < 5; ++i)
                c.box(2 + i * 4, 16 - i * 3, 3, 4 + i * 3, pal::Black, i < 4 ? pal::Lime : pal::Silver);
        },
        [](Canvas &c) { monitor(c, 4, 2); },
        [](Canvas &c) {
            c.box(1, 1, 9, 7, pal::Black, pal::Teal);
            c.box(13, 1, 9, 7, pal::Black, pal::Teal);
            c.box(7, 12, 9, 7, pal::Black, pal::Teal);
            c.line(5, 8, 5, 10, pal::Black);
            c.line(17, 8, 17, 10, pal::Black);
            c.line(5, 10, 17, 10, pal::Black);
            c.line(11, 10, 11, 11, pal::Black);
        },
        [](Canvas &c) { cloud(c, 3, 5, pal::Cyan); },
        [](Canvas &c) {
            arrow(c, 7, 1, Direction::Down, 13, pal::Lime);
            c.box(2, 15, 19, 5, pal::Black, pal::Grey);
            c.line(3, 16, 19, 16, pal::White);
        },
        [](Canvas &c) {
            arrow(c, 7, 1, Direction::Up, 13, pal::Blue);
            c.box(2, 15, 19, 5, pal::Black, pal::Grey);
            c.line(3, 16, 19, 16, pal::White);
        },
    };
}
