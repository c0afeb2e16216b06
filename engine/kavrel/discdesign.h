#pragma once

#include "edgecorrection.h"
#include "nearesttrees.h"
#include "plotzones.h"
#include "point.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kavrel {

// A design that takes tree i into the sample from every point within its
// radius r_i: the fixed-area plot, concentric plots and angle-count sampling
// differ only in how r_i follows from the tree.
struct DiscDesign
{
    std::string name;          // as the tables name the estimator
    std::vector<double> radii; // per tree, metres; 0 for a tree the design never takes
};

// The per-hectare estimates at one sample point.
struct DiscEstimate
{
    double treesPerHectare = 0.0;
    double basalAreaPerHectare = 0.0;
    int sampledTrees = 0; // trees seen, a mirage or walkthrough double count once
};

// The disc of every tree (and, for the mirage method, its reflections across
// the edges of the sampled area), ready to be asked for the estimate at any
// point of that area. Horvitz-Thompson: each tree seen adds 10000 / a per
// hectare of the sampled area, a the area the correction gives its disc. The
// walkthrough and mirage double counts apply to the trees inside the sampled
// area; a tree outside it (in a buffer) is seen as it stands. The mirage
// method (with the corner reflections) is unbiased as long as no disc reaches
// across two opposite edges, the walkthrough method only where a disc crosses
// one straight edge: in a corner part of the reflected area falls outside.
class DiscSampler
{
public:
    // Throws std::invalid_argument when the lists differ in length, a radius
    // is negative or not finite, or the area has no extent.
    DiscSampler(const std::vector<Point> &trees, const std::vector<double> &basalAreas, DiscDesign design,
                Extent region, EdgeCorrection correction);

    const std::string &name() const { return m_design.name; }
    Extent region() const { return m_region; }
    double largestRadius() const { return m_largestRadius; }

    DiscEstimate estimate(Point p) const;

    // Trees that no point of the sampled area can take.
    std::int64_t unreachableTrees() const { return m_unreachable; }

    // The estimates at the points left + (c + 0.5) s, bottom + (r + 0.5) s
    // of a grid of `columns` x `rows` over `origin`, row by row from the
    // bottom, added disc by disc rather than point by point (the same numbers
    // as estimate(), much faster on a fine grid). Rows [firstRow, endRow).
    void addToGrid(Point origin, double spacing, int columns, int firstRow, int endRow,
                   std::vector<double> &trees, std::vector<double> &basal) const;

private:
    struct Site
    {
        Point position;
        int tree = 0;
        double squaredRadius = 0.0;
        double treeWeight = 0.0; // per hectare
        double basalWeight = 0.0;
        bool walkthrough = false; // counts twice where the point reflected through it is outside
        bool mirage = false;      // a reflection, not the tree itself
    };

    double factorAt(const Site &site, Point p) const;
    void addSite(Point position, int tree, double radius, double treeWeight, double basalWeight, bool mirage);

    DiscDesign m_design;
    Extent m_region;
    EdgeCorrection m_correction;
    std::vector<Site> m_sites;
    double m_largestRadius = 0.0;
    std::int64_t m_unreachable = 0;
    TreeIndex m_index;
};

// The fixed-area plot: every tree within the same radius.
DiscDesign fixedPlotDesign(std::size_t treeCount, double radiusMetres);

// A disc design's name in tables and file names: the design's own, with the
// edge correction appended unless it is clip ("angle_count_baf4_mirage").
std::string discEstimatorName(const std::string &design, EdgeCorrection correction);

// The reflections of a point across the sides and corners of a rectangle:
// the eight mirage copies, left, right, below, above and the four corners.
std::vector<Point> mirrorImages(Point p, Extent extent);

// True when the point reflected through the tree lies outside the rectangle,
// the walkthrough method's double count.
bool walkthroughDoubles(Point tree, Point p, Extent extent);

} // namespace kavrel
