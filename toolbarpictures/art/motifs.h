#pragma once

#include "canvas.h"

// Small recurring symbols the pictures are built from. x and y are the top
// left corner; sizes are whole pixels.
namespace motif {

enum class Direction
{
    Left,
    Right,
    Up,
    Down
};

void page(Canvas &c, int x, int y, int w, int h, bool lines = true, const QColor &paper = pal::White);
void folder(Canvas &c, int x, int y, int w, int h, bool open = false);
void envelope(Canvas &c, int x, int y, int w, int h, const QColor &paper = pal::White);
void openEnvelope(Canvas &c, int x, int y, int w, int h);
void floppy(Canvas &c, int x, int y, const QColor &body = pal::Navy);
void printer(Canvas &c, int x, int y);
void magnifier(Canvas &c, int x, int y, int lens = 9);
void arrow(Canvas &c, int x, int y, Direction direction, int length, const QColor &colour);
void thinArrow(Canvas &c, int x, int y, Direction direction, int length, const QColor &colour);
void curvedArrow(Canvas &c, int x, int y, bool towardsRight, const QColor &fill, const QColor &outline);
void book(Canvas &c, int x, int y, int w, int h, const QColor &cover);
void openBook(Canvas &c, int x, int y);
void coin(Canvas &c, int x, int y, int size = 9);
void person(Canvas &c, int x, int y, const QColor &shirt);
void window(Canvas &c, int x, int y, int w, int h, const QColor &title = pal::Navy);
void grid(Canvas &c, int x, int y, int columns, int rows, int cellW, int cellH,
          const QColor &header = pal::None);
void gear(Canvas &c, int x, int y, const QColor &colour = pal::Grey);
void clock(Canvas &c, int x, int y, int size = 13);
void pencil(Canvas &c, int x, int y, const QColor &body = pal::Yellow);
void lock(Canvas &c, int x, int y, bool open = false);
void key(Canvas &c, int x, int y);
void globe(Canvas &c, int x, int y, int size = 15);
void calendar(Canvas &c, int x, int y, const QString &day);
void barChart(Canvas &c, int x, int y, const QList<int> &heights, const QList<QColor> &colours);
void deciduousTree(Canvas &c, int x, int y, int size, const QColor &crown = pal::Green);
void conifer(Canvas &c, int x, int y, int height);
void star(Canvas &c, int x, int y, const QColor &fill = pal::Yellow);
void bell(Canvas &c, int x, int y);
void monitor(Canvas &c, int x, int y, const QColor &screen = pal::Teal);
void phone(Canvas &c, int x, int y);
void speechBubble(Canvas &c, int x, int y, int w, int h, const QColor &fill = pal::White);
void flag(Canvas &c, int x, int y, const QColor &cloth);
void pin(Canvas &c, int x, int y, const QColor &head = pal::Red);
void trash(Canvas &c, int x, int y);
void paperclip(Canvas &c, int x, int y);
void cloud(Canvas &c, int x, int y, const QColor &fill = pal::White);
void sun(Canvas &c, int x, int y);
void brush(Canvas &c, int x, int y, const QColor &paint);
void bucket(Canvas &c, int x, int y, const QColor &paint);
void scissors(Canvas &c, int x, int y);
void clipboard(Canvas &c, int x, int y);

// Badges: a 7 × 7 sign laid over the lower right of a picture.
void badgePlus(Canvas &c, int x = 14, int y = 12);
void badgeMinus(Canvas &c, int x = 14, int y = 12);
void badgeCross(Canvas &c, int x = 14, int y = 12);
void badgeCheck(Canvas &c, int x = 14, int y = 12);
void badgeStar(Canvas &c, int x = 14, int y = 12);
void badgeArrow(Canvas &c, Direction direction, int x = 14, int y = 12, const QColor &colour = pal::Green);
void badgeQuestion(Canvas &c, int x = 14, int y = 12);
void badgeExclamation(Canvas &c, int x = 14, int y = 12);
void badgeLock(Canvas &c, int x = 14, int y = 12);
void badgeClock(Canvas &c, int x = 14, int y = 12);
void badgePencil(Canvas &c, int x = 13, int y = 11);
void badgeGear(Canvas &c, int x = 14, int y = 12);

} // namespace motif
