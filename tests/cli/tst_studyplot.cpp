#include "generatecommand.h"
#include "studycommand.h"
#include "studyplot.h"
#include "zonescommand.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <cmath>

using namespace kavrel;

namespace {

StudyRow studyRow(int k, const char *design, const char *estimator, const char *quantity, double bias)
{
    StudyRow r;
    r.stand = "poisson.txt";
    r.k = k;
    r.design = design;
    r.estimator = estimator;
    r.quantity = quantity;
    r.trueValue = 400.0;
    r.bias = bias;
    r.mean = r.trueValue + bias;
    r.empiricalStandardError = 30.0;
    r.monteCarloError = 1.5;
    r.rmse = std::sqrt(900.0 + bias * bias);
    r.coverage = 0.93;
    r.replicates = 400;
    return r;
}

std::vector<StudyRow> summary()
{
    std::vector<StudyRow> rows;
    for (const int k : {1, 2, 3}) {
        for (const char *design : {"random", "systematic"}) {
            for (const char *quantity : {"trees_per_ha", "basal_area_m2_per_ha"}) {
                rows.push_back(studyRow(k, design, "horvitz_thompson", quantity, 0.5));
                rows.push_back(studyRow(k, design, "angle_count_baf4", quantity, -0.3));
                StudyRow distance = studyRow(k, design, "k_over_pi_rk2", quantity, 80.0 / k);
                if (k == 1) {
                    // No finite expectation: the row has no numbers to draw.
                    distance.note = "infinite_expectation";
                    distance.bias = distance.rmse = distance.coverage = NAN;
                }
                rows.push_back(distance);
            }
        }
    }
    return rows;
}

} // namespace

class TestStudyPlot : public QObject
{
    Q_OBJECT

private slots:
    void listsEveryEstimatorAndDesign()
    {
        const QString svg = QString::fromUtf8(studyPlotSvg(summary()));
        const qsizetype legend = svg.indexOf(QStringLiteral("<g class=\"legend\">"));
        QVERIFY(legend > 0);
        const QString legendText = svg.mid(legend);
        for (const char *estimator : {"horvitz_thompson", "angle_count_baf4", "k_over_pi_rk2"}) {
            for (const char *design : {"random", "systematic"})
                QVERIFY2(legendText.contains(QStringLiteral("%1 (%2)").arg(estimator, design)), estimator);
        }
        QVERIFY(!svg.contains(QStringLiteral("nan")) && !svg.contains(QStringLiteral("inf")));
    }

    // Per quantity the three panels; the coverage panel has its 95 % line;
    // every finite statistic has an error bar.
    void panelsLinesAndErrorBars()
    {
        const QString svg = QString::fromUtf8(studyPlotSvg(summary()));
        QCOMPARE(svg.count(QStringLiteral("<g class=\"panel\"")), 2 * 3);
        QCOMPARE(svg.count(QStringLiteral("data-statistic=\"coverage of 95 % intervals\"")), 2);
        QCOMPARE(svg.count(QStringLiteral("data-value=\"0.95\"")), 2);
        // 2 quantities x 3 statistics x (2 designs x (3 + 3 + 2) points).
        QCOMPARE(svg.count(QStringLiteral("class=\"error-bar\"")), 2 * 3 * 2 * 8);
    }

    // In black and white the series differ by marker and dash: no two
    // legend entries draw alike.
    void seriesLookDifferent()
    {
        const QString svg = QString::fromUtf8(studyPlotSvg(summary()));
        static const QRegularExpression entry(
            QStringLiteral("<line x1=\"[^\"]+\" y1=\"[^\"]+\" x2=\"[^\"]+\" "
                           "y2=\"[^\"]+\" stroke=\"black\"([^/]*)/>(<[a-z]+)( points=\"[^\"]*\")?[^>]*"
                           "fill=\"(black|white)\""));
        QStringList looks;
        for (auto match = entry.globalMatch(svg.mid(svg.indexOf(QStringLiteral("class=\"legend\""))));
             match.hasNext();) {
            const QRegularExpressionMatch m = match.next();
            // The dash, the shape (its corner count) and the fill.
            looks << m.captured(1) + m.captured(2) + QString::number(m.captured(3).count(u',')) +
                         m.captured(4);
        }
        QCOMPARE(looks.size(), 6);
        looks.removeDuplicates();
        QCOMPARE(looks.size(), 6);
    }

    // One call compares k-tree sampling with angle-count, concentric and
    // fixed plots under two corrections; the picture names every estimator.
    void studyCallComparesAndDraws()
    {
        QTemporaryDir folder;
        const QString stand = folder.filePath(QStringLiteral("stand.txt"));
        const QString plot = folder.filePath(QStringLiteral("plot.svg"));
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        QCOMPARE(runGenerateCommand({"--count", "150", "--size", "60,50", "--seed", "3", stand}, outStream,
                                    errStream),
                 int(ZonesSuccess));
        out.clear();
        QCOMPARE(runStudyCommand({"--order", "1-3", "--replicates", "30", "--points", "6", "--baf", "2",
                                  "--baf", "4", "--concentric", "3:0,7:25", "--edge-correction",
                                  "clip,mirage", "--plot", plot, stand},
                                 outStream, errStream),
                 int(ZonesSuccess));
        outStream.flush();
        QStringList estimators;
        for (const QString &line : out.split(u'\n', Qt::SkipEmptyParts).mid(1)) {
            const QString estimator = line.section(u',', 4, 4);
            if (!estimators.contains(estimator))
                estimators << estimator;
        }
        QCOMPARE(estimators,
                 (QStringList{"horvitz_thompson", "k_over_pi_rk2", "k_minus_1_over_pi_rk2",
                              "k_minus_half_over_pi_rk2", "fixed_plot", "angle_count_baf2",
                              "angle_count_baf4", "concentric", "fixed_plot_mirage",
                              "angle_count_baf2_mirage", "angle_count_baf4_mirage", "concentric_mirage"}));
        QFile file(plot);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        const QString legend = svg.mid(svg.indexOf(QStringLiteral("<g class=\"legend\">")));
        for (const QString &estimator : estimators)
            QVERIFY2(legend.contains(QStringLiteral(">%1 (random)<").arg(estimator)), qPrintable(estimator));
    }

    void badCorrectionsAreUsageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown") << QStringList{"--edge-correction", "reflect"};
        QTest::newRow("twice") << QStringList{"--edge-correction", "mirage,mirage"};
        QTest::newRow("on a torus") << QStringList{"--torus", "--edge-correction", "walkthrough"};
        QTest::newRow("bad factor") << QStringList{"--baf", "4,0"};
    }

    void badCorrectionsAreUsageErrors()
    {
        QFETCH(QStringList, arguments);
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        QTemporaryDir folder;
        const QString stand = folder.filePath(QStringLiteral("stand.txt"));
        QFile file(stand);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("50,50\n3\n10,10,30\n20,30,25\n40,40,40\n");
        file.close();
        QCOMPARE(runStudyCommand(arguments + QStringList{"--replicates", "2", stand}, outStream, errStream),
                 int(ZonesUsageError));
    }

    void emptySummaryGivesAPicture()
    {
        const QByteArray svg = studyPlotSvg({});
        QVERIFY(svg.startsWith("<?xml"));
        QVERIFY(svg.trimmed().endsWith("</svg>"));
    }
};

QTEST_APPLESS_MAIN(TestStudyPlot)
#include "tst_studyplot.moc"
