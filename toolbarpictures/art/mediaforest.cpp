// Sound and film (8800), forest, stand and map (8900).

#include "artwork.h"
#include "motifs.h"

using namespace motif;

namespace {

void play(Canvas &c, int x, int y, int h, bool right = true)
{
    if (right)
        c.polygon({{x, y}, {x + h / 2, y + h / 2}, {x, y + h - 1 - (h + 1) % 2}}, pal::Black, pal::Navy);
    else
        c.polygon({{x + h / 2, y}, {x, y + h / 2}, {x + h / 2, y + h - 1 - (h + 1) % 2}}, pal::Black,
                  pal::Navy);
}

void speaker(Canvas &c)
{
    c.box(2, 7, 5, 7, pal::Black, pal::Grey);
    c.polygon({{6, 7}, {11, 2}, {11, 18}, {6, 13}}, pal::Black, pal::Grey);
}

void stem(Canvas &c, int x, int y, int h)
{
    c.box(x, y, 3, h, pal::Black, pal::Maroon);
}

void dotPoint(Canvas &c, int x, int y, const QColor &colour)
{
    c.fill(x - 1, y, 3, 1, colour);
    c.fill(x, y - 1, 1, 3, colour);
}

void cross(Canvas &c, int x, int y, const QColor &colour)
{
    c.line(x - 2, y - 2, x + 2, y + 2, colour);
    c.line(x - 2, y + 2, x + 2, y - 2, colour);
}

void smallTree(Canvas &c, int x, int y)
{
    c.ellipse(x - 2, y - 2, 5, 5, pal::Green, pal::Lime);
}

void raindrops(Canvas &c, const QColor &colour, bool flakes)
{
    for (int i = 0; i < 4; ++i) {
        const int x = 4 + i * 4;
        const int y = 15 + (i % 2) * 2;
        if (flakes) {
            c.dot(x, y, colour);
            c.dot(x - 1, y, colour);
            c.dot(x + 1, y, colour);
            c.dot(x, y - 1, colour);
            c.dot(x, y + 1, colour);
        } else {
            c.line(x + 1, y - 1, x, y + 1, colour);
        }
    }
}

} // namespace

QList<Drawing> mediaPictures()
{
    return {
        [](Canvas &c) { play(c, 7, 3, 15); },
        [](Canvas &c) {
            c.box(6, 4, 4, 13, pal::Black, pal::Navy);
            c.box(13, 4, 4, 13, pal::Black, pal::Navy);
        },
        [](Canvas &c) { c.box(5, 4, 13, 13, pal::Black, pal::Navy); },
        [](Canvas &c) { c.ellipse(4, 3, 15, 15, pal::Maroon, pal::Red); },
        [](Canvas &c) {
            play(c, 3, 4, 13, false);
            play(c, 10, 4, 13, false);
        },
        [](Canvas &c) {
            play(c, 4, 4, 13);
            play(c, 11, 4, 13);
        },
        [](Canvas &c) {
            c.box(4, 4, 3, 13, pal::Black, pal::Navy);
            play(c, 8, 4, 13, false);
            play(c, 14, 4, 13, false);
        },
        [](Canvas &c) {
            play(c, 3, 4, 13);
            play(c, 9, 4, 13);
            c.box(16, 4, 3, 13, pal::Black, pal::Navy);
        },
        [](Canvas &c) {
            c.polygon({{11, 3}, {19, 11}, {3, 11}}, pal::Black, pal::Navy);
            c.box(3, 14, 17, 4, pal::Black, pal::Navy);
        },
        [](Canvas &c) {
            speaker(c);
            c.line(14, 7, 14, 13, pal::Navy);
            c.line(17, 5, 17, 15, pal::Navy);
            c.line(20, 3, 20, 17, pal::Navy);
        },
        [](Canvas &c) {
            speaker(c);
            c.line(14, 7, 20, 13, pal::Red);
            c.line(14, 13, 20, 7, pal::Red);
            c.line(15, 7, 21, 13, pal::Red);
            c.line(15, 13, 21, 7, pal::Red);
        },
        [](Canvas &c) {
            c.box(3, 5, 17, 11, pal::Navy);
            c.box(4, 6, 15, 9, pal::Navy);
            c.fill(12, 3, 5, 5, pal::Silver);
            c.polygon({{11, 2}, {15, 5}, {11, 8}}, pal::Navy, pal::Navy);
            c.fill(6, 13, 5, 5, pal::Silver);
            c.polygon({{11, 12}, {7, 15}, {11, 18}}, pal::Navy, pal::Navy);
        },
        [](Canvas &c) {
            c.ellipse(3, 13, 6, 5, pal::Black, pal::Black);
            c.ellipse(13, 11, 6, 5, pal::Black, pal::Black);
            c.fill(7, 4, 2, 12, pal::Black);
            c.fill(17, 2, 2, 12, pal::Black);
            c.polygon({{7, 4}, {18, 1}, {18, 4}, {7, 7}}, pal::Black, pal::Black);
        },
        [](Canvas &c) {
            c.box(5, 1, 13, 19, pal::Black, pal::Black);
            for (int y = 2; y <= 17; y += 3) {
                c.fill(6, y, 2, 2, pal::White);
                c.fill(15, y, 2, 2, pal::White);
            }
            c.box(8, 3, 7, 6, pal::Black, pal::Cyan);
            c.box(8, 11, 7, 6, pal::Black, pal::Yellow);
        },
        [](Canvas &c) {
            c.ellipse(2, 1, 19, 19, pal::Grey, pal::White);
            c.ellipse(4, 3, 15, 15, pal::Cyan, pal::Cyan);
            c.ellipse(6, 5, 11, 11, pal::Magenta, pal::Yellow);
            c.ellipse(8, 7, 7, 7, pal::Grey, pal::Silver);
            c.ellipse(10, 9, 3, 3, pal::Black, pal::Silver);
        },
        [](Canvas &c) {
            c.ellipse(3, 2, 17, 15, pal::Black);
            c.ellipse(4, 3, 15, 13, pal::Grey);
            c.fill(3, 10, 17, 9, pal::Silver);
            c.box(2, 10, 5, 9, pal::Black, pal::Navy);
            c.box(16, 10, 5, 9, pal::Black, pal::Navy);
        },
    };
}

QList<Drawing> forestPictures()
{
    return {
        [](Canvas &c) { deciduousTree(c, 3, 1, 17); },
        [](Canvas &c) { conifer(c, 3, 1, 19); },
        [](Canvas &c) {
            conifer(c, 2, 2, 14);
            conifer(c, 10, 6, 14);
            deciduousTree(c, 12, 1, 9);
        },
        [](Canvas &c) {
            c.box(5, 8, 13, 10, pal::Black, pal::Maroon);
            c.ellipse(5, 4, 13, 8, pal::Black, pal::Yellow);
            c.ellipse(8, 6, 7, 4, pal::Olive);
            c.dot(11, 7, pal::Olive);
            c.line(4, 18, 19, 18, pal::Black);
        },
        [](Canvas &c) {
            c.polygon({{3, 18}, {5, 9}, {11, 3}, {19, 2}, {18, 10}, {12, 16}}, pal::Green, pal::Lime);
            c.line(3, 18, 16, 5, pal::Green);
            c.line(9, 12, 9, 8, pal::Green);
            c.line(12, 9, 16, 9, pal::Green);
        },
        [](Canvas &c) {
            c.box(2, 7, 16, 9, pal::Black, pal::Maroon);
            c.line(3, 9, 16, 9, pal::Olive);
            c.line(3, 12, 16, 12, pal::Olive);
            c.ellipse(15, 6, 6, 11, pal::Black, pal::Yellow);
            c.ellipse(17, 9, 2, 5, pal::Olive);
        },
        [](Canvas &c) {
            c.polygon({{1, 4}, {7, 2}, {15, 4}, {21, 2}, {21, 17}, {15, 19}, {7, 17}, {1, 19}}, pal::Black,
                      pal::Lime);
            c.line(7, 2, 7, 17, pal::Green);
            c.line(15, 4, 15, 19, pal::Green);
            c.line(2, 12, 11, 8, pal::Blue);
            c.line(11, 8, 20, 11, pal::Blue);
            c.fill(9, 12, 4, 3, pal::Green);
            c.fill(16, 6, 3, 2, pal::Red);
        },
        [](Canvas &c) {
            c.ellipse(2, 1, 19, 19, pal::Black, pal::White);
            c.polygon({{11, 3}, {13, 10}, {9, 10}}, pal::Red, pal::Red);
            c.polygon({{9, 11}, {13, 11}, {11, 17}}, pal::Navy, pal::Navy);
            c.dot(11, 10, pal::Black);
        },
        [](Canvas &c) {
            c.polygon({{11, 19}, {5, 10}, {5, 5}, {8, 2}, {14, 2}, {17, 5}, {17, 10}}, pal::Maroon, pal::Red);
            c.ellipse(9, 5, 5, 5, pal::Maroon, pal::White);
        },
        [](Canvas &c) {
            c.ellipse(2, 3, 13, 13, pal::Black, pal::Yellow);
            c.ellipse(6, 7, 5, 5, pal::Black, pal::Grey);
            c.box(12, 12, 9, 4, pal::Black, pal::Yellow);
            for (int x = 14; x <= 19; x += 2)
                c.dot(x, 13, pal::Black);
        },
        [](Canvas &c) {
            c.polygon({{2, 15}, {15, 2}, {20, 7}, {7, 19}}, pal::Black, pal::Yellow);
            for (int i = 0; i < 6; ++i)
                c.line(5 + i * 2, 14 - i * 2, 6 + i * 2 + (i % 2), 15 - i * 2 + (i % 2), pal::Black);
        },
        [](Canvas &c) {
            c.box(2, 8, 19, 5, pal::Black, pal::White);
            c.fill(3, 9, 4, 3, pal::Black);
            c.fill(11, 9, 4, 3, pal::Black);
            c.label(2, 14, "0", pal::Black);
            c.label(9, 14, "50", pal::Black);
            c.line(2, 4, 2, 7, pal::Black);
            c.line(20, 4, 20, 7, pal::Black);
        },
        [](Canvas &c) {
            c.box(6, 1, 15, 15, pal::Grey, pal::White);
            for (int i = 1; i < 3; ++i) {
                c.line(6 + i * 5, 2, 6 + i * 5, 14, pal::Grey);
                c.line(7, 1 + i * 5, 19, 1 + i * 5, pal::Grey);
            }
            c.line(3, 16, 20, 16, pal::Black);
            c.line(3, 1, 3, 16, pal::Black);
            c.dot(13, 8, pal::Red);
            c.dot(14, 8, pal::Red);
            c.dot(13, 9, pal::Red);
            c.dot(14, 9, pal::Red);
        },
        [](Canvas &c) {
            c.ellipse(3, 1, 17, 17, pal::Red);
            c.ellipse(7, 5, 9, 9, pal::Red);
            c.line(11, 1, 11, 18, pal::Black);
            c.line(2, 9, 20, 9, pal::Black);
        },
        [](Canvas &c) {
            c.ellipse(2, 1, 19, 19, pal::Blue, pal::White);
            cross(c, 11, 10, pal::Red);
            smallTree(c, 6, 6);
            smallTree(c, 16, 13);
        },
        [](Canvas &c) {
            const QList<QPoint> trees = {{4, 4}, {18, 6}, {7, 16}, {17, 17}};
            for (int i = 0; i < 3; ++i)
                c.line(11, 10, trees[i].x(), trees[i].y(), pal::Blue);
            for (const QPoint &t : trees)
                smallTree(c, t.x(), t.y());
            cross(c, 11, 10, pal::Red);
        },
        [](Canvas &c) {
            c.polygon({{6, 2}, {16, 3}, {20, 10}, {15, 18}, {5, 17}, {2, 9}}, pal::Blue, pal::White);
            smallTree(c, 11, 10);
            dotPoint(c, 11, 10, pal::Black);
        },
        [](Canvas &c) {
            c.polygon({{11, 10}, {21, 14}, {11, 18}, {1, 14}}, pal::Black, pal::Blue);
            c.polygon({{11, 6}, {21, 10}, {11, 14}, {1, 10}}, pal::Black, pal::Lime);
            c.polygon({{11, 2}, {21, 6}, {11, 10}, {1, 6}}, pal::Black, pal::Yellow);
        },
        [](Canvas &c) {
            c.box(8, 7, 7, 7, pal::Black, pal::Grey);
            c.box(1, 8, 6, 5, pal::Black, pal::Blue);
            c.box(16, 8, 6, 5, pal::Black, pal::Blue);
            c.line(2, 10, 5, 10, pal::Cyan);
            c.line(17, 10, 20, 10, pal::Cyan);
            c.line(11, 3, 11, 6, pal::Black);
            c.ellipse(10, 1, 3, 3, pal::Red, pal::Red);
            c.line(6, 17, 9, 15, pal::Navy);
            c.line(14, 15, 17, 17, pal::Navy);
        },
        [](Canvas &c) { sun(c, 4, 3); },
        [](Canvas &c) {
            sun(c, 1, 1);
            cloud(c, 5, 8);
        },
        [](Canvas &c) {
            cloud(c, 3, 2, pal::Grey);
            raindrops(c, pal::Blue, false);
        },
        [](Canvas &c) {
            cloud(c, 3, 2);
            raindrops(c, pal::Blue, true);
        },
        [](Canvas &c) {
            c.line(2, 6, 14, 6, pal::Navy);
            c.line(14, 6, 16, 4, pal::Navy);
            c.line(16, 4, 14, 2, pal::Navy);
            c.line(2, 10, 18, 10, pal::Navy);
            c.line(18, 10, 20, 12, pal::Navy);
            c.line(20, 12, 18, 14, pal::Navy);
            c.line(4, 14, 12, 14, pal::Navy);
            c.line(12, 14, 14, 16, pal::Navy);
            c.line(14, 16, 12, 18, pal::Navy);
        },
        [](Canvas &c) {
            cloud(c, 3, 1, pal::Grey);
            c.polygon({{11, 10}, {14, 10}, {12, 13}, {15, 13}, {9, 19}, {10, 14}, {8, 14}}, pal::Black,
                      pal::Yellow);
        },
        [](Canvas &c) {
            c.polygon({{1, 18}, {8, 5}, {12, 11}, {15, 7}, {21, 18}}, pal::Black, pal::Grey);
            c.polygon({{6, 9}, {8, 5}, {10, 8}, {9, 9}, {8, 8}}, pal::Black, pal::White);
            c.polygon({{14, 9}, {15, 7}, {16, 9}}, pal::Black, pal::White);
        },
        [](Canvas &c) {
            for (int i = 0; i < 3; ++i) {
                for (int x = 2; x <= 20; ++x) {
                    const int y = 6 + i * 5 + ((x / 3) % 2 == 0 ? 0 : 1);
                    c.dot(x, y, pal::Blue);
                    c.dot(x, y + 1, pal::Cyan);
                }
            }
        },
        [](Canvas &c) {
            c.polygon({{11, 2}, {21, 10}, {1, 10}}, pal::Black, pal::Green);
            c.box(3, 10, 17, 9, pal::Black, pal::Maroon);
            for (int y = 12; y <= 16; y += 2)
                c.line(4, y, 18, y, pal::Olive);
            c.box(9, 13, 4, 6, pal::Black, pal::Yellow);
        },
        [](Canvas &c) {
            c.polygon({{5, 19}, {14, 6}, {16, 7}, {7, 19}}, pal::Black, pal::Maroon);
            c.polygon({{10, 4}, {16, 1}, {21, 5}, {19, 11}, {15, 8}, {12, 8}}, pal::Black, pal::Grey);
            c.line(19, 5, 20, 9, pal::White);
        },
        [](Canvas &c) {
            c.polygon({{1, 12}, {17, 4}, {19, 8}, {3, 16}}, pal::Black, pal::White);
            for (int i = 0; i < 7; ++i)
                c.dot(3 + i * 2, 16 - i, pal::Black);
            c.box(16, 2, 6, 8, pal::Black, pal::Maroon);
        },
        [](Canvas &c) {
            c.box(9, 1, 5, 14, pal::Black, pal::White);
            c.fill(10, 8, 3, 7, pal::Red);
            c.ellipse(7, 13, 9, 7, pal::Black, pal::Red);
            for (int y = 3; y <= 11; y += 2)
                c.line(14, y, 15, y, pal::Black);
        },
        [](Canvas &c) {
            c.box(2, 4, 8, 6, pal::Black, pal::Black);
            c.box(13, 4, 8, 6, pal::Black, pal::Black);
            c.ellipse(1, 9, 10, 10, pal::Black, pal::Navy);
            c.ellipse(12, 9, 10, 10, pal::Black, pal::Navy);
            c.fill(10, 6, 3, 6, pal::Grey);
            c.dot(4, 12, pal::Cyan);
            c.dot(15, 12, pal::Cyan);
        },
        [](Canvas &c) {
            c.text(8, 1, "N", pal::Black);
            c.polygon({{11, 9}, {16, 19}, {11, 16}, {6, 19}}, pal::Black, pal::Red);
            c.line(11, 10, 11, 16, pal::Maroon);
        },
        [](Canvas &c) {
            stem(c, 9, 1, 19);
            c.fill(6, 9, 11, 2, pal::Yellow);
            c.line(6, 8, 16, 8, pal::Black);
            c.line(6, 11, 16, 11, pal::Black);
            c.text(1, 3, "D", pal::Navy);
        },
        [](Canvas &c) {
            c.box(2, 3, 19, 4, pal::Black, pal::Grey);
            for (int x = 4; x <= 19; x += 2)
                c.dot(x, 4, pal::Black);
            c.box(3, 7, 3, 10, pal::Black, pal::Grey);
            c.box(15, 7, 3, 8, pal::Black, pal::Grey);
            c.ellipse(6, 9, 9, 7, pal::Black, pal::Maroon);
        },
        [](Canvas &c) {
            conifer(c, 1, 1, 19);
            thinArrow(c, 14, 1, Direction::Up, 19, pal::Navy);
            thinArrow(c, 14, 1, Direction::Down, 19, pal::Navy);
        },
        [](Canvas &c) {
            c.polygon({{2, 5}, {12, 2}, {20, 8}, {17, 18}, {5, 16}}, pal::Black, pal::Lime);
            for (int i = 0; i < 6; ++i)
                c.line(5 + i * 3, 15, 9 + i * 2, 5, pal::Green);
            c.box(6, 8, 11, 7, pal::Black, pal::White);
            c.label(7, 9, "HA", pal::Black);
        },
        [](Canvas &c) {
            smallTree(c, 4, 13);
            smallTree(c, 18, 13);
            c.line(4, 6, 4, 10, pal::Black);
            c.line(18, 6, 18, 10, pal::Black);
            thinArrow(c, 4, 6, Direction::Right, 15, pal::Navy);
            thinArrow(c, 4, 6, Direction::Left, 15, pal::Navy);
            c.label(8, 1, "M", pal::Black);
        },
        [](Canvas &c) {
            deciduousTree(c, 1, 1, 13);
            c.text(14, 11, "#", pal::Navy);
        },
        [](Canvas &c) {
            grid(c, 8, 7, 3, 3, 4, 4, pal::Green);
            deciduousTree(c, 1, 1, 10);
        },
        [](Canvas &c) {
            c.polygon({{1, 3}, {7, 1}, {13, 3}, {13, 16}, {7, 14}, {1, 16}}, pal::Black, pal::Lime);
            c.line(7, 1, 7, 14, pal::Green);
            magnifier(c, 9, 6, 8);
        },
        [](Canvas &c) {
            for (int i = 0; i < 5; ++i) {
                c.dot(3 + i * 3, 17 - i * 2, pal::Maroon);
                c.dot(4 + i * 3, 17 - i * 2, pal::Maroon);
            }
            flag(c, 11, 2, pal::Red);
        },
        [](Canvas &c) {
            c.ellipse(2, 1, 19, 19, pal::Navy, pal::Cyan);
            c.ellipse(7, 1, 9, 19, pal::Navy);
            c.line(11, 2, 11, 18, pal::Navy);
            c.line(3, 10, 19, 10, pal::Navy);
            c.line(4, 5, 18, 5, pal::Navy);
            c.line(4, 15, 18, 15, pal::Navy);
        },
    };
}
