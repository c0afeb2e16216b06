#include "standwindowharness.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>

namespace {

const QByteArray TwelveTrees = "100,60\n12\n"
                               "12.5,7.25,31\n80,45.5,22.4\n33.3,20,40\n55,55,18.75\n"
                               "5,30,12\n95.25,2,50\n47,12.5,33\n70.75,33,27.5\n"
                               "21,50.75,19\n62.5,25,44.4\n88,58,36\n40.4,40,29.9\n";

const QList<QStringList> TwelveTreeRows{
    {"1", "12.50", "7.25", "31.0"},   {"2", "80.00", "45.50", "22.4"},  {"3", "33.30", "20.00", "40.0"},
    {"4", "55.00", "55.00", "18.8"},  {"5", "5.00", "30.00", "12.0"},   {"6", "95.25", "2.00", "50.0"},
    {"7", "47.00", "12.50", "33.0"},  {"8", "70.75", "33.00", "27.5"},  {"9", "21.00", "50.75", "19.0"},
    {"10", "62.50", "25.00", "44.4"}, {"11", "88.00", "58.00", "36.0"}, {"12", "40.40", "40.00", "29.9"},
};

QByteArray standWithTrees(int announced, int written)
{
    QByteArray content = "100,100\n" + QByteArray::number(announced) + "\n";
    for (int t = 1; t <= written; ++t)
        content +=
            QByteArray::number(t) + "," + QByteArray::number(t + 0.5) + "," + QByteArray::number(t) + "\n";
    return content;
}

} // namespace

class StandWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void loadShowsStand_data();
    void loadShowsStand();
    void languageSwitchRetextsLoadedStand();
    void orderTableFollowsCornerDistance();
    void treeTableTexts_data();
    void treeTableTexts();
    void treeAtOriginSitsOnLowerLeftCorner();
    void fiftyTreesNeedNoSidewaysScrolling();
    void cancelKeepsEverything();
    void failedLoadKeepsStand_data();
    void failedLoadKeepsStand();
    void labelsFollowCheckBox();
    void resizeRedrawsAtNewScale();
    void mapWithoutSizeKeepsLastPlacement();
    void dialogKeepsOutOnlyASecondDialog();
    void fileDialogStartsInDataFolder();
    void failedOrCancelledLoadKeepsTableAndMapAgreeing_data();
    void failedOrCancelledLoadKeepsTableAndMapAgreeing();
    void failedFirstLoadNamesNoStand();
    void treesLeftOutAreSaid_data();
    void treesLeftOutAreSaid();
    void languageSwitchBringsTheReadyText_data();
    void languageSwitchBringsTheReadyText();
};

void StandWindowTest::loadShowsStand_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("treeHeader");
    QTest::addColumn<QString>("treeWord");
    QTest::newRow("German") << 0 << "Baum"
                            << "Bäume";
    QTest::newRow("Spanish") << 2 << "Árbol"
                             << "árboles";
    QTest::newRow("Slovak") << 3 << "Strom"
                            << "stromov";
}

void StandWindowTest::loadShowsStand()
{
    QFETCH(int, language);
    QFETCH(QString, treeHeader);
    QFETCH(QString, treeWord);
    StandWindowHarness h;
    h.pickLanguage(language);
    const QString path = h.writeFile("twelve.txt", TwelveTrees);
    h.open(path);

    QVERIFY(h.errors.isEmpty());
    QCOMPARE(h.dialogs.size(), 1);
    QCOMPARE(h.dialogs[0].folder, QDir(h.folder.path()).filePath("Data"));
    QCOMPARE(h.dialogs[0].filter, QStringLiteral("Text Datei (*.txt)"));
    QCOMPARE(h.dialogs[0].preset, QString());

    QCOMPARE(h.panel(2), "  " + path);
    QCOMPARE(h.panel(3), QStringLiteral("  0.6 ha"));
    QCOMPARE(h.panel(4), "  12 " + treeWord);
    QCOMPARE(h.tableHeader(), QStringList({treeHeader, "X", "Y", "d"}));
    QCOMPARE(h.table().rowCount(), 12);
    for (int row = 0; row < 12; ++row) {
        QCOMPARE(h.tableRow(row), TwelveTreeRows[row]);
        QCOMPARE(h.table().item(row, 2)->textAlignment(), int(Qt::AlignCenter));
        const QPointF centre =
            h.mapPoint(TwelveTreeRows[row][1].toDouble(), TwelveTreeRows[row][2].toDouble(), 100, 60);
        QCOMPARE(h.pixel(centre), QColor(Qt::black));
    }
    QCOMPARE(h.table().columnWidth(0), 57); // 850 twips
    QCOMPARE(h.table().columnWidth(3), 67); // 1000 twips
    QVERIFY(!h.controller->zonesComputed());

    h.open(QString()); // the next dialog starts at the stand just opened
    QCOMPARE(h.dialogs.last().preset, path);
}

void StandWindowTest::languageSwitchRetextsLoadedStand()
{
    StandWindowHarness h;
    h.openStand(TwelveTrees);
    h.pickLanguage(2);
    QCOMPARE(h.tableHeader(), QStringList({"Árbol", "X", "Y", "d"}));
    QCOMPARE(h.panel(4), QStringLiteral("  12 árboles"));
    h.pickLanguage(1);
    QCOMPARE(h.tableHeader(), QStringList({"Tree", "X", "Y", "d"}));
    QCOMPARE(h.panel(4), QStringLiteral("  12 trees"));
}

// Row k names the k-th nearest tree to the map's top-left corner, and the
// labels on the map come from it.
void StandWindowTest::orderTableFollowsCornerDistance()
{
    StandWindowHarness h;
    h.openStand(TwelveTrees);
    const OrderTable &order = h.controller->orderTable();
    QCOMPARE(order.rows.size(), 12);
    QSet<int> numbers;
    double previousDistance = -1;
    for (int k = 1; k <= 12; ++k) {
        const OrderRow &row = order.rows[k - 1];
        QCOMPARE(row.position, k);
        numbers.insert(row.treeNumber);
        const QStringList &tree = TwelveTreeRows[row.treeNumber - 1];
        const QPointF centre = h.mapPoint(tree[1].toDouble(), tree[2].toDouble(), 100, 60);
        QCOMPARE(row.mapXText.toDouble(), std::round(centre.x() * 1e4) / 1e4);
        QCOMPARE(row.diameterText, tree[3]);
        const double distance = row.cornerDistanceText.toDouble();
        QVERIFY(distance >= previousDistance);
        QCOMPARE(distance, std::round(std::hypot(centre.x(), centre.y()) * 100) / 100);
        previousDistance = distance;
    }
    QCOMPARE(numbers.size(), 12);
}

void StandWindowTest::treeTableTexts_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QList<QStringList>>("rows");

    QList<QStringList> fifty;
    for (int t = 1; t <= 50; ++t)
        fifty.append({QString::number(t), QString::number(t) + ".00", QString::number(t) + ".50",
                      QString::number(t) + ".0"});
    QTest::newRow("60 announced, 50 read") << standWithTrees(60, 60) << "1"
                                           << "50" << fifty;
    QTest::newRow("no trees") << QByteArray("30,40\n0\n") << "0.12"
                              << "0" << QList<QStringList>{};
    QTest::newRow("Y in a 50 m stand") << QByteArray("20,50\n1\n5,10,20\n") << "0.1"
                                       << "1" << QList<QStringList>{{"1", "5.00", "10.00", "20.0"}};
    QTest::newRow("two trees at one point")
        << QByteArray("100,100\n2\n90,10,10\n90,10,12\n") << "1"
        << "2" << QList<QStringList>{{"1", "90.00", "10.00", "10.0"}, {"2", "90.01", "9.99", "12.0"}};
    // The diameter is only shown: any finite number is taken as written.
    QTest::newRow("diameters of 1e10 and -2.5e12")
        << QByteArray("100,100\n2\n10,20,1e10\n30,40,-2.5e12\n") << "1"
        << "2"
        << QList<QStringList>{{"1", "10.00", "20.00", "10000000000.0"},
                              {"2", "30.00", "40.00", "-2500000000000.0"}};
}

void StandWindowTest::treeTableTexts()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, area);
    QFETCH(QString, count);
    QFETCH(QList<QStringList>, rows);
    StandWindowHarness h;
    h.openStand(content);
    QVERIFY(h.errors.isEmpty());
    QCOMPARE(h.panel(3), "  " + area + " ha");
    QCOMPARE(h.panel(4), "  " + count + " Bäume");
    QCOMPARE(h.tableHeader(), QStringList({"Baum", "X", "Y", "d"}));
    QCOMPARE(h.table().rowCount(), rows.size());
    for (int row = 0; row < rows.size(); ++row)
        QCOMPARE(h.tableRow(row), rows[row]);
    QCOMPARE(h.controller->orderTable().rows.size(), rows.size());
    QSet<int> ordered;
    for (const OrderRow &row : h.controller->orderTable().rows)
        ordered.insert(row.treeNumber);
    QCOMPARE(ordered.size(), rows.size());
    QCOMPARE(h.countPixels(Qt::black) == 0, rows.isEmpty());
}

void StandWindowTest::treeAtOriginSitsOnLowerLeftCorner()
{
    StandWindowHarness h;
    h.openStand("50,50\n1\n0,0,10\n");
    const int bottom = h.map().mapHeight() - 1;
    QCOMPARE(h.image().pixelColor(0, bottom), QColor(Qt::black));
    QCOMPARE(h.image().pixelColor(1, bottom - 1), QColor(Qt::black));
    QCOMPARE(h.image().pixelColor(5, bottom - 5), QColor(Qt::white));
    QCOMPARE(h.image().pixelColor(0, 0), QColor(Qt::white));
}

// The four columns fill the table's designed width beside the vertical
// scroll bar, even though each is rounded to whole pixels.
void StandWindowTest::fiftyTreesNeedNoSidewaysScrolling()
{
    StandWindowHarness h;
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    h.openStand(standWithTrees(50, 50));
    QTRY_VERIFY(h.table().verticalScrollBar()->isVisible());
    QCoreApplication::processEvents();
    QVERIFY(!h.table().horizontalScrollBar()->isVisible());
}

void StandWindowTest::cancelKeepsEverything()
{
    StandWindowHarness h;
    h.openStand(TwelveTrees);
    const QImage before = h.image();
    const QStringList panels{h.panel(2), h.panel(3), h.panel(4)};
    h.open(QString());
    QCOMPARE(h.dialogs.size(), 2);
    QVERIFY(h.errors.isEmpty());
    QCOMPARE(h.image(), before);
    QCOMPARE(QStringList({h.panel(2), h.panel(3), h.panel(4)}), panels);
    QCOMPARE(h.tableRow(11), TwelveTreeRows[11]);
}

void StandWindowTest::failedLoadKeepsStand_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content"); // empty: the file does not exist
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("phrase"); // part of the message
    QTest::newRow("missing, German") << 0 << "missing.txt" << QByteArray() << "Öffnungsfehler!"
                                     << "missing.txt“ lässt sich nicht öffnen: Die Datei gibt es nicht.";
    QTest::newRow("missing, English") << 1 << "missing.txt" << QByteArray() << "Open error!"
                                      << "missing.txt” cannot be opened: The file does not exist.";
    QTest::newRow("missing, Spanish") << 2 << "missing.txt" << QByteArray() << "Error de abrir!"
                                      << "missing.txt»: El archivo no existe.";
    QTest::newRow("missing, Slovak") << 3 << "missing.txt" << QByteArray() << "Chyba pri otvarani suboru!"
                                     << "missing.txt“ sa neda otvorit: Subor neexistuje.";
    QTest::newRow("missing folder, English") << 1 << "nowhere/missing.txt" << QByteArray() << "Open error!"
                                             << "The folder “";
#ifdef Q_OS_WIN
    // NUL is the device in every folder; the message names the path given.
    QTest::newRow("a device") << 0 << "NUL" << QByteArray() << "Öffnungsfehler!"
                              << "\\NUL“ ist keine gewöhnliche Datei.";
    QTest::newRow("a device, English") << 1 << "NUL" << QByteArray() << "Open error!"
                                       << "\\NUL” is not an ordinary file.";
#else
    QTest::newRow("a device") << 0 << "/dev/zero" << QByteArray() << "Öffnungsfehler!"
                              << "„/dev/zero“ ist keine gewöhnliche Datei.";
    QTest::newRow("a device, English") << 1 << "/dev/zero" << QByteArray() << "Open error!"
                                       << "“/dev/zero” is not an ordinary file.";
#endif
    QTest::newRow("a folder") << 1 << "Data" << QByteArray() << "Open error!"
                              << "It is a folder, not a file.";
    QTest::newRow("a value quoted, English")
        << 1 << "letters.txt" << QByteArray("100,abc\n1\n1,2,3\n") << "Open error!"
        << "found “abc”";
    QTest::newRow("a value quoted, Spanish")
        << 2 << "letters.txt" << QByteArray("100,abc\n1\n1,2,3\n") << "Error de abrir!"
        << "«abc»";
    QTest::newRow("ends early") << 0 << "short.txt" << QByteArray("100,100\n3\n1,2,3\n4,5")
                                << "Öffnungsfehler!"
                                << "endet hier";
    QTest::newRow("not a number") << 1 << "letters.txt" << QByteArray("100,abc\n1\n1,2,3\n") << "Open error!"
                                  << "line 1, value 2: Expected the stand length";
}

// Nothing of the stand shown before is touched, not even by a file that
// breaks off after a few trees; the message names the file in the user's
// language and quotes, and the path panel keeps naming the stand shown.
void StandWindowTest::failedLoadKeepsStand()
{
    QFETCH(int, language);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, title);
    QFETCH(QString, phrase);
    StandWindowHarness h;
    QDir(h.folder.path()).mkdir("Data");
    h.pickLanguage(language);
    h.openStand(TwelveTrees);
    emit h.window->calculateRequested();
    const QImage before = h.image();
    const QStringList panels{h.panel(3), h.panel(4)};

    const QString path =
        content.isEmpty() ? QDir(h.folder.path()).absoluteFilePath(fileName) : h.writeFile(fileName, content);
    h.open(path);

    QCOMPARE(h.errors.size(), 1);
    QCOMPARE(h.errors[0].title, title);
    QVERIFY2(h.errors[0].text.contains(phrase), qPrintable(h.errors[0].text));
    QVERIFY2(h.errors[0].text.contains(QDir::toNativeSeparators(path)), qPrintable(h.errors[0].text));
    QCOMPARE(h.panel(2), "  " + h.folder.filePath("stand.txt"));
    QCOMPARE(QStringList({h.panel(3), h.panel(4)}), panels);
    QCOMPARE(h.image(), before);
    QCOMPARE(h.table().rowCount(), 12);
    QCOMPARE(h.tableRow(0), TwelveTreeRows[0]);
    QCOMPARE(h.controller->stand()->treeCount(), 12);
    QVERIFY(h.controller->zonesComputed());
}

void StandWindowTest::labelsFollowCheckBox()
{
    StandWindowHarness h;
    h.openStand("100,100\n2\n50,50,10\n20,80,10\n");
    const QPointF tree = h.mapPoint(50, 50, 100, 100);
    const QRect labelArea = QRectF(tree - QPointF(5, 15), QSizeF(10, 10)).toRect();
    auto labelInk = [&] {
        int ink = 0;
        for (int y = labelArea.top(); y <= labelArea.bottom(); ++y) {
            for (int x = labelArea.left(); x <= labelArea.right(); ++x)
                ink += h.image().pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
        }
        return ink;
    };
    QCOMPARE(labelInk(), 0);
    h.setLabels(true);
    QVERIFY(labelInk() > 0);
    h.setLabels(false);
    QCOMPARE(labelInk(), 0);

    h.setLabels(true); // a newly opened stand is labelled at once
    h.openStand("100,100\n1\n50,50,10\n", "one.txt");
    QVERIFY(labelInk() > 0);
}

void StandWindowTest::resizeRedrawsAtNewScale()
{
    StandWindowHarness h;
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    h.openStand("100,100\n3\n60,75,1\n10,80,1\n30,50,1\n");
    emit h.window->calculateRequested();
    QVERIFY(h.countPixels(QColor(0, 0, 255)) > 0);
    const QSize mapBefore(h.map().mapWidth(), h.map().mapHeight());

    h.window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); // the offscreen screen is small
    h.window->resize(h.window->size() + QSize(60, 90));
    QTRY_VERIFY(h.map().mapWidth() > mapBefore.width() && h.map().mapHeight() > mapBefore.height());

    QCOMPARE(h.controller->stand()->mapWidth, h.map().mapWidth());
    QCOMPARE(h.countPixels(QColor(0, 0, 255)), 0);
    QCOMPARE(h.pixel(h.mapPoint(60, 75, 100, 100)), QColor(Qt::black));
    QCOMPARE(h.tableRow(0), QStringList({"1", "60.00", "75.00", "1.0"}));
    QVERIFY(h.controller->zonesComputed());
}

// A map without size (a minimised window) places nothing; the stand keeps
// its last placement and is placed once the map has a size again.
void StandWindowTest::mapWithoutSizeKeepsLastPlacement()
{
    StandWindowHarness h;
    h.openStand("100,100\n1\n60,75,1\n");
    const int width = h.map().mapWidth();
    const int height = h.map().mapHeight();
    h.map().resize(0, 0);
    emit h.window->layoutApplied();
    QCOMPARE(h.controller->stand()->mapWidth, width);
    QVERIFY(std::isfinite(h.controller->stand()->sortX[0]));

    h.openStand("100,100\n2\n90,10,10\n90,10,12\n", "tied.txt");
    QCOMPARE(h.tableRow(1), QStringList({"2", "90.00", "10.00", "12.0"}));
    emit h.window->calculateRequested();
    QVERIFY(h.controller->edgeTable().rows.isEmpty());
    emit h.window->mapPressed(QPointF(1, 1));
    QVERIFY(!h.controller->selection().valid);

    h.map().resize(width, height);
    emit h.window->layoutApplied();
    QCOMPARE(h.controller->stand()->mapWidth, width);
    QCOMPARE(h.tableRow(1), QStringList({"2", "90.01", "9.99", "12.0"}));
    QCOMPARE(h.pixel(h.mapPoint(90, 10, 100, 100)), QColor(Qt::black));
}

// While the dialog is open the window may still be rearranged, and the map
// redrawn for it, but no second dialog opens.
void StandWindowTest::dialogKeepsOutOnlyASecondDialog()
{
    StandWindowHarness h;
    h.openStand(TwelveTrees);
    const QString path = h.writeFile("three.txt", "100,100\n3\n60,75,1\n10,80,1\n30,50,1\n");
    int dialogs = 0;
    h.controller->setFileChooser([&](QWidget *, const QString &, const QString &, const QString &) {
        ++dialogs;
        emit h.window->openRequested();
        h.map().resize(300, 200);
        emit h.window->layoutApplied();
        return path;
    });
    emit h.window->openRequested();
    QCOMPARE(dialogs, 1);
    QCOMPARE(h.controller->stand()->treeCount(), 3);
    QCOMPARE(h.controller->stand()->mapWidth, 300);
    QCOMPARE(h.pixel(h.mapPoint(60, 75, 100, 100)), QColor(Qt::black));
}

void StandWindowTest::fileDialogStartsInDataFolder()
{
    StandWindowHarness h;
    QDir(h.folder.path()).mkdir("Data");
    h.controller->setFileChooser(nullptr);
    QString shownFolder;
    QString filter;
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            shownFolder = dialog->directory().absolutePath();
            filter = dialog->selectedNameFilter();
            dialog->reject();
        }
    });
    emit h.window->openRequested();
    QCOMPARE(shownFolder, QDir(h.folder.filePath("Data")).absolutePath());
    QCOMPARE(filter, QStringLiteral("Text Datei (*.txt)"));
    QVERIFY(h.errors.isEmpty());
    QCOMPARE(h.panel(2), QString());
}

void StandWindowTest::failedOrCancelledLoadKeepsTableAndMapAgreeing_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the dialog is cancelled
    QTest::newRow("unreadable") << QByteArray("100,100\n3\n1,2");
    QTest::newRow("cancelled") << QByteArray();
}

void StandWindowTest::failedOrCancelledLoadKeepsTableAndMapAgreeing()
{
    QFETCH(QByteArray, content);
    StandWindowHarness h;
    h.openStand(TwelveTrees);
    // Tree 4 at (55, 55) of the 100 m x 60 m stand.
    emit h.window->mapPressed(h.mapPoint(55, 55, 100, 60));
    const TreeSelection selection = h.controller->selection();
    QCOMPARE(selection.treeNumber, 4);
    QVERIFY(!selection.edgeRows.isEmpty());
    const QImage marked = h.image();

    if (content.isEmpty())
        h.open(QString());
    else
        h.openStand(content, "bad.txt");

    QCOMPARE(h.image(), marked);
    QCOMPARE(h.controller->selection().treeNumber, 4);
    const QModelIndexList selected = h.table().selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 2);
    for (const QModelIndex &index : selected)
        QCOMPARE(index.row(), 3);
    QCOMPARE(h.panel(2), "  " + h.folder.filePath("stand.txt"));
    QVERIFY(h.window->zoneReadout().has_value());
}

// Started with a file that cannot be read: no stand is shown, so no path.
void StandWindowTest::failedFirstLoadNamesNoStand()
{
    StandWindowHarness h;
    QVERIFY(!h.controller->loadStandFile(h.writeFile("bad.txt", "100,100\n3\n1,2")));
    QVERIFY(!h.controller->loadStandFile(h.folder.filePath("missing.txt")));
    QCOMPARE(h.errors.size(), 2);
    QCOMPARE(h.panel(2), QString());
    QVERIFY(!h.window->findChild<QAction *>("exportcsv")->isEnabled());
    // The dialog still offers the file last chosen.
    h.open(QString());
    QCOMPARE(h.dialogs.last().preset, h.folder.filePath("missing.txt"));
}

void StandWindowTest::treesLeftOutAreSaid_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("announced");
    QTest::addColumn<QString>("state");
    QTest::newRow("60, German") << 0 << 60 << "  Erste 50 von 60 Bäumen gezeigt";
    QTest::newRow("32767, English") << 1 << 32767 << "  First 50 of 32767 trees shown";
    QTest::newRow("51, Spanish") << 2 << 51 << "  Primeros 50 de 51 árboles";
    QTest::newRow("70, Slovak") << 3 << 70 << "  Prvych 50 z 70 stromov";
    QTest::newRow("exactly 50") << 0 << 50 << "  Bereit";
}

// What a language switch writes in panel 1 is the ready text; the note on
// the trees left out stays with the tree count, in panel 4's tooltip.
void StandWindowTest::languageSwitchBringsTheReadyText_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("ready");
    QTest::addColumn<QString>("note");
    QTest::newRow("German") << 0 << "  Bereit"
                            << "Erste 50 von 60 Bäumen gezeigt";
    QTest::newRow("English") << 1 << "  Ready"
                             << "First 50 of 60 trees shown";
    QTest::newRow("Spanish") << 2 << "  Listo"
                             << "Primeros 50 de 51 árboles";
    QTest::newRow("Slovak") << 3 << "  Pripraveny"
                            << "Prvych 50 z 70 stromov";
}

void StandWindowTest::languageSwitchBringsTheReadyText()
{
    QFETCH(int, language);
    QFETCH(QString, ready);
    QFETCH(QString, note);
    const int announced = note.contains(QStringLiteral("51"))   ? 51
                          : note.contains(QStringLiteral("70")) ? 70
                                                                : 60;
    StandWindowHarness h;
    h.openStand(standWithTrees(announced, 50));
    QVERIFY(h.errors.isEmpty());
    QVERIFY(h.panel(1).startsWith(QStringLiteral("  Erste 50")));
    QCOMPARE(h.window->statusPanel(4)->toolTip(),
             QStringLiteral("Erste 50 von %1 Bäumen gezeigt").arg(announced));

    h.pickLanguage(language);
    QCOMPARE(h.panel(1), ready);
    QCOMPARE(h.window->statusPanel(4)->toolTip(), note);
    QCOMPARE(h.table().rowCount(), 50);

    // A stand whose trees are all read leaves no note behind.
    h.openStand(TwelveTrees);
    QVERIFY(h.window->statusPanel(4)->toolTip().isEmpty());
}

void StandWindowTest::treesLeftOutAreSaid()
{
    QFETCH(int, language);
    QFETCH(int, announced);
    QFETCH(QString, state);
    StandWindowHarness h;
    h.pickLanguage(language);
    h.openStand(standWithTrees(announced, 50));
    QVERIFY(h.errors.isEmpty());
    QCOMPARE(h.panel(1), state);
    QCOMPARE(h.table().rowCount(), 50);

    // A stand of few trees afterwards says nothing of the kind.
    h.openStand(TwelveTrees);
    QVERIFY(h.panel(1) != state || announced == 50);
}

QTEST_MAIN(StandWindowTest)
#include "tst_standwindow.moc"
