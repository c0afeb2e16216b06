#include "zoneview.h"

#include "stand/stand.h"
#include "stand/standmap.h"
#include "vistaprog.h"
#include "zones/mapdrawing.h"
#include "zones/treeselection.h"

#include <algorithm>
#include <utility>

namespace {

QPointF sortedTreeCentre(const Stand &stand, int sortedIndex)
{
    const auto slot = std::size_t(sortedIndex - 1);
    return {stand.sortX[slot], stand.sortY[slot]};
}

bool isSortedIndex(const Stand &stand, int sortedIndex)
{
    return sortedIndex >= 1 && std::size_t(sortedIndex) <= std::min(stand.sortX.size(), stand.sortY.size());
}

// The listed coordinates, read back as the single-precision numbers they were
// written from.
QPointF listedPoint(const QString &x, const QString &y)
{
    return {double(x.toFloat()), double(y.toFloat())};
}

} // namespace

ZoneView::ZoneView(StandMap &map, VistaProg &progress) : m_map(map), m_progress(progress) {}

EdgeTable ZoneView::drawZoneBoundaries(Stand &stand, int order)
{
    m_progress.setValue(0);
    EdgeTable edges;
    edges.order = order;
    const bool placed = stand.mapWidth >= 1 && stand.mapHeight >= 1;
    if (placed) {
        edges = computeEdgeTable(stand, order, stand.mapWidth, stand.mapHeight,
                                 [this](int percent) { showProgress(percent); });
        for (const EdgeRow &row : std::as_const(edges.rows))
            MapDrawing::drawBoundaryPiece(m_map, {row.x1, row.y1}, {row.x2, row.y2});
    }
    m_progress.hide();
    return edges;
}

void ZoneView::drawSelection(const Stand &stand, const EdgeTable &edges, const TreeSelection &selection)
{
    if (!selection.valid || !isSortedIndex(stand, selection.sortedIndex))
        return;
    for (const int rowIndex : selection.edgeRows) {
        if (rowIndex < 0 || rowIndex >= edges.rows.size())
            continue;
        const EdgeRow &row = edges.rows[rowIndex];
        MapDrawing::drawSelectedBoundaryPiece(m_map, listedPoint(row.x1Text, row.y1Text),
                                              listedPoint(row.x2Text, row.y2Text));
        for (const int tree : {row.i, row.j}) {
            if (isSortedIndex(stand, tree))
                MapDrawing::drawInfluenceTree(m_map, sortedTreeCentre(stand, tree));
        }
    }
    MapDrawing::drawSelectedTree(m_map, sortedTreeCentre(stand, selection.sortedIndex));
}

QString ZoneView::runningText()
{
    return QStringLiteral("  ") + tr("Berechnung läuft ...");
}

QString ZoneView::readyText()
{
    return QStringLiteral("  ") + tr("Bereit");
}

// The bar moves once per outer step and is painted at once: no pending
// events are let through in the middle of the computation.
void ZoneView::showProgress(int percent)
{
    m_progress.show();
    m_progress.setValue(percent);
}
