#pragma once

// What the window can save of the zones of the current order.
enum class ZoneExportFormat
{
    GeoJson, // the zones as polygons, for GIS programs
    Svg,     // the drawing of the stand, the trees and the zone boundaries
    Csv,     // the zone areas and inclusion probabilities as a table
};
