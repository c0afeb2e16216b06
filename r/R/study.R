#' Replicated k-tree sampling study
#'
#' Draws `replicates` samples of `points` sample points each in every stand,
#' for every order in `k` and every design, evaluates each estimator of trees
#' and basal area per hectare on each sample, and summarises them over the
#' samples: mean, true value, bias, relative bias, empirical standard error,
#' RMSE, mean estimated standard error and the coverage of the 95 % intervals.
#' The estimators are Horvitz-Thompson from the exact order-k zones, the
#' distance estimators k / (pi r_k^2), (k - 1) / (pi r_k^2) and
#' (k - 0.5) / (pi r_k^2), and a fixed-area circular plot. Estimators whose
#' expectation is infinite get no numbers, and `note` says why.
#'
#' @param trees The trees of one stand in any form [zone_areas()] takes, with
#'   diameters `d` (a column, or the marks of a `ppp`), or a named list of
#'   such stands.
#' @param stand The stand rectangle in any form [zone_areas()] takes
#'   (`c(width, length)`, an sf bbox, a rectangular owin; left out for a
#'   `ppp`), or a list of them, one per stand.
#' @param k The orders, whole numbers of at least 1.
#' @param replicates Samples per stand, order and design.
#' @param points Sample points per sample, at least 2.
#' @param design `"random"` (independent uniform points), `"systematic"` (a
#'   grid of a x b cells that tiles the sampled rectangle, one point per cell
#'   at a random offset; a x b is `points` or, without fitting factors, the
#'   nearest count, given in the result's `points`) or both.
#' @param seed The seed, a whole number from 0 to 2^53; the same seed gives
#'   the same numbers.
#' @param buffer Sample points only at least this far inside the stand
#'   (metres); the population is then the trees of the inner rectangle, those
#'   of the strip are neighbours only.
#' @param torus Whether the stand wraps around at its edges.
#' @param plot_radius Radius of the fixed-area plot in metres; by default the
#'   one whose expected tree count is k.
#' @param diameter_unit The unit of `d`: `"cm"`, `"mm"` or `"m"`.
#' @inheritParams zone_areas
#' @param baf Basal area factors in m^2/ha: angle-count sampling with each,
#'   as estimators `angle_count_baf<F>`.
#' @param concentric Concentric plots, a data frame or matrix with the columns
#'   `radius` (m) and `diameter` (the smallest diameter in cm the ring takes),
#'   as the estimator `concentric`; `NULL` for none.
#' @param edge_correction The edge corrections of the disc designs (fixed
#'   plot, angle count, concentric): any of `"clip"`, `"none"`,
#'   `"walkthrough"` and `"mirage"`. Clip's estimators keep their plain names,
#'   the others get the correction appended (`fixed_plot_mirage`).
#' @return A data frame in the long form of the command-line tool's study CSV:
#'   one row per stand, order, design, estimator and quantity, with the
#'   columns `stand`, `k`, `design`, `edge`, `estimator`, `quantity`,
#'   `true_value`, `mean`, `bias`, `relative_bias`, `empirical_se`,
#'   `mc_se_of_mean`, `rmse`, `mean_estimated_se`, `coverage_95`,
#'   `unreachable_trees`, `note`, `seed`, `points`, `replicates`, `buffer_m`
#'   and `plot_radius_m`. Missing numbers are `NA`.
#' @examples
#' set.seed(1)
#' trees <- data.frame(x = runif(60, 0, 50), y = runif(60, 0, 40), d = runif(60, 10, 50))
#' study <- sampling_study(trees, stand = c(50, 40), k = 1:3, replicates = 50, points = 10)
#' subset(study, quantity == "trees_per_ha", c(k, estimator, mean, true_value, coverage_95))
#' @export
sampling_study <- function(trees, stand = NULL, k = 1, replicates = 100, points = 20,
                           design = "random", seed = 1, buffer = 0, torus = FALSE,
                           plot_radius = NULL, diameter_unit = c("cm", "mm", "m"),
                           threads = NULL, baf = numeric(), concentric = NULL, edge_correction = "clip") {
  diameter_unit <- match.arg(diameter_unit)
  metres <- c(cm = 0.01, mm = 0.001, m = 1)[[diameter_unit]]
  stands <- study_stands(trees, stand, metres)
  if (!is.numeric(k) || length(k) == 0L) {
    stop("`k` must be one or more whole numbers of at least 1", call. = FALSE)
  }
  k <- vapply(k, check_order, 0L)
  if (!is.character(design) || length(design) == 0L ||
      !all(design %in% c("random", "systematic"))) {
    stop('`design` must be "random", "systematic" or both', call. = FALSE)
  }
  check_whole(replicates, "replicates", 1, 1e10)
  check_whole(points, "points", 2, 1e10)
  check_whole(seed, "seed", 0, 2^53)
  if (!is.numeric(buffer) || length(buffer) != 1L || !is.finite(buffer) || buffer < 0) {
    stop("`buffer` must be a width of 0 metres or more", call. = FALSE)
  }
  if (!is.logical(torus) || length(torus) != 1L || is.na(torus)) {
    stop("`torus` must be TRUE or FALSE", call. = FALSE)
  }
  if (is.null(plot_radius)) {
    plot_radius <- NA_real_
  } else if (!is.numeric(plot_radius) || length(plot_radius) != 1L || !is.finite(plot_radius) ||
             plot_radius <= 0) {
    stop("`plot_radius` must be a positive number of metres", call. = FALSE)
  }
  if (!is.numeric(baf) || !all(is.finite(baf)) || any(baf <= 0)) {
    stop("`baf` must hold positive basal area factors in m^2/ha", call. = FALSE)
  }
  rings <- concentric_rings(concentric)
  if (!is.character(edge_correction) || length(edge_correction) == 0L ||
      !all(edge_correction %in% c("none", "clip", "walkthrough", "mirage")) ||
      anyDuplicated(edge_correction)) {
    stop('`edge_correction` must name each of "none", "clip", "walkthrough" and "mirage" at most once',
         call. = FALSE)
  }
  .sampling_study(stands, k, design, replicates, points, seed, buffer, torus, plot_radius,
                  check_threads(threads), as.numeric(baf), rings$radius, rings$diameter, edge_correction)
}

concentric_rings <- function(concentric) {
  if (is.null(concentric)) {
    return(list(radius = numeric(), diameter = numeric()))
  }
  concentric <- as.data.frame(concentric)
  if (!all(c("radius", "diameter") %in% names(concentric)) || nrow(concentric) == 0L) {
    stop("`concentric` must have the columns radius and diameter", call. = FALSE)
  }
  list(radius = as.numeric(concentric$radius), diameter = as.numeric(concentric$diameter))
}

study_stands <- function(trees, stand, metres) {
  single <- is.matrix(trees) || is.data.frame(trees) || inherits(trees, c("ppp", "sfc")) ||
    (is.list(trees) && !is.null(trees$x))
  if (single) {
    trees <- list(stand = trees)
    stand <- list(stand)
  } else if (!is.list(trees) || length(trees) == 0L) {
    stop("`trees` must be the trees of one stand or a named list of stands", call. = FALSE)
  }
  if (is.null(stand) || is.numeric(stand) || inherits(stand, c("bbox", "owin"))) {
    stand <- rep(list(stand), length(trees))
  }
  if (!is.list(stand) || length(stand) != length(trees)) {
    stop("`stand` must be one rectangle c(width, length) or one per stand", call. = FALSE)
  }
  names <- names(trees)
  if (is.null(names) || any(!nzchar(names))) {
    names <- paste0("stand", seq_along(trees))
  }
  lapply(seq_along(trees), function(s) {
    what <- if (single) "trees" else sprintf("trees[[%d]]", s)
    coordinates <- coordinates_of(trees[[s]], what)
    if (is.null(coordinates$d)) {
      stop(sprintf("`%s` needs a column d with the trees' diameters", what), call. = FALSE)
    }
    if (!all(is.finite(coordinates$d))) {
      stop(sprintf("`%s$d` has missing or non-finite diameters", what), call. = FALSE)
    }
    list(name = names[s], x = coordinates$x, y = coordinates$y, d = coordinates$d * metres,
         stand = check_stand(stand[[s]], coordinates))
  })
}

check_whole <- function(value, what, least, most) {
  if (!is.numeric(value) || length(value) != 1L || is.na(value) || value != round(value) ||
      value < least || value > most) {
    stop(sprintf("`%s` must be a whole number from %s to %s", what, format(least),
                 format(most)), call. = FALSE)
  }
}
