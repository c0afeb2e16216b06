#pragma once

#include "plotzones.h"
#include "point.h"

#include <cstdint>
#include <vector>

namespace kavrel {

// Points sorted into square cells over an extent, for finding every point
// within a fixed radius in time that grows with the points found rather than
// with all points. Points outside the extent go into its border cells, so
// they are found as well. Memory grows linearly with the number of points.
class CellGrid
{
public:
    CellGrid(Extent extent, double cellSize, std::size_t expectedPoints);

    void insert(Point point, std::int64_t index);

    // Calls visit(index, point) for every inserted point whose distance from
    // `centre` is at most `radius`, in no particular order.
    template <typename Visit> void forEachWithin(Point centre, double radius, Visit &&visit) const
    {
        const CellRange range = cellsAround(centre, radius);
        const double squaredRadius = radius * radius;
        for (std::int64_t row = range.firstRow; row <= range.lastRow; ++row) {
            for (std::int64_t column = range.firstColumn; column <= range.lastColumn; ++column) {
                for (const Entry &entry : m_cells[std::size_t(row * m_columns + column)]) {
                    if (squaredDistance(entry.point, centre) <= squaredRadius)
                        visit(entry.index, entry.point);
                }
            }
        }
    }

private:
    struct Entry
    {
        Point point;
        std::int64_t index = 0;
    };
    struct CellRange
    {
        std::int64_t firstColumn = 0;
        std::int64_t lastColumn = 0;
        std::int64_t firstRow = 0;
        std::int64_t lastRow = 0;
    };

    std::int64_t columnOf(double x) const;
    std::int64_t rowOf(double y) const;
    CellRange cellsAround(Point centre, double radius) const;

    Extent m_extent;
    double m_cellWidth = 1.0;
    double m_cellLength = 1.0;
    std::int64_t m_columns = 1;
    std::int64_t m_rows = 1;
    std::vector<std::vector<Entry>> m_cells;
};

} // namespace kavrel
