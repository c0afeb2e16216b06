#include "stand/ordertable.h"
#include "stand/stand.h"
#include "zones/edgetable.h"
#include "zones/treeselection.h"

#include <QTest>

namespace {

Stand preparedStand(int width, int length, const QList<QPointF> &trees, int mapWidth, int mapHeight)
{
    Stand stand;
    stand.width = width;
    stand.length = length;
    for (const QPointF &tree : trees) {
        stand.treeX.push_back(tree.x());
        stand.treeY.push_back(tree.y());
        stand.treeD.push_back(30);
    }
    prepareStand(stand, mapWidth, mapHeight);
    return stand;
}

} // namespace

class TestTreeSelection : public QObject
{
    Q_OBJECT

private slots:
    void selectsNearestTree_data();
    void selectsNearestTree();
    void measuresInStandMetres();
    void pressOnTreeOfStretchedMap_data();
    void pressOnTreeOfStretchedMap();
    void emptyStandHasNoSelection();
};

void TestTreeSelection::selectsNearestTree_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<int>("sortedIndex");
    QTest::addColumn<int>("treeNumber");
    QTest::addColumn<QList<int>>("edgeRows");
    QTest::addColumn<QList<int>>("neighbours");

    // The worked example: file trees 1 = (60, 25), 2 = (10, 20), 3 = (30, 50)
    // on the map; sorted 1 = tree 2, 2 = tree 3, 3 = tree 1.
    QTest::newRow("on a tree") << 1 << QPointF(10, 20) << 1 << 2 << QList<int>{0, 1} << QList<int>{2, 3};
    QTest::newRow("near tree 1") << 1 << QPointF(70, 20) << 3 << 1 << QList<int>{1, 2} << QList<int>{1, 2};
    QTest::newRow("order 2") << 2 << QPointF(29, 60) << 2 << 3 << QList<int>{0, 2} << QList<int>{1, 3};
    QTest::newRow("outside the map") << 1 << QPointF(-50, 500) << 2 << 3 << QList<int>{0, 2}
                                     << QList<int>{1, 3};
    // Exactly halfway between sorted trees 1 and 2: the lower index wins.
    QTest::newRow("tie") << 1 << QPointF(20, 35) << 1 << 2 << QList<int>{0, 1} << QList<int>{2, 3};
    QTest::newRow("no edges") << 3 << QPointF(60, 25) << 3 << 1 << QList<int>{} << QList<int>{};
}

void TestTreeSelection::selectsNearestTree()
{
    QFETCH(int, order);
    QFETCH(QPointF, point);
    QFETCH(int, sortedIndex);
    QFETCH(int, treeNumber);
    QFETCH(QList<int>, edgeRows);
    QFETCH(QList<int>, neighbours);

    Stand stand = preparedStand(100, 100, {{60, 75}, {10, 80}, {30, 50}}, 100, 100);
    const EdgeTable edges = computeEdgeTable(stand, order, 100, 100);
    const OrderTable table = OrderTable::build(stand);
    const TreeSelection selection = selectNearestTree(stand, table, edges, point, 100, 100);
    QVERIFY(selection.valid);
    QCOMPARE(selection.sortedIndex, sortedIndex);
    QCOMPARE(selection.treeNumber, treeNumber);
    QCOMPARE(selection.edgeRows, edgeRows);
    QCOMPARE(selection.neighbours, neighbours);
}

// A 100 m x 50 m stand on a 200 x 200 map: 2 pixels per metre along X, 4
// along Y. From stand (50, 25), tree A at (50, 20) is 5 m away and tree B at
// (56, 25) 6 m, but on the map A is 20 pixels away and B only 12.
void TestTreeSelection::measuresInStandMetres()
{
    Stand stand = preparedStand(100, 50, {{50, 20}, {56, 25}}, 200, 200);
    const EdgeTable edges = computeEdgeTable(stand, 1, 200, 200);
    const OrderTable table = OrderTable::build(stand);
    const QPointF point(50 * 2, (50 - 25) * 4);
    const TreeSelection selection = selectNearestTree(stand, table, edges, point, 200, 200);
    QVERIFY(selection.valid);
    QCOMPARE(selection.treeNumber, 1);
    QCOMPARE(selection.edgeRows, QList<int>{0});
}

void TestTreeSelection::pressOnTreeOfStretchedMap_data()
{
    QTest::addColumn<int>("sortedIndex");
    for (int t = 1; t <= 4; ++t)
        QTest::addRow("sorted tree %d", t) << t;
}

// A 50 m x 40 m stand on the square map: 8.82 pixels per metre along X,
// 11.025 along Y. Trees a metre or two apart, so any slip between map and
// stand scales picks a neighbour.
void TestTreeSelection::pressOnTreeOfStretchedMap()
{
    QFETCH(int, sortedIndex);
    Stand stand = preparedStand(50, 40, {{20, 20}, {20, 21.2}, {21.4, 20}, {21.1, 21}}, 441, 441);
    const EdgeTable edges = computeEdgeTable(stand, 1, 441, 441);
    const OrderTable table = OrderTable::build(stand);
    const auto slot = std::size_t(sortedIndex - 1);
    const QPointF press(stand.sortX[slot], stand.sortY[slot]);
    const TreeSelection selection = selectNearestTree(stand, table, edges, press, 441, 441);
    QVERIFY(selection.valid);
    QCOMPARE(selection.sortedIndex, sortedIndex);
}

void TestTreeSelection::emptyStandHasNoSelection()
{
    Stand stand = preparedStand(100, 100, {}, 441, 441);
    const EdgeTable edges = computeEdgeTable(stand, 1, 441, 441);
    const TreeSelection selection =
        selectNearestTree(stand, OrderTable::build(stand), edges, QPointF(10, 10), 441, 441);
    QVERIFY(!selection.valid);
    QVERIFY(selection.edgeRows.isEmpty());
}

QTEST_GUILESS_MAIN(TestTreeSelection)
#include "tst_treeselection.moc"
