#include "generatecommand.h"
#include "researchcommand.h"
#include "surfacecommand.h"
#include "surfacepicture.h"
#include "toolrun.h"
#include "zonescommand.h"
#include "zonestranslations.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <csignal>
#include <kavrel/threads.h>

namespace {

Run surface(const QStringList &arguments, const kavrel::Progress &watch = {})
{
    return runCommand([&watch](const QStringList &a, QTextStream &out,
                               QTextStream &err) { return runSurfaceCommand(a, out, err, watch); },
                      arguments);
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct AsciiGrid
{
    int columns = 0;
    int rows = 0;
    std::vector<double> values;
};

AsciiGrid readAsciiGrid(const QString &path)
{
    AsciiGrid grid;
    const QList<QByteArray> lines = fileContent(path).split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() == 2 && words[0] == "ncols")
            grid.columns = words[1].toInt();
        else if (words.size() == 2 && words[0] == "nrows")
            grid.rows = words[1].toInt();
        else if (!words.isEmpty() && !words[0].isEmpty() &&
                 (words[0][0] == '-' || std::isdigit(words[0][0]))) {
            for (const QByteArray &word : words)
                grid.values.push_back(word.toDouble());
        }
    }
    return grid;
}

} // namespace

class TestSurfaceCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_stand = m_folder.filePath(QStringLiteral("stand.txt"));
        const Run made =
            runCommand(runGenerateCommand, {"--count", "90", "--size", "60,40", "--seed", "4", m_stand});
        QCOMPARE(made.status, int(ZonesSuccess));
        m_prefix = m_folder.filePath(QStringLiteral("s"));
        m_svg = m_folder.filePath(QStringLiteral("s.svg"));
        m_png = m_folder.filePath(QStringLiteral("s.png"));
        m_run = surface({"--order", "2", "--spacing", "0.5", "--baf", "4", "--concentric", "5:0,9:30", "-o",
                         m_prefix, "--svg", m_svg, "--png", m_png, m_stand});
        QCOMPARE(m_run.status, int(ZonesSuccess));
    }

    // Every design and quantity has a line and a grid, and the grid holds
    // exactly the numbers the line sums up.
    void gridsMatchTheStatistics()
    {
        const QStringList lines = m_run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 4 * 2);
        QVERIFY(lines.front().startsWith(QStringLiteral("design,quantity,true_value,surface_mean,")));
        for (qsizetype l = 1; l < lines.size(); ++l) {
            const QStringList cells = lines[l].split(QLatin1Char(','));
            const AsciiGrid grid =
                readAsciiGrid(m_prefix + u'_' + cells[0] + u'_' + cells[1] + QStringLiteral(".asc"));
            QCOMPARE(grid.columns, 120);
            QCOMPARE(grid.rows, 80);
            QCOMPARE(grid.values.size(), std::size_t(120 * 80));
            double sum = 0.0;
            for (const double v : grid.values)
                sum += v;
            const double mean = cells[3].toDouble();
            QVERIFY2(std::abs(sum / double(grid.values.size()) - mean) <= 1e-9 * mean, qPrintable(lines[l]));
            // Every design here is unbiased: the surface's mean is the true value.
            QVERIFY2(std::abs(mean - cells[2].toDouble()) < 0.02 * cells[2].toDouble(), qPrintable(lines[l]));
        }
    }

    // Each panel shows the stand to its proportions, and its colour scale
    // runs from the surface's minimum to its maximum.
    void svgHasProportionsAndScale()
    {
        const QString svg = QString::fromUtf8(fileContent(m_svg));
        static const QRegularExpression frame(QStringLiteral(
            "<rect class=\"stand\" x=\"[^\"]+\" y=\"[^\"]+\" width=\"([^\"]+)\" height=\"([^\"]+)\""));
        static const QRegularExpression scale(QStringLiteral(
            "data-design=\"([^\"]+)\" data-quantity=\"([^\"]+)\"[\\s\\S]*?data-minimum=\"([^\"]+)\" "
            "data-maximum=\"([^\"]+)\""));
        int frames = 0;
        for (auto match = frame.globalMatch(svg); match.hasNext(); ++frames) {
            const QRegularExpressionMatch m = match.next();
            QVERIFY(std::abs(m.captured(1).toDouble() / m.captured(2).toDouble() - 1.5) < 0.01);
        }
        QCOMPARE(frames, 8);
        int scales = 0;
        for (auto match = scale.globalMatch(svg); match.hasNext(); ++scales) {
            const QRegularExpressionMatch m = match.next();
            const AsciiGrid grid = readAsciiGrid(m_prefix + u'_' + m.captured(1) + u'_' + m.captured(2) +
                                                 QStringLiteral(".asc"));
            const auto [low, high] = std::minmax_element(grid.values.begin(), grid.values.end());
            QCOMPARE(m.captured(3).toDouble(), *low);
            QCOMPARE(m.captured(4).toDouble(), *high);
        }
        QCOMPARE(scales, 8);
    }

    void pngHasTheLayout()
    {
        QImage image;
        QVERIFY(image.loadFromData(fileContent(m_png), "PNG"));
        kavrel::SurfaceResult result;
        result.surfaces.resize(8);
        const SurfacePictureLayout layout = surfacePictureLayout(result, kavrel::Extent{0, 0, 60, 40});
        QCOMPARE(image.size(), layout.size);
        // The frame's inside is painted, the margin left white.
        const QRectF frame = layout.panels.front().frame;
        QVERIFY(image.pixel(frame.center().toPoint()) != qRgb(255, 255, 255));
        QCOMPARE(image.pixel(1, 1), qRgb(255, 255, 255));
    }

    void layoutKeepsProportions_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("length");
        QTest::newRow("wide") << 250.0 << 100.0;
        QTest::newRow("tall") << 30.0 << 400.0;
        QTest::newRow("square") << 100.0 << 100.0;
    }

    void layoutKeepsProportions()
    {
        QFETCH(double, width);
        QFETCH(double, length);
        kavrel::SurfaceResult result;
        result.surfaces.resize(3);
        const SurfacePictureLayout layout =
            surfacePictureLayout(result, kavrel::Extent{5, 5, 5 + width, 5 + length});
        QCOMPARE(layout.panels.size(), std::size_t(3));
        for (const SurfacePanelLayout &panel : layout.panels) {
            QVERIFY(std::abs(panel.frame.width() / panel.frame.height() - width / length) < 1e-9);
            QCOMPARE(panel.scale.height(), panel.frame.height());
            QVERIFY(QRectF(QPointF(0, 0), QSizeF(layout.size)).contains(panel.scale));
        }
    }

    // The scale reads in grey as well: each step is lighter than the last.
    void colourScaleGetsLighter()
    {
        double previous = -1.0;
        for (int step = 0; step <= 50; ++step) {
            const QRgb c = surfaceColour(step / 50.0);
            const double luminance = 0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c);
            QVERIFY2(luminance > previous, qPrintable(QString::number(step)));
            previous = luminance;
        }
    }

    void threadCounts_data()
    {
        QTest::addColumn<QString>("threads");
        QTest::addColumn<int>("status");
        QTest::newRow("one") << "1" << int(ZonesSuccess);
        QTest::newRow("the most") << "1024" << int(ZonesSuccess);
        QTest::newRow("none") << "0" << int(ZonesUsageError);
        QTest::newRow("too many") << "1025" << int(ZonesUsageError);
        QTest::newRow("not a number") << "two" << int(ZonesUsageError);
        QTest::newRow("with a sign") << "+2" << int(ZonesUsageError);
        QTest::newRow("empty") << "" << int(ZonesUsageError);
    }

    void threadCounts()
    {
        QFETCH(QString, threads);
        QFETCH(int, status);
        const Run result = surface({"--spacing", "4", "--threads", threads, m_stand});
        kavrel::setThreadCount(0);
        QCOMPARE(result.status, status);
        if (status == ZonesUsageError) {
            QVERIFY2(result.err.contains(QStringLiteral("--threads")), qPrintable(result.err));
            QVERIFY(result.out.isEmpty());
        }
    }

    // The grids, the picture and the statistics do not depend on how many
    // threads computed them, to the byte.
    void threadsChangeNoByte()
    {
        QByteArray reference;
        for (const char *threads : {"1", "3"}) {
            const QString prefix = m_folder.filePath(QStringLiteral("threads%1").arg(threads));
            const Run result = surface({"--order", "3", "--spacing", "0.5", "--baf", "4", "--edge-correction",
                                        "mirage", "--threads", threads, "-o", prefix, "--svg",
                                        prefix + QStringLiteral(".svg"), m_stand});
            kavrel::setThreadCount(0);
            QCOMPARE(result.status, int(ZonesSuccess));
            QByteArray bytes = result.out.toUtf8() + fileContent(prefix + QStringLiteral(".svg"));
            for (const char *grid : {"_k_tree_trees_per_ha.asc", "_k_tree_basal_area_m2_per_ha.asc",
                                     "_fixed_plot_mirage_trees_per_ha.asc",
                                     "_angle_count_baf4_mirage_basal_area_m2_per_ha.asc"}) {
                const QByteArray content = fileContent(prefix + QString::fromLatin1(grid));
                QVERIFY2(content.size() > 120 * 80, grid);
                bytes += content;
            }
            if (reference.isEmpty())
                reference = bytes;
            QVERIFY2(bytes == reference, threads);
        }
    }

    // The progress runs once over the whole computation, zones and grid, on
    // one scale.
    void progressRunsOnce()
    {
        std::vector<std::pair<std::int64_t, std::int64_t>> reports;
        const Run result = surface({"--spacing", "0.5", m_stand}, [&](std::int64_t done, std::int64_t total) {
            reports.emplace_back(done, total);
            return true;
        });
        QCOMPARE(result.status, int(ZonesSuccess));
        QVERIFY(reports.size() >= 3);
        QCOMPARE(reports.front().first, 0);
        const std::int64_t total = reports.front().second;
        QCOMPARE(total, 90 + 10); // trees, then blocks of rows
        for (std::size_t r = 1; r < reports.size(); ++r) {
            QCOMPARE(reports[r].second, total);
            QVERIFY(reports[r].first >= reports[r - 1].first);
        }
        QCOMPARE(reports.back().first, total);
    }

    // A stop, asked for by the caller or by Ctrl+C, at any moment of the
    // computation, up to its very end, leaves every output as it was.
    void stopWritesNothing_data()
    {
        QTest::addColumn<bool>("bySignal");
        QTest::addColumn<int>("at");
        QTest::newRow("asked at the start") << false << 0;
        QTest::newRow("asked in the zones") << false << 1;
        QTest::newRow("asked in the grid") << false << 95;
        QTest::newRow("asked at the end") << false << 100;
        QTest::newRow("Ctrl+C in the zones") << true << 1;
        QTest::newRow("Ctrl+C in the grid") << true << 92;
        QTest::newRow("Ctrl+C at the end") << true << 100;
    }

    void stopWritesNothing()
    {
        QFETCH(bool, bySignal);
        QFETCH(int, at);
        QDir folder(m_folder.filePath(QStringLiteral("stopped")));
        QVERIFY(folder.removeRecursively() && folder.mkpath(QStringLiteral(".")));
        const QString svg = folder.filePath(QStringLiteral("s.svg"));
        {
            QFile old(svg);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        const auto handlerNow = [] {
            const auto handler = std::signal(SIGINT, SIG_DFL);
            std::signal(SIGINT, handler);
            return handler;
        };
        const auto before = handlerNow();
        bool acted = false;
        const Run result =
            surface({"--spacing", "0.5", "--baf", "4", "-o", folder.filePath(QStringLiteral("s")), "--svg",
                     svg, "--png", folder.filePath(QStringLiteral("s.png")), m_stand},
                    [&](std::int64_t done, std::int64_t) {
                        if (acted || done < at)
                            return true;
                        acted = true;
                        // Ctrl+C reaches the tool as SIGINT: were it not
                        // caught, it would end this test.
                        if (bySignal)
                            std::raise(SIGINT);
                        return bySignal;
                    });
        QVERIFY(acted);
        QCOMPARE(result.status, 130);
        QVERIFY2(result.err.contains(QStringLiteral("abgebrochen, keine Datei geschrieben.")),
                 qPrintable(result.err));
        QVERIFY(result.out.isEmpty());
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("s.svg")});
        QCOMPARE(fileContent(svg), QByteArray("old"));
        QVERIFY(handlerNow() == before);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("no spacing") << QStringList{"--baf", "4"} << QStringLiteral("--spacing");
        QTest::newRow("bad factor") << QStringList{"--spacing", "1", "--baf", "4,x"}
                                    << QStringLiteral("--baf");
        QTest::newRow("zero factor") << QStringList{"--spacing", "1", "--baf", "0"}
                                     << QStringLiteral("--baf");
        QTest::newRow("bad ring") << QStringList{"--spacing", "1", "--concentric", "5;0"}
                                  << QStringLiteral("--concentric");
        QTest::newRow("rings out of order")
            << QStringList{"--spacing", "1", "--concentric", "9:0,5:30"} << QStringLiteral("concentric");
        QTest::newRow("bad correction") << QStringList{"--spacing", "1", "--edge-correction", "reflect"}
                                        << QStringLiteral("--edge-correction");
        QTest::newRow("spacing beyond the stand")
            << QStringList{"--spacing", "100"} << QStringLiteral("spacing");
        QTest::newRow("bad order") << QStringList{"--spacing", "1", "--order", "0"}
                                   << QStringLiteral("--order");
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        const Run result = surface(arguments + QStringList{m_stand});
        QCOMPARE(result.status, int(ZonesUsageError));
        QVERIFY2(result.err.contains(named), qPrintable(result.err));
        QVERIFY(result.out.isEmpty());
    }

    void unwritableGridIsReported()
    {
        const QString prefix = m_folder.filePath(QStringLiteral("no-such-folder/s"));
        const Run result = surface({"--spacing", "2", "-o", prefix, m_stand});
        QCOMPARE(result.status, int(ZonesOutputNotWritten));
        QVERIFY(result.err.contains(QStringLiteral("no-such-folder")));
    }

    // The surface's help and messages come in the tool's languages; a text
    // missing from a translation stays German and is caught here.
    void speaksTheToolsLanguages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        for (const char *language : {"en", "es", "sk"}) {
            QTest::addRow("%s: help", language) << QString::fromLatin1(language) << QStringList{"--help"};
            QTest::addRow("%s: no spacing", language)
                << QString::fromLatin1(language) << QStringList{"x.txt"};
            QTest::addRow("%s: bad rings", language)
                << QString::fromLatin1(language)
                << QStringList{"--spacing", "1", "--concentric", "1", "x.txt"};
            QTest::addRow("%s: plot help", language)
                << QString::fromLatin1(language) << QStringList{"--help"};
        }
    }

    void speaksTheToolsLanguages()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        const Run german = surface(arguments);
        Run translated;
        {
            const ZonesTranslations translations(language);
            QVERIFY(translations.complete());
            translated = surface(arguments);
        }
        QCOMPARE(translated.status, german.status);
        const QStringList germanLines = (german.out + german.err).split(u'\n', Qt::SkipEmptyParts);
        const QStringList translatedLines =
            (translated.out + translated.err).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(translatedLines.size(), germanLines.size());
        for (qsizetype l = 0; l < germanLines.size(); ++l) {
            if (germanLines[l].contains(u'\u00fc') || germanLines[l].contains(QStringLiteral(" der ")) ||
                germanLines[l].contains(QStringLiteral(" oder ")))
                QVERIFY2(translatedLines[l] != germanLines[l], qPrintable(translatedLines[l]));
        }
    }

private:
    QTemporaryDir m_folder;
    QString m_stand;
    QString m_prefix;
    QString m_svg;
    QString m_png;
    Run m_run;
};

QTEST_GUILESS_MAIN(TestSurfaceCli)
#include "tst_surfacecli.moc"
