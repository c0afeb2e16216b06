#pragma once

#include <QByteArray>
#include <kavrel/inclusionzones.h>
#include <vector>

// Inclusion zones written for GIS and drawing programs. Coordinates are stand
// metres (origin at the stand's lower-left corner, Y up); tree numbers are the
// positions in the given lists, counted from 1 (the file order).

// A GeoJSON FeatureCollection with one feature per tree: a Polygon, a
// MultiPolygon when the zone falls apart into several parts inside the stand,
// or a null geometry when it does not reach into the stand. Properties: tree,
// k, area (square metres) and probability (area / stand area).
QByteArray zonesToGeoJson(const std::vector<kavrel::InclusionZone> &zones, kavrel::StandRectangle stand,
                          int k);

// How an SVG drawing came about.
enum class SvgTrees
{
    AsWritten,      // every tree at its written coordinates
    SeparatedOnMap, // the window's map: some tied X or Y values moved apart
};

// An SVG drawing to scale: the stand rectangle, every zone boundary, the trees
// with their numbers, and a legend with a scale bar. A drawing of the map
// says in its legend that trees were moved apart on it.
QByteArray zonesToSvg(const std::vector<kavrel::Point> &trees,
                      const std::vector<kavrel::InclusionZone> &zones, kavrel::StandRectangle stand, int k,
                      SvgTrees drawn = SvgTrees::AsWritten);

// A CSV table with a header line and one line per tree: tree, x, y (stand
// metres), d (as read), k, area (square metres) and probability (area / stand
// area), "." as decimal point, in every language.
QByteArray zonesToCsv(const std::vector<kavrel::Point> &trees, const std::vector<double> &diameters,
                      const std::vector<double> &areas, kavrel::StandRectangle stand, int k);
