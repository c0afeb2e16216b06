library(testthat)
library(kavrel)

test_check("kavrel")
