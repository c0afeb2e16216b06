#include "zones/hsort.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <vector>

using Values = QList<double>;

class TestHSort : public QObject
{
    Q_OBJECT

private slots:
    void sortsWithItsTieBreaks_data();
    void sortsWithItsTieBreaks();
    void keepsTriplesTogether();
    void leavesSlotsBeyondCountAlone();
};

void TestHSort::sortsWithItsTieBreaks_data()
{
    QTest::addColumn<Values>("keys");
    QTest::addColumn<Values>("companions");
    QTest::addColumn<Values>("sortedKeys");
    QTest::addColumn<Values>("sortedCompanions");

    QTest::newRow("empty") << Values{} << Values{} << Values{} << Values{};
    QTest::newRow("one") << Values{4} << Values{40} << Values{4} << Values{40};
    QTest::newRow("two reversed") << Values{5, 3} << Values{50, 30} << Values{3, 5} << Values{30, 50};
    QTest::newRow("three") << Values{3, 1, 2} << Values{30, 10, 20} << Values{1, 2, 3} << Values{10, 20, 30};
    QTest::newRow("sorted stays") << Values{1, 2, 3, 4, 5, 6, 7} << Values{1, 2, 3, 4, 5, 6, 7}
                                  << Values{1, 2, 3, 4, 5, 6, 7} << Values{1, 2, 3, 4, 5, 6, 7};
    // Not stable: sorted input with equal keys can change order.
    QTest::newRow("(1, 1, 2) gives (b, a, c)")
        << Values{1, 1, 2} << Values{10, 20, 30} << Values{1, 1, 2} << Values{20, 10, 30};
    QTest::newRow("all equal") << Values{7, 7, 7, 7} << Values{1, 2, 3, 4} << Values{7, 7, 7, 7}
                               << Values{2, 3, 4, 1};
    QTest::newRow("equal children") << Values{1, 5, 5, 2, 3} << Values{1, 2, 3, 4, 5} << Values{1, 2, 3, 5, 5}
                                    << Values{1, 4, 5, 3, 2};
    // Ties met while extracting, not only while building the heap: the
    // companions are the original positions.
    QTest::newRow("equal keys in the sorting phase")
        << Values{2, 0, 2, 1, 1, 2, 2} << Values{0, 1, 2, 3, 4, 5, 6} << Values{0, 1, 1, 2, 2, 2, 2}
        << Values{1, 3, 4, 2, 5, 6, 0};
    QTest::newRow("negative and zero")
        << Values{0, -3.5, 2, -0.5} << Values{1, 2, 3, 4} << Values{-3.5, -0.5, 0, 2} << Values{2, 4, 1, 3};
}

void TestHSort::sortsWithItsTieBreaks()
{
    QFETCH(Values, keys);
    QFETCH(Values, companions);
    QFETCH(Values, sortedKeys);
    QFETCH(Values, sortedCompanions);

    std::vector<double> key(keys.begin(), keys.end());
    std::vector<double> first(companions.begin(), companions.end());
    std::vector<double> second(first);
    hSort(int(key.size()), key, first, second);
    QCOMPARE(Values(key.begin(), key.end()), sortedKeys);
    QCOMPARE(Values(first.begin(), first.end()), sortedCompanions);
    QCOMPARE(second, first);
}

void TestHSort::keepsTriplesTogether()
{
    QRandomGenerator random(42);
    for (int n = 2; n <= 60; ++n) {
        const auto size = std::size_t(n);
        std::vector<double> key(size), first(size), second(size);
        for (int p = 0; p < n; ++p) {
            key[p] = random.bounded(10); // many equal keys
            first[p] = p;
            second[p] = key[p] * 100 + p;
        }
        const std::vector<double> before = key;
        hSort(n, key, first, second);
        QVERIFY(std::is_sorted(key.begin(), key.end()));
        std::vector<double> origins = first;
        std::sort(origins.begin(), origins.end());
        for (int p = 0; p < n; ++p) {
            QCOMPARE(origins[p], double(p)); // a permutation
            QCOMPARE(key[p], before[std::size_t(first[p])]);
            QCOMPARE(second[p], key[p] * 100 + first[p]);
        }
    }
}

void TestHSort::leavesSlotsBeyondCountAlone()
{
    std::vector<double> key{9, 8, 7, 1, 0}, first{1, 2, 3, 4, 5}, second{1, 2, 3, 4, 5};
    hSort(3, key, first, second);
    QCOMPARE(key, (std::vector<double>{7, 8, 9, 1, 0}));
    QCOMPARE(first, (std::vector<double>{3, 2, 1, 4, 5}));
    // A count larger than the arrays is refused rather than read past them.
    hSort(9, key, first, second);
    QCOMPARE(key, (std::vector<double>{7, 8, 9, 1, 0}));
}

QTEST_GUILESS_MAIN(TestHSort)
#include "tst_hsort.moc"
