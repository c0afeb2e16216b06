#include "shell/launchoptions.h"

#include <QTest>

class TestLaunchOptions : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
};

void TestLaunchOptions::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("standFile");
    QTest::addColumn<int>("order");
    QTest::addColumn<bool>("snapshot");
    QTest::addColumn<QString>("error");

    QTest::newRow("nothing") << QStringList{} << "" << 1 << false << "";
    QTest::newRow("a stand") << QStringList{"a.txt"} << "a.txt" << 1 << false << "";
    QTest::newRow("order for the window")
        << QStringList{"--order", "3", "a.txt"} << "a.txt" << 3 << false << "";
    QTest::newRow("snapshot, options after the file")
        << QStringList{"a.txt", "--snapshot", "--order", "5"} << "a.txt" << 5 << true << "";
    QTest::newRow("file named like an option after --")
        << QStringList{"--snapshot", "--", "--odd.txt"} << "--odd.txt" << 1 << true << "";
    QTest::newRow("snapshot without a stand")
        << QStringList{"--snapshot"} << "" << 1 << false << "--snapshot needs a stand file";
    QTest::newRow("two stands") << QStringList{"a.txt", "b.txt"} << "" << 1 << false
                                << "only one stand file can be opened: a.txt, b.txt";
    QTest::newRow("order 0") << QStringList{"--order", "0", "a.txt"} << "" << 1 << false
                             << "--order 0: not a whole number from 1 to 5";
    QTest::newRow("order 6") << QStringList{"--order", "6"} << "" << 1 << false
                             << "--order 6: not a whole number from 1 to 5";
    QTest::newRow("order not a number")
        << QStringList{"--order", "2.5"} << "" << 1 << false << "--order 2.5: not a whole number from 1 to 5";
    QTest::newRow("order without value")
        << QStringList{"a.txt", "--order"} << "" << 1 << false << "--order needs a value from 1 to 5";
    QTest::newRow("unknown option") << QStringList{"--snap", "a.txt"} << "" << 1 << false
                                    << "unknown option --snap";
}

void TestLaunchOptions::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, standFile);
    QFETCH(int, order);
    QFETCH(bool, snapshot);
    QFETCH(QString, error);

    const LaunchOptions options = LaunchOptions::parse(arguments);
    QCOMPARE(options.error, error);
    QCOMPARE(options.standFile, standFile);
    QCOMPARE(options.order, order);
    QCOMPARE(options.snapshot, snapshot);
}

QTEST_GUILESS_MAIN(TestLaunchOptions)
#include "tst_launchoptions.moc"
