#include "pointlists.h"

#include <QPolygonF>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <kavrel/inclusionzones.h>
#include <random>

using namespace kavrel;

namespace {

// Trees scattered over the stand and a margin around it, so that some lie
// outside and reach into the stand only with part of their zone.
QList<QPointF> randomTrees(quint64 seed, int count, StandRectangle stand)
{
    std::mt19937_64 generator(seed);
    std::uniform_real_distribution<double> x(-0.2 * stand.width, 1.2 * stand.width);
    std::uniform_real_distribution<double> y(-0.2 * stand.length, 1.2 * stand.length);
    QList<QPointF> trees;
    for (int t = 0; t < count; ++t)
        trees.append(QPointF(x(generator), y(generator)));
    return trees;
}

// Many equal distances: every bisector runs through lattice symmetry points,
// where several cuts meet in one vertex.
QList<QPointF> latticeTrees(int side, double spacing)
{
    QList<QPointF> trees;
    for (int i = 0; i < side; ++i) {
        for (int j = 0; j < side; ++j)
            trees.append(QPointF(spacing * (i + 1), spacing * (j + 1)));
    }
    return trees;
}

// Tight clusters far apart: a zone's candidates lie at very different
// distances, some a hand's breadth away and the next cluster tens of metres.
QList<QPointF> clusteredTrees(quint64 seed, int clusters, int perCluster, StandRectangle stand)
{
    std::mt19937_64 generator(seed);
    std::uniform_real_distribution<double> x(0.0, stand.width);
    std::uniform_real_distribution<double> y(0.0, stand.length);
    std::normal_distribution<double> spread(0.0, 0.4);
    QList<QPointF> trees;
    for (int c = 0; c < clusters; ++c) {
        const QPointF centre(x(generator), y(generator));
        for (int t = 0; t < perCluster; ++t)
            trees.append(centre + QPointF(spread(generator), spread(generator)));
    }
    return trees;
}

// Trees on a 5 m grid, many of them mapped twice, each time a few
// nanometres off: near-coincident, near-collinear and near-cocircular trees
// all at once, as coordinates converted between units come out.
QList<QPointF> jitteredGridTrees(quint64 seed, int count, double jitter, StandRectangle stand)
{
    std::mt19937_64 generator(seed);
    std::uniform_int_distribution<int> column(-4, int(stand.width / 5.0) + 4);
    std::uniform_int_distribution<int> row(-3, int(stand.length / 5.0) + 3);
    std::normal_distribution<double> noise(0.0, jitter);
    QList<QPointF> trees;
    for (int t = 0; t < count; ++t) {
        const double x = 5.0 * column(generator) + noise(generator);
        const double y = 5.0 * row(generator) + noise(generator);
        trees.append(QPointF(x, y));
    }
    return trees;
}

bool strictlyInside(QPointF p, StandRectangle stand)
{
    return p.x() > 0.0 && p.x() < stand.width && p.y() > 0.0 && p.y() < stand.length;
}

QPolygonF toQPolygonF(const std::vector<kavrel::Point> &ring)
{
    QPolygonF polygon;
    for (const kavrel::Point &p : ring)
        polygon.append(toQPointF(p));
    return polygon;
}

} // namespace

class TestZoneAreas : public QObject
{
    Q_OBJECT

private slots:
    void sumIsOrderTimesStandArea_data();
    void sumIsOrderTimesStandArea();
    void handCheckedAreas_data();
    void handCheckedAreas();
    void agreesWithMonteCarlo_data();
    void agreesWithMonteCarlo();
    void areasMatchZones();
    void localZonesMatchCuttingByEveryTree_data();
    void localZonesMatchCuttingByEveryTree();
    void plantationZonesAreExact_data();
    void plantationZonesAreExact();
    void sumAtTenThousandTrees_data();
    void sumAtTenThousandTrees();
};

void TestZoneAreas::sumIsOrderTimesStandArea_data()
{
    QTest::addColumn<QList<QPointF>>("trees");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("k");

    for (int k = 1; k <= 6; ++k) {
        for (quint64 seed : {11u, 12u, 13u}) {
            const StandRectangle stand{120.0, 75.0};
            QTest::addRow("random 50 trees, seed %llu, k=%d", static_cast<unsigned long long>(seed), k)
                << randomTrees(seed, 50, stand) << stand.width << stand.length << k;
        }
        QTest::addRow("random 7 trees, k=%d", k) << randomTrees(99, 7, {30.0, 40.0}) << 30.0 << 40.0 << k;
        QTest::addRow("lattice 7x7, k=%d", k) << latticeTrees(7, 10.0) << 80.0 << 80.0 << k;
        QTest::addRow("far coordinates, k=%d", k)
            << QList<QPointF>{{1.0e6 + 3.0, 2.0e6 + 1.0},  {1.0e6 + 17.0, 2.0e6 + 9.0},
                              {1.0e6 + 9.0, 2.0e6 + 30.0}, {1.0e6 + 40.0, 2.0e6 + 22.0},
                              {1.0e6 - 5.0, 2.0e6 + 18.0}, {1.0e6 + 25.0, 2.0e6 + 44.0}}
            << 2.0e6 << 4.0e6 << k;
    }
}

// Every point of the stand has exactly k nearest trees (ties have no area),
// so the zones cover the stand k times over.
void TestZoneAreas::sumIsOrderTimesStandArea()
{
    QFETCH(QList<QPointF>, trees);
    QFETCH(double, width);
    QFETCH(double, length);
    QFETCH(int, k);
    const StandRectangle stand{width, length};

    const QList<double> areas = toQList(inclusionZoneAreas(toPoints(trees), stand, k));
    QCOMPARE(areas.size(), trees.size());
    double sum = 0.0;
    for (double area : areas) {
        QVERIFY(area >= 0.0);
        QVERIFY(area <= stand.area() * (1.0 + 1e-12));
        sum += area;
    }
    QVERIFY2(std::abs(sum - k * stand.area()) <= 1e-9 * k * stand.area(),
             qPrintable(QStringLiteral("sum %1, expected %2").arg(sum, 0, 'g', 17).arg(k * stand.area())));
}

void TestZoneAreas::handCheckedAreas_data()
{
    QTest::addColumn<QList<QPointF>>("trees");
    QTest::addColumn<int>("k");
    QTest::addColumn<QList<double>>("expected");

    // All on a 100 m x 100 m stand.
    QTest::newRow("two trees, vertical bisector")
        << QList<QPointF>{{20, 50}, {60, 50}} << 1 << QList<double>{4000, 6000};
    QTest::newRow("two trees, slanted bisector through the centre")
        << QList<QPointF>{{30, 20}, {70, 80}} << 1 << QList<double>{5000, 5000};
    QTest::newRow("two trees, bisector cutting off a corner")
        << QList<QPointF>{{10, 10}, {30, 30}} << 1 << QList<double>{800, 9200};
    QTest::newRow("two trees, k=2 gives the whole stand")
        << QList<QPointF>{{20, 50}, {60, 50}} << 2 << QList<double>{10000, 10000};
    QTest::newRow("tree outside, bisector inside")
        << QList<QPointF>{{50, 50}, {50, -10}} << 1 << QList<double>{8000, 2000};
    QTest::newRow("tree far outside never reaches in")
        << QList<QPointF>{{50, 50}, {50, -500}} << 1 << QList<double>{10000, 0};
    QTest::newRow("tree on the stand corner")
        << QList<QPointF>{{0, 0}, {100, 100}} << 1 << QList<double>{5000, 5000};
    const QList<QPointF> square{{25, 25}, {75, 25}, {25, 75}, {75, 75}};
    QTest::newRow("square grid, k=1") << square << 1 << QList<double>{2500, 2500, 2500, 2500};
    // Own quadrant plus the half of each side quadrant nearer than the
    // diagonal neighbour.
    QTest::newRow("square grid, k=2") << square << 2 << QList<double>{5000, 5000, 5000, 5000};
    QTest::newRow("square grid, k=3") << square << 3 << QList<double>{7500, 7500, 7500, 7500};
    QTest::newRow("square grid, k=4") << square << 4 << QList<double>{10000, 10000, 10000, 10000};
    QTest::newRow("k beyond the tree count")
        << QList<QPointF>{{10, 10}, {20, 80}, {70, 30}} << 9 << QList<double>{10000, 10000, 10000};
    // Neither of two trees at one spot is strictly nearer than the other.
    QTest::newRow("coincident trees share their zone")
        << QList<QPointF>{{40, 40}, {40, 40}, {90, 40}} << 1 << QList<double>{6500, 6500, 3500};
}

void TestZoneAreas::handCheckedAreas()
{
    QFETCH(QList<QPointF>, trees);
    QFETCH(int, k);
    QFETCH(QList<double>, expected);
    const StandRectangle stand{100.0, 100.0};

    const QList<double> areas = toQList(inclusionZoneAreas(toPoints(trees), stand, k));
    QCOMPARE(areas.size(), expected.size());
    for (qsizetype t = 0; t < areas.size(); ++t) {
        QVERIFY2(std::abs(areas[t] - expected[t]) <= 1e-9 * stand.area(),
                 qPrintable(
                     QStringLiteral("tree %1: %2 instead of %3").arg(t + 1).arg(areas[t]).arg(expected[t])));
    }
}

void TestZoneAreas::agreesWithMonteCarlo_data()
{
    QTest::addColumn<int>("k");
    for (int k : {1, 2, 5})
        QTest::addRow("k=%d", k) << k;
}

// Independent of the clipping: the share of uniform points at which a tree
// is among the k nearest estimates its probability.
void TestZoneAreas::agreesWithMonteCarlo()
{
    QFETCH(int, k);
    const StandRectangle stand{90.0, 60.0};
    const QList<QPointF> trees = randomTrees(2024, 15, stand);
    const QList<double> areas = toQList(inclusionZoneAreas(toPoints(trees), stand, k));

    const int points = 40000;
    std::mt19937_64 generator(7);
    std::uniform_real_distribution<double> x(0.0, stand.width);
    std::uniform_real_distribution<double> y(0.0, stand.length);
    QList<int> hits(trees.size(), 0);
    QList<double> distances(trees.size());
    for (int p = 0; p < points; ++p) {
        const QPointF point(x(generator), y(generator));
        for (qsizetype t = 0; t < trees.size(); ++t)
            distances[t] = QLineF(point, trees[t]).length();
        for (qsizetype t = 0; t < trees.size(); ++t) {
            const auto nearer = std::count_if(distances.cbegin(), distances.cend(),
                                              [&](double other) { return other < distances[t]; });
            hits[t] += nearer < k ? 1 : 0;
        }
    }
    for (qsizetype t = 0; t < trees.size(); ++t) {
        const double probability = areas[t] / stand.area();
        const double share = double(hits[t]) / points;
        const double standardError = std::sqrt(probability * (1.0 - probability) / points);
        QVERIFY2(std::abs(share - probability) <= 4.5 * standardError + 1.0 / points,
                 qPrintable(QStringLiteral("tree %1: probability %2, Monte Carlo %3, standard error %4")
                                .arg(t + 1)
                                .arg(probability)
                                .arg(share)
                                .arg(standardError)));
    }
}

// The outlines must describe the same zones as the areas: a zone of a tree
// inside the stand is one polygon (it is star-shaped around the tree) that
// contains the tree, and every outline encloses exactly the reported area.
void TestZoneAreas::areasMatchZones()
{
    const StandRectangle stand{100.0, 70.0};
    QList<QList<QPointF>> stands{randomTrees(5, 40, stand), latticeTrees(6, 12.0)};
    for (const QList<QPointF> &trees : stands) {
        for (int k = 1; k <= 5; ++k) {
            const QList<double> areas = toQList(inclusionZoneAreas(toPoints(trees), stand, k));
            const std::vector<InclusionZone> zones = inclusionZones(toPoints(trees), stand, k);
            QCOMPARE(qsizetype(zones.size()), trees.size());
            for (qsizetype t = 0; t < trees.size(); ++t) {
                QCOMPARE(zones[std::size_t(t)].area, areas[t]);
                double outlined = 0.0;
                for (const ZoneRing &ring : zones[std::size_t(t)].rings) {
                    QVERIFY(ring.size() >= 3);
                    QVERIFY(ringArea(ring) > 0.0);
                    outlined += ringArea(ring);
                }
                QVERIFY(std::abs(outlined - areas[t]) <= 1e-9 * stand.area());
                if (strictlyInside(trees[t], stand)) {
                    QCOMPARE(zones[std::size_t(t)].rings.size(), std::size_t(1));
                    QVERIFY(toQPolygonF(zones[std::size_t(t)].rings.front())
                                .containsPoint(trees[t], Qt::OddEvenFill));
                }
                if (areas[t] == 0.0)
                    QVERIFY(zones[std::size_t(t)].rings.empty());
            }
        }
    }
}

void TestZoneAreas::localZonesMatchCuttingByEveryTree_data()
{
    QTest::addColumn<QList<QPointF>>("trees");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("x0");
    QTest::addColumn<int>("k");
    // Trees a few nanometres apart count as one point where their bisectors
    // are followed, which may shift a zone of square nanometres by as much.
    QTest::addColumn<double>("slack");

    const StandRectangle stand{100.0, 70.0};
    // Whole metres: many trees at equal distances, cocircular and collinear.
    QList<QPointF> wholeMetres;
    std::mt19937_64 generator(4);
    std::uniform_int_distribution<int> x(0, 100);
    std::uniform_int_distribution<int> y(0, 70);
    for (int t = 0; t < 250; ++t)
        wholeMetres.append(QPointF(x(generator), y(generator)));
    QList<QPointF> withTwins = randomTrees(21, 150, stand);
    for (int t = 0; t < 10; ++t)
        withTwins.append(withTwins[t * 7]);
    QList<QPointF> farAway;
    for (const QPointF &p : randomTrees(22, 120, stand))
        farAway.append(p + QPointF(2.5e6, 0.0));

    // Two trees a tenth of a millimetre apart: their bisectors with the first
    // tree cross at so shallow an angle that the crossing is uncertain along
    // a stretch of either line.
    const QList<QPointF> nearTwins{{90.0, 50.0},       {88.2135, 61.8208}, {83.0134, 72.5857},
                                   {74.8644, 81.3331}, {25.0, 74.8644},    {64.4945682, 103.0},
                                   {25.0, 74.8645}};
    QTest::newRow("trees a tenth of a millimetre apart, k=5")
        << nearTwins << 100.0 << 100.0 << 0.0 << 5 << 0.0;
    for (const int k : {1, 3, 6, 10}) {
        QTest::addRow("300 random trees, some outside, k=%d", k)
            << randomTrees(20, 300, stand) << stand.width << stand.length << 0.0 << k << 0.0;
        QTest::addRow("lattice 12x12, k=%d", k) << latticeTrees(12, 6.0) << 78.0 << 78.0 << 0.0 << k << 0.0;
        QTest::addRow("250 trees on whole metres, k=%d", k)
            << wholeMetres << stand.width << stand.length << 0.0 << k << 0.0;
        QTest::addRow("coincident pairs, k=%d", k)
            << withTwins << stand.width << stand.length << 0.0 << k << 0.0;
        QTest::addRow("5 m grid a nanometre off, k=%d", k)
            << jitteredGridTrees(24, 200, 1e-9, stand) << stand.width << stand.length << 0.0 << k << 1e-8;
        QTest::addRow("5 m grid a picometre off, k=%d", k)
            << jitteredGridTrees(28, 200, 1e-12, stand) << stand.width << stand.length << 0.0 << k << 1e-8;
        QTest::addRow("5 m grid a tenth of a micrometre off, k=%d", k)
            << jitteredGridTrees(25, 200, 1e-7, stand) << stand.width << stand.length << 0.0 << k << 0.0;
        QTest::addRow("clusters of 15, k=%d", k)
            << clusteredTrees(23, 18, 15, stand) << stand.width << stand.length << 0.0 << k << 0.0;
        QTest::addRow("stand far from the origin, k=%d", k)
            << farAway << stand.width << stand.length << 2.5e6 << k << 0.0;
    }
}

// The zones from the trees near each zone equal those cut by every tree.
void TestZoneAreas::localZonesMatchCuttingByEveryTree()
{
    QFETCH(QList<QPointF>, trees);
    QFETCH(double, width);
    QFETCH(double, length);
    QFETCH(double, x0);
    QFETCH(int, k);
    QFETCH(double, slack);
    const StandRectangle stand{width, length, x0, 0.0};

    const std::vector<double> local = inclusionZoneAreas(toPoints(trees), stand, k);
    const std::vector<double> reference = inclusionZoneAreasByEveryTree(toPoints(trees), stand, k);
    QCOMPARE(local.size(), reference.size());
    for (std::size_t t = 0; t < local.size(); ++t) {
        QVERIFY2(std::abs(local[t] - reference[t]) <=
                     std::max(1e-9 * std::max(reference[t], 1e-6 * stand.area()), slack),
                 qPrintable(QStringLiteral("tree %1: %2 instead of %3")
                                .arg(t + 1)
                                .arg(local[t], 0, 'g', 17)
                                .arg(reference[t], 0, 'g', 17)));
    }
}

void TestZoneAreas::plantationZonesAreExact_data()
{
    QTest::addColumn<double>("spacing");
    QTest::addColumn<double>("offset");

    QTest::newRow("15 m, trees half a spacing from the edge") << 15.0 << 7.5;
    QTest::newRow("0.1 m stem map grid") << 0.1 << 0.05;
    QTest::newRow("far from the origin") << 15.0 << 512345.5;
}

// Shared X and Y values everywhere: each zone of order 1 is exactly its
// spacing square, and the order-4 zones of interior trees are the same
// for every tree.
void TestZoneAreas::plantationZonesAreExact()
{
    QFETCH(double, spacing);
    QFETCH(double, offset);
    std::vector<Point> trees;
    for (int i = 0; i < 7; ++i) {
        for (int j = 0; j < 7; ++j)
            trees.push_back(Point{offset + spacing * i, offset + spacing * j});
    }
    const double corner = offset - spacing / 2.0;
    const StandRectangle stand{7 * spacing, 7 * spacing, corner, corner};

    for (const double area : inclusionZoneAreas(trees, stand, 1))
        QVERIFY2(std::abs(area - spacing * spacing) <= 1e-12 * spacing * spacing,
                 qPrintable(QString::number(area, 'g', 17)));
    const std::vector<double> fourth = inclusionZoneAreas(trees, stand, 4);
    for (int i = 2; i < 5; ++i) {
        for (int j = 2; j < 5; ++j)
            QVERIFY(std::abs(fourth[std::size_t(i * 7 + j)] - fourth[2 * 7 + 2]) <= 1e-9 * fourth[2 * 7 + 2]);
    }
}

void TestZoneAreas::sumAtTenThousandTrees_data()
{
    QTest::addColumn<int>("k");
    QTest::newRow("k=1") << 1;
    QTest::newRow("k=6") << 6;
}

void TestZoneAreas::sumAtTenThousandTrees()
{
    QFETCH(int, k);
    const StandRectangle stand{500.0, 500.0};
    std::mt19937_64 generator(10000);
    std::uniform_real_distribution<double> coordinate(0.0, 500.0);
    std::vector<Point> trees;
    for (int t = 0; t < 10000; ++t) {
        const double x = coordinate(generator);
        trees.push_back(Point{x, coordinate(generator)});
    }
    double sum = 0.0;
    for (const double area : inclusionZoneAreas(trees, stand, k))
        sum += area;
    QVERIFY2(std::abs(sum - k * stand.area()) <= 1e-9 * k * stand.area(),
             qPrintable(QString::number(sum, 'g', 17)));
}

QTEST_GUILESS_MAIN(TestZoneAreas)
#include "tst_inclusionzones.moc"
