"""Exact inclusion zones of k-tree sampling.

In k-tree sampling the k trees nearest to a sample point enter the sample. The
inclusion zone of order k of a tree is the part of the stand from which that
holds: the points from which at most k - 1 other trees are strictly nearer.
This module computes the zones exactly, clipped to a rectangular stand
[0, width] x [0, length] (stand metres, y pointing up), with the same engine
as the Kavrel program and its command-line tool ``kavrel-zones``.

Trees and points are array-likes of shape (n, 2) with columns x and y; a third
column (a diameter, as in a stand file) is ignored. Trees are numbered by their
row, from 0. Bad input raises ``ValueError`` or ``TypeError``.
"""

import numbers
import operator

import numpy as np

from . import _engine

__all__ = [
    "zone_areas",
    "inclusion_probabilities",
    "inclusion_zones",
    "zones_geojson",
    "nearest_trees",
    "sampling_study",
]

_METRES_PER_DIAMETER_UNIT = {"cm": 0.01, "mm": 0.001, "m": 1.0}


def _coordinates(values, name):
    try:
        array = np.asarray(values, dtype=np.float64)
    except (TypeError, ValueError) as error:
        raise TypeError(f"{name} must be numbers: {error}") from None
    if array.size == 0:
        return np.empty((0, 2))
    if array.ndim != 2 or array.shape[1] not in (2, 3):
        raise ValueError(f"{name} must have shape (n, 2) (x, y) or (n, 3) (x, y, d), not {array.shape}")
    bad = np.flatnonzero(~np.isfinite(array[:, :2]).all(axis=1))
    if bad.size:
        rows = ", ".join(str(row) for row in bad[:5]) + (", ..." if bad.size > 5 else "")
        raise ValueError(f"{name} has missing or non-finite coordinates in row(s) {rows}")
    return np.ascontiguousarray(array[:, :2])


def _stand(stand):
    try:
        width, length = (float(value) for value in stand)
    except (TypeError, ValueError):
        raise ValueError("stand must be the stand's (width, length) in metres") from None
    if not (np.isfinite(width) and np.isfinite(length) and width > 0 and length > 0):
        raise ValueError(f"stand must be two positive, finite numbers, not ({width}, {length})")
    return width, length


def _order(k):
    if isinstance(k, bool) or not isinstance(k, numbers.Integral):
        raise TypeError(f"k must be a whole number, not {k!r}")
    k = operator.index(k)
    if k < 1:
        raise ValueError(f"k must be at least 1, not {k}")
    if k > 10**9:
        raise ValueError(f"k must be at most 10**9, not {k}")
    return k


def zone_areas(trees, stand, k=1):
    """Area in m² of every tree's order-k inclusion zone within the stand.

    ``stand`` is (width, length) in metres. The areas are exact; with at least
    k trees (none coincident) they add up to k times the stand area, and with k
    or fewer trees every zone is the whole stand. Returns an array of shape (n,).
    """
    trees = _coordinates(trees, "trees")
    width, length = _stand(stand)
    return _engine.zone_areas(trees, width, length, _order(k))


def inclusion_probabilities(trees, stand, k=1):
    """Every tree's inclusion probability in k-tree sampling: zone area / stand area."""
    width, length = _stand(stand)
    return zone_areas(trees, stand, k) / (width * length)


def inclusion_zones(trees, stand, k=1):
    """The order-k inclusion zone of every tree as polygons, with area and probability.

    Returns one dict per tree, in the trees' order: ``tree`` (row number),
    ``k``, ``area`` (m²), ``probability`` and ``polygons``, a list of closed
    counter-clockwise rings, each an array of shape (m, 2) whose last row
    repeats its first. A zone has no holes; a zone that does not reach into the
    stand has no polygons. ``shapely.MultiPolygon([(ring, []) for ring in
    zone["polygons"]])`` makes a shapely geometry of it.
    """
    trees = _coordinates(trees, "trees")
    width, length = _stand(stand)
    k = _order(k)
    areas, rings = _engine.inclusion_zones(trees, width, length, k)
    stand_area = width * length
    return [
        {"tree": tree, "k": k, "area": float(area), "probability": float(area / stand_area), "polygons": polygons}
        for tree, (area, polygons) in enumerate(zip(areas, rings))
    ]


def zones_geojson(trees, stand, k=1):
    """The order-k zones as a GeoJSON-like FeatureCollection dict.

    One MultiPolygon feature per tree (null geometry when its zone does not
    reach into the stand) in stand metres, with the properties ``tree``, ``k``,
    ``area`` and ``probability``, as ``kavrel-zones --geojson`` writes them
    (trees numbered from 0 here). ``geopandas.GeoDataFrame.from_features``
    and ``shapely.geometry.shape`` take it as it is.
    """
    features = []
    for zone in inclusion_zones(trees, stand, k):
        geometry = None
        if zone["polygons"]:
            geometry = {
                "type": "MultiPolygon",
                "coordinates": [[ring.tolist()] for ring in zone["polygons"]],
            }
        properties = {key: zone[key] for key in ("tree", "k", "area", "probability")}
        features.append({"type": "Feature", "geometry": geometry, "properties": properties})
    return {"type": "FeatureCollection", "features": features}


def nearest_trees(trees, points, k=1):
    """The k nearest trees of every point, nearest first.

    Trees at the same distance come in the order of their rows. Returns
    ``(indices, distances)``, two arrays of shape (number of points, min(k,
    number of trees)): the trees' row numbers (from 0) and their distances to
    the point.
    """
    trees = _coordinates(trees, "trees")
    points = _coordinates(points, "points")
    return _engine.nearest_trees(trees, points, _order(k))


def _whole(value, name, least, most):
    if isinstance(value, bool) or not isinstance(value, numbers.Integral):
        raise TypeError(f"{name} must be a whole number, not {value!r}")
    value = operator.index(value)
    if not least <= value <= most:
        raise ValueError(f"{name} must be from {least} to {most}, not {value}")
    return value


def _study_stand(name, trees, stand, metres):
    try:
        array = np.asarray(trees, dtype=np.float64)
    except (TypeError, ValueError) as error:
        raise TypeError(f"the trees of stand {name} must be numbers: {error}") from None
    if array.size == 0:
        array = np.empty((0, 3))
    if array.ndim != 2 or array.shape[1] != 3:
        raise ValueError(f"the trees of stand {name} must have shape (n, 3): x, y, d")
    bad = np.flatnonzero(~np.isfinite(array).all(axis=1))
    if bad.size:
        raise ValueError(f"the trees of stand {name} have missing or non-finite values in row(s) {bad[:5].tolist()}")
    width, length = _stand(stand)
    return (str(name), width, length, array * np.array([1.0, 1.0, metres]))


def sampling_study(
    trees,
    stand,
    k=1,
    replicates=100,
    points=20,
    design="random",
    seed=1,
    buffer=0.0,
    torus=False,
    plot_radius=None,
    diameter_unit="cm",
):
    """A replicated k-tree sampling study, in the long form of the tool's study CSV.

    Draws ``replicates`` samples of ``points`` sample points in every stand, for
    every order in ``k`` (an int or a sequence) and every design (``"random"``,
    ``"systematic"`` or a sequence of both), evaluates the Horvitz-Thompson,
    distance and fixed-plot estimators of trees and basal area per hectare and
    summarises them over the samples. ``trees`` is an array of shape (n, 3) with
    x, y and the diameter d (in ``diameter_unit``: "cm", "mm" or "m") of one
    stand, or a dict of such arrays by stand name; ``stand`` is (width, length)
    or a dict of them by the same names. ``buffer`` keeps the sample points that
    far inside the stand (the population is then the trees of the inner
    rectangle, those of the strip are neighbours only), ``torus`` wraps the stand around, ``plot_radius`` is
    the fixed plot's radius (by default the one expecting k trees).

    Returns a dict of columns (``pandas.DataFrame(result)`` makes a table of
    it; the systematic grid tiles the sampled rectangle with a x b cells, the
    count ``points`` or the nearest one whose cells stay near square, as the
    result's points column says): stand, k, design, edge, estimator, quantity, true_value, mean, bias,
    relative_bias, empirical_se, mc_se_of_mean, rmse, mean_estimated_se,
    coverage_95, unreachable_trees, note, seed, points, replicates, buffer_m and
    plot_radius_m; missing numbers are NaN and ``note`` says why.
    """
    if diameter_unit not in _METRES_PER_DIAMETER_UNIT:
        raise ValueError(f'diameter_unit must be "cm", "mm" or "m", not {diameter_unit!r}')
    metres = _METRES_PER_DIAMETER_UNIT[diameter_unit]
    if isinstance(trees, dict):
        stands = [
            _study_stand(name, stand_trees, stand[name] if isinstance(stand, dict) else stand, metres)
            for name, stand_trees in trees.items()
        ]
    else:
        stands = [_study_stand("stand", trees, stand, metres)]
    orders = [_order(order) for order in (k if isinstance(k, (list, tuple, range, np.ndarray)) else [k])]
    designs = [design] if isinstance(design, str) else list(design)
    for name in designs:
        if name not in ("random", "systematic"):
            raise ValueError(f'design must be "random", "systematic" or both, not {name!r}')
    if not orders or not designs:
        raise ValueError("a study needs at least one order and one design")
    if not isinstance(torus, (bool, np.bool_)):
        raise TypeError(f"torus must be True or False, not {torus!r}")
    buffer = float(buffer)
    if plot_radius is not None:
        plot_radius = float(plot_radius)
    return _engine.sampling_study(
        stands,
        orders,
        designs,
        _whole(replicates, "replicates", 1, 10**10),
        _whole(points, "points", 2, 10**10),
        _whole(seed, "seed", 0, 2**64 - 1),
        buffer,
        bool(torus),
        plot_radius,
    )
