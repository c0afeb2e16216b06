#include "studyplot.h"

#include <QRegularExpression>
#include <QTest>
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

    void emptySummaryGivesAPicture()
    {
        const QByteArray svg = studyPlotSvg({});
        QVERIFY(svg.startsWith("<?xml"));
        QVERIFY(svg.trimmed().endsWith("</svg>"));
    }
};

QTEST_APPLESS_MAIN(TestStudyPlot)
#include "tst_studyplot.moc"
