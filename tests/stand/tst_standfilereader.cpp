#include "files/filesystemname.h"
#include "stand/numberformat.h"
#include "stand/standfilereader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstring>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

class TestStandFileReader : public QObject
{
    Q_OBJECT

private slots:
    void readsSeparatorsAndLayouts_data();
    void readsSeparatorsAndLayouts();
    void capsTreeCountAtFifty();
    void stopsReadingAfterLastRecord();
    void rejectsUnreadableContent_data();
    void rejectsUnreadableContent();
    void diameterBoundOnlyWhereAsked_data();
    void diameterBoundOnlyWhereAsked();
    void reportsFilesThatCannotBeOpened();
    void endsOnEndlessInput();
    void countsLinesBeyond32Bits();
    void valueLengthLimit_data();
    void valueLengthLimit();
    void readsFromDisk();
    void opensAnyFileName();
    void readsNameInWindows1252Letters();
    void areaInHectares_data();
    void areaInHectares();
};

void TestStandFileReader::readsSeparatorsAndLayouts_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<double>>("trees"); // x, y, d per tree

    const QList<double> two{12.5, 30, 21.5, 40, 0.25, 33};
    QTest::newRow("one group per line")
        << QByteArray("100,50\n2\n12.5,30,21.5\n40,0.25,33\n") << 100 << 50 << two;
    QTest::newRow("all on one line") << QByteArray("100,50,2,12.5,30,21.5,40,0.25,33") << 100 << 50 << two;
    QTest::newRow("one value per line")
        << QByteArray("100\n50\n2\n12.5\n30\n21.5\n40\n0.25\n33\n") << 100 << 50 << two;
    QTest::newRow("CR LF") << QByteArray("100,50\r\n2\r\n12.5,30,21.5\r\n40,0.25,33\r\n") << 100 << 50 << two;
    QTest::newRow("blanks and tabs beside separators")
        << QByteArray("  100 ,\t50 \n 2\n12.5 , 30 ,21.5\t\n40,  0.25,33  ") << 100 << 50 << two;
    QTest::newRow("blank lines") << QByteArray("\n100,50\n\n   \n2\n12.5,30,21.5\r\n\r\n40,0.25,33\n\n")
                                 << 100 << 50 << two;
    QTest::newRow("comma at line ends")
        << QByteArray("100,50,\n2,\n12.5,30,21.5,\n40,0.25,33,\n") << 100 << 50 << two;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "100,50\n2\n12.5,30,21.5\n40,0.25,33\n")
                                     << 100 << 50 << two;
    QTest::newRow("number forms") << QByteArray("1e2,50.0\n+2\n1.25e1,30.,21.5\n4E1,.25,3.3e+1\n") << 100
                                  << 50 << two;
    QTest::newRow("no trees") << QByteArray("20,30\n0\n") << 20 << 30 << QList<double>{};
    QTest::newRow("largest diameters kept")
        << QByteArray("10,10\n2\n1,1,1e9\n2,2,-1e9\n") << 10 << 10 << QList<double>{1, 1, 1e9, 2, 2, -1e9};
    QTest::newRow("negative and outside coordinates kept")
        << QByteArray("10,10\n1\n-5,12.5,-1\n") << 10 << 10 << QList<double>{-5, 12.5, -1};
}

void TestStandFileReader::readsSeparatorsAndLayouts()
{
    QFETCH(QByteArray, content);
    QFETCH(int, width);
    QFETCH(int, length);
    QFETCH(QList<double>, trees);

    const StandFileResult result = parseStandFile(content, QStringLiteral("stand.txt"));
    QVERIFY2(result.ok(), qPrintable(result.error.message));
    const Stand &stand = *result.stand;
    QCOMPARE(stand.width, width);
    QCOMPARE(stand.length, length);
    QCOMPARE(stand.treeCount(), int(trees.size() / 3));
    for (int t = 0; t < stand.treeCount(); ++t) {
        QCOMPARE(stand.treeX[t], trees[3 * t]);
        QCOMPARE(stand.treeY[t], trees[3 * t + 1]);
        QCOMPARE(stand.treeD[t], trees[3 * t + 2]);
    }
    QCOMPARE(stand.filePath, QStringLiteral("stand.txt"));
    QVERIFY(stand.treeMapX.empty());
}

void TestStandFileReader::capsTreeCountAtFifty()
{
    QByteArray content = "100,100\n60\n";
    for (int t = 1; t <= 60; ++t)
        content += QByteArray::number(t) + "," + QByteArray::number(t + 0.5) + ",10\n";
    const StandFileResult result = parseStandFile(content, QStringLiteral("sixty.txt"));
    QVERIFY2(result.ok(), qPrintable(result.error.message));
    QCOMPARE(result.stand->treeCount(), 50);
    QCOMPARE(result.stand->treeX.back(), 50.0);
}

// Whatever follows the last announced record is never looked at, so it cannot
// make a good stand unreadable.
void TestStandFileReader::stopsReadingAfterLastRecord()
{
    QByteArray content = "100,100\n51\n";
    for (int t = 1; t <= 50; ++t)
        content += "1,2,3\n";
    content += "this is not,,a record\n\x01\x02";
    const StandFileResult fifty = parseStandFile(content, QStringLiteral("extra.txt"));
    QVERIFY2(fifty.ok(), qPrintable(fifty.error.message));
    QCOMPARE(fifty.stand->treeCount(), 50);

    const StandFileResult one = parseStandFile("10,10,1,1,2,3,,junk", QStringLiteral("one.txt"));
    QVERIFY2(one.ok(), qPrintable(one.error.message));
    QCOMPARE(one.stand->treeCount(), 1);
}

void TestStandFileReader::rejectsUnreadableContent_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("valueNumber");
    QTest::addColumn<QString>("expected"); // a piece of the message naming what was expected

    QTest::newRow("empty file") << QByteArray() << 1 << 1 << "Standbreite";
    QTest::newRow("only blanks and line breaks") << QByteArray(" \n\n \r\n") << 4 << 1 << "Standbreite";
    QTest::newRow("runs of mixed line breaks") << QByteArray("\n\r\n\r\r\n\n\nx") << 7 << 1 << "Standbreite";
    QTest::newRow("line break run ending in CR")
        << QByteArray("100\n\n\r\n\r,100\n") << 5 << 2 << "Standlänge";
    QTest::newRow("ends before tree count") << QByteArray("100,100\n") << 2 << 3 << "Baumanzahl";
    QTest::newRow("ends inside a record")
        << QByteArray("100,100\n2\n1,2,3\n4,5\n") << 5 << 9 << "Durchmesser von Baum 2";
    QTest::newRow("word instead of number")
        << QByteArray("100,100\n1\n1,abc,3\n") << 3 << 5 << "Y von Baum 1";
    QTest::newRow("decimal comma splits values")
        << QByteArray("100,100\n1\n1,5;2,3\n") << 3 << 5 << "Y von Baum 1";
    QTest::newRow("blank inside a value") << QByteArray("100 100\n1\n") << 1 << 1 << "Standbreite";
    QTest::newRow("two commas") << QByteArray("100,,100\n") << 1 << 2 << "Standlänge";
    QTest::newRow("comma at line start") << QByteArray("100\n,100\n") << 2 << 2 << "Standlänge";
    QTest::newRow("negative tree count") << QByteArray("100,100\n-1\n") << 2 << 3 << "Baumanzahl";
    QTest::newRow("tree count beyond 16 bits") << QByteArray("100,100\n32768\n") << 2 << 3 << "Baumanzahl";
    QTest::newRow("fractional tree count") << QByteArray("100,100\n2.5\n") << 2 << 3 << "Baumanzahl";
    QTest::newRow("width zero") << QByteArray("0,100\n0\n") << 1 << 1 << "Standbreite";
    QTest::newRow("length negative") << QByteArray("100,-20\n0\n") << 1 << 2 << "Standlänge";
    QTest::newRow("width not whole") << QByteArray("100.5,100\n0\n") << 1 << 1 << "Standbreite";
    QTest::newRow("width beyond 32 bits") << QByteArray("2147483648,100\n0\n") << 1 << 1 << "Standbreite";
    QTest::newRow("nan") << QByteArray("100,100\n1\nnan,1,1\n") << 3 << 4 << "X von Baum 1";
    QTest::newRow("infinity") << QByteArray("100,100\n1\n1,inf,1\n") << 3 << 5 << "Y von Baum 1";
    QTest::newRow("overflowing number")
        << QByteArray("100,100\n1\n1,1,1e400\n") << 3 << 6 << "Durchmesser von Baum 1";
    QTest::newRow("coordinate beyond a million kilometres")
        << QByteArray("100,100\n1\n1e10,1,1\n") << 3 << 4 << "X von Baum 1";
    QTest::newRow("hexadecimal") << QByteArray("0x10,100\n0\n") << 1 << 1 << "Standbreite";
    QTest::newRow("binary file") << QByteArray("\x7F"
                                               "ELF\x02\x01\x01\x00\x00\x00",
                                               10)
                                 << 1 << 1 << "Standbreite";
}

void TestStandFileReader::rejectsUnreadableContent()
{
    QFETCH(QByteArray, content);
    QFETCH(int, line);
    QFETCH(int, valueNumber);
    QFETCH(QString, expected);

    const QString path = QStringLiteral("/data/bad stand.txt");
    const StandFileResult result = parseStandFile(content, path);
    QVERIFY(!result.ok());
    QCOMPARE(result.error.filePath, path);
    QCOMPARE(result.error.line, qint64(line));
    QCOMPARE(result.error.valueNumber, qint64(valueNumber));
    const QString message = result.error.message;
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("Zeile %1").arg(line)), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("Wert %1").arg(valueNumber)), qPrintable(message));
    QVERIFY2(message.contains(expected), qPrintable(message));
}

void TestStandFileReader::diameterBoundOnlyWhereAsked_data()
{
    QTest::addColumn<QByteArray>("diameter");
    QTest::addColumn<bool>("bounded");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("1e10 in the window") << QByteArray("1e10") << false << true;
    QTest::newRow("1e300 in the window") << QByteArray("1e300") << false << true;
    QTest::newRow("-1e160 in the window") << QByteArray("-1e160") << false << true;
    QTest::newRow("1e400 in the window") << QByteArray("1e400") << false << false;
    QTest::newRow("1e9 bounded") << QByteArray("1e9") << true << true;
    QTest::newRow("-1e9 bounded") << QByteArray("-1000000000") << true << true;
    QTest::newRow("1e10 bounded") << QByteArray("1e10") << true << false;
    QTest::newRow("just beyond -1e9 bounded") << QByteArray("-1000000001") << true << false;
}

// The window shows any finite diameter; a bounded reading (the research
// computations') refuses one beyond 1e9 naming the tree, its line and value.
void TestStandFileReader::diameterBoundOnlyWhereAsked()
{
    QFETCH(QByteArray, diameter);
    QFETCH(bool, bounded);
    QFETCH(bool, accepted);

    QByteArray content = "100,100\n2\n1,1,20\n5,5," + diameter + "\n";
    QBuffer buffer(&content);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const StandFileResult result =
        parseStandFile(buffer, QStringLiteral("huge.txt"), StandFileTrees::FirstFifty,
                       bounded ? StandFileDiameters::Bounded : StandFileDiameters::AnyFinite);
    QCOMPARE(result.ok(), accepted);
    if (accepted) {
        QCOMPARE(result.stand->treeD[1], diameter.toDouble());
        return;
    }
    const QString message = result.error.message;
    QCOMPARE(result.error.line, qint64(4));
    QCOMPARE(result.error.valueNumber, qint64(9));
    QVERIFY2(message.contains(QStringLiteral("Durchmesser von Baum 2")), qPrintable(message));
    QVERIFY2(message.contains(QString::fromLatin1(diameter)), qPrintable(message));
    QCOMPARE(message.contains(QStringLiteral("1000000000)")), bounded);
}

void TestStandFileReader::reportsFilesThatCannotBeOpened()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString missing = folder.filePath(QStringLiteral("missing.txt"));
    QStringList paths{missing, folder.path()};
    // A device would block or never end; it must be refused, not read.
#ifdef Q_OS_WIN
    paths.append(QStringLiteral("NUL"));
    paths.append(QStringLiteral("CON"));
#else
    const QString pipe = folder.filePath(QStringLiteral("pipe.txt"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    paths.append(pipe);
    if (QFileInfo::exists(QStringLiteral("/dev/zero")))
        paths.append(QStringLiteral("/dev/zero"));
#endif
    for (const QString &path : paths) {
        const StandFileResult result = readStandFile(path);
        QVERIFY(!result.ok());
        QCOMPARE(result.error.filePath, path);
        QVERIFY2(result.error.message.contains(QDir::toNativeSeparators(path)),
                 qPrintable(result.error.message));
    }
}

// Input that never ends and never separates its values: the reader must stop
// at a value longer than any number instead of reading for ever.
class EndlessZeros : public QIODevice
{
public:
    EndlessZeros() { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        std::fill_n(data, maxSize, '\0');
        return maxSize;
    }
    qint64 writeData(const char *, qint64) override { return -1; }
};

void TestStandFileReader::endsOnEndlessInput()
{
    EndlessZeros device;
    const StandFileResult result = parseStandFile(device, QStringLiteral("endless"));
    QVERIFY(!result.ok());
    QCOMPARE(result.error.line, qint64(1));
    QCOMPARE(result.error.valueNumber, qint64(1));
}

// Nothing but line breaks, then a bad value: its line number must not wrap.
class LineBreaks : public QIODevice
{
public:
    explicit LineBreaks(qint64 count) : m_count(count) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_count <= 0) {
            if (m_tailSent)
                return 0;
            m_tailSent = true;
            data[0] = 'x';
            return 1;
        }
        const qint64 size = std::min(maxSize, m_count);
        std::memset(data, '\n', size_t(size));
        m_count -= size;
        return size;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    qint64 m_count;
    bool m_tailSent = false;
};

void TestStandFileReader::countsLinesBeyond32Bits()
{
    const qint64 breaks = qint64(1) << 31;
    LineBreaks device(breaks);
    const StandFileResult result = parseStandFile(device, QStringLiteral("lines"));
    QVERIFY(!result.ok());
    QCOMPARE(result.error.line, breaks + 1);
    QVERIFY2(result.error.message.contains(QStringLiteral("Zeile 2147483649")),
             qPrintable(result.error.message));
}

void TestStandFileReader::valueLengthLimit_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("longest accepted") << MaxValueLength << true;
    QTest::newRow("one character longer") << MaxValueLength + 1 << false;
}

void TestStandFileReader::valueLengthLimit()
{
    QFETCH(int, length);
    QFETCH(bool, accepted);
    // Leading zeros keep the width 5 at any length.
    const QByteArray width = QByteArray(length - 1, '0') + '5';
    const StandFileResult result = parseStandFile(width + ",5\n0\n", QStringLiteral("long.txt"));
    QCOMPARE(result.ok(), accepted);
    if (accepted) {
        QCOMPARE(result.stand->width, 5);
    } else {
        QCOMPARE(result.error.line, qint64(1));
        QCOMPARE(result.error.valueNumber, qint64(1));
    }
}

void TestStandFileReader::readsFromDisk()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("stand.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("50,40\r\n1\r\n10,20,30\r\n");
    file.close();
    const StandFileResult result = readStandFile(path);
    QVERIFY2(result.ok(), qPrintable(result.error.message));
    QCOMPARE(result.stand->filePath, path);
    QCOMPARE(result.stand->treeCount(), 1);
}

// A name that is no valid UTF-8 opens all the same, and the message about
// a missing one shows it readably.
void TestStandFileReader::opensAnyFileName()
{
#ifdef Q_OS_WIN
    QSKIP("Windows names are UTF-16, not bytes; see readsNameInWindows1252Letters");
#else
    QTemporaryDir folder;
    const QByteArray native = QFile::encodeName(folder.path()) + "/bad\xff.txt";
    FILE *file = std::fopen(native.constData(), "wb");
    QVERIFY(file);
    std::fputs("10,10\n1\n1,2,3\n", file);
    std::fclose(file);
    const StandFileResult result = readStandFile(fileNameFromNative(native));
    std::remove(native.constData());
    QVERIFY2(result.ok(), qPrintable(result.error.message));
    QCOMPARE(result.stand->treeCount(), 1);

    const StandFileResult missing = readStandFile(fileNameFromNative(native));
    QVERIFY(!missing.ok());
    QVERIFY2(missing.error.message.contains(QStringLiteral("bad\uFFFD.txt")),
             qPrintable(missing.error.message));
#endif
}

// Letters of Windows-1252 beyond ASCII (umlauts, the euro sign, the
// ligature) in the folder and the file name, with CR LF line ends.
void TestStandFileReader::readsNameInWindows1252Letters()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("B\u00E4ume")));
    const QString path = folder.filePath(QStringLiteral("B\u00E4ume/Fl\u00E4che \u0152 \u20AC \u00DF.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("10,10\r\n1\r\n1,2,3\r\n");
    file.close();
    const StandFileResult result = readStandFile(path);
    QVERIFY2(result.ok(), qPrintable(result.error.message));
    QCOMPARE(result.stand->filePath, path);
    QCOMPARE(result.stand->treeCount(), 1);
}

void TestStandFileReader::areaInHectares_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("text");

    QTest::newRow("100 x 100") << 100 << 100 << "1";
    QTest::newRow("50 x 40") << 50 << 40 << "0.2";
    QTest::newRow("1 x 1") << 1 << 1 << "0.0001";
    // The product does not fit 32 bits.
    QTest::newRow("65536 x 65536") << 65536 << 65536 << "429496.7296";
    QTest::newRow("largest") << 2147483647 << 2147483647 << "461168601413242";
}

void TestStandFileReader::areaInHectares()
{
    QFETCH(int, width);
    QFETCH(int, length);
    QFETCH(QString, text);
    const StandFileResult result = parseStandFile(
        QByteArray::number(width) + "," + QByteArray::number(length) + ",0", QStringLiteral("area.txt"));
    QVERIFY2(result.ok(), qPrintable(result.error.message));
    QCOMPARE(numberText(result.stand->areaHectares()), text);
}

QTEST_GUILESS_MAIN(TestStandFileReader)
#include "tst_standfilereader.moc"
