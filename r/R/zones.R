#' Areas and inclusion probabilities of the order-k zones
#'
#' The area of each tree's inclusion zone of order `k` within the stand, the
#' part of the stand from which at most `k - 1` other trees are strictly
#' nearer, and the tree's inclusion probability, area / stand area. The areas
#' are exact; with at least `k` trees (none coincident) they add up to `k`
#' times the stand area, and with `k` or fewer trees every zone is the whole
#' stand.
#'
#' @param trees The trees (stand metres, Y up; they may lie outside the
#'   stand): a data frame, list or matrix with columns `x` and `y` and
#'   optionally `d` (diameter, carried through; an unnamed matrix is read as
#'   x, y and d); a spatstat point pattern (`ppp`), whose rectangular window
#'   is the stand and whose numeric marks (or mark column `d`) are the
#'   diameters; or sf points (`sf` with `POINT` geometry and optionally a
#'   column `d`, or an `sfc` of points).
#' @param stand The stand rectangle: `c(width, length)` in metres for
#'   \eqn{[0, width] \times [0, length]}{[0, width] x [0, length]}, an sf
#'   bounding box ([sf::st_bbox()]) or a rectangular spatstat `owin`. May be
#'   left out when `trees` is a `ppp`.
#' @param k The order, a whole number of at least 1.
#' @param threads How many threads to compute on; `NULL` for
#'   [default_threads()]. The results are the same for any number.
#' @return A data frame with one row per tree in the given order: `tree`
#'   (row number), `x`, `y`, `d` (when given), `area` (square metres) and
#'   `probability`, the same columns as `kavrel-zones --areas` prints. Row
#'   names given to `trees` are kept.
#' @seealso [inclusion_zones()] for the outlines, [sampling_study()].
#' @examples
#' trees <- data.frame(x = c(60, 10, 30), y = c(75, 80, 50), d = c(32.5, 41, 27.3))
#' zone_areas(trees, stand = c(100, 100), k = 2)
#'
#' if (requireNamespace("spatstat.geom", quietly = TRUE)) {
#'   pattern <- spatstat.geom::ppp(c(1010, 1040), c(520, 530), c(1000, 1050), c(500, 540),
#'                                 marks = c(31, 45))
#'   zone_areas(pattern)
#' }
#' @export
zone_areas <- function(trees, stand = NULL, k = 1, threads = NULL) {
  trees <- coordinates_of(trees, "trees")
  stand <- check_stand(stand, trees)
  k <- check_order(k)
  area <- .zone_areas(trees$x, trees$y, stand, k, check_threads(threads))
  zone_table(trees, area, stand)
}

zone_table <- function(trees, area, stand) {
  columns <- list(tree = seq_along(trees$x), x = trees$x, y = trees$y)
  if (!is.null(trees$d)) {
    columns$d <- trees$d
  }
  columns$area <- area
  columns$probability <- area / (stand[1] * stand[2])
  table <- as.data.frame(columns)
  if (!is.null(trees$ids)) {
    row.names(table) <- trees$ids
  }
  table
}

#' Inclusion zones of order k as polygons
#'
#' The outline of every tree's order-k inclusion zone within the stand,
#' together with its area and inclusion probability (see [zone_areas()]). A
#' zone is one or more polygons without holes; a tree whose zone does not
#' reach into the stand gets an empty geometry.
#'
#' @inheritParams zone_areas
#' @param sf Whether to return an `sf` object; by default when the sf package
#'   is installed. Its geometry is built in one pass from the engine's
#'   outlines.
#' @return With `sf = TRUE`, an `sf` data frame with the columns `tree`, `k`,
#'   `area`, `probability` and a `MULTIPOLYGON` geometry in stand metres (no
#'   CRS: assign a local or projected one, or that of the sf trees). Otherwise
#'   a data frame with the same columns and a list column `zone`: for each
#'   tree a list of closed rings, each a two-column matrix (x, y) whose last
#'   row repeats its first, counter-clockwise, ready for
#'   [graphics::polygon()]. Rows come in the trees' order, with their row
#'   names.
#' @examples
#' trees <- data.frame(x = c(60, 10, 30), y = c(75, 80, 50))
#' zones <- inclusion_zones(trees, stand = c(100, 100), k = 1, sf = FALSE)
#' zones$area
#' plot(NA, xlim = c(0, 100), ylim = c(0, 100), asp = 1, xlab = "x", ylab = "y")
#' for (t in seq_len(nrow(zones))) {
#'   for (ring in zones$zone[[t]]) polygon(ring, col = hcl.colors(3)[t])
#' }
#' points(trees$x, trees$y, pch = 19)
#' @export
inclusion_zones <- function(trees, stand = NULL, k = 1,
                            sf = requireNamespace("sf", quietly = TRUE), threads = NULL) {
  input <- trees
  trees <- coordinates_of(trees, "trees")
  stand <- check_stand(stand, trees)
  k <- check_order(k)
  if (!is.logical(sf) || length(sf) != 1L || is.na(sf)) {
    stop("`sf` must be TRUE or FALSE", call. = FALSE)
  }
  if (sf && !requireNamespace("sf", quietly = TRUE)) {
    stop("`sf = TRUE` needs the sf package, which is not installed", call. = FALSE)
  }
  zones <- .inclusion_zones(trees$x, trees$y, stand, k, check_threads(threads), sf)
  areas <- zone_table(trees, zones$area, stand)
  table <- data.frame(tree = areas$tree, k = rep(k, nrow(areas)), area = areas$area,
                      probability = areas$probability, row.names = row.names(areas))
  if (sf) {
    crs <- if (inherits(input, c("sf", "sfc"))) sf::st_crs(input) else sf::st_crs(NA_character_)
    geometry <- structure(zones$rings, class = c("sfc_MULTIPOLYGON", "sfc"), precision = 0,
                          bbox = zones$bbox, crs = crs, n_empty = zones$empty)
    return(sf::st_sf(table, geometry = geometry))
  }
  table$zone <- zones$rings
  table
}

#' The k nearest trees of given points
#'
#' For every point, the `k` trees nearest to it, nearest first; trees at the
#' same distance come in the order of their rows. These are the trees a
#' k-tree sample at that point takes (ties with the k-th tree aside).
#'
#' @param trees The trees, in any form [zone_areas()] takes.
#' @param points The points, in the same forms.
#' @param k How many trees per point, a whole number of at least 1. With fewer
#'   trees than `k`, every tree is given.
#' @inheritParams zone_areas
#' @return A list of two matrices with one row per point and `min(k, number of
#'   trees)` columns: `index`, the row numbers of the trees in `trees`, and
#'   `distance`, their distances to the point.
#' @examples
#' trees <- data.frame(x = c(60, 10, 30), y = c(75, 80, 50))
#' nearest_trees(trees, data.frame(x = c(50, 0), y = c(50, 100)), k = 2)
#' @export
nearest_trees <- function(trees, points, k = 1, threads = NULL) {
  trees <- coordinates_of(trees, "trees")
  points <- coordinates_of(points, "points")
  k <- check_order(k)
  .nearest_trees(trees$x, trees$y, points$x, points$y, k, check_threads(threads))
}
