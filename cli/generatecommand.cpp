#include "generatecommand.h"

#include "researchcommand.h"
#include "subcommandvalues.h"
#include "zonescommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>
#include <cmath>
#include <kavrel/pointpatterns.h>
#include <stdexcept>

using namespace kavrel;

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("KavrelZones", text);
}

const QString Command = QStringLiteral("generate");

// The stand file's own limit on the stand's sides.
constexpr double MaxStandSide = 2147483647.0;

QList<QCommandLineOption> generateOptions()
{
    return {
        {QStringLiteral("process"),
         translated(
             "Punktprozess: poisson, thomas, matern-cluster, ssi oder matern-hardcore (Vorgabe poisson)"),
         QStringLiteral("NAME")},
        {QStringLiteral("size"),
         translated("Breite und Länge des Bestands in ganzen Metern (Vorgabe 100,100)"),
         QStringLiteral("W,L")},
        {QStringLiteral("intensity"), translated("Bäume je Hektar im Mittel (Vorgabe 400)"),
         QStringLiteral("N")},
        {QStringLiteral("count"), translated("poisson: genau N Bäume, gleichverteilt"), QStringLiteral("N")},
        {QStringLiteral("parents"), translated("Cluster je Hektar (thomas, matern-cluster; Vorgabe 20)"),
         QStringLiteral("N")},
        {QStringLiteral("cluster-scale"),
         translated("thomas: Standardabweichung, matern-cluster: Radius der Cluster in Metern (Vorgabe 5)"),
         QStringLiteral("M")},
        {QStringLiteral("hard-core"),
         translated("ssi, matern-hardcore: kein Baumpaar näher als R Meter (Vorgabe 2)"),
         QStringLiteral("R")},
        {QStringLiteral("diameters"),
         translated("Durchmesser in cm: constant:D, uniform:MIN,MAX, normal:MITTEL,SD oder "
                    "weibull:FORM,SKALA (Vorgabe weibull:2.5,30)"),
         QStringLiteral("DIST")},
        {QStringLiteral("seed"), translated("Startwert des Zufallsgenerators (Vorgabe 1)"),
         QStringLiteral("S")},
    };
}

QString generateDescription()
{
    return translated(
        "Schreibt eine Standdatei aus einem Punktprozess: homogener Poisson-Prozess, Thomas- oder\n"
        "Matérn-Clusterprozess, einfache sequentielle Inhibition (ssi) oder Matérns Hard-Core-Prozess.\n"
        "Die Parameter stehen in DATEI.json daneben, so lässt sich der Bestand zurückverfolgen.");
}

std::optional<PatternProcess> processNamed(const QString &name)
{
    for (const PatternProcess process :
         {PatternProcess::Poisson, PatternProcess::Thomas, PatternProcess::MaternCluster,
          PatternProcess::Inhibition, PatternProcess::MaternHardCore}) {
        if (name.toStdString() == patternProcessName(process))
            return process;
    }
    return std::nullopt;
}

std::optional<DiameterDistribution> diameterDistribution(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QString kind = text.left(colon);
    const QString values = text.mid(colon + 1);
    DiameterDistribution d;
    int count = 2;
    if (kind == QLatin1String("constant")) {
        d.kind = DiameterDistribution::Kind::Constant;
        count = 1;
    } else if (kind == QLatin1String("uniform")) {
        d.kind = DiameterDistribution::Kind::Uniform;
    } else if (kind == QLatin1String("normal")) {
        d.kind = DiameterDistribution::Kind::Normal;
    } else if (kind == QLatin1String("weibull")) {
        d.kind = DiameterDistribution::Kind::Weibull;
    } else {
        return std::nullopt;
    }
    const std::optional<std::vector<double>> numbers = colon < 0 ? std::nullopt : numberList(values, count);
    if (!numbers)
        return std::nullopt;
    d.first = (*numbers)[0];
    d.second = count > 1 ? (*numbers)[1] : 0.0;
    return d;
}

QString badValue(const QString &option, const QString &value, const QString &expected)
{
    return translated("--%1: \u201E%2\u201C ist %3.").arg(option, value, expected);
}

QString readNumber(const QCommandLineParser &parser, const QString &option, double &target)
{
    if (!parser.isSet(option))
        return {};
    const QString value = parser.value(option);
    const std::optional<double> number = decimalNumber(value);
    if (!number || *number < 0.0)
        return badValue(option, value, translated("keine Zahl ab 0"));
    target = *number;
    return {};
}

QString readOptions(const QCommandLineParser &parser, PatternParameters &p, QString &file)
{
    if (parser.isSet(QStringLiteral("process"))) {
        const QString value = parser.value(QStringLiteral("process"));
        const std::optional<PatternProcess> process = processNamed(value);
        if (!process)
            return badValue(QStringLiteral("process"), value,
                            translated("nicht poisson, thomas, matern-cluster, ssi oder matern-hardcore"));
        p.process = *process;
    }
    if (parser.isSet(QStringLiteral("size"))) {
        const QString value = parser.value(QStringLiteral("size"));
        const QStringList parts = value.split(QLatin1Char(','));
        const std::optional<qint64> width =
            parts.size() == 2 ? wholeNumber(parts[0], 1, qint64(MaxStandSide)) : std::nullopt;
        const std::optional<qint64> length =
            parts.size() == 2 ? wholeNumber(parts[1], 1, qint64(MaxStandSide)) : std::nullopt;
        if (!width || !length)
            return badValue(QStringLiteral("size"), value,
                            translated("keine Größe W,L aus zwei ganzen Zahlen ab 1"));
        p.width = double(*width);
        p.length = double(*length);
    }
    if (parser.isSet(QStringLiteral("count"))) {
        const QString value = parser.value(QStringLiteral("count"));
        const std::optional<qint64> count = wholeNumber(value, 0, 50'000'000);
        if (!count || p.process != PatternProcess::Poisson)
            return badValue(QStringLiteral("count"), value,
                            translated("nur beim Poisson-Prozess eine ganze Zahl von 0 bis 50000000"));
        p.count = *count;
    }
    if (parser.isSet(QStringLiteral("count")) && parser.isSet(QStringLiteral("intensity")))
        return translated(
            "--count und --intensity schließen einander aus: genau N Bäume oder N Bäume je Hektar "
            "im Mittel.");
    for (const auto &[option, target] : {std::pair{QStringLiteral("intensity"), &p.intensity},
                                         std::pair{QStringLiteral("parents"), &p.parentIntensity},
                                         std::pair{QStringLiteral("cluster-scale"), &p.clusterScale},
                                         std::pair{QStringLiteral("hard-core"), &p.hardCoreRadius}}) {
        const QString problem = readNumber(parser, option, *target);
        if (!problem.isEmpty())
            return problem;
    }
    p.diameters = {DiameterDistribution::Kind::Weibull, 2.5, 30.0};
    if (parser.isSet(QStringLiteral("diameters"))) {
        const QString value = parser.value(QStringLiteral("diameters"));
        const std::optional<DiameterDistribution> d = diameterDistribution(value);
        if (!d)
            return badValue(
                QStringLiteral("diameters"), value,
                translated(
                    "keine Verteilung wie constant:30, uniform:10,50, normal:30,8 oder weibull:2.5,30"));
        p.diameters = *d;
    }
    if (parser.isSet(QStringLiteral("seed"))) {
        const QString value = parser.value(QStringLiteral("seed"));
        const std::optional<qint64> seed = wholeNumber(value, 0, std::numeric_limits<qint64>::max());
        if (!seed)
            return badValue(QStringLiteral("seed"), value, translated("keine ganze Zahl ab 0"));
        p.seed = std::uint64_t(*seed);
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return files.isEmpty()
                   ? translated("Es fehlt die Ausgabedatei.")
                   : translated("Nur eine Ausgabedatei, bitte: \u201E%1\u201C ist zu viel.").arg(files[1]);
    file = files.front();
    const std::string problem = checkPatternParameters(p);
    return problem.empty() ? QString() : QString::fromStdString(problem);
}

// Shortest text that reads back as the same number: a hard-core distance
// stays a hard-core distance in the file.
QString exactText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QByteArray standFileText(const PatternParameters &p, const GeneratedStand &stand)
{
    QString text;
    text.reserve(int(stand.positions.size()) * 40 + 32);
    text += exactText(p.width) + QLatin1Char(',') + exactText(p.length) + QLatin1Char('\n') +
            QString::number(stand.positions.size()) + QLatin1Char('\n');
    for (std::size_t t = 0; t < stand.positions.size(); ++t) {
        text += exactText(stand.positions[t].x) + QLatin1Char(',') + exactText(stand.positions[t].y) +
                QLatin1Char(',') + exactText(stand.diameters[t]) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QString distributionText(const DiameterDistribution &d)
{
    switch (d.kind) {
    case DiameterDistribution::Kind::Constant:
        return QStringLiteral("constant:") + exactText(d.first);
    case DiameterDistribution::Kind::Uniform:
        return QStringLiteral("uniform:%1,%2").arg(exactText(d.first), exactText(d.second));
    case DiameterDistribution::Kind::Normal:
        return QStringLiteral("normal:%1,%2").arg(exactText(d.first), exactText(d.second));
    case DiameterDistribution::Kind::Weibull:
        return QStringLiteral("weibull:%1,%2").arg(exactText(d.first), exactText(d.second));
    }
    return {};
}

QByteArray sidecarText(const PatternParameters &p, const GeneratedStand &stand, const QStringList &arguments)
{
    QJsonObject parameters{
        {QStringLiteral("process"), QString::fromStdString(patternProcessName(p.process))},
        {QStringLiteral("width_m"), p.width},
        {QStringLiteral("length_m"), p.length},
        {QStringLiteral("seed"), QString::number(p.seed)},
        {QStringLiteral("diameters_cm"), distributionText(p.diameters)},
        {QStringLiteral("trees"), qint64(stand.positions.size())},
        {QStringLiteral("command"),
         (QStringList{QStringLiteral("kavrel-zones"), Command} + arguments).join(QLatin1Char(' '))},
    };
    if (p.count >= 0)
        parameters.insert(QStringLiteral("count"), qint64(p.count));
    else
        parameters.insert(QStringLiteral("intensity_per_ha"), p.intensity);
    if (p.process == PatternProcess::Thomas || p.process == PatternProcess::MaternCluster) {
        parameters.insert(QStringLiteral("parents_per_ha"), p.parentIntensity);
        parameters.insert(p.process == PatternProcess::Thomas ? QStringLiteral("sigma_m")
                                                              : QStringLiteral("cluster_radius_m"),
                          p.clusterScale);
    }
    if (p.process == PatternProcess::Inhibition || p.process == PatternProcess::MaternHardCore)
        parameters.insert(QStringLiteral("hard_core_m"), p.hardCoreRadius);
    return QJsonDocument(parameters).toJson();
}

} // namespace

int runGenerateCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const SubcommandSyntax syntax{Command, translated("kavrel-zones generate [Optionen] DATEI"),
                                  generateDescription(), generateOptions()};
    PatternParameters parameters;
    QString file;
    if (const std::optional<int> ended = parseSubcommand(
            parser, syntax, arguments, [&] { return readOptions(parser, parameters, file); }, out, err))
        return *ended;
    GeneratedStand stand;
    try {
        stand = generatePattern(parameters);
    } catch (const std::exception &failure) {
        err << "kavrel-zones generate: " << QString::fromStdString(failure.what()) << '\n';
        return ZonesUsageError;
    }
    for (const auto &[path, text] :
         {std::pair{file, standFileText(parameters, stand)},
          std::pair{file + QStringLiteral(".json"), sidecarText(parameters, stand, arguments)}}) {
        const QString failure = writeWholeFile(path, text);
        if (!failure.isEmpty()) {
            err << "kavrel-zones generate: "
                << translated("Die Datei \u201E%1\u201C lässt sich nicht schreiben: %2").arg(path, failure)
                << '\n';
            return ZonesOutputNotWritten;
        }
    }
    err << translated("%1 Bäume geschrieben.").arg(stand.positions.size()) << '\n';
    return ZonesSuccess;
}
