#include "zonesoptions.h"

#include "argumenttext.h"
#include "stand/standfilereader.h"
#include "threadsoption.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("KavrelZones", text);
}

// A positive whole number up to the int range, digits only.
std::optional<int> positiveInteger(const QString &text)
{
    static const QRegularExpression digits(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,10}")));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qint64 value = text.toLongLong();
    if (value < 1 || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

std::optional<double> finiteNumber(const QString &text)
{
    static const QRegularExpression number(QRegularExpression::anchoredPattern(
        QStringLiteral("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?")));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString applyOrder(ZonesOptions &options, const QString &value)
{
    const std::optional<int> order = positiveInteger(value);
    if (!order)
        return translated("--order: \u201E%1\u201C ist keine ganze Zahl ab 1.").arg(shownArgument(value));
    options.order = *order;
    return {};
}

QString applyMap(ZonesOptions &options, const QString &value)
{
    const QStringList parts = value.split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    const std::optional<int> width = parts.size() == 2 ? positiveInteger(parts[0]) : std::nullopt;
    const std::optional<int> height = parts.size() == 2 ? positiveInteger(parts[1]) : std::nullopt;
    if (!width || !height)
        return translated("--map: \u201E%1\u201C ist keine Kartengröße WxH aus zwei ganzen Zahlen ab 1 (etwa "
                          "441x441).")
            .arg(shownArgument(value));
    options.mapWidth = *width;
    options.mapHeight = *height;
    return {};
}

QString applySelect(ZonesOptions &options, const QString &value)
{
    const QStringList parts = value.split(QLatin1Char(','));
    const std::optional<double> x = parts.size() == 2 ? finiteNumber(parts[0]) : std::nullopt;
    const std::optional<double> y = parts.size() == 2 ? finiteNumber(parts[1]) : std::nullopt;
    if (!x || !y)
        return translated(
                   "--select: \u201E%1\u201C ist kein Kartenpunkt X,Y aus zwei Zahlen (etwa 120.5,80).")
            .arg(shownArgument(value));
    // Beyond the trees' own bounds the distances lose every digit that
    // tells the trees apart.
    if (std::abs(*x) > MaxTreeCoordinate || std::abs(*y) > MaxTreeCoordinate)
        return translated("--select: \u201E%1\u201C liegt außerhalb von -1000000000 bis 1000000000 Pixeln.")
            .arg(shownArgument(value));
    options.select = QPointF(*x, *y);
    return {};
}

QString applyHelp(ZonesOptions &options, const QString &)
{
    options.help = true;
    return {};
}

const ZonesOption *findOption(const QList<ZonesOption> &table, const QString &name)
{
    for (const ZonesOption &option : table) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

} // namespace

QList<ZonesOption> zonesOptionTable()
{
    QList<ZonesOption> table{
        {QStringLiteral("--order"), QStringLiteral("K"),
         translated("Ordnung der Einschlusszonen, eine ganze Zahl ab 1 (Vorgabe 1)"), applyOrder},
        {QStringLiteral("--map"), QStringLiteral("WxH"),
         translated("Größe der Bestandskarte in Pixeln (Vorgabe 441x441)"), applyMap},
        {QStringLiteral("--select"), QStringLiteral("X,Y"),
         translated("wählt den nächsten Baum zum Kartenpunkt X,Y und gibt \u201ES,N\u201C (sortierter Index, "
                    "Baumnummer) und die Kanten seiner Zone aus"),
         applySelect},
    };
    table += researchOptionTable();
    table.append({QStringLiteral("--threads"), QStringLiteral("N"), threadsOptionDescription(),
                  [](ZonesOptions &, const QString &value) {
                      return applyThreadsOption(value);
                  }});
    table.append({QStringLiteral("--help"), QString(), translated("zeigt diese Hilfe"), applyHelp});
    return table;
}

ZonesArguments parseZonesArguments(const QStringList &arguments)
{
    ZonesArguments result;
    const QList<ZonesOption> table = zonesOptionTable();
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype a = 0; a < arguments.size(); ++a) {
        const QString &argument = arguments[a];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            files.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        const ZonesOption *option = findOption(table, name);
        if (!option) {
            result.error = translated("Unbekannte Option \u201E%1\u201C.").arg(shownArgument(name));
            return result;
        }
        QString value;
        if (option->valueName.isEmpty()) {
            if (equals >= 0) {
                result.error = translated("Die Option %1 nimmt keinen Wert.").arg(shownArgument(name));
                return result;
            }
        } else if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (a + 1 < arguments.size()) {
            value = arguments[++a];
        } else {
            result.error = translated("Der Option %1 fehlt ihr Wert %2.").arg(name, option->valueName);
            return result;
        }
        result.error = option->apply(result.options, value);
        if (!result.ok())
            return result;
    }
    if (result.options.help)
        return result;
    result.error = checkResearchOptions(result.options);
    if (!result.ok())
        return result;
    if (files.isEmpty()) {
        result.error = translated("Es fehlt die Standdatei.");
    } else if (files.size() > 1) {
        result.error = translated("Nur eine Standdatei, bitte: \u201E%1\u201C ist zu viel.")
                           .arg(shownArgument(files[1]));
    } else {
        result.options.standFile = files.first();
    }
    return result;
}

QString zonesUsage()
{
    QString usage = translated("Aufruf: kavrel-zones [--order K] [--map WxH] [--select X,Y] STANDFILE\n"
                               "%1"
                               "\n"
                               "Gibt die Kantentabelle der Einschlusszonen der Ordnung K aus, eine Zeile je\n"
                               "Randstück: i,j,x1,y1,x2,y2 (i und j sind sortierte Baumindizes, die Punkte\n"
                               "Kartenkoordinaten, auf eine Nachkommastelle abgeschnitten).\n"
                               "\n"
                               "Optionen:\n")
                        .arg(researchUsageLines());
    for (const ZonesOption &option : zonesOptionTable()) {
        const QString call =
            option.valueName.isEmpty() ? option.name : option.name + QLatin1Char(' ') + option.valueName;
        usage += QStringLiteral("  %1  %2\n").arg(call, -14).arg(option.description);
    }
    usage += translated(
        "\nExit-Status: 0 Erfolg, 1 Standdatei nicht lesbar, 2 falscher Aufruf, 3 Ausgabedatei nicht "
        "schreibbar,\n130 mit Strg+C abgebrochen.\n");
    usage += translated("\nSimulationsstudien: kavrel-zones study --help\n"
                        "Bestände aus Punktprozessen: kavrel-zones generate --help\n");
    usage += translated("Stichprobenoberflächen: kavrel-zones surface --help\n");
    return usage;
}
