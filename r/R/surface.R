#' Sampling surfaces of k-tree sampling and the disc designs
#'
#' The estimate of every design at the centres of a square grid of cells of
#' `spacing` metres over the stand, as `kavrel-zones surface` computes it:
#' k-tree sampling of order `k` with Horvitz-Thompson, the fixed-area plot,
#' angle-count sampling for each basal area factor in `baf` and concentric
#' plots. The mean of a surface is the design's expectation, its standard
#' deviation the exact standard error of one sample point.
#'
#' @param trees The trees (a data frame, list or matrix with columns `x`, `y`
#'   and `d`).
#' @param stand The stand rectangle, `c(width, length)` in metres.
#' @param spacing The grid's spacing in metres.
#' @param k The order of k-tree sampling.
#' @param baf Basal area factors in m^2/ha, one angle-count design each.
#' @param plot_radius Radius of the fixed-area plot in metres; by default the
#'   one whose expected tree count is k.
#' @param concentric Concentric plots: a data frame or matrix with the columns
#'   `radius` (m) and `diameter` (the smallest diameter in cm the ring takes),
#'   or `NULL` for none.
#' @param edge_correction For the disc designs: `"clip"` (the disc's exact area
#'   in the stand), `"none"`, `"walkthrough"` or `"mirage"`.
#' @param diameter_unit The unit of `d`: `"cm"`, `"mm"` or `"m"`.
#' @inheritParams zone_areas
#' @return A list: `statistics`, a data frame with one row per design and
#'   quantity (`design`, `quantity`, `true_value`, `surface_mean`,
#'   `relative_difference`, `single_point_sd`, `minimum`, `maximum`,
#'   `unreachable_trees`); `grid` (`left`, `bottom`, `spacing`, `columns`,
#'   `rows`, `plot_radius`); and `surfaces`, one matrix per
#'   `"<design>_<quantity>"` whose first row is the stand's north edge (as
#'   `terra::rast()` takes it).
#' @examples
#' set.seed(1)
#' trees <- data.frame(x = runif(60, 0, 50), y = runif(60, 0, 40), d = runif(60, 10, 50))
#' s <- sampling_surface(trees, c(50, 40), spacing = 0.5, k = 3, baf = 4)
#' s$statistics[c("design", "quantity", "true_value", "surface_mean", "single_point_sd")]
#' image(t(s$surfaces$k_tree_trees_per_ha[nrow(s$surfaces$k_tree_trees_per_ha):1, ]), asp = 40 / 50)
#' @export
sampling_surface <- function(trees, stand, spacing, k = 1, baf = numeric(), plot_radius = NULL,
                             concentric = NULL, edge_correction = c("clip", "none", "walkthrough", "mirage"),
                             diameter_unit = c("cm", "mm", "m"), threads = NULL) {
  diameter_unit <- match.arg(diameter_unit)
  edge_correction <- match.arg(edge_correction)
  metres <- c(cm = 0.01, mm = 0.001, m = 1)[[diameter_unit]]
  coordinates <- coordinates_of(trees, "trees")
  if (is.null(coordinates$d) || !all(is.finite(coordinates$d)) || any(coordinates$d < 0)) {
    stop("`trees` needs a column d with diameters of 0 or more", call. = FALSE)
  }
  stand <- check_stand(stand)
  k <- check_order(k)
  if (!is.numeric(spacing) || length(spacing) != 1L || !is.finite(spacing) || spacing <= 0) {
    stop("`spacing` must be a positive number of metres", call. = FALSE)
  }
  if (!is.numeric(baf) || !all(is.finite(baf)) || any(baf <= 0)) {
    stop("`baf` must hold positive basal area factors in m^2/ha", call. = FALSE)
  }
  if (is.null(plot_radius)) {
    plot_radius <- NA_real_
  } else if (!is.numeric(plot_radius) || length(plot_radius) != 1L || !is.finite(plot_radius) ||
             plot_radius <= 0) {
    stop("`plot_radius` must be a positive number of metres", call. = FALSE)
  }
  rings <- concentric_rings(concentric)
  .sampling_surface(coordinates$x, coordinates$y, coordinates$d * metres, stand, k, spacing,
                    as.numeric(baf), plot_radius, rings$radius, rings$diameter, edge_correction,
                    check_threads(threads))
}
