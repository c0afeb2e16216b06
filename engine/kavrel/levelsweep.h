#pragma once

#include "nearesttrees.h"
#include "point.h"
#include "standrectangle.h"

#include <optional>
#include <vector>

namespace kavrel {

struct SweptZone
{
    double area = 0.0;
    // Largest squared distance from the tree to a vertex of its zone within
    // the stand (0 when the zone misses the stand).
    double farthestSquared = 0.0;
    // The outline within the stand, relative to the tree.
    std::vector<Point> outline;
};

// The area of the order-k zone of `own` within the stand, with `others` as
// the only other trees, by a sweep around the tree: seen from the tree, the
// zone ends in each direction where the ray enters the k-th half-plane of a
// nearer tree, so its outline is the k-th level of the bisectors, followed
// from event to event. Coincident trees have no bisector and do not count.
// Returns nothing when the floating-point events do not close up (the caller
// then cuts the zone polygon by polygon).
std::optional<SweptZone> sweptZone(Point own, const std::vector<Point> &others, StandRectangle stand, int k,
                                   std::vector<double> &scratch);

} // namespace kavrel
