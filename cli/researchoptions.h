#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <kavrel/samplingsimulation.h>
#include <kavrel/standrectangle.h>
#include <optional>

struct ZonesOption;
struct ZonesOptions;

// The research side of kavrel-zones: zone areas, simulated sampling and
// exports of the zones. At most one of areas, simulate, grid and geoJson is
// chosen; the SVG drawing can go with any of them or stand alone.
struct ResearchOptions
{
    bool areas = false;
    std::optional<qint64> simulate; // number of uniform random points
    std::optional<quint64> seed;
    std::optional<double> grid; // spacing of a systematic grid, metres
    bool csv = false;
    std::optional<kavrel::DiameterUnit> diameterUnit;
    bool geoJson = false;
    QString svgFile;
    std::optional<kavrel::StandRectangle> stand; // for CSV stem maps

    // True when the research side replaces the edge table output.
    bool active() const;
    // True when a sampling simulation is asked for.
    bool simulates() const { return simulate.has_value() || grid.has_value(); }
};

// The research options for the option table of kavrel-zones.
QList<ZonesOption> researchOptionTable();

// Checks the options that only make sense together (after all are parsed);
// returns an error text, empty when they fit.
QString checkResearchOptions(const ZonesOptions &options);

// The call lines for the usage text.
QString researchUsageLines();
