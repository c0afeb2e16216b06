#include "stand/numberformat.h"

#include <QTest>
#include <cmath>
#include <limits>

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void generalForm_data();
    void generalForm();
    void generalFormReadsBack();
    void fixedDecimals_data();
    void fixedDecimals();
};

void TestNumberFormat::generalForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("whole") << 40.0 << "40";
    QTest::newRow("tenths") << 48.3 << "48.3";
    QTest::newRow("truncated tenths") << std::floor(483.33) / 10 << "48.3";
    QTest::newRow("negative tenth") << -0.1 << "-0.1";
    QTest::newRow("small") << 0.00001 << "0.00001";
    QTest::newRow("binary noise dropped") << 0.1 + 0.2 << "0.3";
    QTest::newRow("fifteen digits") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("rounded at fifteenth digit") << 2.0 / 3 << "0.666666666666667";
    QTest::newRow("large, no exponent") << 123456789012345678.0 << "123456789012346000";
    QTest::newRow("negative large") << -1e20 << "-100000000000000000000";
    QTest::newRow("tiny, no exponent") << 1.5e-20 << "0.000000000000000000015";
    QTest::newRow("many tenths") << 99999999999.9 << "99999999999.9";
}

void TestNumberFormat::generalForm()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numberText(value), text);
}

// The tables hold numbers as text and read them back; the fast path for
// tenths and the general path must agree with each other.
void TestNumberFormat::generalFormReadsBack()
{
    for (int tenths = -20000; tenths <= 20000; tenths += 7) {
        const double value = double(tenths) / 10;
        const QString text = numberText(value);
        QCOMPARE(text.toDouble(), value);
        QCOMPARE(text, QString::number(value, 'g', 15));
    }
}

void TestNumberFormat::fixedDecimals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("pads decimals") << 7.0 << 2 << "7.00";
    QTest::newRow("leading zero") << 0.5 << 4 << "0.5000";
    QTest::newRow("half away from zero") << 0.125 << 2 << "0.13";
    QTest::newRow("negative half away from zero") << -0.125 << 2 << "-0.13";
    // 2.675 is stored as 2.67499999...; its decimal form is 2.675.
    QTest::newRow("half of the decimal form") << 2.675 << 2 << "2.68";
    QTest::newRow("carry into integer") << 9.995 << 2 << "10.00";
    QTest::newRow("carry past all digits") << 99.96 << 1 << "100.0";
    QTest::newRow("below half") << 12.34999 << 1 << "12.3";
    QTest::newRow("rounds to zero, no minus") << -0.004 << 2 << "0.00";
    QTest::newRow("negative zero") << -0.0 << 1 << "0.0";
    QTest::newRow("half of smallest unit") << 0.00005 << 4 << "0.0001";
    QTest::newRow("negative half of smallest unit") << -0.00005 << 4 << "-0.0001";
    QTest::newRow("below half of smallest unit") << -0.000049 << 4 << "0.0000";
    QTest::newRow("no thousands separator") << 1234567.891 << 4 << "1234567.8910";
    QTest::newRow("large") << 1e20 << 2 << "100000000000000000000.00";
}

void TestNumberFormat::fixedDecimals()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(fixedText(value, decimals), text);
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
