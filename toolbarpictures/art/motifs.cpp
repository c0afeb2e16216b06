#include "motifs.h"

#include <QHash>
#include <QRect>

namespace motif {

namespace {

// Like Canvas::sprite, with some characters standing for colours chosen by
// the caller.
void pattern(Canvas &c, int x, int y, const QList<const char *> &rows, const QHash<char, QColor> &colours)
{
    for (qsizetype row = 0; row < rows.size(); ++row) {
        for (int column = 0; rows[row][column] != '\0'; ++column) {
            const char ch = rows[row][column];
            if (colours.contains(ch))
                c.dot(x + column, y + int(row), colours.value(ch));
            else if (ch != '.')
                c.sprite(x + column, y + int(row), {QByteArray(1, ch).constData()});
        }
    }
}

QPoint place(int x, int y, Direction direction, int length, int along, int across)
{
    switch (direction) {
    case Direction::Right:
        return {x + along, y + across};
    case Direction::Left:
        return {x + length - 1 - along, y + across};
    case Direction::Down:
        return {x + across, y + along};
    case Direction::Up:
        break;
    }
    return {x + across, y + length - 1 - along};
}

} // namespace

void page(Canvas &c, int x, int y, int w, int h, bool lines, const QColor &paper)
{
    c.polygon({{x, y}, {x + w - 5, y}, {x + w - 1, y + 4}, {x + w - 1, y + h - 1}, {x, y + h - 1}},
              pal::Black, paper);
    c.line(x + w - 5, y, x + w - 5, y + 4, pal::Black);
    c.line(x + w - 5, y + 4, x + w - 1, y + 4, pal::Black);
    c.line(x + w - 4, y + 1, x + w - 4, y + 3, pal::Silver);
    c.dot(x + w - 3, y + 2, pal::Silver);
    c.dot(x + w - 3, y + 3, pal::Silver);
    c.dot(x + w - 2, y + 3, pal::Silver);
    if (!lines)
        return;
    for (int row = y + 3, n = 0; row <= y + h - 4; row += 2, ++n) {
        const int right = row < y + 5 ? x + w - 7 : x + w - 3 - (n % 3 == 2 ? 3 : 0);
        c.line(x + 2, row, right, row, pal::Grey);
    }
}

void folder(Canvas &c, int x, int y, int w, int h, bool open)
{
    c.box(x, y, 7, 3, pal::Black, pal::Yellow);
    c.box(x, y + 2, w, h - 2, pal::Black, pal::Yellow);
    c.line(x + 1, y + 3, x + w - 2, y + 3, pal::White);
    if (open) {
        c.fill(x + 1, y + 3, w - 2, h - 4, pal::Olive);
        c.polygon({{x + 3, y + 5}, {x + w + 1, y + 5}, {x + w - 2, y + h - 1}, {x, y + h - 1}}, pal::Black,
                  pal::Yellow);
        c.line(x + 4, y + 6, x + w, y + 6, pal::White);
    } else {
        c.line(x + w - 2, y + 3, x + w - 2, y + h - 2, pal::Olive);
        c.line(x + 1, y + h - 2, x + w - 2, y + h - 2, pal::Olive);
    }
}

void envelope(Canvas &c, int x, int y, int w, int h, const QColor &paper)
{
    c.box(x, y, w, h, pal::Black, paper);
    const int midX = x + (w - 1) / 2;
    const int midY = y + h / 2;
    c.line(x + 1, y + 1, midX, midY, pal::Grey);
    c.line(x + w - 2, y + 1, x + w - 1 - (midX - x), midY, pal::Grey);
    c.line(x + 1, y + h - 2, midX - 2, midY + 1, pal::Silver);
    c.line(x + w - 2, y + h - 2, x + w + 1 - (midX - x), midY + 1, pal::Silver);
}

void openEnvelope(Canvas &c, int x, int y, int w, int h)
{
    const int midX = x + (w - 1) / 2;
    const int flap = w / 2;
    c.polygon({{x, y + flap}, {midX, y}, {x + w - 1, y + flap}}, pal::Black, pal::Yellow);
    c.box(x + 2, y + 3, w - 4, flap + 1, pal::Grey, pal::White);
    c.line(x + 4, y + 6, x + w - 5, y + 6, pal::Grey);
    c.line(x + 4, y + 8, x + w - 7, y + 8, pal::Grey);
    c.box(x, y + flap, w, h - flap, pal::Black, pal::White);
    c.line(x + 1, y + flap + 1, midX, y + flap + (h - flap) / 2, pal::Grey);
    c.line(x + w - 2, y + flap + 1, x + w - 1 - (midX - x), y + flap + (h - flap) / 2, pal::Grey);
}

void floppy(Canvas &c, int x, int y, const QColor &body)
{
    c.polygon({{x, y}, {x + 13, y}, {x + 14, y + 1}, {x + 14, y + 14}, {x, y + 14}}, pal::Black, body);
    c.box(x + 3, y, 8, 5, pal::Black, pal::Silver);
    c.fill(x + 8, y + 1, 2, 3, body);
    c.box(x + 2, y + 7, 11, 7, pal::Black, pal::White);
    c.line(x + 4, y + 9, x + 10, y + 9, pal::Grey);
    c.line(x + 4, y + 11, x + 10, y + 11, pal::Grey);
}

void printer(Canvas &c, int x, int y)
{
    c.box(x + 4, y, 9, 6, pal::Black, pal::White);
    c.line(x + 6, y + 2, x + 10, y + 2, pal::Grey);
    c.box(x, y + 5, 17, 7, pal::Black, pal::Grey);
    c.line(x + 1, y + 6, x + 15, y + 6, pal::White);
    c.dot(x + 14, y + 8, pal::Lime);
    c.box(x + 3, y + 9, 11, 5, pal::Black, pal::White);
    c.line(x + 5, y + 11, x + 11, y + 11, pal::Grey);
}

void magnifier(Canvas &c, int x, int y, int lens)
{
    c.line(x + lens - 2, y + lens - 1, x + lens + 3, y + lens + 4, pal::Maroon);
    c.line(x + lens - 1, y + lens - 2, x + lens + 4, y + lens + 3, pal::Maroon);
    c.line(x + lens - 1, y + lens - 1, x + lens + 4, y + lens + 4, pal::Black);
    c.ellipse(x, y, lens, lens, pal::Black, pal::Cyan);
    c.dot(x + 2, y + 3, pal::White);
    c.dot(x + 3, y + 2, pal::White);
    c.dot(x + 2, y + 4, pal::White);
}

void arrow(Canvas &c, int x, int y, Direction direction, int length, const QColor &colour)
{
    const int head = 5;
    const QList<QPoint> local = {{0, 2},          {length - head, 2}, {length - head, 0},
                                 {length - 1, 4}, {length - head, 8}, {length - head, 6},
                                 {0, 6}};
    QList<QPoint> corners;
    for (const QPoint &p : local)
        corners.append(place(x, y, direction, length, p.x(), p.y()));
    c.polygon(corners, pal::Black, colour);
}

void thinArrow(Canvas &c, int x, int y, Direction direction, int length, const QColor &colour)
{
    auto at = [&](int along, int across) {
        return place(x, y, direction, length, along, across);
    };
    const QPoint from = at(0, 2);
    const QPoint to = at(length - 1, 2);
    c.line(from.x(), from.y(), to.x(), to.y(), colour);
    for (int i = 1; i <= 2; ++i) {
        const QPoint a = at(length - 1 - i, 2 - i);
        const QPoint b = at(length - 1 - i, 2 + i);
        c.line(a.x(), a.y(), b.x(), b.y(), colour);
    }
}

void curvedArrow(Canvas &c, int x, int y, bool towardsRight, const QColor &fill, const QColor &outline)
{
    static const QList<const char *> rows = {
        "...o..........",  //
        "..oo..........",  //
        ".offooooooo...",  //
        "offfffffffffo.",  //
        ".offooooooffffo", //
        "..oo.......offo", //
        "...o........ofo", //
        "............ofo", //
        "...........offo", //
        "..........offo.", //
        "..........ooo..",
    };
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const int width = int(qstrlen(rows[row]));
        for (int column = 0; column < width; ++column) {
            const char ch = rows[row][column];
            if (ch == '.')
                continue;
            const int px = towardsRight ? x + 14 - column : x + column;
            c.dot(px, y + int(row), ch == 'f' ? fill : outline);
        }
    }
}

void book(Canvas &c, int x, int y, int w, int h, const QColor &cover)
{
    c.box(x, y, w, h, pal::Black, cover);
    c.line(x + 2, y + 1, x + 2, y + h - 2, pal::Black);
    c.line(x + 3, y + h - 2, x + w - 2, y + h - 2, pal::White);
    c.fill(x + 4, y + 3, w - 6, 2, pal::Yellow);
}

void openBook(Canvas &c, int x, int y)
{
    c.polygon({{x, y + 2}, {x + 8, y}, {x + 16, y + 2}, {x + 16, y + 12}, {x + 8, y + 11}, {x, y + 12}},
              pal::Black, pal::White);
    c.line(x + 8, y, x + 8, y + 11, pal::Black);
    for (int row = 0; row < 4; ++row) {
        c.line(x + 2, y + 4 + row * 2, x + 6, y + 3 + row * 2, pal::Grey);
        c.line(x + 10, y + 3 + row * 2, x + 14, y + 4 + row * 2, pal::Grey);
    }
    c.line(x, y + 13, x + 16, y + 13, pal::Navy);
}

void coin(Canvas &c, int x, int y, int size)
{
    c.ellipse(x, y, size, size, pal::Olive, pal::Yellow);
    c.ellipse(x + 2, y + 2, size - 4, size - 4, pal::Olive, pal::Yellow);
    c.dot(x + 2, y + 3, pal::White);
}

void person(Canvas &c, int x, int y, const QColor &shirt)
{
    c.ellipse(x + 3, y, 7, 7, pal::Black, pal::Yellow);
    c.polygon({{x + 1, y + 8}, {x + 11, y + 8}, {x + 12, y + 9}, {x + 12, y + 13}, {x, y + 13}, {x, y + 9}},
              pal::Black, shirt);
}

void window(Canvas &c, int x, int y, int w, int h, const QColor &title)
{
    c.box(x, y, w, h, pal::Black, pal::White);
    c.fill(x + 1, y + 1, w - 2, 3, title);
    c.fill(x + w - 4, y + 2, 2, 1, pal::White);
}

void grid(Canvas &c, int x, int y, int columns, int rows, int cellW, int cellH, const QColor &header)
{
    const int w = columns * cellW + 1;
    const int h = rows * cellH + 1;
    c.box(x, y, w, h, pal::Black, pal::White);
    if (header.isValid())
        c.fill(x + 1, y + 1, w - 2, cellH - 1, header);
    for (int i = 1; i < columns; ++i)
        c.line(x + i * cellW, y + 1, x + i * cellW, y + h - 2, pal::Grey);
    for (int i = 1; i < rows; ++i)
        c.line(x + 1, y + i * cellH, x + w - 2, y + i * cellH, pal::Grey);
}

void gear(Canvas &c, int x, int y, const QColor &colour)
{
    const QList<QRect> teeth = {{7, 0, 3, 4}, {7, 13, 3, 4}, {0, 7, 4, 3},  {13, 7, 4, 3},
                                {2, 2, 4, 4}, {11, 2, 4, 4}, {2, 11, 4, 4}, {11, 11, 4, 4}};
    for (const QRect &tooth : teeth)
        c.box(x + tooth.x(), y + tooth.y(), tooth.width(), tooth.height(), pal::Black, colour);
    c.ellipse(x + 2, y + 2, 13, 13, pal::Black, colour);
    c.ellipse(x + 4, y + 4, 9, 9, colour, colour);
    c.ellipse(x + 6, y + 6, 5, 5, pal::Black, pal::Silver);
}

void clock(Canvas &c, int x, int y, int size)
{
    c.ellipse(x, y, size, size, pal::Black, pal::White);
    const int mid = size / 2;
    c.dot(x + mid, y + 1, pal::Grey);
    c.dot(x + mid, y + size - 2, pal::Grey);
    c.dot(x + 1, y + mid, pal::Grey);
    c.dot(x + size - 2, y + mid, pal::Grey);
    c.line(x + mid, y + 3, x + mid, y + mid, pal::Black);
    c.line(x + mid, y + mid, x + size - 4, y + mid, pal::Red);
}

void pencil(Canvas &c, int x, int y, const QColor &body)
{
    c.polygon({{x + 1, y + 8}, {x + 9, y}, {x + 12, y + 3}, {x + 4, y + 11}}, pal::Black, body);
    c.line(x + 2, y + 8, x + 9, y + 1, pal::White);
    c.polygon({{x + 8, y + 1}, {x + 9, y}, {x + 12, y + 3}, {x + 11, y + 4}}, pal::Black, pal::Magenta);
    c.polygon({{x, y + 12}, {x + 1, y + 8}, {x + 4, y + 11}}, pal::Black, pal::White);
    c.dot(x, y + 12, pal::Black);
    c.dot(x + 1, y + 11, pal::Black);
}

void lock(Canvas &c, int x, int y, bool open)
{
    const int shift = open ? -4 : 0;
    c.box(x + 2 + (open ? 5 : 0), y + shift, 7, 8, pal::Black, pal::None);
    c.box(x + 3 + (open ? 5 : 0), y + 1 + shift, 5, 7, pal::Grey, pal::None);
    c.fill(x + 3 + (open ? 5 : 0), y + 2 + shift, 5, 6, pal::Silver);
    c.box(x, y + 6, 11, 9, pal::Black, pal::Yellow);
    c.line(x + 1, y + 7, x + 9, y + 7, pal::White);
    c.fill(x + 5, y + 9, 1, 4, pal::Black);
    c.fill(x + 4, y + 9, 3, 2, pal::Black);
}

void key(Canvas &c, int x, int y)
{
    c.ellipse(x, y, 7, 7, pal::Black, pal::Yellow);
    c.fill(x + 3, y + 3, 1, 1, pal::Black);
    c.fill(x + 6, y + 3, 10, 1, pal::Black);
    c.fill(x + 6, y + 2, 9, 1, pal::Olive);
    c.fill(x + 12, y + 4, 1, 3, pal::Black);
    c.fill(x + 14, y + 4, 1, 2, pal::Black);
}

void globe(Canvas &c, int x, int y, int size)
{
    c.ellipse(x, y, size, size, pal::Navy, pal::Blue);
    const double k = size / 15.0;
    auto land = [&](int lx, int ly, int w, int h) {
        c.fill(x + int(lx * k), y + int(ly * k), std::max(1, int(w * k)), std::max(1, int(h * k)),
               pal::Green);
    };
    land(3, 3, 4, 2);
    land(2, 5, 5, 3);
    land(4, 8, 3, 3);
    land(9, 2, 3, 2);
    land(9, 4, 4, 4);
    land(10, 8, 2, 3);
    c.dot(x + size / 3, y + 2, pal::Cyan);
    c.dot(x + size / 3 - 1, y + 3, pal::Cyan);
}

void calendar(Canvas &c, int x, int y, const QString &day)
{
    c.box(x, y + 1, 15, 15, pal::Black, pal::White);
    c.fill(x + 1, y + 2, 13, 3, pal::Red);
    c.fill(x + 3, y, 1, 3, pal::Black);
    c.fill(x + 11, y, 1, 3, pal::Black);
    c.label(x + (15 - int(day.size()) * 4 + 1) / 2, y + 7, day, pal::Black);
}

void barChart(Canvas &c, int x, int y, const QList<int> &heights, const QList<QColor> &colours)
{
    int tallest = 0;
    for (int h : heights)
        tallest = std::max(tallest, h);
    for (qsizetype i = 0; i < heights.size(); ++i)
        c.box(x + 2 + int(i) * 4, y + tallest - heights[i], 4, heights[i] + 1, pal::Black,
              colours[i % colours.size()]);
    c.line(x, y, x, y + tallest, pal::Black);
    c.line(x, y + tallest, x + 3 + int(heights.size()) * 4, y + tallest, pal::Black);
}

void deciduousTree(Canvas &c, int x, int y, int size, const QColor &crown)
{
    const int trunkX = x + size / 2 - 1;
    c.box(trunkX, y + size - 5, 3, 6, pal::Black, pal::Maroon);
    c.ellipse(x, y, size, size - 3, pal::Green, crown);
    if (size >= 9) {
        c.dot(x + size / 3, y + size / 3, pal::Green);
        c.dot(x + 2 * size / 3, y + size / 2, pal::Green);
        c.dot(x + size / 2, y + 2 * size / 3, pal::Green);
    }
}

void conifer(Canvas &c, int x, int y, int height)
{
    // Overlapping tiers, each wider than the one above, down to the trunk.
    const int tiers = height >= 14 ? 3 : 2;
    const int canopy = height - 3;
    const int widest = height / 3;
    const int mid = x + widest;
    c.box(mid - 1, y + height - 4, 3, 4, pal::Black, pal::Maroon);
    for (int i = 0; i < tiers; ++i) {
        const int top = y + i * canopy / (tiers + 1);
        const int bottom = i == tiers - 1 ? y + canopy : top + 2 * canopy / (tiers + 1);
        const int half = widest * (i + 2) / (tiers + 1);
        c.polygon({{mid, top}, {mid + half, bottom}, {mid - half, bottom}}, pal::Black, pal::Green);
    }
}

void star(Canvas &c, int x, int y, const QColor &fill)
{
    c.polygon({{x + 5, y},
               {x + 6, y + 3},
               {x + 10, y + 4},
               {x + 7, y + 6},
               {x + 8, y + 10},
               {x + 5, y + 8},
               {x + 2, y + 10},
               {x + 3, y + 6},
               {x, y + 4},
               {x + 4, y + 3}},
              pal::Olive, fill);
}

void bell(Canvas &c, int x, int y)
{
    pattern(c, x, y,
            {"....kk....", "...kyyk...", "..kyywyk..", "..kywyyk..", "..kywyyk..", ".kyywyyyk.", ".kywyyyyk.",
             "kyyyyyyyyk", "kkkkkkkkkk", "....kk....", "....kk...."},
            {});
}

void monitor(Canvas &c, int x, int y, const QColor &screen)
{
    c.box(x, y, 16, 12, pal::Black, pal::Grey);
    c.box(x + 2, y + 2, 12, 8, pal::Black, screen);
    c.dot(x + 3, y + 3, pal::White);
    c.fill(x + 6, y + 12, 4, 1, pal::Black);
    c.box(x + 3, y + 13, 10, 2, pal::Black, pal::Grey);
}

void phone(Canvas &c, int x, int y)
{
    pattern(c, x, y,
            {"..kkkkkkkkk..", ".krrrrrrrrrk.", "krrkkkkkkkrrk", "krk.......krk", "kkk.kkkkk.kkk",
             "...krwkwrk...", "..krrrrrrrk..", "..krwkwkwrk..", ".krrrrrrrrrk.", ".krwkwkwkwrk.",
             ".krrrrrrrrrk.", ".kkkkkkkkkkk."},
            {});
}

void speechBubble(Canvas &c, int x, int y, int w, int h, const QColor &fill)
{
    c.polygon({{x + 2, y},
               {x + w - 3, y},
               {x + w - 1, y + 2},
               {x + w - 1, y + h - 3},
               {x + w - 3, y + h - 1},
               {x + 6, y + h - 1},
               {x + 2, y + h + 2},
               {x + 3, y + h - 1},
               {x + 2, y + h - 1},
               {x, y + h - 3},
               {x, y + 2}},
              pal::Black, fill);
}

void flag(Canvas &c, int x, int y, const QColor &cloth)
{
    c.fill(x, y, 1, 16, pal::Black);
    c.polygon({{x + 1, y}, {x + 5, y + 1}, {x + 10, y}, {x + 10, y + 7}, {x + 5, y + 8}, {x + 1, y + 7}},
              pal::Black, cloth);
}

void pin(Canvas &c, int x, int y, const QColor &head)
{
    c.line(x + 3, y + 7, x + 3, y + 12, pal::Black);
    c.ellipse(x, y, 7, 7, pal::Black, head);
    c.dot(x + 2, y + 2, pal::White);
}

void trash(Canvas &c, int x, int y)
{
    c.box(x + 4, y, 5, 2, pal::Black, pal::Grey);
    c.box(x, y + 1, 13, 3, pal::Black, pal::Grey);
    c.polygon({{x + 1, y + 4}, {x + 11, y + 4}, {x + 10, y + 15}, {x + 2, y + 15}}, pal::Black, pal::White);
    for (int i = 0; i < 3; ++i)
        c.line(x + 4 + i * 2, y + 6, x + 4 + i * 2, y + 13, pal::Grey);
}

void paperclip(Canvas &c, int x, int y)
{
    pattern(c, x, y,
            {".kkk..", "k...k.", "k.k.k.", "k.k.k.", "k.k.k.", "k.k.k.", "k.k.k.", "k.k.k.", "k...k.",
             ".k..k.", "..kk.."},
            {});
}

void cloud(Canvas &c, int x, int y, const QColor &fill)
{
    c.ellipse(x, y + 3, 8, 7, pal::Black, pal::Black);
    c.ellipse(x + 4, y, 9, 9, pal::Black, pal::Black);
    c.ellipse(x + 9, y + 3, 8, 7, pal::Black, pal::Black);
    c.ellipse(x + 1, y + 4, 6, 5, fill, fill);
    c.ellipse(x + 5, y + 1, 7, 7, fill, fill);
    c.ellipse(x + 10, y + 4, 6, 5, fill, fill);
    c.fill(x + 3, y + 6, 11, 3, fill);
}

void sun(Canvas &c, int x, int y)
{
    c.line(x + 7, y, x + 7, y + 14, pal::Red);
    c.line(x, y + 7, x + 14, y + 7, pal::Red);
    c.line(x + 2, y + 2, x + 12, y + 12, pal::Red);
    c.line(x + 12, y + 2, x + 2, y + 12, pal::Red);
    c.ellipse(x + 3, y + 3, 9, 9, pal::Red, pal::Yellow);
}

void brush(Canvas &c, int x, int y, const QColor &paint)
{
    c.polygon({{x + 7, y + 4}, {x + 11, y}, {x + 13, y + 2}, {x + 9, y + 6}}, pal::Black, pal::Maroon);
    c.polygon({{x + 5, y + 6}, {x + 7, y + 4}, {x + 9, y + 6}, {x + 7, y + 8}}, pal::Black, pal::Grey);
    c.polygon({{x, y + 12}, {x + 1, y + 9}, {x + 5, y + 6}, {x + 7, y + 8}, {x + 4, y + 11}}, pal::Black,
              paint);
}

void bucket(Canvas &c, int x, int y, const QColor &paint)
{
    c.polygon({{x + 2, y + 6}, {x + 8, y}, {x + 14, y + 6}, {x + 8, y + 12}}, pal::Black, pal::White);
    c.line(x + 5, y + 3, x + 11, y + 9, pal::Grey);
    c.polygon({{x + 1, y + 7}, {x + 3, y + 5}, {x + 3, y + 11}, {x + 1, y + 12}}, pal::Black, paint);
    c.dot(x + 2, y + 13, paint);
    c.dot(x + 2, y + 14, paint);
}

void scissors(Canvas &c, int x, int y)
{
    pattern(c, x, y,
            {"k........k", "kk......kk", ".kd....dk.", ".kk....kk.", "..kd..dk..", "..kk..kk..", "...kddk...",
             "....kk....", "...r..r...", "..rr..rr..", ".rr.rr.rr.", "r..r..r..r", "r..r..r..r",
             ".rr....rr."},
            {});
}

void clipboard(Canvas &c, int x, int y)
{
    c.box(x, y + 1, 13, 16, pal::Black, pal::Maroon);
    c.box(x + 2, y + 3, 9, 13, pal::Black, pal::White);
    c.box(x + 4, y, 5, 3, pal::Black, pal::Grey);
    for (int row = y + 6; row <= y + 13; row += 2)
        c.line(x + 4, row, x + 8, row, pal::Grey);
}

void badgePlus(Canvas &c, int x, int y)
{
    pattern(c, x, y, {"..kkk..", "..kgk..", "kkkgkkk", "kgggggk", "kkkgkkk", "..kgk..", "..kkk.."},
            {{'g', pal::Lime}});
}

void badgeMinus(Canvas &c, int x, int y)
{
    c.box(x, y + 2, 7, 3, pal::Black, pal::Red);
}

void badgeCross(Canvas &c, int x, int y)
{
    pattern(c, x, y, {"rr...rr", "rrr.rrr", ".rrrrr.", "..rrr..", ".rrrrr.", "rrr.rrr", "rr...rr"}, {});
}

void badgeCheck(Canvas &c, int x, int y)
{
    pattern(c, x, y, {"......g", ".....gg", "g...gg.", "gg.gg..", ".ggg...", "..g...."}, {});
}

void badgeStar(Canvas &c, int x, int y)
{
    pattern(c, x, y, {"...o...", "..oyo..", "ooyyyoo", ".oyyyo.", ".oyoyo.", "oo...oo"}, {});
}

void badgeArrow(Canvas &c, Direction direction, int x, int y, const QColor &colour)
{
    arrow(c, x - 1, y - 1, direction, 9, colour);
}

void badgeQuestion(Canvas &c, int x, int y)
{
    c.ellipse(x, y, 8, 8, pal::Navy, pal::Blue);
    pattern(c, x + 2, y + 1, {".ww.", "w..w", "..w.", ".w..", "....", ".w.."}, {});
}

void badgeExclamation(Canvas &c, int x, int y)
{
    c.polygon({{x + 4, y}, {x + 8, y + 7}, {x, y + 7}}, pal::Black, pal::Yellow);
    c.line(x + 4, y + 2, x + 4, y + 4, pal::Black);
    c.dot(x + 4, y + 6, pal::Black);
}

void badgeLock(Canvas &c, int x, int y)
{
    c.box(x + 1, y, 5, 4, pal::Black, pal::None);
    c.fill(x + 2, y + 1, 3, 2, pal::Silver);
    c.box(x, y + 3, 7, 5, pal::Black, pal::Yellow);
    c.dot(x + 3, y + 5, pal::Black);
}

void badgeClock(Canvas &c, int x, int y)
{
    c.ellipse(x, y, 8, 8, pal::Black, pal::White);
    c.line(x + 4, y + 2, x + 4, y + 4, pal::Black);
    c.line(x + 4, y + 4, x + 6, y + 4, pal::Black);
}

void badgePencil(Canvas &c, int x, int y)
{
    pattern(c, x, y,
            {"......kk", ".....kMk", "....kyk.", "...kyk..", "..kyk...", ".kwk....", "kkk.....", "k......."},
            {});
}

void badgeGear(Canvas &c, int x, int y)
{
    pattern(c, x, y, {"..k.k..", ".kdkdk.", "kdd.ddk", ".d...d.", "kdd.ddk", ".kdkdk.", "..k.k.."}, {});
}

} // namespace motif
