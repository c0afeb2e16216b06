#include "researchoptions.h"

#include "zonesoptions.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <vector>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("KavrelZones", text);
}

std::optional<quint64> wholeNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,20}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const quint64 value = text.toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<double> positiveNumber(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\+?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value) || !(value > 0.0))
        return std::nullopt;
    return value;
}

QString applySimulate(ZonesOptions &options, const QString &value)
{
    const std::optional<quint64> points = wholeNumber(value);
    if (!points || *points < 1 || *points > quint64(kavrel::MaxSamplePoints))
        return translated("--simulate: \u201E%1\u201C ist keine Punktzahl von 1 bis %2.")
            .arg(value)
            .arg(qint64(kavrel::MaxSamplePoints));
    options.research.simulate = qint64(*points);
    return {};
}

QString applySeed(ZonesOptions &options, const QString &value)
{
    const std::optional<quint64> seed = wholeNumber(value);
    if (!seed)
        return translated("--seed: \u201E%1\u201C ist keine ganze Zahl von 0 bis 18446744073709551615.")
            .arg(value);
    options.research.seed = *seed;
    return {};
}

QString applyGrid(ZonesOptions &options, const QString &value)
{
    const std::optional<double> spacing = positiveNumber(value);
    if (!spacing)
        return translated("--grid: \u201E%1\u201C ist kein Rasterabstand in Metern größer als 0.").arg(value);
    options.research.grid = *spacing;
    return {};
}

QString applyDiameterUnit(ZonesOptions &options, const QString &value)
{
    if (value == QLatin1String("cm"))
        options.research.diameterUnit = kavrel::DiameterUnit::Centimetre;
    else if (value == QLatin1String("mm"))
        options.research.diameterUnit = kavrel::DiameterUnit::Millimetre;
    else if (value == QLatin1String("m"))
        options.research.diameterUnit = kavrel::DiameterUnit::Metre;
    else
        return translated("--diameter-unit: \u201E%1\u201C ist keine der Einheiten cm, mm, m.").arg(value);
    return {};
}

std::optional<double> finiteNumber(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > 1e9)
        return std::nullopt;
    return value;
}

// "W,L" for [0, W] x [0, L] or "X0,Y0,X1,Y1" for [X0, X1] x [Y0, Y1].
std::optional<kavrel::StandRectangle> standRectangle(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2 && parts.size() != 4)
        return std::nullopt;
    std::vector<double> values;
    for (const QString &part : parts) {
        const std::optional<double> value = finiteNumber(part.trimmed());
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    if (values.size() == 2)
        values.insert(values.begin(), {0.0, 0.0});
    const kavrel::StandRectangle stand{values[2] - values[0], values[3] - values[1], values[0], values[1]};
    if (!(stand.width > 0.0) || !(stand.length > 0.0))
        return std::nullopt;
    return stand;
}

QString applyStand(ZonesOptions &options, const QString &value)
{
    const std::optional<kavrel::StandRectangle> stand = standRectangle(value);
    if (!stand)
        return translated("--stand: \u201E%1\u201C ist weder W,L noch X0,Y0,X1,Y1 in Metern mit positiver Breite "
                          "und Länge (etwa 100,80 oder 2500,1200,2600,1280).")
            .arg(value);
    options.research.stand = *stand;
    return {};
}

QString applySvg(ZonesOptions &options, const QString &value)
{
    if (value.isEmpty())
        return translated("--svg: Der Name der SVG-Datei fehlt.");
    options.research.svgFile = value;
    return {};
}

} // namespace

bool ResearchOptions::active() const
{
    return areas || simulates() || geoJson || !svgFile.isEmpty();
}

QList<ZonesOption> researchOptionTable()
{
    return {
        {QStringLiteral("--areas"), QString(),
         translated(
             "gibt je Baum in Dateireihenfolge \u201Etree,x,y,d,area,probability\u201C aus: Fläche seiner "
             "Einschlusszone der Ordnung K im Bestand (m\u00B2) und seine Einschlusswahrscheinlichkeit"),
         [](ZonesOptions &options, const QString &) {
             options.research.areas = true;
             return QString();
         }},
        {QStringLiteral("--simulate"), QStringLiteral("M"),
         translated("simuliert die Stichprobe an M gleichverteilten Zufallspunkten"), applySimulate},
        {QStringLiteral("--seed"), QStringLiteral("S"),
         translated("Startwert der Zufallspunkte von --simulate (Vorgabe 1)"), applySeed},
        {QStringLiteral("--grid"), QStringLiteral("SPACING"),
         translated("simuliert die Stichprobe an einem systematischen Raster mit SPACING Metern Abstand"),
         applyGrid},
        {QStringLiteral("--diameter-unit"), QStringLiteral("cm|mm|m"),
         translated("Einheit der Durchmesser in der Standdatei für die Grundfläche (Vorgabe cm)"),
         applyDiameterUnit},
        {QStringLiteral("--csv"), QString(), translated("gibt die Schätzertabelle als CSV aus"),
         [](ZonesOptions &options, const QString &) {
             options.research.csv = true;
             return QString();
         }},
        {QStringLiteral("--geojson"), QString(),
         translated("gibt die Einschlusszonen der Ordnung K als GeoJSON in Bestandsmetern aus"),
         [](ZonesOptions &options, const QString &) {
             options.research.geoJson = true;
             return QString();
         }},
        {QStringLiteral("--svg"), QStringLiteral("OUT.svg"),
         translated("zeichnet Bestand, Bäume und alle Zonengrenzen der Ordnung K maßstäblich in die Datei "
                    "OUT.svg"),
         applySvg},
        {QStringLiteral("--stand"), QStringLiteral("W,L|X0,Y0,X1,Y1"),
         translated(
             "Bestandsrechteck einer CSV-Stammkarte: [0, W] x [0, L] oder [X0, X1] x [Y0, Y1] in Metern"),
         applyStand},
    };
}

QString checkResearchOptions(const ZonesOptions &options)
{
    const ResearchOptions &research = options.research;
    if (research.simulate && research.grid)
        return translated(
            "--simulate und --grid schließen einander aus: Zufallspunkte oder Raster, nicht beides.");
    const int modes = int(research.areas) + int(research.simulates()) + int(research.geoJson);
    if (modes > 1)
        return translated("Nur eine von --areas, --simulate, --grid und --geojson, bitte.");
    if (options.select && research.active())
        return translated("--select lässt sich nicht mit --areas, --simulate, --grid, --geojson oder --svg "
                          "verbinden.");
    if (research.seed && !research.simulate)
        return translated("--seed gilt nur zusammen mit --simulate.");
    if (research.csv && !research.simulates())
        return translated("--csv gilt nur zusammen mit --simulate oder --grid.");
    if (research.stand && !research.active())
        return translated("--stand gilt nur zusammen mit --areas, --simulate, --grid, --geojson oder --svg.");
    if (research.diameterUnit && !research.simulates())
        return translated("--diameter-unit gilt nur zusammen mit --simulate oder --grid.");
    return {};
}

QString researchUsageLines()
{
    return translated("       kavrel-zones --areas [--order K] [--map WxH] STANDFILE\n"
                      "       kavrel-zones --simulate M [--seed S] [--order K] [--diameter-unit cm|mm|m] "
                      "[--csv] STANDFILE\n"
                      "       kavrel-zones --grid SPACING [--order K] [--diameter-unit cm|mm|m] [--csv] "
                      "STANDFILE\n"
                      "       kavrel-zones --geojson [--order K] STANDFILE\n"
                      "       kavrel-zones --svg OUT.svg [--order K] STANDFILE\n") +
           translated("       kavrel-zones --areas|--simulate M|--grid SPACING|--geojson|--svg OUT.svg ... "
                      "--stand W,L|X0,Y0,X1,Y1 STEMMAP.csv\n");
}
