#pragma once

#include <QChar>
#include <QList>

// Hand-drawn pixel glyphs: a 5 × 7 face for letters on buttons and a 3 × 5
// face for small labels. Each row is a string of '#' (ink) and '.' (paper).
namespace pixelfont {
const QList<const char *> &large(QChar c);
const QList<const char *> &small(QChar c);
} // namespace pixelfont
