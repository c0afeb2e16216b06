#include "dibwriter.h"

#include "palette.h"

#include <QDataStream>
#include <QIODevice>

QByteArray fourBitBitmap(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = ((width * 4 + 31) / 32) * 4;
    const QList<QRgb> colours = pal::table();
    const quint32 headerBytes = 14 + 40 + 4 * colours.size();
    const quint32 pixelBytes = rowBytes * height;

    QByteArray bitmap;
    QDataStream out(&bitmap, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);

    out << quint8('B') << quint8('M') << quint32(headerBytes + pixelBytes) << quint16(0) << quint16(0)
        << headerBytes;
    out << quint32(40) << qint32(width) << qint32(height) << quint16(1) << quint16(4) << quint32(0)
        << pixelBytes << qint32(3780) << qint32(3780) << quint32(colours.size()) << quint32(colours.size());
    for (QRgb colour : colours)
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);

    // Rows go bottom-up, two pixels to a byte, the left one in the high nibble.
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const int index = pal::nearestIndex(rgb.pixel(x, y));
            row[x / 2] = char(quint8(row[x / 2]) | (x % 2 == 0 ? index << 4 : index));
        }
        out.writeRawData(row.constData(), row.size());
    }
    return bitmap;
}
