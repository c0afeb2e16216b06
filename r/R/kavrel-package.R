#' kavrel: exact inclusion zones of k-tree sampling
#'
#' In k-tree sampling the k trees nearest to a sample point enter the sample.
#' The inclusion zone of order k of a tree is the part of the stand from which
#' that holds: the points from which at most k - 1 other trees are strictly
#' nearer. This package computes those zones exactly, clipped to a rectangular
#' stand \eqn{[0, width] \times [0, length]}{[0, width] x [0, length]} (stand
#' metres, Y pointing up), with the same engine as the Kavrel program and its
#' command-line tool \code{kavrel-zones}, so the numbers are the same.
#'
#' @seealso [zone_areas()], [inclusion_zones()]
#' @keywords internal
"_PACKAGE"

#' @useDynLib kavrel, .registration = TRUE
#' @importFrom Rcpp evalCpp
NULL
