#pragma once

#include <pybind11/pybind11.h>

// Adds sampling_surface() to the engine module.
void addSurfaceFunctions(pybind11::module_ &module);
