# The geometry outputs of the R package against the plain zone areas: time
# and peak memory of each, every one in a fresh R process so the peaks do not
# mix. Run with the package installed:
#   Rscript bench/bench_bindings.R [TREES] [K]
# (default 10^6 trees, order 1, a uniform stand of 400 trees per hectare).
arguments <- commandArgs(trailingOnly = TRUE)
trees <- if (length(arguments) >= 1L) as.numeric(arguments[1]) else 1e6
k <- if (length(arguments) >= 2L) as.integer(arguments[2]) else 1L

cases <- c(zone_areas = "zone_areas(trees, stand, k = k)",
           "inclusion_zones(sf = FALSE)" = "inclusion_zones(trees, stand, k = k, sf = FALSE)",
           "inclusion_zones(sf = TRUE)" = "inclusion_zones(trees, stand, k = k, sf = TRUE)")

# One case in its own process: seconds of the call and the process's peak
# resident memory (VmHWM) in MB, stand and trees included.
run_case <- function(call) {
  script <- sprintf(paste(
    "suppressMessages(library(kavrel)); if (grepl('sf = TRUE', %s)) suppressMessages(library(sf))",
    "side <- sqrt(%.0f / 0.04); stand <- c(side, side); k <- %d; set.seed(1)",
    "trees <- data.frame(x = runif(%.0f, 0, side), y = runif(%.0f, 0, side))",
    "seconds <- system.time(result <- %s)[['elapsed']]",
    "peak <- grep('^VmHWM', readLines('/proc/self/status'), value = TRUE)",
    "cat(seconds, as.numeric(gsub('[^0-9]', '', peak)) / 1024, '\\n')", sep = "; "),
    deparse(call), trees, k, trees, trees, call)
  output <- system2(file.path(R.home("bin"), "Rscript"), c("-e", shQuote(script)), stdout = TRUE)
  as.numeric(strsplit(trimws(output[length(output)]), " +")[[1]])
}

cat(sprintf("%.0f trees, order %d, %d threads\n", trees, k, kavrel::default_threads()))
figures <- t(vapply(cases, run_case, numeric(2)))
base <- figures["zone_areas", ]
for (name in rownames(figures)) {
  cat(sprintf("%-28s %7.2f s (%4.2fx)  %7.0f MB (%4.2fx)\n", name, figures[name, 1],
              figures[name, 1] / base[1], figures[name, 2], figures[name, 2] / base[2]))
}
