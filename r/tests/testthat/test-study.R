study_trees <- function(n, seed) {
  set.seed(seed)
  data.frame(x = runif(n, 0, 50), y = runif(n, 0, 40), d = runif(n, 10, 50))
}

csv_columns <- c("stand", "k", "design", "edge", "estimator", "quantity", "true_value", "mean",
                 "bias", "relative_bias", "empirical_se", "mc_se_of_mean", "rmse",
                 "mean_estimated_se", "coverage_95", "unreachable_trees", "note", "seed", "points",
                 "replicates", "buffer_m", "plot_radius_m")

test_that("a study gives the tool's long form, one row per order, design, estimator and quantity", {
  study <- sampling_study(study_trees(40, 1), c(50, 40), k = 1:3, replicates = 20, points = 5,
                          design = c("random", "systematic"), seed = 9)
  expect_named(study, csv_columns)
  expect_equal(nrow(study), 3 * 2 * 5 * 2)
  expect_setequal(unique(study$design), c("random", "systematic"))
  expect_true(all(study$seed == 9 & study$replicates == 20))
  # 5 has no factors for near-square cells in 50 x 40 m: the grid is 3 x 2.
  expect_equal(unique(study$points[study$design == "random"]), 5)
  expect_equal(unique(study$points[study$design == "systematic"]), 6)
  expect_true(all(study$edge == "none"))
  trees_ht <- subset(study, estimator == "horvitz_thompson" & quantity == "trees_per_ha")
  expect_equal(trees_ht$true_value, rep(40 / (50 * 40) * 10000, 6))
})

test_that("the same seed gives the same study, another seed another one", {
  trees <- study_trees(30, 2)
  first <- sampling_study(trees, c(50, 40), k = 2, replicates = 10, points = 4, seed = 3)
  expect_identical(sampling_study(trees, c(50, 40), k = 2, replicates = 10, points = 4, seed = 3),
                   first)
  other <- sampling_study(trees, c(50, 40), k = 2, replicates = 10, points = 4, seed = 4)
  expect_false(identical(other$mean, first$mean))
})

test_that("an infinite expectation is a note, not a number", {
  study <- sampling_study(study_trees(30, 3), c(50, 40), k = 1, replicates = 10, points = 4)
  k_over <- subset(study, estimator == "k_over_pi_rk2")
  expect_true(all(is.na(k_over$mean)))
  expect_true(all(nzchar(k_over$note)))
})

test_that("diameters are read in the unit given", {
  trees <- study_trees(20, 4)
  basal <- function(study) subset(study, quantity == "basal_area_m2_per_ha")$true_value[1]
  in_cm <- sampling_study(trees, c(50, 40), replicates = 5, points = 3)
  in_m <- sampling_study(trees, c(50, 40), replicates = 5, points = 3, diameter_unit = "m")
  expect_equal(basal(in_m), basal(in_cm) * 1e4)
})

test_that("several stands are named by the list", {
  stands <- list(north = study_trees(20, 5), south = study_trees(25, 6))
  study <- sampling_study(stands, list(c(50, 40), c(50, 40)), replicates = 5, points = 3)
  expect_setequal(unique(study$stand), c("north", "south"))
  expect_equal(unique(sampling_study(study_trees(20, 5), c(50, 40), replicates = 5,
                                     points = 3)$stand), "stand")
})

test_that("bad settings are R errors that say what is wrong", {
  trees <- study_trees(10, 7)
  expect_error(sampling_study(trees[c("x", "y")], c(50, 40)), "column d")
  expect_error(sampling_study(transform(trees, d = NA_real_), c(50, 40)), "diameters")
  expect_error(sampling_study(trees, c(50, 40), k = 0), "at least 1")
  expect_error(sampling_study(trees, c(50, 40), points = 1), "`points`")
  expect_error(sampling_study(trees, c(50, 40), replicates = 2.5), "`replicates`")
  expect_error(sampling_study(trees, c(50, 40), seed = -1), "`seed`")
  expect_error(sampling_study(trees, c(50, 40), design = "cluster"), "design")
  expect_error(sampling_study(trees, c(50, 40), buffer = 30), "buffer leaves no room")
  expect_error(sampling_study(trees, c(50, 40), buffer = 2, torus = TRUE), "toroidal")
  expect_error(sampling_study(trees, c(0, 40)), "two positive numbers")
  expect_error(sampling_study(trees, c(50, 40), plot_radius = -1), "plot_radius")
  expect_error(kavrel:::.sampling_study(list(list(name = "a", x = 1, y = 1, d = 0.3, stand = c(5, 5, 0, 0))),
                                        1L, "random", 10, 3, NaN, 0, FALSE, NA_real_, 0L), "seed")
})

test_that("a stand without trees gives notes, not numbers", {
  empty <- data.frame(x = numeric(), y = numeric(), d = numeric())
  study <- sampling_study(empty, c(10, 10), k = 1:2, replicates = 5, points = 3)
  expect_true(all(is.na(study$mean)))
  expect_true(all(study$note == "no_trees"))
})
