#pragma once

#include <QByteArray>
#include <kavrel/samplingsurface.h>

// A surface as an ESRI ASCII grid (.asc), which R's terra, Python's rasterio
// and QGIS read: the header with the lower-left corner and the cell size in
// stand metres, then the rows from the top down, numbers with a decimal point
// and as many digits as tell them apart.
QByteArray esriAsciiGrid(const kavrel::SurfaceGrid &grid, const std::vector<double> &values);
