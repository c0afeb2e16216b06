#include "pointlists.h"

#include <QTest>
#include <cmath>
#include <kavrel/inclusionzones.h>
#include <kavrel/samplingsimulation.h>
#include <numbers>
#include <random>

using namespace kavrel;

namespace {

std::vector<SampledTree> withZones(const QList<QPointF> &positions, const QList<double> &diametersMetres,
                                   StandRectangle stand, int k)
{
    const std::vector<Point> points = toPoints(positions);
    const std::vector<double> areas = inclusionZoneAreas(points, stand, k);
    std::vector<SampledTree> trees;
    for (std::size_t t = 0; t < points.size(); ++t)
        trees.push_back(SampledTree{points[t], diametersMetres[qsizetype(t)], areas[t]});
    return trees;
}

QList<QPointF> randomPositions(quint64 seed, int count, StandRectangle stand)
{
    std::mt19937_64 generator(seed);
    std::uniform_real_distribution<double> x(-0.1 * stand.width, 1.1 * stand.width);
    std::uniform_real_distribution<double> y(-0.1 * stand.length, 1.1 * stand.length);
    QList<QPointF> positions;
    for (int t = 0; t < count; ++t)
        positions.append(QPointF(x(generator), y(generator)));
    return positions;
}

QList<double> randomDiameters(quint64 seed, int count)
{
    std::mt19937_64 generator(seed);
    std::uniform_real_distribution<double> d(0.08, 0.6);
    QList<double> diameters;
    for (int t = 0; t < count; ++t)
        diameters.append(d(generator));
    return diameters;
}

SamplingDesign randomDesign(qint64 points, quint64 seed)
{
    SamplingDesign design;
    design.pointCount = points;
    design.seed = seed;
    return design;
}

SamplingDesign gridDesign(double spacing)
{
    SamplingDesign design;
    design.layout = SamplingDesign::Layout::SystematicGrid;
    design.spacing = spacing;
    return design;
}

double basalArea(double diameterMetres)
{
    return std::numbers::pi / 4.0 * diameterMetres * diameterMetres;
}

bool near(double actual, double expected)
{
    return std::abs(actual - expected) <= 1e-9 * std::max(1.0, std::abs(expected));
}

} // namespace

class TestSampling : public QObject
{
    Q_OBJECT

private slots:
    void horvitzThompsonIsUnbiased_data();
    void horvitzThompsonIsUnbiased();
    void unreachableTreesAreCountedAndMissed();
    void gridOfFourPoints_data();
    void gridOfFourPoints();
    void gridLayout_data();
    void gridLayout();
    void pointOnATreeLeavesDistanceEstimatorsUnbounded();
    void fewerTreesThanK();
    void seedReproducesPoints();
};

void TestSampling::horvitzThompsonIsUnbiased_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("twins"); // trees mapped a second time at the same point
    for (int k = 1; k <= 4; ++k)
        QTest::addRow("k=%d", k) << k << quint64(100 + k) << 0;
    // Neither of two trees at one point is strictly nearer: both get the
    // shared zone and a point there takes both, which keeps HT unbiased.
    for (int k = 1; k <= 3; ++k)
        QTest::addRow("k=%d with coincident trees", k) << k << quint64(100 + k) << 4;
}

// The means over uniform points must agree with the stand's true values
// within a few standard errors of the mean; trees outside the stand whose
// zones reach in carry their share.
void TestSampling::horvitzThompsonIsUnbiased()
{
    QFETCH(int, k);
    QFETCH(quint64, seed);
    QFETCH(int, twins);
    const StandRectangle stand{80.0, 50.0};
    QList<QPointF> positions = randomPositions(seed, 25, stand);
    QList<double> diameters = randomDiameters(seed, 25);
    for (int t = 0; t < twins; ++t) {
        positions.append(positions[t * 5]);
        diameters.append(diameters[t * 3]);
    }
    const std::vector<SampledTree> trees = withZones(positions, diameters, stand, k);

    // Trees outside whose zone reaches in are part of what HT estimates; the
    // ones hidden behind others cannot be.
    double reachableTrees = 0.0;
    double reachableBasalArea = 0.0;
    double totalBasalArea = 0.0;
    bool outsideTreeReachesIn = false;
    for (const SampledTree &tree : trees) {
        totalBasalArea += basalArea(tree.diameterMetres);
        if (!canBeSampled(tree.zoneArea))
            continue;
        reachableTrees += 1.0;
        reachableBasalArea += basalArea(tree.diameterMetres);
        const QPointF p = toQPointF(tree.position);
        outsideTreeReachesIn =
            outsideTreeReachesIn || p.x() < 0.0 || p.y() < 0.0 || p.x() > stand.width || p.y() > stand.length;
    }
    QVERIFY(outsideTreeReachesIn);

    const SamplingResult result = simulateSampling(trees, stand, k, randomDesign(40000, seed));
    QCOMPARE(result.neverSampled, int(trees.size() - reachableTrees));
    QCOMPARE(result.pointCount, 40000);

    const double hectares = stand.area() / 10000.0;
    const EstimatorSummary &treesHt = result.treesHorvitzThompson;
    const EstimatorSummary &basalHt = result.basalAreaHorvitzThompson;
    QVERIFY(near(treesHt.trueValue, double(positions.size()) / hectares));
    QVERIFY(near(basalHt.trueValue, totalBasalArea / hectares));
    QVERIFY(treesHt.standardError > 0.0);
    QVERIFY2(std::abs(treesHt.mean - reachableTrees / hectares) <= 4.0 * treesHt.standardError,
             qPrintable(QStringLiteral("mean %1, expected %2, standard error %3")
                            .arg(treesHt.mean)
                            .arg(reachableTrees / hectares)
                            .arg(treesHt.standardError)));
    QVERIFY(std::abs(basalHt.mean - reachableBasalArea / hectares) <= 4.0 * basalHt.standardError);
    QVERIFY(near(treesHt.relativeBias, (treesHt.mean - treesHt.trueValue) / treesHt.trueValue));
}

// A tree whose zone never reaches the stand cannot enter any sample, so the
// estimate converges to the stand without it and the report must say so.
void TestSampling::unreachableTreesAreCountedAndMissed()
{
    const StandRectangle stand{60.0, 60.0};
    QList<QPointF> positions = randomPositions(8, 12, {60.0, 60.0});
    positions.append(QPointF(30.0, -400.0));
    const QList<double> diameters(positions.size(), 0.3);
    const int k = 2;
    const std::vector<SampledTree> trees = withZones(positions, diameters, stand, k);

    const SamplingResult result = simulateSampling(trees, stand, k, randomDesign(30000, 3));
    QCOMPARE(result.neverSampled, 1);
    QCOMPARE(result.treeCount, 13);
    const EstimatorSummary &ht = result.treesHorvitzThompson;
    const double reachable = 12.0 / (stand.area() / 10000.0);
    QVERIFY(near(ht.trueValue, 13.0 / (stand.area() / 10000.0)));
    QVERIFY(std::abs(ht.mean - reachable) <= 4.0 * ht.standardError);
    QVERIFY(ht.relativeBias < -0.05);
}

void TestSampling::gridOfFourPoints_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<double>("treesHt");
    QTest::addColumn<double>("classic");
    QTest::addColumn<bool>("unbiasedExists");
    QTest::addColumn<double>("classicUnbiased");

    // Trees at (25, 50) and (75, 50) on 100 m x 100 m, grid points at 25 and
    // 75 along both axes: the nearest tree is always 25 m away, the other
    // one sqrt(50^2 + 25^2) m.
    const double nearest = 25.0 * 25.0;
    const double other = 50.0 * 50.0 + 25.0 * 25.0;
    QTest::newRow("k=1") << 1 << 2.0 << 10000.0 / (std::numbers::pi * nearest) << false << 0.0;
    QTest::newRow("k=2") << 2 << 2.0 << 2.0 * 10000.0 / (std::numbers::pi * other) << true
                         << 10000.0 / (std::numbers::pi * other);
}

void TestSampling::gridOfFourPoints()
{
    QFETCH(int, k);
    QFETCH(double, treesHt);
    QFETCH(double, classic);
    QFETCH(bool, unbiasedExists);
    QFETCH(double, classicUnbiased);
    const StandRectangle stand{100.0, 100.0};
    const std::vector<SampledTree> trees = withZones({{25, 50}, {75, 50}}, {0.2, 0.4}, stand, k);

    const SamplingResult result = simulateSampling(trees, stand, k, gridDesign(50.0));
    QCOMPARE(result.pointCount, 4);
    QVERIFY(near(result.treesHorvitzThompson.mean, treesHt));
    QVERIFY(near(result.treesHorvitzThompson.trueValue, 2.0));
    QVERIFY(near(result.treesHorvitzThompson.standardError, 0.0));
    QVERIFY(near(result.treesClassic.mean, classic));
    QVERIFY(near(result.treesClassic.relativeBias, (classic - 2.0) / 2.0));
    QCOMPARE(result.treesClassicUnbiased.available, unbiasedExists);
    if (unbiasedExists)
        QVERIFY(near(result.treesClassicUnbiased.mean, classicUnbiased));

    // Basal area is the same at every order here: with k=1 half the points
    // weight each tree by 2, with k=2 every point weights both by 1.
    const double g1 = basalArea(0.2);
    const double g2 = basalArea(0.4);
    QVERIFY(near(result.basalAreaHorvitzThompson.mean, g1 + g2));
    QVERIFY(near(result.basalAreaHorvitzThompson.trueValue, g1 + g2));
    const double spread = k == 1 ? std::sqrt(4.0 / 3.0) * (2.0 * g2 - 2.0 * g1) / 2.0 : 0.0;
    QVERIFY(near(result.basalAreaHorvitzThompson.standardError, spread / 2.0));
}

void TestSampling::gridLayout_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QPointF>("first");

    QTest::newRow("whole spacings fit") << 100.0 << 80.0 << 10.0 << qint64(80) << QPointF(5, 5);
    QTest::newRow("margins shared equally") << 100.0 << 80.0 << 30.0 << qint64(6) << QPointF(20, 25);
    QTest::newRow("spacing wider than the stand") << 100.0 << 80.0 << 500.0 << qint64(1) << QPointF(50, 40);
    QTest::newRow("too many points") << 100.0 << 80.0 << 0.001 << qint64(-1) << QPointF();
    QTest::newRow("zero spacing") << 100.0 << 80.0 << 0.0 << qint64(-1) << QPointF();
    QTest::newRow("not a number") << 100.0 << 80.0 << std::nan("") << qint64(-1) << QPointF();
    QTest::newRow("huge stand, fine grid") << 2.0e9 << 2.0e9 << 1.0 << qint64(-1) << QPointF();
}

void TestSampling::gridLayout()
{
    QFETCH(double, width);
    QFETCH(double, length);
    QFETCH(double, spacing);
    QFETCH(qint64, count);
    QFETCH(QPointF, first);
    const StandRectangle stand{width, length};

    QCOMPARE(qint64(gridPointCount(stand, spacing)), count);
    if (count < 1)
        return;
    QCOMPARE(toQPointF(gridPoint(stand, spacing, 0)), first);
    // Centred: the last point mirrors the first through the stand's centre.
    const QPointF last = toQPointF(gridPoint(stand, spacing, count - 1));
    QVERIFY(near(last.x(), width - first.x()));
    QVERIFY(near(last.y(), length - first.y()));
}

// With k = 1 a grid point on a tree has r_1 = 0: the distance estimators are
// unbounded there and must say so instead of averaging an infinity.
void TestSampling::pointOnATreeLeavesDistanceEstimatorsUnbounded()
{
    const StandRectangle stand{100.0, 100.0};
    const std::vector<SampledTree> trees = withZones({{50, 50}, {10, 10}}, {0.3, 0.3}, stand, 1);

    const SamplingResult result = simulateSampling(trees, stand, 1, gridDesign(100.0));
    QCOMPARE(result.pointCount, 1);
    QVERIFY(!result.treesClassic.available);
    QCOMPARE(result.treesClassic.unboundedPoints, std::int64_t(1));
    QVERIFY(result.treesHorvitzThompson.available);
    QVERIFY(std::isfinite(result.treesHorvitzThompson.mean));
}

// With fewer trees than k every tree is in every sample: HT is exact, and
// there is no k-th nearest tree for the distance estimators.
void TestSampling::fewerTreesThanK()
{
    const StandRectangle stand{50.0, 40.0};
    const std::vector<SampledTree> trees = withZones({{5, 5}, {45, 30}, {20, 22}}, {0.1, 0.2, 0.3}, stand, 5);

    const SamplingResult result = simulateSampling(trees, stand, 5, randomDesign(500, 9));
    QVERIFY(near(result.treesHorvitzThompson.mean, 3.0 / 0.2));
    QVERIFY(near(result.treesHorvitzThompson.relativeBias, 0.0));
    QVERIFY(!result.treesClassic.available);
    QVERIFY(!result.treesClassicUnbiased.available);
    QCOMPARE(result.treesClassic.unboundedPoints, std::int64_t(0));
}

void TestSampling::seedReproducesPoints()
{
    const StandRectangle stand{70.0, 70.0};
    const std::vector<SampledTree> trees =
        withZones(randomPositions(4, 10, stand), randomDiameters(4, 10), stand, 2);

    const SamplingResult first = simulateSampling(trees, stand, 2, randomDesign(2000, 77));
    const SamplingResult again = simulateSampling(trees, stand, 2, randomDesign(2000, 77));
    const SamplingResult other = simulateSampling(trees, stand, 2, randomDesign(2000, 78));
    QCOMPARE(again.treesClassic.mean, first.treesClassic.mean);
    QCOMPARE(again.basalAreaHorvitzThompson.mean, first.basalAreaHorvitzThompson.mean);
    QVERIFY(other.treesClassic.mean != first.treesClassic.mean);
}

QTEST_GUILESS_MAIN(TestSampling)
#include "tst_samplingsimulation.moc"
