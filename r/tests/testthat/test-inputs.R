stem_map <- data.frame(x = c(60, 10, 30, 85, 45), y = c(75, 80, 50, 20, 15),
                       d = c(32.5, 41, 27.3, 18, 52))

test_that("data frame columns are taken by name in any order, beside any others", {
  expected <- zone_areas(stem_map, c(100, 100), k = 2)
  orders <- list(c("x", "y", "d"), c("d", "y", "x"), c("y", "x"), c("d", "x", "y"))
  for (columns in orders) {
    shuffled <- cbind(note = letters[1:5], stem_map[columns], tree = 5:1)
    areas <- zone_areas(shuffled, c(100, 100), k = 2)
    expect_equal(areas$area, expected$area)
    expect_equal(areas$x, stem_map$x)
  }
})

test_that("row names given to the trees stay with their rows", {
  named <- stem_map
  row.names(named) <- c("oak", "ash", "elm", "yew", "fir")
  areas <- zone_areas(named, c(100, 100))
  expect_equal(row.names(areas), row.names(named))
  expect_equal(areas$tree, 1:5)
  zones <- inclusion_zones(named, c(100, 100), sf = FALSE)
  expect_equal(row.names(zones), row.names(named))
  expect_equal(row.names(zone_areas(stem_map, c(100, 100))), as.character(1:5))
})

test_that("a ppp brings its offset window as the stand and its marks as diameters", {
  skip_if_not_installed("spatstat.geom")
  expected <- zone_areas(stem_map, c(100, 100), k = 2)
  window <- spatstat.geom::owin(c(1000, 1100), c(500, 600))
  pattern <- spatstat.geom::ppp(stem_map$x + 1000, stem_map$y + 500, window = window,
                                marks = stem_map$d)
  areas <- zone_areas(pattern, k = 2)
  expect_equal(areas$area, expected$area, tolerance = 1e-9)
  expect_equal(sum(areas$area), 2 * 100 * 100, tolerance = 1e-9)
  expect_equal(areas$d, stem_map$d)
  expect_equal(areas$x, stem_map$x + 1000)
  zones <- inclusion_zones(pattern, k = 2, sf = FALSE)
  corners <- do.call(rbind, unlist(zones$zone, recursive = FALSE))
  expect_true(all(corners[, "x"] >= 1000 & corners[, "x"] <= 1100))
  # A mark data frame gives its column d; the window may also be the stand.
  marked <- spatstat.geom::ppp(pattern$x, pattern$y, window = window,
                               marks = data.frame(species = letters[1:5], d = stem_map$d))
  expect_equal(zone_areas(marked, stand = window, k = 2)$d, stem_map$d)
  study <- sampling_study(pattern, k = 2, replicates = 5, points = 4)
  expect_equal(unique(study$true_value[study$estimator == "horvitz_thompson" &
                                       study$quantity == "trees_per_ha"]), 5)
})

test_that("a window that is no rectangle is refused with the reason", {
  skip_if_not_installed("spatstat.geom")
  disc <- spatstat.geom::disc(60, c(50, 50))
  pattern <- spatstat.geom::ppp(stem_map$x, stem_map$y, window = disc)
  expect_error(zone_areas(pattern), "polygonal, not a rectangle")
  expect_error(zone_areas(stem_map, stand = disc), "owin that is not a rectangle")
})

test_that("sf points and a bbox stand give the same areas, with the points' CRS", {
  skip_if_not_installed("sf")
  expected <- zone_areas(stem_map, c(100, 100), k = 3)
  points <- sf::st_as_sf(cbind(stem_map[c(3, 1, 2)], plot = 1), coords = c("x", "y"), crs = 32633)
  stand <- sf::st_bbox(c(xmin = 0, ymin = 0, xmax = 100, ymax = 100), crs = sf::st_crs(32633))
  areas <- zone_areas(points, stand, k = 3)
  expect_equal(areas$area, expected$area)
  expect_equal(areas$d, stem_map$d)
  expect_equal(zone_areas(sf::st_geometry(points), c(100, 100), k = 3)$area, expected$area)
  zones <- inclusion_zones(points, stand, k = 3, sf = TRUE)
  expect_equal(sf::st_crs(zones), sf::st_crs(32633))
  expect_equal(as.numeric(sf::st_area(zones)), expected$area, tolerance = 1e-9)
  lines <- sf::st_sfc(sf::st_point(c(1, 1)), sf::st_linestring(rbind(c(0, 0), c(1, 1))))
  expect_error(zone_areas(lines, c(10, 10)), "row 2 is empty or not POINT")
})

test_that("the sf geometry is the outlines point for point, empty where a zone misses", {
  skip_if_not_installed("sf")
  set.seed(4)
  trees <- data.frame(x = c(runif(200, 0, 80), 900), y = c(runif(200, 0, 60), 900))
  plain <- inclusion_zones(trees, c(80, 60), k = 2, sf = FALSE)
  zones <- inclusion_zones(trees, c(80, 60), k = 2, sf = TRUE)
  expect_true(all(sf::st_is_valid(zones)))
  expect_equal(attr(sf::st_geometry(zones), "n_empty"), 1L)
  expect_true(sf::st_is_empty(zones[201, ]))
  for (t in c(1, 77, 200)) {
    rings <- lapply(unclass(sf::st_geometry(zones)[[t]]), function(polygon) unname(polygon[[1]]))
    expect_equal(rings, lapply(plain$zone[[t]], unname))
  }
  expect_equal(as.numeric(sf::st_bbox(zones)), c(0, 0, 80, 60))
})

test_that("the thread count changes no number", {
  set.seed(2)
  trees <- data.frame(x = runif(3000, 0, 80), y = runif(3000, 0, 60), d = runif(3000, 5, 60))
  expect_identical(zone_areas(trees, c(80, 60), k = 3, threads = 1),
                   zone_areas(trees, c(80, 60), k = 3, threads = 2))
  expect_identical(inclusion_zones(trees, c(80, 60), k = 2, sf = FALSE, threads = 1),
                   inclusion_zones(trees, c(80, 60), k = 2, sf = FALSE, threads = 2))
  expect_identical(nearest_trees(trees, trees[1:50, ], k = 4, threads = 1),
                   nearest_trees(trees, trees[1:50, ], k = 4, threads = 2))
  expect_identical(sampling_study(trees, c(80, 60), k = c(1, 4), replicates = 30, points = 8, threads = 1),
                   sampling_study(trees, c(80, 60), k = c(1, 4), replicates = 30, points = 8, threads = 2))
  for (bad in list(0, 1025, 1.5, "2", NA, c(1, 2))) {
    expect_error(zone_areas(trees, c(80, 60), threads = bad), "`threads`")
  }
})

test_that("KAVREL_THREADS sets the default and a bad value is an error", {
  withr_threads <- function(value, code) {
    old <- Sys.getenv("KAVREL_THREADS", unset = NA)
    on.exit(if (is.na(old)) Sys.unsetenv("KAVREL_THREADS") else Sys.setenv(KAVREL_THREADS = old))
    Sys.setenv(KAVREL_THREADS = value)
    code
  }
  expect_equal(withr_threads("3", default_threads()), 3L)
  expect_error(withr_threads("many", zone_areas(stem_map, c(100, 100))), "KAVREL_THREADS")
  expect_equal(nrow(withr_threads("many", zone_areas(stem_map, c(100, 100), threads = 2))), 5L)
})

test_that("the default is the processors this process may use", {
  taskset <- Sys.which("taskset")
  skip_if(!nzchar(taskset), "taskset is not installed")
  rscript <- file.path(R.home("bin"), "Rscript")
  library_path <- paste(.libPaths(), collapse = .Platform$path.sep)
  output <- suppressWarnings(system2(taskset, c("-c", "0", shQuote(rscript), "-e",
                                                shQuote("cat(kavrel::default_threads())")),
                                     stdout = TRUE, stderr = FALSE,
                                     env = c(paste0("R_LIBS=", library_path), "KAVREL_THREADS=")))
  skip_if(!identical(attr(output, "status"), NULL), "taskset cannot confine this process")
  expect_equal(output, "1")
})

test_that("a time limit during a computation is an error tryCatch catches", {
  set.seed(3)
  trees <- data.frame(x = runif(2e5, 0, 2000), y = runif(2e5, 0, 2000))
  caught <- tryCatch({
    setTimeLimit(elapsed = 0.2, transient = TRUE)
    zone_areas(trees, c(2000, 2000), k = 8)
    "finished"
  }, error = function(e) conditionMessage(e))
  setTimeLimit(elapsed = Inf)
  expect_match(caught, "time limit")
  expect_equal(nrow(zone_areas(trees[1:10, ], c(2000, 2000))), 10L)
})

test_that("the package's version is the program's", {
  data <- Sys.getenv("KAVREL_DATA")
  project <- file.path(dirname(dirname(data)), "CMakeLists.txt")
  skip_if(!nzchar(data) || !file.exists(project), "the repository is not at hand")
  version <- sub(".*project\\(Kavrel VERSION ([0-9.]+).*", "\\1",
                 paste(readLines(project), collapse = " "))
  expect_equal(as.character(utils::packageVersion("kavrel")), version)
})
