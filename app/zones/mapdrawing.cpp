#include "mapdrawing.h"

#include "shell/twips.h"
#include "stand/standmap.h"

#include <algorithm>

namespace MapDrawing {

QPoint labelTopLeft(QPointF treeCentre)
{
    return {roundHalfToEven(treeCentre.x() - 5.0), roundHalfToEven(treeCentre.y() - 15.0)};
}

void drawTrees(StandMap &map, const QList<QPointF> &trees, const QStringList &labels)
{
    map.clear();
    for (const QPointF &tree : trees)
        map.drawFilledCircle(tree, TreeRadius, TreeColour);
    const qsizetype labelled = std::min(trees.size(), labels.size());
    for (qsizetype t = 0; t < labelled; ++t)
        map.drawText(labelTopLeft(trees[t]), labels[t], TreeColour);
}

void drawBoundaryPiece(StandMap &map, QPointF from, QPointF to)
{
    map.drawLine(from, to, BoundaryColour, BoundaryWidth);
}

void drawSelectedBoundaryPiece(StandMap &map, QPointF from, QPointF to)
{
    map.drawLine(from, to, SelectedColour, SelectedBoundaryWidth);
}

void drawInfluenceTree(StandMap &map, QPointF centre)
{
    map.drawFilledCircle(centre, MarkRadius, InfluenceColour);
}

void drawSelectedTree(StandMap &map, QPointF centre)
{
    map.drawFilledCircle(centre, MarkRadius, SelectedColour);
}

} // namespace MapDrawing
