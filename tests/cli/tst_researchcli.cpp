#include "files/filesystemname.h"
#include "toolrun.h"
#include "zonescommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <kavrel/threads.h>
#include <numbers>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// Shoelace area of a GeoJSON ring (first position repeated at the end).
double ringArea(const QJsonArray &ring)
{
    double twice = 0.0;
    for (qsizetype p = 0; p + 1 < ring.size(); ++p) {
        const QJsonArray a = ring[p].toArray();
        const QJsonArray b = ring[p + 1].toArray();
        twice += a[0].toDouble() * b[1].toDouble() - b[0].toDouble() * a[1].toDouble();
    }
    return twice / 2.0;
}

double geometryArea(const QJsonObject &geometry)
{
    const QString type = geometry[QStringLiteral("type")].toString();
    const QJsonArray coordinates = geometry[QStringLiteral("coordinates")].toArray();
    QList<QJsonArray> polygons;
    if (type == QLatin1String("Polygon"))
        polygons.append(coordinates);
    else if (type == QLatin1String("MultiPolygon"))
        for (const QJsonValue &polygon : coordinates)
            polygons.append(polygon.toArray());
    double area = 0.0;
    for (const QJsonArray &polygon : polygons) {
        const QJsonArray outer = polygon[0].toArray();
        if (outer.first() != outer.last())
            return std::nan("");
        area += ringArea(outer);
        for (qsizetype hole = 1; hole < polygon.size(); ++hole)
            area += ringArea(polygon[hole].toArray());
    }
    return area;
}

} // namespace

class TestResearchCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void badOptions_data();
    void badOptions();
    void areasPerTree_data();
    void areasPerTree();
    void areasTakeEveryTreeAsWritten();
    void threadCountChangesNoNumber_data();
    void threadCountChangesNoNumber();
    void estimatorTable_data();
    void estimatorTable();
    void humanTableIsAligned();
    void geoJsonMatchesAreas_data();
    void geoJsonMatchesAreas();
    void svgDrawing();
    void svgThatCannotBeWritten_data();
    void svgThatCannotBeWritten();
    void svgThroughLinkAndAnyName();
    void refusesDiametersNoResultCanUse_data();
    void refusesDiametersNoResultCanUse();
    void edgeTableTakesAnyDiameter_data();
    void edgeTableTakesAnyDiameter();

private:
    QString writeStand(const QString &name, const QByteArray &content);

    QTemporaryDir m_dir;
    QString m_twoTrees;
    QString m_mixed;
};

QString TestResearchCli::writeStand(const QString &name, const QByteArray &content)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

void TestResearchCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Symmetric about the stand's centre, without a shared X or Y (which
    // would be nudged apart).
    m_twoTrees = writeStand(QStringLiteral("two.txt"), "100,100\n2\n25,40,20\n75,60,40\n");
    // Trees inside, on the edge and outside; the last one is hidden behind
    // the others at low orders.
    m_mixed = writeStand(QStringLiteral("mixed.txt"), "120,80\n9\n10,10,30\n50,40,25\n90,70,41\n115,20,18\n"
                                                      "60,-6,22\n-8,50,35\n30,70,27\n0,80,31\n60,-400,50\n");
    QVERIFY(!m_twoTrees.isEmpty());
    QVERIFY(!m_mixed.isEmpty());
}

void TestResearchCli::badOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    const QString stand = QStringLiteral("STAND");
    QTest::newRow("random points and grid together")
        << QStringList{"--simulate", "10", "--grid", "5", stand} << 2 << "--grid";
    QTest::newRow("zero points") << QStringList{"--simulate", "0", stand} << 2 << "--simulate";
    QTest::newRow("points not a number") << QStringList{"--simulate", "ten", stand} << 2 << "--simulate";
    QTest::newRow("too many points") << QStringList{"--simulate", "100000001", stand} << 2 << "--simulate";
    QTest::newRow("negative seed") << QStringList{"--simulate", "10", "--seed", "-1", stand} << 2 << "--seed";
    QTest::newRow("seed without random points")
        << QStringList{"--grid", "5", "--seed", "3", stand} << 2 << "--seed";
    QTest::newRow("zero spacing") << QStringList{"--grid", "0", stand} << 2 << "--grid";
    QTest::newRow("negative spacing") << QStringList{"--grid", "-4", stand} << 2 << "--grid";
    QTest::newRow("spacing not finite") << QStringList{"--grid", "inf", stand} << 2 << "--grid";
    QTest::newRow("grid too fine for the stand") << QStringList{"--grid", "0.001", stand} << 2 << "--grid";
    QTest::newRow("csv without a simulation") << QStringList{"--areas", "--csv", stand} << 2 << "--csv";
    QTest::newRow("two outputs at once") << QStringList{"--areas", "--geojson", stand} << 2 << "--geojson";
    QTest::newRow("selection with areas")
        << QStringList{"--areas", "--select", "3,4", stand} << 2 << "--select";
    QTest::newRow("unknown diameter unit")
        << QStringList{"--simulate", "5", "--diameter-unit", "in", stand} << 2 << "--diameter-unit";
    QTest::newRow("diameter unit without a simulation")
        << QStringList{"--areas", "--diameter-unit", "mm", stand} << 2 << "--diameter-unit";
    QTest::newRow("svg without a file name") << QStringList{stand, "--svg"} << 2 << "--svg";
    QTest::newRow("empty svg file name") << QStringList{"--svg=", stand} << 2 << "--svg";
    QTest::newRow("stand rectangle without a research option")
        << QStringList{"--stand", "100,100", stand} << 2 << "--stand";
    QTest::newRow("stand rectangle with one value")
        << QStringList{"--areas", "--stand", "100", stand} << 2 << "--stand";
    QTest::newRow("stand rectangle without width")
        << QStringList{"--areas", "--stand", "5,0,5,10", stand} << 2 << "--stand";
    QTest::newRow("stand rectangle not a number")
        << QStringList{"--areas", "--stand", "100,8O", stand} << 2 << "--stand";
    QTest::newRow("stand rectangle for a stand file")
        << QStringList{"--areas", "--stand", "100,100", stand} << 2 << "--stand";
    QTest::newRow("unreadable stand file")
        << QStringList{"--areas", "/nonexistent/stand.txt"} << 1 << "stand.txt";
    QTest::newRow("spacing too small for a short message")
        << QStringList{"--grid", "1e-320", stand} << 2 << "e-321";
    QTest::newRow("points with line break") << QStringList{"--simulate", "10\n", stand} << 2 << "--simulate";
    QTest::newRow("seed with line break")
        << QStringList{"--simulate", "10", "--seed", "3\n", stand} << 2 << "--seed";
    QTest::newRow("spacing with line break") << QStringList{"--grid", "5\n", stand} << 2 << "--grid";
    QTest::newRow("no threads") << QStringList{"--areas", "--threads", "0", stand} << 2 << "--threads";
    QTest::newRow("threads not a number")
        << QStringList{"--areas", "--threads=all", stand} << 2 << "--threads";
    QTest::newRow("threads beyond the limit")
        << QStringList{"--areas", "--threads", "1025", stand} << 2 << "--threads";
}

void TestResearchCli::badOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    arguments.replaceInStrings(QStringLiteral("STAND"), m_twoTrees);

    const Run run = runTool(arguments);
    QCOMPARE(run.status, status);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(run.err.size() < 300, qPrintable(run.err));
}

// A diameter beyond 1e9, which the window shows, is refused by the research
// modes, whose basal areas square it; a negative one is read, but no research
// mode works with it either.
void TestResearchCli::refusesDiametersNoResultCanUse_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("mode");
    QTest::addColumn<QString>("message");

    const QByteArray huge = "1,1\n1\n0,0,1e160\n";
    const QByteArray negative = "10,10\n2\n1,1,20\n5,5,-3\n";
    QTest::newRow("1e160 simulated as csv") << huge << QStringList{"--simulate", "2", "--csv"} << "Baum 1";
    QTest::newRow("1e160 on a grid") << huge << QStringList{"--grid", "0.5"} << "Baum 1";
    QTest::newRow("1e10 areas") << QByteArray("10,10\n2\n1,1,20\n5,5,1e10\n") << QStringList{"--areas"}
                                << "Baum 2";
    QTest::newRow("1e10 in a stem map")
        << QByteArray("x,y,d\n1,1,20\n5,5,1e10\n") << QStringList{"--areas", "--stand", "10,10"}
        << "Zeile 3, Spalte \u201Ed\u201C";
    QTest::newRow("negative simulated") << negative << QStringList{"--simulate", "20", "--csv"} << "Baum 2";
    QTest::newRow("negative on a grid") << negative << QStringList{"--grid", "1"} << "Baum 2";
    QTest::newRow("negative areas") << negative << QStringList{"--areas"} << "Baum 2";
    QTest::newRow("negative geojson") << negative << QStringList{"--geojson"} << "Baum 2";
}

void TestResearchCli::refusesDiametersNoResultCanUse()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, mode);
    QFETCH(QString, message);
    const QString stand = writeStand(QStringLiteral("diameters.txt"), content);
    const Run run = runTool(mode << stand);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("diameters.txt")), qPrintable(run.err));
}

void TestResearchCli::edgeTableTakesAnyDiameter_data()
{
    QTest::addColumn<QByteArray>("diameter");
    QTest::newRow("negative") << QByteArray("-3");
    QTest::newRow("1e10") << QByteArray("1e10");
    QTest::newRow("-1e300") << QByteArray("-1e300");
}

// The edge table never looks at diameters: a negative or a huge one is no
// reason to refuse it, as the window shows such a stand too.
void TestResearchCli::edgeTableTakesAnyDiameter()
{
    QFETCH(QByteArray, diameter);
    const QString stand = writeStand(QStringLiteral("any.txt"), "10,10\n2\n1,1,20\n5,5," + diameter + "\n");
    const Run run = runTool({stand});
    QCOMPARE(run.status, 0);
    QVERIFY(!run.out.isEmpty());
}

void TestResearchCli::areasPerTree_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("expected");

    // The bisector runs through the centre and halves the stand.
    QTest::newRow("k=1") << "1"
                         << "1,25,40,20,5000,0.5\n2,75,60,40,5000,0.5\n";
    QTest::newRow("k=2") << "2"
                         << "1,25,40,20,10000,1\n2,75,60,40,10000,1\n";
    QTest::newRow("k beyond the tree count") << "7"
                                             << "1,25,40,20,10000,1\n2,75,60,40,10000,1\n";
}

void TestResearchCli::areasPerTree()
{
    QFETCH(QString, order);
    QFETCH(QString, expected);

    const Run run = runTool({"--areas", "--order", order, m_twoTrees});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, expected);
    QVERIFY(run.err.isEmpty());
}

void TestResearchCli::threadCountChangesNoNumber_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("areas") << QStringList{"--areas", "--order", "3"};
    QTest::newRow("simulation") << QStringList{"--simulate", "2000", "--order", "2", "--csv"};
    QTest::newRow("zones") << QStringList{"--geojson", "--order", "4"};
}

void TestResearchCli::threadCountChangesNoNumber()
{
    QFETCH(QStringList, arguments);
    const Run one = runTool(arguments + QStringList{"--threads", "1", m_mixed});
    const Run three = runTool(arguments + QStringList{"--threads=3", m_mixed});
    kavrel::setThreadCount(0);
    QCOMPARE(one.status, 0);
    QCOMPARE(three.status, 0);
    QVERIFY(!one.out.isEmpty());
    QCOMPARE(three.out, one.out);
}

// Research takes every tree at its written coordinates: no cap at 50 and
// no separation of coincident trees, which share their zone.
void TestResearchCli::areasTakeEveryTreeAsWritten()
{
    QByteArray content = "100,100\n60\n40,40,20\n40,40,30\n";
    for (int t = 2; t < 60; ++t)
        content +=
            QByteArray::number(1 + (t * 37) % 97) + ',' + QByteArray::number(1 + (t * 53) % 89) + ",25\n";
    const QString path = writeStand(QStringLiteral("sixty.txt"), content);

    const Run run = runTool({"--areas", "--order", "3", path});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 60);
    const QStringList first = lines[0].split(QLatin1Char(','));
    const QStringList second = lines[1].split(QLatin1Char(','));
    QCOMPARE(first.mid(1, 2), QStringList({"40", "40"}));
    QCOMPARE(second.mid(1, 2), QStringList({"40", "40"}));
    QCOMPARE(second[4], first[4]);
    QVERIFY(lines[59].startsWith(QLatin1String("60,")));
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char(','));
        QCOMPARE(fields.size(), 6);
        QVERIFY(std::abs(fields[5].toDouble() - fields[4].toDouble() / 10000.0) <= 1e-12);
    }
}

void TestResearchCli::estimatorTable_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("estimator");
    QTest::addColumn<QString>("mean"); // "NA" or a number
    QTest::addColumn<double>("trueValue");
    QTest::addColumn<QString>("tail"); // k,points,never_sampled

    // Two trees of 20 cm and 40 cm; the grid points (25|75, 25|75) lie 15 m
    // or 35 m from their nearest tree, two on each side of the bisector, so
    // each point counts its tree as 2 trees/ha.
    const double pi = std::numbers::pi;
    const double g1 = pi / 4.0 * 0.2 * 0.2;
    const double g2 = pi / 4.0 * 0.4 * 0.4;
    const QStringList grid{"--grid", "50"};
    const QString gridTail = QStringLiteral("1,4,0");
    QTest::newRow("grid: HT trees") << grid << "ht_trees_per_ha"
                                    << "2" << 2.0 << gridTail;
    QTest::newRow("grid: HT basal area")
        << grid << "ht_basal_area_m2_per_ha" << QString::number(g1 + g2, 'g', 17) << g1 + g2 << gridTail;
    QTest::newRow("grid: k/(pi r^2)")
        << grid << "k_over_pi_rk2_trees_per_ha"
        << QString::number((1.0 / 225.0 + 1.0 / 1225.0) / 2.0 * 10000.0 / pi, 'g', 17) << 2.0 << gridTail;
    QTest::newRow("grid: (k-1)/(pi r^2) needs k=2") << grid << "k_minus_1_over_pi_rk2_trees_per_ha"
                                                    << "NA" << 2.0 << gridTail;
    QTest::newRow("diameters in millimetres")
        << QStringList{"--grid", "50", "--diameter-unit", "mm"} << "ht_basal_area_m2_per_ha"
        << QString::number((g1 + g2) / 100.0, 'g', 17) << (g1 + g2) / 100.0 << gridTail;
    QTest::newRow("diameters in metres")
        << QStringList{"--grid", "50", "--diameter-unit", "m"} << "ht_basal_area_m2_per_ha"
        << QString::number((g1 + g2) * 1e4, 'g', 17) << (g1 + g2) * 1e4 << gridTail;
    // With k=2 both trees are in every sample, each zone is the whole stand.
    QTest::newRow("random points, k=2")
        << QStringList{"--simulate", "300", "--seed", "4", "--order", "2"} << "ht_trees_per_ha"
        << "2" << 2.0 << QStringLiteral("2,300,0");
}

void TestResearchCli::estimatorTable()
{
    QFETCH(QStringList, options);
    QFETCH(QString, estimator);
    QFETCH(QString, mean);
    QFETCH(double, trueValue);
    QFETCH(QString, tail);

    const Run run = runTool(options + QStringList{"--csv", m_twoTrees});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0],
             QStringLiteral("estimator,mean,true_value,relative_bias,standard_error,k,points,never_sampled"));
    const auto row = std::find_if(lines.cbegin(), lines.cend(), [&](const QString &line) {
        return line.startsWith(estimator + QLatin1Char(','));
    });
    QVERIFY(row != lines.cend());
    const QStringList fields = row->split(QLatin1Char(','));
    QCOMPARE(fields.size(), 8);
    QVERIFY(std::abs(fields[2].toDouble() - trueValue) <= 1e-12 * trueValue);
    QCOMPARE(fields.mid(5).join(QLatin1Char(',')), tail);
    if (mean == QLatin1String("NA")) {
        QCOMPARE(fields[1], mean);
        QCOMPARE(fields[3], mean);
        return;
    }
    const double expected = mean.toDouble();
    QVERIFY2(std::abs(fields[1].toDouble() - expected) <= 1e-12 * expected, qPrintable(*row));
    const double bias = (expected - trueValue) / trueValue;
    QVERIFY2(std::abs(fields[3].toDouble() - bias) <= 1e-9, qPrintable(*row));
}

void TestResearchCli::humanTableIsAligned()
{
    const Run run = runTool({"--simulate", "2000", "--order", "2", m_mixed});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    QVERIFY(run.out.contains(QStringLiteral("9 Bäume, Ordnung k = 2")));
    QVERIFY(run.out.contains(QStringLiteral("2000 gleichverteilte Zufallspunkte, Startwert 1")));
    QVERIFY(run.out.contains(QStringLiteral("nie in die Stichprobe kommen: 1 von 9")));
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    const auto header = std::find_if(lines.cbegin(), lines.cend(), [](const QString &line) {
        return line.startsWith(QStringLiteral("Schätzer"));
    });
    QVERIFY(lines.cend() - header >= 5);
    for (auto row = header + 1; row != header + 5; ++row)
        QCOMPARE(row->size(), header->size());
}

void TestResearchCli::geoJsonMatchesAreas_data()
{
    QTest::addColumn<QString>("order");
    for (const char *k : {"1", "2", "4"})
        QTest::newRow(k) << QString::fromLatin1(k);
}

void TestResearchCli::geoJsonMatchesAreas()
{
    QFETCH(QString, order);
    const Run areas = runTool({"--areas", "--order", order, m_mixed});
    const Run geo = runTool({"--geojson", "--order", order, m_mixed});
    QCOMPARE(geo.status, 0);

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(geo.out.toUtf8(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(document[QStringLiteral("type")].toString(), QStringLiteral("FeatureCollection"));
    const QJsonArray features = document[QStringLiteral("features")].toArray();
    const QStringList lines = areas.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(features.size(), lines.size());

    for (qsizetype t = 0; t < features.size(); ++t) {
        const QJsonObject feature = features[t].toObject();
        const QJsonObject properties = feature[QStringLiteral("properties")].toObject();
        const QStringList fields = lines[t].split(QLatin1Char(','));
        QCOMPARE(properties[QStringLiteral("tree")].toInt(), t + 1);
        QCOMPARE(properties[QStringLiteral("k")].toInt(), order.toInt());
        const double area = fields[4].toDouble();
        QVERIFY(std::abs(properties[QStringLiteral("area")].toDouble() - area) <= 1e-9 * 9600.0);
        QVERIFY(std::abs(properties[QStringLiteral("probability")].toDouble() - area / 9600.0) <= 1e-12);
        const QJsonValue geometry = feature[QStringLiteral("geometry")];
        if (area == 0.0) {
            QVERIFY(geometry.isNull());
            continue;
        }
        QVERIFY2(std::abs(geometryArea(geometry.toObject()) - area) <= 1e-9 * 9600.0,
                 qPrintable(QStringLiteral("tree %1").arg(t + 1)));
    }
}

void TestResearchCli::svgDrawing()
{
    const QString target = m_dir.filePath(QStringLiteral("zones.svg"));
    const Run run = runTool({"--svg", target, "--order", "2", m_mixed});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.isEmpty());

    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int circles = 0;
    int paths = 0;
    bool legend = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("svg"))
            QVERIFY(xml.attributes().value(QLatin1String("viewBox")).size() > 0);
        circles += xml.name() == QLatin1String("circle") ? 1 : 0;
        paths += xml.name() == QLatin1String("path") ? 1 : 0;
        legend = legend || xml.attributes().value(QLatin1String("id")) == QLatin1String("legend");
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(circles, 9 + 1); // the trees and the legend's tree symbol
    QVERIFY(paths >= 8);      // every tree whose zone reaches into the stand
    QVERIFY(legend);
}

void TestResearchCli::svgThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing folder") << QStringLiteral("missing");
#ifndef Q_OS_WIN
    QTest::newRow("pipe without reader") << QStringLiteral("pipe");
#endif
    QTest::newRow("folder") << QStringLiteral("folder");
}

void TestResearchCli::svgThatCannotBeWritten()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QString target = folder.filePath(QStringLiteral("zones.svg"));
#ifdef Q_OS_WIN
    using FileType = int;
    const FileType fifo = 1;
    const FileType directory = 2;
#else
    using FileType = mode_t;
    const FileType fifo = S_IFIFO;
    const FileType directory = S_IFDIR;
#endif
    FileType type = 0;
    if (kind == QLatin1String("missing")) {
        target = folder.filePath(QStringLiteral("missing/zones.svg"));
    } else if (kind == QLatin1String("pipe")) {
#ifndef Q_OS_WIN
        QVERIFY(::mkfifo(QFile::encodeName(target).constData(), 0600) == 0);
#endif
        type = fifo;
    } else {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("zones.svg")));
        type = directory;
    }
    const Run run = runTool({"--svg", target, "--areas", m_twoTrees});
    QCOMPARE(run.status, 3);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.contains(QStringLiteral("zones.svg")));
#ifdef Q_OS_WIN
    const QFileInfo left(target);
    QCOMPARE(left.exists() ? (left.isDir() ? directory : FileType(-1)) : 0, type);
#else
    struct stat status;
    const bool exists = ::lstat(QFile::encodeName(target).constData(), &status) == 0;
    QCOMPARE(exists ? status.st_mode & S_IFMT : 0, type);
#endif
}

// The shell's ">" writes through a link and leaves it a link; names that
// are no valid UTF-8 are read and written byte for byte.
void TestResearchCli::svgThroughLinkAndAnyName()
{
#ifdef Q_OS_WIN
    QSKIP("symbolic links need a privilege on Windows, and names are UTF-16, not bytes");
#else
    QTemporaryDir folder;
    const QString real = folder.filePath(QStringLiteral("real.svg"));
    const QString link = folder.filePath(QStringLiteral("link.svg"));
    QVERIFY(QFile::link(real, link));
    QCOMPARE(runTool({"--svg", link, m_twoTrees}).status, 0);
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(QFileInfo(real).size() > 0);

    const QByteArray folderName = QFile::encodeName(folder.path());
    const QByteArray standName = folderName + "/stand\xff.txt";
    const QByteArray svgName = folderName + "/out\xff.svg";
    FILE *standFile = std::fopen(standName.constData(), "wb");
    QVERIFY(standFile);
    std::fputs("100,100\n2\n25,40,20\n75,60,40\n", standFile);
    std::fclose(standFile);
    const Run run = runTool({"--svg", fileNameFromNative(svgName), fileNameFromNative(standName)});
    struct stat status;
    const bool written = ::stat(svgName.constData(), &status) == 0 && status.st_size > 0;
    std::remove(standName.constData());
    std::remove(svgName.constData());
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QVERIFY(written);
#endif
}

QTEST_GUILESS_MAIN(TestResearchCli)
#include "tst_researchcli.moc"
