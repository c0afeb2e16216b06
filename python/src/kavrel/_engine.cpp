// The Python side of the engine. The Python functions check their arguments
// first; these routines check them again, so a direct call cannot reach the
// engine with input it does not take, and the interpreter's lock is released
// while the engine works on its own copies of the data.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <kavrel/inclusionzones.h>

#include <cmath>
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
        const double x = view(i, 0);
        const double y = view(i, 1);
        if (!std::isfinite(x) || !std::isfinite(y))
            throw std::invalid_argument(std::string(what) + " row " + std::to_string(i) +
                                        " has a missing or non-finite coordinate");
        points.push_back(kavrel::Point{x, y});
    }
    return points;
}

kavrel::StandRectangle standOf(double width, double length)
{
    if (!(width > 0.0) || !(length > 0.0) || !std::isfinite(width) || !std::isfinite(length))
        throw std::invalid_argument("the stand's width and length must be positive and finite");
    return {width, length};
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

py::array_t<double> zoneAreas(const Coordinates &trees, double width, double length, long long k)
{
    const std::vector<kavrel::Point> points = pointsOf(trees, "trees");
    const kavrel::StandRectangle stand = standOf(width, length);
    const int order = orderOf(k);
    std::vector<double> areas;
    {
        py::gil_scoped_release release;
        areas = kavrel::inclusionZoneAreas(points, stand, order);
    }
    return arrayOf(areas);
}

py::tuple inclusionZones(const Coordinates &trees, double width, double length, long long k)
{
    const std::vector<kavrel::Point> points = pointsOf(trees, "trees");
    const kavrel::StandRectangle stand = standOf(width, length);
    const int order = orderOf(k);
    std::vector<kavrel::InclusionZone> zones;
    {
        py::gil_scoped_release release;
        zones = kavrel::inclusionZones(points, stand, order);
    }
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

} // namespace

PYBIND11_MODULE(_engine, module)
{
    module.doc() = "Kavrel's zone engine; use the functions of the kavrel package.";
    module.def("zone_areas", &zoneAreas, py::arg("trees"), py::arg("width"), py::arg("length"), py::arg("k"));
    module.def("inclusion_zones", &inclusionZones, py::arg("trees"), py::arg("width"), py::arg("length"),
               py::arg("k"));
}
