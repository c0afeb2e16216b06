#include "update/versioncompare.h"

#include <QTest>

class TestVersionCompare : public QObject
{
    Q_OBJECT

private slots:
    void newer_data();
    void newer();
    void versionNumber_data();
    void versionNumber();
};

void TestVersionCompare::newer_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("local");
    QTest::addColumn<bool>("newer");

    QTest::newRow("revision up") << "1.0.2"
                                 << "1.0.1" << true;
    QTest::newRow("same version") << "1.0.1"
                                  << "1.0.1" << false;
    QTest::newRow("older on the server") << "1.0.0"
                                         << "1.0.1" << false;
    QTest::newRow("two parts") << "1.1"
                               << "1.0.1" << true;
    QTest::newRow("one part") << "2"
                              << "1.0.1" << true;
    QTest::newRow("fourth part ignored") << "1.0.1.9"
                                         << "1.0.1" << false;
    QTest::newRow("parts compare as numbers") << "1.10.0"
                                              << "1.9.0" << true;
    QTest::newRow("empty part counts as 0") << "1..2"
                                            << "1.0.1" << true;
    QTest::newRow("empty part, not newer") << "1..1"
                                           << "1.0.1" << false;
    QTest::newRow("letters count as 0") << "1.0.a"
                                        << "1.0.1" << false;
    QTest::newRow("leading zeros") << "1.0.0002"
                                   << "1.0.1" << true;
    QTest::newRow("blanks around parts") << " 1 . 0 . 2 "
                                         << "1.0.1" << true;
    QTest::newRow("major beats any minor") << "2.0.0"
                                           << "1.99999.0" << true;
    QTest::newRow("huge minor is still a minor") << "1.10000.0"
                                                 << "2.0.0" << false;
    QTest::newRow("parts beyond any integer") << "1.0.100000000000000000000000000001"
                                              << "1.0.100000000000000000000000000000" << true;
    QTest::newRow("negative major") << "-1.0.0"
                                    << "1.0.1" << false;
    // Between two negative parts the smaller magnitude is the newer one.
    QTest::newRow("both negative, server nearer zero") << "1.0.-1"
                                                       << "1.0.-2" << true;
    QTest::newRow("both negative, server further from zero") << "1.-10.0"
                                                             << "1.-9.0" << false;
    QTest::newRow("both negative and equal") << "-3.0.0"
                                             << "-3.0.0" << false;
    QTest::newRow("negative zero is zero") << "1.0.-0"
                                           << "1.0.0" << false;
    QTest::newRow("empty server text") << ""
                                       << "1.0.1" << false;
}

void TestVersionCompare::newer()
{
    QFETCH(QString, server);
    QFETCH(QString, local);
    QFETCH(bool, newer);
    QCOMPARE(IsNewerVersion(server, local), newer);
}

void TestVersionCompare::versionNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");

    QTest::newRow("three parts") << "1.0.2" << true;
    QTest::newRow("one part") << "2" << true;
    QTest::newRow("empty part") << "1..2" << true;
    QTest::newRow("letters") << "1.0.a" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("only dots") << ".." << false;
    QTest::newRow("error page") << "<html>404</html>" << false;
    QTest::newRow("blank inside") << "1.0 2" << false;
}

void TestVersionCompare::versionNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, number);
    QCOMPARE(isVersionNumber(text), number);
}

QTEST_APPLESS_MAIN(TestVersionCompare)
#include "tst_versioncompare.moc"
