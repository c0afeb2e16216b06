#include "subcommandvalues.h"

#include "files/outputfile.h"
#include "zonescommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>
#include <cmath>

std::optional<qint64> wholeNumber(const QString &text, qint64 minimum, qint64 maximum)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qint64 value = text.toLongLong();
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<double> decimalNumber(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::vector<double>> numberList(const QString &text, int count)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != count)
        return std::nullopt;
    std::vector<double> values;
    for (const QString &part : parts) {
        const std::optional<double> value = decimalNumber(part.trimmed());
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

std::optional<kavrel::StandRectangle> standRectangle(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    const std::optional<std::vector<double>> values = numberList(text, int(parts.size()));
    if (!values || (values->size() != 2 && values->size() != 4))
        return std::nullopt;
    kavrel::StandRectangle rectangle;
    if (values->size() == 2) {
        rectangle.width = (*values)[0];
        rectangle.length = (*values)[1];
    } else {
        rectangle.x0 = (*values)[0];
        rectangle.y0 = (*values)[1];
        rectangle.width = (*values)[2] - (*values)[0];
        rectangle.length = (*values)[3] - (*values)[1];
    }
    if (!(rectangle.width > 0.0) || !(rectangle.length > 0.0))
        return std::nullopt;
    return rectangle;
}

std::optional<kavrel::DiameterUnit> diameterUnit(const QString &text)
{
    if (text == QLatin1String("cm"))
        return kavrel::DiameterUnit::Centimetre;
    if (text == QLatin1String("mm"))
        return kavrel::DiameterUnit::Millimetre;
    if (text == QLatin1String("m"))
        return kavrel::DiameterUnit::Metre;
    return std::nullopt;
}

std::optional<std::vector<double>> basalAreaFactors(const QStringList &values)
{
    std::vector<double> factors;
    for (const QString &value : values) {
        for (const QString &factor : value.split(QLatin1Char(','))) {
            const std::optional<double> number = decimalNumber(factor);
            if (!number || *number <= 0.0)
                return std::nullopt;
            if (std::find(factors.begin(), factors.end(), *number) == factors.end())
                factors.push_back(*number);
        }
    }
    return factors;
}

std::optional<std::vector<kavrel::ConcentricRing>> concentricRings(const QString &text)
{
    std::vector<kavrel::ConcentricRing> rings;
    for (const QString &ring : text.split(QLatin1Char(','))) {
        const QStringList parts = ring.split(QLatin1Char(':'));
        if (parts.size() != 2)
            return std::nullopt;
        const std::optional<double> radius = decimalNumber(parts[0]);
        const std::optional<double> diameter = decimalNumber(parts[1]);
        if (!radius || !diameter || *radius <= 0.0 || *diameter < 0.0)
            return std::nullopt;
        rings.push_back({*radius, *diameter});
    }
    return rings;
}

std::optional<std::vector<kavrel::EdgeCorrection>> edgeCorrections(const QString &text)
{
    std::vector<kavrel::EdgeCorrection> corrections;
    for (const QString &name : text.split(QLatin1Char(','))) {
        const std::optional<kavrel::EdgeCorrection> correction =
            kavrel::edgeCorrectionFromName(name.toStdString());
        if (!correction ||
            std::find(corrections.begin(), corrections.end(), *correction) != corrections.end())
            return std::nullopt;
        corrections.push_back(*correction);
    }
    return corrections;
}

std::vector<int> orderList(const QString &text, int maxOrder)
{
    std::vector<int> orders;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const QStringList ends = item.trimmed().split(QLatin1Char('-'));
        if (ends.size() > 2)
            return {};
        const std::optional<qint64> first = wholeNumber(ends.front(), 1, maxOrder);
        const std::optional<qint64> last = wholeNumber(ends.back(), 1, maxOrder);
        if (!first || !last || *last < *first)
            return {};
        for (qint64 k = *first; k <= *last; ++k)
            orders.push_back(int(k));
    }
    std::sort(orders.begin(), orders.end());
    orders.erase(std::unique(orders.begin(), orders.end()), orders.end());
    return orders;
}

QString badOptionValue(const QString &option, const QString &value, const QString &expected)
{
    return QCoreApplication::translate("KavrelZones", "--%1: \u201E%2\u201C ist %3.")
        .arg(option, value, expected);
}

QString readBasalAreaFactors(const QCommandLineParser &parser, std::vector<double> &factors)
{
    if (!parser.isSet(QStringLiteral("baf")))
        return {};
    const QStringList values = parser.values(QStringLiteral("baf"));
    const std::optional<std::vector<double>> read = basalAreaFactors(values);
    if (!read)
        return badOptionValue(QStringLiteral("baf"), values.join(u','),
                              QCoreApplication::translate("KavrelZones", "kein Zählfaktor über 0 m^2/ha"));
    factors = *read;
    return {};
}

QString readConcentricRings(const QCommandLineParser &parser, std::vector<kavrel::ConcentricRing> &rings)
{
    if (!parser.isSet(QStringLiteral("concentric")))
        return {};
    const QString value = parser.value(QStringLiteral("concentric"));
    const std::optional<std::vector<kavrel::ConcentricRing>> read = concentricRings(value);
    if (!read)
        return badOptionValue(
            QStringLiteral("concentric"), value,
            QCoreApplication::translate("KavrelZones",
                                        "keine Liste R:D aus Radius über 0 m und Durchmesser ab 0 cm"));
    rings = *read;
    return {};
}

QString readDiameterUnit(const QCommandLineParser &parser, kavrel::DiameterUnit &unit)
{
    if (!parser.isSet(QStringLiteral("diameter-unit")))
        return {};
    const QString value = parser.value(QStringLiteral("diameter-unit"));
    const std::optional<kavrel::DiameterUnit> read = diameterUnit(value);
    if (!read)
        return badOptionValue(QStringLiteral("diameter-unit"), value,
                              QCoreApplication::translate("KavrelZones", "nicht cm, mm oder m"));
    unit = *read;
    return {};
}

QString readStandRectangle(const QCommandLineParser &parser, std::optional<kavrel::StandRectangle> &stand)
{
    if (!parser.isSet(QStringLiteral("stand")))
        return {};
    const QString value = parser.value(QStringLiteral("stand"));
    const std::optional<kavrel::StandRectangle> read = standRectangle(value);
    if (!read)
        return badOptionValue(QStringLiteral("stand"), value,
                              QCoreApplication::translate(
                                  "KavrelZones", "kein Rechteck W,L oder X0,Y0,X1,Y1 mit positiver Fläche"));
    stand = read;
    return {};
}

void printUsageError(QTextStream &err, const QString &command, const QString &message)
{
    err << "kavrel-zones " << command << ": " << message << '\n'
        << QCoreApplication::translate("KavrelZones", "Hilfe: kavrel-zones %1 --help").arg(command) << '\n';
}

QString writeWholeFile(const QString &path, const QByteArray &text)
{
    // Through the program's output writer: a regular file is replaced only
    // when complete, and /dev/stdout, a pipe or a device is written in place.
    QString error;
    if (!OutputFile::writeFile(path, text, &error))
        return error;
    return {};
}

QString subcommandHelp(const QString &call, const QString &description,
                       const QList<QCommandLineOption> &options)
{
    QStringList calls;
    qsizetype width = 0;
    for (const QCommandLineOption &option : options) {
        QStringList names;
        for (const QString &name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString text = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            text += QLatin1Char(' ') + option.valueName();
        width = std::max(width, text.size());
        calls << text;
    }
    QString help = QCoreApplication::translate("KavrelZones", "Aufruf: %1").arg(call) +
                   QStringLiteral("\n\n") + description + QStringLiteral("\n\n") +
                   QCoreApplication::translate("KavrelZones", "Optionen:") + QLatin1Char('\n');
    for (qsizetype o = 0; o < options.size(); ++o)
        help += QStringLiteral("  %1  %2\n").arg(calls[o], -int(width)).arg(options[o].description());
    return help;
}

std::optional<int> parseSubcommand(QCommandLineParser &parser, const SubcommandSyntax &syntax,
                                   const QStringList &arguments, const std::function<QString()> &readOptions,
                                   QTextStream &out, QTextStream &err)
{
    QList<QCommandLineOption> options = syntax.options;
    options.append({{QStringLiteral("h"), QStringLiteral("help")},
                    QCoreApplication::translate("KavrelZones", "zeigt diese Hilfe")});
    parser.addOptions(options);
    if (!parser.parse(QStringList{QStringLiteral("kavrel-zones")} + arguments)) {
        printUsageError(err, syntax.name, parser.errorText());
        return ZonesUsageError;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << subcommandHelp(syntax.call, syntax.description, options);
        return ZonesSuccess;
    }
    if (const QString problem = readOptions(); !problem.isEmpty()) {
        printUsageError(err, syntax.name, problem);
        return ZonesUsageError;
    }
    return std::nullopt;
}
