#include "edgecorrection.h"

#include <array>
#include <stdexcept>
#include <utility>

namespace kavrel {

namespace {

constexpr std::array<std::pair<EdgeCorrection, const char *>, 4> Names{{
    {EdgeCorrection::None, "none"},
    {EdgeCorrection::Clip, "clip"},
    {EdgeCorrection::Walkthrough, "walkthrough"},
    {EdgeCorrection::Mirage, "mirage"},
}};

} // namespace

std::string edgeCorrectionName(EdgeCorrection correction)
{
    for (const auto &[value, name] : Names) {
        if (value == correction)
            return name;
    }
    return "clip";
}

std::optional<EdgeCorrection> edgeCorrectionFromName(std::string_view name)
{
    for (const auto &[value, text] : Names) {
        if (name == text)
            return value;
    }
    return std::nullopt;
}

EdgeCorrection edgeCorrectionArgument(std::string_view name)
{
    if (const std::optional<EdgeCorrection> correction = edgeCorrectionFromName(name))
        return *correction;
    throw std::invalid_argument(
        "edge_correction must be \"none\", \"clip\", \"walkthrough\" or \"mirage\", not \"" +
        std::string(name) + "\"");
}

} // namespace kavrel
