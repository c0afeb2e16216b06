// The stand file as the program takes it: read, placed on a map and cut
// into the edge table of the inclusion zones. The first three bytes choose
// the order and the map; the rest is the file.

#include "stand/standfilereader.h"
#include "zones/edgetable.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The program's orders; larger maps than the designed one add nothing but time.
constexpr int MaxOrder = 5;
constexpr int MaxMapSide = 512;

int mapSide(uint8_t byte)
{
    return byte == 0 ? 441 : 1 + byte * (MaxMapSide - 1) / 255;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const int order = 1 + data[0] % MaxOrder;
    const int mapWidth = mapSide(data[1]);
    const int mapHeight = mapSide(data[2]);
    const QByteArray content(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3));

    StandFileResult read = parseStandFile(content, QStringLiteral("fuzz.txt"));
    if (!read.ok()) {
        // Every refusal names where it happened.
        if (read.error.line < 1 || read.error.valueNumber < 1 || read.error.message.isEmpty())
            std::abort();
        return 0;
    }
    Stand &stand = *read.stand;
    if (stand.treeCount() > MaxTreeCount)
        std::abort();
    if (!prepareStand(stand, mapWidth, mapHeight))
        return 0;
    const EdgeTable edges = computeEdgeTable(stand, order, mapWidth, mapHeight);
    for (const EdgeRow &row : edges.rows) {
        if (row.i < 1 || row.j <= row.i || row.j > stand.treeCount())
            std::abort();
        (void)edgeRowLine(row);
    }
    return 0;
}
