import doctest
import itertools
import os
import re
from importlib import metadata
from pathlib import Path

import numpy as np
import pytest

import kavrel

TREES = np.array([[60.0, 75.0, 32.5], [10.0, 80.0, 41.0], [30.0, 50.0, 27.3], [85.0, 20.0, 18.0]])
STAND = (100, 100)


def frame_with(columns, index=None):
    pandas = pytest.importorskip("pandas")
    values = {"x": TREES[:, 0], "y": TREES[:, 1], "d": TREES[:, 2], "tree": [4, 3, 2, 1], "note": list("abcd")}
    return pandas.DataFrame({name: values[name.lower()] for name in columns}, index=index)


@pytest.mark.parametrize(
    "columns",
    [list(order) for order in itertools.permutations(["tree", "x", "y", "d"])]
    + [["note", "Y", "X"], ["D", "note", "x", "y"]],
)
def test_data_frame_columns_are_taken_by_name(columns):
    expected = kavrel.zone_areas(TREES, STAND, 2)
    areas = kavrel.zone_areas(frame_with(columns), STAND, 2)
    np.testing.assert_array_equal(areas.to_numpy(), expected)
    assert areas.name == "area"


def test_results_keep_the_frames_ids_and_row_order():
    frame = frame_with(["y", "x"], index=["oak", "ash", "elm", "yew"])
    areas = kavrel.zone_areas(frame, STAND)
    assert areas.index.tolist() == ["oak", "ash", "elm", "yew"]
    np.testing.assert_array_equal(areas.to_numpy(), kavrel.zone_areas(TREES, STAND))
    probabilities = kavrel.inclusion_probabilities(frame, STAND)
    assert probabilities.name == "probability" and probabilities["elm"] == areas["elm"] / 10000
    assert [zone["id"] for zone in kavrel.inclusion_zones(frame, STAND)] == ["oak", "ash", "elm", "yew"]
    features = kavrel.zones_geojson(frame, STAND)["features"]
    assert [(f["properties"]["tree"], f["properties"]["id"]) for f in features] == list(
        enumerate(["oak", "ash", "elm", "yew"])
    )


@pytest.mark.parametrize(
    "columns, missing", [(["x", "d"], "'y'"), (["y", "tree"], "'x'"), (["X", "x", "y"], "more than one column 'x'")]
)
def test_a_missing_or_doubled_column_is_named(columns, missing):
    with pytest.raises(ValueError, match=missing):
        kavrel.zone_areas(frame_with(columns), STAND)


def test_study_frames_need_their_diameters_by_name():
    array_study = kavrel.sampling_study(TREES, STAND, replicates=5, points=4, seed=3)
    frame_study = kavrel.sampling_study(frame_with(["d", "note", "y", "x"]), STAND, replicates=5, points=4, seed=3)
    np.testing.assert_array_equal(frame_study["mean"], array_study["mean"])
    with pytest.raises(ValueError, match="no column 'd'"):
        kavrel.sampling_study(frame_with(["x", "y"]), STAND)


def test_geopandas_points_give_x_and_y():
    geopandas = pytest.importorskip("geopandas")
    points = geopandas.points_from_xy(TREES[:, 0], TREES[:, 1])
    expected = kavrel.zone_areas(TREES, STAND, 2)
    series = geopandas.GeoSeries(points, index=[11, 12, 13, 14])
    np.testing.assert_array_equal(kavrel.zone_areas(series, STAND, 2).to_numpy(), expected)
    assert kavrel.zone_areas(series, STAND).index.tolist() == [11, 12, 13, 14]
    # The geometry wins over columns that merely look like coordinates.
    frame = geopandas.GeoDataFrame({"x": [0.0] * 4, "d": TREES[:, 2]}, geometry=points)
    np.testing.assert_array_equal(kavrel.zone_areas(frame, STAND, 2).to_numpy(), expected)
    study = kavrel.sampling_study(frame, STAND, replicates=3, points=4)
    assert np.isfinite(study["true_value"]).all()
    from shapely.geometry import LineString

    lines = geopandas.GeoSeries([points[0], LineString([(0, 0), (1, 1)]), None, points[3]])
    with pytest.raises(ValueError, match=r"row\(s\) 1, 2 .*not points"):
        kavrel.zone_areas(lines, STAND)


@pytest.mark.parametrize(
    "trees, stand, error, message",
    [
        ([["1.5", "2"], ["3", "4"]], STAND, TypeError, "real numbers"),
        (np.array([[1, 2], [3, 4]], dtype=str), STAND, TypeError, "real numbers"),
        ([[1 + 0j, 2], [3, 4]], STAND, TypeError, "real numbers"),
        ([[1, 2], [3, "4"]], STAND, TypeError, "real numbers"),
        (np.array([[True, False]]), STAND, TypeError, "real numbers"),
        (TREES, ("100", 100), TypeError, "real numbers"),
        (TREES, (100, 100j), TypeError, "real numbers"),
        (TREES, "100", TypeError, "width, length"),
        (TREES, (1e-300, 1e-300), ValueError, "too small"),
        (TREES, (1e300, 1e300), ValueError, "too large"),
    ],
)
def test_text_complex_numbers_and_degenerate_stands_are_refused(trees, stand, error, message):
    with pytest.raises(error, match=message):
        kavrel.zone_areas(trees, stand)


def test_text_in_a_frame_column_is_refused():
    frame = frame_with(["x", "y"])
    frame["x"] = frame["x"].astype(str)
    with pytest.raises(TypeError, match=r"trees\['x'\] must be real numbers"):
        kavrel.zone_areas(frame, STAND)


def test_a_tiny_stand_that_a_double_holds_still_works():
    assert kavrel.inclusion_probabilities([[0.0, 0.0]], (1e-300, 1.0)).tolist() == [1.0]


def test_a_stand_dict_without_a_stands_name_says_which():
    with pytest.raises(ValueError, match="no rectangle for the stand 'b'"):
        kavrel.sampling_study({"a": TREES, "b": TREES}, {"a": STAND})


def random_trees(n, seed):
    generator = np.random.default_rng(seed)
    return np.column_stack([generator.uniform(0, 80, n), generator.uniform(0, 60, n), generator.uniform(5, 60, n)])


@pytest.mark.parametrize(
    "call",
    [
        lambda trees, threads: kavrel.zone_areas(trees, (80, 60), 3, threads=threads).tolist(),
        lambda trees, threads: kavrel.zones_geojson(trees, (80, 60), 2, threads=threads),
        lambda trees, threads: kavrel.nearest_trees(trees, trees[:50, :2] + 0.5, 4, threads=threads)[0].tolist(),
        lambda trees, threads: kavrel.sampling_study(trees, (80, 60), [1, 4], 30, 8, threads=threads)["mean"].tolist(),
    ],
    ids=["areas", "geojson", "nearest", "study"],
)
def test_the_thread_count_changes_no_number(call):
    trees = random_trees(3000, 5)
    # repr: a NaN (a number the study leaves out) equals itself there.
    assert repr(call(trees, 1)) == repr(call(trees, 2))


@pytest.mark.parametrize(
    "threads, error", [(0, ValueError), (1025, ValueError), (1.0, TypeError), ("2", TypeError), (True, TypeError)]
)
def test_bad_thread_counts_are_refused(threads, error):
    with pytest.raises(error, match="threads"):
        kavrel.zone_areas(TREES, STAND, threads=threads)


def test_kavrel_threads_is_read_and_checked(monkeypatch):
    monkeypatch.setenv("KAVREL_THREADS", "3")
    assert kavrel.default_threads() == 3
    monkeypatch.setenv("KAVREL_THREADS", "many")
    with pytest.raises(ValueError, match="KAVREL_THREADS"):
        kavrel.zone_areas(TREES, STAND)
    assert kavrel.zone_areas(TREES, STAND, threads=2).size == 4


@pytest.mark.skipif(not hasattr(os, "sched_setaffinity"), reason="no processor affinity on this system")
def test_the_default_is_the_processors_this_process_may_use(monkeypatch):
    monkeypatch.delenv("KAVREL_THREADS", raising=False)
    allowed = os.sched_getaffinity(0)
    assert kavrel.default_threads() == len(allowed)
    try:
        os.sched_setaffinity(0, {min(allowed)})
        assert kavrel.default_threads() == 1
    finally:
        os.sched_setaffinity(0, allowed)


def test_the_geojson_matches_the_zones_point_for_point():
    trees = random_trees(200, 8)
    zones = kavrel.inclusion_zones(trees, (80, 60), 3)
    for zone, feature in zip(zones, kavrel.zones_geojson(trees, (80, 60), 3)["features"]):
        assert feature["properties"] == {key: zone[key] for key in ("tree", "k", "area", "probability")}
        expected = [[ring.tolist()] for ring in zone["polygons"]]
        assert (feature["geometry"] or {"coordinates": []})["coordinates"] == expected


def test_the_examples_in_the_docstrings_run():
    result = doctest.testmod(kavrel, extraglobs={"kavrel": kavrel}, optionflags=doctest.NORMALIZE_WHITESPACE)
    assert result.attempted >= 15
    assert result.failed == 0


def test_the_version_is_the_programs():
    assert kavrel.__version__ == metadata.version("kavrel")
    project = Path(__file__).resolve().parents[2] / "CMakeLists.txt"
    if project.is_file():
        version = re.search(r"project\(Kavrel VERSION ([0-9.]+)", project.read_text()).group(1)
        assert kavrel.__version__ == version
