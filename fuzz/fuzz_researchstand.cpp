// A stand as the research modes take it, in either form (stand file or CSV
// stem map), and the exact zone areas of its trees. The first two bytes
// choose the order and the stand rectangle given on the command line; the
// rest is the file. Zones found from the trees near them must equal the cut
// by every tree, however the trees lie: on a line, on a circle, on top of
// each other or far outside the stand.

#include "researchstand.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <kavrel/inclusionzones.h>
#include <kavrel/threads.h>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

constexpr int MaxOrder = 10;
// The cut by every tree is quadratic; bigger stands add time, not cases.
constexpr std::size_t MaxTrees = 150;

std::optional<kavrel::StandRectangle> commandLineRectangle(uint8_t byte)
{
    switch (byte % 4) {
    case 0:
        return std::nullopt;
    case 1:
        return kavrel::StandRectangle{100.0, 70.0};
    case 2:
        return kavrel::StandRectangle{3.0, 2500.0, -1.5, 0.0};
    default:
        return kavrel::StandRectangle{250.0, 200.0, 2.5e6, 1.2e6};
    }
}

// Where the geometry stays within a few orders of magnitude of the stand, the
// two computations must agree closely; beyond that only their sanity counts.
bool ordinaryScale(const std::vector<kavrel::Point> &trees, kavrel::StandRectangle stand)
{
    const double side = std::max(stand.width, stand.length);
    if (std::min(stand.width, stand.length) < 1e-3 * side)
        return false;
    const double cx = stand.x0 + stand.width / 2.0;
    const double cy = stand.y0 + stand.length / 2.0;
    return std::all_of(trees.begin(), trees.end(), [&](kavrel::Point p) {
        return std::abs(p.x - cx) <= 1e3 * side && std::abs(p.y - cy) <= 1e3 * side;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int order = 1 + data[0] % MaxOrder;
    const QByteArray content(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const ResearchStandResult read =
        parseResearchStand(content, QStringLiteral("fuzz.csv"), commandLineRectangle(data[1]));
    if (!read.ok()) {
        if (read.error.isEmpty())
            std::abort(); // a refusal without a word
        return 0;
    }
    const ResearchStand &stand = *read.stand;
    if (stand.positions.size() > MaxTrees)
        return 0;

    kavrel::setThreadCount(1);
    std::vector<double> areas;
    std::vector<double> reference;
    try {
        areas = kavrel::inclusionZoneAreas(stand.positions, stand.rectangle, order);
        reference = kavrel::inclusionZoneAreasByEveryTree(stand.positions, stand.rectangle, order);
    } catch (const std::invalid_argument &) {
        return 0; // refused with a message, as the tool reports it
    }
    const double standArea = stand.rectangle.area();
    const bool compare = ordinaryScale(stand.positions, stand.rectangle);
    for (std::size_t t = 0; t < areas.size(); ++t) {
        if (!std::isfinite(areas[t]) || areas[t] < 0.0 || areas[t] > standArea * (1.0 + 1e-9))
            std::abort();
        if (compare && std::abs(areas[t] - reference[t]) > 1e-7 * standArea)
            std::abort();
    }
    return 0;
}
