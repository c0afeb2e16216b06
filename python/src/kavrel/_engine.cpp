// The Python side of the engine. The Python functions check their arguments
// first and the engine checks them again; what it throws becomes a Python
// exception. The interpreter's lock is released while the engine works on its
// own copies of the data, and taken back only to look for Ctrl-C when the
// engine reports progress from the calling thread.
#include "_calls.h"
#include "_surface.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <kavrel/inclusionzones.h>
#include <kavrel/nearesttrees.h>
#include <kavrel/progress.h>
#include <kavrel/study.h>
#include <kavrel/threads.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>
#include <stdexcept>
#include <string>
#include <vector>

namespace py = pybind11;

namespace {

using Coordinates = py::array_t<double, py::array::c_style | py::array::forcecast>;

std::vector<kavrel::Point> pointsOf(const Coordinates &coordinates, const char *what)
{
    if (coordinates.ndim() != 2 || coordinates.shape(1) < 2)
        throw std::invalid_argument(std::string(what) + " must be an array of shape (n, 2)");
    const auto view = coordinates.unchecked<2>();
    std::vector<kavrel::Point> points;
    points.reserve(std::size_t(view.shape(0)));
    for (py::ssize_t i = 0; i < view.shape(0); ++i) {
        points.push_back(kavrel::Point{view(i, 0), view(i, 1)});
    }
    return points;
}

int orderOf(long long k)
{
    if (k < 1 || k > 1'000'000'000)
        throw std::invalid_argument("k must be a whole number of at least 1");
    return int(k);
}

py::array_t<double> arrayOf(const std::vector<double> &values)
{
    return py::array_t<double>(py::ssize_t(values.size()), values.data());
}

// A closed ring, shapely- and GeoJSON-ready: the first point again at the end.
py::array_t<double> ringArray(const kavrel::ZoneRing &ring)
{
    const py::ssize_t rows = py::ssize_t(ring.size()) + 1;
    py::array_t<double> array({rows, py::ssize_t(2)});
    auto view = array.mutable_unchecked<2>();
    for (py::ssize_t v = 0; v < rows; ++v) {
        const kavrel::Point p = ring[std::size_t(v) % ring.size()];
        view(v, 0) = p.x;
        view(v, 1) = p.y;
    }
    return array;
}

py::array_t<double> zoneAreas(const Coordinates &trees, double width, double length, long long k, int threads)
{
    const std::vector<kavrel::Point> points = pointsOf(trees, "trees");
    const kavrel::StandRectangle stand{width, length};
    const int order = orderOf(k);
    const kavrel::ThreadCountScope threadCount(threads);
    return arrayOf(withoutLock([&](const kavrel::Progress &progress) {
        return kavrel::inclusionZoneAreas(points, stand, order, progress);
    }));
}

std::vector<kavrel::InclusionZone> computeZones(const Coordinates &trees, double width, double length, long long k,
                                                int threads)
{
    const std::vector<kavrel::Point> points = pointsOf(trees, "trees");
    const kavrel::StandRectangle stand{width, length};
    const int order = orderOf(k);
    const kavrel::ThreadCountScope threadCount(threads);
    return withoutLock([&](const kavrel::Progress &progress) {
        return kavrel::inclusionZones(points, stand, order, progress);
    });
}

py::tuple inclusionZones(const Coordinates &trees, double width, double length, long long k, int threads)
{
    const std::vector<kavrel::InclusionZone> zones = computeZones(trees, width, length, k, threads);
    std::vector<double> areas;
    py::list rings;
    for (const kavrel::InclusionZone &zone : zones) {
        areas.push_back(zone.area);
        py::list polygons;
        for (const kavrel::ZoneRing &ring : zone.rings)
            polygons.append(ringArray(ring));
        rings.append(polygons);
    }
    return py::make_tuple(arrayOf(areas), rings);
}

py::tuple nearestTrees(const Coordinates &trees, const Coordinates &points, long long k, int threads)
{
    const std::vector<kavrel::Point> treePoints = pointsOf(trees, "trees");
    const std::vector<kavrel::Point> queryPoints = pointsOf(points, "points");
    const int order = orderOf(k);
    const kavrel::ThreadCountScope threadCount(threads);
    const kavrel::NearestTrees nearest = withoutLock([&](const kavrel::Progress &progress) {
        return kavrel::nearestTrees(treePoints, queryPoints, order, progress);
    });
    const py::ssize_t rows = py::ssize_t(queryPoints.size());
    const py::ssize_t columns = nearest.k;
    py::array_t<std::int64_t> indices({rows, columns});
    py::array_t<double> distances({rows, columns});
    auto indexView = indices.mutable_unchecked<2>();
    auto distanceView = distances.mutable_unchecked<2>();
    for (py::ssize_t p = 0; p < rows; ++p) {
        for (py::ssize_t j = 0; j < columns; ++j) {
            const std::size_t entry = std::size_t(p * columns + j);
            indexView(p, j) = std::int64_t(nearest.indices[entry]);
            distanceView(p, j) = nearest.distances[entry];
        }
    }
    return py::make_tuple(indices, distances);
}

// GeoJSON positions straight from the engine's rings: one list [x, y] per
// vertex, the ring closed by its first vertex again, no arrays on the way.
py::list ringPositions(const kavrel::ZoneRing &ring)
{
    py::list positions(ring.size() + 1);
    for (std::size_t v = 0; v <= ring.size(); ++v) {
        const kavrel::Point p = ring[v % ring.size()];
        py::list position(2);
        position[0] = py::float_(p.x);
        position[1] = py::float_(p.y);
        positions[v] = std::move(position);
    }
    return positions;
}

py::object zoneGeometry(const kavrel::InclusionZone &zone)
{
    if (zone.rings.empty())
        return py::none();
    py::list polygons(zone.rings.size());
    for (std::size_t r = 0; r < zone.rings.size(); ++r) {
        py::list polygon(1);
        polygon[0] = ringPositions(zone.rings[r]);
        polygons[r] = std::move(polygon);
    }
    py::dict geometry;
    geometry["type"] = "MultiPolygon";
    geometry["coordinates"] = std::move(polygons);
    return std::move(geometry);
}

// The FeatureCollection of zones_geojson(), built in one pass; ids (a list,
// or None) go into the properties as "id".
py::dict zonesGeojson(const Coordinates &trees, double width, double length, long long k, int threads,
                      const py::object &ids)
{
    const std::vector<kavrel::InclusionZone> zones = computeZones(trees, width, length, k, threads);
    const bool withIds = !ids.is_none();
    const py::list idList = withIds ? py::list(ids) : py::list();
    if (withIds && idList.size() != zones.size())
        throw std::invalid_argument("ids must be one per tree");
    const double standArea = width * length;
    const py::str feature("Feature");
    const py::int_ order(k);
    py::list features(zones.size());
    for (std::size_t t = 0; t < zones.size(); ++t) {
        py::dict properties;
        properties["tree"] = py::int_(t);
        if (withIds)
            properties["id"] = idList[t];
        properties["k"] = order;
        properties["area"] = py::float_(zones[t].area);
        properties["probability"] = py::float_(zones[t].area / standArea);
        py::dict item;
        item["type"] = feature;
        item["geometry"] = zoneGeometry(zones[t]);
        item["properties"] = std::move(properties);
        features[t] = std::move(item);
    }
    py::dict collection;
    collection["type"] = "FeatureCollection";
    collection["features"] = std::move(features);
    return collection;
}

kavrel::StudyDesign designOf(const std::string &name)
{
    if (name == "random")
        return kavrel::StudyDesign::Random;
    if (name == "systematic")
        return kavrel::StudyDesign::Systematic;
    throw std::invalid_argument("the design must be \"random\" or \"systematic\", not \"" + name + "\"");
}

// A stand is (name, width, length, trees), the trees' columns x, y and the
// diameter in metres.
kavrel::StudyStand studyStandOf(const py::tuple &stand)
{
    kavrel::StudyStand result;
    result.name = stand[0].cast<std::string>();
    result.extent = kavrel::Extent{0.0, 0.0, stand[1].cast<double>(), stand[2].cast<double>()};
    const Coordinates trees = stand[3].cast<Coordinates>();
    if (trees.ndim() != 2 || trees.shape(1) != 3)
        throw std::invalid_argument("the trees of a study must be an array of shape (n, 3): x, y, d");
    const auto view = trees.unchecked<2>();
    for (py::ssize_t t = 0; t < view.shape(0); ++t) {
        result.trees.push_back(kavrel::Point{view(t, 0), view(t, 1)});
        result.diametersMetres.push_back(view(t, 2));
    }
    return result;
}

template <class Value, class Field> py::array_t<Value> column(const std::vector<kavrel::StudyRow> &rows, Field field)
{
    py::array_t<Value> values(py::ssize_t(rows.size()));
    auto view = values.template mutable_unchecked<1>();
    for (std::size_t i = 0; i < rows.size(); ++i)
        view(py::ssize_t(i)) = Value(field(rows[i]));
    return values;
}

template <class Field> py::list textColumn(const std::vector<kavrel::StudyRow> &rows, Field field)
{
    py::list values;
    for (const kavrel::StudyRow &row : rows)
        values.append(field(row));
    return values;
}

py::dict samplingStudy(const py::list &stands, const std::vector<long long> &orders,
                       const std::vector<std::string> &designs, long long replicates, long long points,
                       unsigned long long seed, double buffer, bool torus, std::optional<double> plotRadius,
                       int threads, const std::vector<double> &factors,
                       const std::vector<std::pair<double, double>> &concentric,
                       const std::vector<std::string> &corrections)
{
    std::vector<kavrel::StudyStand> studyStands;
    for (const py::handle &stand : stands)
        studyStands.push_back(studyStandOf(stand.cast<py::tuple>()));
    kavrel::StudySettings settings;
    settings.orders.clear();
    for (const long long k : orders)
        settings.orders.push_back(orderOf(k));
    settings.designs.clear();
    for (const std::string &design : designs)
        settings.designs.push_back(designOf(design));
    settings.replicates = replicates;
    settings.points = points;
    settings.seed = seed;
    settings.bufferMetres = buffer;
    settings.torus = torus;
    settings.plotRadiusMetres = plotRadius;
    settings.basalAreaFactors = factors;
    for (const auto &[radius, diameter] : concentric)
        settings.concentric.push_back({radius, diameter});
    settings.edgeCorrections.clear();
    for (const std::string &name : corrections)
        settings.edgeCorrections.push_back(kavrel::edgeCorrectionArgument(name));

    const kavrel::ThreadCountScope threadCount(threads);
    const kavrel::StudyResult result = withoutLock(
        [&](const kavrel::Progress &progress) { return kavrel::runStudy(studyStands, settings, progress); });
    const std::vector<kavrel::StudyRow> &rows = result.summary;
    using Row = kavrel::StudyRow;
    // Column by column, as the tool's CSV has them.
    py::dict table;
    table["stand"] = textColumn(rows, [](const Row &r) { return r.stand; });
    table["k"] = column<std::int64_t>(rows, [](const Row &r) { return r.k; });
    table["design"] = textColumn(rows, [](const Row &r) { return r.design; });
    table["edge"] = textColumn(rows, [](const Row &r) { return r.edge; });
    table["estimator"] = textColumn(rows, [](const Row &r) { return r.estimator; });
    table["quantity"] = textColumn(rows, [](const Row &r) { return r.quantity; });
    table["true_value"] = column<double>(rows, [](const Row &r) { return r.trueValue; });
    table["mean"] = column<double>(rows, [](const Row &r) { return r.mean; });
    table["bias"] = column<double>(rows, [](const Row &r) { return r.bias; });
    table["relative_bias"] = column<double>(rows, [](const Row &r) { return r.relativeBias; });
    table["empirical_se"] = column<double>(rows, [](const Row &r) { return r.empiricalStandardError; });
    table["mc_se_of_mean"] = column<double>(rows, [](const Row &r) { return r.monteCarloError; });
    table["rmse"] = column<double>(rows, [](const Row &r) { return r.rmse; });
    table["mean_estimated_se"] = column<double>(rows, [](const Row &r) { return r.meanEstimatedStandardError; });
    table["coverage_95"] = column<double>(rows, [](const Row &r) { return r.coverage; });
    table["unreachable_trees"] = column<std::int64_t>(rows, [](const Row &r) { return r.unreachableTrees; });
    table["note"] = textColumn(rows, [](const Row &r) { return r.note; });
    table["seed"] = column<std::uint64_t>(rows, [](const Row &r) { return r.seed; });
    table["points"] = column<std::int64_t>(rows, [](const Row &r) { return r.points; });
    table["replicates"] = column<std::int64_t>(rows, [](const Row &r) { return r.replicates; });
    table["buffer_m"] = column<double>(rows, [](const Row &r) { return r.bufferMetres; });
    table["plot_radius_m"] = column<double>(rows, [](const Row &r) { return r.plotRadiusMetres; });
    return table;
}

} // namespace

PYBIND11_MODULE(_engine, module)
{
    module.doc() = "Kavrel's zone engine; use the functions of the kavrel package.";
    module.def("zone_areas", &zoneAreas, py::arg("trees"), py::arg("width"), py::arg("length"), py::arg("k"),
               py::arg("threads") = 0);
    module.def("inclusion_zones", &inclusionZones, py::arg("trees"), py::arg("width"), py::arg("length"),
               py::arg("k"), py::arg("threads") = 0);
    module.def("zones_geojson", &zonesGeojson, py::arg("trees"), py::arg("width"), py::arg("length"),
               py::arg("k"), py::arg("threads") = 0, py::arg("ids") = py::none());
    module.def("nearest_trees", &nearestTrees, py::arg("trees"), py::arg("points"), py::arg("k"),
               py::arg("threads") = 0);
    module.def("sampling_study", &samplingStudy, py::arg("stands"), py::arg("orders"), py::arg("designs"),
               py::arg("replicates"), py::arg("points"), py::arg("seed"), py::arg("buffer"), py::arg("torus"),
               py::arg("plot_radius"), py::arg("threads") = 0, py::arg("factors") = std::vector<double>{},
               py::arg("concentric") = std::vector<std::pair<double, double>>{},
               py::arg("corrections") = std::vector<std::string>{"clip"});
    addSurfaceFunctions(module);
    module.def("thread_count", &kavrel::threadCount,
               "The threads a call computes on by default: KAVREL_THREADS or the process's processors.");
    module.def(
        "threads_environment_problem", [] { return kavrel::threadsFromEnvironment().error; },
        "What is wrong with KAVREL_THREADS, empty when it is unset or fine.");
}
