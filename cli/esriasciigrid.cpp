#include "esriasciigrid.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr const char *NoData = "-9999";

void appendNumber(std::string &text, double value)
{
    if (!std::isfinite(value)) {
        text += NoData;
        return;
    }
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    text.append(buffer.data(), end);
}

} // namespace

QByteArray esriAsciiGrid(const kavrel::SurfaceGrid &grid, const std::vector<double> &values)
{
    std::string text;
    text.reserve(values.size() * 12 + 200);
    text += "ncols " + std::to_string(grid.columns) + "\nnrows " + std::to_string(grid.rows) + "\nxllcorner ";
    appendNumber(text, grid.left);
    text += "\nyllcorner ";
    appendNumber(text, grid.bottom);
    text += "\ncellsize ";
    appendNumber(text, grid.spacing);
    text += std::string("\nNODATA_value ") + NoData + '\n';
    for (int row = grid.rows - 1; row >= 0; --row) {
        const std::size_t first = std::size_t(row) * std::size_t(grid.columns);
        for (int column = 0; column < grid.columns; ++column) {
            if (column > 0)
                text += ' ';
            appendNumber(text, values[first + std::size_t(column)]);
        }
        text += '\n';
    }
    return QByteArray::fromStdString(text);
}
