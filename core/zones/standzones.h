#pragma once

#include <QtGlobal>
#include <kavrel/inclusionzones.h>
#include <vector>

struct Stand;

// The exact order-k inclusion zones of a stand, in stand metres, everything in
// the file order of the trees. The map's size and stretch play no part.
struct StandZones
{
    int order = 1;
    kavrel::StandRectangle rectangle;
    std::vector<kavrel::Point> trees;
    std::vector<kavrel::InclusionZone> zones;

    // Area / stand area of tree slot t.
    double probability(qsizetype slot) const;
};

// Every tree at the coordinates its file writes, as kavrel-zones' research
// options take it: what the zone read-out and the GeoJSON and CSV exports
// give, so that a researcher gets the tool's numbers from the window.
std::vector<kavrel::Point> writtenTreePositions(const Stand &stand);

// The trees where the map shows them, tied X or Y values separated: what the
// drawing of the map (the SVG) shows.
std::vector<kavrel::Point> mapTreePositions(const Stand &stand);

// True when the map shows some tree away from its written place.
bool treesSeparatedOnMap(const Stand &stand);

// Zones of the written trees.
StandZones computeStandZones(const Stand &stand, int order);

// Zones of the trees as placed on the map.
StandZones computeMapZones(const Stand &stand, int order);

// The zone areas of the written trees, computed as `kavrel-zones --areas`
// computes them (bit for bit the same numbers).
std::vector<double> writtenZoneAreas(const Stand &stand, int order);
