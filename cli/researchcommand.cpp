#include "researchcommand.h"

#include "files/filesystemname.h"
#include "files/outputfile.h"
#include "progressline.h"
#include "researchoptions.h"
#include "researchstand.h"
#include "stand/numberformat.h"
#include "zones/zoneexport.h"
#include "zonescommand.h"
#include "zonesoptions.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <cmath>
#include <functional>
#include <kavrel/inclusionzones.h>
#include <kavrel/samplingsimulation.h>

using namespace kavrel;

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("KavrelZones", text);
}

// A result that overflowed is no result: it is reported, never printed.
int reportNotFinite(const QString &quantity, QTextStream &err)
{
    err << "kavrel-zones: "
        << translated("%1 lässt sich für diesen Bestand nicht endlich berechnen; sind die Durchmesser und "
                      "Koordinaten in der richtigen Einheit?")
               .arg(quantity)
        << '\n';
    return ZonesUnreadableStand;
}

int printAreas(const ResearchStand &stand, const std::vector<double> &areas, QTextStream &out,
               QTextStream &err)
{
    for (const double area : areas) {
        if (!std::isfinite(area) || !std::isfinite(area / stand.rectangle.area()))
            return reportNotFinite(QStringLiteral("area"), err);
    }
    for (std::size_t t = 0; t < stand.positions.size(); ++t) {
        out << (t + 1) << ',' << numberText(stand.positions[t].x) << ',' << numberText(stand.positions[t].y)
            << ',' << numberText(stand.diameters[t]) << ',' << numberText(areas[t]) << ','
            << numberText(areas[t] / stand.rectangle.area()) << '\n';
    }
    return ZonesSuccess;
}

QString shortNumber(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("-");
    return numberText(QString::number(value, 'g', 6).toDouble());
}

QString percentText(double fraction)
{
    if (!std::isfinite(fraction))
        return QStringLiteral("-");
    return numberText(QString::number(100.0 * fraction, 'g', 4).toDouble()) + QStringLiteral(" %");
}

QString csvNumber(double value, bool available)
{
    return available && std::isfinite(value) ? numberText(value) : QStringLiteral("NA");
}

struct EstimatorLine
{
    QString id;    // for CSV
    QString label; // for people
    EstimatorSummary summary;
};

// The true value is always printed; an estimate that is no finite number
// is printed as "NA" or "-" only where a note explains it (points on the
// k-th nearest tree), never because the sums overflowed.
bool isPrintable(const EstimatorSummary &s)
{
    if (!std::isfinite(s.trueValue))
        return false;
    if (!s.available || s.unboundedPoints > 0)
        return true;
    return std::isfinite(s.mean) && !std::isinf(s.relativeBias) && !std::isinf(s.standardError);
}

QList<EstimatorLine> estimatorLines(const SamplingResult &result)
{
    return {
        {QStringLiteral("ht_trees_per_ha"), translated("HT Bäume/ha"), result.treesHorvitzThompson},
        {QStringLiteral("ht_basal_area_m2_per_ha"), translated("HT Grundfläche m\u00B2/ha"),
         result.basalAreaHorvitzThompson},
        {QStringLiteral("k_over_pi_rk2_trees_per_ha"), translated("k/(pi r_k^2) Bäume/ha"),
         result.treesClassic},
        {QStringLiteral("k_minus_1_over_pi_rk2_trees_per_ha"), translated("(k-1)/(pi r_k^2) Bäume/ha"),
         result.treesClassicUnbiased},
    };
}

void printCsv(const SamplingResult &result, QTextStream &out)
{
    out << "estimator,mean,true_value,relative_bias,standard_error,k,points,never_sampled\n";
    for (const EstimatorLine &line : estimatorLines(result)) {
        const EstimatorSummary &s = line.summary;
        out << line.id << ',' << csvNumber(s.mean, s.available) << ',' << numberText(s.trueValue) << ','
            << csvNumber(s.relativeBias, s.available) << ',' << csvNumber(s.standardError, s.available) << ','
            << result.order << ',' << result.pointCount << ',' << result.neverSampled << '\n';
    }
}

QString designLine(const ResearchOptions &research, qint64 points)
{
    if (research.grid) {
        return translated("Stichprobe: %1 Punkte im systematischen Raster, Abstand %2 m")
            .arg(points)
            .arg(numberText(*research.grid));
    }
    return translated("Stichprobe: %1 gleichverteilte Zufallspunkte, Startwert %2")
        .arg(points)
        .arg(research.seed.value_or(1));
}

QStringList notesFor(const SamplingResult &result, bool grid)
{
    QStringList notes;
    if (result.neverSampled > 0)
        notes << translated(
                     "%1 Bäume erreichen den Bestand mit ihrer Zone nicht; der HT-Mittelwert strebt gegen "
                     "den Wert ohne sie.")
                     .arg(result.neverSampled);
    if (result.order > result.treeCount)
        notes << translated("Weniger als k Bäume: Es gibt keinen k-nächsten Baum und damit kein r_k.");
    else if (result.treesClassic.unboundedPoints > 0)
        notes << translated("An %1 Punkten steht der k-nächste Baum genau auf dem Punkt (r_k = 0); dort sind "
                            "die Schätzer mit r_k unbeschränkt.")
                     .arg(result.treesClassic.unboundedPoints);
    if (result.order < 2)
        notes << translated("(k-1)/(pi r_k^2) gibt es erst ab k = 2.");
    if (grid)
        notes << translated("Der Standardfehler des Rasters ist wie für Zufallspunkte gerechnet.");
    return notes;
}

void printTable(const ResearchStand &stand, const ResearchOptions &research, const SamplingResult &result,
                QTextStream &out)
{
    out << translated("Bestand %1 m x %2 m (%3 ha), %4 Bäume, Ordnung k = %5")
               .arg(numberText(stand.rectangle.width))
               .arg(numberText(stand.rectangle.length))
               .arg(numberText(stand.rectangle.area() / 10000.0))
               .arg(result.treeCount)
               .arg(result.order)
        << '\n'
        << designLine(research, result.pointCount) << '\n'
        << translated("Bäume, die nie in die Stichprobe kommen: %1 von %2")
               .arg(result.neverSampled)
               .arg(result.treeCount)
        << "\n\n";

    QList<QStringList> rows{{translated("Schätzer"), translated("Mittelwert"), translated("wahrer Wert"),
                             translated("rel. Verzerrung"), translated("Standardfehler")}};
    for (const EstimatorLine &line : estimatorLines(result)) {
        const EstimatorSummary &s = line.summary;
        rows.append({line.label, s.available ? shortNumber(s.mean) : QStringLiteral("-"),
                     shortNumber(s.trueValue),
                     s.available ? percentText(s.relativeBias) : QStringLiteral("-"),
                     s.available ? shortNumber(s.standardError) : QStringLiteral("-")});
    }
    QList<qsizetype> widths(rows.front().size(), 0);
    for (const QStringList &row : rows) {
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    }
    for (const QStringList &row : rows) {
        QString text = row[0].leftJustified(widths[0]);
        for (qsizetype c = 1; c < row.size(); ++c)
            text += QStringLiteral("  ") + row[c].rightJustified(widths[c]);
        out << text << '\n';
    }

    const QStringList notes = notesFor(result, research.grid.has_value());
    if (!notes.isEmpty())
        out << '\n' << notes.join(QLatin1Char('\n')) << '\n';
}

int runSimulation(const ResearchStand &stand, const std::vector<double> &areas, const ZonesOptions &options,
                  QTextStream &out, QTextStream &err)
{
    const ResearchOptions &research = options.research;
    SamplingDesign design;
    if (research.grid) {
        design.layout = SamplingDesign::Layout::SystematicGrid;
        design.spacing = *research.grid;
    } else {
        design.pointCount = *research.simulate;
        design.seed = research.seed.value_or(1);
    }

    const double metres = metresPerDiameterUnit(research.diameterUnit.value_or(DiameterUnit::Centimetre));
    std::vector<SampledTree> trees;
    trees.reserve(stand.positions.size());
    for (std::size_t t = 0; t < stand.positions.size(); ++t)
        trees.push_back(SampledTree{stand.positions[t], stand.diameters[t] * metres, areas[t]});

    SamplingResult result;
    {
        ProgressLine progress(translated("Stichprobe"));
        result = simulateSampling(trees, stand.rectangle, options.order, design, progress.callback());
    }
    for (const EstimatorLine &line : estimatorLines(result)) {
        if (!isPrintable(line.summary))
            return reportNotFinite(line.id, err);
    }
    if (research.csv)
        printCsv(result, out);
    else
        printTable(stand, research, result, out);
    return ZonesSuccess;
}

int writeSvg(const ResearchStand &stand, const std::vector<InclusionZone> &zones, const ZonesOptions &options,
             QTextStream &err)
{
    QString reason;
    if (!OutputFile::writeFile(options.research.svgFile,
                               zonesToSvg(stand.positions, zones, stand.rectangle, options.order), &reason)) {
        err << "kavrel-zones: "
            << translated("Die SVG-Datei \u201E%1\u201C lässt sich nicht schreiben: %2")
                   .arg(displayFileName(options.research.svgFile), reason)
            << '\n';
        return ZonesOutputNotWritten;
    }
    return ZonesSuccess;
}

std::vector<double> zoneAreas(const ResearchStand &stand, int k)
{
    ProgressLine progress(translated("Zonenflächen"));
    return inclusionZoneAreas(stand.positions, stand.rectangle, k, progress.callback());
}

std::vector<InclusionZone> zoneOutlines(const ResearchStand &stand, int k)
{
    ProgressLine progress(translated("Einschlusszonen"));
    return inclusionZones(stand.positions, stand.rectangle, k, progress.callback());
}

} // namespace

// Negative diameters are read (and shown in the window as read), but no
// basal area or zone statistic can be made of them.
int refuseNegativeDiameters(const ResearchStand &stand, QTextStream &err)
{
    for (std::size_t t = 0; t < stand.diameters.size(); ++t) {
        if (stand.diameters[t] < 0) {
            err << translated("Standdatei \u201E%1\u201C: Baum %2 hat den negativen Durchmesser %3; die "
                              "Auswertungen brauchen Durchmesser ab 0.")
                       .arg(displayFileName(stand.filePath))
                       .arg(t + 1)
                       .arg(numberText(stand.diameters[t]))
                << '\n';
            return ZonesUnreadableStand;
        }
    }
    return ZonesSuccess;
}

int runResearch(const ResearchStand &stand, const ZonesOptions &options, QTextStream &out, QTextStream &err)
{
    const ResearchOptions &research = options.research;
    if (research.grid && gridPointCount(stand.rectangle, *research.grid) < 0) {
        err << "kavrel-zones: "
            << translated("--grid: Ein Abstand von %1 m ergibt auf %2 m x %3 m mehr als %4 Punkte.")
                   .arg(QString::number(*research.grid, 'g', 6))
                   .arg(numberText(stand.rectangle.width))
                   .arg(numberText(stand.rectangle.length))
                   .arg(qint64(MaxSamplePoints))
            << '\n';
        return ZonesUsageError;
    }
    const int refusal = refuseNegativeDiameters(stand, err);
    if (refusal != ZonesSuccess)
        return refusal;
    // The outlines, when drawn or exported, carry the areas as well: the
    // zones are computed once.
    std::vector<InclusionZone> zones;
    if (!research.svgFile.isEmpty() || research.geoJson)
        zones = zoneOutlines(stand, options.order);
    // The drawing first: a run that cannot write its file reports that
    // before printing anything else.
    if (!research.svgFile.isEmpty()) {
        const int status = writeSvg(stand, zones, options, err);
        if (status != ZonesSuccess)
            return status;
    }
    if (research.geoJson) {
        out << QString::fromUtf8(zonesToGeoJson(zones, stand.rectangle, options.order));
        return ZonesSuccess;
    }
    if (!research.areas && !research.simulates())
        return ZonesSuccess;
    std::vector<double> areas;
    if (zones.empty()) {
        areas = zoneAreas(stand, options.order);
    } else {
        for (const InclusionZone &zone : zones)
            areas.push_back(zone.area);
    }
    if (research.areas)
        return printAreas(stand, areas, out, err);
    return runSimulation(stand, areas, options, out, err);
}
