#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kavrel {

// How a disc design treats a tree whose disc reaches past the edge of the
// sampled area.
enum class EdgeCorrection
{
    None,        // the full disc's area: trees near the edge are under-weighted
    Clip,        // the disc's exact area within the sampled area
    Walkthrough, // the tree counts twice when the point reflected through it lies outside
    Mirage       // the point reflected across the edge sees the trees again
};

std::string edgeCorrectionName(EdgeCorrection correction);
std::optional<EdgeCorrection> edgeCorrectionFromName(std::string_view name);
// The correction the R and Python functions' edge_correction argument names;
// std::invalid_argument naming the choices for any other text.
EdgeCorrection edgeCorrectionArgument(std::string_view name);

} // namespace kavrel
