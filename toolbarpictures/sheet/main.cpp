// Draws every picture of the collection on one contact sheet, each with its
// number under it, a new row for every group of numbers.
//
//   glyphbin-sheet OUT.png

#include "pictureresource.h"
#include "tamimgcollection.h"

#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QList>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <exception>

namespace {

const int scale = 2;
const int columns = 16;
const int cellWidth = 24 * scale + 10;
const int cellHeight = 44 * scale + 16;
const int margin = 8;

// Numbers are drawn with a built-in 3 × 5 face: the sheet must come out the
// same on a machine without any fonts.
const char *const digitRows[10][5] = {
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"}, {"###", "..#", "###", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", "..#", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "###"}};

void drawNumber(QPainter &painter, int centreX, int top, qint32 number)
{
    const QString digits = QString::number(number);
    const int width = int(digits.size()) * 4 * scale - scale;
    int x = centreX - width / 2;
    for (QChar ch : digits) {
        if (ch.isDigit()) {
            const int digit = ch.digitValue();
            for (int row = 0; row < 5; ++row) {
                for (int column = 0; column < 3; ++column) {
                    if (digitRows[digit][row][column] == '#')
                        painter.fillRect(x + column * scale, top + row * scale, scale, scale, Qt::black);
                }
            }
        }
        x += 4 * scale;
    }
}

// Row and column of every picture: each run of consecutive numbers starts a
// new row.
QList<QPoint> layout(const QList<qint32> &ids, int *rows)
{
    QList<QPoint> cells;
    int row = -1;
    int column = columns;
    qint64 previous = -2;
    for (qint32 id : ids) {
        if (id != previous + 1 || column == columns) {
            ++row;
            column = 0;
        }
        previous = id;
        cells.append({column++, row});
    }
    *rows = row + 1;
    return cells;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: glyphbin-sheet OUT.png\n");
        return 2;
    }
    const QString outPath = QString::fromLocal8Bit(argv[1]);

    const QList<qint32> ids = glyphbinPictureIds();
    int rows = 0;
    const QList<QPoint> cells = layout(ids, &rows);

    QImage sheet(2 * margin + columns * cellWidth, 2 * margin + rows * cellHeight, QImage::Format_RGB32);
    sheet.fill(QColor(0xF4, 0xF4, 0xF0));
    QPainter painter(&sheet);
    const tamImgCollection collection;
    try {
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const QImage picture = collection.GetToolbarPic(ids[i]);
            const int x = margin + cells[i].x() * cellWidth + (cellWidth - picture.width() * scale) / 2;
            const int y = margin + cells[i].y() * cellHeight;
            painter.drawImage(QRect(x, y, picture.width() * scale, picture.height() * scale), picture);
            drawNumber(painter, margin + cells[i].x() * cellWidth + cellWidth / 2, y + 44 * scale + 3,
                       ids[i]);
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "glyphbin-sheet: %s\n", error.what());
        return 1;
    }
    painter.end();

    QImageWriter writer(outPath, "png");
    if (!writer.write(sheet)) {
        std::fprintf(stderr, "glyphbin-sheet: cannot write %s: %s\n", qPrintable(outPath),
                     qPrintable(writer.errorString()));
        return 1;
    }
    std::printf("%d pictures written to %s\n", int(ids.size()), qPrintable(outPath));
    return 0;
}
