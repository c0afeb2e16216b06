#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// One rectangular stand with its trees. Tree t of the file lives in slot t - 1
// of every per-tree array. The working arrays (sortX, sortY, sortKey) start as
// copies of the map arrays in file order and are reordered by sortTrees().
//
// Coordinates: the stand in metres, origin at its lower-left corner, Y up; the
// map in pixels, origin at its top-left corner, Y down. The stand fills the
// whole map, stretched independently along X and Y.
struct Stand
{
    QString filePath;
    qint32 width = 0;  // metres along X
    qint32 length = 0; // metres along Y
    // The tree count the file announces; more than the trees held when the
    // file lists more than are read.
    int announcedTreeCount = 0;

    // Size of the map the trees were last placed on (0 x 0 before placement).
    int mapWidth = 0;
    int mapHeight = 0;

    std::vector<double> treeX; // stand metres, follows tie nudges
    std::vector<double> treeY;
    // Stand metres as the file writes them, never nudged: what zone areas
    // and exports are computed from. Empty for a stand not read from a file,
    // whose treeX and treeY are then taken as written.
    std::vector<double> writtenX;
    std::vector<double> writtenY;
    std::vector<double> treeD; // as read; shown only
    std::vector<double> treeMapX;
    std::vector<double> treeMapY;
    std::vector<double> treeCornerDistance; // from the map's top-left corner

    std::vector<double> sortX;
    std::vector<double> sortY;
    std::vector<double> sortKey;

    int treeCount() const { return int(treeX.size()); }

    // width x length / 10000, the product formed in 64 bits so large stands do
    // not wrap around.
    double areaHectares() const;
};

// Euclidean distance of (x1, y1) and (x2, y2).
double pointDistance(double x1, double y1, double x2, double y2);

// Places every tree on a map of mapWidth x mapHeight pixels: sets the map
// arrays and copies them into the working arrays in file order. Refuses (and
// changes nothing) when the map is smaller than 1 x 1 pixel or the stand has no
// positive width and length.
bool placeTrees(Stand &stand, int mapWidth, int mapHeight);

// Makes map X values pairwise distinct and map Y values pairwise distinct by
// nudging the higher-numbered tree of each tie outwards by a factor of 1.0001
// (X before Y, scan restarted after every nudge). A tie at 0, where the factor
// cannot help, moves the tree to 0.0001 pixel. The stand X/Y of a nudged tree
// follow its new map position. Always ends. Requires placeTrees() first.
void separateTies(Stand &stand);

// Orders the working arrays by corner distance with hSort. Rebuild every table
// derived from the sorted order (OrderTable) after each call: trees with equal
// corner distance may swap places.
void sortTrees(Stand &stand);

// The whole preparation after reading or after a map size change: placement,
// tie separation and sorting. Returns false (stand unchanged) when the map is
// too small.
bool prepareStand(Stand &stand, int mapWidth, int mapHeight);
