#include "studycommand.h"

#include "files/outputfile.h"
#include "interruptguard.h"
#include "progressline.h"
#include "researchcommand.h"
#include "researchstand.h"
#include "studyplot.h"
#include "subcommandvalues.h"
#include "threadsoption.h"
#include "zonescommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <kavrel/samplingsimulation.h>
#include <kavrel/study.h>
#include <stdexcept>

using namespace kavrel;

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("KavrelZones", text);
}

const QString Command = QStringLiteral("study");

// More orders than anyone studies; keeps a typing error from asking for
// millions of zone computations.
constexpr int MaxStudyOrder = 1000;

struct StudyCommandLine
{
    StudySettings settings;
    DiameterUnit diameterUnit = DiameterUnit::Centimetre;
    std::optional<StandRectangle> stand;
    QStringList standFiles;
    QString output;
    QString perReplicate;
    QString perPoint;
    QString plot;
};

QList<QCommandLineOption> studyOptions()
{
    return {
        {QStringLiteral("order"),
         translated("Ordnungen k: Liste und Bereiche wie 1-10 oder 1,2,5 (Vorgabe 1)"), QStringLiteral("K")},
        {QStringLiteral("replicates"), translated("Zahl der Stichproben R (Vorgabe 100)"),
         QStringLiteral("R")},
        {QStringLiteral("points"), translated("Punkte je Stichprobe m, ab 2 (Vorgabe 20)"),
         QStringLiteral("M")},
        {QStringLiteral("design"),
         translated("Anlage der Punkte: random, systematic oder beide mit Komma (Vorgabe random)"),
         QStringLiteral("DESIGN")},
        {QStringLiteral("seed"), translated("Startwert des Zufallsgenerators (Vorgabe 1)"),
         QStringLiteral("S")},
        {QStringLiteral("buffer"),
         translated("Stichprobenpunkte nur mindestens B Meter innerhalb des Bestands (Vorgabe 0)"),
         QStringLiteral("B")},
        {QStringLiteral("torus"),
         translated("der Bestand als Torus: Abstände und Zonen laufen über den Rand")},
        {QStringLiteral("plot-radius"),
         translated("Radius des festen Probekreises in Metern (Vorgabe: im Mittel k Bäume)"),
         QStringLiteral("R")},
        {QStringLiteral("diameter-unit"), translated("Einheit der Durchmesser: cm, mm oder m (Vorgabe cm)"),
         QStringLiteral("UNIT")},
        {QStringLiteral("threads"), threadsOptionDescription(), QStringLiteral("N")},
        {QStringLiteral("stand"),
         translated("Bestandsrechteck für CSV-Stammverteilungen: W,L oder X0,Y0,X1,Y1 in Metern"),
         QStringLiteral("RECT")},
        {{QStringLiteral("o"), QStringLiteral("output")},
         translated("Übersicht als CSV in diese Datei statt auf die Standardausgabe"),
         QStringLiteral("FILE")},
        {QStringLiteral("per-replicate"),
         translated("jede Schätzung jeder Stichprobe als CSV in diese Datei"), QStringLiteral("FILE")},
        {QStringLiteral("per-point"),
         translated("die Werte an jedem Stichprobenpunkt als CSV in diese Datei"), QStringLiteral("FILE")},
        {QStringLiteral("baf"),
         translated("Winkelzählprobe mit Zählfaktor F in m^2/ha; mehrere mit Komma oder wiederholt"),
         QStringLiteral("F")},
        {QStringLiteral("concentric"),
         translated("konzentrische Probekreise: Radius R in m für Bäume ab D cm, etwa 6:0,12:30"),
         QStringLiteral("R1:D1,...")},
        {QStringLiteral("edge-correction"),
         translated(
             "Randkorrekturen der Kreisverfahren, Liste aus none, clip, walkthrough, mirage (Vorgabe clip)"),
         QStringLiteral("METHOD,...")},
        {QStringLiteral("plot"),
         translated("Verzerrung, RMSE und Überdeckung gegen k als SVG-Bild in diese Datei"),
         QStringLiteral("FILE.svg")},
    };
}

QString studyDescription()
{
    return translated(
        "Simulationsstudie: R Stichproben zu je m Punkten auf jedem Bestand, für jede Ordnung k\n"
        "Horvitz-Thompson aus den Einschlusszonen, k/(pi r_k^2), (k-1)/(pi r_k^2), (k-0.5)/(pi r_k^2)\n"
        "und der feste Probekreis, je für Bäume/ha und Grundfläche m^2/ha. Ausgabe: eine CSV-Zeile je\n"
        "Bestand, k, Anlage, Schätzer und Größe mit wahrem Wert, Mittelwert, Verzerrung, empirischem\n"
        "Standardfehler, RMSE, mittlerem geschätztem Standardfehler und Überdeckung der 95-%-Intervalle.\n"
        "Schätzer ohne endlichen Erwartungswert stehen dort mit NA und dem Vermerk infinite_expectation.");
}

std::optional<std::vector<StudyDesign>> designList(const QString &text)
{
    std::vector<StudyDesign> designs;
    for (const QString &name : text.split(QLatin1Char(','))) {
        StudyDesign design;
        if (name == QLatin1String("random"))
            design = StudyDesign::Random;
        else if (name == QLatin1String("systematic"))
            design = StudyDesign::Systematic;
        else
            return std::nullopt;
        if (std::find(designs.begin(), designs.end(), design) == designs.end())
            designs.push_back(design);
    }
    return designs;
}

// Reads the options into `line`; returns an error text, empty when they fit.
QString readOptions(const QCommandLineParser &parser, StudyCommandLine &line)
{
    StudySettings &s = line.settings;
    if (parser.isSet(QStringLiteral("threads"))) {
        const QString problem = applyThreadsOption(parser.value(QStringLiteral("threads")));
        if (!problem.isEmpty())
            return problem;
    }
    if (parser.isSet(QStringLiteral("order"))) {
        const QString value = parser.value(QStringLiteral("order"));
        s.orders = orderList(value, MaxStudyOrder);
        if (s.orders.empty())
            return badOptionValue(
                QStringLiteral("order"), value,
                translated("keine Liste von Ordnungen zwischen 1 und 1000 (etwa 1-10 oder 1,2,5)"));
    }
    const auto whole = [&](const char *name, qint64 minimum, qint64 maximum, auto &target) -> QString {
        const QString option = QString::fromLatin1(name);
        if (!parser.isSet(option))
            return {};
        const QString value = parser.value(option);
        const std::optional<qint64> number = wholeNumber(value, minimum, maximum);
        if (!number)
            return badOptionValue(option, value,
                                  translated("keine ganze Zahl von %1 bis %2").arg(minimum).arg(maximum));
        target = std::remove_reference_t<decltype(target)>(*number);
        return {};
    };
    for (const QString &problem :
         {whole("replicates", 1, 100'000'000, s.replicates), whole("points", 2, 100'000'000, s.points),
          whole("seed", 0, std::numeric_limits<qint64>::max(), s.seed)}) {
        if (!problem.isEmpty())
            return problem;
    }
    if (parser.isSet(QStringLiteral("design"))) {
        const QString value = parser.value(QStringLiteral("design"));
        const std::optional<std::vector<StudyDesign>> designs = designList(value);
        if (!designs)
            return badOptionValue(QStringLiteral("design"), value,
                                  translated("nicht random, systematic oder beide"));
        s.designs = *designs;
    }
    if (parser.isSet(QStringLiteral("buffer"))) {
        const QString value = parser.value(QStringLiteral("buffer"));
        const std::optional<double> buffer = decimalNumber(value);
        if (!buffer || *buffer < 0.0)
            return badOptionValue(QStringLiteral("buffer"), value, translated("keine Breite ab 0 Metern"));
        s.bufferMetres = *buffer;
    }
    s.torus = parser.isSet(QStringLiteral("torus"));
    if (parser.isSet(QStringLiteral("plot-radius"))) {
        const QString value = parser.value(QStringLiteral("plot-radius"));
        const std::optional<double> radius = decimalNumber(value);
        if (!radius || *radius <= 0.0)
            return badOptionValue(QStringLiteral("plot-radius"), value,
                                  translated("kein Radius über 0 Metern"));
        s.plotRadiusMetres = *radius;
    }
    if (const QString problem = readDiameterUnit(parser, line.diameterUnit); !problem.isEmpty())
        return problem;
    if (const QString problem = readStandRectangle(parser, line.stand); !problem.isEmpty())
        return problem;
    if (const QString problem = readBasalAreaFactors(parser, s.basalAreaFactors); !problem.isEmpty())
        return problem;
    if (const QString problem = readConcentricRings(parser, s.concentric); !problem.isEmpty())
        return problem;
    if (parser.isSet(QStringLiteral("edge-correction"))) {
        const QString value = parser.value(QStringLiteral("edge-correction"));
        const std::optional<std::vector<EdgeCorrection>> corrections = edgeCorrections(value);
        if (!corrections)
            return badOptionValue(
                QStringLiteral("edge-correction"), value,
                translated("keine Liste aus none, clip, walkthrough und mirage, jede einmal"));
        s.edgeCorrections = *corrections;
    }
    line.output = parser.value(QStringLiteral("output"));
    line.perReplicate = parser.value(QStringLiteral("per-replicate"));
    line.perPoint = parser.value(QStringLiteral("per-point"));
    line.plot = parser.value(QStringLiteral("plot"));
    s.keepReplicates = !line.perReplicate.isEmpty();
    line.standFiles = parser.positionalArguments();
    if (line.standFiles.isEmpty())
        return translated("Es fehlt die Standdatei.");
    return {};
}

StudyStand studyStand(const ResearchStand &stand, DiameterUnit unit)
{
    StudyStand study;
    study.name = stand.filePath.toStdString();
    study.extent = {stand.rectangle.left(), stand.rectangle.bottom(), stand.rectangle.right(),
                    stand.rectangle.top()};
    study.trees = stand.positions;
    const double metres = metresPerDiameterUnit(unit);
    for (const double d : stand.diameters)
        study.diametersMetres.push_back(d * metres);
    return study;
}

QString notWritten(const QString &path, const QString &reason)
{
    return translated("Die Datei \u201E%1\u201C lässt sich nicht schreiben: %2").arg(path, reason);
}

// Trees beyond the stand's edge are legitimate (a stem map's neighbours), but
// a mistyped coordinate would put one there too: say so once.
void reportTreesOutside(const StudyStand &stand, bool torus, QTextStream &err)
{
    const std::int64_t outside = treesOutside(stand);
    if (outside == 0)
        return;
    const QString file = QString::fromStdString(stand.name);
    err << "kavrel-zones study: "
        << (torus
                ? translated("%1 Bäume der Datei \u201E%2\u201C stehen außerhalb des Bestandsrechtecks; der "
                             "Torus legt sie in den Bestand.")
                : translated("%1 Bäume der Datei \u201E%2\u201C stehen außerhalb des Bestandsrechtecks; sie "
                             "zählen nur als Nachbarn, nicht zum wahren Wert."))
               .arg(outside)
               .arg(file)
        << '\n';
}

int runStudyOn(const std::vector<StudyStand> &stands, const StudyCommandLine &line, QTextStream &out,
               QTextStream &err)
{
    // Point figures go straight to their file as the study produces them;
    // the file only replaces an old one when the study is complete.
    std::optional<OutputFile> pointFile;
    if (!line.perPoint.isEmpty()) {
        pointFile.emplace(line.perPoint);
        if (!pointFile->open()) {
            err << "kavrel-zones study: " << notWritten(line.perPoint, pointFile->errorString()) << '\n';
            return ZonesOutputNotWritten;
        }
        pointFile->write(QByteArray::fromStdString(pointsCsvHeader(line.settings)));
    }
    const PointSink sink = pointFile ? PointSink([&pointFile](const PointRow &row) {
        pointFile->write(QByteArray::fromStdString(pointCsvLine(row)));
    })
                                     : PointSink();
    StudyResult result;
    try {
        const InterruptGuard interrupts;
        ProgressLine progress(translated("Studie"));
        result = runStudy(stands, line.settings, progress.callback(), sink);
    } catch (const std::invalid_argument &problem) {
        printUsageError(err, Command, QString::fromStdString(problem.what()));
        return ZonesUsageError;
    } catch (const Cancelled &) {
        return reportInterrupted(err, Command);
    }
    if (pointFile && !pointFile->commit()) {
        err << "kavrel-zones study: " << notWritten(line.perPoint, pointFile->errorString()) << '\n';
        return ZonesOutputNotWritten;
    }
    if (!line.perReplicate.isEmpty()) {
        const QString problem =
            writeWholeFile(line.perReplicate, QByteArray::fromStdString(replicatesCsv(result.replicates)));
        if (!problem.isEmpty()) {
            err << "kavrel-zones study: " << notWritten(line.perReplicate, problem) << '\n';
            return ZonesOutputNotWritten;
        }
    }
    if (!line.plot.isEmpty()) {
        const QString problem = writeWholeFile(line.plot, studyPlotSvg(result.summary));
        if (!problem.isEmpty()) {
            err << "kavrel-zones study: " << notWritten(line.plot, problem) << '\n';
            return ZonesOutputNotWritten;
        }
    }
    const QByteArray summary = QByteArray::fromStdString(studyCsv(result.summary));
    if (line.output.isEmpty() || line.output == QLatin1String("-")) {
        out << QString::fromUtf8(summary);
        return ZonesSuccess;
    }
    const QString problem = writeWholeFile(line.output, summary);
    if (!problem.isEmpty()) {
        err << "kavrel-zones study: " << notWritten(line.output, problem) << '\n';
        return ZonesOutputNotWritten;
    }
    return ZonesSuccess;
}

} // namespace

int runStudyCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const SubcommandSyntax syntax{Command, translated("kavrel-zones study [Optionen] STANDDATEI..."),
                                  studyDescription(), studyOptions()};
    StudyCommandLine line;
    if (const std::optional<int> ended = parseSubcommand(
            parser, syntax, arguments, [&] { return readOptions(parser, line); }, out, err))
        return *ended;
    std::vector<StudyStand> stands;
    for (const QString &path : line.standFiles) {
        // --stand is for the stem maps among the files; stand files state
        // their own rectangle and refuse one from the command line.
        ResearchStandResult read = readResearchStand(path, std::nullopt);
        if (!read.ok() && read.usageError && line.stand)
            read = readResearchStand(path, line.stand);
        if (!read.ok()) {
            err << read.error << '\n';
            return read.usageError ? ZonesUsageError : ZonesUnreadableStand;
        }
        if (const int refusal = refuseNegativeDiameters(*read.stand, err); refusal != ZonesSuccess)
            return refusal;
        stands.push_back(studyStand(*read.stand, line.diameterUnit));
        reportTreesOutside(stands.back(), line.settings.torus, err);
    }
    return runStudyOn(stands, line, out, err);
}
