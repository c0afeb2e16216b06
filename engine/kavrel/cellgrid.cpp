#include "cellgrid.h"

#include <algorithm>
#include <cmath>

namespace kavrel {

namespace {

// Cells along one side: as many as the cell size asks for, but never so many
// that the empty cells outweigh the points.
std::int64_t cellsAlong(double extent, double cellSize, double limit)
{
    if (!(cellSize > 0.0) || !(extent > 0.0))
        return 1;
    return std::int64_t(std::clamp(std::ceil(extent / cellSize), 1.0, limit));
}

} // namespace

CellGrid::CellGrid(Extent extent, double cellSize, std::size_t expectedPoints) : m_extent(extent)
{
    const double limit = std::max(1.0, std::ceil(std::sqrt(4.0 * double(expectedPoints) + 16.0)));
    m_columns = cellsAlong(extent.width(), cellSize, limit);
    m_rows = cellsAlong(extent.length(), cellSize, limit);
    m_cellWidth = extent.width() > 0.0 ? extent.width() / double(m_columns) : 1.0;
    m_cellLength = extent.length() > 0.0 ? extent.length() / double(m_rows) : 1.0;
    m_cells.resize(std::size_t(m_columns * m_rows));
}

std::int64_t CellGrid::columnOf(double x) const
{
    const double cell = std::floor((x - m_extent.left) / m_cellWidth);
    return std::int64_t(std::clamp(cell, 0.0, double(m_columns - 1)));
}

std::int64_t CellGrid::rowOf(double y) const
{
    const double cell = std::floor((y - m_extent.bottom) / m_cellLength);
    return std::int64_t(std::clamp(cell, 0.0, double(m_rows - 1)));
}

void CellGrid::insert(Point point, std::int64_t index)
{
    m_cells[std::size_t(rowOf(point.y) * m_columns + columnOf(point.x))].push_back(Entry{point, index});
}

CellGrid::CellRange CellGrid::cellsAround(Point centre, double radius) const
{
    return {columnOf(centre.x - radius), columnOf(centre.x + radius), rowOf(centre.y - radius),
            rowOf(centre.y + radius)};
}

} // namespace kavrel
