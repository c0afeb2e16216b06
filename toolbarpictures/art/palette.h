#pragma once

#include <QColor>
#include <QList>
#include <QRgb>

// The sixteen colours every picture is made of, in the order of the colour
// table written into each bitmap.
namespace pal {
inline const QColor Black{0x00, 0x00, 0x00};
inline const QColor Maroon{0x80, 0x00, 0x00};
inline const QColor Green{0x00, 0x80, 0x00};
inline const QColor Olive{0x80, 0x80, 0x00};
inline const QColor Navy{0x00, 0x00, 0x80};
inline const QColor Purple{0x80, 0x00, 0x80};
inline const QColor Teal{0x00, 0x80, 0x80};
inline const QColor Silver{0xC0, 0xC0, 0xC0};
inline const QColor Grey{0x80, 0x80, 0x80};
inline const QColor Red{0xFF, 0x00, 0x00};
inline const QColor Lime{0x00, 0xFF, 0x00};
inline const QColor Yellow{0xFF, 0xFF, 0x00};
inline const QColor Blue{0x00, 0x00, 0xFF};
inline const QColor Magenta{0xFF, 0x00, 0xFF};
inline const QColor Cyan{0x00, 0xFF, 0xFF};
inline const QColor White{0xFF, 0xFF, 0xFF};

// An invalid colour: "draw nothing here".
inline const QColor None{};

QList<QRgb> table();
int nearestIndex(QRgb colour);
} // namespace pal
