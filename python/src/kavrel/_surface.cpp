// Sampling surfaces from Python: the statistics as the columns of the tool's
// surface CSV, every surface as a 2-D array with its top row the stand's
// north edge, as the tool's ESRI ASCII grids and rasterio have it.
#include "_surface.h"

#include "_calls.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <kavrel/samplingsurface.h>
#include <kavrel/threads.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace py = pybind11;

namespace {

using Trees = py::array_t<double, py::array::c_style | py::array::forcecast>;

py::array_t<double> surfaceArray(const kavrel::SurfaceGrid &grid, const std::vector<double> &values)
{
    py::array_t<double> array({py::ssize_t(grid.rows), py::ssize_t(grid.columns)});
    auto view = array.mutable_unchecked<2>();
    for (int row = 0; row < grid.rows; ++row) {
        const std::size_t first = std::size_t(row) * std::size_t(grid.columns);
        for (int column = 0; column < grid.columns; ++column)
            view(grid.rows - 1 - row, column) = values[first + std::size_t(column)];
    }
    return array;
}

py::dict samplingSurface(const Trees &trees, double width, double length, long long k, double spacing,
                         const std::vector<double> &factors, std::optional<double> plotRadius,
                         const std::vector<std::pair<double, double>> &concentric, const std::string &edge,
                         int threads)
{
    if (trees.ndim() != 2 || trees.shape(1) != 3)
        throw std::invalid_argument("the trees of a surface must be an array of shape (n, 3): x, y, d");
    if (k < 1 || k > 1'000'000'000)
        throw std::invalid_argument("k must be a whole number of at least 1");
    std::vector<kavrel::Point> points;
    std::vector<double> diameters;
    const auto view = trees.unchecked<2>();
    for (py::ssize_t t = 0; t < view.shape(0); ++t) {
        points.push_back(kavrel::Point{view(t, 0), view(t, 1)});
        diameters.push_back(view(t, 2));
    }
    kavrel::SurfaceSettings settings;
    settings.k = int(k);
    settings.spacing = spacing;
    settings.basalAreaFactors = factors;
    settings.plotRadiusMetres = plotRadius;
    for (const auto &[radius, diameter] : concentric)
        settings.concentric.push_back({radius, diameter});
    settings.edgeCorrection = kavrel::edgeCorrectionArgument(edge);
    const kavrel::Extent stand{0.0, 0.0, width, length};

    const kavrel::ThreadCountScope threadCount(threads);
    const kavrel::SurfaceResult result = withoutLock([&](const kavrel::Progress &progress) {
        return kavrel::samplingSurfaces(stand, points, diameters, settings, progress);
    });
    py::list design, quantity;
    std::vector<double> trueValue, mean, relative, deviation, minimum, maximum, unreachable;
    py::dict surfaces;
    for (const kavrel::Surface &s : result.surfaces) {
        design.append(s.design);
        quantity.append(s.quantity);
        trueValue.push_back(s.trueValue);
        mean.push_back(s.mean);
        relative.push_back(s.trueValue != 0.0 ? (s.mean - s.trueValue) / s.trueValue : NAN);
        deviation.push_back(s.standardDeviation);
        minimum.push_back(s.minimum);
        maximum.push_back(s.maximum);
        unreachable.push_back(double(s.unreachableTrees));
        surfaces[py::str(s.design + "_" + s.quantity)] = surfaceArray(result.grid, s.values);
    }
    py::dict statistics;
    statistics["design"] = design;
    statistics["quantity"] = quantity;
    statistics["true_value"] = py::array_t<double>(py::ssize_t(trueValue.size()), trueValue.data());
    statistics["surface_mean"] = py::array_t<double>(py::ssize_t(mean.size()), mean.data());
    statistics["relative_difference"] = py::array_t<double>(py::ssize_t(relative.size()), relative.data());
    statistics["single_point_sd"] = py::array_t<double>(py::ssize_t(deviation.size()), deviation.data());
    statistics["minimum"] = py::array_t<double>(py::ssize_t(minimum.size()), minimum.data());
    statistics["maximum"] = py::array_t<double>(py::ssize_t(maximum.size()), maximum.data());
    statistics["unreachable_trees"] = py::array_t<double>(py::ssize_t(unreachable.size()), unreachable.data());
    py::dict grid;
    grid["left"] = result.grid.left;
    grid["bottom"] = result.grid.bottom;
    grid["spacing"] = result.grid.spacing;
    grid["columns"] = result.grid.columns;
    grid["rows"] = result.grid.rows;
    grid["plot_radius"] = result.plotRadiusMetres;
    py::dict table;
    table["statistics"] = statistics;
    table["grid"] = grid;
    table["surfaces"] = surfaces;
    return table;
}

} // namespace

void addSurfaceFunctions(py::module_ &module)
{
    module.def("sampling_surface", &samplingSurface, py::arg("trees"), py::arg("width"), py::arg("length"),
               py::arg("k"), py::arg("spacing"), py::arg("factors"), py::arg("plot_radius"),
               py::arg("concentric"), py::arg("edge_correction"), py::arg("threads") = 0);
}
