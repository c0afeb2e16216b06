#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QStringList>

class StandMap;

// The marks the stand map shows. The legend menu's pictures use the same
// colours and radii, so both are defined here once.
namespace MapDrawing {

inline const QColor TreeColour{0, 0, 0};
inline const QColor BoundaryColour{0, 0, 255};
inline const QColor SelectedColour{255, 0, 0};  // light red of the classic palette
inline const QColor InfluenceColour{0, 128, 0}; // green of the classic palette

inline constexpr double TreeRadius = 2.0;
inline constexpr double MarkRadius = 3.0;
inline constexpr int BoundaryWidth = 1;
inline constexpr int SelectedBoundaryWidth = 2;

// Top-left corner of a tree's label: 5 pixels left of and 15 above its
// centre, each coordinate rounded to the nearest integer, halves to even.
QPoint labelTopLeft(QPointF treeCentre);

// Clears the map, then draws every tree as a black disc and, when labels is
// not empty, labels[t] beside tree t.
void drawTrees(StandMap &map, const QList<QPointF> &trees, const QStringList &labels);

void drawBoundaryPiece(StandMap &map, QPointF from, QPointF to);
void drawSelectedBoundaryPiece(StandMap &map, QPointF from, QPointF to);
void drawInfluenceTree(StandMap &map, QPointF centre);
void drawSelectedTree(StandMap &map, QPointF centre);

} // namespace MapDrawing
