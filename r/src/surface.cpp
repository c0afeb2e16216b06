// Sampling surfaces from R: the statistics as the columns of the tool's
// surface CSV, every surface as a matrix whose first row is the stand's north
// edge, as the tool's ESRI ASCII grids and terra::rast() have it.
#include "interruptibly.h"

#include <Rcpp.h>

#include <kavrel/threads.h>

#include <kavrel/samplingsurface.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

Rcpp::NumericMatrix surfaceMatrix(const kavrel::SurfaceGrid &grid, const std::vector<double> &values)
{
    Rcpp::NumericMatrix matrix(grid.rows, grid.columns);
    for (int row = 0; row < grid.rows; ++row) {
        const std::size_t first = std::size_t(row) * std::size_t(grid.columns);
        for (int column = 0; column < grid.columns; ++column)
            matrix(grid.rows - 1 - row, column) = values[first + std::size_t(column)];
    }
    return matrix;
}

} // namespace

// [[Rcpp::export(name = ".sampling_surface")]]
Rcpp::List samplingSurface(Rcpp::NumericVector x, Rcpp::NumericVector y, Rcpp::NumericVector d,
                           Rcpp::NumericVector stand, int k, double spacing, Rcpp::NumericVector factors,
                           double plotRadius, Rcpp::NumericVector ringRadii, Rcpp::NumericVector ringDiameters,
                           std::string edgeCorrection, int threads)
{
    if (x.size() != y.size() || x.size() != d.size())
        throw std::invalid_argument("x, y and d differ in length");
    std::vector<kavrel::Point> trees;
    std::vector<double> diameters;
    for (R_xlen_t t = 0; t < x.size(); ++t) {
        trees.push_back(kavrel::Point{x[t], y[t]});
        diameters.push_back(d[t]);
    }
    kavrel::SurfaceSettings settings;
    settings.k = k;
    settings.spacing = spacing;
    settings.basalAreaFactors.assign(factors.begin(), factors.end());
    if (!std::isnan(plotRadius))
        settings.plotRadiusMetres = plotRadius;
    for (R_xlen_t r = 0; r < ringRadii.size(); ++r)
        settings.concentric.push_back({ringRadii[r], ringDiameters[r]});
    settings.edgeCorrection = kavrel::edgeCorrectionArgument(edgeCorrection);
    const kavrel::Extent extent{0.0, 0.0, stand[0], stand[1]};

    const kavrel::ThreadCountScope threadCount(threads);
    const kavrel::SurfaceResult result = interruptibly([&](const kavrel::Progress &progress) {
        return kavrel::samplingSurfaces(extent, trees, diameters, settings, progress);
    });
    const std::size_t count = result.surfaces.size();
    Rcpp::CharacterVector design(count), quantity(count);
    Rcpp::NumericVector trueValue(count), mean(count), relative(count), deviation(count), minimum(count),
        maximum(count), unreachable(count);
    Rcpp::List surfaces;
    for (std::size_t i = 0; i < count; ++i) {
        const kavrel::Surface &s = result.surfaces[i];
        design[i] = s.design;
        quantity[i] = s.quantity;
        trueValue[i] = s.trueValue;
        mean[i] = s.mean;
        relative[i] = s.trueValue != 0.0 ? (s.mean - s.trueValue) / s.trueValue : NA_REAL;
        deviation[i] = s.standardDeviation;
        minimum[i] = s.minimum;
        maximum[i] = s.maximum;
        unreachable[i] = double(s.unreachableTrees);
        surfaces[s.design + "_" + s.quantity] = surfaceMatrix(result.grid, s.values);
    }
    Rcpp::List statistics;
    statistics["design"] = design;
    statistics["quantity"] = quantity;
    statistics["true_value"] = trueValue;
    statistics["surface_mean"] = mean;
    statistics["relative_difference"] = relative;
    statistics["single_point_sd"] = deviation;
    statistics["minimum"] = minimum;
    statistics["maximum"] = maximum;
    statistics["unreachable_trees"] = unreachable;
    return Rcpp::List::create(
        Rcpp::Named("statistics") = Rcpp::DataFrame(statistics),
        Rcpp::Named("grid") = Rcpp::List::create(
            Rcpp::Named("left") = result.grid.left, Rcpp::Named("bottom") = result.grid.bottom,
            Rcpp::Named("spacing") = result.grid.spacing, Rcpp::Named("columns") = result.grid.columns,
            Rcpp::Named("rows") = result.grid.rows, Rcpp::Named("plot_radius") = result.plotRadiusMetres),
        Rcpp::Named("surfaces") = surfaces);
}
