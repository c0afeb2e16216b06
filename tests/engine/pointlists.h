#pragma once

#include <QList>
#include <QPointF>
#include <kavrel/point.h>
#include <vector>

// Test tables hold positions as QPointF (QTest prints and compares them);
// the engine takes its own points.
inline std::vector<kavrel::Point> toPoints(const QList<QPointF> &positions)
{
    std::vector<kavrel::Point> points;
    points.reserve(std::size_t(positions.size()));
    for (const QPointF &p : positions)
        points.push_back(kavrel::Point{p.x(), p.y()});
    return points;
}

inline QPointF toQPointF(kavrel::Point p)
{
    return {p.x, p.y};
}

inline QList<double> toQList(const std::vector<double> &values)
{
    return QList<double>(values.begin(), values.end());
}
