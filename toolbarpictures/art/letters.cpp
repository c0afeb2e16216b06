// Capital letters (9500) and the accented letters of the program's
// languages (9530).

#include "artwork.h"

namespace {

// Blue letters standing on a dark blue shadow, like pressed type.
void raised(Canvas &c, int x, int y, QChar letter, const QList<int> &rowHeights)
{
    c.glyph(x + 1, y + 1, letter, pal::Navy, 2, rowHeights);
    c.glyph(x, y, letter, pal::Blue, 2, rowHeights);
}

const QList<int> full = {2, 2, 2, 2, 2, 2, 2};
const QList<int> compact = {2, 1, 2, 1, 2, 1, 2};

enum class Mark
{
    Umlaut,
    Acute,
    Caron,
    Tilde,
    Apostrophe
};

void mark(Canvas &c, Mark kind)
{
    switch (kind) {
    case Mark::Umlaut:
        c.fill(6, 1, 2, 2, pal::Navy);
        c.fill(11, 1, 2, 2, pal::Navy);
        break;
    case Mark::Acute:
        c.fill(10, 1, 2, 1, pal::Navy);
        c.fill(9, 2, 2, 1, pal::Navy);
        break;
    case Mark::Caron:
        c.fill(6, 1, 2, 1, pal::Navy);
        c.fill(11, 1, 2, 1, pal::Navy);
        c.fill(8, 2, 3, 1, pal::Navy);
        break;
    case Mark::Tilde:
        c.fill(6, 2, 2, 1, pal::Navy);
        c.fill(8, 1, 3, 1, pal::Navy);
        c.fill(11, 2, 2, 1, pal::Navy);
        break;
    case Mark::Apostrophe:
        c.fill(11, 4, 2, 3, pal::Navy);
        c.dot(10, 7, pal::Navy);
        break;
    }
}

Drawing accented(QChar letter, Mark kind)
{
    return [letter, kind](Canvas &c) {
        raised(c, 4, 4, letter, compact);
        mark(c, kind);
    };
}

} // namespace

QList<Drawing> letterPictures()
{
    QList<Drawing> letters;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        letters.append([letter](Canvas &c) { raised(c, 4, 1, QChar(letter), full); });
    return letters;
}

QList<Drawing> accentPictures()
{
    return {
        accented('A', Mark::Umlaut),
        accented('O', Mark::Umlaut),
        accented('U', Mark::Umlaut),
        [](Canvas &c) { raised(c, 4, 1, QChar(0x00df), full); },
        accented('N', Mark::Tilde),
        accented('A', Mark::Acute),
        accented('C', Mark::Caron),
        accented('S', Mark::Caron),
        accented('Z', Mark::Caron),
        [](Canvas &c) {
            raised(c, 2, 4, 'L', compact);
            mark(c, Mark::Apostrophe);
        },
    };
}
