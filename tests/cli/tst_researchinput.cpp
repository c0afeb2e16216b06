#include "researchstand.h"
#include "toolrun.h"
#include "zonescommand.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <cmath>

namespace {

QList<double> areaColumn(const QString &areasOutput)
{
    QList<double> areas;
    for (const QString &line : areasOutput.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        areas.append(line.split(QLatin1Char(','))[4].toDouble());
    return areas;
}

} // namespace

class TestResearchInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stemMapForms_data();
    void stemMapForms();
    void stemMapBadLines_data();
    void stemMapBadLines();
    void exactCoordinates_data();
    void exactCoordinates();
    void edgeTableWarnsOfUnreadTrees_data();
    void edgeTableWarnsOfUnreadTrees();

private:
    QString write(const QString &name, const QByteArray &content);

    QTemporaryDir m_dir;
};

QString TestResearchInput::write(const QString &name, const QByteArray &content)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

void TestResearchInput::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestResearchInput::stemMapForms_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("stand");
    QTest::addColumn<QString>("expected");

    // Two trees on a 100 m x 100 m stand whose bisector is x = 20.
    const QString expected = QStringLiteral("1,10.5,50,25.5,2000,0.2\n2,29.5,50,37,8000,0.8\n");
    QTest::newRow("commas, decimal point")
        << QByteArray("x,y,d\n10.5,50,25.5\n29.5,50,37\n") << "100,100" << expected;
    QTest::newRow("semicolons, decimal comma, more columns")
        << QByteArray("Nr;X;Y;D;Art\n1;10,5;50;25,5;Fi\n2;29,5;50;37;Ta\n") << "100,100" << expected;
    QTest::newRow("spreadsheet export: BOM, CRLF, quoted names, blank line")
        << QByteArray("\xEF\xBB\xBF\"d\";\"Y\";\"x\"\r\n25,5;50;10,5\r\n\r\n37;50;29,5\r\n") << "100,100"
        << expected;
    QTest::newRow("blanks beside values")
        << QByteArray("x , y , d\n 10.5 , 50 , 25.5 \n29.5,50,37\n") << "100,100" << expected;
    QTest::newRow("rectangle with its own corner")
        << QByteArray("x,y,d\n1010.5,2050,25.5\n1029.5,2050,37\n") << "1000,2000,1100,2100"
        << QStringLiteral("1,1010.5,2050,25.5,2000,0.2\n2,1029.5,2050,37,8000,0.8\n");
    QTest::newRow("separator within quotes")
        << QByteArray("Nr,x,y,d,Art\n1,10.5,50,25.5,\"Fi, alt\"\n2,29.5,50,37,Ta\n") << "100,100" << expected;
    QTest::newRow("header only: no trees") << QByteArray("x,y,d\n") << "50,20" << QString();
}

void TestResearchInput::stemMapForms()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, stand);
    QFETCH(QString, expected);
    const QString path = write(QStringLiteral("map.csv"), content);

    const Run run = runTool({"--areas", "--stand", stand, path});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, expected);
}

void TestResearchInput::stemMapBadLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");

    QTest::newRow("letter in a coordinate")
        << QByteArray("x,y,d\n1,2,3\n4,5x,6\n")
        << ", Zeile 3, Spalte \u201Ey\u201C: Zahl mit Dezimalpunkt erwartet, "
           "gefunden \u201E5x\u201C.";
    QTest::newRow("decimal point among semicolons")
        << QByteArray("x;y;d\n1,5;2;3\n4.5;5;6\n")
        << ", Zeile 3, Spalte \u201Ex\u201C: Zahl mit Dezimalkomma erwartet, gefunden \u201E4.5\u201C.";
    QTest::newRow("thousands mark") << QByteArray("x;y;d\n1.234,5;2;3\n")
                                    << ", Zeile 2, Spalte \u201Ex\u201C: Zahl mit Dezimalkomma erwartet";
    QTest::newRow("empty diameter") << QByteArray("x,y,d\n1,2,\n") << ", Zeile 2, Spalte \u201Ed\u201C:";
    QTest::newRow("missing value") << QByteArray("x,y,d,note\n1,2,3,a\n1,2\n")
                                   << ", Zeile 3: 2 Werte gefunden, 4 erwartet wie in der Kopfzeile.\n";
    // 12,4;3,75;31,5 written with commas between the values as well.
    QTest::newRow("one value too many, commas")
        << QByteArray("x,y,d\n12,4,3,75,31,5\n")
        << ", Zeile 2: 6 Werte gefunden, 3 erwartet wie in der Kopfzeile. Schreibt die Datei Dezimalkommas?";
    QTest::newRow("one value too many, semicolons")
        << QByteArray("x;y;d\n12,4;3,75;31,5\n1;2;3;4\n")
        << ", Zeile 3: 4 Werte gefunden, 3 erwartet wie in der Kopfzeile.\n";
    QTest::newRow("column missing in the header")
        << QByteArray("x,y,dbh\n1,2,3\n") << ", Zeile 1, Spalte \u201Ed\u201C: Die Kopfzeile nennt";
    QTest::newRow("column twice") << QByteArray("x,y,d,X\n1,2,3,4\n") << ", Zeile 1, Spalte \u201Ex\u201C:";
    QTest::newRow("coordinate out of range")
        << QByteArray("x,y,d\n1e12,2,3\n") << ", Zeile 2, Spalte \u201Ex\u201C:";
    QTest::newRow("not finite") << QByteArray("x,y,d\nnan,2,3\n") << ", Zeile 2, Spalte \u201Ex\u201C:";
}

void TestResearchInput::stemMapBadLines()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = write(QStringLiteral("bad.csv"), content);

    const Run run = runTool({"--areas", "--stand", "100,100", path});
    QCOMPARE(run.status, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith(QStringLiteral("Stammkarte \u201E%1\u201C").arg(path)), qPrintable(run.err));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));

    const Run withoutRectangle = runTool({"--areas", path});
    QCOMPARE(withoutRectangle.status, 2);
    QVERIFY(withoutRectangle.err.contains(QLatin1String("--stand")));
}

void TestResearchInput::exactCoordinates_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<double>>("expected"); // per tree, NaN: not checked

    // Trees sharing a Y once were nudged apart, giving 7999.9999375.
    QTest::newRow("two trees on one line")
        << QByteArray("100,100\n2\n10,50,25\n30,50,37\n") << QList<double>{2000, 8000};
    // A 7 x 7 plantation at 15 m spacing: every interior tree owns exactly
    // a 15 m x 15 m square.
    QByteArray plantation = "105,105\n49\n";
    QList<double> squares;
    for (int i = 0; i < 7; ++i) {
        for (int j = 0; j < 7; ++j) {
            plantation += QByteArray::number(7.5 + 15 * i) + ',' + QByteArray::number(7.5 + 15 * j) + ",30\n";
            squares.append(225.0);
        }
    }
    QTest::newRow("plantation") << plantation << squares;
    QTest::newRow("coincident trees share their zone")
        << QByteArray("100,100\n3\n40,40,20\n40,40,30\n90,40,25\n") << QList<double>{6500, 6500, 3500};
}

void TestResearchInput::exactCoordinates()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<double>, expected);
    const QString path = write(QStringLiteral("stand.txt"), content);

    const Run run = runTool({"--areas", path});
    QCOMPARE(run.status, 0);
    const QList<double> areas = areaColumn(run.out);
    QCOMPARE(areas.size(), expected.size());
    for (qsizetype t = 0; t < areas.size(); ++t)
        QVERIFY2(std::abs(areas[t] - expected[t]) <= 1e-9 * expected[t],
                 qPrintable(QStringLiteral("tree %1: %2").arg(t + 1).arg(areas[t], 0, 'g', 17)));
}

void TestResearchInput::edgeTableWarnsOfUnreadTrees_data()
{
    QTest::addColumn<int>("stated");
    QTest::addColumn<bool>("warned");

    QTest::newRow("50 trees") << 50 << false;
    QTest::newRow("60 trees") << 60 << true;
}

void TestResearchInput::edgeTableWarnsOfUnreadTrees()
{
    QFETCH(int, stated);
    QFETCH(bool, warned);
    QByteArray content = "100,100\n" + QByteArray::number(stated) + '\n';
    for (int t = 0; t < stated; ++t)
        content += QByteArray::number(1 + (t * 37) % 97) + '.' + QByteArray::number(t % 10) + ',' +
                   QByteArray::number(1 + (t * 53) % 89) + ",25\n";
    const QString path = write(QStringLiteral("many.txt"), content);
    QByteArray fifty = "100,100\n50\n";
    fifty += content.mid(content.indexOf('\n', content.indexOf('\n') + 1) + 1);
    const QString fiftyPath = write(QStringLiteral("fifty.txt"), fifty);

    const Run edges = runTool({path});
    const Run reference = runTool({fiftyPath});
    QCOMPARE(edges.status, 0);
    QCOMPARE(edges.out, reference.out);
    QCOMPARE(edges.err.contains(QStringLiteral("nennt %1 Bäume").arg(stated)), warned);
    QCOMPARE(edges.err.isEmpty(), !warned);

    const Run areas = runTool({"--areas", path});
    QCOMPARE(areas.status, 0);
    QCOMPARE(areas.out.count(QLatin1Char('\n')), stated);
    QVERIFY(areas.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestResearchInput)
#include "tst_researchinput.moc"
