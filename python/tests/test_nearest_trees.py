import _thread
import threading
import time

import numpy as np
import pytest

import kavrel


def brute_force_nearest(trees, points, k):
    squared = ((points[:, None, :] - trees[None, :, :]) ** 2).sum(axis=2)
    return np.argsort(squared, axis=1, kind="stable")[:, :k]


@pytest.mark.parametrize("k", [1, 3, 10])
def test_nearest_trees_are_those_a_full_search_finds(k):
    generator = np.random.default_rng(5)
    trees = generator.uniform(0, 100, (300, 2))
    points = generator.uniform(-10, 110, (200, 2))
    indices, distances = kavrel.nearest_trees(trees, points, k)
    np.testing.assert_array_equal(indices, brute_force_nearest(trees, points, k))
    expected = np.sqrt(((trees[indices] - points[:, None, :]) ** 2).sum(axis=2))
    np.testing.assert_allclose(distances, expected, rtol=1e-15)
    assert indices.dtype == np.int64 and distances.shape == (200, k)


def test_ties_come_in_the_order_of_the_rows():
    indices, distances = kavrel.nearest_trees([[1, 0], [-1, 0], [0, 1], [0, -1]], [[0, 0]], 4)
    assert indices.tolist() == [[0, 1, 2, 3]]
    assert distances.tolist() == [[1.0, 1.0, 1.0, 1.0]]


@pytest.mark.parametrize(
    "trees, points, shape", [([[0, 0], [10, 0]], [[9, 0]], (1, 2)), ([], [[1, 1]], (1, 0)), ([[0, 0]], [], (0, 1))]
)
def test_fewer_trees_than_k_gives_every_tree(trees, points, shape):
    indices, distances = kavrel.nearest_trees(trees, points, 5)
    assert indices.shape == shape and distances.shape == shape


@pytest.mark.parametrize(
    "trees, points, k, error, message",
    [
        ([[0, 0]], [[np.nan, 1]], 1, ValueError, "points has missing"),
        ([[0, np.inf]], [[1, 1]], 1, ValueError, "trees has missing"),
        ([[0, 0]], [[1, 1]], 0, ValueError, "at least 1"),
        ([[1e16, 0]], [[1, 1]], 1, ValueError, "within"),
        ([[0, 0]], [[1, 1, 1, 1]], 1, ValueError, "shape"),
    ],
)
def test_bad_input_raises(trees, points, k, error, message):
    with pytest.raises(error, match=message):
        kavrel.nearest_trees(trees, points, k)


def long_search():
    """Trees and points whose search takes seconds on any machine we know."""
    generator = np.random.default_rng(1)
    return generator.uniform(0, 1000, (100_000, 2)), generator.uniform(0, 1000, (5_000_000, 2))


def test_ctrl_c_stops_a_long_computation():
    trees, points = long_search()
    # Late enough to find the search running, not still checking input.
    timer = threading.Timer(0.2, _thread.interrupt_main)
    timer.start()
    try:
        with pytest.raises(KeyboardInterrupt) as interrupted:
            kavrel.nearest_trees(trees, points, 1)
            threading.Event().wait(30)  # only when the search finished first
    finally:
        timer.cancel()
    assert interrupted.traceback[-1].name == "nearest_trees"


def test_other_threads_run_while_the_engine_works():
    trees, points = long_search()
    ticks = []
    stop = threading.Event()

    def tick():
        while not stop.wait(0.001):
            ticks.append(time.monotonic())

    ticker = threading.Thread(target=tick)
    ticker.start()
    try:
        start = time.monotonic()
        kavrel.nearest_trees(trees, points, 1)
        end = time.monotonic()
    finally:
        stop.set()
        ticker.join()
    # A search that held the interpreter's lock would leave no tick between
    # its start and its end.
    assert any(start < moment < end for moment in ticks)
