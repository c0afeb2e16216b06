// The R side of the engine: plain vectors in, plain vectors and lists out.
// The R functions check their arguments first and the engine checks them
// again; whatever it throws becomes an R error through Rcpp's boundary, never
// an abort of the session. Long computations report progress from the
// calling thread, where an interrupt by the user stops them.
#include "interruptibly.h"

#include <Rcpp.h>

#include <kavrel/inclusionzones.h>
#include <kavrel/nearesttrees.h>

#include <stdexcept>
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

kavrel::StandRectangle standOf(const Rcpp::NumericVector &stand)
{
    if (stand.size() != 2)
        throw std::invalid_argument("the stand must be its width and length");
    return {stand[0], stand[1]};
}

// A closed ring as sf and graphics::polygon() take it: the first point again
// at the end, columns x and y.
Rcpp::NumericMatrix ringMatrix(const kavrel::ZoneRing &ring)
{
    const int rows = int(ring.size()) + 1;
    Rcpp::NumericMatrix matrix(rows, 2);
    for (int v = 0; v < rows; ++v) {
        const kavrel::Point p = ring[std::size_t(v) % ring.size()];
        matrix(v, 0) = p.x;
        matrix(v, 1) = p.y;
    }
    Rcpp::colnames(matrix) = Rcpp::CharacterVector::create("x", "y");
    return matrix;
}

} // namespace

// [[Rcpp::export(name = ".zone_areas")]]
Rcpp::NumericVector zoneAreas(Rcpp::NumericVector x, Rcpp::NumericVector y, Rcpp::NumericVector stand, int k)
{
    const std::vector<kavrel::Point> trees = pointsOf(x, y);
    const std::vector<double> areas = interruptibly([&](const kavrel::Progress &progress) {
        return kavrel::inclusionZoneAreas(trees, standOf(stand), k, progress);
    });
    return Rcpp::NumericVector(areas.begin(), areas.end());
}

// [[Rcpp::export(name = ".inclusion_zones")]]
Rcpp::List inclusionZones(Rcpp::NumericVector x, Rcpp::NumericVector y, Rcpp::NumericVector stand, int k)
{
    const std::vector<kavrel::Point> trees = pointsOf(x, y);
    const std::vector<kavrel::InclusionZone> zones = interruptibly([&](const kavrel::Progress &progress) {
        return kavrel::inclusionZones(trees, standOf(stand), k, progress);
    });
    Rcpp::NumericVector areas(zones.size());
    Rcpp::List rings(zones.size());
    for (std::size_t t = 0; t < zones.size(); ++t) {
        areas[R_xlen_t(t)] = zones[t].area;
        Rcpp::List polygons(zones[t].rings.size());
        for (std::size_t r = 0; r < zones[t].rings.size(); ++r)
            polygons[R_xlen_t(r)] = ringMatrix(zones[t].rings[r]);
        rings[R_xlen_t(t)] = polygons;
    }
    return Rcpp::List::create(Rcpp::Named("area") = areas, Rcpp::Named("rings") = rings);
}

// [[Rcpp::export(name = ".nearest_trees")]]
Rcpp::List nearestTrees(Rcpp::NumericVector treeX, Rcpp::NumericVector treeY, Rcpp::NumericVector pointX,
                        Rcpp::NumericVector pointY, int k)
{
    const std::vector<kavrel::Point> trees = pointsOf(treeX, treeY);
    const std::vector<kavrel::Point> points = pointsOf(pointX, pointY);
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
