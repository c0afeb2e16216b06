#include "glyphpicture.h"

#include "palette.h"

#include <QPainter>

bool isDarkInk(QRgb colour)
{
    const QRgb background = pal::Silver.rgb();
    return colour != background && qGray(colour) <= 128;
}

QImage quantised(const QImage &image)
{
    const QList<QRgb> colours = pal::table();
    QImage result = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x)
            result.setPixel(x, y, colours[pal::nearestIndex(result.pixel(x, y))]);
    }
    return result;
}

// The classic disabled look: the dark parts of the symbol become a dark grey
// shape lying on a white copy of itself shifted one pixel down and right.
QImage disabledHalf(const QImage &normal)
{
    QImage disabled(normal.size(), QImage::Format_RGB32);
    disabled.fill(pal::Silver);
    for (int pass = 0; pass < 2; ++pass) {
        const int shift = pass == 0 ? 1 : 0;
        const QRgb colour = pass == 0 ? pal::White.rgb() : pal::Grey.rgb();
        for (int y = 0; y < normal.height(); ++y) {
            for (int x = 0; x < normal.width(); ++x) {
                if (isDarkInk(normal.pixel(x, y)) && x + shift < normal.width() &&
                    y + shift < normal.height())
                    disabled.setPixel(x + shift, y + shift, colour);
            }
        }
    }
    return disabled;
}

// Symbols keep clear of the outer pixels (and of the row and column the
// disabled shadow falls into), so both halves show their background all round.
QString marginFault(const QImage &normal)
{
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            const bool inside = x >= 1 && y >= 1 && x <= normal.width() - 3 && y <= normal.height() - 3;
            if (!inside && normal.pixel(x, y) != pal::Silver.rgb())
                return QStringLiteral("draws outside its area at (%1, %2)").arg(x).arg(y);
        }
    }
    return {};
}

int countDark(const QImage &image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            dark += isDarkInk(image.pixel(x, y)) ? 1 : 0;
    }
    return dark;
}

QImage glyphPicture(const Drawing &draw, QSize half, QString *fault)
{
    QImage normal(half, QImage::Format_RGB32);
    normal.fill(pal::Silver);
    {
        Canvas canvas(normal);
        draw(canvas);
    }
    normal = quantised(normal);
    *fault = marginFault(normal);
    if (fault->isEmpty() && countDark(normal) < 8)
        *fault = QStringLiteral("has too little dark ink to show when disabled");

    QImage whole(half.width(), half.height() * 2, QImage::Format_RGB32);
    QPainter painter(&whole);
    painter.drawImage(0, 0, normal);
    painter.drawImage(0, half.height(), disabledHalf(normal));
    return whole;
}
