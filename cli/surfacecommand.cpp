#include "surfacecommand.h"

#include "esriasciigrid.h"
#include "interruptguard.h"
#include "progressline.h"
#include "researchcommand.h"
#include "researchstand.h"
#include "subcommandvalues.h"
#include "surfacepicture.h"
#include "threadsoption.h"
#include "zonescommand.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <array>
#include <charconv>
#include <cmath>
#include <kavrel/samplingsurface.h>
#include <stdexcept>

using namespace kavrel;

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("KavrelZones", text);
}

const QString Command = QStringLiteral("surface");

constexpr int MaxSurfaceOrder = 1000;

struct SurfaceCommandLine
{
    SurfaceSettings settings;
    bool spacingGiven = false;
    DiameterUnit diameterUnit = DiameterUnit::Centimetre;
    std::optional<StandRectangle> stand;
    QString standFile;
    QString prefix;
    QString png;
    QString svg;
};

QList<QCommandLineOption> surfaceOptions()
{
    return {
        {QStringLiteral("order"), translated("Ordnung k der k-Baum-Stichprobe (Vorgabe 1)"),
         QStringLiteral("K")},
        {QStringLiteral("spacing"), translated("Abstand der Gitterpunkte in Metern (nötig)"),
         QStringLiteral("S")},
        {QStringLiteral("baf"),
         translated("Winkelzählprobe mit Zählfaktor F in m^2/ha; mehrere mit Komma oder wiederholt"),
         QStringLiteral("F")},
        {QStringLiteral("plot-radius"),
         translated("Radius des festen Probekreises in Metern (Vorgabe: im Mittel k Bäume)"),
         QStringLiteral("R")},
        {QStringLiteral("concentric"),
         translated("konzentrische Probekreise: Radius R in m für Bäume ab D cm, etwa 6:0,12:30"),
         QStringLiteral("R1:D1,...")},
        {QStringLiteral("edge-correction"),
         translated("Randkorrektur der Kreisverfahren: none, clip, walkthrough oder mirage (Vorgabe clip)"),
         QStringLiteral("METHOD")},
        {QStringLiteral("diameter-unit"), translated("Einheit der Durchmesser: cm, mm oder m (Vorgabe cm)"),
         QStringLiteral("UNIT")},
        {QStringLiteral("threads"), threadsOptionDescription(), QStringLiteral("N")},
        {QStringLiteral("stand"),
         translated("Bestandsrechteck für CSV-Stammverteilungen: W,L oder X0,Y0,X1,Y1 in Metern"),
         QStringLiteral("RECT")},
        {{QStringLiteral("o"), QStringLiteral("output")},
         translated("jede Oberfläche als ESRI-ASCII-Gitter PREFIX_<Verfahren>_<Größe>.asc"),
         QStringLiteral("PREFIX")},
        {QStringLiteral("png"), translated("Bild der Oberflächen als PNG"), QStringLiteral("FILE")},
        {QStringLiteral("svg"), translated("Bild der Oberflächen als SVG"), QStringLiteral("FILE")},
    };
}

QString surfaceDescription()
{
    return translated(
        "Stichprobenoberflächen: der Schätzwert jedes Verfahrens (k-Baum-Stichprobe mit Horvitz-Thompson,\n"
        "fester Probekreis, Winkelzählprobe, konzentrische Probekreise) an jedem Punkt eines Gitters über "
        "dem\n"
        "Bestand. Ausgabe: eine CSV-Zeile je Verfahren und Größe mit wahrem Wert, Mittel der Oberfläche und\n"
        "Standardabweichung eines einzelnen Punkts.");
}

QString readDecimal(const QCommandLineParser &parser, const QString &option, double &target,
                    const QString &expected)
{
    const QString value = parser.value(option);
    const std::optional<double> number = decimalNumber(value);
    if (!number || *number <= 0.0)
        return badOptionValue(option, value, expected);
    target = *number;
    return {};
}

QString readOptions(const QCommandLineParser &parser, SurfaceCommandLine &line)
{
    SurfaceSettings &s = line.settings;
    if (parser.isSet(QStringLiteral("threads"))) {
        const QString problem = applyThreadsOption(parser.value(QStringLiteral("threads")));
        if (!problem.isEmpty())
            return problem;
    }
    if (parser.isSet(QStringLiteral("order"))) {
        const QString value = parser.value(QStringLiteral("order"));
        const std::optional<qint64> k = wholeNumber(value, 1, MaxSurfaceOrder);
        if (!k)
            return badOptionValue(QStringLiteral("order"), value,
                                  translated("keine ganze Zahl von %1 bis %2").arg(1).arg(MaxSurfaceOrder));
        s.k = int(*k);
    }
    if (!parser.isSet(QStringLiteral("spacing")))
        return translated("Es fehlt --spacing, der Abstand der Gitterpunkte.");
    QString problem =
        readDecimal(parser, QStringLiteral("spacing"), s.spacing, translated("kein Abstand über 0 Metern"));
    if (!problem.isEmpty())
        return problem;
    problem = readBasalAreaFactors(parser, s.basalAreaFactors);
    if (!problem.isEmpty())
        return problem;
    if (parser.isSet(QStringLiteral("plot-radius"))) {
        double radius = 0.0;
        problem = readDecimal(parser, QStringLiteral("plot-radius"), radius,
                              translated("kein Radius über 0 Metern"));
        if (!problem.isEmpty())
            return problem;
        s.plotRadiusMetres = radius;
    }
    problem = readConcentricRings(parser, s.concentric);
    if (!problem.isEmpty())
        return problem;
    if (parser.isSet(QStringLiteral("edge-correction"))) {
        const QString value = parser.value(QStringLiteral("edge-correction"));
        const std::optional<EdgeCorrection> correction = edgeCorrectionFromName(value.toStdString());
        if (!correction)
            return badOptionValue(QStringLiteral("edge-correction"), value,
                                  translated("nicht none, clip, walkthrough oder mirage"));
        s.edgeCorrection = *correction;
    }
    problem = readDiameterUnit(parser, line.diameterUnit);
    if (!problem.isEmpty())
        return problem;
    problem = readStandRectangle(parser, line.stand);
    if (!problem.isEmpty())
        return problem;
    line.prefix = parser.value(QStringLiteral("output"));
    line.png = parser.value(QStringLiteral("png"));
    line.svg = parser.value(QStringLiteral("svg"));
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return translated("Es fehlt die Standdatei.");
    if (files.size() > 1)
        return translated("Nur eine Standdatei, bitte.");
    line.standFile = files.front();
    return {};
}

QString numberText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NA");
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return QString::fromLatin1(buffer.data(), end - buffer.data());
}

QString statisticsCsv(const SurfaceResult &result)
{
    QString csv =
        QStringLiteral("design,quantity,true_value,surface_mean,relative_difference,single_point_sd,"
                       "minimum,maximum,unreachable_trees,points,spacing_m,plot_radius_m\n");
    for (const Surface &s : result.surfaces) {
        const double relative = s.trueValue != 0.0 ? (s.mean - s.trueValue) / s.trueValue : NAN;
        csv += QString::fromStdString(s.design) + u',' + QString::fromStdString(s.quantity) + u',' +
               numberText(s.trueValue) + u',' + numberText(s.mean) + u',' + numberText(relative) + u',' +
               numberText(s.standardDeviation) + u',' + numberText(s.minimum) + u',' + numberText(s.maximum) +
               u',' + QString::number(s.unreachableTrees) + u',' + QString::number(result.grid.size()) +
               u',' + numberText(result.grid.spacing) + u',' + numberText(result.plotRadiusMetres) + u'\n';
    }
    return csv;
}

QString notWritten(const QString &path, const QString &reason)
{
    return translated("Die Datei \u201E%1\u201C lässt sich nicht schreiben: %2").arg(path, reason);
}

// Writes every output file; returns the first failure's message, empty when all were written.
QString writeOutputs(const SurfaceCommandLine &line, const SurfaceResult &result, Extent stand,
                     const std::vector<Point> &trees)
{
    if (!line.prefix.isEmpty()) {
        for (const Surface &s : result.surfaces) {
            const QString path = line.prefix + u'_' + QString::fromStdString(s.design) + u'_' +
                                 QString::fromStdString(s.quantity) + QStringLiteral(".asc");
            const QString problem = writeWholeFile(path, esriAsciiGrid(result.grid, s.values));
            if (!problem.isEmpty())
                return notWritten(path, problem);
        }
    }
    if (!line.svg.isEmpty()) {
        const QString problem = writeWholeFile(line.svg, surfaceSvg(result, stand, trees));
        if (!problem.isEmpty())
            return notWritten(line.svg, problem);
    }
    if (!line.png.isEmpty()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        surfaceImage(result, stand, trees).save(&buffer, "PNG");
        const QString problem = writeWholeFile(line.png, png);
        if (!problem.isEmpty())
            return notWritten(line.png, problem);
    }
    return {};
}

// The trees' diameters in metres; an error text, empty when none is negative.
QString diametersInMetres(const ResearchStand &stand, DiameterUnit unit, std::vector<double> &diameters)
{
    const double metres = metresPerDiameterUnit(unit);
    for (std::size_t t = 0; t < stand.diameters.size(); ++t) {
        if (stand.diameters[t] < 0.0)
            return translated("Standdatei \u201E%1\u201C: Baum %2 hat den negativen Durchmesser %3.")
                .arg(stand.filePath)
                .arg(t + 1)
                .arg(stand.diameters[t]);
        diameters.push_back(stand.diameters[t] * metres);
    }
    return {};
}

int runSurfaceOn(const ResearchStand &stand, const SurfaceCommandLine &line, const Progress &watch,
                 QTextStream &out, QTextStream &err)
{
    const Extent extent{stand.rectangle.left(), stand.rectangle.bottom(), stand.rectangle.right(),
                        stand.rectangle.top()};
    std::vector<double> diameters;
    if (const QString negative = diametersInMetres(stand, line.diameterUnit, diameters);
        !negative.isEmpty()) {
        err << "kavrel-zones surface: " << negative << '\n';
        return ZonesUnreadableStand;
    }
    // Ctrl+C stops the computation; once the surfaces are complete it waits
    // until every file is written, so that no set of grids is left half done.
    const InterruptGuard interrupts;
    SurfaceResult result;
    try {
        ProgressLine progressLine(translated("Oberflächen"));
        result = samplingSurfaces(
            extent, stand.positions, diameters, line.settings, [&](std::int64_t done, std::int64_t total) {
                return progressLine.update(done, total) && (!watch || watch(done, total));
            });
    } catch (const std::invalid_argument &problem) {
        printUsageError(err, Command, QString::fromStdString(problem.what()));
        return ZonesUsageError;
    } catch (const Cancelled &) {
        return reportInterrupted(err, Command);
    }
    if (InterruptGuard::requested())
        return reportInterrupted(err, Command);
    const QString failure = writeOutputs(line, result, extent, stand.positions);
    if (!failure.isEmpty()) {
        err << "kavrel-zones surface: " << failure << '\n';
        return ZonesOutputNotWritten;
    }
    out << statisticsCsv(result);
    return ZonesSuccess;
}

} // namespace

int runSurfaceCommand(const QStringList &arguments, QTextStream &out, QTextStream &err, const Progress &watch)
{
    QCommandLineParser parser;
    const SubcommandSyntax syntax{Command,
                                  translated("kavrel-zones surface [Optionen] --spacing S STANDDATEI"),
                                  surfaceDescription(), surfaceOptions()};
    SurfaceCommandLine line;
    if (const std::optional<int> ended = parseSubcommand(
            parser, syntax, arguments, [&] { return readOptions(parser, line); }, out, err))
        return *ended;
    ResearchStandResult read = readResearchStand(line.standFile, std::nullopt);
    if (!read.ok() && read.usageError && line.stand)
        read = readResearchStand(line.standFile, line.stand);
    if (!read.ok()) {
        err << read.error << '\n';
        return read.usageError ? ZonesUsageError : ZonesUnreadableStand;
    }
    return runSurfaceOn(*read.stand, line, watch, out, err);
}
