#include "discdesign.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace kavrel {

namespace {

constexpr double SquareMetresPerHectare = 10000.0;

std::vector<Point> positionsOf(const auto &sites)
{
    std::vector<Point> positions;
    positions.reserve(sites.size());
    for (const auto &site : sites)
        positions.push_back(site.position);
    return positions;
}

// Squared distance from a point to the nearest point of the rectangle.
double squaredDistanceToExtent(Point p, Extent e)
{
    const double dx = std::max({e.left - p.x, 0.0, p.x - e.right});
    const double dy = std::max({e.bottom - p.y, 0.0, p.y - e.top});
    return dx * dx + dy * dy;
}

// The grid index range [from, to] of points within `reach` of `centre`,
// clamped to [low, high] before any conversion so far trees cannot overflow.
int gridIndex(double coordinate, double origin, double spacing, int low, int high)
{
    const double index = (coordinate - origin) / spacing - 0.5;
    return int(std::clamp(index, double(low), double(high)));
}

} // namespace

std::vector<Point> mirrorImages(Point p, Extent e)
{
    const double xs[3] = {p.x, 2.0 * e.left - p.x, 2.0 * e.right - p.x};
    const double ys[3] = {p.y, 2.0 * e.bottom - p.y, 2.0 * e.top - p.y};
    std::vector<Point> images;
    images.reserve(8);
    for (int iy = 0; iy < 3; ++iy) {
        for (int ix = 0; ix < 3; ++ix) {
            if (ix != 0 || iy != 0)
                images.push_back(Point{xs[ix], ys[iy]});
        }
    }
    return images;
}

DiscDesign fixedPlotDesign(std::size_t treeCount, double radiusMetres)
{
    return DiscDesign{"fixed_plot", std::vector<double>(treeCount, radiusMetres)};
}

std::string discEstimatorName(const std::string &design, EdgeCorrection correction)
{
    return correction == EdgeCorrection::Clip ? design : design + "_" + edgeCorrectionName(correction);
}

bool walkthroughDoubles(Point tree, Point p, Extent extent)
{
    return !extent.contains(Point{2.0 * tree.x - p.x, 2.0 * tree.y - p.y});
}

DiscSampler::DiscSampler(const std::vector<Point> &trees, const std::vector<double> &basalAreas,
                         DiscDesign design, Extent region, EdgeCorrection correction)
    : m_design(std::move(design)), m_region(region), m_correction(correction), m_index(std::vector<Point>{})
{
    if (m_design.radii.size() != trees.size() || basalAreas.size() != trees.size())
        throw std::invalid_argument("a disc design needs one radius and one basal area per tree");
    if (!(region.width() > 0.0) || !(region.length() > 0.0))
        throw std::invalid_argument("the sampled area has no extent");
    for (std::size_t t = 0; t < trees.size(); ++t) {
        const double r = m_design.radii[t];
        if (!(r >= 0.0) || !std::isfinite(r))
            throw std::invalid_argument("the disc of tree " + std::to_string(t + 1) +
                                        " has no finite radius of 0 or more");
        const double clipped = discAreaInExtent(trees[t], r, region);
        if (!(clipped > 0.0)) {
            ++m_unreachable;
            continue;
        }
        const double area = correction == EdgeCorrection::Clip ? clipped : std::numbers::pi * r * r;
        const double treeWeight = SquareMetresPerHectare / area;
        addSite(trees[t], int(t), r, treeWeight, treeWeight * basalAreas[t], false);
        if (correction == EdgeCorrection::Mirage && region.contains(trees[t])) {
            for (const Point image : mirrorImages(trees[t], region)) {
                if (squaredDistanceToExtent(image, region) <= r * r)
                    addSite(image, int(t), r, treeWeight, treeWeight * basalAreas[t], true);
            }
        }
    }
    m_index = TreeIndex(positionsOf(m_sites));
}

void DiscSampler::addSite(Point position, int tree, double radius, double treeWeight, double basalWeight,
                          bool mirage)
{
    Site site;
    site.position = position;
    site.tree = tree;
    site.squaredRadius = radius * radius;
    site.treeWeight = treeWeight;
    site.basalWeight = basalWeight;
    site.mirage = mirage;
    site.walkthrough = m_correction == EdgeCorrection::Walkthrough && m_region.contains(position);
    m_sites.push_back(site);
    m_largestRadius = std::max(m_largestRadius, radius);
}

double DiscSampler::factorAt(const Site &site, Point p) const
{
    return site.walkthrough && walkthroughDoubles(site.position, p, m_region) ? 2.0 : 1.0;
}

DiscEstimate DiscSampler::estimate(Point p) const
{
    thread_local std::vector<Neighbour> found;
    DiscEstimate result;
    if (m_sites.empty())
        return result;
    m_index.within(p, m_largestRadius * m_largestRadius, found);
    for (const Neighbour &n : found) {
        const Site &site = m_sites[n.index];
        if (squaredDistance(p, site.position) > site.squaredRadius)
            continue;
        const double factor = factorAt(site, p);
        result.treesPerHectare += factor * site.treeWeight;
        result.basalAreaPerHectare += factor * site.basalWeight;
        result.sampledTrees += site.mirage ? 0 : 1;
    }
    return result;
}

void DiscSampler::addToGrid(Point origin, double spacing, int columns, int firstRow, int endRow,
                            std::vector<double> &trees, std::vector<double> &basal) const
{
    const double bandBottom = origin.y + (double(firstRow) + 0.5) * spacing;
    const double bandTop = origin.y + (double(endRow) - 0.5) * spacing;
    for (const Site &site : m_sites) {
        const double r = std::sqrt(site.squaredRadius);
        if (site.position.y + r < bandBottom || site.position.y - r > bandTop)
            continue;
        // Rows and columns whose points may lie within the disc; the
        // comparison below decides exactly as estimate() does.
        const int rowFrom =
            gridIndex(std::floor(site.position.y - r), origin.y, spacing, firstRow, endRow - 1);
        const int rowTo =
            gridIndex(std::ceil(site.position.y + r) + spacing, origin.y, spacing, firstRow, endRow - 1);
        const int columnFrom = gridIndex(std::floor(site.position.x - r), origin.x, spacing, 0, columns - 1);
        const int columnTo =
            gridIndex(std::ceil(site.position.x + r) + spacing, origin.x, spacing, 0, columns - 1);
        for (int row = rowFrom; row <= rowTo; ++row) {
            const double y = origin.y + (double(row) + 0.5) * spacing;
            for (int column = columnFrom; column <= columnTo; ++column) {
                const Point p{origin.x + (double(column) + 0.5) * spacing, y};
                if (squaredDistance(p, site.position) > site.squaredRadius)
                    continue;
                const double factor = factorAt(site, p);
                const std::size_t cell = std::size_t(row) * std::size_t(columns) + std::size_t(column);
                trees[cell] += factor * site.treeWeight;
                basal[cell] += factor * site.basalWeight;
            }
        }
    }
}

} // namespace kavrel
