"""Exact inclusion zones of k-tree sampling.

In k-tree sampling the k trees nearest to a sample point enter the sample. The
inclusion zone of order k of a tree is the part of the stand from which that
holds: the points from which at most k - 1 other trees are strictly nearer.
This module computes the zones exactly, clipped to a rectangular stand
[0, width] x [0, length] (stand metres, y pointing up), with the same engine
as the Kavrel program and its command-line tool ``kavrel-zones``.

Trees and points are taken in either of two forms:

- a pandas ``DataFrame`` is read by column name: ``x``, ``y`` and, where a
  function uses it, ``d`` (any case; other columns are ignored); a geopandas
  ``GeoDataFrame`` or ``GeoSeries`` of points gives x and y by its geometry.
  Results then carry the frame's index;
- anything else is an array-like of shape (n, 2) with columns x and y, or
  (n, 3) with a diameter d as third column, read by position.

Trees are numbered by their row, from 0. Every function takes ``threads``:
how many threads to compute on, by default the value of the environment
variable ``KAVREL_THREADS`` or else every processor this process may run on
(see :func:`default_threads`); the results are the same for any number. Bad
input raises ``ValueError`` or ``TypeError``.

>>> import kavrel
>>> trees = [[25, 50], [75, 50]]
>>> kavrel.zone_areas(trees, (100, 100)).tolist()
[5000.0, 5000.0]
"""

import gc
import numbers
import operator
import sys

import numpy as np

from . import _engine

__version__ = "1.0.1"

__all__ = [
    "zone_areas",
    "inclusion_probabilities",
    "inclusion_zones",
    "zones_geojson",
    "nearest_trees",
    "sampling_study",
    "sampling_surface",
    "default_threads",
    "__version__",
]

_METRES_PER_DIAMETER_UNIT = {"cm": 0.01, "mm": 0.001, "m": 1.0}
_THREAD_LIMIT = 1024


class _Trees:
    """Coordinates of shape (n, 2), diameters or None, and the input's index or None."""

    def __init__(self, xy, d=None, index=None):
        self.xy = xy
        self.d = d
        self.index = index


def _is_frame(values):
    return hasattr(values, "columns") and hasattr(values, "iloc") and hasattr(values, "index")


def _is_geo_series(values):
    return hasattr(values, "geom_type") and hasattr(values, "iloc") and not hasattr(values, "columns")


def _rows_text(rows):
    return ", ".join(str(row) for row in rows[:5]) + (", ..." if rows.size > 5 else "")


def _real_array(values, name):
    """values as float64; text, complex numbers and booleans are refused rather than converted."""
    try:
        array = np.asarray(values)
    except (TypeError, ValueError) as error:
        raise TypeError(f"{name} must be numbers: {error}") from None
    if array.dtype.kind == "O":
        for value in array.flat:
            if value is not None and (isinstance(value, (bool, np.bool_)) or not isinstance(value, numbers.Real)):
                raise TypeError(f"{name} must be real numbers, not {value!r}")
        return np.asarray(array, dtype=np.float64)
    if array.dtype.kind not in "iuf":
        raise TypeError(f"{name} must be real numbers, not {array.dtype} values")
    return array.astype(np.float64, copy=False)


def _finite_rows(xy, name):
    if np.isfinite(xy).all():
        return np.ascontiguousarray(xy)
    bad = np.flatnonzero(~np.isfinite(xy).all(axis=1))
    if bad.size:
        raise ValueError(f"{name} has missing or non-finite coordinates in row(s) {_rows_text(bad)}")
    return np.ascontiguousarray(xy)


def _frame_column(frame, wanted, name, required):
    matches = [column for column in frame.columns if isinstance(column, str) and column.lower() == wanted]
    if len(matches) > 1:
        raise ValueError(f"{name} has more than one column {wanted!r}: {matches}")
    if not matches:
        if required:
            raise ValueError(f"{name} has no column {wanted!r}; its columns are {list(frame.columns)}")
        return None
    column = frame[matches[0]]
    from pandas.api import types

    if not types.is_numeric_dtype(column.dtype) or types.is_bool_dtype(column.dtype) or types.is_complex_dtype(
        column.dtype
    ):
        raise TypeError(f"{name}[{matches[0]!r}] must be real numbers, not {column.dtype} values")
    return column.to_numpy(dtype=np.float64, na_value=np.nan)


def _point_coordinates(geometry, name):
    types = geometry.geom_type
    bad = np.flatnonzero(~(types == "Point").to_numpy(dtype=bool) | geometry.is_empty.to_numpy(dtype=bool))
    if bad.size:
        raise ValueError(f"{name} must be points; row(s) {_rows_text(bad)} are missing, empty or not points")
    return np.column_stack([geometry.x.to_numpy(dtype=np.float64), geometry.y.to_numpy(dtype=np.float64)])


def _trees(values, name, diameters=False):
    """The trees or points of `values`; `diameters` True requires d, False ignores it."""
    if _is_geo_series(values):
        if diameters:
            raise ValueError(f"{name} needs a column d with the trees' diameters, which a GeoSeries has not")
        return _Trees(_finite_rows(_point_coordinates(values, name), name), None, values.index)
    if _is_frame(values):
        if hasattr(values, "geometry") and getattr(values, "_geometry_column_name", None) in values.columns:
            xy = _point_coordinates(values.geometry, name)
        else:
            xy = np.column_stack(
                [_frame_column(values, "x", name, True), _frame_column(values, "y", name, True)]
            ).reshape(-1, 2)
        d = _frame_column(values, "d", name, True) if diameters else None
        return _Trees(_finite_rows(xy, name), _checked_diameters(d, name), values.index)
    array = _real_array(values, name)
    width = 3 if diameters else (2, 3)
    if array.size == 0:
        return _Trees(np.empty((0, 2)), np.empty(0) if diameters else None)
    if array.ndim != 2 or array.shape[1] not in ((width,) if diameters else width):
        shapes = "(n, 3): x, y, d" if diameters else "(n, 2) (x, y) or (n, 3) (x, y, d)"
        raise ValueError(f"{name} must have shape {shapes}, not {array.shape}")
    d = _checked_diameters(array[:, 2], name) if diameters else None
    return _Trees(_finite_rows(array[:, :2], name), d)


def _checked_diameters(d, name):
    if d is None:
        return None
    bad = np.flatnonzero(~np.isfinite(d))
    if bad.size:
        raise ValueError(f"{name} has missing or non-finite diameters in row(s) {_rows_text(bad)}")
    return d


def _real(value, name):
    if isinstance(value, (bool, np.bool_)) or not isinstance(value, numbers.Real):
        raise TypeError(f"{name} must be real numbers, not {value!r}")
    return float(value)


def _stand(stand):
    if isinstance(stand, (str, bytes)):
        raise TypeError(f"stand must be the stand's (width, length) in metres, not {stand!r}")
    try:
        values = list(stand)
    except TypeError:
        raise ValueError("stand must be the stand's (width, length) in metres") from None
    if len(values) != 2:
        raise ValueError(f"stand must be the stand's (width, length) in metres, not {len(values)} values")
    width, length = (_real(value, "stand") for value in values)
    if not (np.isfinite(width) and np.isfinite(length) and width > 0 and length > 0):
        raise ValueError(f"stand must be two positive, finite numbers, not ({width}, {length})")
    area = width * length
    # Below the smallest normal double the probabilities area / stand area
    # would be NaN or lose their digits; above the largest, infinite.
    if not (sys.float_info.min <= area < float("inf")):
        raise ValueError(f"the stand's area, {width} m x {length} m, is too small or too large to compute with")
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


def _threads(threads):
    """The engine's thread count: 0 for its default, after checking KAVREL_THREADS."""
    if threads is None:
        problem = _engine.threads_environment_problem()
        if problem:
            raise ValueError(problem)
        return 0
    if isinstance(threads, bool) or not isinstance(threads, numbers.Integral):
        raise TypeError(f"threads must be a whole number, not {threads!r}")
    threads = operator.index(threads)
    if not 1 <= threads <= _THREAD_LIMIT:
        raise ValueError(f"threads must be from 1 to {_THREAD_LIMIT}, not {threads}")
    return threads


def _labelled(values, trees, name):
    """The result as a pandas Series on the input's index when the input had one."""
    if trees.index is None:
        return values
    import pandas

    return pandas.Series(values, index=trees.index, name=name)


def _ids(trees):
    return None if trees.index is None else trees.index.tolist()


def default_threads():
    """The number of threads a call with ``threads=None`` computes on.

    That is ``KAVREL_THREADS`` when it is set, and otherwise the number of
    processors in this process's affinity mask (``taskset`` or a batch system
    may allow fewer than the machine has), at least 1.

    >>> kavrel.default_threads() >= 1
    True
    """
    _threads(None)
    return _engine.thread_count()


def zone_areas(trees, stand, k=1, threads=None):
    """Area in m² of every tree's order-k inclusion zone within the stand.

    ``stand`` is (width, length) in metres. The areas are exact; with at least
    k trees (none coincident) they add up to k times the stand area, and with k
    or fewer trees every zone is the whole stand. Returns an array of shape
    (n,) in the trees' order, or a pandas Series named ``area`` on the index of
    a DataFrame, GeoDataFrame or GeoSeries given as ``trees``.

    >>> kavrel.zone_areas([[60, 75], [10, 80], [30, 50]], (100, 100), k=1).round(1).tolist()
    [4162.5, 1308.3, 4529.2]
    >>> import pandas
    >>> stand = pandas.DataFrame({"tree": [7, 8], "Y": [50, 50], "x": [25, 75]}).set_index("tree")
    >>> kavrel.zone_areas(stand, (100, 100), threads=1)
    tree
    7    5000.0
    8    5000.0
    Name: area, dtype: float64
    """
    trees = _trees(trees, "trees")
    width, length = _stand(stand)
    areas = _engine.zone_areas(trees.xy, width, length, _order(k), _threads(threads))
    return _labelled(areas, trees, "area")


def inclusion_probabilities(trees, stand, k=1, threads=None):
    """Every tree's inclusion probability in k-tree sampling: zone area / stand area.

    >>> kavrel.inclusion_probabilities([[25, 50], [75, 50]], (100, 100), k=1).tolist()
    [0.5, 0.5]
    """
    width, length = _stand(stand)
    probabilities = zone_areas(trees, stand, k, threads) / (width * length)
    if hasattr(probabilities, "name"):
        probabilities.name = "probability"
    return probabilities


def inclusion_zones(trees, stand, k=1, threads=None):
    """The order-k inclusion zone of every tree as polygons, with area and probability.

    Returns one dict per tree, in the trees' order: ``tree`` (row number),
    ``id`` (the index label, only for a DataFrame, GeoDataFrame or GeoSeries),
    ``k``, ``area`` (m²), ``probability`` and ``polygons``, a list of closed
    counter-clockwise rings, each an array of shape (m, 2) whose last row
    repeats its first. A zone has no holes; a zone that does not reach into the
    stand has no polygons. ``shapely.geometry.MultiPolygon([(ring, []) for ring
    in zone["polygons"]])`` makes a shapely geometry of it.

    >>> zone = kavrel.inclusion_zones([[25, 50], [75, 50]], (100, 100))[0]
    >>> zone["area"], zone["polygons"][0].tolist()
    (5000.0, [[0.0, 0.0], [50.0, 0.0], [50.0, 100.0], [0.0, 100.0], [0.0, 0.0]])
    """
    trees = _trees(trees, "trees")
    width, length = _stand(stand)
    k = _order(k)
    areas, rings = _engine.inclusion_zones(trees.xy, width, length, k, _threads(threads))
    stand_area = width * length
    ids = _ids(trees)
    zones = []
    for tree, (area, polygons) in enumerate(zip(areas, rings)):
        zone = {"tree": tree}
        if ids is not None:
            zone["id"] = ids[tree]
        zone.update({"k": k, "area": float(area), "probability": float(area / stand_area), "polygons": polygons})
        zones.append(zone)
    return zones


def zones_geojson(trees, stand, k=1, threads=None):
    """The order-k zones as a GeoJSON-like FeatureCollection dict.

    One MultiPolygon feature per tree (null geometry when its zone does not
    reach into the stand) in stand metres, with the properties ``tree``,
    ``id`` (the index label, only for a DataFrame, GeoDataFrame or GeoSeries),
    ``k``, ``area`` and ``probability``, as ``kavrel-zones --geojson`` writes
    them (trees numbered from 0 here). ``geopandas.GeoDataFrame.from_features``
    and ``shapely.geometry.shape`` take it as it is. The whole collection is
    built in one pass by the engine's module.

    >>> collection = kavrel.zones_geojson([[25, 50], [75, 50]], (100, 100))
    >>> feature = collection["features"][1]
    >>> feature["properties"]
    {'tree': 1, 'k': 1, 'area': 5000.0, 'probability': 0.5}
    >>> feature["geometry"]["coordinates"][0][0][:2]
    [[50.0, 0.0], [100.0, 0.0]]
    """
    trees = _trees(trees, "trees")
    width, length = _stand(stand)
    arguments = (trees.xy, width, length, _order(k), _threads(threads), _ids(trees))
    # Millions of new lists and dicts, none of them in a cycle, would set the
    # cycle collector off again and again over everything built so far.
    collecting = gc.isenabled()
    gc.disable()
    try:
        return _engine.zones_geojson(*arguments)
    finally:
        if collecting:
            gc.enable()


def nearest_trees(trees, points, k=1, threads=None):
    """The k nearest trees of every point, nearest first.

    Trees at the same distance come in the order of their rows. Returns
    ``(indices, distances)``, two arrays of shape (number of points, min(k,
    number of trees)): the trees' row numbers (from 0, whatever a DataFrame's
    index) and their distances to the point.

    >>> indices, distances = kavrel.nearest_trees([[0, 0], [10, 0], [3, 4]], [[1, 1]], k=2)
    >>> indices.tolist(), distances.round(3).tolist()
    ([[0, 2]], [[1.414, 3.606]])
    """
    trees = _trees(trees, "trees")
    points = _trees(points, "points")
    return _engine.nearest_trees(trees.xy, points.xy, _order(k), _threads(threads))


def _whole(value, name, least, most):
    if isinstance(value, bool) or not isinstance(value, numbers.Integral):
        raise TypeError(f"{name} must be a whole number, not {value!r}")
    value = operator.index(value)
    if not least <= value <= most:
        raise ValueError(f"{name} must be from {least} to {most}, not {value}")
    return value


def _study_stand(name, trees, stand, metres):
    trees = _trees(trees, f"the trees of stand {name}", diameters=True)
    width, length = _stand(stand)
    array = np.column_stack([trees.xy, trees.d * metres]) if len(trees.xy) else np.empty((0, 3))
    return (str(name), width, length, np.ascontiguousarray(array))


def _stand_of(stand, name):
    if not isinstance(stand, dict):
        return stand
    if name not in stand:
        raise ValueError(f"stand has no rectangle for the stand {name!r}; it has {list(stand)}")
    return stand[name]


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
    threads=None,
    baf=(),
    concentric=None,
    edge_correction="clip",
):
    """A replicated k-tree sampling study, in the long form of the tool's study CSV.

    Draws ``replicates`` samples of ``points`` sample points in every stand, for
    every order in ``k`` (an int or a sequence) and every design (``"random"``,
    ``"systematic"`` or a sequence of both), evaluates the Horvitz-Thompson,
    distance and fixed-plot estimators of trees and basal area per hectare and
    summarises them over the samples. ``trees`` holds x, y and the diameter d
    (in ``diameter_unit``: "cm", "mm" or "m") of one stand, as a DataFrame with
    those columns or an array of shape (n, 3), or is a dict of such by stand
    name; ``stand`` is (width, length) or a dict of them by the same names.
    ``buffer`` keeps the sample points that far inside the stand (the
    population is then the trees of the inner rectangle, those of the strip
    are neighbours only), ``torus`` wraps the stand around, ``plot_radius`` is
    the fixed plot's radius (by default the one expecting k trees). ``baf``
    adds angle-count sampling for each basal area factor (m2/ha), ``concentric``
    (a sequence of (radius in m, smallest diameter in cm) pairs) concentric
    plots; ``edge_correction`` ("clip", "none", "walkthrough", "mirage" or a
    sequence of them) gives the disc designs' corrections, every one but clip
    appended to the estimator's name ("fixed_plot_mirage"). A seed gives the
    same numbers for any number of threads.

    Returns a dict of columns (``pandas.DataFrame(result)`` makes a table of
    it; the systematic grid tiles the sampled rectangle with a x b cells, the
    count ``points`` or the nearest one whose cells stay near square, as the
    result's points column says): stand, k, design, edge, estimator, quantity, true_value, mean, bias,
    relative_bias, empirical_se, mc_se_of_mean, rmse, mean_estimated_se,
    coverage_95, unreachable_trees, note, seed, points, replicates, buffer_m and
    plot_radius_m; missing numbers are NaN and ``note`` says why.

    >>> generator = np.random.default_rng(1)
    >>> trees = np.column_stack([generator.uniform(0, 50, 60), generator.uniform(0, 40, 60),
    ...                          generator.uniform(10, 50, 60)])
    >>> study = kavrel.sampling_study(trees, (50, 40), k=[1, 2], replicates=20, points=10)
    >>> row = study["estimator"].index("horvitz_thompson")
    >>> study["quantity"][row], study["true_value"][row]
    ('trees_per_ha', 300.0)
    """
    if diameter_unit not in _METRES_PER_DIAMETER_UNIT:
        raise ValueError(f'diameter_unit must be "cm", "mm" or "m", not {diameter_unit!r}')
    metres = _METRES_PER_DIAMETER_UNIT[diameter_unit]
    if isinstance(trees, dict):
        stands = [
            _study_stand(name, stand_trees, _stand_of(stand, name), metres) for name, stand_trees in trees.items()
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
    buffer = _real(buffer, "buffer")
    if plot_radius is not None:
        plot_radius = _real(plot_radius, "plot_radius")
    factors, rings = _disc_designs(baf, concentric)
    corrections = [edge_correction] if isinstance(edge_correction, str) else list(edge_correction)
    if not corrections or len(set(corrections)) != len(corrections) or any(
        c not in ("none", "clip", "walkthrough", "mirage") for c in corrections
    ):
        raise ValueError('edge_correction must name each of "none", "clip", "walkthrough" and "mirage" at most once')
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
        _threads(threads),
        factors,
        rings,
        corrections,
    )


def _disc_designs(baf, concentric):
    factors = [float(f) for f in (np.atleast_1d(baf) if baf is not None else [])]
    if any(not np.isfinite(f) or f <= 0 for f in factors):
        raise ValueError("baf must hold positive basal area factors in m2/ha")
    rings = [(float(r), float(d)) for r, d in (concentric or [])]
    return factors, rings


def sampling_surface(
    trees,
    stand,
    spacing,
    k=1,
    baf=(),
    plot_radius=None,
    concentric=None,
    edge_correction="clip",
    diameter_unit="cm",
    threads=None,
):
    """Sampling surfaces, as ``kavrel-zones surface`` computes them.

    The estimate of every design at the centres of a square grid of cells of
    ``spacing`` metres over the stand (width, length): k-tree sampling of order
    ``k`` with Horvitz-Thompson, the fixed plot of ``plot_radius`` (by default
    the one expecting k trees), angle-count sampling for each basal area factor
    in ``baf`` (m2/ha) and, with ``concentric`` a sequence of (radius in m,
    smallest diameter in cm) pairs, concentric plots. ``edge_correction`` is
    "none", "clip", "walkthrough" or "mirage" for the disc designs. ``trees`` is
    an array of shape (n, 3) with x, y and d in ``diameter_unit``. ``threads``
    is the number of threads to compute on (by default :func:`default_threads`);
    the surfaces are the same for any number. Ctrl-C stops the computation
    with KeyboardInterrupt.

    Returns a dict: ``statistics`` (columns design, quantity, true_value,
    surface_mean, relative_difference, single_point_sd, minimum, maximum,
    unreachable_trees, as the tool's CSV), ``grid`` (left, bottom, spacing,
    columns, rows, plot_radius) and ``surfaces``, a 2-D array per
    "<design>_<quantity>" whose first row is the stand's north edge, as in the
    tool's ESRI ASCII grids.
    """
    if diameter_unit not in _METRES_PER_DIAMETER_UNIT:
        raise ValueError(f'diameter_unit must be "cm", "mm" or "m", not {diameter_unit!r}')
    width, length = _stand(stand)
    array = np.asarray(trees, dtype=np.float64)
    if array.size == 0:
        array = np.empty((0, 3))
    if array.ndim != 2 or array.shape[1] != 3:
        raise ValueError("trees must be an array of shape (n, 3): x, y and d")
    if not np.all(np.isfinite(array)):
        raise ValueError("trees has missing or non-finite values")
    if np.any(array[:, 2] < 0):
        raise ValueError("trees has a negative diameter")
    array = array.copy()
    array[:, 2] *= _METRES_PER_DIAMETER_UNIT[diameter_unit]
    spacing = float(spacing)
    if not np.isfinite(spacing) or spacing <= 0:
        raise ValueError("spacing must be a positive number of metres")
    factors, rings = _disc_designs(baf, concentric)
    if plot_radius is not None:
        plot_radius = float(plot_radius)
    if edge_correction not in ("none", "clip", "walkthrough", "mirage"):
        raise ValueError(
            f'edge_correction must be "none", "clip", "walkthrough" or "mirage", not {edge_correction!r}'
        )
    return _engine.sampling_surface(
        array, width, length, _order(k), spacing, factors, plot_radius, rings, edge_correction, _threads(threads)
    )
