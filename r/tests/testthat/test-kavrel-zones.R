# The package and the command-line tool share one engine, so they must give
# the same numbers for the same stand and k.

expect_same_as_tool <- function(tool, path, trees, stand, k) {
  theirs <- tool_areas(tool, path, k)
  if (nrow(theirs) != nrow(trees) ||
      !identical(as_tool_digits(trees$x), as.numeric(theirs$x)) ||
      !identical(as_tool_digits(trees$y), as.numeric(theirs$y))) {
    skip("this kavrel-zones caps the trees or moves tied trees apart")
  }
  ours <- zone_areas(trees, stand, k)
  expect_identical(as_tool_digits(ours$area), as.numeric(theirs$area))
  expect_identical(as_tool_digits(ours$probability), as.numeric(theirs$probability))
}

for (name in c("example3.txt", "sample12.txt", "sample50.txt", "coincident.txt")) {
  test_that(sprintf("the areas equal those of kavrel-zones on %s", name), {
    tool <- zones_tool()
    path <- sample_stand_path(name)
    stand <- read_stand_file(path)
    for (k in c(1, 2, 3, 5)) {
      expect_same_as_tool(tool, path, stand$trees, stand$stand, k)
    }
  })
}

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

test_that("a study gives the numbers of kavrel-zones study", {
  tool <- zones_tool()
  path <- sample_stand_path("sample50.txt")
  stand <- read_stand_file(path)
  output <- system2(tool, c("study", "--order", "1-3", "--replicates", "30", "--points", "8",
                            "--design", "random,systematic", "--seed", "5", shQuote(path)),
                    stdout = TRUE, env = "LC_ALL=C")
  theirs <- utils::read.csv(text = output, stringsAsFactors = FALSE, na.strings = "NA")
  ours <- sampling_study(stats::setNames(list(stand$trees), path), stand$stand, k = 1:3,
                         replicates = 30, points = 8, design = c("random", "systematic"), seed = 5)
  expect_named(ours, names(theirs))
  for (column in names(ours)) {
    if (is.character(ours[[column]])) {
      expect_identical(ours[[column]], ifelse(is.na(theirs[[column]]), "", theirs[[column]]),
                       label = column)
    } else {
      expect_identical(as.double(ours[[column]]), as.double(theirs[[column]]), label = column)
    }
  }
})
