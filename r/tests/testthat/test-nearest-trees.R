brute_force_nearest <- function(trees, points, k) {
  index <- t(vapply(seq_len(nrow(points)), function(p) {
    squared <- (trees$x - points$x[p])^2 + (trees$y - points$y[p])^2
    order(squared, seq_along(squared))[seq_len(k)]
  }, integer(k)))
  list(index = matrix(index, ncol = k))
}

test_that("the nearest trees are those a full search finds, nearest first", {
  set.seed(5)
  trees <- data.frame(x = runif(300, 0, 100), y = runif(300, 0, 100))
  points <- data.frame(x = runif(200, -10, 110), y = runif(200, -10, 110))
  for (k in c(1, 3, 10)) {
    nearest <- nearest_trees(trees, points, k)
    expect_equal(nearest$index, brute_force_nearest(trees, points, k)$index)
    expected <- sqrt((trees$x[nearest$index] - points$x)^2 + (trees$y[nearest$index] - points$y)^2)
    expect_equal(nearest$distance, matrix(expected, ncol = k))
    expect_true(all(apply(nearest$distance, 1, function(row) !is.unsorted(row))))
  }
})

test_that("trees at equal distance come in the order of their rows", {
  trees <- data.frame(x = c(1, -1, 0, 0), y = c(0, 0, 1, -1))
  nearest <- nearest_trees(trees, data.frame(x = 0, y = 0), k = 4)
  expect_equal(nearest$index, matrix(1:4, nrow = 1))
  expect_equal(nearest$distance, matrix(1, nrow = 1, ncol = 4))
})

test_that("with fewer trees than k every tree is given", {
  trees <- data.frame(x = c(0, 10), y = c(0, 0))
  nearest <- nearest_trees(trees, data.frame(x = 9, y = 0), k = 5)
  expect_equal(nearest$index, matrix(c(2L, 1L), nrow = 1))
  expect_equal(dim(nearest_trees(trees[0, ], data.frame(x = 1, y = 1), k = 2)$index), c(1L, 0L))
  expect_equal(dim(nearest_trees(trees, data.frame(x = numeric(), y = numeric()), k = 2)$index),
               c(0L, 2L))
})

test_that("bad points, trees or k are R errors", {
  trees <- data.frame(x = c(0, 10), y = c(0, 0))
  expect_error(nearest_trees(trees, data.frame(x = NA, y = 1)), "`points` has missing")
  expect_error(nearest_trees(data.frame(x = c(0, NaN), y = 0:1), trees), "`trees` has missing")
  expect_error(nearest_trees(trees, trees, k = 0), "at least 1")
  expect_error(nearest_trees(trees, list(x = 1:2, y = 1)), "differ in length")
  expect_error(nearest_trees(data.frame(x = 1e16, y = 0), trees), "within")
  expect_error(kavrel:::.nearest_trees(0, 0, c(1, NA), c(1, 1), 1L, 0L), "coordinates")
  expect_error(kavrel:::.nearest_trees(0, 0, 1, 1, 0L, 0L), "at least 1")
})
