#pragma once

#include <kavrel/inclusionzones.h>

#include <QtGlobal>
#include <vector>

struct Stand;

// The exact order-k inclusion zones of a stand, in stand metres, everything in
// the file order of the trees: what the window reads a tree's zone area from
// and what it exports. The trees are taken at their stand coordinates, so the
// map's size and stretch play no part (apart from the tie separation, which
// moves a tree by a ten-thousandth).
struct StandZones
{
    int order = 1;
    kavrel::StandRectangle rectangle;
    std::vector<kavrel::Point> trees;
    std::vector<kavrel::InclusionZone> zones;

    // Area / stand area of tree slot t.
    double probability(qsizetype slot) const;
};

StandZones computeStandZones(const Stand &stand, int order);
