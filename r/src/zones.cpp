// The R side of the engine: plain vectors in, plain vectors and lists out.
// The R functions check their arguments first and the engine checks them
// again; whatever it throws becomes an R error through Rcpp's boundary, never
// an abort of the session. Long computations report progress from the
// calling thread, where an interrupt by the user stops them.
#include "interruptibly.h"

#include <Rcpp.h>

#include <kavrel/inclusionzones.h>
#include <kavrel/nearesttrees.h>
#include <kavrel/threads.h>

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<kavrel::Point> pointsOf(const Rcpp::NumericVector &x, const Rcpp::NumericVector &y)
{
    if (x.size() != y.size())
        throw std::invalid_argument("x and y differ in length");
    std::vector<kavrel::Point> points;
    points.reserve(std::size_t(x.size()));
    for (R_xlen_t i = 0; i < x.size(); ++i)
        points.push_back(kavrel::Point{x[i], y[i]});
    return points;
}

// c(width, length, x0, y0), as check_stand() gives it.
kavrel::StandRectangle standOf(const Rcpp::NumericVector &stand)
{
    if (stand.size() != 4)
        throw std::invalid_argument("the stand must be its width, length and lower-left corner");
    return {stand[0], stand[1], stand[2], stand[3]};
}

// A closed ring: the first point again at the end, one row per point.
Rcpp::NumericMatrix closedRing(const kavrel::ZoneRing &ring)
{
    const int rows = int(ring.size()) + 1;
    Rcpp::NumericMatrix matrix(rows, 2);
    for (int v = 0; v < rows; ++v) {
        const kavrel::Point p = ring[std::size_t(v) % ring.size()];
        matrix(v, 0) = p.x;
        matrix(v, 1) = p.y;
    }
    return matrix;
}

// A closed ring as graphics::polygon() takes it, columns x and y.
Rcpp::NumericMatrix ringMatrix(const kavrel::ZoneRing &ring)
{
    Rcpp::NumericMatrix matrix = closedRing(ring);
    Rcpp::colnames(matrix) = Rcpp::CharacterVector::create("x", "y");
    return matrix;
}

// The bounding box of every outline, for the sfc's "bbox" attribute.
class Bounds
{
public:
    void add(kavrel::Point p)
    {
        m_xmin = std::min(m_xmin, p.x);
        m_ymin = std::min(m_ymin, p.y);
        m_xmax = std::max(m_xmax, p.x);
        m_ymax = std::max(m_ymax, p.y);
    }

    Rcpp::NumericVector bbox() const
    {
        const bool empty = m_xmin > m_xmax;
        Rcpp::NumericVector box = empty ? Rcpp::NumericVector::create(NA_REAL, NA_REAL, NA_REAL, NA_REAL)
                                        : Rcpp::NumericVector::create(m_xmin, m_ymin, m_xmax, m_ymax);
        box.attr("names") = Rcpp::CharacterVector::create("xmin", "ymin", "xmax", "ymax");
        box.attr("class") = "bbox";
        return box;
    }

private:
    double m_xmin = std::numeric_limits<double>::infinity();
    double m_ymin = std::numeric_limits<double>::infinity();
    double m_xmax = -std::numeric_limits<double>::infinity();
    double m_ymax = -std::numeric_limits<double>::infinity();
};

// One zone as an sf MULTIPOLYGON: a list of polygons, each a list of one
// closed ring matrix without column names, as sf itself makes them.
SEXP multipolygonOf(const kavrel::InclusionZone &zone, const Rcpp::CharacterVector &sfgClass, Bounds &bounds)
{
    Rcpp::List polygons(zone.rings.size());
    for (std::size_t r = 0; r < zone.rings.size(); ++r) {
        const kavrel::ZoneRing &ring = zone.rings[r];
        for (const kavrel::Point &p : ring)
            bounds.add(p);
        polygons[R_xlen_t(r)] = Rcpp::List::create(closedRing(ring));
    }
    Rf_setAttrib(polygons, R_ClassSymbol, sfgClass);
    return polygons;
}

} // namespace

// [[Rcpp::export(name = ".zone_areas")]]
Rcpp::NumericVector zoneAreas(Rcpp::NumericVector x, Rcpp::NumericVector y, Rcpp::NumericVector stand, int k,
                              int threads)
{
    const std::vector<kavrel::Point> trees = pointsOf(x, y);
    const kavrel::StandRectangle rectangle = standOf(stand);
    const kavrel::ThreadCountScope threadCount(threads);
    const std::vector<double> areas = interruptibly([&](const kavrel::Progress &progress) {
        return kavrel::inclusionZoneAreas(trees, rectangle, k, progress);
    });
    return Rcpp::NumericVector(areas.begin(), areas.end());
}

// The areas and, per tree, either its rings as matrices for polygon() or,
// with sf, its MULTIPOLYGON; the sfc's bbox and count of empty zones go along.
// [[Rcpp::export(name = ".inclusion_zones")]]
Rcpp::List inclusionZones(Rcpp::NumericVector x, Rcpp::NumericVector y, Rcpp::NumericVector stand, int k,
                          int threads, bool sf)
{
    const std::vector<kavrel::Point> trees = pointsOf(x, y);
    const kavrel::StandRectangle rectangle = standOf(stand);
    const kavrel::ThreadCountScope threadCount(threads);
    const std::vector<kavrel::InclusionZone> zones = interruptibly([&](const kavrel::Progress &progress) {
        return kavrel::inclusionZones(trees, rectangle, k, progress);
    });
    Rcpp::NumericVector areas(zones.size());
    Rcpp::List rings(zones.size());
    Bounds bounds;
    int empty = 0;
    // One class vector for every zone: a million copies of it would cost
    // more than many of the outlines themselves.
    const Rcpp::CharacterVector sfgClass = Rcpp::CharacterVector::create("XY", "MULTIPOLYGON", "sfg");
    MARK_NOT_MUTABLE(sfgClass);
    for (std::size_t t = 0; t < zones.size(); ++t) {
        areas[R_xlen_t(t)] = zones[t].area;
        empty += zones[t].rings.empty() ? 1 : 0;
        if (sf) {
            rings[R_xlen_t(t)] = multipolygonOf(zones[t], sfgClass, bounds);
            continue;
        }
        Rcpp::List polygons(zones[t].rings.size());
        for (std::size_t r = 0; r < zones[t].rings.size(); ++r)
            polygons[R_xlen_t(r)] = ringMatrix(zones[t].rings[r]);
        rings[R_xlen_t(t)] = polygons;
    }
    return Rcpp::List::create(Rcpp::Named("area") = areas, Rcpp::Named("rings") = rings,
                              Rcpp::Named("bbox") = bounds.bbox(), Rcpp::Named("empty") = empty);
}

// [[Rcpp::export(name = ".nearest_trees")]]
Rcpp::List nearestTrees(Rcpp::NumericVector treeX, Rcpp::NumericVector treeY, Rcpp::NumericVector pointX,
                        Rcpp::NumericVector pointY, int k, int threads)
{
    const std::vector<kavrel::Point> trees = pointsOf(treeX, treeY);
    const std::vector<kavrel::Point> points = pointsOf(pointX, pointY);
    const kavrel::ThreadCountScope threadCount(threads);
    const kavrel::NearestTrees nearest = interruptibly(
        [&](const kavrel::Progress &progress) { return kavrel::nearestTrees(trees, points, k, progress); });
    // The engine's rows become the rows of R's column-major matrices.
    const int rows = int(points.size());
    const int columns = nearest.k;
    Rcpp::IntegerMatrix index(rows, columns);
    Rcpp::NumericMatrix distance(rows, columns);
    for (int p = 0; p < rows; ++p) {
        for (int j = 0; j < columns; ++j) {
            const std::size_t entry = std::size_t(p) * std::size_t(columns) + std::size_t(j);
            index(p, j) = int(nearest.indices[entry]) + 1;
            distance(p, j) = nearest.distances[entry];
        }
    }
    return Rcpp::List::create(Rcpp::Named("index") = index, Rcpp::Named("distance") = distance);
}

// [[Rcpp::export(name = ".thread_count")]]
int threadCount()
{
    return kavrel::threadCount();
}

// What is wrong with KAVREL_THREADS; empty when it is unset or fine.
// [[Rcpp::export(name = ".threads_problem")]]
std::string threadsProblem()
{
    return kavrel::threadsFromEnvironment().error;
}
