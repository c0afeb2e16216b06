#include "stand/stand.h"
#include "zones/edgetable.h"
#include "zones/hsort.h"
#include "zones/truncation.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

namespace {

Stand standWith(int width, int length, const QList<QPointF> &trees)
{
    Stand stand;
    stand.width = width;
    stand.length = length;
    for (const QPointF &tree : trees) {
        stand.treeX.push_back(tree.x());
        stand.treeY.push_back(tree.y());
        stand.treeD.push_back(25);
    }
    return stand;
}

// The trees of the worked example at map (60, 25), (10, 20), (30, 50) on a
// 100 x 100 map.
Stand workedExampleStand()
{
    Stand stand = standWith(100, 100, {{60, 75}, {10, 80}, {30, 50}});
    prepareStand(stand, 100, 100);
    return stand;
}

QStringList lines(const EdgeTable &table)
{
    QStringList result;
    for (const EdgeRow &row : table.rows)
        result.append(edgeRowLine(row));
    return result;
}

// The edge table computed the plain way, step by step, on map coordinates:
// every piece of every bisector, every tree counted with pointDistance().
QStringList plainEdgeLines(const Stand &stand, int order, double width, double height)
{
    const int n = stand.treeCount();
    const std::vector<double> &x = stand.sortX, &y = stand.sortY;
    const auto bisector = [&](int a, int b, double &s, double &c) {
        const double m = (y[a] - y[b]) / (x[a] - x[b]);
        s = -1 / m;
        c = (y[a] + y[b]) / 2 - s * ((x[a] + x[b]) / 2);
    };
    QStringList result;
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            double s, c;
            bisector(i, j, s, c);
            double p1x, p1y, p2x, p2y;
            if (0 < c && c < height)
                p1x = 0, p1y = c;
            else if (s > 0)
                p1x = -c / s, p1y = 0;
            else
                p1x = (height - c) / s, p1y = height;
            const double yW = s * width + c;
            if (0 < yW && yW < height)
                p2x = width, p2y = yW;
            else if (s > 0)
                p2x = (height - c) / s, p2y = height;
            else
                p2x = -c / s, p2y = 0;
            std::vector<double> px{p1x}, py{p1y};
            for (int l = 0; l < n; ++l) {
                if (l == i || l == j)
                    continue;
                double s2, c2;
                bisector(i, l, s2, c2);
                const double e1 = p1y - (s2 * p1x + c2);
                const double e2 = p2y - (s2 * p2x + c2);
                if (e1 * e2 < 0) {
                    const double cx = (c2 - c) / (s - s2);
                    px.push_back(cx);
                    py.push_back(s * cx + c);
                }
            }
            px.push_back(p2x);
            py.push_back(p2y);
            std::vector<double> scratch(px.size());
            hSort(int(px.size()), px, py, scratch);
            for (std::size_t p = 0; p + 1 < px.size(); ++p) {
                const double mx = (px[p] + px[p + 1]) / 2;
                const double my = s * mx + c;
                const double di = pointDistance(mx, my, x[i], y[i]);
                int nearer = 0;
                for (int t = 0; t < n; ++t) {
                    if (t != i && t != j && pointDistance(mx, my, x[t], y[t]) < di)
                        ++nearer;
                }
                if (nearer != order - 1)
                    continue;
                QStringList fields{QString::number(i + 1), QString::number(j + 1)};
                for (const double v : {px[p], py[p], px[p + 1], py[p + 1]}) {
                    const double shown = truncateDecimals(v, 1);
                    fields.append(shown == 0 ? QStringLiteral("0") : QString::number(shown, 'g', 15));
                }
                result.append(fields.join(QLatin1Char(',')));
            }
        }
    }
    return result;
}

Stand randomStand(quint32 seed, int trees, int width, int length, int mapWidth, int mapHeight)
{
    QRandomGenerator random(seed);
    QList<QPointF> points;
    for (int t = 0; t < trees; ++t)
        points.append({random.bounded(double(width)), random.bounded(double(length))});
    Stand stand = standWith(width, length, points);
    prepareStand(stand, mapWidth, mapHeight);
    return stand;
}

} // namespace

class TestEdgeTable : public QObject
{
    Q_OBJECT

private slots:
    void truncatesTowardsMinusInfinity_data();
    void truncatesTowardsMinusInfinity();
    void workedExample_data();
    void workedExample();
    void noTreesOrOneTree();
    void reportsProgressOncePerTree_data();
    void reportsProgressOncePerTree();
    void matchesPlainComputation_data();
    void matchesPlainComputation();
    void stretchedMapFollowsStandDistances_data();
    void stretchedMapFollowsStandDistances();
    void keepsBoundaryOfTreesAlmostInLine_data();
    void keepsBoundaryOfTreesAlmostInLine();
    void neverWritesNaNOrInfinity_data();
    void neverWritesNaNOrInfinity();
    void noZeroLengthRows_data();
    void noZeroLengthRows();
};

void TestEdgeTable::truncatesTowardsMinusInfinity_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("truncated");
    QTest::newRow("positive") << 12.39 << 12.3;
    QTest::newRow("exact tenth") << 72.5 << 72.5;
    QTest::newRow("small negative") << -0.04 << -0.1;
    QTest::newRow("negative half tenth") << -0.05 << -0.1;
    QTest::newRow("negative tenth") << -0.1 << -0.1;
    QTest::newRow("zero") << 0.0 << 0.0;
}

void TestEdgeTable::truncatesTowardsMinusInfinity()
{
    QFETCH(double, value);
    QFETCH(double, truncated);
    QCOMPARE(truncateDecimals(value, 1), truncated);
}

void TestEdgeTable::workedExample_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("k = 1") << 1
                           << QStringList{"1,2,0,48.3,34.7,25.1", "1,3,34.7,25.1,37.2,0",
                                          "2,3,34.7,25.1,97,100"};
    QTest::newRow("k = 2") << 2
                           << QStringList{"1,2,34.7,25.1,72.5,0", "1,3,27.2,100,34.7,25.1",
                                          "2,3,13.7,0,34.7,25.1"};
    QTest::newRow("k = 3") << 3 << QStringList{};
    QTest::newRow("k = 7") << 7 << QStringList{};
}

void TestEdgeTable::workedExample()
{
    QFETCH(int, order);
    QFETCH(QStringList, rows);
    Stand stand = workedExampleStand();
    const EdgeTable table = computeEdgeTable(stand, order, 100, 100);
    QCOMPARE(stand.sortX, (std::vector<double>{10, 30, 60}));
    QCOMPARE(stand.sortY, (std::vector<double>{20, 50, 25}));
    QCOMPARE(lines(table), rows);
    QCOMPARE(table.order, order);
    for (const EdgeRow &row : table.rows) {
        // The full-precision end points lie on the map edges or at the common
        // crossing near (34.73, 25.18).
        QVERIFY(std::fabs(row.x2 - 34.73) < 0.01 || std::fabs(row.x1 - 34.73) < 0.01);
        QCOMPARE(row.texts().size(), 6);
    }
}

void TestEdgeTable::noTreesOrOneTree()
{
    QList<int> progress;
    const auto record = [&progress](int percent) {
        progress.append(percent);
    };

    Stand empty = standWith(100, 100, {});
    prepareStand(empty, 441, 441);
    QVERIFY(computeEdgeTable(empty, 1, 441, 441, record).rows.isEmpty());
    QVERIFY(progress.isEmpty());

    Stand single = standWith(100, 100, {{50, 50}});
    prepareStand(single, 441, 441);
    QVERIFY(computeEdgeTable(single, 1, 441, 441, record).rows.isEmpty());
    QCOMPARE(progress, QList<int>{100});
}

void TestEdgeTable::reportsProgressOncePerTree_data()
{
    QTest::addColumn<int>("trees");
    QTest::addColumn<QList<int>>("percents");
    // Halves go to the even neighbour: 12.5 -> 12, 37.5 -> 38.
    QTest::newRow("8 trees") << 8 << QList<int>{12, 25, 38, 50, 62, 75, 88, 100};
    QTest::newRow("3 trees") << 3 << QList<int>{33, 67, 100};
}

void TestEdgeTable::reportsProgressOncePerTree()
{
    QFETCH(int, trees);
    QFETCH(QList<int>, percents);
    Stand stand = randomStand(7, trees, 100, 100, 441, 441);
    QList<int> progress;
    computeEdgeTable(stand, 2, 441, 441, [&progress](int percent) { progress.append(percent); });
    QCOMPARE(progress, percents);
}

// Random and degenerate stands (lattices: equal corner distances, many trees
// on one circle, bisectors meeting in one point) on maps with equal scales:
// the table must be that of the plain computation, row for row.
void TestEdgeTable::matchesPlainComputation_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("lattice");
    QTest::addColumn<int>("trees");
    QTest::addColumn<int>("mapSize");

    for (int order = 1; order <= 5; ++order) {
        for (quint32 seed : {1u, 2u, 3u}) {
            QTest::addRow("k=%d random %u", order, seed) << order << seed << false << 30 << 441;
        }
        QTest::addRow("k=%d random 50", order) << order << 4u << false << 50 << 441;
        QTest::addRow("k=%d lattice", order) << order << 0u << true << 25 << 441;
        QTest::addRow("k=%d lattice small map", order) << order << 0u << true << 16 << 13;
    }
}

void TestEdgeTable::matchesPlainComputation()
{
    QFETCH(int, order);
    QFETCH(quint32, seed);
    QFETCH(bool, lattice);
    QFETCH(int, trees);
    QFETCH(int, mapSize);

    Stand stand;
    if (lattice) {
        QList<QPointF> points;
        const int side = int(std::sqrt(double(trees)));
        for (int t = 0; t < trees; ++t)
            points.append({10.0 + 20 * (t % side), 10.0 + 20 * (t / side)});
        stand = standWith(100, 100, points);
        prepareStand(stand, mapSize, mapSize);
    } else {
        stand = randomStand(seed, trees, 100, 100, mapSize, mapSize);
    }
    const EdgeTable table = computeEdgeTable(stand, order, mapSize, mapSize);
    QCOMPARE(lines(table), plainEdgeLines(stand, order, mapSize, mapSize));
}

// A 100 m x 50 m stand on a 300 x 400 map: 3 pixels per metre along X, 8
// along Y. Every piece must lie on the bisector measured in metres and have
// exactly k - 1 trees nearer in metres.
void TestEdgeTable::stretchedMapFollowsStandDistances_data()
{
    QTest::addColumn<int>("order");
    QTest::newRow("k = 1") << 1;
    QTest::newRow("k = 2") << 2;
    QTest::newRow("k = 4") << 4;
}

void TestEdgeTable::stretchedMapFollowsStandDistances()
{
    QFETCH(int, order);
    const int width = 100, length = 50, mapWidth = 300, mapHeight = 400;
    Stand stand = randomStand(11, 20, width, length, mapWidth, mapHeight);
    const EdgeTable table = computeEdgeTable(stand, order, mapWidth, mapHeight);
    QVERIFY(!table.rows.isEmpty());

    const auto metresX = [&](double mapX) {
        return mapX * width / mapWidth;
    };
    const auto metresY = [&](double mapY) {
        return mapY * length / mapHeight;
    };
    const auto tree = [&](int sortedIndex) {
        return QPointF(metresX(stand.sortX[sortedIndex - 1]), metresY(stand.sortY[sortedIndex - 1]));
    };
    for (const EdgeRow &row : table.rows) {
        const QPointF a = tree(row.i), b = tree(row.j);
        for (const QPointF end :
             {QPointF(metresX(row.x1), metresY(row.y1)), QPointF(metresX(row.x2), metresY(row.y2))}) {
            const double da = std::hypot(end.x() - a.x(), end.y() - a.y());
            const double db = std::hypot(end.x() - b.x(), end.y() - b.y());
            QVERIFY2(std::fabs(da - db) < 1e-9 * (1 + da), qPrintable(edgeRowLine(row)));
        }
        const QPointF middle((metresX(row.x1) + metresX(row.x2)) / 2,
                             (metresY(row.y1) + metresY(row.y2)) / 2);
        const double di = std::hypot(middle.x() - a.x(), middle.y() - a.y());
        int nearer = 0;
        for (int t = 1; t <= stand.treeCount(); ++t) {
            const QPointF other = tree(t);
            if (t != row.i && t != row.j && std::hypot(middle.x() - other.x(), middle.y() - other.y()) < di)
                ++nearer;
        }
        QCOMPARE(nearer, order - 1);
        // The texts are the map coordinates, truncated.
        QCOMPARE(row.y1Text.toDouble(), truncateDecimals(row.y1, 1));
    }
}

// Two trees almost level or almost one above the other: their bisector is
// nearly vertical or nearly level, and their boundary must not be lost.
void TestEdgeTable::keepsBoundaryOfTreesAlmostInLine_data()
{
    QTest::addColumn<QList<QPointF>>("trees");
    QTest::addColumn<int>("mapWidth");
    QTest::addColumn<int>("mapHeight");
    QTest::addColumn<QString>("line");
    // Stand Y a few units in the last place apart stay apart on the map, but
    // rescaling Y for a stretched map can round them onto one value.
    const QList<QPointF> level{{20, 14.863052612758228}, {80, 14.863052612758231}};
    QTest::newRow("level, stretched map") << level << 441 << 300 << QStringLiteral("1,2,220.5,300,220.5,0");
    QTest::newRow("level, equal scales") << level << 300 << 90 << QStringLiteral("1,2,150,90,150,0");
    // X so close that the bisector's slope comes out exactly 0.
    const QList<QPointF> aboveEachOther{{0, 25}, {1e-310, 5}};
    QTest::newRow("one above the other") << aboveEachOther << 300 << 90 << QStringLiteral("1,2,0,45,300,45");
    QTest::newRow("one above the other, stretched map")
        << aboveEachOther << 300 << 441 << QStringLiteral("1,2,0,220.5,300,220.5");
}

void TestEdgeTable::keepsBoundaryOfTreesAlmostInLine()
{
    QFETCH(QList<QPointF>, trees);
    QFETCH(int, mapWidth);
    QFETCH(int, mapHeight);
    QFETCH(QString, line);
    Stand stand = standWith(100, 30, trees);
    QVERIFY(prepareStand(stand, mapWidth, mapHeight));
    QVERIFY(stand.sortX[0] != stand.sortX[1] && stand.sortY[0] != stand.sortY[1]);
    QCOMPARE(lines(computeEdgeTable(stand, 1, mapWidth, mapHeight)), QStringList{line});
}

void TestEdgeTable::neverWritesNaNOrInfinity_data()
{
    QTest::addColumn<QList<QPointF>>("trees");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("mapWidth");
    QTest::addColumn<int>("mapHeight");

    QList<QPointF> coincident, column, nearlyColumn, farOutside, corner;
    for (int t = 0; t < 12; ++t) {
        coincident.append({0, 0});
        column.append({50, 4.0 * t});
        nearlyColumn.append({50 + 1e-9 * t, 4.0 * t + 1e-300});
        farOutside.append({t % 2 ? 1e9 : -1e9, t * 1e8});
        corner.append({t % 3 ? 0.0 : 1e-310, t % 2 ? 100.0 : 0.0});
    }
    QTest::newRow("coincident at the corner") << coincident << 100 << 100 << 441 << 441;
    QTest::newRow("one column") << column << 100 << 100 << 441 << 441;
    QTest::newRow("nearly one column") << nearlyColumn << 100 << 100 << 441 << 441;
    QTest::newRow("far outside the stand") << farOutside << 100 << 100 << 441 << 441;
    QTest::newRow("tiny numbers at the edges") << corner << 100 << 100 << 441 << 441;
    QTest::newRow("huge stand on a stretched map") << column << 2147483647 << 3 << 1 << 2147483647;
}

void TestEdgeTable::neverWritesNaNOrInfinity()
{
    QFETCH(QList<QPointF>, trees);
    QFETCH(int, width);
    QFETCH(int, length);
    QFETCH(int, mapWidth);
    QFETCH(int, mapHeight);
    Stand stand = standWith(width, length, trees);
    QVERIFY(prepareStand(stand, mapWidth, mapHeight));
    for (int order = 1; order <= 3; ++order) {
        const EdgeTable table = computeEdgeTable(stand, order, mapWidth, mapHeight);
        for (const EdgeRow &row : table.rows) {
            for (const double value : {row.x1, row.y1, row.x2, row.y2})
                QVERIFY2(std::isfinite(value), qPrintable(edgeRowLine(row)));
            for (const QString &text : {row.x1Text, row.y1Text, row.x2Text, row.y2Text}) {
                bool ok = false;
                QVERIFY2(std::isfinite(text.toDouble(&ok)) && ok, qPrintable(edgeRowLine(row)));
            }
        }
    }
}

void TestEdgeTable::noZeroLengthRows_data()
{
    QTest::addColumn<QList<QPointF>>("trees");
    QTest::addColumn<int>("side"); // of the stand in metres and of the map in pixels
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("rows");

    // The three bisectors meet at (0, 9.5) (in stand metres), on the map's
    // left edge: the piece between there and the edge has no length.
    QTest::newRow("three bisectors meet on the edge")
        << QList<QPointF>{{5, 10}, {3, 6}, {4, 13}} << 20 << 1 << 2;
    QTest::newRow("three bisectors meet inside") << QList<QPointF>{{5, 10}, {3, 6}, {8, 13}} << 20 << 1 << 3;
}

void TestEdgeTable::noZeroLengthRows()
{
    QFETCH(QList<QPointF>, trees);
    QFETCH(int, side);
    QFETCH(int, order);
    QFETCH(int, rows);
    Stand stand = standWith(side, side, trees);
    QVERIFY(prepareStand(stand, side, side));
    const EdgeTable table = computeEdgeTable(stand, order, side, side);
    for (const EdgeRow &row : table.rows)
        QVERIFY2(row.x1 != row.x2 || row.y1 != row.y2, qPrintable(edgeRowLine(row)));
    QCOMPARE(table.rows.size(), qsizetype(rows));
}

QTEST_GUILESS_MAIN(TestEdgeTable)
#include "tst_edgetable.moc"
