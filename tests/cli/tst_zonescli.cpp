#include "zonescommand.h"
#include "zonesoptions.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestZonesCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parsesArguments_data();
    void parsesArguments();
    void refusesBadArguments_data();
    void refusesBadArguments();
    void quotesLongValuesShortly();
    void selectsAtTheBounds();
    void runsProgram_data();
    void runsProgram();
    void reportsLostOutput_data();
    void reportsLostOutput();

private:
    QString writeStand(const QString &name, const QByteArray &content);

    QTemporaryDir m_folder;
};

QString TestZonesCli::writeStand(const QString &name, const QByteArray &content)
{
    const QString path = m_folder.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

void TestZonesCli::initTestCase()
{
    QVERIFY(m_folder.isValid());
    // The worked example: map positions (60, 25), (10, 20), (30, 50) on 100 x 100.
    writeStand(QStringLiteral("example.txt"), "100,100\n3\n60,75,30\n10,80,25\n30,50,20\n");
    writeStand(QStringLiteral("empty.txt"), "100,100\n0\n");
    writeStand(QStringLiteral("short.txt"), "100,100\n2\n1,2,3\n");
}

void TestZonesCli::parsesArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("order");
    QTest::addColumn<QSize>("map");
    QTest::addColumn<QString>("select"); // "x,y" or empty
    QTest::addColumn<QString>("standFile");

    QTest::newRow("defaults") << QStringList{"stand.txt"} << 1 << QSize(441, 441) << ""
                              << "stand.txt";
    QTest::newRow("separate values") << QStringList{"--order", "3", "--map", "200x100", "s.txt"} << 3
                                     << QSize(200, 100) << ""
                                     << "s.txt";
    QTest::newRow("values after =") << QStringList{"--order=12", "--map=5X7", "s.txt"} << 12 << QSize(5, 7)
                                    << ""
                                    << "s.txt";
    QTest::newRow("file before options") << QStringList{"s.txt", "--order", "2"} << 2 << QSize(441, 441) << ""
                                         << "s.txt";
    QTest::newRow("select") << QStringList{"--select", "-1.5,2e2", "s.txt"} << 1 << QSize(441, 441)
                            << "-1.5,200"
                            << "s.txt";
    QTest::newRow("file named like an option") << QStringList{"--", "--order"} << 1 << QSize(441, 441) << ""
                                               << "--order";
}

void TestZonesCli::parsesArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, order);
    QFETCH(QSize, map);
    QFETCH(QString, select);
    QFETCH(QString, standFile);

    const ZonesArguments parsed = parseZonesArguments(arguments);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QCOMPARE(parsed.options.order, order);
    QCOMPARE(QSize(parsed.options.mapWidth, parsed.options.mapHeight), map);
    QCOMPARE(parsed.options.standFile, standFile);
    if (select.isEmpty()) {
        QVERIFY(!parsed.options.select);
    } else {
        QVERIFY(parsed.options.select);
        QCOMPARE(QStringLiteral("%1,%2").arg(parsed.options.select->x()).arg(parsed.options.select->y()),
                 select);
    }
}

void TestZonesCli::refusesBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named"); // what the message must name

    QTest::newRow("no stand file") << QStringList{"--order", "2"} << "Standdatei";
    QTest::newRow("two stand files") << QStringList{"a.txt", "b.txt"} << "b.txt";
    QTest::newRow("unknown option") << QStringList{"--colour", "a.txt"} << "--colour";
    QTest::newRow("order zero") << QStringList{"--order", "0", "a.txt"} << "--order";
    QTest::newRow("order negative") << QStringList{"--order=-1", "a.txt"} << "--order";
    QTest::newRow("order not a number") << QStringList{"--order", "two", "a.txt"} << "two";
    QTest::newRow("order beyond int") << QStringList{"--order", "99999999999", "a.txt"} << "99999999999";
    QTest::newRow("order without value") << QStringList{"a.txt", "--order"} << "--order";
    QTest::newRow("map zero width") << QStringList{"--map", "0x10", "a.txt"} << "0x10";
    QTest::newRow("map one number") << QStringList{"--map", "441", "a.txt"} << "--map";
    QTest::newRow("map negative") << QStringList{"--map", "-4x4", "a.txt"} << "--map";
    QTest::newRow("select one number") << QStringList{"--select", "5", "a.txt"} << "--select";
    QTest::newRow("select not finite") << QStringList{"--select", "nan,1", "a.txt"} << "nan,1";
    QTest::newRow("select decimal comma") << QStringList{"--select", "1,5,2", "a.txt"} << "--select";
    QTest::newRow("help with value") << QStringList{"--help=yes"} << "--help";
    // Nothing may trail a number, not even the line break of a pasted value.
    QTest::newRow("order with line break") << QStringList{"--order", "2\n", "a.txt"} << "--order";
    QTest::newRow("order with blank") << QStringList{"--order", "2 ", "a.txt"} << "--order";
    QTest::newRow("map with line break") << QStringList{"--map", "5x5\n", "a.txt"} << "--map";
    QTest::newRow("select with line break") << QStringList{"--select", "1,2\n", "a.txt"} << "--select";
    // Beyond the trees' bounds the squared distances lose the trees apart.
    QTest::newRow("select beyond tree bounds") << QStringList{"--select", "1e18,2", "a.txt"} << "1e18,2";
    QTest::newRow("select negative beyond bounds")
        << QStringList{"--select", "0,-1000000001", "a.txt"} << "--select";
}

void TestZonesCli::refusesBadArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    const ZonesArguments parsed = parseZonesArguments(arguments);
    QVERIFY(!parsed.ok());
    QVERIFY2(parsed.error.contains(named), qPrintable(parsed.error));
    // A pasted line break must not reach the terminal unquoted.
    QVERIFY2(!parsed.error.contains(QLatin1Char('\n')), qPrintable(parsed.error));
}

void TestZonesCli::quotesLongValuesShortly()
{
    const QString huge(5000, QLatin1Char('7'));
    const ZonesArguments parsed = parseZonesArguments({"--order", huge, "a.txt"});
    QVERIFY(!parsed.ok());
    QVERIFY2(parsed.error.size() < 200, qPrintable(parsed.error));
    QVERIFY(parsed.error.contains(QStringLiteral("7777777...")));
}

void TestZonesCli::selectsAtTheBounds()
{
    const ZonesArguments parsed = parseZonesArguments({"--select", "-1e9,1000000000", "a.txt"});
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QCOMPARE(*parsed.options.select, QPointF(-1e9, 1e9));
}

void TestZonesCli::runsProgram_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");     // standard output exactly
    QTest::addColumn<QString>("errorPiece"); // a piece of standard error; empty: none at all

    const QString example = m_folder.filePath(QStringLiteral("example.txt"));
    const QString empty = m_folder.filePath(QStringLiteral("empty.txt"));
    const QString shortStand = m_folder.filePath(QStringLiteral("short.txt"));
    const QString missing = m_folder.filePath(QStringLiteral("missing.txt"));

    QTest::newRow("order 1") << QStringList{"--map", "100x100", example} << 0
                             << "1,2,0,48.3,34.7,25.1\n1,3,34.7,25.1,37.2,0\n2,3,34.7,25.1,97,100\n"
                             << "";
    QTest::newRow("order 2") << QStringList{"--order", "2", "--map", "100x100", example} << 0
                             << "1,2,34.7,25.1,72.5,0\n1,3,27.2,100,34.7,25.1\n2,3,13.7,0,34.7,25.1\n"
                             << "";
    QTest::newRow("order 3: nothing qualifies")
        << QStringList{"--order", "3", "--map", "100x100", example} << 0 << ""
        << "";
    QTest::newRow("select") << QStringList{"--map", "100x100", "--select", "12,18", example} << 0
                            << "1,2\n1,2,0,48.3,34.7,25.1\n1,3,34.7,25.1,37.2,0\n"
                            << "";
    QTest::newRow("select without trees") << QStringList{"--select", "12,18", empty} << 0 << ""
                                          << "";
    QTest::newRow("no trees") << QStringList{empty} << 0 << ""
                              << "";
    // Named as the user knows it: with backslashes on Windows.
    QTest::newRow("missing stand file")
        << QStringList{missing} << 1 << "" << QDir::toNativeSeparators(missing);
    QTest::newRow("stand file ends early") << QStringList{shortStand} << 1 << ""
                                           << "line 4"; // the C locale of the tests speaks English
    QTest::newRow("usage error") << QStringList{"--order", "0", example} << 2 << ""
                                 << "--order";
    QTest::newRow("usage error before reading") << QStringList{"--map", "7", missing} << 2 << ""
                                                << "--map";
}

void TestZonesCli::runsProgram()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errorPiece);

    QProcess program;
    program.start(QStringLiteral(KAVREL_ZONES_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    const QString error = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitCode(), exitCode);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), output);
    if (errorPiece.isEmpty())
        QCOMPARE(error, QString());
    else
        QVERIFY2(error.contains(errorPiece), qPrintable(error));
}

void TestZonesCli::reportsLostOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString example = m_folder.filePath(QStringLiteral("example.txt"));
    QTest::newRow("edge table") << QStringList{example};
    QTest::newRow("selection") << QStringList{"--select", "12,18", example};
    QTest::newRow("areas") << QStringList{"--areas", example};
    QTest::newRow("GeoJSON") << QStringList{"--geojson", example};
}

void TestZonesCli::reportsLostOutput()
{
    QFETCH(QStringList, arguments);
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("needs a device that refuses every write");

    QProcess program;
    program.setStandardOutputFile(QStringLiteral("/dev/full"));
    program.start(QStringLiteral(KAVREL_ZONES_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 3);
    QVERIFY(!program.readAllStandardError().isEmpty());
}

QTEST_GUILESS_MAIN(TestZonesCli)
#include "tst_zonescli.moc"
