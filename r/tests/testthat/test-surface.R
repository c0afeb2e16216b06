test_that("a surface gives the numbers of kavrel-zones surface", {
  tool <- zones_tool()
  path <- sample_stand_path("sample50.txt")
  stand <- read_stand_file(path)
  for (correction in c("clip", "walkthrough")) {
    output <- system2(tool, c("surface", "--order", "3", "--spacing", "2", "--baf", "2,4", "--concentric",
                              "3:0,6:30", "--edge-correction", correction, shQuote(path)),
                      stdout = TRUE, env = "LC_ALL=C")
    theirs <- utils::read.csv(text = output)
    ours <- sampling_surface(stand$trees, stand$stand, spacing = 2, k = 3, baf = c(2, 4),
                             concentric = data.frame(radius = c(3, 6), diameter = c(0, 30)),
                             edge_correction = correction)$statistics
    expect_identical(ours$design, theirs$design)
    expect_identical(ours$quantity, theirs$quantity)
    for (column in c("true_value", "surface_mean", "single_point_sd", "minimum", "maximum")) {
      expect_identical(ours[[column]], theirs[[column]], info = column)
    }
  }
})

test_that("every surface's mean is its true value, and the matrices run north to south", {
  set.seed(3)
  trees <- data.frame(x = runif(300, 0, 100), y = runif(300, 0, 100), d = runif(300, 10, 50))
  for (correction in c("clip", "mirage")) {
    s <- sampling_surface(trees, c(100, 100), spacing = 0.5, k = 2, baf = 4,
                          concentric = cbind(radius = c(4, 9), diameter = c(0, 25)),
                          edge_correction = correction)
    expect_equal(s$statistics$surface_mean, s$statistics$true_value, tolerance = 0.015)
    expect_equal(dim(s$surfaces$k_tree_trees_per_ha), c(200L, 200L))
    name <- if (correction == "clip") "angle_count_baf4" else "angle_count_baf4_mirage"
    expect_identical(s$statistics$design[6], name)
    expect_equal(mean(s$surfaces[[paste0(name, "_basal_area_m2_per_ha")]]),
                 s$statistics$surface_mean[6], tolerance = 1e-12)
  }
  north <- sampling_surface(data.frame(x = 50, y = 95, d = 30), c(100, 100), spacing = 1, plot_radius = 3)
  plot <- north$surfaces$fixed_plot_trees_per_ha
  expect_gt(sum(plot[1:3, ]), 0)
  expect_equal(sum(plot[51:100, ]), 0)
})

test_that("bad surface arguments are R errors", {
  trees <- data.frame(x = c(10, 20), y = c(10, 30), d = c(20, 30))
  expect_error(sampling_surface(trees, c(50, 50), spacing = 0), "spacing")
  expect_error(sampling_surface(trees, c(50, 50), spacing = 1, baf = -4), "baf")
  expect_error(sampling_surface(trees, c(50, 50), spacing = 1, edge_correction = "reflect"))
  expect_error(sampling_surface(trees, c(50, 50), spacing = 1,
                                concentric = data.frame(radius = c(5, 4), diameter = c(0, 20))),
               "concentric")
  expect_error(sampling_surface(trees, c(50, 50), spacing = 100), "spacing")
})

test_that("a study with the disc designs gives the numbers of kavrel-zones study", {
  tool <- zones_tool()
  path <- sample_stand_path("sample50.txt")
  stand <- read_stand_file(path)
  output <- system2(tool, c("study", "--order", "2,4", "--replicates", "20", "--points", "8", "--seed", "3",
                            "--baf", "2,4", "--concentric", "3:0,6:30", "--edge-correction", "clip,mirage",
                            shQuote(path)),
                    stdout = TRUE, env = "LC_ALL=C")
  theirs <- utils::read.csv(text = output, stringsAsFactors = FALSE, na.strings = "NA")
  ours <- sampling_study(stats::setNames(list(stand$trees), path), stand$stand, k = c(2, 4),
                         replicates = 20, points = 8, seed = 3, baf = c(2, 4),
                         concentric = data.frame(radius = c(3, 6), diameter = c(0, 30)),
                         edge_correction = c("clip", "mirage"))
  expect_true(all(c("angle_count_baf4", "concentric_mirage", "fixed_plot_mirage") %in% ours$estimator))
  expect_identical(ours$estimator, theirs$estimator)
  expect_identical(ours$quantity, theirs$quantity)
  for (column in c("mean", "rmse", "coverage_95", "unreachable_trees")) {
    expect_identical(as.double(ours[[column]]), as.double(theirs[[column]]), label = column)
  }
})

test_that("a study's disc designs are unbiased under each correction", {
  set.seed(8)
  trees <- data.frame(x = runif(300, 0, 100), y = runif(300, 0, 100), d = runif(300, 10, 50))
  s <- sampling_study(trees, c(100, 100), k = 3, replicates = 800, points = 10, seed = 2, baf = 4,
                      edge_correction = c("walkthrough", "mirage"))
  disc <- s[grepl("_(walkthrough|mirage)$", s$estimator), ]
  expect_equal(nrow(disc), 2 * 2 * 2)
  expect_true(all(abs(disc$bias) < 4 * disc$mc_se_of_mean))
  expect_error(sampling_study(trees, c(100, 100), edge_correction = c("mirage", "mirage")), "edge_correction")
  expect_error(sampling_study(trees, c(100, 100), baf = 0), "baf")
})

test_that("a surface is the same for any thread count, and a bad count is an error", {
  set.seed(4)
  trees <- data.frame(x = runif(400, 0, 80), y = runif(400, 0, 60), d = runif(400, 5, 60))
  surface <- function(threads) {
    sampling_surface(trees, c(80, 60), spacing = 0.5, k = 3, baf = 4, edge_correction = "mirage",
                     threads = threads)
  }
  one <- surface(1)
  for (threads in c(2, 3)) {
    expect_identical(surface(threads), one, info = threads)
  }
  for (bad in list(0, 1025, 1.5, "2", NA, c(1, 2))) {
    expect_error(sampling_surface(trees, c(80, 60), spacing = 4, threads = bad), "`threads`")
  }
})

test_that("a time limit during a surface is an error tryCatch catches", {
  set.seed(3)
  trees <- data.frame(x = runif(2e5, 0, 2000), y = runif(2e5, 0, 2000), d = 30)
  caught <- tryCatch({
    setTimeLimit(elapsed = 0.2, transient = TRUE)
    sampling_surface(trees, c(2000, 2000), spacing = 10, k = 8, threads = 2)
    "finished"
  }, error = function(e) conditionMessage(e))
  setTimeLimit(elapsed = Inf)
  expect_match(caught, "time limit")
  expect_equal(nrow(sampling_surface(trees[1:10, ], c(2000, 2000), spacing = 100)$statistics), 4L)
})
