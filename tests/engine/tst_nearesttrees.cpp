#include "pointlists.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <kavrel/inclusionzones.h>
#include <kavrel/nearesttrees.h>
#include <kavrel/samplingsimulation.h>
#include <kavrel/threads.h>
#include <limits>
#include <numeric>
#include <random>
#include <stdexcept>

using namespace kavrel;

namespace {

std::vector<Point> randomPoints(quint64 seed, int count, double extent)
{
    std::mt19937_64 generator(seed);
    std::uniform_real_distribution<double> coordinate(-0.1 * extent, 1.1 * extent);
    std::vector<Point> points;
    for (int p = 0; p < count; ++p)
        points.push_back(Point{coordinate(generator), coordinate(generator)});
    return points;
}

// Whole-metre positions: many trees at equal distances from a query point,
// and some exactly on top of each other.
std::vector<Point> gridAlignedPoints(quint64 seed, int count, int extent)
{
    std::mt19937_64 generator(seed);
    std::uniform_int_distribution<int> coordinate(0, extent);
    std::vector<Point> points;
    for (int p = 0; p < count; ++p)
        points.push_back(Point{double(coordinate(generator)), double(coordinate(generator))});
    return points;
}

// Every tree by distance, ties by index: the order nearestTrees promises.
std::vector<std::size_t> bruteForceOrder(const std::vector<Point> &trees, Point point)
{
    std::vector<std::size_t> order(trees.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return squaredDistance(trees[a], point) < squaredDistance(trees[b], point);
    });
    return order;
}

class ThreadCountGuard
{
public:
    explicit ThreadCountGuard(int threads) { setThreadCount(threads); }
    ~ThreadCountGuard() { setThreadCount(0); }
    ThreadCountGuard(const ThreadCountGuard &) = delete;
    ThreadCountGuard &operator=(const ThreadCountGuard &) = delete;
};

} // namespace

class TestNearestTrees : public QObject
{
    Q_OBJECT

private slots:
    void matchesBruteForce_data();
    void matchesBruteForce();
    void nearestWithTiesTakesEveryTiedTree();
    void rejectsInvalidInput_data();
    void rejectsInvalidInput();
    void progressCanCancel_data();
    void progressCanCancel();
    void resultsIndependentOfThreadCount();
};

void TestNearestTrees::matchesBruteForce_data()
{
    QTest::addColumn<bool>("gridAligned");
    QTest::addColumn<int>("treeCount");
    QTest::addColumn<int>("k");

    QTest::newRow("random, k=1") << false << 500 << 1;
    QTest::newRow("random, k=6") << false << 500 << 6;
    QTest::newRow("whole metres with ties, k=1") << true << 400 << 1;
    QTest::newRow("whole metres with ties, k=10") << true << 400 << 10;
    QTest::newRow("k beyond the tree count") << false << 4 << 9;
    QTest::newRow("no trees") << false << 0 << 3;
}

void TestNearestTrees::matchesBruteForce()
{
    QFETCH(bool, gridAligned);
    QFETCH(int, treeCount);
    QFETCH(int, k);
    const std::vector<Point> trees =
        gridAligned ? gridAlignedPoints(5, treeCount, 30) : randomPoints(5, treeCount, 100.0);
    const std::vector<Point> points =
        gridAligned ? gridAlignedPoints(6, 300, 30) : randomPoints(6, 300, 100.0);

    const NearestTrees found = nearestTrees(trees, points, k);
    const std::size_t width = std::min<std::size_t>(std::size_t(k), trees.size());
    QCOMPARE(std::size_t(found.k), width);
    QCOMPARE(found.indices.size(), points.size() * width);
    for (std::size_t p = 0; p < points.size(); ++p) {
        const std::vector<std::size_t> expected = bruteForceOrder(trees, points[p]);
        for (std::size_t j = 0; j < width; ++j) {
            QCOMPARE(found.indices[p * width + j], expected[j]);
            QCOMPARE(found.distances[p * width + j],
                     std::sqrt(squaredDistance(trees[expected[j]], points[p])));
        }
    }
}

void TestNearestTrees::nearestWithTiesTakesEveryTiedTree()
{
    // Four trees at equal distance around the point, one nearer, one farther.
    const TreeIndex index({{10, 0}, {0, 10}, {-10, 0}, {0, -10}, {1, 1}, {20, 20}});
    std::vector<Neighbour> found;
    index.nearestWithTies(Point{0, 0}, 2, found);
    std::vector<std::size_t> indices;
    for (const Neighbour &n : found)
        indices.push_back(n.index);
    QCOMPARE(indices, (std::vector<std::size_t>{4, 0, 1, 2, 3}));
    index.nearest(Point{0, 0}, 2, found);
    QCOMPARE(found.size(), std::size_t(2));
    QCOMPARE(found[1].index, std::size_t(0));
}

void TestNearestTrees::rejectsInvalidInput_data()
{
    QTest::addColumn<int>("call");
    QTest::addColumn<QString>("messagePart");

    QTest::newRow("k = 0 for nearest trees") << 0 << "at least 1";
    QTest::newRow("NaN tree") << 1 << "tree 2";
    QTest::newRow("infinite sample point") << 2 << "point 1";
    QTest::newRow("zone areas with k = 0") << 3 << "at least 1";
    QTest::newRow("zone areas on a stand without width") << 4 << "positive";
    QTest::newRow("simulation with a negative stand side") << 5 << "positive";
    QTest::newRow("simulation with a NaN diameter") << 6 << "tree 1";
}

void TestNearestTrees::rejectsInvalidInput()
{
    QFETCH(int, call);
    QFETCH(QString, messagePart);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const std::vector<Point> trees{{1, 1}, {5, 5}};
    SamplingDesign design;
    design.pointCount = 10;
    try {
        switch (call) {
        case 0:
            nearestTrees(trees, trees, 0);
            break;
        case 1:
            nearestTrees({{1, 1}, {nan, 2}}, trees, 1);
            break;
        case 2:
            nearestTrees(trees, {{infinity, 0}}, 1);
            break;
        case 3:
            inclusionZoneAreas(trees, StandRectangle{10, 10}, 0);
            break;
        case 4:
            inclusionZoneAreas(trees, StandRectangle{0, 10}, 1);
            break;
        case 5:
            simulateSampling({}, StandRectangle{10, -1}, 1, design);
            break;
        case 6:
            simulateSampling({SampledTree{{1, 1}, nan, 10.0}}, StandRectangle{10, 10}, 1, design);
            break;
        }
        QFAIL("no exception");
    } catch (const std::invalid_argument &error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(messagePart), error.what());
    }
}

void TestNearestTrees::progressCanCancel_data()
{
    QTest::addColumn<int>("threads");
    QTest::newRow("one thread") << 1;
    QTest::newRow("three threads") << 3;
}

void TestNearestTrees::progressCanCancel()
{
    QFETCH(int, threads);
    const ThreadCountGuard guard(threads);
    const std::vector<Point> trees = randomPoints(1, 200, 100.0);
    const std::vector<Point> points = randomPoints(2, 100000, 100.0);
    int calls = 0;
    std::int64_t lastDone = -1;
    bool monotone = true;
    const Progress stopSoon = [&](std::int64_t done, std::int64_t total) {
        monotone = monotone && done >= lastDone && done <= total;
        lastDone = done;
        return ++calls < 3;
    };
    QVERIFY_THROWS_EXCEPTION(Cancelled, nearestTrees(trees, points, 3, stopSoon));
    QCOMPARE(calls, 3);
    QVERIFY(monotone);

    // A stand of a few blocks may leave the calling thread a single one, and
    // it asks only after its own blocks and at the end: a request to stop
    // from the first question on is the one that must always be honoured.
    const Progress stopNow = [](std::int64_t, std::int64_t) {
        return false;
    };
    QVERIFY_THROWS_EXCEPTION(Cancelled, inclusionZoneAreas(trees, StandRectangle{100, 100}, 2, stopNow));
    SamplingDesign design;
    design.pointCount = 200000;
    QVERIFY_THROWS_EXCEPTION(Cancelled, simulateSampling({SampledTree{{1, 1}, 0.3, 10000.0}},
                                                         StandRectangle{100, 100}, 1, design, stopNow));
}

void TestNearestTrees::resultsIndependentOfThreadCount()
{
    const StandRectangle stand{150.0, 90.0};
    std::vector<Point> positions = randomPoints(8, 300, 120.0);
    positions.push_back(positions[10]); // a forked stem mapped twice
    const std::vector<double> areas = inclusionZoneAreas(positions, stand, 4);
    std::vector<SampledTree> trees;
    for (std::size_t t = 0; t < positions.size(); ++t)
        trees.push_back(SampledTree{positions[t], 0.1 + 0.001 * double(t), areas[t]});
    SamplingDesign design;
    design.pointCount = 150000;
    design.seed = 42;

    std::vector<std::vector<double>> results;
    for (const int threads : {1, 2, 5}) {
        const ThreadCountGuard guard(threads);
        const SamplingResult result = simulateSampling(trees, stand, 4, design);
        std::vector<double> values = inclusionZoneAreas(positions, stand, 4);
        for (const EstimatorSummary &s : {result.treesHorvitzThompson, result.basalAreaHorvitzThompson,
                                          result.treesClassic, result.treesClassicUnbiased}) {
            values.push_back(s.mean);
            values.push_back(s.standardError);
        }
        const NearestTrees nearest = nearestTrees(positions, randomPoints(9, 20000, 150.0), 4);
        values.insert(values.end(), nearest.distances.begin(), nearest.distances.end());
        for (const std::size_t index : nearest.indices)
            values.push_back(double(index));
        results.push_back(values);
    }
    // Bit for bit, not merely close.
    QVERIFY(std::memcmp(results[0].data(), results[1].data(), results[0].size() * sizeof(double)) == 0);
    QVERIFY(std::memcmp(results[0].data(), results[2].data(), results[0].size() * sizeof(double)) == 0);
}

QTEST_APPLESS_MAIN(TestNearestTrees)
#include "tst_nearesttrees.moc"
