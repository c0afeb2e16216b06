# The cross-check runs the command-line tool kavrel-zones on the repository's
# sample stands; ./kavrel.sh r-check tells where both are. Elsewhere (a plain
# R CMD check of the tarball) it is skipped.

read_stand_file <- function(path) {
  values <- scan(path, sep = ",", quiet = TRUE, strip.white = TRUE)
  values <- values[!is.na(values)] # a comma at the end of a line
  n <- values[3]
  trees <- matrix(values[3 + seq_len(3 * n)], ncol = 3, byrow = TRUE)
  list(stand = values[1:2], trees = data.frame(x = trees[, 1], y = trees[, 2], d = trees[, 3]))
}

write_stand_file <- function(path, stand, trees) {
  writeLines(c(sprintf("%d,%d", stand[1], stand[2]), as.character(nrow(trees)),
               sprintf("%.3f,%.3f,%.1f", trees$x, trees$y, trees$d)), path)
}

zones_tool <- function() {
  tool <- Sys.getenv("KAVREL_ZONES")
  if (!nzchar(tool) || !file.exists(tool)) {
    testthat::skip("KAVREL_ZONES does not name the kavrel-zones program")
  }
  tool
}

sample_stand_path <- function(name) {
  path <- file.path(Sys.getenv("KAVREL_DATA"), name)
  if (!file.exists(path)) {
    testthat::skip(sprintf("KAVREL_DATA does not hold the sample stand %s", name))
  }
  path
}

# `kavrel-zones --areas` as a table of text columns, so its numbers are
# compared as it wrote them.
tool_areas <- function(tool, path, k) {
  output <- system2(tool, c("--areas", "--order", k, shQuote(path)), stdout = TRUE,
                    env = "LC_ALL=C")
  utils::read.csv(text = output, header = FALSE, colClasses = "character",
                  col.names = c("tree", "x", "y", "d", "area", "probability"))
}

# Equal to the last of the 15 significant digits the tool writes.
as_tool_digits <- function(values) {
  as.numeric(sprintf("%.15g", values))
}
