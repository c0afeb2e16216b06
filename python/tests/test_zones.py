import json

import numpy as np
import pytest

import kavrel

EXAMPLE3 = np.array([[60.0, 75.0, 32.5], [10.0, 80.0, 41.0], [30.0, 50.0, 27.3]])


def random_stand(n, width, length, seed):
    generator = np.random.default_rng(seed)
    return np.column_stack([generator.uniform(-5, width + 5, n), generator.uniform(-5, length + 5, n)])


def shoelace(ring):
    x, y = ring[:, 0], ring[:, 1]
    return float(np.sum(x[:-1] * y[1:] - x[1:] * y[:-1]) / 2)


@pytest.mark.parametrize("k", [1, 2, 5, 39])
def test_areas_tile_the_stand_k_times(k):
    trees = random_stand(40, 80, 60, seed=3)
    assert kavrel.zone_areas(trees, (80, 60), k).sum() == pytest.approx(k * 80 * 60, rel=1e-9)
    assert kavrel.inclusion_probabilities(trees, (80, 60), k).sum() == pytest.approx(k, rel=1e-9)


def test_symmetric_pair_splits_at_the_bisector():
    areas = kavrel.zone_areas([[25, 50], [75, 50]], (100, 100))
    assert areas.tolist() == [5000.0, 5000.0]


@pytest.mark.parametrize("k", [3, 7])
def test_order_at_or_above_tree_count_gives_the_whole_stand(k):
    assert kavrel.zone_areas(EXAMPLE3, (100, 100), k).tolist() == [10000.0] * 3


def test_diameter_column_and_plain_lists_are_accepted():
    expected = kavrel.zone_areas(EXAMPLE3[:, :2], (100, 100), 2)
    np.testing.assert_array_equal(kavrel.zone_areas(EXAMPLE3, (100, 100), 2), expected)
    np.testing.assert_array_equal(kavrel.zone_areas(EXAMPLE3.tolist(), [100, 100], np.int64(2)), expected)


def test_stand_without_trees_has_no_zones():
    assert kavrel.zone_areas(np.empty((0, 2)), (10, 10)).shape == (0,)
    assert kavrel.zone_areas([], (10, 10)).shape == (0,)
    assert kavrel.inclusion_zones([], (10, 10)) == []


@pytest.mark.parametrize("k", [1, 3])
def test_outlines_enclose_the_zone_areas(k):
    trees = random_stand(30, 50, 40, seed=11)
    zones = kavrel.inclusion_zones(trees, (50, 40), k)
    assert [zone["tree"] for zone in zones] == list(range(30))
    for zone in zones:
        assert zone["k"] == k
        assert sum(shoelace(ring) for ring in zone["polygons"]) == pytest.approx(zone["area"], rel=1e-9)
        for ring in zone["polygons"]:
            assert ring.shape[1] == 2
            np.testing.assert_array_equal(ring[0], ring[-1])


def test_zone_missing_the_stand_has_no_polygons_and_null_geometry():
    trees = [[5, 5], [6, 5], [500, 500]]
    zones = kavrel.inclusion_zones(trees, (10, 10))
    assert zones[2]["area"] == 0.0 and zones[2]["polygons"] == []
    collection = kavrel.zones_geojson(trees, (10, 10))
    assert collection["features"][2]["geometry"] is None


def test_geojson_is_plain_json_with_closed_rings():
    collection = json.loads(json.dumps(kavrel.zones_geojson(EXAMPLE3, (100, 100), 2)))
    assert collection["type"] == "FeatureCollection"
    areas = kavrel.zone_areas(EXAMPLE3, (100, 100), 2)
    for feature, area in zip(collection["features"], areas):
        # The outlines come from a clipping of their own, so the last bit may differ.
        assert feature["properties"]["area"] == pytest.approx(area, rel=1e-12)
        assert feature["properties"]["probability"] == feature["properties"]["area"] / 10000
        for polygon in feature["geometry"]["coordinates"]:
            assert polygon[0][0] == polygon[0][-1]


def test_shapely_takes_the_zones_as_they_are():
    shapely_geometry = pytest.importorskip("shapely.geometry")
    for zone, feature in zip(
        kavrel.inclusion_zones(EXAMPLE3, (100, 100)), kavrel.zones_geojson(EXAMPLE3, (100, 100))["features"]
    ):
        polygon = shapely_geometry.MultiPolygon([(ring, []) for ring in zone["polygons"]])
        assert polygon.is_valid
        assert polygon.area == pytest.approx(zone["area"], rel=1e-12)
        assert shapely_geometry.shape(feature["geometry"]).area == pytest.approx(zone["area"], rel=1e-12)


BAD_INPUT = [
    ([[1, np.nan], [2, 2]], (10, 10), 1, ValueError, "row\\(s\\) 0"),
    ([[1, 1], [np.inf, 2]], (10, 10), 1, ValueError, "non-finite"),
    ([[1, 1], [2, None]], (10, 10), 1, ValueError, "non-finite"),
    ([1, 2, 3], (10, 10), 1, ValueError, "shape"),
    ([[1, 2, 3, 4]], (10, 10), 1, ValueError, "shape"),
    ([["a", "b"]], (10, 10), 1, TypeError, "numbers"),
    (EXAMPLE3, (10, 10), 0, ValueError, "at least 1"),
    (EXAMPLE3, (10, 10), -3, ValueError, "at least 1"),
    (EXAMPLE3, (10, 10), 10**20, ValueError, "at most"),
    (EXAMPLE3, (10, 10), 1.5, TypeError, "whole number"),
    (EXAMPLE3, (10, 10), True, TypeError, "whole number"),
    (EXAMPLE3, (10, 10), None, TypeError, "whole number"),
    (EXAMPLE3, (0, 10), 1, ValueError, "positive"),
    (EXAMPLE3, (10, np.nan), 1, ValueError, "positive"),
    (EXAMPLE3, (10, -1), 1, ValueError, "positive"),
    (EXAMPLE3, (10,), 1, ValueError, "width, length"),
    (EXAMPLE3, 10, 1, ValueError, "width, length"),
]


@pytest.mark.parametrize("function", [kavrel.zone_areas, kavrel.inclusion_zones, kavrel.zones_geojson])
@pytest.mark.parametrize("trees, stand, k, error, message", BAD_INPUT)
def test_bad_input_raises_a_python_exception(function, trees, stand, k, error, message):
    with pytest.raises(error, match=message):
        function(trees, stand, k)


@pytest.mark.parametrize(
    "call, message",
    [
        (lambda: kavrel._engine.zone_areas(np.array([[np.nan, 1.0]]), 10, 10, 1), "tree 1 .* must be finite"),
        (lambda: kavrel._engine.zone_areas(np.array([1.0, 2.0]), 10, 10, 1), "shape"),
        (lambda: kavrel._engine.zone_areas(np.array([[1.0, 2.0]]), 0, 10, 1), "positive"),
        (lambda: kavrel._engine.inclusion_zones(np.array([[1.0, 2.0]]), 10, 10, 0), "at least 1"),
    ],
)
def test_the_compiled_routines_refuse_bad_input_themselves(call, message):
    with pytest.raises(ValueError, match=message):
        call()
