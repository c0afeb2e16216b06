#include <QTest>
#include <cmath>
#include <kavrel/plotzones.h>
#include <kavrel/pointpatterns.h>
#include <kavrel/study.h>
#include <kavrel/threads.h>
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
        QTest::addColumn<QString>("design");
        QTest::newRow("random") << QStringLiteral("random");
        QTest::newRow("systematic") << QStringLiteral("systematic");
    }

    void unbiasedOnPoissonStand()
    {
        QFETCH(QString, design);
        const StudyStand stand = poissonStand(7, 300.0);
        StudySettings settings;
        settings.orders = {1, 3, 6};
        settings.designs = {design == QLatin1String("random") ? StudyDesign::Random
                                                              : StudyDesign::Systematic};
        settings.replicates = 2000;
        settings.points = 16;
        settings.seed = 11;
        settings.keepReplicates = true;
        const StudyResult result = runStudy({stand}, settings);
        if (design == QLatin1String("random"))
            verifyVarianceEstimates(result);
        const double trueTrees = double(stand.trees.size()); // one hectare
        double trueBasal = 0.0;
        for (const double d : stand.diametersMetres)
            trueBasal += std::numbers::pi / 4.0 * d * d;
        for (const int k : settings.orders) {
            for (const char *estimator : {"horvitz_thompson", "fixed_plot"}) {
                for (const char *quantity : {"trees_per_ha", "basal_area_m2_per_ha"}) {
                    const StudyRow &r = row(result, k, estimator, quantity, qPrintable(design));
                    const QString where = QStringLiteral("k = %1 %2 %3").arg(k).arg(estimator, quantity);
                    QCOMPARE(r.trueValue,
                             QString(quantity) == QLatin1String("trees_per_ha") ? trueTrees : trueBasal);
                    QVERIFY2(r.note.empty(), qPrintable(where));
                    QVERIFY2(std::abs(r.bias) < 4.0 * r.monteCarloError, qPrintable(where));
                    QVERIFY2(std::abs(r.rmse * r.rmse - (r.empiricalStandardError * r.empiricalStandardError *
                                                             (r.replicates - 1) / double(r.replicates) +
                                                         r.bias * r.bias)) <= 1e-6 * r.rmse * r.rmse,
                             qPrintable(where));
                    if (design == QLatin1String("random")) {
                        QVERIFY2(r.coverage > 0.90 && r.coverage < 0.975,
                                 qPrintable(where + QString::number(r.coverage)));
                    }
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

    // Trees at (2, 5) and (8, 5), sample points only 3 m inside the stand:
    // the order-1 zones within [3, 7]^2 are 8 m^2 each, so every point gives
    // exactly the stand's 200 trees per hectare; at order 2 both zones are the
    // whole inner square and the answer is again 200.
    void bufferKeepsHorvitzThompsonExact()
    {
        StudySettings settings;
        settings.orders = {1, 2};
        settings.bufferMetres = 3.0;
        settings.replicates = 30;
        settings.points = 7;
        bool outside = false;
        const StudyResult result =
            runStudy({twoTrees({2.0, 5.0}, {8.0, 5.0})}, settings, {}, [&](const PointRow &p) {
                outside = outside || p.position.x < 3.0 || p.position.x > 7.0 || p.position.y < 3.0 ||
                          p.position.y > 7.0;
            });
        QVERIFY(!outside);
        for (const int k : {1, 2}) {
            const StudyRow &r = row(result, k, "horvitz_thompson", "trees_per_ha");
            QCOMPARE(r.edge, std::string("buffer"));
            QCOMPARE(r.trueValue, 200.0);
            QVERIFY(std::abs(r.mean - 200.0) < 1e-9);
            QVERIFY(r.empiricalStandardError < 1e-9);
            QCOMPARE(r.coverage, 1.0);
        }
        // k = 2 takes both trees at every point: basal area exactly as well.
        const double basal = std::numbers::pi / 4.0 * (0.09 + 0.04) / 0.01;
        QVERIFY(std::abs(row(result, 2, "horvitz_thompson", "basal_area_m2_per_ha").mean - basal) < 1e-9);
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
