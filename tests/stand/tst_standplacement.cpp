#include "stand/ordertable.h"
#include "stand/stand.h"
#include "stand/treetable.h"
#include "zones/edgetable.h"

#include <QTest>
#include <cmath>

namespace {

Stand standWith(int width, int length, const QList<QPointF> &trees)
{
    Stand stand;
    stand.width = width;
    stand.length = length;
    for (const QPointF &tree : trees) {
        stand.treeX.push_back(tree.x());
        stand.treeY.push_back(tree.y());
        stand.treeD.push_back(20);
    }
    return stand;
}

bool allDistinct(const std::vector<double> &values)
{
    for (std::size_t a = 0; a < values.size(); ++a) {
        for (std::size_t b = a + 1; b < values.size(); ++b) {
            if (values[a] == values[b])
                return false;
        }
    }
    return true;
}

} // namespace

class TestStandPlacement : public QObject
{
    Q_OBJECT

private slots:
    void placesOnStretchedMap();
    void refusesMapsSmallerThanOnePixel_data();
    void refusesMapsSmallerThanOnePixel();
    void separatesTies_data();
    void separatesTies();
    void separationEndsAndLeavesNoTie_data();
    void separationEndsAndLeavesNoTie();
    void orderTableFollowsEveryResort();
    void treeTableShowsStandCoordinates();
};

void TestStandPlacement::placesOnStretchedMap()
{
    Stand stand = standWith(50, 40, {{10, 30}, {0, 0}, {50, 40}});
    QVERIFY(placeTrees(stand, 200, 100));
    QCOMPARE(stand.mapWidth, 200);
    QCOMPARE(stand.mapHeight, 100);
    const std::vector<double> mapX{40, 0, 200}, mapY{25, 100, 0};
    QCOMPARE(stand.treeMapX, mapX);
    QCOMPARE(stand.treeMapY, mapY);
    QCOMPARE(stand.treeCornerDistance[0], std::sqrt(40.0 * 40 + 25 * 25));
    // The working arrays start as copies in file order.
    QCOMPARE(stand.sortX, mapX);
    QCOMPARE(stand.sortY, mapY);
    QCOMPARE(stand.sortKey, stand.treeCornerDistance);
}

void TestStandPlacement::refusesMapsSmallerThanOnePixel_data()
{
    QTest::addColumn<int>("mapWidth");
    QTest::addColumn<int>("mapHeight");
    QTest::newRow("no width") << 0 << 100;
    QTest::newRow("no height") << 100 << 0;
    QTest::newRow("negative") << -5 << 10;
}

void TestStandPlacement::refusesMapsSmallerThanOnePixel()
{
    QFETCH(int, mapWidth);
    QFETCH(int, mapHeight);
    Stand stand = standWith(50, 40, {{10, 30}});
    QVERIFY(placeTrees(stand, 100, 80));
    const Stand before = stand;
    QVERIFY(!placeTrees(stand, mapWidth, mapHeight));
    QVERIFY(!prepareStand(stand, mapWidth, mapHeight));
    QCOMPARE(stand.treeMapX, before.treeMapX);
    QCOMPARE(stand.treeMapY, before.treeMapY);
    QCOMPARE(stand.mapWidth, 100);
    for (const double value : stand.sortKey)
        QVERIFY(std::isfinite(value));
}

void TestStandPlacement::separatesTies_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<QPointF>>("trees");
    QTest::addColumn<QList<QPointF>>("mapAfter");
    QTest::addColumn<QList<QPointF>>("standAfter");

    // Map 100 x 100 for a 50 x 50 stand: 2 pixels per metre.
    QTest::newRow("same point") << 50 << 50 << QList<QPointF>{{10, 30}, {10, 30}}
                                << QList<QPointF>{{20, 40}, {20 * 1.0001, 40 * 1.0001}}
                                << QList<QPointF>{{10, 30},
                                                  {20 * 1.0001 * 50 / 100, 50 - 40 * 1.0001 * 50 / 100}};
    QTest::newRow("same y only") << 50 << 50 << QList<QPointF>{{5, 30}, {10, 30}}
                                 << QList<QPointF>{{10, 40}, {20, 40 * 1.0001}}
                                 << QList<QPointF>{{5, 30}, {10, 50 - 40 * 1.0001 * 50 / 100}};
    QTest::newRow("same x, lower tree moves")
        << 50 << 50 << QList<QPointF>{{10, 30}, {20, 5}, {10, 10}}
        << QList<QPointF>{{20, 40}, {40, 90}, {20 * 1.0001, 80}}
        << QList<QPointF>{{10, 30}, {20, 5}, {20 * 1.0001 * 50 / 100, 10}};
    // The factor cannot move a coordinate of 0; it moves to 0.0001 pixel.
    QTest::newRow("ties at map 0") << 50 << 50 << QList<QPointF>{{0, 50}, {0, 50}}
                                   << QList<QPointF>{{0, 0}, {0.0001, 0.0001}}
                                   << QList<QPointF>{{0, 50}, {0.0001 * 50 / 100, 50 - 0.0001 * 50 / 100}};
}

void TestStandPlacement::separatesTies()
{
    QFETCH(int, width);
    QFETCH(int, length);
    QFETCH(QList<QPointF>, trees);
    QFETCH(QList<QPointF>, mapAfter);
    QFETCH(QList<QPointF>, standAfter);

    Stand stand = standWith(width, length, trees);
    QVERIFY(placeTrees(stand, 100, 100));
    separateTies(stand);
    for (int t = 0; t < stand.treeCount(); ++t) {
        QCOMPARE(stand.treeMapX[t], mapAfter[t].x());
        QCOMPARE(stand.treeMapY[t], mapAfter[t].y());
        QCOMPARE(stand.treeX[t], standAfter[t].x());
        QCOMPARE(stand.treeY[t], standAfter[t].y());
        QCOMPARE(stand.sortX[t], stand.treeMapX[t]);
        QCOMPARE(stand.sortY[t], stand.treeMapY[t]);
        QCOMPARE(stand.treeCornerDistance[t], std::hypot(stand.treeMapX[t], stand.treeMapY[t]));
        QCOMPARE(stand.sortKey[t], stand.treeCornerDistance[t]);
    }
}

void TestStandPlacement::separationEndsAndLeavesNoTie_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<QPointF>>("trees");

    QList<QPointF> fiftyAtOnePoint, fiftyAtCorner, grid, mixed;
    for (int t = 0; t < 50; ++t) {
        fiftyAtOnePoint.append({25, 25});
        fiftyAtCorner.append({0, 40});
        grid.append({double(t % 7) * 5, double(t / 7) * 5});
        mixed.append({t % 2 == 0 ? 0.0 : 20.0, t % 3 == 0 ? 40.0 : 1e-320});
    }
    QTest::newRow("50 at one point") << 50 << 50 << fiftyAtOnePoint;
    QTest::newRow("50 at map corner 0,0") << 30 << 40 << fiftyAtCorner;
    QTest::newRow("grid with shared rows and columns") << 30 << 40 << grid;
    QTest::newRow("zeros and tiny numbers") << 20 << 40 << mixed;
}

void TestStandPlacement::separationEndsAndLeavesNoTie()
{
    QFETCH(int, width);
    QFETCH(int, length);
    QFETCH(QList<QPointF>, trees);
    Stand stand = standWith(width, length, trees);
    QVERIFY(prepareStand(stand, 441, 441));
    QVERIFY(allDistinct(stand.treeMapX));
    QVERIFY(allDistinct(stand.treeMapY));
    for (int t = 0; t < stand.treeCount(); ++t) {
        QVERIFY(std::isfinite(stand.treeMapX[t]) && std::isfinite(stand.treeMapY[t]));
        QVERIFY(std::isfinite(stand.treeX[t]) && std::isfinite(stand.treeY[t]));
    }
}

// Trees mirrored about the map's diagonal have exactly equal corner distances,
// and the heap sort swaps them when the zone computation sorts again; the
// order table must name the tree that really sits at each sorted position.
void TestStandPlacement::orderTableFollowsEveryResort()
{
    // Map points (20, 30) and (30, 20), (80, 60) and (60, 80).
    Stand stand = standWith(100, 100, {{20, 70}, {30, 80}, {50, 50}, {80, 40}, {60, 20}});
    QVERIFY(prepareStand(stand, 100, 100));
    for (int order = 1; order <= 3; ++order) {
        computeEdgeTable(stand, order, 100, 100);
        const OrderTable table = OrderTable::build(stand);
        QCOMPARE(table.rows.size(), 5);
        for (int k = 1; k <= 5; ++k) {
            const int tree = table.treeNumberAt(k);
            QVERIFY(tree >= 1);
            QCOMPARE(stand.treeMapX[tree - 1], stand.sortX[k - 1]);
            QCOMPARE(stand.treeMapY[tree - 1], stand.sortY[k - 1]);
            QCOMPARE(table.sortedIndexOf(tree), k);
        }
    }
    const OrderTable table = OrderTable::build(stand);
    const int fourth = table.treeNumberAt(4);
    const QStringList texts = table.rows[3].texts();
    QCOMPARE(texts.size(), 6);
    QCOMPARE(texts[0], QString::number(fourth));
    QCOMPARE(texts[1], QStringLiteral("4"));
    QCOMPARE(texts[4], QStringLiteral("20.0"));
    QCOMPARE(table.treeNumberAt(0), 0);
    QCOMPARE(table.treeNumberAt(6), 0);
}

void TestStandPlacement::treeTableShowsStandCoordinates()
{
    // 50 m long: a tree read at Y = 10 shows 10.00 whatever the map size.
    Stand stand = standWith(30, 50, {{7.125, 10}, {7.125, 10}, {0, 0}});
    stand.treeD = {12.25, 33, 0.04};
    QVERIFY(prepareStand(stand, 333, 517));
    const QList<QStringList> rows = treeTableRows(stand);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0], (QStringList{"1", "7.13", "10.00", "12.3"}));
    // The second tree was nudged off the first and shows where it is now.
    QCOMPARE(rows[1][0], QStringLiteral("2"));
    QCOMPARE(rows[1][1], QStringLiteral("7.13"));
    QCOMPARE(rows[1][2], QStringLiteral("10.00"));
    QVERIFY(stand.treeX[1] != stand.treeX[0]);
    QCOMPARE(rows[2], (QStringList{"3", "0.00", "0.00", "0.0"}));
}

QTEST_GUILESS_MAIN(TestStandPlacement)
#include "tst_standplacement.moc"
