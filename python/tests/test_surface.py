import _thread
import csv
import io
import threading

import numpy as np
import pytest

import kavrel

from conftest import read_stand_file


def poisson_trees(seed, count=300, side=100.0):
    generator = np.random.default_rng(seed)
    return np.column_stack(
        [generator.uniform(0, side, count), generator.uniform(0, side, count), generator.uniform(10, 50, count)]
    )


def test_surface_gives_the_numbers_of_kavrel_zones_surface(zones_tool, sample_stand):
    path = sample_stand("sample50.txt")
    stand, trees = read_stand_file(path)
    arguments = ["--order", "3", "--spacing", "2", "--baf", "2,4", "--concentric", "3:0,6:30", "--edge-correction"]
    for correction in ("clip", "mirage"):
        rows = list(csv.DictReader(io.StringIO(zones_tool.run("surface", *arguments, correction, str(path)))))
        ours = kavrel.sampling_surface(
            trees, stand, 2, k=3, baf=[2, 4], concentric=[(3, 0), (6, 30)], edge_correction=correction
        )
        statistics = ours["statistics"]
        assert statistics["design"] == [row["design"] for row in rows]
        assert statistics["quantity"] == [row["quantity"] for row in rows]
        for column in ("true_value", "surface_mean", "single_point_sd", "minimum", "maximum"):
            np.testing.assert_array_equal(statistics[column], [float(row[column]) for row in rows], err_msg=column)


@pytest.mark.parametrize("correction", ["clip", "walkthrough", "mirage"])
def test_surface_means_are_the_true_values(correction):
    trees = poisson_trees(3)
    result = kavrel.sampling_surface(
        trees, (100, 100), 0.5, k=2, baf=4, concentric=[(4, 0), (9, 25)], edge_correction=correction
    )
    statistics = result["statistics"]
    for design, quantity, truth, mean in zip(
        statistics["design"], statistics["quantity"], statistics["true_value"], statistics["surface_mean"]
    ):
        assert abs(mean - truth) < 0.015 * truth, (design, quantity)
    surface = result["surfaces"]["k_tree_trees_per_ha"]
    assert surface.shape == (result["grid"]["rows"], result["grid"]["columns"]) == (200, 200)
    assert surface.mean() == pytest.approx(statistics["surface_mean"][0], rel=1e-12)


def test_surface_rows_run_from_north_to_south():
    # One tree near the north edge: only the top rows of its plot surface see it.
    result = kavrel.sampling_surface([[50, 95, 30]], (100, 100), 1, plot_radius=3)
    surface = result["surfaces"]["fixed_plot_trees_per_ha"]
    assert surface[:3].sum() > 0
    assert surface[50:].sum() == 0


@pytest.mark.parametrize(
    "arguments, error",
    [
        ({"spacing": 0}, ValueError),
        ({"spacing": 1, "baf": [4, -1]}, ValueError),
        ({"spacing": 1, "edge_correction": "reflect"}, ValueError),
        ({"spacing": 1, "concentric": [(5, 0), (4, 20)]}, ValueError),
        ({"spacing": 1, "k": 0}, ValueError),
        ({"spacing": 500}, ValueError),
    ],
)
def test_surface_refuses_bad_input(arguments, error):
    with pytest.raises(error):
        kavrel.sampling_surface(poisson_trees(1, 20), (100, 100), **arguments)


def surface_with(threads):
    return kavrel.sampling_surface(
        poisson_trees(4, 400, 80.0), (80, 60), 0.5, k=3, baf=4, edge_correction="mirage", threads=threads
    )


@pytest.mark.parametrize("threads", [2, 3])
def test_the_thread_count_changes_no_surface(threads):
    one, many = surface_with(1), surface_with(threads)
    # repr: a NaN (a relative difference from a zero truth) equals itself there.
    assert repr(many["statistics"]) == repr(one["statistics"])
    assert many["surfaces"].keys() == one["surfaces"].keys()
    for name, surface in one["surfaces"].items():
        np.testing.assert_array_equal(many["surfaces"][name], surface, err_msg=name)


@pytest.mark.parametrize(
    "threads, error", [(0, ValueError), (1025, ValueError), (1.0, TypeError), ("2", TypeError), (True, TypeError)]
)
def test_surface_refuses_bad_thread_counts(threads, error):
    with pytest.raises(error, match="threads"):
        kavrel.sampling_surface(poisson_trees(1, 20), (100, 100), 4, threads=threads)


def test_ctrl_c_stops_a_long_surface():
    # Zones of order 8 for 2 * 10^5 trees take seconds on any machine we know.
    generator = np.random.default_rng(3)
    trees = np.column_stack([generator.uniform(0, 2000, (200_000, 2)), np.full(200_000, 30.0)])
    # Late enough to find the surface running, not still checking input.
    timer = threading.Timer(0.2, _thread.interrupt_main)
    timer.start()
    try:
        with pytest.raises(KeyboardInterrupt) as interrupted:
            kavrel.sampling_surface(trees, (2000, 2000), 10, k=8, threads=2)
            threading.Event().wait(30)  # only when the surface finished first
    finally:
        timer.cancel()
    assert interrupted.traceback[-1].name == "sampling_surface"


def test_study_with_the_disc_designs_gives_the_numbers_of_kavrel_zones_study(zones_tool, sample_stand):
    path = sample_stand("sample50.txt")
    stand, trees = read_stand_file(path)
    output = zones_tool.run(
        "study", "--order", "2,4", "--replicates", "20", "--points", "8", "--seed", "3",
        "--baf", "2,4", "--concentric", "3:0,6:30", "--edge-correction", "clip,mirage", str(path),
    )  # fmt: skip
    rows = list(csv.DictReader(io.StringIO(output)))
    ours = kavrel.sampling_study(
        {str(path): trees}, stand, k=[2, 4], replicates=20, points=8, seed=3, baf=[2, 4],
        concentric=[(3, 0), (6, 30)], edge_correction=["clip", "mirage"],
    )  # fmt: skip
    assert ours["estimator"] == [row["estimator"] for row in rows]
    assert {"angle_count_baf4", "concentric_mirage", "fixed_plot_mirage"} <= set(ours["estimator"])
    for column in ("mean", "rmse", "coverage_95"):
        np.testing.assert_array_equal(ours[column], [float(row[column]) for row in rows], err_msg=column)


def test_study_disc_designs_are_unbiased_under_each_correction():
    trees = poisson_trees(8)
    study = kavrel.sampling_study(
        trees, (100, 100), k=3, replicates=800, points=10, seed=2, baf=4, edge_correction=["walkthrough", "mirage"]
    )
    chosen = [i for i, name in enumerate(study["estimator"]) if name.endswith(("_walkthrough", "_mirage"))]
    assert len(chosen) == 2 * 2 * 2
    for i in chosen:
        assert abs(study["bias"][i]) < 4 * study["mc_se_of_mean"][i], study["estimator"][i]
    with pytest.raises(ValueError):
        kavrel.sampling_study(trees, (100, 100), edge_correction=["mirage", "mirage"])
    with pytest.raises(ValueError):
        kavrel.sampling_study(trees, (100, 100), baf=0)
