#include "../stand/standwindowharness.h"
#include "stand/numberformat.h"
#include "vistaprog.h"
#include "zones/mapdrawing.h"
#include "zones/standzones.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>
#include <QXmlStreamReader>
#include <kavrel/inclusionzones.h>

namespace {

// Three trees on a 100 m square stand; on a square map their positions are
// those of a 100 x 100 map scaled, where the boundary pieces are known.
const QByteArray ThreeTrees = "100,100\n3\n60,75,32.5\n10,80,41\n30,50,27.3\n";

using Piece = QLineF; // in units of a 100 x 100 map

const QList<Piece> FirstOrderPieces{{0, 48.3, 34.7, 25.1}, {34.7, 25.1, 37.2, 0}, {34.7, 25.1, 97, 100}};
const QList<Piece> SecondOrderPieces{{34.7, 25.1, 72.5, 0}, {27.2, 100, 34.7, 25.1}, {13.7, 0, 34.7, 25.1}};

const QColor Blue(0, 0, 255);
const QColor White(Qt::white);

// Stands whose trees share X values, Y values or whole positions, which the
// map moves apart and the numbers must not.
const QByteArray SharedX = "50,50\n5\n10,10,20\n10,30,25\n10,45,30\n30,20,15\n40,40,22\n";
const QByteArray SharedY = "60,40\n5\n5,20,20\n25,20,25\n50,20,30\n30,35,15\n45,5,18\n";
const QByteArray Coincident = "50,50\n8\n20.0,30.0,31.5\n20.0,30.0,24.0\n20.0,30.0,40.2\n20.0,10.0,18.7\n"
                              "35.0,30.0,27.3\n0.0,50.0,22.1\n0.0,50.0,35.8\n0.0,20.0,29.4\n";

// What kavrel-zones prints for a stand file (English, as scripts get it).
QByteArray toolOutput(const QStringList &arguments)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(KAVREL_ZONES_PROGRAM), arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        qWarning("kavrel-zones %s failed: %s", qPrintable(arguments.join(' ')),
                 tool.readAllStandardError().data());
    return tool.readAllStandardOutput();
}

QByteArray standOfTrees(int count)
{
    QByteArray content = "100,100\n" + QByteArray::number(count) + "\n";
    for (int t = 1; t <= count; ++t)
        content += QByteArray::number(t * 11 % 97) + "," + QByteArray::number(t * 7 % 89 + 0.5) + ",1\n";
    return content;
}

struct ZoneHarness : StandWindowHarness
{
    VistaProg &progress() const { return *window->calculationProgress(); }

    void chooseOrder(int order)
    {
        window->findChild<QToolButton *>(QStringLiteral("btn%1order").arg(order))->click();
    }

    QPointF scaled(QPointF hundredth) const
    {
        return {hundredth.x() * map().mapWidth() / 100.0, hundredth.y() * map().mapHeight() / 100.0};
    }

    // Whether the colour lies along the piece, away from its ends.
    bool colourAlong(const Piece &piece, const QColor &colour) const
    {
        for (const double t : {0.2, 0.5, 0.8}) {
            if (!colourNear(scaled(piece.pointAt(t)), colour, 2))
                return false;
        }
        return true;
    }

    bool mapIsBlank() const { return countPixels(White) == image().width() * image().height(); }

    // The exact areas straight from the zone computation, in stand metres.
    QList<double> engineAreas(int order) const
    {
        const Stand &stand = *controller->stand();
        std::vector<kavrel::Point> trees;
        for (int t = 0; t < stand.treeCount(); ++t)
            trees.push_back({stand.treeX[std::size_t(t)], stand.treeY[std::size_t(t)]});
        const std::vector<double> areas =
            kavrel::inclusionZoneAreas(trees, {double(stand.width), double(stand.length)}, order);
        return QList<double>(areas.begin(), areas.end());
    }

    // Exports through the file menu, the save dialog answering `path`.
    void exportTo(const char *entry, const QString &path)
    {
        controller->exportCommand().setFileChooser(
            [this, path](QWidget *, const QString &proposed, const QString &) {
                proposedPaths.append(proposed);
                return path;
            });
        controller->exportCommand().setErrorReporter(
            [this](QWidget *, const QString &title, const QString &text) {
                errors.append({title, text});
            });
        window->findChild<QAction *>(QLatin1String(entry))->trigger();
    }

    QByteArray fileContent(const QString &path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList proposedPaths;
};

} // namespace

class ZoneWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void calculateBeforeAnyStand();
    void boundariesOfOrder_data();
    void boundariesOfOrder();
    void progressOncePerOuterStep_data();
    void progressOncePerOuterStep();
    void statusTexts_data();
    void statusTexts();
    void labelCheckBoxRedraws_data();
    void labelCheckBoxRedraws();
    void pressWithoutStandChangesNothing();
    void pressMarksNearestTree();
    void pressWithoutBoundaryPieces();
    void pressOnStandWithoutTrees();
    void commandsDuringComputationAreIgnored();
    void zoneReadoutAfterPress_data();
    void zoneReadoutAfterPress();
    void zoneReadoutOnlyWithASelection();
    void zoneReadoutInMetresWhateverTheStretch();
    void exportsParseAndMatchTheAreas_data();
    void exportsParseAndMatchTheAreas();
    void exportFailureIsReportedWithPathAndReason_data();
    void exportFailureIsReportedWithPathAndReason();
    void exportDialogRemembersItsFolder();
    void exportDialogForgetsAFailedFolder();
    void numbersAreTheToolsForTiedTrees_data();
    void numbersAreTheToolsForTiedTrees();
    void svgLegendInTheWindowsLanguage_data();
    void svgLegendInTheWindowsLanguage();
    void qtButtonsInTheWindowsLanguage_data();
    void qtButtonsInTheWindowsLanguage();
};

void ZoneWindowTest::initTestCase()
{
    ZoneHarness h;
    QCOMPARE(h.map().mapWidth(), h.map().mapHeight()); // the known pieces need a square map
}

void ZoneWindowTest::calculateBeforeAnyStand()
{
    ZoneHarness h;
    h.window->statusPanel(1)->setText("before");
    emit h.window->calculateRequested();
    QVERIFY(h.mapIsBlank());
    QCOMPARE(h.panel(1), QStringLiteral("  Bereit"));
    QVERIFY(h.controller->edgeTable().rows.isEmpty());
    QVERIFY(!h.progress().isVisible());
    QVERIFY(h.controller->zonesComputed());
}

void ZoneWindowTest::boundariesOfOrder_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QList<Piece>>("drawn");
    QTest::addColumn<QList<Piece>>("notDrawn");
    QTest::newRow("k = 1") << 1 << FirstOrderPieces << SecondOrderPieces;
    QTest::newRow("k = 2") << 2 << SecondOrderPieces << FirstOrderPieces;
    QTest::newRow("k = 3") << 3 << QList<Piece>{} << FirstOrderPieces + SecondOrderPieces;
    QTest::newRow("k = 4") << 4 << QList<Piece>{} << FirstOrderPieces + SecondOrderPieces;
}

void ZoneWindowTest::boundariesOfOrder()
{
    QFETCH(int, order);
    QFETCH(QList<Piece>, drawn);
    QFETCH(QList<Piece>, notDrawn);
    ZoneHarness h;
    h.openStand(ThreeTrees);
    h.chooseOrder(order);
    emit h.window->calculateRequested();

    QCOMPARE(h.controller->edgeTable().order, order);
    QCOMPARE(h.controller->edgeTable().rows.size(), drawn.size());
    for (const Piece &piece : drawn)
        QVERIFY2(h.colourAlong(piece, Blue),
                 qPrintable(QString("piece from %1,%2").arg(piece.x1()).arg(piece.y1())));
    for (const Piece &piece : notDrawn)
        QVERIFY(!h.colourNear(h.scaled(piece.center()), Blue, 1));
    if (drawn.isEmpty())
        QCOMPARE(h.countPixels(Blue), 0);
    for (const QPointF tree : {QPointF(60, 25), QPointF(10, 20), QPointF(30, 50)})
        QCOMPARE(h.pixel(h.scaled(tree)), QColor(Qt::black));
}

void ZoneWindowTest::progressOncePerOuterStep_data()
{
    QTest::addColumn<int>("trees");
    QTest::addColumn<QList<int>>("values");
    QTest::newRow("3 trees") << 3 << QList<int>{0, 33, 67, 100};
    QTest::newRow("8 trees, halves to even") << 8 << QList<int>{0, 12, 25, 38, 50, 62, 75, 88, 100};
    QTest::newRow("1 tree") << 1 << QList<int>{0, 100};
    QTest::newRow("no trees") << 0 << QList<int>{0};
}

void ZoneWindowTest::progressOncePerOuterStep()
{
    QFETCH(int, trees);
    QFETCH(QList<int>, values);
    ZoneHarness h;
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    h.openStand(standOfTrees(trees));
    QList<int> seen;
    QList<bool> visible;
    connect(&h.progress(), &VistaProg::valueChanged, this, [&](int value) {
        seen.append(value);
        visible.append(h.progress().isVisible());
    });
    emit h.window->calculateRequested();
    QCOMPARE(seen, values);
    for (qsizetype step = 1; step < visible.size(); ++step)
        QVERIFY(visible[step]);
    QVERIFY(!h.progress().isVisible());
}

void ZoneWindowTest::statusTexts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("running");
    QTest::addColumn<QString>("ready");
    QTest::newRow("German") << 0 << "  Berechnung läuft ..."
                            << "  Bereit";
    QTest::newRow("English") << 1 << "  Calculation is running ..."
                             << "  Ready";
    QTest::newRow("Spanish") << 2 << "  Calculación ..."
                             << "  Listo";
    QTest::newRow("Slovak") << 3 << "  Prebieha kalkulacia ..."
                            << "  Pripraveny";
}

void ZoneWindowTest::statusTexts()
{
    QFETCH(int, language);
    QFETCH(QString, running);
    QFETCH(QString, ready);
    ZoneHarness h;
    h.pickLanguage(language);
    h.openStand(ThreeTrees);
    QStringList during;
    connect(&h.progress(), &VistaProg::valueChanged, this, [&] { during.append(h.panel(1)); });

    emit h.window->calculateRequested();
    QCOMPARE(during.value(1), running);
    QCOMPARE(h.panel(1), ready);

    during.clear();
    emit h.window->mapPressed(h.scaled({10, 20}));
    QCOMPARE(during.value(1), running);
    QCOMPARE(h.panel(1), ready);
}

void ZoneWindowTest::labelCheckBoxRedraws_data()
{
    QTest::addColumn<bool>("load");
    QTest::addColumn<QString>("before"); // "", "calculate" or "press"
    QTest::addColumn<bool>("zones");
    QTest::newRow("no stand") << false << "" << false;
    QTest::newRow("no stand, calculated") << false << "calculate" << false;
    QTest::newRow("stand, nothing computed") << true << "" << false;
    QTest::newRow("after calculate") << true << "calculate" << true;
    QTest::newRow("after a press") << true << "press" << true;
}

// The box redraws the trees, and the boundaries once they were computed; a
// selection's marks are not drawn again.
void ZoneWindowTest::labelCheckBoxRedraws()
{
    QFETCH(bool, load);
    QFETCH(QString, before);
    QFETCH(bool, zones);
    ZoneHarness h;
    if (load)
        h.openStand(ThreeTrees);
    if (before == "calculate")
        emit h.window->calculateRequested();
    if (before == "press")
        emit h.window->mapPressed(h.scaled({10, 20}));
    h.window->statusPanel(1)->setText("untouched");

    h.setLabels(true);

    QCOMPARE(h.panel(1), QStringLiteral("untouched"));
    QCOMPARE(h.mapIsBlank(), !load);
    QCOMPARE(h.countPixels(Blue) > 0, zones);
    QCOMPARE(h.countPixels(MapDrawing::SelectedColour), 0);
    QCOMPARE(h.countPixels(MapDrawing::InfluenceColour), 0);
    QVERIFY(!h.table().selectionModel()->hasSelection());
}

void ZoneWindowTest::pressWithoutStandChangesNothing()
{
    ZoneHarness h;
    h.window->statusPanel(1)->setText("untouched");
    emit h.window->mapPressed(QPointF(50, 50));
    QCOMPARE(h.panel(1), QStringLiteral("untouched"));
    QVERIFY(h.mapIsBlank());
    QVERIFY(!h.controller->zonesComputed());
}

void ZoneWindowTest::pressMarksNearestTree()
{
    ZoneHarness h;
    h.openStand(ThreeTrees);
    emit h.window->mapPressed(h.scaled({10, 20}) + QPointF(3, -2)); // right of (10, 20): file tree 2

    const TreeSelection &selection = h.controller->selection();
    QVERIFY(selection.valid);
    QCOMPARE(selection.treeNumber, 2);
    QVERIFY(h.controller->zonesComputed());
    QCOMPARE(h.pixel(h.scaled({10, 20})), MapDrawing::SelectedColour);
    QCOMPARE(h.pixel(h.scaled({30, 50})), MapDrawing::InfluenceColour);
    QCOMPARE(h.pixel(h.scaled({60, 25})), MapDrawing::InfluenceColour);
    QVERIFY(h.colourAlong(FirstOrderPieces[0], MapDrawing::SelectedColour));
    QVERIFY(h.colourAlong(FirstOrderPieces[1], MapDrawing::SelectedColour));
    QVERIFY(h.colourAlong(FirstOrderPieces[2], Blue)); // between the two other trees

    const QList<QTableWidgetSelectionRange> ranges = h.table().selectedRanges();
    QCOMPARE(ranges.size(), 1);
    QCOMPARE(QList<int>({ranges[0].topRow(), ranges[0].bottomRow(), ranges[0].leftColumn(),
                         ranges[0].rightColumn()}),
             QList<int>({1, 1, 0, 1}));
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        QCOMPARE(h.table().palette().color(group, QPalette::Highlight), MapDrawing::SelectedColour);

    const QImage first = h.image();
    emit h.window->mapPressed(h.scaled({10, 20}) + QPointF(3, -2));
    QCOMPARE(h.image(), first);

    emit h.window->labelCheckClicked(); // the marks go, the table row is let go
    QCOMPARE(h.countPixels(MapDrawing::SelectedColour), 0);
    QVERIFY(h.table().selectedRanges().isEmpty());
}

// With k - 1 > n - 2 no piece bounds the selected tree's zone.
void ZoneWindowTest::pressWithoutBoundaryPieces()
{
    ZoneHarness h;
    h.openStand(ThreeTrees);
    h.chooseOrder(3);
    emit h.window->mapPressed(h.scaled({60, 25}));
    QCOMPARE(h.controller->selection().treeNumber, 1);
    QCOMPARE(h.pixel(h.scaled({60, 25})), MapDrawing::SelectedColour);
    QCOMPARE(h.countPixels(MapDrawing::InfluenceColour), 0);
    QCOMPARE(h.countPixels(Blue), 0);
    QVERIFY(!h.table().selectionModel()->hasSelection());
}

void ZoneWindowTest::pressOnStandWithoutTrees()
{
    ZoneHarness h;
    h.openStand("30,40\n0\n");
    emit h.window->mapPressed(QPointF(20, 20));
    QVERIFY(!h.controller->selection().valid);
    QCOMPARE(h.panel(1), QStringLiteral("  Bereit"));
    QVERIFY(h.mapIsBlank());
}

// A command arriving while the boundaries are computed (the bar repaints in
// the middle) must not start a second computation inside the first.
void ZoneWindowTest::commandsDuringComputationAreIgnored()
{
    ZoneHarness h;
    h.openStand(ThreeTrees);
    emit h.window->calculateRequested();
    const QImage alone = h.image();

    h.window->labelCheckBox()->setChecked(false);
    int nested = 0;
    connect(&h.progress(), &VistaProg::valueChanged, this, [&] {
        ++nested;
        emit h.window->calculateRequested();
        emit h.window->mapPressed(h.scaled({10, 20}));
        emit h.window->labelCheckClicked();
        emit h.window->openRequested();
        emit h.window->layoutApplied();
    });
    emit h.window->calculateRequested();
    QCOMPARE(nested, 4);           // once at the start and once per tree
    QCOMPARE(h.dialogs.size(), 1); // the first opening only
    QVERIFY(!h.controller->selection().valid);
    QCOMPARE(h.image(), alone);
}

void ZoneWindowTest::zoneReadoutAfterPress_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("words"); // the text up to the area
    QTest::newRow("k = 1, German") << 1 << 0 << "Baum 2 (k = 1): ";
    QTest::newRow("k = 2, English") << 2 << 1 << "Tree 2 (k = 2): ";
    QTest::newRow("k = 3, Spanish") << 3 << 2 << "Árbol 2 (k = 3): ";
    QTest::newRow("k = 5, Slovak") << 5 << 3 << "Strom 2 (k = 5): ";
}

// The read-out gives the exact area of the pressed tree's zone of the order
// pressed with, in the language chosen, and follows a later switch.
void ZoneWindowTest::zoneReadoutAfterPress()
{
    QFETCH(int, order);
    QFETCH(int, language);
    QFETCH(QString, words);
    ZoneHarness h;
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    h.openStand(ThreeTrees);
    h.chooseOrder(order == 1 ? 2 : 1);
    emit h.window->mapPressed(h.scaled({10, 20}));
    h.chooseOrder(order);
    emit h.window->mapPressed(h.scaled({10, 20}));
    h.pickLanguage(language);

    const std::optional<ZoneReadout> readout = h.window->zoneReadout();
    QVERIFY(readout.has_value());
    const double area = h.engineAreas(order)[1];
    QCOMPARE(readout->treeNumber, 2);
    QCOMPARE(readout->order, order);
    QCOMPARE(readout->area, area);
    QCOMPARE(readout->probability, area / 10000.0);
    QVERIFY(h.window->zoneReadoutLabel()->isVisible());
    QCOMPARE(h.window->zoneReadoutLabel()->text(),
             words + QString::number(area, 'f', 2) + " m², p = " + QString::number(area / 10000.0, 'f', 4));
}

void ZoneWindowTest::zoneReadoutOnlyWithASelection()
{
    ZoneHarness h;
    QLabel *readout = h.window->zoneReadoutLabel();
    h.openStand(ThreeTrees);
    QVERIFY(readout->isHidden());
    emit h.window->calculateRequested();
    QVERIFY(readout->isHidden());
    QVERIFY(!h.window->zoneReadout().has_value());

    emit h.window->mapPressed(h.scaled({60, 25}));
    QVERIFY(!readout->isHidden());
    QCOMPARE(h.window->zoneReadout()->treeNumber, 1);

    // Whatever takes the marks off the map takes the read-out too.
    emit h.window->calculateRequested();
    QVERIFY(readout->isHidden());
    emit h.window->mapPressed(h.scaled({60, 25}));
    emit h.window->labelCheckClicked();
    QVERIFY(readout->isHidden());
    emit h.window->mapPressed(h.scaled({60, 25}));
    h.openStand(ThreeTrees, "again.txt");
    QVERIFY(readout->isHidden());
}

// A stretched map changes where the trees are drawn, not their zones.
void ZoneWindowTest::zoneReadoutInMetresWhateverTheStretch()
{
    ZoneHarness h;
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    h.openStand(ThreeTrees);
    emit h.window->mapPressed(h.scaled({30, 50}));
    const double square = h.window->zoneReadout()->area;

    h.window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    h.window->resize(h.window->size() + QSize(200, 0));
    QTRY_VERIFY(h.map().mapWidth() > h.map().mapHeight() + 100);
    emit h.window->mapPressed(h.scaled({30, 50}));
    QCOMPARE(h.window->zoneReadout()->treeNumber, 3);
    QCOMPARE(h.window->zoneReadout()->area, square);
}

void ZoneWindowTest::exportsParseAndMatchTheAreas_data()
{
    QTest::addColumn<int>("order");
    QTest::newRow("k = 1") << 1;
    QTest::newRow("k = 2") << 2;
    QTest::newRow("k = 4, every zone the whole stand") << 4;
}

void ZoneWindowTest::exportsParseAndMatchTheAreas()
{
    QFETCH(int, order);
    ZoneHarness h;
    h.openStand(ThreeTrees);
    h.chooseOrder(order);
    const QList<double> areas = h.engineAreas(order);
    double total = 0;
    for (const double area : areas)
        total += area;
    QVERIFY(qAbs(total - std::min(order, 3) * 10000.0) < 1e-6);

    const QString geoJson = h.folder.filePath("zones.geojson");
    h.exportTo("exportgeojson", geoJson);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(h.fileContent(geoJson), &parseError);
    QCOMPARE(parseError.error, QJsonParseError::NoError);
    const QJsonArray features = document.object().value("features").toArray();
    QCOMPARE(features.size(), 3);
    for (int t = 0; t < 3; ++t) {
        const QJsonObject properties = features[t].toObject().value("properties").toObject();
        QCOMPARE(properties.value("tree").toInt(), t + 1);
        QCOMPARE(properties.value("k").toInt(), order);
        QVERIFY(qAbs(properties.value("area").toDouble() - areas[t]) <= 1e-9 * 10000);
    }

    const QString svg = h.folder.filePath("zones.svg");
    h.exportTo("exportsvg", svg);
    QXmlStreamReader xml(h.fileContent(svg));
    int circles = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("circle"))
            ++circles;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(circles, 3 + 1); // the trees and the legend's tree

    const QString csv = h.folder.filePath("areas.csv");
    h.exportTo("exportcsv", csv);
    const QStringList lines = QString::fromUtf8(h.fileContent(csv)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("tree,x,y,d,k,area,probability"));
    for (int t = 0; t < 3; ++t) {
        const QStringList values = lines[t + 1].split(',');
        QCOMPARE(values.size(), 7);
        QCOMPARE(values[0].toInt(), t + 1);
        QCOMPARE(values[4].toInt(), order);
        QVERIFY(qAbs(values[5].toDouble() - areas[t]) <= 1e-9 * 10000);
        QVERIFY(qAbs(values[6].toDouble() - areas[t] / 10000.0) <= 1e-12);
    }
    QCOMPARE(lines[1].section(',', 1, 3), QStringLiteral("60,75,32.5"));
    QVERIFY(h.errors.isEmpty());
    QCOMPARE(QDir(h.folder.path()).entryList({"*.geojson", "*.svg", "*.csv"}, QDir::Files).size(), 3);
}

void ZoneWindowTest::exportFailureIsReportedWithPathAndReason_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("target"); // relative to the test folder
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder, German") << 0 << "taken"
                                      << "Exportfehler!"
                                      << "Das ist ein Ordner, keine Datei.";
    QTest::newRow("a folder, English") << 1 << "taken"
                                       << "Export error!"
                                       << "It is a folder, not a file.";
    QTest::newRow("no such folder, Spanish") << 2 << "nowhere/zones.csv"
                                             << "¡Error de exportación!"
                                             << "La carpeta «";
}

void ZoneWindowTest::exportFailureIsReportedWithPathAndReason()
{
    QFETCH(int, language);
    QFETCH(QString, target);
    QFETCH(QString, title);
    QFETCH(QString, reason);
    ZoneHarness h;
    h.pickLanguage(language);
    h.openStand(ThreeTrees);
    QVERIFY(QDir(h.folder.path()).mkpath("taken"));
    const QString path = h.folder.filePath(target);

    h.exportTo("exportcsv", path);

    QCOMPARE(h.errors.size(), 1);
    QCOMPARE(h.errors[0].title, title);
    QVERIFY2(h.errors[0].text.contains(QDir::toNativeSeparators(path)), qPrintable(h.errors[0].text));
    QVERIFY2(h.errors[0].text.contains(reason), qPrintable(h.errors[0].text));
    QVERIFY(!QFileInfo(path).isFile());
}

void ZoneWindowTest::exportDialogRemembersItsFolder()
{
    ZoneHarness h;
    h.openStand(ThreeTrees, "three.txt");
    QVERIFY(QDir(h.folder.path()).mkpath("out"));
    h.chooseOrder(2);
    h.exportTo("exportgeojson", h.folder.filePath("out/first.geojson"));
    h.exportTo("exportsvg", QString()); // cancelled
    QCOMPARE(h.proposedPaths.size(), 2);
    QCOMPARE(h.proposedPaths[0], h.folder.filePath("three_zones_k2.geojson"));
    QCOMPARE(h.proposedPaths[1], h.folder.filePath("out/three_zones_k2.svg"));
    QVERIFY(QFileInfo::exists(h.folder.filePath("out/first.geojson")));
    QVERIFY(h.errors.isEmpty());
}

// A folder that could not take the file is not offered again; the last one
// that did stays.
void ZoneWindowTest::exportDialogForgetsAFailedFolder()
{
    ZoneHarness h;
    h.openStand(ThreeTrees, "three.txt");
    QVERIFY(QDir(h.folder.path()).mkpath("out"));
    h.exportTo("exportcsv", h.folder.filePath("nowhere/first.csv"));
    h.exportTo("exportcsv", h.folder.filePath("out/second.csv"));
    h.exportTo("exportcsv", h.folder.filePath("out/missing/third.csv"));
    h.exportTo("exportcsv", QString());
    QCOMPARE(h.errors.size(), 2);
    QCOMPARE(h.proposedPaths.size(), 4);
    QCOMPARE(h.proposedPaths[1], h.folder.filePath("three_areas_k1.csv"));
    QCOMPARE(h.proposedPaths[2], h.folder.filePath("out/three_areas_k1.csv"));
    QCOMPARE(h.proposedPaths[3], h.folder.filePath("out/three_areas_k1.csv"));
}

void ZoneWindowTest::numbersAreTheToolsForTiedTrees_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("order");
    const QList<std::pair<const char *, QByteArray>> stands{{"shared X", SharedX},
                                                            {"shared Y", SharedY},
                                                            {"coincident", Coincident},
                                                            {"three trees", ThreeTrees}};
    for (const auto &[name, content] : stands) {
        for (int k = 1; k <= 5; ++k)
            QTest::addRow("%s, k = %d", name, k) << content << k;
    }
    for (const char *sample : {"example3.txt", "sample12.txt", "sample50.txt", "coincident.txt"}) {
        QFile file(QStringLiteral(KAVREL_SAMPLE_STANDS "/") + QLatin1String(sample));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read the sample stand %s", sample);
        const QByteArray content = file.readAll();
        for (const int k : {1, 3, 5})
            QTest::addRow("%s, k = %d", sample, k) << content << k;
    }
}

// The read-out and the GeoJSON and CSV exports give what kavrel-zones gives
// for the same file: every tree at its written place, however the map moved
// tied trees apart.
void ZoneWindowTest::numbersAreTheToolsForTiedTrees()
{
    QFETCH(QByteArray, content);
    QFETCH(int, order);
    ZoneHarness h;
    h.openStand(content);
    h.chooseOrder(order);
    const QString standFile = h.folder.filePath("stand.txt");
    const QStringList orderArguments{QStringLiteral("--order"), QString::number(order)};

    const QString geoJson = h.folder.filePath("zones.geojson");
    h.exportTo("exportgeojson", geoJson);
    QCOMPARE(h.fileContent(geoJson),
             toolOutput(QStringList{"--geojson"} + orderArguments + QStringList{standFile}));

    const QStringList toolRows =
        QString::fromUtf8(toolOutput(QStringList{"--areas"} + orderArguments + QStringList{standFile}))
            .split('\n', Qt::SkipEmptyParts);
    const QString csv = h.folder.filePath("areas.csv");
    h.exportTo("exportcsv", csv);
    QStringList windowRows = QString::fromUtf8(h.fileContent(csv)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(windowRows.takeFirst(), QStringLiteral("tree,x,y,d,k,area,probability"));
    QCOMPARE(windowRows.size(), toolRows.size());
    for (qsizetype t = 0; t < toolRows.size(); ++t) {
        QStringList window = windowRows[t].split(',');
        QCOMPARE(window.takeAt(4), QString::number(order));
        QCOMPARE(window.join(','), toolRows[t]);
    }

    // Pressed on its place on the map, a tree is named by its file number
    // and given the tool's area.
    const Stand &stand = *h.controller->stand();
    for (int t = 0; t < std::min(stand.treeCount(), 12); ++t) {
        emit h.window->mapPressed(QPointF(stand.treeMapX[std::size_t(t)], stand.treeMapY[std::size_t(t)]));
        const std::optional<ZoneReadout> readout = h.window->zoneReadout();
        QVERIFY(readout.has_value());
        const QStringList row = toolRows.value(readout->treeNumber - 1).split(',');
        QCOMPARE(row.value(0), QString::number(readout->treeNumber));
        QCOMPARE(numberText(readout->area), row.value(4));
        QCOMPARE(numberText(readout->probability), row.value(5));
    }
    QVERIFY(h.errors.isEmpty());
}

void ZoneWindowTest::svgLegendInTheWindowsLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("legend");
    const QStringList separatedNote{"Wie auf der Karte: gleiche X- oder Y-Werte auseinandergerückt",
                                    "As on the map: equal X or Y values moved apart",
                                    "Como en el mapa: valores iguales de X o Y separados",
                                    "Ako na mape: rovnaké hodnoty X alebo Y posunuté od seba"};
    QTest::newRow("German") << 0 << ThreeTrees
                            << QStringList{"Ordnung k = 2, 3 Bäume, Bestand 100 m x 100 m",
                                           "Grenze der Einschlusszonen",
                                           "Baum (Nummer in der Reihenfolge der Standdatei)", "20 m"};
    QTest::newRow("English") << 1 << ThreeTrees
                             << QStringList{"Order k = 2, 3 trees, stand 100 m x 100 m",
                                            "Boundary of the inclusion zones",
                                            "Tree (number in the order of the stand file)", "20 m"};
    QTest::newRow("Spanish, trees separated")
        << 2 << Coincident << QStringList{"Orden k = 2, 8 árboles, rodal de 50 m x 50 m"};
    QTest::newRow("Slovak, trees separated")
        << 3 << Coincident
        << QStringList{"Stupeň k = 2, počet stromov 8, porast 50 m x 50 m", "Hranica selekčných zón",
                       "Strom (číslo v poradí súboru porastu)", "10 m", separatedNote[3]};
    QTest::newRow("German, trees separated") << 0 << Coincident << QStringList{separatedNote[0]};
    QTest::newRow("English, trees separated") << 1 << SharedX << QStringList{separatedNote[1]};
    QTest::newRow("Spanish, trees separated, note") << 2 << SharedY << QStringList{separatedNote[2]};
}

// The SVG's legend speaks the window's language and says when the drawing
// shows trees moved apart on the map.
void ZoneWindowTest::svgLegendInTheWindowsLanguage()
{
    QFETCH(int, language);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, legend);
    ZoneHarness h;
    h.pickLanguage(language);
    h.openStand(content);
    h.chooseOrder(2);
    const QString svg = h.folder.filePath("zones.svg");
    h.exportTo("exportsvg", svg);

    QXmlStreamReader xml(h.fileContent(svg));
    QStringList texts;
    bool inLegend = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("g"))
            inLegend = xml.attributes().value("id") == QLatin1String("legend");
        else if (inLegend && xml.isStartElement() && xml.name() == QLatin1String("text"))
            texts.append(xml.readElementText());
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    for (const QString &line : legend)
        QVERIFY2(texts.contains(line), qPrintable(texts.join(" | ")));
    const bool separated = treesSeparatedOnMap(*h.controller->stand());
    QCOMPARE(separated, content != ThreeTrees);
    QCOMPARE(texts.size(), separated ? 5 : 4);
}

void ZoneWindowTest::qtButtonsInTheWindowsLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QDialogButtonBox::StandardButton>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("German Cancel") << 0 << QDialogButtonBox::Cancel << "Abbrechen";
    QTest::newRow("English Cancel") << 1 << QDialogButtonBox::Cancel << "Cancel";
    QTest::newRow("Spanish Cancel") << 2 << QDialogButtonBox::Cancel << "Cancelar";
    QTest::newRow("Slovak Cancel") << 3 << QDialogButtonBox::Cancel << "Zrušiť";
    QTest::newRow("Slovak Yes") << 3 << QDialogButtonBox::Yes << "Áno";
    QTest::newRow("Slovak No") << 3 << QDialogButtonBox::No << "Nie";
}

// The buttons of Qt's dialogs (the file dialog's Cancel, the update
// question's Yes and No) follow the window's language, also where Qt's own
// catalogue lacks them.
void ZoneWindowTest::qtButtonsInTheWindowsLanguage()
{
    QFETCH(int, language);
    QFETCH(QDialogButtonBox::StandardButton, button);
    QFETCH(QString, text);
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        QSKIP("Qt's translations (qt6-translations-l10n) are not installed");
    ZoneHarness h;
    h.pickLanguage(language);
    QDialogButtonBox box(button);
    QCOMPARE(box.button(button)->text().remove(QLatin1Char('&')), text);
}

QTEST_MAIN(ZoneWindowTest)
#include "tst_zonewindow.moc"
