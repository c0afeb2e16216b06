# Trees and points come as data frames or matrices with columns x and y (and
# optionally d), as a list with such elements, as a spatstat point pattern
# (ppp) or as sf points. Every check names the argument, so the message says
# what to fix.

# The trees of `value` as list(x, y, d, ids, window): d NULL when there are no
# diameters, ids the row names a data frame was given (NULL for automatic
# ones), window the stand rectangle of a ppp (NULL otherwise).
coordinates_of <- function(value, what) {
  if (inherits(value, "ppp")) {
    return(ppp_coordinates(value, what))
  }
  if (inherits(value, c("sf", "sfc"))) {
    return(sf_coordinates(value, what))
  }
  ids <- given_row_names(value)
  if (is.matrix(value) && is.numeric(value)) {
    columns <- colnames(value)
    if (is.null(columns)) {
      if (ncol(value) < 2L) {
        stop(sprintf("`%s` needs two columns, x and y", what), call. = FALSE)
      }
      value <- list(x = value[, 1L], y = value[, 2L],
                    d = if (ncol(value) >= 3L) value[, 3L] else NULL)
    } else {
      value <- lapply(stats::setNames(nm = intersect(c("x", "y", "d"), columns)),
                      function(column) value[, column])
    }
  }
  if (!is.list(value) || is.null(value$x) || is.null(value$y)) {
    stop(sprintf("`%s` must be a data frame or matrix with columns x and y, a ppp or sf points",
                 what), call. = FALSE)
  }
  checked_coordinates(value$x, value$y, value$d, what, ids)
}

checked_coordinates <- function(x, y, d, what, ids = NULL, window = NULL) {
  x <- all_na_as_double(x)
  y <- all_na_as_double(y)
  if (!is.numeric(x) || !is.numeric(y)) {
    stop(sprintf("`%s$x` and `%s$y` must be numeric", what, what), call. = FALSE)
  }
  if (length(x) != length(y)) {
    stop(sprintf("`%s$x` and `%s$y` differ in length (%d and %d)", what, what,
                 length(x), length(y)), call. = FALSE)
  }
  bad <- which(!is.finite(x) | !is.finite(y))
  if (length(bad) > 0L) {
    stop(sprintf("`%s` has missing or non-finite coordinates in row%s %s", what,
                 if (length(bad) > 1L) "s" else "", rows_text(bad)), call. = FALSE)
  }
  if (!is.null(d) && (!is.numeric(d) || length(d) != length(x))) {
    stop(sprintf("`%s$d` must be numeric and as long as `%s$x`", what, what), call. = FALSE)
  }
  list(x = as.double(x), y = as.double(y), d = if (is.null(d)) NULL else as.double(d),
       ids = ids, window = window)
}

# Row names someone gave, not the automatic 1, 2, ...
given_row_names <- function(value) {
  if (is.data.frame(value) && .row_names_info(value) > 0L) row.names(value) else NULL
}

# A spatstat point pattern: its rectangular window is the stand, a numeric
# mark (or the mark column d) the diameters.
ppp_coordinates <- function(value, what) {
  window <- value$window
  if (!identical(window$type, "rectangle")) {
    stop(sprintf(paste0("`%s` is a ppp whose window is %s, not a rectangle; stands are ",
                        "rectangles (spatstat.geom::Frame() gives the enclosing one)"),
                 what, if (is.null(window$type)) "unknown" else paste("a", window$type)),
         call. = FALSE)
  }
  marks <- value$marks
  d <- NULL
  if (is.data.frame(marks)) {
    column <- which(tolower(names(marks)) == "d")
    if (length(column) == 1L) d <- marks[[column]]
  } else if (is.numeric(marks)) {
    d <- marks
  }
  checked_coordinates(value$x, value$y, d, what,
                      window = rectangle_of(window$xrange, window$yrange, what))
}

# sf or sfc points; the diameters from a column d of an sf data frame.
sf_coordinates <- function(value, what) {
  geometry <- sf::st_geometry(value)
  types <- as.character(sf::st_geometry_type(geometry))
  bad <- which(types != "POINT" | sf::st_is_empty(geometry))
  if (length(bad) > 0L) {
    stop(sprintf("`%s` must be sf points; row%s %s %s empty or not POINT", what,
                 if (length(bad) > 1L) "s" else "", rows_text(bad),
                 if (length(bad) > 1L) "are" else "is"), call. = FALSE)
  }
  xy <- sf::st_coordinates(geometry)
  d <- NULL
  ids <- NULL
  if (inherits(value, "sf")) {
    columns <- setdiff(names(value), attr(value, "sf_column"))
    column <- columns[tolower(columns) == "d"]
    if (length(column) == 1L) d <- value[[column]]
    ids <- given_row_names(value)
  }
  checked_coordinates(xy[, "X"], xy[, "Y"], d, what, ids)
}

# A column of NA alone is logical in R; it is missing coordinates all the same.
all_na_as_double <- function(values) {
  if (is.logical(values) && all(is.na(values))) as.double(values) else values
}

rows_text <- function(rows) {
  shown <- paste(utils::head(rows, 5L), collapse = ", ")
  if (length(rows) > 5L) paste0(shown, ", ...") else shown
}

# The stand as the engine takes it: c(width, length, x0, y0). It is
# c(width, length) for [0, width] x [0, length], an sf bbox or a rectangular
# spatstat owin; without one, the window of a ppp given as the trees.
check_stand <- function(stand, trees = NULL) {
  if (is.null(stand)) {
    if (!is.null(trees$window)) {
      return(trees$window)
    }
    stop("`stand` is needed: c(width, length) in metres, an sf bbox or a spatstat owin",
         call. = FALSE)
  }
  if (inherits(stand, "bbox")) {
    return(rectangle_of(unname(stand[c("xmin", "xmax")]), unname(stand[c("ymin", "ymax")]),
                        "stand"))
  }
  if (inherits(stand, "owin")) {
    if (!identical(stand$type, "rectangle")) {
      stop("`stand` is an owin that is not a rectangle; stands are rectangles", call. = FALSE)
    }
    return(rectangle_of(stand$xrange, stand$yrange, "stand"))
  }
  if (!is.numeric(stand) || length(stand) != 2L || anyNA(stand) ||
      !all(is.finite(stand)) || any(stand <= 0)) {
    stop(paste("`stand` must be the stand's width and length in metres, two positive numbers,",
               "an sf bbox or a spatstat owin"), call. = FALSE)
  }
  checked_area(c(as.double(stand), 0, 0))
}

rectangle_of <- function(xrange, yrange, what) {
  sides <- c(xrange[2] - xrange[1], yrange[2] - yrange[1])
  if (!is.numeric(sides) || !all(is.finite(c(xrange, yrange, sides))) || any(sides <= 0)) {
    stop(sprintf("the rectangle of `%s` must have finite corners and a positive width and length",
                 what), call. = FALSE)
  }
  checked_area(as.double(c(sides, xrange[1], yrange[1])))
}

# Below the smallest normal double the probabilities, area / stand area,
# would be NaN or lose their digits; above the largest, zero.
checked_area <- function(rectangle) {
  area <- rectangle[1] * rectangle[2]
  if (!is.finite(area) || area < .Machine$double.xmin) {
    stop(sprintf("the stand's area, %g m x %g m, is too small or too large to compute with",
                 rectangle[1], rectangle[2]), call. = FALSE)
  }
  rectangle
}

check_order <- function(k) {
  if (!is.numeric(k) || length(k) != 1L || is.na(k) || k < 1 || k != round(k) ||
      k > .Machine$integer.max) {
    stop("`k` must be one whole number of at least 1", call. = FALSE)
  }
  as.integer(k)
}

# The engine's thread count for one call: 0 for its default (KAVREL_THREADS,
# checked here, or the processors this process may run on).
check_threads <- function(threads) {
  if (is.null(threads)) {
    problem <- .threads_problem()
    if (nzchar(problem)) stop(problem, call. = FALSE)
    return(0L)
  }
  if (!is.numeric(threads) || length(threads) != 1L || is.na(threads) ||
      threads != round(threads) || threads < 1 || threads > 1024) {
    stop("`threads` must be one whole number from 1 to 1024, or NULL for the default",
         call. = FALSE)
  }
  as.integer(threads)
}

#' The number of threads by default
#'
#' How many threads the functions of this package compute on when `threads`
#' is `NULL`: the value of the environment variable `KAVREL_THREADS` when it
#' is set, and otherwise the number of processors this R process may run on
#' (its affinity mask, which `taskset` or a batch system may have narrowed,
#' not the number of cores of the machine). The results are the same for any
#' number of threads.
#'
#' @return One whole number, at least 1.
#' @examples
#' default_threads()
#' @export
default_threads <- function() {
  check_threads(NULL)
  .thread_count()
}
