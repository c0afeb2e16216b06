# Trees and points come as data frames or matrices with columns x and y (and
# optionally d), or as a list with such elements. Every check names the
# argument, so the message says what to fix.

coordinates_of <- function(value, what) {
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
    stop(sprintf("`%s` must be a data frame or matrix with columns x and y", what),
         call. = FALSE)
  }
  x <- all_na_as_double(value$x)
  y <- all_na_as_double(value$y)
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
  d <- value$d
  if (!is.null(d) && (!is.numeric(d) || length(d) != length(x))) {
    stop(sprintf("`%s$d` must be numeric and as long as `%s$x`", what, what), call. = FALSE)
  }
  list(x = as.double(x), y = as.double(y), d = if (is.null(d)) NULL else as.double(d))
}

# A column of NA alone is logical in R; it is missing coordinates all the same.
all_na_as_double <- function(values) {
  if (is.logical(values) && all(is.na(values))) as.double(values) else values
}

rows_text <- function(rows) {
  shown <- paste(utils::head(rows, 5L), collapse = ", ")
  if (length(rows) > 5L) paste0(shown, ", ...") else shown
}

check_stand <- function(stand) {
  if (!is.numeric(stand) || length(stand) != 2L || anyNA(stand) ||
      !all(is.finite(stand)) || any(stand <= 0)) {
    stop("`stand` must be the stand's width and length in metres, two positive numbers",
         call. = FALSE)
  }
  as.double(stand)
}

check_order <- function(k) {
  if (!is.numeric(k) || length(k) != 1L || is.na(k) || k < 1 || k != round(k) ||
      k > .Machine$integer.max) {
    stop("`k` must be one whole number of at least 1", call. = FALSE)
  }
  as.integer(k)
}
