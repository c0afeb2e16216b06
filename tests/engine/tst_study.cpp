#include <QTest>
#include <algorithm>
#include <cmath>
#include <kavrel/inclusionzones.h>
#include <kavrel/plotzones.h>
#include <kavrel/pointpatterns.h>
#include <kavrel/study.h>
#include <kavrel/threads.h>
#include <map>
#include <numbers>

using namespace kavrel;

namespace {

StudyStand poissonStand(std::uint64_t seed, double intensityPerHectare)
{
    PatternParameters pattern;
    pattern.width = 100.0;
    pattern.length = 100.0;
    pattern.intensity = intensityPerHectare;
    pattern.seed = seed;
    pattern.diameters = {DiameterDistribution::Kind::Uniform, 10.0, 50.0};
    const GeneratedStand generated = generatePattern(pattern);
    StudyStand stand{"poisson", {0.0, 0.0, 100.0, 100.0}, generated.positions, {}};
    for (const double d : generated.diameters)
        stand.diametersMetres.push_back(d / 100.0);
    return stand;
}

StudyStand twoTrees(Point a, Point b)
{
    return {"two", {0.0, 0.0, 10.0, 10.0}, {a, b}, {0.3, 0.2}};
}

const StudyRow &row(const StudyResult &result, int k, const char *estimator, const char *quantity,
                    const char *design = "random")
{
    for (const StudyRow &r : result.summary) {
        if (r.k == k && r.estimator == estimator && r.quantity == quantity && r.design == design)
            return r;
    }
    qFatal("no row for k = %d, %s, %s, %s", k, estimator, quantity, design);
}

// Circular segment cut off by a chord at distance h from the centre.
double segmentArea(double radius, double h)
{
    return radius * radius * std::acos(h / radius) - h * std::sqrt(radius * radius - h * h);
}

double nearestNeighbourMean(const std::vector<Point> &points)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        double nearest = INFINITY;
        for (std::size_t j = 0; j < points.size(); ++j) {
            if (i != j)
                nearest = std::min(nearest, std::sqrt(squaredDistance(points[i], points[j])));
        }
        sum += nearest;
    }
    return sum / double(points.size());
}

StudyStand scatteredStand(std::uint64_t seed, double width, double length, int count)
{
    PatternParameters pattern;
    pattern.width = width;
    pattern.length = length;
    pattern.count = count;
    pattern.seed = seed;
    pattern.diameters = {DiameterDistribution::Kind::Uniform, 10.0, 50.0};
    const GeneratedStand generated = generatePattern(pattern);
    StudyStand stand{"scattered", {0.0, 0.0, width, length}, generated.positions, {}};
    for (const double d : generated.diameters)
        stand.diametersMetres.push_back(d / 100.0);
    return stand;
}

Extent innerRectangle(const Extent &stand, double buffer)
{
    return {stand.left + buffer, stand.bottom + buffer, stand.right - buffer, stand.top - buffer};
}

double basalAreaOf(double diameterMetres)
{
    return std::numbers::pi / 4.0 * diameterMetres * diameterMetres;
}

// The population's trees and basal area per hectare of the inner rectangle,
// counted here without the study's help.
std::pair<double, double> innerTruth(const StudyStand &stand, double buffer)
{
    const Extent inner = innerRectangle(stand.extent, buffer);
    double trees = 0.0;
    double basal = 0.0;
    for (std::size_t t = 0; t < stand.trees.size(); ++t) {
        if (inner.contains(stand.trees[t])) {
            trees += 1.0;
            basal += basalAreaOf(stand.diametersMetres[t]);
        }
    }
    const double hectares = inner.area() / 10000.0;
    return {trees / hectares, basal / hectares};
}

// Every estimator's value at one point, by brute force: all trees sorted by
// distance, the zones cut by every other tree, the plot discs clipped on
// their own. In pointValueNames() order.
std::vector<double> bruteForceValues(const StudyStand &stand, double buffer, int k, double plotRadius,
                                     Point p)
{
    const Extent inner = innerRectangle(stand.extent, buffer);
    StandRectangle rectangle;
    rectangle.x0 = inner.left;
    rectangle.y0 = inner.bottom;
    rectangle.width = inner.width();
    rectangle.length = inner.length();
    const std::vector<double> zones = inclusionZoneAreasByEveryTree(stand.trees, rectangle, k);
    std::vector<double> distances;
    for (const Point t : stand.trees)
        distances.push_back(squaredDistance(p, t));
    std::vector<double> sorted = distances;
    std::sort(sorted.begin(), sorted.end());
    const double rk2 = sorted[std::size_t(k - 1)];
    std::vector<double> values(10, 0.0);
    double sampledBasal = 0.0;
    int sampled = 0;
    for (std::size_t t = 0; t < stand.trees.size(); ++t) {
        const double g = basalAreaOf(stand.diametersMetres[t]);
        const bool inside = inner.contains(stand.trees[t]);
        if (distances[t] <= rk2) {
            ++sampled;
            sampledBasal += g;
            if (inside) {
                values[0] += 10000.0 / zones[t];
                values[1] += 10000.0 * g / zones[t];
            }
        }
        if (inside && distances[t] <= plotRadius * plotRadius) {
            const double plot = discAreaInExtent(stand.trees[t], plotRadius, inner);
            values[8] += 10000.0 / plot;
            values[9] += 10000.0 * g / plot;
        }
    }
    const double numerators[3] = {double(k), k - 1.0, k - 0.5};
    for (int c = 0; c < 3; ++c) {
        values[std::size_t(2 + 2 * c)] = numerators[c] / (std::numbers::pi * rk2) * 10000.0;
        values[std::size_t(3 + 2 * c)] = values[std::size_t(2 + 2 * c)] * sampledBasal / sampled;
    }
    return values;
}

} // namespace

class TestStudy : public QObject
{
    Q_OBJECT

private slots:
    void discWithinRectangle_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("expected");
        const double pi = std::numbers::pi;
        QTest::newRow("inside") << 50.0 << 50.0 << 10.0 << pi * 100.0;
        QTest::newRow("on an edge") << 0.0 << 50.0 << 10.0 << pi * 50.0;
        QTest::newRow("in a corner") << 100.0 << 100.0 << 10.0 << pi * 25.0;
        QTest::newRow("across one edge") << 4.0 << 50.0 << 10.0 << pi * 100.0 - segmentArea(10.0, 4.0);
        QTest::newRow("outside the corner") << 110.0 << 110.0 << 10.0 << 0.0;
        QTest::newRow("covers the stand") << 50.0 << 50.0 << 80.0 << 10000.0;
        QTest::newRow("tree outside, reaching in") << -6.0 << 50.0 << 10.0 << segmentArea(10.0, 6.0);
        // Two edges cut, their segments do not overlap (corner 5, 5 is inside).
        QTest::newRow("near a corner")
            << 3.0 << 4.0 << 5.0 << pi * 25.0 - segmentArea(5.0, 3.0) - segmentArea(5.0, 4.0);
    }

    void discWithinRectangle()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, radius);
        QFETCH(double, expected);
        const double area = discAreaInExtent(Point{x, y}, radius, Extent{0.0, 0.0, 100.0, 100.0});
        QVERIFY2(
            std::abs(area - expected) <= 1e-9 * std::max(1.0, expected),
            qPrintable(QStringLiteral("%1 instead of %2").arg(area, 0, 'g', 17).arg(expected, 0, 'g', 17)));
    }

    // The estimators that are design-unbiased must show it over many samples,
    // their intervals must hold the truth about 95 % of the time, and the
    // sample's own standard error must match the spread over the samples.
    void unbiasedOnPoissonStand_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<double>("buffer");
        QTest::addColumn<bool>("torus");
        QTest::newRow("random") << int(StudyDesign::Random) << 0.0 << false;
        QTest::newRow("systematic") << int(StudyDesign::Systematic) << 0.0 << false;
        QTest::newRow("random, buffer") << int(StudyDesign::Random) << 10.0 << false;
        QTest::newRow("systematic, buffer") << int(StudyDesign::Systematic) << 10.0 << false;
        QTest::newRow("systematic, torus") << int(StudyDesign::Systematic) << 0.0 << true;
    }

    void unbiasedOnPoissonStand()
    {
        QFETCH(int, design);
        QFETCH(double, buffer);
        QFETCH(bool, torus);
        const StudyStand stand = poissonStand(7, 300.0);
        StudySettings settings;
        settings.orders = {1, 3, 6};
        settings.designs = {StudyDesign(design)};
        settings.bufferMetres = buffer;
        settings.torus = torus;
        settings.replicates = 2000;
        settings.points = 16;
        settings.seed = 11;
        settings.keepReplicates = true;
        const StudyResult result = runStudy({stand}, settings);
        const bool random = StudyDesign(design) == StudyDesign::Random;
        if (random)
            verifyVarianceEstimates(result);
        const auto [trueTrees, trueBasal] = innerTruth(stand, buffer);
        const char *designName = random ? "random" : "systematic";
        for (const int k : settings.orders) {
            for (const char *estimator : {"horvitz_thompson", "fixed_plot"}) {
                for (const char *quantity : {"trees_per_ha", "basal_area_m2_per_ha"}) {
                    const StudyRow &r = row(result, k, estimator, quantity, designName);
                    const QString where = QStringLiteral("k = %1 %2 %3").arg(k).arg(estimator, quantity);
                    QVERIFY2(std::abs(r.trueValue - (QString(quantity) == QLatin1String("trees_per_ha")
                                                         ? trueTrees
                                                         : trueBasal)) <= 1e-9 * r.trueValue,
                             qPrintable(where));
                    QVERIFY2(r.note.empty(), qPrintable(where));
                    QCOMPARE(r.unreachableTrees, std::int64_t(0));
                    QVERIFY2(
                        std::abs(r.bias) < 4.0 * r.monteCarloError,
                        qPrintable(where +
                                   QStringLiteral(": bias %1, error %2").arg(r.bias).arg(r.monteCarloError)));
                    QVERIFY2(std::abs(r.rmse * r.rmse - (r.empiricalStandardError * r.empiricalStandardError *
                                                             (r.replicates - 1) / double(r.replicates) +
                                                         r.bias * r.bias)) <= 1e-6 * r.rmse * r.rmse,
                             qPrintable(where));
                    // Random points: near 95 %. The systematic grid: Horvitz-
                    // Thompson above that once k is past the skewed values of
                    // k = 1, as the random-sampling standard error overstates
                    // the grid's; the plot's grid error depends on the stand.
                    const bool horvitzThompson = QString(estimator) == QLatin1String("horvitz_thompson");
                    const double lowest = random ? 0.90 : horvitzThompson && k > 1 ? 0.93 : 0.88;
                    const double highest = random ? 0.975 : 1.0;
                    QVERIFY2(r.coverage >= lowest && r.coverage <= highest,
                             qPrintable(where + QStringLiteral(": coverage %1").arg(r.coverage)));
                }
            }
        }
    }

    // The squared standard error of a sample is unbiased for the variance of
    // its mean (the standard error itself is not, for skewed values), so its
    // mean over the replicates must match the spread of the estimates.
    static void verifyVarianceEstimates(const StudyResult &result)
    {
        for (const StudyRow &r : result.summary) {
            if (r.estimator != "horvitz_thompson" && r.estimator != "fixed_plot")
                continue;
            double squares = 0.0;
            for (const ReplicateRow &rep : result.replicates) {
                if (rep.k == r.k && rep.estimator == r.estimator && rep.quantity == r.quantity)
                    squares += rep.standardError * rep.standardError;
            }
            const double meanVariance = squares / double(r.replicates);
            const double spread = r.empiricalStandardError * r.empiricalStandardError;
            QVERIFY2(
                std::abs(meanVariance / spread - 1.0) < 0.12,
                qPrintable(QStringLiteral("k = %1 %2 %3: %4 against %5")
                               .arg(r.k)
                               .arg(QString::fromStdString(r.estimator), QString::fromStdString(r.quantity))
                               .arg(meanVariance)
                               .arg(spread)));
        }
    }

    void sameSeedSameNumbers_data()
    {
        QTest::addColumn<int>("design");
        QTest::newRow("random") << int(StudyDesign::Random);
        QTest::newRow("systematic") << int(StudyDesign::Systematic);
    }

    void sameSeedSameNumbers()
    {
        QFETCH(int, design);
        const StudyStand stand = poissonStand(3, 200.0);
        StudySettings settings;
        settings.orders = {1, 2, 4};
        settings.designs = {StudyDesign(design)};
        settings.replicates = 150; // more than one block of replicates
        settings.points = 9;
        settings.keepReplicates = true;
        setThreadCount(1);
        const StudyResult one = runStudy({stand}, settings);
        setThreadCount(3);
        const StudyResult three = runStudy({stand}, settings);
        QCOMPARE(QByteArray::fromStdString(studyCsv(three.summary)),
                 QByteArray::fromStdString(studyCsv(one.summary)));
        QCOMPARE(QByteArray::fromStdString(replicatesCsv(three.replicates)),
                 QByteArray::fromStdString(replicatesCsv(one.replicates)));
        setThreadCount(0);
        settings.seed = 2;
        QVERIFY(studyCsv(runStudy({stand}, settings).summary) != studyCsv(one.summary));
    }

    void estimatorsWithoutExpectationAreNamed()
    {
        StudySettings settings;
        settings.orders = {1, 2};
        settings.replicates = 20;
        settings.points = 5;
        const StudyResult result = runStudy({poissonStand(5, 100.0)}, settings);
        for (const char *quantity : {"trees_per_ha", "basal_area_m2_per_ha"}) {
            QCOMPARE(row(result, 1, "k_over_pi_rk2", quantity).note, std::string("infinite_expectation"));
            QCOMPARE(row(result, 1, "k_minus_half_over_pi_rk2", quantity).note,
                     std::string("infinite_expectation"));
            QVERIFY(std::isnan(row(result, 1, "k_over_pi_rk2", quantity).mean));
            QCOMPARE(row(result, 1, "k_minus_1_over_pi_rk2", quantity).note,
                     std::string("not_defined_for_k1"));
            QCOMPARE(row(result, 2, "k_over_pi_rk2", quantity).note, std::string());
            QCOMPARE(row(result, 2, "k_minus_half_over_pi_rk2", quantity).note, std::string());
        }
        const std::string csv = studyCsv(result.summary);
        QVERIFY(csv.find(",NA,NA,NA,NA,NA,NA,NA,NA,0,infinite_expectation,") != std::string::npos);
    }

    // A 20 x 10 m stand with a 2 m buffer: the inner rectangle [2, 18] x
    // [2, 8] is 96 m^2 and holds the trees at x = 6 and 14; the tree at x = 1
    // stands in the strip. Order 1 zones within the inner rectangle: x < 3.5
    // (the strip's tree, 9 m^2), 3.5 < x < 10 (39 m^2), x > 10 (48 m^2). A
    // point nearest to the strip's tree samples it and counts nothing.
    void bufferHandCase()
    {
        const StudyStand stand{"three", {0.0, 0.0, 20.0, 10.0}, {{1, 5}, {6, 5}, {14, 5}}, {0.3, 0.2, 0.4}};
        StudySettings settings;
        settings.orders = {1};
        settings.bufferMetres = 2.0;
        settings.plotRadiusMetres = 1.0;
        settings.replicates = 40;
        settings.points = 10;
        int checked = 0;
        const StudyResult result = runStudy({stand}, settings, {}, [&](const PointRow &p) {
            QVERIFY(p.position.x >= 2.0 && p.position.x <= 18.0 && p.position.y >= 2.0 &&
                    p.position.y <= 8.0);
            const double expected = p.position.x < 3.5    ? 0.0
                                    : p.position.x < 10.0 ? 10000.0 / 39.0
                                                          : 10000.0 / 48.0;
            QVERIFY(std::abs(p.values[0] - expected) < 1e-9);
            const bool inPlot =
                squaredDistance(p.position, {6, 5}) <= 1.0 || squaredDistance(p.position, {14, 5}) <= 1.0;
            QVERIFY(std::abs(p.values[8] - (inPlot ? 10000.0 / std::numbers::pi : 0.0)) < 1e-9);
            ++checked;
        });
        QCOMPARE(checked, 400);
        const StudyRow &ht = row(result, 1, "horvitz_thompson", "trees_per_ha");
        QCOMPARE(ht.edge, std::string("buffer"));
        QVERIFY(std::abs(ht.trueValue - 2.0 / 0.0096) < 1e-9);
        QVERIFY(std::abs(row(result, 1, "fixed_plot", "basal_area_m2_per_ha").trueValue -
                         std::numbers::pi / 4.0 * (0.04 + 0.16) / 0.0096) < 1e-9);
        QCOMPARE(ht.unreachableTrees, std::int64_t(0));
    }

    // Each point's values against a computation from scratch over all trees,
    // with and without a buffer, on both designs.
    void pointValuesMatchBruteForce_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<double>("buffer");
        QTest::addColumn<int>("k");
        QTest::newRow("random, k = 1") << int(StudyDesign::Random) << 0.0 << 1;
        QTest::newRow("random, buffer, k = 3") << int(StudyDesign::Random) << 6.0 << 3;
        QTest::newRow("systematic, buffer, k = 2") << int(StudyDesign::Systematic) << 6.0 << 2;
    }

    void pointValuesMatchBruteForce()
    {
        QFETCH(int, design);
        QFETCH(double, buffer);
        QFETCH(int, k);
        const StudyStand stand = scatteredStand(4, 50.0, 40.0, 60);
        StudySettings settings;
        settings.orders = {k};
        settings.designs = {StudyDesign(design)};
        settings.bufferMetres = buffer;
        settings.plotRadiusMetres = 4.5;
        settings.replicates = 2;
        settings.points = 15;
        int checked = 0;
        runStudy({stand}, settings, {}, [&](const PointRow &p) {
            const std::vector<double> expected = bruteForceValues(stand, buffer, k, 4.5, p.position);
            for (std::size_t v = 0; v < expected.size(); ++v) {
                QVERIFY2(std::abs(p.values[v] - expected[v]) <= 1e-9 * std::max(1.0, std::abs(expected[v])),
                         qPrintable(QStringLiteral("%1: %2 against %3")
                                        .arg(QString::fromStdString(pointValueNames()[v]))
                                        .arg(p.values[v], 0, 'g', 17)
                                        .arg(expected[v], 0, 'g', 17)));
            }
            ++checked;
        });
        QCOMPARE(checked, 30);
    }

    // Every systematic sample holds exactly columns x rows points, one in
    // each cell, and the summary says how many.
    void systematicGridHoldsItsCells_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("length");
        QTest::addColumn<qint64>("points");
        QTest::addColumn<qint64>("columns");
        QTest::addColumn<qint64>("rows");
        QTest::newRow("square, 20") << 100.0 << 100.0 << qint64(20) << qint64(4) << qint64(5);
        QTest::newRow("square, 16") << 100.0 << 100.0 << qint64(16) << qint64(4) << qint64(4);
        QTest::newRow("square, prime 7") << 100.0 << 100.0 << qint64(7) << qint64(2) << qint64(3);
        QTest::newRow("square, prime 13") << 100.0 << 100.0 << qint64(13) << qint64(3) << qint64(4);
        QTest::newRow("square, 2") << 100.0 << 100.0 << qint64(2) << qint64(1) << qint64(2);
        QTest::newRow("wide, 18") << 300.0 << 100.0 << qint64(18) << qint64(6) << qint64(3);
        QTest::newRow("long thin, 20") << 1000.0 << 10.0 << qint64(20) << qint64(20) << qint64(1);
        QTest::newRow("long thin, prime 7") << 1000.0 << 10.0 << qint64(7) << qint64(7) << qint64(1);
        QTest::newRow("tall thin, prime 11") << 10.0 << 1000.0 << qint64(11) << qint64(1) << qint64(11);
    }

    void systematicGridHoldsItsCells()
    {
        QFETCH(double, width);
        QFETCH(double, length);
        QFETCH(qint64, points);
        QFETCH(qint64, columns);
        QFETCH(qint64, rows);
        const GridShape grid = systematicGrid(width, length, points);
        QCOMPARE(grid.columns, std::int64_t(columns));
        QCOMPARE(grid.rows, std::int64_t(rows));
        StudyStand stand = scatteredStand(2, width, length, 30);
        StudySettings settings;
        settings.designs = {StudyDesign::Systematic};
        settings.replicates = 25;
        settings.points = points;
        settings.keepReplicates = true;
        std::map<std::int64_t, std::vector<int>> cells; // per replicate, points per cell
        const StudyResult result = runStudy({stand}, settings, {}, [&](const PointRow &p) {
            std::vector<int> &counts = cells[p.replicate];
            counts.resize(std::size_t(columns * rows));
            const auto column = std::int64_t(p.position.x / (width / double(columns)));
            const auto row = std::int64_t(p.position.y / (length / double(rows)));
            QVERIFY(column >= 0 && column < columns && row >= 0 && row < rows);
            ++counts[std::size_t(row * columns + column)];
        });
        QCOMPARE(cells.size(), std::size_t(25));
        for (const auto &[replicate, counts] : cells)
            QVERIFY(std::all_of(counts.begin(), counts.end(), [](int c) { return c == 1; }));
        for (const StudyRow &r : result.summary)
            QCOMPARE(r.points, std::int64_t(columns * rows));
        for (const ReplicateRow &r : result.replicates)
            QCOMPARE(r.points, std::int64_t(columns * rows));
    }

    // Over many random starts the grid's mean is the mean of the estimator
    // over the whole region, here integrated on a fine grid of 600 x 450
    // points (the distance estimators' value is continuous in the point).
    void systematicMeanIsTheDesignExpectation()
    {
        const StudyStand stand = scatteredStand(6, 40.0, 30.0, 25);
        const int k = 3;
        StudySettings settings;
        settings.orders = {k};
        settings.designs = {StudyDesign::Systematic};
        settings.replicates = 4000;
        settings.points = 12;
        settings.seed = 5;
        const StudyResult result = runStudy({stand}, settings);
        double sums[3] = {0.0, 0.0, 0.0};
        const int across = 600;
        const int along = 450;
        std::vector<double> distances(stand.trees.size());
        for (int i = 0; i < across; ++i) {
            for (int j = 0; j < along; ++j) {
                const Point p{(i + 0.5) * 40.0 / across, (j + 0.5) * 30.0 / along};
                for (std::size_t t = 0; t < stand.trees.size(); ++t)
                    distances[t] = squaredDistance(p, stand.trees[t]);
                std::nth_element(distances.begin(), distances.begin() + (k - 1), distances.end());
                const double circle = std::numbers::pi * distances[std::size_t(k - 1)] / 10000.0;
                sums[0] += k / circle;
                sums[1] += (k - 1) / circle;
                sums[2] += (k - 0.5) / circle;
            }
        }
        const char *names[3] = {"k_over_pi_rk2", "k_minus_1_over_pi_rk2", "k_minus_half_over_pi_rk2"};
        for (int c = 0; c < 3; ++c) {
            const double expectation = sums[c] / double(across * along);
            const StudyRow &r = row(result, k, names[c], "trees_per_ha", "systematic");
            QVERIFY2(std::abs(r.mean - expectation) < 4.0 * r.monteCarloError + 1e-3 * expectation,
                     qPrintable(QStringLiteral("%1: %2 against %3 (error %4)")
                                    .arg(names[c])
                                    .arg(r.mean)
                                    .arg(expectation)
                                    .arg(r.monteCarloError)));
        }
        const StudyRow &ht = row(result, k, "horvitz_thompson", "trees_per_ha", "systematic");
        QVERIFY(std::abs(ht.mean - ht.trueValue) < 4.0 * ht.monteCarloError);
    }

    // Three trees at one point: r_k reaches 0 there for k up to 3, so the
    // distance estimators have no finite expectation up to that order.
    void coincidentTriplesHaveNoExpectation()
    {
        StudyStand stand = scatteredStand(8, 40.0, 40.0, 30);
        for (int i = 0; i < 3; ++i) {
            stand.trees.push_back({12.5, 20.0});
            stand.diametersMetres.push_back(0.2);
        }
        StudySettings settings;
        settings.orders = {1, 2, 3, 4};
        settings.replicates = 10;
        settings.points = 5;
        settings.keepReplicates = true;
        const StudyResult result = runStudy({stand}, settings);
        for (const char *estimator : {"k_over_pi_rk2", "k_minus_1_over_pi_rk2", "k_minus_half_over_pi_rk2"}) {
            for (const int k : settings.orders) {
                const std::string expected = k == 1 && std::string(estimator) == "k_minus_1_over_pi_rk2"
                                                 ? "not_defined_for_k1"
                                             : k <= 3 ? "infinite_expectation"
                                                      : "";
                for (const char *quantity : {"trees_per_ha", "basal_area_m2_per_ha"}) {
                    const StudyRow &r = row(result, k, estimator, quantity);
                    QCOMPARE(r.note, expected);
                    QCOMPARE(std::isnan(r.mean), !expected.empty());
                }
                for (const ReplicateRow &rep : result.replicates) {
                    if (rep.k == k && rep.estimator == estimator)
                        QCOMPARE(rep.note, expected);
                }
            }
        }
        QCOMPARE(row(result, 2, "horvitz_thompson", "trees_per_ha").note, std::string());
        const std::string csv = replicatesCsv(result.replicates);
        QVERIFY(csv.starts_with("stand,k,design,estimator,quantity,replicate,points,estimate,standard_error,"
                                "ci95_lower,ci95_upper,covered,note\n"));
        QVERIFY(csv.find(",k_over_pi_rk2,trees_per_ha,1,5,") != std::string::npos);
        QVERIFY(csv.find(",infinite_expectation\n") != std::string::npos);
    }

    // Trees at x = 1 and 7, y = 2.5 and 7.5 on a 10 m torus: across the edge
    // x = 1 and 7 are 4 m apart, so the bisectors at x = 4 and 9 and at
    // y = 5 and 10 cut the stand into four zones of 25 m^2 and every point
    // gives exactly the stand's 400 trees per hectare, where the plain
    // stand's zones of 20 and 30 m^2 do not.
    void torusWrapsDistancesAndZones()
    {
        StudySettings settings;
        settings.orders = {1, 4};
        settings.torus = true;
        settings.replicates = 30;
        settings.points = 7;
        StudyStand stand{
            "four", {0.0, 0.0, 10.0, 10.0}, {{1, 2.5}, {7, 2.5}, {1, 7.5}, {7, 7.5}}, {0.3, 0.2, 0.1, 0.4}};
        auto torusDistance = [](Point p, Point t) {
            const double dx = std::min(std::abs(p.x - t.x), 10.0 - std::abs(p.x - t.x));
            const double dy = std::min(std::abs(p.y - t.y), 10.0 - std::abs(p.y - t.y));
            return std::sqrt(dx * dx + dy * dy);
        };
        int checked = 0;
        const StudyResult result = runStudy({stand}, settings, {}, [&](const PointRow &p) {
            if (p.k != 1)
                return;
            double nearest = INFINITY;
            for (const Point t : stand.trees)
                nearest = std::min(nearest, torusDistance(p.position, t));
            QCOMPARE(p.kthDistance, nearest);
            ++checked;
        });
        QCOMPARE(checked, 30 * 7);
        const StudyRow &ht = row(result, 1, "horvitz_thompson", "trees_per_ha");
        QCOMPARE(ht.edge, std::string("torus"));
        QVERIFY(std::abs(ht.mean - 400.0) < 1e-9);
        QVERIFY(ht.empiricalStandardError < 1e-9);
        // All four trees reach more than half the stand across: copies of one
        // tree could count twice, so the order is refused.
        QCOMPARE(row(result, 4, "horvitz_thompson", "trees_per_ha").note, std::string("torus_too_small"));

        settings.torus = false;
        settings.orders = {1};
        const StudyRow plain = row(runStudy({stand}, settings), 1, "horvitz_thompson", "trees_per_ha");
        QVERIFY(plain.empiricalStandardError > 1.0);
    }

    // A forked stem mapped twice: at a point nearest to the pair both trees
    // come into the sample (neither has another tree strictly nearer), and
    // Horvitz-Thompson stays unbiased with the pair's shared zone.
    void coincidentTreesComeTogether()
    {
        StudySettings settings;
        settings.orders = {1};
        settings.replicates = 3000;
        settings.points = 10;
        const StudyStand stand{"fork", {0.0, 0.0, 10.0, 10.0}, {{3, 5}, {3, 5}, {7, 5}}, {0.2, 0.3, 0.4}};
        bool pairsTaken = true;
        const StudyResult result = runStudy({stand}, settings, {}, [&](const PointRow &p) {
            pairsTaken = pairsTaken && p.sampledTrees == (p.position.x < 5.0 ? 2 : 1);
        });
        QVERIFY(pairsTaken);
        for (const char *quantity : {"trees_per_ha", "basal_area_m2_per_ha"}) {
            const StudyRow &r = row(result, 1, "horvitz_thompson", quantity);
            QVERIFY2(std::abs(r.bias) < 4.0 * r.monteCarloError, quantity);
        }
        QCOMPARE(row(result, 1, "horvitz_thompson", "trees_per_ha").trueValue, 300.0);
    }

    void badSettingsAreRefused_data()
    {
        QTest::addColumn<double>("buffer");
        QTest::addColumn<bool>("torus");
        QTest::addColumn<qint64>("points");
        QTest::addColumn<int>("order");
        QTest::newRow("buffer too wide") << 5.0 << false << qint64(5) << 1;
        QTest::newRow("buffer on a torus") << 1.0 << true << qint64(5) << 1;
        QTest::newRow("one point") << 0.0 << false << qint64(1) << 1;
        QTest::newRow("order 0") << 0.0 << false << qint64(5) << 0;
        QTest::newRow("negative buffer") << -1.0 << false << qint64(5) << 1;
    }

    void badSettingsAreRefused()
    {
        QFETCH(double, buffer);
        QFETCH(bool, torus);
        QFETCH(qint64, points);
        QFETCH(int, order);
        StudySettings settings;
        settings.bufferMetres = buffer;
        settings.torus = torus;
        settings.points = points;
        settings.orders = {order};
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, runStudy({twoTrees({2, 5}, {8, 5})}, settings));
    }

    void negativeDiametersAreRefused()
    {
        StudyStand stand = twoTrees({2, 5}, {8, 5});
        stand.diametersMetres[1] = -0.1;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, runStudy({stand}, StudySettings{}));
    }

    void cancelStopsTheStudy()
    {
        StudySettings settings;
        settings.replicates = 500;
        std::int64_t reports = 0;
        QVERIFY_THROWS_EXCEPTION(Cancelled,
                                 runStudy({poissonStand(1, 100.0)}, settings,
                                          [&](std::int64_t, std::int64_t) { return ++reports < 2; }));
        QCOMPARE(reports, std::int64_t(2));
    }

    void csvQuotesNamesAndKeepsFullPrecision()
    {
        StudyRow r;
        r.stand = "plot \"A\", north";
        r.trueValue = 0.1;
        r.mean = 1.0 / 3.0;
        const std::string csv = studyCsv({r});
        QVERIFY(csv.find("\"plot \"\"A\"\", north\",") != std::string::npos);
        QVERIFY(csv.find(",0.1,0.3333333333333333,") != std::string::npos);
    }

    void patterns_data()
    {
        QTest::addColumn<int>("process");
        QTest::addColumn<double>("intensity");
        QTest::addColumn<double>("clarkEvansBelow");
        QTest::addColumn<double>("clarkEvansAbove");
        // Clark-Evans ratio: mean nearest-neighbour distance over the Poisson
        // expectation 1 / (2 sqrt(lambda)); clusters lie below 1, regular
        // patterns above.
        QTest::newRow("poisson") << int(PatternProcess::Poisson) << 400.0 << 1.15 << 0.85;
        QTest::newRow("thomas") << int(PatternProcess::Thomas) << 400.0 << 0.7 << 0.0;
        QTest::newRow("matern cluster") << int(PatternProcess::MaternCluster) << 400.0 << 0.7 << 0.0;
        QTest::newRow("ssi") << int(PatternProcess::Inhibition) << 400.0 << 10.0 << 1.3;
        QTest::newRow("matern hard core") << int(PatternProcess::MaternHardCore) << 300.0 << 10.0 << 1.2;
    }

    void patterns()
    {
        QFETCH(int, process);
        QFETCH(double, intensity);
        QFETCH(double, clarkEvansBelow);
        QFETCH(double, clarkEvansAbove);
        PatternParameters p;
        p.process = PatternProcess(process);
        p.width = 200.0;
        p.length = 150.0;
        p.intensity = intensity;
        p.parentIntensity = 10.0;
        p.clusterScale = 4.0;
        p.hardCoreRadius = 3.0;
        p.diameters = {DiameterDistribution::Kind::Weibull, 2.5, 30.0};
        p.seed = 42;
        const GeneratedStand stand = generatePattern(p);
        const double expected = intensity * 3.0;
        const auto n = double(stand.positions.size());
        if (p.process == PatternProcess::Inhibition)
            QCOMPARE(n, expected);
        else // Poisson counts, or cluster sums of them: well within five of their spreads
            QVERIFY2(std::abs(n - expected) <
                         5.0 * std::sqrt(expected * (p.process == PatternProcess::Thomas ||
                                                             p.process == PatternProcess::MaternCluster
                                                         ? 1.0 + intensity / p.parentIntensity
                                                         : 1.0)),
                     qPrintable(QString::number(n)));
        QCOMPARE(stand.diameters.size(), stand.positions.size());
        for (std::size_t i = 0; i < stand.positions.size(); ++i) {
            const Point q = stand.positions[i];
            QVERIFY(q.x >= 0.0 && q.x < 200.0 && q.y >= 0.0 && q.y < 150.0);
            QVERIFY(stand.diameters[i] > 0.0);
        }
        if (p.process == PatternProcess::Inhibition || p.process == PatternProcess::MaternHardCore) {
            for (std::size_t i = 0; i < stand.positions.size(); ++i) {
                for (std::size_t j = i + 1; j < stand.positions.size(); ++j)
                    QVERIFY(squaredDistance(stand.positions[i], stand.positions[j]) >= 9.0);
            }
        }
        const double clarkEvans = nearestNeighbourMean(stand.positions) * 2.0 * std::sqrt(n / 30000.0);
        QVERIFY2(clarkEvans < clarkEvansBelow && clarkEvans > clarkEvansAbove,
                 qPrintable(QString::number(clarkEvans)));

        const GeneratedStand again = generatePattern(p);
        QVERIFY(again.positions == stand.positions);
        QVERIFY(again.diameters == stand.diameters);
        p.seed = 43;
        QVERIFY(generatePattern(p).positions != stand.positions);
    }

    void impossiblePatternsAreRefused()
    {
        PatternParameters p;
        p.process = PatternProcess::MaternHardCore;
        p.hardCoreRadius = 10.0;
        p.intensity = 200.0; // 0.02 per m^2 times pi 100 m^2 > 1
        QVERIFY(!checkPatternParameters(p).empty());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, generatePattern(p));
        p.process = PatternProcess::Inhibition;
        QVERIFY(!checkPatternParameters(p).empty());
        p.process = PatternProcess::Poisson;
        p.diameters = {DiameterDistribution::Kind::Uniform, 40.0, 20.0};
        QVERIFY(!checkPatternParameters(p).empty());
    }
};

QTEST_APPLESS_MAIN(TestStudy)
#include "tst_study.moc"
