#' Areas and inclusion probabilities of the order-k zones
#'
#' The area of each tree's inclusion zone of order `k` within the stand, the
#' part of the stand from which at most `k - 1` other trees are strictly
#' nearer, and the tree's inclusion probability, area / stand area. The areas
#' are exact; with at least `k` trees (none coincident) they add up to `k`
#' times the stand area, and with `k` or fewer trees every zone is the whole
#' stand.
#'
#' @param trees The trees: a data frame, list or matrix with columns `x` and
#'   `y` (stand metres from the lower-left corner, Y up) and optionally `d`
#'   (diameter, carried through). An unnamed matrix is read as x, y and d.
#'   Trees may lie outside the stand.
#' @param stand The stand rectangle \eqn{[0, width] \times [0, length]}{[0,
#'   width] x [0, length]}: `c(width, length)` in metres.
#' @param k The order, a whole number of at least 1.
#' @return A data frame with one row per tree in the given order: `tree`
#'   (row number), `x`, `y`, `d` (when given), `area` (square metres) and
#'   `probability`, the same columns as `kavrel-zones --areas` prints.
#' @examples
#' trees <- data.frame(x = c(60, 10, 30), y = c(75, 80, 50), d = c(32.5, 41, 27.3))
#' zone_areas(trees, stand = c(100, 100), k = 2)
#' @export
zone_areas <- function(trees, stand, k = 1) {
  trees <- coordinates_of(trees, "trees")
  stand <- check_stand(stand)
  k <- check_order(k)
  area <- .zone_areas(trees$x, trees$y, stand, k)
  zone_table(trees, area, stand)
}

zone_table <- function(trees, area, stand) {
  columns <- list(tree = seq_along(trees$x), x = trees$x, y = trees$y)
  if (!is.null(trees$d)) {
    columns$d <- trees$d
  }
  columns$area <- area
  columns$probability <- area / (stand[1] * stand[2])
  as.data.frame(columns)
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
#'   is installed.
#' @return With `sf = TRUE`, an `sf` data frame with the columns `tree`, `k`,
#'   `area`, `probability` and a `MULTIPOLYGON` geometry in stand metres (no
#'   CRS: assign a local or projected one). Otherwise a data frame with the
#'   same columns and a list column `zone`: for each tree a list of closed
#'   rings, each a two-column matrix (x, y) whose last row repeats its first,
#'   counter-clockwise, ready for [graphics::polygon()].
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
inclusion_zones <- function(trees, stand, k = 1, sf = requireNamespace("sf", quietly = TRUE)) {
  trees <- coordinates_of(trees, "trees")
  stand <- check_stand(stand)
  k <- check_order(k)
  if (!is.logical(sf) || length(sf) != 1L || is.na(sf)) {
    stop("`sf` must be TRUE or FALSE", call. = FALSE)
  }
  if (sf && !requireNamespace("sf", quietly = TRUE)) {
    stop("`sf = TRUE` needs the sf package, which is not installed", call. = FALSE)
  }
  zones <- .inclusion_zones(trees$x, trees$y, stand, k)
  table <- zone_table(trees, zones$area, stand)
  table <- data.frame(tree = table$tree, k = rep(k, nrow(table)), area = table$area,
                      probability = table$probability)
  if (sf) {
    geometry <- sf::st_sfc(lapply(zones$rings, function(rings) {
      sf::st_multipolygon(lapply(rings, list))
    }))
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
#' @param trees The trees: a data frame, list or matrix with columns `x` and
#'   `y`, as for [zone_areas()].
#' @param points The points, in the same form.
#' @param k How many trees per point, a whole number of at least 1. With fewer
#'   trees than `k`, every tree is given.
#' @return A list of two matrices with one row per point and `min(k, number of
#'   trees)` columns: `index`, the row numbers of the trees in `trees`, and
#'   `distance`, their distances to the point.
#' @examples
#' trees <- data.frame(x = c(60, 10, 30), y = c(75, 80, 50))
#' nearest_trees(trees, data.frame(x = c(50, 0), y = c(50, 100)), k = 2)
#' @export
nearest_trees <- function(trees, points, k = 1) {
  trees <- coordinates_of(trees, "trees")
  points <- coordinates_of(points, "points")
  k <- check_order(k)
  .nearest_trees(trees$x, trees$y, points$x, points$y, k)
}
