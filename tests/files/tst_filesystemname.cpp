#include "files/filesystemname.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

class TestFileSystemName : public QObject
{
    Q_OBJECT

private slots:
    void roundTripsEveryByteSequence_data();
    void roundTripsEveryByteSequence();
    void resolvesNameDecodedByQt();
};

void TestFileSystemName::roundTripsEveryByteSequence_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("validText");
    QTest::newRow("ascii") << QByteArray("stand.txt") << true;
    QTest::newRow("umlaut") << QByteArray("B\xc3\xa4ume.txt") << true;
    QTest::newRow("four-byte character") << QByteArray("\xf0\x9f\x8c\xb2.txt") << true;
    QTest::newRow("lone ff") << QByteArray("bad\xff.txt") << false;
    QTest::newRow("latin-1 umlaut") << QByteArray("B\xe4ume.txt") << false;
    QTest::newRow("overlong slash") << QByteArray("a\xc0\xaf"
                                                  "b")
                                    << false;
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xb2\x80") << false;
    QTest::newRow("cut sequence at end") << QByteArray("euro\xe2\x82") << false;
    QTest::newRow("beyond unicode") << QByteArray("\xf4\x90\x80\x80") << false;
    QTest::newRow("character with low surrogate in kept range")
        << QByteArray("\xf0\x90\x8e\x80\xff") << false;
}

void TestFileSystemName::roundTripsEveryByteSequence()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, validText);
    const QString name = fileNameFromNative(bytes);
    QCOMPARE(nativeFileName(name), bytes);
    QCOMPARE(displayFileName(name), QString::fromUtf8(bytes));
    QCOMPARE(name == QString::fromUtf8(bytes), validText);
}

void TestFileSystemName::resolvesNameDecodedByQt()
{
#ifdef Q_OS_WIN
    QSKIP("Windows names are UTF-16: nothing is lost in decoding them");
#else
    QTemporaryDir folder;
    const QByteArray sub = QFile::encodeName(folder.path()) + "/dir\xfe";
    const QByteArray native = sub + "/bad\xff.txt";
    QVERIFY(::mkdir(sub.constData(), 0700) == 0);
    const int descriptor = ::creat(native.constData(), 0600);
    QVERIFY(descriptor >= 0);
    ::close(descriptor);
    QCOMPARE(nativeFileName(resolveDecodedFileName(QString::fromUtf8(native))), native);
    const QString missing = QString::fromUtf8(sub + "/other\xff.txt");
    QCOMPARE(resolveDecodedFileName(missing), missing);
#endif
}

QTEST_GUILESS_MAIN(TestFileSystemName)
#include "tst_filesystemname.moc"
