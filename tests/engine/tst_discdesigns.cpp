#include <QTest>
#include <cmath>
#include <kavrel/anglecount.h>
#include <kavrel/concentricplots.h>
#include <kavrel/discdesign.h>
#include <kavrel/pointpatterns.h>
#include <kavrel/randomnumbers.h>
#include <kavrel/samplingsurface.h>
#include <kavrel/study.h>
#include <numbers>

using namespace kavrel;

namespace {

const Extent Square{0.0, 0.0, 100.0, 100.0};
constexpr double Pi = std::numbers::pi;

double basalArea(double d)
{
    return Pi / 4.0 * d * d;
}

struct TestStand
{
    std::vector<Point> trees;
    std::vector<double> diameters; // metres
    std::vector<double> basal;
};

TestStand poissonStand(std::uint64_t seed, double intensity)
{
    PatternParameters pattern;
    pattern.intensity = intensity;
    pattern.seed = seed;
    pattern.diameters = {DiameterDistribution::Kind::Uniform, 10.0, 50.0};
    const GeneratedStand generated = generatePattern(pattern);
    TestStand stand{generated.positions, {}, {}};
    for (const double d : generated.diameters) {
        stand.diameters.push_back(d / 100.0);
        stand.basal.push_back(basalArea(d / 100.0));
    }
    return stand;
}

DiscDesign designNamed(const QString &name, const TestStand &stand)
{
    if (name == QLatin1String("fixed_plot"))
        return fixedPlotDesign(stand.trees.size(), 7.0);
    if (name == QLatin1String("angle_count_baf4"))
        return angleCountDesign(stand.diameters, 4.0);
    return concentricDesign(stand.diameters, {{4.0, 0.0}, {8.0, 20.0}, {12.0, 35.0}});
}

// Circular segment cut off by a chord at distance h from the centre.
double segmentArea(double radius, double h)
{
    return radius * radius * std::acos(h / radius) - h * std::sqrt(radius * radius - h * h);
}

} // namespace

class TestDiscDesigns : public QObject
{
    Q_OBJECT

private slots:
    void limitingDistanceAndNames()
    {
        // 30 cm at BAF 4: 50 * 0.3 / 2 = 7.5 m, the 1:50 / sqrt(F) rule.
        QCOMPARE(limitingDistance(0.3, 4.0), 7.5);
        QCOMPARE(limitingDistance(0.2, 1.0), 10.0);
        QCOMPARE(angleCountName(4.0), std::string("angle_count_baf4"));
        QCOMPARE(angleCountName(0.5), std::string("angle_count_baf0.5"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, angleCountDesign({0.3}, 0.0));
    }

    void concentricRadii()
    {
        // 29 cm read as 0.29 m must still reach the 29 cm ring; 5 cm is below every ring.
        const DiscDesign design = concentricDesign({0.05, 0.1, 0.29, 0.5}, {{12.0, 29.0}, {3.0, 7.0}});
        QCOMPARE(design.radii, (std::vector<double>{0.0, 3.0, 12.0, 12.0}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, concentricDesign({0.3}, {{5.0, 0.0}, {4.0, 20.0}}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, concentricDesign({0.3}, {}));
        const DiscSampler sampler({Point{50, 50}, Point{20, 20}}, {basalArea(0.05), basalArea(0.29)},
                                  concentricDesign({0.05, 0.29}, {{12.0, 29.0}, {3.0, 7.0}}), Square,
                                  EdgeCorrection::Clip);
        QCOMPARE(sampler.unreachableTrees(), std::int64_t(1));
    }

    // One tree of radius 10 three metres from the left edge, by hand: the
    // full disc is 100 pi, the clipped one loses the segment beyond x = 0.
    void oneTreeNearAnEdge_data()
    {
        QTest::addColumn<int>("correction");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expectedArea"); // the area the tree's 10000 / a is taken with
        QTest::addColumn<int>("counts");
        const double full = Pi * 100.0;
        const double clipped = full - segmentArea(10.0, 3.0);
        QTest::newRow("none") << int(EdgeCorrection::None) << 8.0 << full << 1;
        QTest::newRow("clip") << int(EdgeCorrection::Clip) << 8.0 << clipped << 1;
        // Reflected through the tree, (8, 50) goes to (-2, 50): outside, twice.
        QTest::newRow("walkthrough, reflection outside")
            << int(EdgeCorrection::Walkthrough) << 8.0 << full << 2;
        // (5.5, 50) goes to (0.5, 50): inside, once.
        QTest::newRow("walkthrough, reflection inside")
            << int(EdgeCorrection::Walkthrough) << 5.5 << full << 1;
        // From (1, 50) the mirage point (-1, 50) is 4 m from the tree: twice.
        QTest::newRow("mirage, tree seen again") << int(EdgeCorrection::Mirage) << 1.0 << full << 2;
        // From (8, 50) the mirage point (-8, 50) is 11 m away: once.
        QTest::newRow("mirage, too far") << int(EdgeCorrection::Mirage) << 8.0 << full << 1;
        QTest::newRow("out of reach") << int(EdgeCorrection::Clip) << 14.0 << clipped << 0;
    }

    void oneTreeNearAnEdge()
    {
        QFETCH(int, correction);
        QFETCH(double, x);
        QFETCH(double, expectedArea);
        QFETCH(int, counts);
        const double g = basalArea(0.4);
        const DiscSampler sampler({Point{3.0, 50.0}}, {g}, fixedPlotDesign(1, 10.0), Square,
                                  EdgeCorrection(correction));
        const DiscEstimate e = sampler.estimate(Point{x, 50.0});
        QCOMPARE(e.treesPerHectare, counts * 10000.0 / expectedArea);
        QCOMPARE(e.basalAreaPerHectare, counts * 10000.0 * g / expectedArea);
        QCOMPARE(e.sampledTrees, counts > 0 ? 1 : 0);
    }

    // Away from the edge an angle-count tree stands for F m^2/ha of basal
    // area whatever its diameter.
    void angleCountBasalAreaIsTheFactor()
    {
        const std::vector<double> d{0.2, 0.35, 0.6};
        std::vector<double> g;
        for (const double diameter : d)
            g.push_back(basalArea(diameter));
        const DiscSampler sampler({Point{50, 50}, Point{52, 49}, Point{47, 53}}, g, angleCountDesign(d, 4.0),
                                  Square, EdgeCorrection::Clip);
        const DiscEstimate e = sampler.estimate(Point{50.5, 50.5});
        QCOMPARE(e.sampledTrees, 3);
        QVERIFY(std::abs(e.basalAreaPerHectare - 12.0) < 1e-9);
    }

    // Every design and correction but `none` is unbiased on a stand with
    // straight edges; `none` must fail the same test, or it proves nothing.
    void unbiasedOnPoissonStand_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<int>("correction");
        for (const char *design : {"fixed_plot", "angle_count_baf4", "concentric"}) {
            for (const EdgeCorrection c : {EdgeCorrection::None, EdgeCorrection::Clip,
                                           EdgeCorrection::Walkthrough, EdgeCorrection::Mirage})
                QTest::newRow(qPrintable(
                    QStringLiteral("%1 %2").arg(design).arg(QString::fromStdString(edgeCorrectionName(c)))))
                    << QString::fromLatin1(design) << int(c);
        }
    }

    void unbiasedOnPoissonStand()
    {
        QFETCH(QString, design);
        QFETCH(int, correction);
        const TestStand stand = poissonStand(5, 400.0);
        const DiscSampler sampler(stand.trees, stand.basal, designNamed(design, stand), Square,
                                  EdgeCorrection(correction));
        RandomNumbers random(17);
        constexpr int Points = 60000;
        double sum[2] = {0, 0};
        double squares[2] = {0, 0};
        for (int i = 0; i < Points; ++i) {
            const DiscEstimate e = sampler.estimate(Point{random.uniform(0, 100), random.uniform(0, 100)});
            const double values[2] = {e.treesPerHectare, e.basalAreaPerHectare};
            for (int q = 0; q < 2; ++q) {
                sum[q] += values[q];
                squares[q] += values[q] * values[q];
            }
        }
        double trueBasal = 0.0;
        for (const double g : stand.basal)
            trueBasal += g;
        const double truth[2] = {double(stand.trees.size()), trueBasal}; // one hectare
        for (int q = 0; q < 2; ++q) {
            const double mean = sum[q] / Points;
            const double standardError = std::sqrt((squares[q] / Points - mean * mean) / (Points - 1));
            const double z = (mean - truth[q]) / standardError;
            const QString where =
                QStringLiteral("%1: mean %2, truth %3, z %4").arg(q).arg(mean).arg(truth[q]).arg(z);
            if (EdgeCorrection(correction) == EdgeCorrection::None)
                QVERIFY2(z < -4.0, qPrintable(where));
            else
                QVERIFY2(std::abs(z) < 4.0, qPrintable(where));
        }
    }

    // The weights of one tree near an edge integrate to exactly one tree: the
    // grid's mean of its surface matches 1 tree per hectare of the square to
    // the discretisation. In a corner the mirage's corner reflection keeps
    // that, while the walkthrough's reflections fall partly outside again:
    // it is unbiased for straight edges only.
    void oneTreeIntegratesToOne_data()
    {
        QTest::addColumn<int>("correction");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("unbiased");
        for (const EdgeCorrection c :
             {EdgeCorrection::Clip, EdgeCorrection::Walkthrough, EdgeCorrection::Mirage}) {
            const QString name = QString::fromStdString(edgeCorrectionName(c));
            QTest::newRow(qPrintable(name + " edge")) << int(c) << 3.0 << 50.0 << true;
            QTest::newRow(qPrintable(name + " corner"))
                << int(c) << 96.0 << 2.5 << (c != EdgeCorrection::Walkthrough);
        }
    }

    void oneTreeIntegratesToOne()
    {
        QFETCH(int, correction);
        QFETCH(double, x);
        QFETCH(double, y);
        const DiscSampler sampler({Point{x, y}}, {1.0}, fixedPlotDesign(1, 10.0), Square,
                                  EdgeCorrection(correction));
        constexpr int Columns = 2000;
        std::vector<double> trees(std::size_t(Columns) * Columns, 0.0);
        std::vector<double> basal(trees.size(), 0.0);
        sampler.addToGrid(Point{0, 0}, 100.0 / Columns, Columns, 0, Columns, trees, basal);
        double sum = 0.0;
        for (const double v : trees)
            sum += v;
        QFETCH(bool, unbiased);
        const double mean = sum / double(trees.size());
        QVERIFY2((std::abs(mean - 1.0) < 2e-3) == unbiased, qPrintable(QString::number(mean)));
    }

    // The grid sums disc by disc; the numbers must be those of a point.
    void gridMatchesPoints_data()
    {
        QTest::addColumn<int>("correction");
        for (const EdgeCorrection c : {EdgeCorrection::None, EdgeCorrection::Clip,
                                       EdgeCorrection::Walkthrough, EdgeCorrection::Mirage})
            QTest::newRow(edgeCorrectionName(c).c_str()) << int(c);
    }

    void gridMatchesPoints()
    {
        QFETCH(int, correction);
        const TestStand stand = poissonStand(9, 300.0);
        const DiscSampler sampler(stand.trees, stand.basal, angleCountDesign(stand.diameters, 2.0), Square,
                                  EdgeCorrection(correction));
        constexpr int Columns = 50;
        std::vector<double> trees(std::size_t(Columns) * Columns, 0.0);
        std::vector<double> basal(trees.size(), 0.0);
        // In two bands, as the threads fill it.
        sampler.addToGrid(Point{0, 0}, 2.0, Columns, 0, 17, trees, basal);
        sampler.addToGrid(Point{0, 0}, 2.0, Columns, 17, Columns, trees, basal);
        for (int row = 0; row < Columns; ++row) {
            for (int column = 0; column < Columns; ++column) {
                const DiscEstimate e = sampler.estimate(Point{(column + 0.5) * 2.0, (row + 0.5) * 2.0});
                const double grid = trees[std::size_t(row) * Columns + std::size_t(column)];
                QVERIFY2(std::abs(grid - e.treesPerHectare) <= 1e-9 * std::max(1.0, e.treesPerHectare),
                         qPrintable(QStringLiteral("%1,%2: %3 against %4")
                                        .arg(column)
                                        .arg(row)
                                        .arg(grid)
                                        .arg(e.treesPerHectare)));
            }
        }
    }

    void surfaceGridIsCentred()
    {
        const SurfaceGrid grid = surfaceGrid(Extent{10.0, 20.0, 110.0, 70.0}, 3.0);
        QCOMPARE(grid.columns, 33);
        QCOMPARE(grid.rows, 16);
        QCOMPARE(grid.left, 10.5);
        QCOMPARE(grid.bottom, 21.0);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, surfaceGrid(Square, 0.0));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, surfaceGrid(Square, 101.0));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, surfaceGrid(Square, 1e-5));
        // 10^8 points are a grid, but not ten surfaces of them.
        SurfaceSettings settings;
        settings.spacing = 0.01;
        settings.basalAreaFactors = {1.0, 2.0, 4.0};
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 samplingSurfaces(Square, {Point{50, 50}}, {0.3}, settings));
    }

    // The mean of the surface of every unbiased design is the true value, to
    // the grid's discretisation (1 % at a quarter-metre grid).
    void surfaceMeanIsTheTrueValue_data()
    {
        QTest::addColumn<int>("correction");
        for (const EdgeCorrection c :
             {EdgeCorrection::Clip, EdgeCorrection::Walkthrough, EdgeCorrection::Mirage})
            QTest::newRow(edgeCorrectionName(c).c_str()) << int(c);
    }

    void surfaceMeanIsTheTrueValue()
    {
        QFETCH(int, correction);
        const TestStand stand = poissonStand(3, 300.0);
        SurfaceSettings settings;
        settings.k = 3;
        settings.spacing = 0.25;
        settings.basalAreaFactors = {2.0, 4.0};
        settings.concentric = {{4.0, 0.0}, {8.0, 20.0}, {12.0, 35.0}};
        settings.edgeCorrection = EdgeCorrection(correction);
        const SurfaceResult result = samplingSurfaces(Square, stand.trees, stand.diameters, settings);
        QCOMPARE(result.surfaces.size(), std::size_t(10));
        for (const Surface &s : result.surfaces) {
            const QString where =
                QStringLiteral("%1 %2: %3 against %4")
                    .arg(QString::fromStdString(s.design), QString::fromStdString(s.quantity))
                    .arg(s.mean)
                    .arg(s.trueValue);
            QVERIFY2(std::abs(s.mean - s.trueValue) < 0.01 * s.trueValue, qPrintable(where));
            QVERIFY(s.minimum <= s.mean && s.mean <= s.maximum);
            QVERIFY(s.standardDeviation > 0.0);
        }
        QCOMPARE(result.surfaces[0].design, std::string("k_tree"));
        const std::string suffix = settings.edgeCorrection == EdgeCorrection::Clip
                                       ? ""
                                       : "_" + edgeCorrectionName(settings.edgeCorrection);
        QCOMPARE(result.surfaces[2].design, "fixed_plot" + suffix);
        QCOMPARE(result.surfaces[4].design, "angle_count_baf2" + suffix);
        QCOMPARE(result.surfaces[8].design, "concentric" + suffix);
    }

    // Without correction the disc designs miss the trees beyond the edge.
    void surfaceWithoutCorrectionFallsShort()
    {
        const TestStand stand = poissonStand(3, 300.0);
        SurfaceSettings settings;
        settings.spacing = 0.5;
        settings.plotRadiusMetres = 10.0;
        settings.edgeCorrection = EdgeCorrection::None;
        const SurfaceResult result = samplingSurfaces(Square, stand.trees, stand.diameters, settings);
        QVERIFY(result.surfaces[2].mean < 0.95 * result.surfaces[2].trueValue);
    }

    // The study compares k-tree sampling with the disc designs on the same
    // samples: every one unbiased within its Monte-Carlo error, with and
    // without a buffer, under every correction but none.
    void studyComparesTheDiscDesigns_data()
    {
        QTest::addColumn<double>("buffer");
        QTest::newRow("whole stand") << 0.0;
        QTest::newRow("buffer of 10 m") << 10.0;
    }

    void studyComparesTheDiscDesigns()
    {
        QFETCH(double, buffer);
        const TestStand generated = poissonStand(7, 300.0);
        const StudyStand stand{"poisson", Square, generated.trees, generated.diameters};
        StudySettings settings;
        settings.orders = {2, 4};
        settings.replicates = 1500;
        settings.points = 16;
        settings.seed = 5;
        settings.bufferMetres = buffer;
        settings.basalAreaFactors = {4.0};
        settings.concentric = {{4.0, 0.0}, {8.0, 20.0}, {12.0, 35.0}};
        settings.edgeCorrections = {EdgeCorrection::Clip, EdgeCorrection::None, EdgeCorrection::Walkthrough,
                                    EdgeCorrection::Mirage};
        const StudyResult result = runStudy({stand}, settings);
        QCOMPARE(result.summary.size(), std::size_t(2 * (5 + 2 + 3 * 3) * 2));
        int disc = 0;
        for (const StudyRow &r : result.summary) {
            const QString name = QString::fromStdString(r.estimator);
            if (!name.startsWith(QLatin1String("angle_count")) &&
                !name.startsWith(QLatin1String("concentric")) &&
                !name.startsWith(QLatin1String("fixed_plot")))
                continue;
            ++disc;
            const QString where = QStringLiteral("k = %1 %2 %3: bias %4, Monte-Carlo error %5")
                                      .arg(r.k)
                                      .arg(name, QString::fromStdString(r.quantity))
                                      .arg(r.bias)
                                      .arg(r.monteCarloError);
            QVERIFY2(r.note.empty() && r.unreachableTrees == 0, qPrintable(where));
            // Only the fixed plot of k = 2 is small enough to stay near the
            // edge's truth without a correction.
            if (name.endsWith(QLatin1String("_none"))) {
                if (!name.startsWith(QLatin1String("fixed_plot")) || r.k > 2)
                    QVERIFY2(r.bias < -4.0 * r.monteCarloError, qPrintable(where));
            } else {
                QVERIFY2(std::abs(r.bias) < 4.0 * r.monteCarloError, qPrintable(where));
            }
        }
        QCOMPARE(disc, 2 * (1 + 2 + 3 * 3) * 2);
    }

    // A study point's disc values are the sampler's at that point.
    void studyPointsAreTheSamplersEstimates()
    {
        const TestStand generated = poissonStand(2, 200.0);
        const StudyStand stand{"poisson", Square, generated.trees, generated.diameters};
        StudySettings settings;
        settings.replicates = 3;
        settings.points = 10;
        settings.basalAreaFactors = {2.0};
        settings.edgeCorrections = {EdgeCorrection::Mirage};
        const std::vector<std::string> names = pointValueNames(settings);
        QCOMPARE(names.size(), std::size_t(2 * 7));
        QCOMPARE(names[10], std::string("fixed_plot_mirage/trees_per_ha"));
        QCOMPARE(names[12], std::string("angle_count_baf2_mirage/trees_per_ha"));
        const DiscSampler sampler(generated.trees, generated.basal,
                                  angleCountDesign(generated.diameters, 2.0), Square, EdgeCorrection::Mirage);
        int points = 0;
        runStudy({stand}, settings, {}, [&](const PointRow &row) {
            const DiscEstimate e = sampler.estimate(row.position);
            QCOMPARE(row.values[12], e.treesPerHectare);
            QCOMPARE(row.values[13], e.basalAreaPerHectare);
            ++points;
        });
        QCOMPARE(points, 30);
    }

    void studyRefusesBadDiscSettings_data()
    {
        QTest::addColumn<int>("problem");
        QTest::newRow("factor of 0") << 0;
        QTest::newRow("rings out of order") << 1;
        QTest::newRow("a correction twice") << 2;
        QTest::newRow("mirage on a torus") << 3;
    }

    void studyRefusesBadDiscSettings()
    {
        QFETCH(int, problem);
        const TestStand generated = poissonStand(2, 100.0);
        const StudyStand stand{"poisson", Square, generated.trees, generated.diameters};
        StudySettings settings;
        settings.replicates = 2;
        if (problem == 0)
            settings.basalAreaFactors = {4.0, 0.0};
        if (problem == 1)
            settings.concentric = {{8.0, 0.0}, {4.0, 20.0}};
        if (problem == 2)
            settings.edgeCorrections = {EdgeCorrection::Mirage, EdgeCorrection::Clip, EdgeCorrection::Mirage};
        if (problem == 3) {
            settings.torus = true;
            settings.edgeCorrections = {EdgeCorrection::Mirage};
        }
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, runStudy({stand}, settings));
    }

    // On the torus the discs wrap around with their whole area: unbiased
    // without any correction.
    void studyOnTheTorus()
    {
        const TestStand generated = poissonStand(4, 300.0);
        const StudyStand stand{"poisson", Square, generated.trees, generated.diameters};
        StudySettings settings;
        settings.orders = {3};
        settings.replicates = 1000;
        settings.points = 16;
        settings.torus = true;
        settings.basalAreaFactors = {4.0};
        const StudyResult result = runStudy({stand}, settings);
        for (const StudyRow &r : result.summary) {
            if (r.estimator == "angle_count_baf4")
                QVERIFY2(std::abs(r.bias) < 4.0 * r.monteCarloError, r.quantity.c_str());
        }
    }
};

QTEST_APPLESS_MAIN(TestDiscDesigns)
#include "tst_discdesigns.moc"
