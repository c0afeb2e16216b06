#include "palette.h"

#include <limits>

namespace pal {

QList<QRgb> table()
{
    return {Black.rgb(), Maroon.rgb(),  Green.rgb(), Olive.rgb(), Navy.rgb(), Purple.rgb(),
            Teal.rgb(),  Silver.rgb(),  Grey.rgb(),  Red.rgb(),   Lime.rgb(), Yellow.rgb(),
            Blue.rgb(),  Magenta.rgb(), Cyan.rgb(),  White.rgb()};
}

int nearestIndex(QRgb colour)
{
    static const QList<QRgb> colours = table();
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < colours.size(); ++i) {
        const int dr = qRed(colour) - qRed(colours[i]);
        const int dg = qGreen(colour) - qGreen(colours[i]);
        const int db = qBlue(colour) - qBlue(colours[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace pal
