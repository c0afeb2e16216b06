import numpy as np
import pytest

import kavrel

CSV_COLUMNS = [
    "stand", "k", "design", "edge", "estimator", "quantity", "true_value", "mean", "bias", "relative_bias",
    "empirical_se", "mc_se_of_mean", "rmse", "mean_estimated_se", "coverage_95", "unreachable_trees", "note",
    "seed", "points", "replicates", "buffer_m", "plot_radius_m",
]  # fmt: skip


def study_trees(n, seed):
    generator = np.random.default_rng(seed)
    return np.column_stack(
        [generator.uniform(0, 50, n), generator.uniform(0, 40, n), generator.uniform(10, 50, n)]
    )


def rows_where(study, **conditions):
    keep = np.ones(len(study["stand"]), dtype=bool)
    for column, value in conditions.items():
        keep &= np.asarray(study[column]) == value
    return keep


def test_study_gives_the_tools_long_form():
    study = kavrel.sampling_study(
        study_trees(40, 1), (50, 40), k=[1, 2, 3], replicates=20, points=5, design=["random", "systematic"], seed=9
    )
    assert list(study) == CSV_COLUMNS
    assert len(study["stand"]) == 3 * 2 * 5 * 2
    assert set(study["design"]) == {"random", "systematic"}
    assert (study["seed"] == 9).all() and (study["replicates"] == 20).all()
    # 5 has no factors for near-square cells in 50 x 40 m: the grid is 3 x 2.
    random = np.asarray(study["design"]) == "random"
    assert (study["points"][random] == 5).all() and (study["points"][~random] == 6).all()
    trees_ht = rows_where(study, estimator="horvitz_thompson", quantity="trees_per_ha")
    np.testing.assert_allclose(study["true_value"][trees_ht], 40 / (50 * 40) * 10000)


def test_same_seed_same_study():
    trees = study_trees(30, 2)
    first = kavrel.sampling_study(trees, (50, 40), k=2, replicates=10, points=4, seed=3)
    again = kavrel.sampling_study(trees, (50, 40), k=2, replicates=10, points=4, seed=3)
    np.testing.assert_array_equal(first["mean"], again["mean"])
    other = kavrel.sampling_study(trees, (50, 40), k=2, replicates=10, points=4, seed=4)
    assert not np.array_equal(first["mean"], other["mean"], equal_nan=True)


def test_infinite_expectation_is_a_note_not_a_number():
    study = kavrel.sampling_study(study_trees(30, 3), (50, 40), k=1, replicates=10, points=4)
    k_over = rows_where(study, estimator="k_over_pi_rk2")
    assert np.isnan(study["mean"][k_over]).all()
    assert all(note for note, keep in zip(study["note"], k_over) if keep)


def test_diameter_unit_and_named_stands():
    trees = study_trees(20, 4)
    in_cm = kavrel.sampling_study({"north": trees, "south": trees[:10]}, (50, 40), replicates=5, points=3)
    in_m = kavrel.sampling_study({"north": trees}, {"north": (50, 40)}, replicates=5, points=3, diameter_unit="m")
    assert set(in_cm["stand"]) == {"north", "south"}
    basal_cm = in_cm["true_value"][rows_where(in_cm, stand="north", quantity="basal_area_m2_per_ha")][0]
    basal_m = in_m["true_value"][rows_where(in_m, quantity="basal_area_m2_per_ha")][0]
    assert basal_m == pytest.approx(basal_cm * 1e4, rel=1e-12)


@pytest.mark.parametrize(
    "changes, error, message",
    [
        ({"trees": study_trees(5, 1)[:, :2]}, ValueError, "shape \\(n, 3\\)"),
        ({"trees": np.array([[1.0, 2.0, np.nan]])}, ValueError, "non-finite"),
        ({"k": 0}, ValueError, "at least 1"),
        ({"points": 1}, ValueError, "points must be from 2"),
        ({"replicates": 2.5}, TypeError, "replicates"),
        ({"seed": -1}, ValueError, "seed"),
        ({"design": "cluster"}, ValueError, "design"),
        ({"buffer": 30}, ValueError, "buffer leaves no room"),
        ({"buffer": 2, "torus": True}, ValueError, "toroidal"),
        ({"stand": (0, 40)}, ValueError, "positive"),
        ({"plot_radius": -1}, ValueError, "plot radius"),
        ({"diameter_unit": "inch"}, ValueError, "diameter_unit"),
    ],
)
def test_bad_settings_raise(changes, error, message):
    arguments = {"trees": study_trees(10, 7), "stand": (50, 40), "replicates": 5, "points": 3, **changes}
    with pytest.raises(error, match=message):
        kavrel.sampling_study(**arguments)


def test_stand_without_trees_gives_notes_not_numbers():
    study = kavrel.sampling_study(np.empty((0, 3)), (10, 10), k=[1, 2], replicates=5, points=3)
    assert np.isnan(study["mean"]).all()
    assert set(study["note"]) == {"no_trees"}
