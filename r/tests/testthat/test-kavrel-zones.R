# The package and the command-line tool share one engine, so they must give
# the same numbers for the same stand and k.

expect_same_as_tool <- function(tool, path, trees, stand, k) {
  ours <- zone_areas(trees, stand, k)
  theirs <- tool_areas(tool, path, k)
  expect_equal(nrow(theirs), nrow(ours))
  expect_identical(as_tool_digits(ours$area), as.numeric(theirs$area))
  expect_identical(as_tool_digits(ours$probability), as.numeric(theirs$probability))
}

sample_cases <- expand.grid(stand = c("example3.txt", "sample12.txt", "sample50.txt", "coincident.txt"),
                            k = c(1, 2, 3, 5), stringsAsFactors = FALSE)

test_that("the areas equal those of kavrel-zones on the sample stands", {
  tool <- zones_tool()
  for (i in seq_len(nrow(sample_cases))) {
    path <- sample_stand_path(sample_cases$stand[i])
    stand <- read_stand_file(path)
    expect_same_as_tool(tool, path, stand$trees, stand$stand, sample_cases$k[i])
  }
})

test_that("the areas equal those of kavrel-zones on a generated 1000-tree stand", {
  tool <- zones_tool()
  set.seed(17)
  trees <- data.frame(x = round(runif(1000, 0, 200), 3), y = round(runif(1000, 0, 150), 3),
                      d = round(runif(1000, 10, 60), 1))
  path <- tempfile(fileext = ".txt")
  on.exit(unlink(path))
  write_stand_file(path, c(200, 150), trees)
  for (k in c(1, 4)) {
    expect_same_as_tool(tool, path, trees, c(200, 150), k)
  }
})
