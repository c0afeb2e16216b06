// The R side of the engine: plain vectors in, plain vectors and lists out.
// The R functions check their arguments first; everything thrown here becomes
// an R error through Rcpp's boundary, never an abort of the session.
#include <Rcpp.h>

#include <kavrel/inclusionzones.h>

#include <cmath>
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
    for (R_xlen_t i = 0; i < x.size(); ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]))
            throw std::invalid_argument("coordinates of point " + std::to_string(i + 1) +
                                        " are missing or not finite");
        points.push_back(kavrel::Point{x[i], y[i]});
    }
    return points;
}

kavrel::StandRectangle standOf(const Rcpp::NumericVector &stand)
{
    if (stand.size() != 2 || !(stand[0] > 0.0) || !(stand[1] > 0.0) || !std::isfinite(stand[0]) ||
        !std::isfinite(stand[1]))
        throw std::invalid_argument("the stand must be a positive, finite width and length");
    return {stand[0], stand[1]};
}

int orderOf(int k)
{
    if (k == NA_INTEGER || k < 1)
        throw std::invalid_argument("k must be a whole number of at least 1");
    return k;
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
    const std::vector<double> areas = kavrel::inclusionZoneAreas(pointsOf(x, y), standOf(stand), orderOf(k));
    return Rcpp::NumericVector(areas.begin(), areas.end());
}

// [[Rcpp::export(name = ".inclusion_zones")]]
Rcpp::List inclusionZones(Rcpp::NumericVector x, Rcpp::NumericVector y, Rcpp::NumericVector stand, int k)
{
    const std::vector<kavrel::InclusionZone> zones =
        kavrel::inclusionZones(pointsOf(x, y), standOf(stand), orderOf(k));
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
