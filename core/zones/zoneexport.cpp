#include "zoneexport.h"

#include "stand/numberformat.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

using kavrel::InclusionZone;
using kavrel::Point;
using kavrel::StandRectangle;
using kavrel::ZoneRing;

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("ZoneExport", text);
}

QString coordinateText(Point p)
{
    return QStringLiteral("[%1,%2]").arg(numberText(p.x), numberText(p.y));
}

// A GeoJSON linear ring repeats its first position at the end.
QString ringText(const ZoneRing &ring)
{
    QStringList positions;
    positions.reserve(qsizetype(ring.size()) + 1);
    for (const Point &p : ring)
        positions.append(coordinateText(p));
    positions.append(coordinateText(ring.front()));
    return QLatin1Char('[') + positions.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString geometryText(const InclusionZone &zone)
{
    if (zone.rings.empty())
        return QStringLiteral("null");
    if (zone.rings.size() == 1)
        return QStringLiteral("{\"type\":\"Polygon\",\"coordinates\":[%1]}")
            .arg(ringText(zone.rings.front()));
    QStringList polygons;
    for (const ZoneRing &ring : zone.rings)
        polygons.append(QLatin1Char('[') + ringText(ring) + QLatin1Char(']'));
    return QStringLiteral("{\"type\":\"MultiPolygon\",\"coordinates\":[%1]}")
        .arg(polygons.join(QLatin1Char(',')));
}

double probability(double area, StandRectangle stand)
{
    return stand.area() > 0.0 ? area / stand.area() : 0.0;
}

// Everything drawn in the SVG lives in one frame: stand metres shifted and
// flipped so that Y points down as SVG expects, with a margin around the
// stand and the trees and room for the legend below.
class DrawingFrame
{
public:
    DrawingFrame(const std::vector<Point> &trees, StandRectangle stand)
    {
        m_minX = stand.left();
        m_maxX = stand.right();
        m_minY = stand.bottom();
        m_maxY = stand.top();
        for (const Point &tree : trees) {
            m_minX = std::min(m_minX, tree.x);
            m_maxX = std::max(m_maxX, tree.x);
            m_minY = std::min(m_minY, tree.y);
            m_maxY = std::max(m_maxY, tree.y);
        }
        m_extent = std::max({m_maxX - m_minX, m_maxY - m_minY, 1e-9});
        m_margin = 0.06 * m_extent;
    }

    double extent() const { return m_extent; }
    double margin() const { return m_margin; }
    double drawingWidth() const { return m_maxX - m_minX + 2.0 * m_margin; }
    double mapHeight() const { return m_maxY - m_minY + 2.0 * m_margin; }

    double x(double standX) const { return standX - m_minX + m_margin; }
    double y(double standY) const { return m_maxY - standY + m_margin; }

private:
    double m_minX = 0.0;
    double m_maxX = 0.0;
    double m_minY = 0.0;
    double m_maxY = 0.0;
    double m_extent = 1.0;
    double m_margin = 0.0;
};

QString num(double value)
{
    // Drawing coordinates need no more than this, and short numbers keep the
    // file small.
    return numberText(std::round(value * 1e6) / 1e6);
}

QString ringPath(const ZoneRing &ring, const DrawingFrame &frame)
{
    QStringList parts;
    for (std::size_t v = 0; v < ring.size(); ++v) {
        parts.append(QStringLiteral("%1%2 %3").arg(v == 0 ? QStringLiteral("M") : QStringLiteral("L"),
                                                   num(frame.x(ring[v].x)), num(frame.y(ring[v].y))));
    }
    parts.append(QStringLiteral("Z"));
    return parts.join(QLatin1Char(' '));
}

// A round length (1, 2 or 5 times a power of ten) of at most a quarter of
// the stand's extent, for the scale bar.
double scaleBarLength(double extent)
{
    const double target = extent / 4.0;
    const double power = std::pow(10.0, std::floor(std::log10(target)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * power <= target)
            return step * power;
    }
    return power;
}

} // namespace

QByteArray zonesToGeoJson(const std::vector<InclusionZone> &zones, StandRectangle stand, int k)
{
    QStringList features;
    features.reserve(qsizetype(zones.size()));
    for (std::size_t t = 0; t < zones.size(); ++t) {
        const InclusionZone &zone = zones[t];
        features.append(
            QStringLiteral("{\"type\":\"Feature\",\"properties\":{\"tree\":%1,\"k\":%2,\"area\":%3,"
                           "\"probability\":%4},\"geometry\":%5}")
                .arg(t + 1)
                .arg(k)
                .arg(numberText(zone.area), numberText(probability(zone.area, stand)), geometryText(zone)));
    }
    const QString text = QStringLiteral("{\"type\":\"FeatureCollection\",\"features\":[\n") +
                         features.join(QStringLiteral(",\n")) + QStringLiteral("\n]}\n");
    return text.toUtf8();
}

QByteArray zonesToSvg(const std::vector<Point> &trees, const std::vector<InclusionZone> &zones,
                      StandRectangle stand, int k, SvgTrees drawn)
{
    const bool separated = drawn == SvgTrees::SeparatedOnMap;
    const DrawingFrame frame(trees, stand);
    const double font = 0.03 * frame.extent();
    const double line = 0.003 * frame.extent();
    const double zoneLine = 0.0015 * frame.extent();
    const double treeRadius = 0.008 * frame.extent();
    const double legendHeight = (separated ? 5.0 : 4.0) * font * 1.5;
    // Wide enough for the longest legend line (about 50 characters, 60 with
    // the note on moved trees) even on a tall, narrow stand.
    const double width =
        std::max(frame.drawingWidth(), 2.0 * frame.margin() + (separated ? 36.0 : 30.0) * font);
    const double height = frame.mapHeight() + legendHeight;
    const double pixelsPerUnit = 800.0 / std::max(width, height);

    QStringList svg;
    svg << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")
        << QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %3 %4\">")
               .arg(num(width * pixelsPerUnit), num(height * pixelsPerUnit), num(width), num(height))
        << QStringLiteral("<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" fill=\"white\"/>")
               .arg(num(width), num(height));

    svg << QStringLiteral("<g id=\"stand\" fill=\"#f4f8ec\" stroke=\"black\" stroke-width=\"%1\">")
               .arg(num(line))
        << QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"/>")
               .arg(num(frame.x(stand.left())), num(frame.y(stand.top())), num(stand.width),
                    num(stand.length))
        << QStringLiteral("</g>");

    svg << QStringLiteral("<g id=\"zones\" fill=\"none\" stroke=\"#0000ff\" stroke-width=\"%1\" "
                          "stroke-linejoin=\"round\">")
               .arg(num(zoneLine));
    for (std::size_t t = 0; t < zones.size(); ++t) {
        for (const ZoneRing &ring : zones[t].rings)
            svg << QStringLiteral("<path data-tree=\"%1\" d=\"%2\"/>").arg(t + 1).arg(ringPath(ring, frame));
    }
    svg << QStringLiteral("</g>");

    svg << QStringLiteral("<g id=\"trees\" font-family=\"sans-serif\" font-size=\"%1\">")
               .arg(num(font * 0.8));
    for (std::size_t t = 0; t < trees.size(); ++t) {
        const double x = frame.x(trees[t].x);
        const double y = frame.y(trees[t].y);
        svg << QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#006400\"/>")
                   .arg(num(x), num(y), num(treeRadius))
            << QStringLiteral("<text x=\"%1\" y=\"%2\" fill=\"black\">%3</text>")
                   .arg(num(x + 1.5 * treeRadius), num(y - 1.5 * treeRadius))
                   .arg(t + 1);
    }
    svg << QStringLiteral("</g>");

    // Legend: three symbol rows and a scale bar below the map.
    const double left = frame.margin();
    const double top = frame.mapHeight();
    const double row = font * 1.5;
    const double symbol = 2.0 * font;
    const double bar = scaleBarLength(frame.extent());
    svg << QStringLiteral("<g id=\"legend\" font-family=\"sans-serif\" font-size=\"%1\">").arg(num(font))
        << QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>")
               .arg(num(left), num(top + font),
                    translated("Ordnung k = %1, %2 Bäume, Bestand %3 m x %4 m")
                        .arg(k)
                        .arg(qsizetype(trees.size()))
                        .arg(numberText(stand.width), numberText(stand.length)))
        << QStringLiteral(
               "<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#0000ff\" stroke-width=\"%4\"/>")
               .arg(num(left), num(top + row + font * 0.65), num(left + symbol), num(zoneLine))
        << QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>")
               .arg(num(left + symbol + font * 0.5), num(top + row + font),
                    translated("Grenze der Einschlusszonen"))
        << QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#006400\"/>")
               .arg(num(left + symbol / 2.0), num(top + 2.0 * row + font * 0.65), num(treeRadius))
        << QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>")
               .arg(num(left + symbol + font * 0.5), num(top + 2.0 * row + font),
                    translated("Baum (Nummer in der Reihenfolge der Standdatei)"))
        << QStringLiteral(
               "<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"black\" stroke-width=\"%4\"/>")
               .arg(num(left), num(top + 3.0 * row + font * 0.65), num(left + bar), num(2.0 * line))
        << QStringLiteral("<text x=\"%1\" y=\"%2\">%3 m</text>")
               .arg(num(left + bar + font * 0.5), num(top + 3.0 * row + font), numberText(bar));
    if (separated)
        svg << QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>")
                   .arg(num(left), num(top + 4.0 * row + font),
                        translated("Wie auf der Karte: gleiche X- oder Y-Werte auseinandergerückt"));
    svg << QStringLiteral("</g>") << QStringLiteral("</svg>");
    return (svg.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

QByteArray zonesToCsv(const std::vector<Point> &trees, const std::vector<double> &diameters,
                      const std::vector<double> &areas, StandRectangle stand, int k)
{
    QString text = QStringLiteral("tree,x,y,d,k,area,probability\n");
    for (std::size_t t = 0; t < areas.size() && t < trees.size(); ++t) {
        const double d = t < diameters.size() ? diameters[t] : 0.0;
        text += QStringLiteral("%1,%2,%3,%4,%5,%6,%7\n")
                    .arg(t + 1)
                    .arg(numberText(trees[t].x), numberText(trees[t].y), numberText(d))
                    .arg(k)
                    .arg(numberText(areas[t]), numberText(probability(areas[t], stand)));
    }
    return text.toUtf8();
}
