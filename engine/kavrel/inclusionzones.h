#pragma once

#include "point.h"
#include "progress.h"
#include "standrectangle.h"

#include <vector>

namespace kavrel {

// Inclusion zones of order k, clipped to the stand rectangle, as areas and
// polygons. Everything here is in stand metres: the stand is the rectangle
// [x0, x0 + width] x [y0, y0 + length] with Y pointing up, and the trees are
// given by their stand coordinates (they may lie outside the rectangle).
//
// The zone of a tree is the set of points from which at most k - 1 other
// trees are strictly nearer than the tree itself. Trees at exactly the same
// point share their zone, so then the areas add up to more than
// min(k, n) x the stand's area.
//
// Both functions use all threads allowed by setThreadCount() (with results
// independent of their number), report progress in trees, and throw
// std::invalid_argument for k < 1, a stand without area or trees with
// non-finite coordinates, and Cancelled when the progress asks to stop.

// One closed ring, counter-clockwise, without a repeated closing point.
using ZoneRing = std::vector<Point>;

struct InclusionZone
{
    // Area in square metres (exact up to rounding of the clipping arithmetic).
    double area = 0.0;
    // The zone as disjoint simple polygons without holes (the zone of a tree
    // is star-shaped around the tree, so it has none). Empty when the zone
    // does not reach into the stand.
    std::vector<ZoneRing> rings;
};

// Area of the order-k zone of every tree, in the order of `trees`.
std::vector<double> inclusionZoneAreas(const std::vector<Point> &trees, StandRectangle stand, int k,
                                       const Progress &progress = {});

// Area and outline of the order-k zone of every tree, in the order of `trees`.
std::vector<InclusionZone> inclusionZones(const std::vector<Point> &trees, StandRectangle stand, int k,
                                          const Progress &progress = {});

// The areas of inclusionZoneAreas() by cutting each zone with every other
// tree, one tree after the other: quadratic in the number of trees, kept as
// the plain reference the local computation is checked against.
std::vector<double> inclusionZoneAreasByEveryTree(const std::vector<Point> &trees, StandRectangle stand,
                                                  int k);

// Area of a ring by the shoelace formula; positive for counter-clockwise rings.
double ringArea(const ZoneRing &ring);

} // namespace kavrel
