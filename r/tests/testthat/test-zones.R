example3 <- data.frame(x = c(60, 10, 30), y = c(75, 80, 50), d = c(32.5, 41, 27.3))

random_stand <- function(n, width, length, seed) {
  set.seed(seed)
  data.frame(x = runif(n, -5, width + 5), y = runif(n, -5, length + 5))
}

test_that("the areas of every order tile the stand k times over", {
  trees <- random_stand(40, 80, 60, seed = 3)
  for (k in c(1, 2, 5, 39)) {
    areas <- zone_areas(trees, stand = c(80, 60), k = k)
    expect_equal(sum(areas$area), k * 80 * 60, tolerance = 1e-9)
    expect_equal(sum(areas$probability), k, tolerance = 1e-9)
  }
})

test_that("a symmetric pair splits the stand at the bisector", {
  areas <- zone_areas(data.frame(x = c(25, 75), y = c(50, 50)), stand = c(100, 100))
  expect_equal(areas$area, c(5000, 5000))
  expect_equal(areas$probability, c(0.5, 0.5))
})

test_that("with k at or above the tree count every zone is the whole stand", {
  areas <- zone_areas(example3, stand = c(100, 100), k = 3)
  expect_equal(areas$area, rep(10000, 3))
  expect_equal(zone_areas(example3, stand = c(100, 100), k = 7)$area, rep(10000, 3))
})

test_that("the table keeps the trees' order and columns", {
  areas <- zone_areas(example3, stand = c(100, 100), k = 2)
  expect_named(areas, c("tree", "x", "y", "d", "area", "probability"))
  expect_equal(areas$tree, 1:3)
  expect_equal(areas$d, example3$d)
  expect_named(zone_areas(example3[c("x", "y")], stand = c(100, 100)),
               c("tree", "x", "y", "area", "probability"))
})

test_that("matrices and lists are read like data frames", {
  expected <- zone_areas(example3, stand = c(100, 100))$area
  expect_equal(zone_areas(as.matrix(example3), stand = c(100, 100))$area, expected)
  expect_equal(zone_areas(unname(as.matrix(example3)), stand = c(100, 100))$area, expected)
  expect_equal(zone_areas(as.list(example3), stand = c(100, 100))$area, expected)
})

test_that("a stand without trees has no zones", {
  empty <- data.frame(x = numeric(), y = numeric())
  expect_equal(nrow(zone_areas(empty, stand = c(10, 10))), 0L)
  expect_equal(nrow(inclusion_zones(empty, stand = c(10, 10), sf = FALSE)), 0L)
})

test_that("the zone outlines enclose exactly the zone areas", {
  trees <- random_stand(30, 50, 40, seed = 11)
  for (k in c(1, 3)) {
    zones <- inclusion_zones(trees, stand = c(50, 40), k = k, sf = FALSE)
    shoelace <- function(ring) {
      n <- nrow(ring) - 1L
      sum(ring[1:n, 1] * ring[2:(n + 1), 2] - ring[2:(n + 1), 1] * ring[1:n, 2]) / 2
    }
    outlined <- vapply(zones$zone, function(rings) sum(vapply(rings, shoelace, 0)), 0)
    expect_equal(outlined, zones$area, tolerance = 1e-9)
    expect_true(all(vapply(unlist(zones$zone, recursive = FALSE),
                           function(ring) all(ring[1, ] == ring[nrow(ring), ]), TRUE)))
    expect_equal(zones$k, rep(k, 30))
  }
})

test_that("a tree whose zone misses the stand gets no rings", {
  trees <- data.frame(x = c(5, 6, 500), y = c(5, 5, 500))
  zones <- inclusion_zones(trees, stand = c(10, 10), k = 1, sf = FALSE)
  expect_equal(zones$area[3], 0)
  expect_length(zones$zone[[3]], 0L)
})

test_that("zones become an sf object when sf is there", {
  skip_if_not_installed("sf")
  zones <- inclusion_zones(example3, stand = c(100, 100), k = 1, sf = TRUE)
  expect_s3_class(zones, "sf")
  expect_equal(as.numeric(sf::st_area(zones)), zones$area, tolerance = 1e-9)
})

bad_input <- list(
  list(trees = data.frame(x = c(1, NA), y = c(1, 2)), stand = c(10, 10), k = 1,
       message = "missing or non-finite coordinates in row 2"),
  list(trees = data.frame(x = c(1, 2), y = c(1, NaN)), stand = c(10, 10), k = 1,
       message = "non-finite"),
  list(trees = data.frame(x = c(1, Inf), y = c(1, 2)), stand = c(10, 10), k = 1,
       message = "non-finite"),
  list(trees = list(x = 1:3, y = 1:2), stand = c(10, 10), k = 1, message = "differ in length"),
  list(trees = data.frame(a = 1, b = 2), stand = c(10, 10), k = 1, message = "columns x and y"),
  list(trees = data.frame(x = "a", y = 1), stand = c(10, 10), k = 1, message = "numeric"),
  list(trees = example3, stand = c(10, 10), k = 0, message = "at least 1"),
  list(trees = example3, stand = c(10, 10), k = -2, message = "at least 1"),
  list(trees = example3, stand = c(10, 10), k = 1.5, message = "whole number"),
  list(trees = example3, stand = c(10, 10), k = NA, message = "whole number"),
  list(trees = example3, stand = c(10, 10), k = c(1, 2), message = "one whole number"),
  list(trees = example3, stand = c(0, 10), k = 1, message = "two positive numbers"),
  list(trees = example3, stand = c(10, NA), k = 1, message = "two positive numbers"),
  list(trees = example3, stand = 10, k = 1, message = "two positive numbers"),
  list(trees = example3, stand = c(Inf, 10), k = 1, message = "two positive numbers"),
  list(trees = example3, stand = c(1e-300, 1e-300), k = 1, message = "too small or too large"),
  list(trees = example3, stand = c(1e300, 1e300), k = 1, message = "too small or too large"),
  list(trees = example3, stand = "100", k = 1, message = "two positive numbers"),
  list(trees = example3, stand = NULL, k = 1, message = "`stand` is needed")
)

test_that("bad input is an R error that says what is wrong", {
  for (case in bad_input) {
    expect_error(zone_areas(case$trees, case$stand, case$k), case$message)
    expect_error(inclusion_zones(case$trees, case$stand, case$k, sf = FALSE), case$message)
  }
})

test_that("the compiled routines refuse bad input themselves", {
  stand <- c(10, 10, 0, 0)
  expect_error(kavrel:::.zone_areas(c(1, NA), c(1, 2), stand, 1L, 0L), "tree 2 .* must be finite")
  expect_error(kavrel:::.zone_areas(1, c(1, 2), stand, 1L, 0L), "differ in length")
  expect_error(kavrel:::.zone_areas(1, 1, c(10, 0, 0, 0), 1L, 0L), "positive")
  expect_error(kavrel:::.zone_areas(1, 1, c(10, 10), 1L, 0L), "lower-left corner")
  expect_error(kavrel:::.zone_areas(1, 1, stand, 1L, -1L), "threads")
  expect_error(kavrel:::.inclusion_zones(1, 1, stand, 0L, 0L, FALSE), "at least 1")
  expect_error(kavrel:::.inclusion_zones(1, 1, stand, NA_integer_, 0L, TRUE), "at least 1")
})
