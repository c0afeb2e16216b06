#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode;
    QString errors;
};

Run runSheet(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(GLYPHBIN_SHEET_PROGRAM), arguments);
    if (!process.waitForFinished(60000))
        return {-1, QStringLiteral("did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

class TestGlyphbinSheet : public QObject
{
    Q_OBJECT

private slots:
    void drawsEveryPicture();
    void reportsBadUse_data();
    void reportsBadUse();
};

void TestGlyphbinSheet::drawsEveryPicture()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath("sheet.png");
    const Run run = runSheet({out});
    QCOMPARE(run.exitCode, 0);

    const QImage sheet(out);
    QVERIFY(!sheet.isNull());
    // 17 groups, the larger ones spread over several rows of 16.
    const int rows = 1 + 2 + 1 + 5 + 2 + 1 + 2 + 3 + 1 + 3 + 1 + 3 + 1 + 2 + 1 + 2 + 1;
    QCOMPARE(sheet.height(), 16 + rows * (44 * 2 + 16));
    // The first picture's background shows at its place, scaled up twice.
    const int firstX = 8 + (58 - 48) / 2;
    QCOMPARE(sheet.pixel(firstX, 8), qRgb(0xC0, 0xC0, 0xC0));
    QCOMPARE(sheet.pixel(firstX + 47, 8 + 87), qRgb(0xC0, 0xC0, 0xC0));
}

void TestGlyphbinSheet::reportsBadUse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << QStringList{} << 2 << "usage";
    QTest::newRow("two files") << QStringList{"a.png", "b.png"} << 2 << "usage";
    QTest::newRow("unwritable place")
        << QStringList{"/nonexistent-folder/sheet.png"} << 1 << "/nonexistent-folder/sheet.png";
}

void TestGlyphbinSheet::reportsBadUse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const Run run = runSheet(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
}

QTEST_GUILESS_MAIN(TestGlyphbinSheet)
#include "tst_glyphbinsheet.moc"
