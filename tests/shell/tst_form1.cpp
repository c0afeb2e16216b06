#include "shell/form1.h"
#include "shell/forms.h"
#include "shell/localesettings.h"
#include "stand/standmap.h"
#include "vistaprog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#ifdef Q_OS_WIN
#include <QStandardPaths>
#endif
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

struct LocaleCalls
{
    int pointSwitches = 0;
    int restores = 0;
};

class FakeLocaleSettings : public LocaleSettings
{
public:
    FakeLocaleSettings(QString separator, LocaleCalls &calls)
        : m_separator(std::move(separator)), m_calls(calls)
    {}

    QString userDecimalSeparator() const override { return m_separator; }
    void usePointAsDecimalSeparator() override { ++m_calls.pointSwitches; }
    void restoreUserDecimalSeparator() override { ++m_calls.restores; }

private:
    QString m_separator;
    LocaleCalls &m_calls;
};

std::unique_ptr<Form1> makeWindow(const QString &folder, LocaleCalls &calls,
                                  const QString &separator = QStringLiteral("."))
{
    return std::make_unique<Form1>(folder, std::make_unique<FakeLocaleSettings>(separator, calls));
}

QToolButton *orderButton(const Form1 &window, int order)
{
    return window.findChild<QToolButton *>(QStringLiteral("btn%1order").arg(order));
}

QColor textColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::ButtonText);
}

// Picks a language the way the user does: from the selector's list.
void pickLanguage(Form1 &window, int index)
{
    auto *selector = window.findChild<QComboBox *>(QStringLiteral("tamText1"));
    selector->setCurrentIndex(index);
    emit selector->activated(index);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

} // namespace

Q_DECLARE_METATYPE(ZoneReadout)

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpState();
    void startUpSwitchesACommaSeparator_data();
    void startUpSwitchesACommaSeparator();
    void orderButtons_data();
    void orderButtons();
    void languageTexts_data();
    void languageTexts();
    void switchingKeepsFourEntriesAndLeavesAnEmptyTableAlone();
    void switchingRewritesTheShownStandsHeader_data();
    void switchingRewritesTheShownStandsHeader();
    void commandsReachTheirSignals_data();
    void commandsReachTheirSignals();
    void layoutAtTheDesignedSize();
    void layoutFollowsTheWindow();
    void lastPanelClearsTheLabelCheckBox_data();
    void lastPanelClearsTheLabelCheckBox();
    void treeTableCurrentCell();
    void clickAnywhereInTheTableLetsGoOfTheSelection_data();
    void clickAnywhereInTheTableLetsGoOfTheSelection();
    void snapshotReplacesThePreviousOne();
    void snapshotFailureIsReported_data();
    void snapshotFailureIsReported();
    void snapshotOfASharedInstallationGoesToTheUsersPictures();
    void shutDown_data();
    void shutDown();
    void isFormLoadedIgnoresCase_data();
    void isFormLoadedIgnoresCase();
    void qtButtonsFollowTheLanguage_data();
    void qtButtonsFollowTheLanguage();
    void keysReachTheirCommands_data();
    void keysReachTheirCommands();
    void longPanelTextsFit_data();
    void longPanelTextsFit();
    void treeCountNoteFollowsTheLanguage();
    void zoneReadoutTexts_data();
    void zoneReadoutTexts();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    LocaleCalls m_calls;
};

void TestForm1::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_calls = {};
}

void TestForm1::cleanup()
{
    m_folder.reset();
}

void TestForm1::startUpState()
{
    auto window = makeWindow(m_folder->path(), m_calls);

    QCOMPARE(window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Kavrel"));

    QStringList topLevel;
    for (QAction *action : window->menuBar()->actions())
        topLevel << action->text();
    QCOMPARE(topLevel, (QStringList{"Datei", "Legende", "Info", "Update"}));
    auto *fileMenu = window->findChild<QMenu *>(QStringLiteral("MenuFile"));
    QStringList fileEntries;
    for (QAction *action : fileMenu->actions())
        fileEntries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(fileEntries, (QStringList{"Öffnen", "-", "Situation aufnehmen", "-",
                                       "Zonen als GeoJSON exportieren...", "Zeichnung als SVG exportieren...",
                                       "Flächen als CSV exportieren...", "-", "Beenden"}));
    auto *exitAction = window->findChild<QAction *>(QStringLiteral("exit"));
    QCOMPARE(exitAction->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    for (const char *key : {"open", "snapshot", "exportgeojson", "exportsvg", "exportcsv", "exit",
                            "selecttree", "withimpact", "withoutimpact"})
        QVERIFY2(!window->findChild<QAction *>(QLatin1String(key))->icon().isNull(), key);
    // Nothing to export before a stand is shown.
    for (const char *key : {"exportgeojson", "exportsvg", "exportcsv"})
        QVERIFY2(!window->findChild<QAction *>(QLatin1String(key))->isEnabled(), key);
    QVERIFY(!window->labelCheckBox()->toolTip().isEmpty());
    QVERIFY(window->zoneReadoutLabel()->isHidden());

    auto *selector = window->findChild<QComboBox *>(QStringLiteral("tamText1"));
    QCOMPARE(selector->count(), 4);
    QCOMPARE(selector->currentText(), QStringLiteral("Deutsch"));
    QCOMPARE(window->currentLanguage(), 0);

    QCOMPARE(window->statusPanel(1)->text(), QStringLiteral("  Bereit"));
    QVERIFY(window->findChild<VistaProg *>(QStringLiteral("VistaProg1"))->isHidden());
    QVERIFY(window->calculationProgress()->isHidden());
    QCOMPARE(window->calculationProgress()->objectName(), QStringLiteral("VistaProg2"));

    QCOMPARE(window->currentOrder(), 1);
    QVERIFY(orderButton(*window, 1)->isChecked());
    QCOMPARE(textColour(orderButton(*window, 1)), QColor(Qt::black));
    for (int order = 2; order <= 5; ++order) {
        QVERIFY(!orderButton(*window, order)->isChecked());
        QCOMPARE(textColour(orderButton(*window, order)), QColor(Qt::white));
    }

    QTableWidget *table = window->treeTable();
    QCOMPARE(table->objectName(), QStringLiteral("MSFlexGrid1"));
    QCOMPARE(table->rowCount(), 50);
    QCOMPARE(table->columnCount(), 4);
    QVERIFY(table->verticalHeader()->isHidden());
    for (int column = 0; column < 4; ++column)
        QVERIFY(table->horizontalHeaderItem(column)->text().isEmpty());
    QCOMPARE(window->standMap()->objectName(), QStringLiteral("Picture1"));
    QVERIFY(window->labelCheckBox()->text().isEmpty());
    QCOMPARE(window->statusPanel(0), nullptr);
    QCOMPARE(window->statusPanel(5), nullptr);
}

void TestForm1::startUpSwitchesACommaSeparator_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("switches");

    QTest::newRow("comma") << QStringLiteral(",") << 1;
    QTest::newRow("point") << QStringLiteral(".") << 0;
    QTest::newRow("other") << QStringLiteral("'") << 0;
}

void TestForm1::startUpSwitchesACommaSeparator()
{
    QFETCH(QString, separator);
    QFETCH(int, switches);
    {
        auto window = makeWindow(m_folder->path(), m_calls, separator);
        QCOMPARE(m_calls.pointSwitches, switches);
        QCOMPARE(m_calls.restores, 0);
    }
    // A window that goes without being closed still gives the separator back.
    QCOMPARE(m_calls.restores, switches);
}

void TestForm1::orderButtons_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("checked");

    QTest::newRow("none") << QList<int>{} << 1;
    QTest::newRow("4") << QList<int>{4} << 4;
    QTest::newRow("4 then 4 again") << QList<int>{4, 4} << 4;
    QTest::newRow("1 again") << QList<int>{1} << 1;
    QTest::newRow("2 then 5") << QList<int>{2, 5} << 5;
}

void TestForm1::orderButtons()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, checked);

    auto window = makeWindow(m_folder->path(), m_calls);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (int order : clicks)
        QTest::mouseClick(orderButton(*window, order), Qt::LeftButton);

    QCOMPARE(window->currentOrder(), checked);
    for (int order = 1; order <= 5; ++order) {
        QCOMPARE(orderButton(*window, order)->isChecked(), order == checked);
        QCOMPARE(textColour(orderButton(*window, order)),
                 order == checked ? QColor(Qt::black) : QColor(Qt::white));
    }
}

void TestForm1::languageTexts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("menus");    // File, Open, Exit, Legend, three legend entries
    QTest::addColumn<QStringList>("tooltips"); // open, photo, orders 1 to 5
    QTest::addColumn<QStringList>("captions"); // label, button, map frame, table frame, panel 1
    QTest::addColumn<QStringList>("entries");  // the selector's list

    QTest::newRow("German") << 0 << QStringList{"Datei",
                                                "Öffnen",
                                                "Beenden",
                                                "Legende",
                                                "Selektierter Baum",
                                                "Einflussbaum",
                                                "Baum ohne Einfluss"}
                            << QStringList{"Datei öffnen",   "Situation aufnehmen", "Erste Ordnung",
                                           "Zweite Ordnung", "Dritte Ordnung",      "Vierte Ordnung",
                                           "Fünfte Ordnung"}
                            << QStringList{"k-te Ordnung", "Berechnen", "Baumverteilung", "Daten", "  Bereit"}
                            << QStringList{"Deutsch", "Englisch", "Spanisch", "Slowakisch"};
    QTest::newRow("English") << 1 << QStringList{"File",
                                                 "Open",
                                                 "Exit",
                                                 "Legend",
                                                 "Select tree",
                                                 "Tree with influence",
                                                 "Tree without influence"}
                             << QStringList{"File open",     "Snap the situation", "Firsth order",
                                            "Secondh order", "Third order",        "Fourth order",
                                            "Fifth order"}
                             << QStringList{"k-th order", "Calculate", "Trees distribution", "Data",
                                            "  Ready"}
                             << QStringList{"German", "English", "Spanish", "Slovak"};
    QTest::newRow("Spanish") << 2
                             << QStringList{"Archivo",
                                            "Abrir el archivo",
                                            "Finir",
                                            "Leyenda",
                                            "Árbol seleccionado",
                                            "Árbol con influencia",
                                            "Árbol sin influencia"}
                             << QStringList{"Abrir el archivo", "Registrar la situación", "Primero orden",
                                            "Segundo orden",    "Tercero orden",          "Cuarto orden",
                                            "Quinto orden"}
                             << QStringList{"k-orden", "Calcular", "Distribución de árboles", "Datos",
                                            "  Listo"}
                             << QStringList{"Alemán", "Inglés", "Español", "Eslovaco"};
    QTest::newRow("Slovak") << 3
                            << QStringList{"Subor",         "Otvorit",         "Ukoncit",         "Legenda",
                                           "Cielovy strom", "Strom s vplyvom", "Strom bez vplyvu"}
                            << QStringList{"Otvorit subor", "Zachytit situaciu", "Prvy stupen",
                                           "Druhy stupen",  "Treti stupen",      "Stvrty stupen",
                                           "Piaty stupen"}
                            << QStringList{"k-ty stupen", "Vypocitat", "Rozmiestnenie stromov", "Data",
                                           "  Pripraveny"}
                            << QStringList{"Nemecky", "Anglicky", "Spanielsky", "Slovensky"};
}

void TestForm1::languageTexts()
{
    QFETCH(int, language);
    QFETCH(QStringList, menus);
    QFETCH(QStringList, tooltips);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, entries);

    auto window = makeWindow(m_folder->path(), m_calls);
    // Something else first, so the texts really change.
    pickLanguage(*window, language == 1 ? 2 : 1);
    window->statusPanel(1)->setText(QStringLiteral("  running"));
    pickLanguage(*window, language);

    QCOMPARE(window->findChild<QMenu *>(QStringLiteral("MenuFile"))->title(), menus[0]);
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("open"))->text(), menus[1]);
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("exit"))->text(), menus[2]);
    QCOMPARE(window->findChild<QMenu *>(QStringLiteral("MenuLegend"))->title(), menus[3]);
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("selecttree"))->text(), menus[4]);
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("withimpact"))->text(), menus[5]);
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("withoutimpact"))->text(), menus[6]);
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("MenuInfo"))->text(), QStringLiteral("Info"));
    QCOMPARE(window->findChild<QAction *>(QStringLiteral("MenuUpdate"))->text(), QStringLiteral("Update"));

    const QStringList buttonKeys{"btnOpen",   "btnPhoto",  "btn1order", "btn2order",
                                 "btn3order", "btn4order", "btn5order"};
    for (int i = 0; i < buttonKeys.size(); ++i)
        QCOMPARE(window->findChild<QToolButton *>(buttonKeys[i])->toolTip(), tooltips[i]);

    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("tamLabel1"))->text(), captions[0]);
    QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("Command1"))->text(), captions[1]);
    QCOMPARE(window->findChild<QGroupBox *>(QStringLiteral("tamFrame1"))->title(), captions[2]);
    QCOMPARE(window->findChild<QGroupBox *>(QStringLiteral("tamFrame2"))->title(), captions[3]);
    QCOMPARE(window->statusPanel(1)->text(), captions[4]);

    auto *selector = window->findChild<QComboBox *>(QStringLiteral("tamText1"));
    QStringList shown;
    for (int i = 0; i < selector->count(); ++i)
        shown << selector->itemText(i);
    QCOMPARE(shown, entries);
    QCOMPARE(selector->currentIndex(), language);
    QCOMPARE(window->currentLanguage(), language);
    QCOMPARE(window->windowTitle(), QStringLiteral("Kavrel"));
}

void TestForm1::switchingKeepsFourEntriesAndLeavesAnEmptyTableAlone()
{
    auto window = makeWindow(m_folder->path(), m_calls);
    window->statusPanel(4)->setText(QStringLiteral("untouched"));
    for (int language : {3, 3, 1, 0}) {
        pickLanguage(*window, language);
        QCOMPARE(window->findChild<QComboBox *>(QStringLiteral("tamText1"))->count(), 4);
    }
    for (int column = 0; column < 4; ++column)
        QVERIFY(window->treeTable()->horizontalHeaderItem(column)->text().isEmpty());
    QCOMPARE(window->statusPanel(4)->text(), QStringLiteral("untouched"));
}

void TestForm1::switchingRewritesTheShownStandsHeader_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("treeWord");
    QTest::addColumn<QString>("treeCount");

    QTest::newRow("German") << 0 << QStringLiteral("Baum") << QStringLiteral("  12 Bäume");
    QTest::newRow("English") << 1 << QStringLiteral("Tree") << QStringLiteral("  12 trees");
    QTest::newRow("Spanish") << 2 << QStringLiteral("Árbol") << QStringLiteral("  12 árboles");
    QTest::newRow("Slovak") << 3 << QStringLiteral("Strom") << QStringLiteral("  12 stromov");
}

void TestForm1::switchingRewritesTheShownStandsHeader()
{
    QFETCH(int, language);
    QFETCH(QString, treeWord);
    QFETCH(QString, treeCount);

    auto window = makeWindow(m_folder->path(), m_calls);
    QTableWidget *table = window->treeTable();
    table->setRowCount(12);
    table->setHorizontalHeaderLabels({"Whatever", "X", "Y", "d"});
    pickLanguage(*window, language);

    QStringList header;
    for (int column = 0; column < 4; ++column)
        header << table->horizontalHeaderItem(column)->text();
    QCOMPARE(header, (QStringList{treeWord, "X", "Y", "d"}));
    QCOMPARE(window->statusPanel(4)->text(), treeCount);
}

void TestForm1::commandsReachTheirSignals_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("signal");

    QTest::newRow("menu open") << QStringLiteral("open") << QByteArray(SIGNAL(openRequested()));
    QTest::newRow("toolbar open") << QStringLiteral("btnOpen") << QByteArray(SIGNAL(openRequested()));
    QTest::newRow("calculate") << QStringLiteral("Command1") << QByteArray(SIGNAL(calculateRequested()));
    QTest::newRow("label check box") << QStringLiteral("tamCheck1")
                                     << QByteArray(SIGNAL(labelCheckClicked()));
    QTest::newRow("info") << QStringLiteral("MenuInfo") << QByteArray(SIGNAL(aboutRequested()));
    QTest::newRow("update") << QStringLiteral("MenuUpdate") << QByteArray(SIGNAL(updateRequested()));
    QTest::newRow("map press") << QStringLiteral("Picture1") << QByteArray(SIGNAL(mapPressed(QPointF)));
}

void TestForm1::commandsReachTheirSignals()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, signal);

    auto window = makeWindow(m_folder->path(), m_calls);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QSignalSpy spy(window.get(), signal.constData());
    QList<QSignalSpy *> others;
    for (const char *other :
         {SIGNAL(openRequested()), SIGNAL(calculateRequested()), SIGNAL(labelCheckClicked()),
          SIGNAL(aboutRequested()), SIGNAL(updateRequested()), SIGNAL(mapPressed(QPointF))}) {
        if (QByteArray(other) != signal)
            others << new QSignalSpy(window.get(), other);
    }
    const bool wasChecked = window->labelCheckBox()->isChecked();
    bool checkedWhenSignalled = wasChecked;
    connect(window.get(), &Form1::labelCheckClicked, this,
            [&] { checkedWhenSignalled = window->labelCheckBox()->isChecked(); });

    if (auto *action = window->findChild<QAction *>(command))
        action->trigger();
    else if (command == QLatin1String("Picture1"))
        QTest::mouseClick(window->standMap(), Qt::RightButton, {}, QPoint(30, 40));
    else
        QTest::mouseClick(window->findChild<QWidget *>(command), Qt::LeftButton);

    QCOMPARE(spy.count(), 1);
    for (QSignalSpy *other : others) {
        QCOMPARE(other->count(), 0);
        delete other;
    }
    if (command == QLatin1String("tamCheck1"))
        QCOMPARE(checkedWhenSignalled, !wasChecked);
    if (command == QLatin1String("Picture1"))
        QCOMPARE(spy.first().first().toPointF(), QPointF(30, 40));
}

void TestForm1::layoutAtTheDesignedSize()
{
    if (!qFuzzyCompare(QGuiApplication::primaryScreen()->logicalDotsPerInchX(), 96.0))
        QSKIP("the designed pixel values are those of a 96 dpi screen");
    auto window = makeWindow(m_folder->path(), m_calls);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->centralWidget()->size(), QSize(794, 556));

    QCOMPARE(window->findChild<QWidget *>(QStringLiteral("tamFrame1"))->geometry(), QRect(8, 40, 457, 473));
    QCOMPARE(window->standMap()->geometry(), QRect(8, 24, 441, 441));
    QCOMPARE(window->findChild<QWidget *>(QStringLiteral("tamFrame2"))->geometry(), QRect(496, 40, 289, 473));
    QCOMPARE(window->treeTable()->geometry(), QRect(8, 24, 273, 441));
    QCOMPARE(window->findChild<QWidget *>(QStringLiteral("tamText1"))->geometry(), QRect(680, 5, 105, 19));
    QCOMPARE(window->labelCheckBox()->geometry(), QRect(776, 529, 25, 17));
    QCOMPARE(window->calculationProgress()->x(), 170);
    QCOMPARE(window->calculationProgress()->y(), 529);
    QCOMPARE(window->calculationProgress()->width(), 471);
    QList<int> panels;
    for (int number = 1; number <= 4; ++number)
        panels << window->statusPanel(number)->width();
    QCOMPARE(panels, (QList<int>{160, 481, 64, 96}));
}

void TestForm1::layoutFollowsTheWindow()
{
    auto window = makeWindow(m_folder->path(), m_calls);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QSize mapBefore = window->standMap()->size();
    const QRect tableBefore = window->treeTable()->geometry();
    const QPoint checkBefore = window->labelCheckBox()->pos();
    const QPoint tableFrameBefore = window->findChild<QWidget *>(QStringLiteral("tamFrame2"))->pos();
    QSignalSpy applied(window.get(), &Form1::layoutApplied);

    // The offscreen screen is smaller than the grown window.
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->resize(window->size() + QSize(60, 90));
    QTRY_VERIFY(applied.count() > 0);

    QCOMPARE(window->standMap()->size(), mapBefore + QSize(60, 90));
    QCOMPARE(window->treeTable()->geometry(), tableBefore.adjusted(0, 0, 0, 90));
    QCOMPARE(window->labelCheckBox()->pos(), checkBefore + QPoint(60, 90));
    QCOMPARE(window->findChild<QWidget *>(QStringLiteral("tamFrame2"))->pos(),
             tableFrameBefore + QPoint(60, 0));
}

void TestForm1::lastPanelClearsTheLabelCheckBox_data()
{
    QTest::addColumn<QSize>("growth");
    QTest::addColumn<QString>("treeCount");

    QTest::newRow("German") << QSize() << QStringLiteral("  50 Bäume");
    QTest::newRow("English") << QSize() << QStringLiteral("  50 trees");
    QTest::newRow("Spanish") << QSize() << QStringLiteral("  50 árboles");
    QTest::newRow("Slovak") << QSize() << QStringLiteral("  50 stromov");
    QTest::newRow("Slovak, larger window") << QSize(67, 67) << QStringLiteral("  50 stromov");
}

// The label check box lies over the right end of the last status panel; the
// tree count must stay readable beside it.
void TestForm1::lastPanelClearsTheLabelCheckBox()
{
    QFETCH(QSize, growth);
    QFETCH(QString, treeCount);

    auto window = makeWindow(m_folder->path(), m_calls);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    if (!growth.isEmpty()) {
        const QSize grown = window->centralWidget()->size() + growth;
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window->resize(window->size() + growth);
        QTRY_COMPARE(window->centralWidget()->size(), grown);
    }
    QLabel *panel = window->statusPanel(4);
    panel->setText(treeCount);

    const QRect textArea(panel->mapTo(window->centralWidget(), panel->contentsRect().topLeft()),
                         panel->contentsRect().size());
    QVERIFY2(textArea.right() < window->labelCheckBox()->x(),
             qPrintable(QStringLiteral("text up to %1, box from %2")
                            .arg(textArea.right())
                            .arg(window->labelCheckBox()->x())));
    QVERIFY(panel->fontMetrics().horizontalAdvance(treeCount) <= textArea.width());
}

void TestForm1::treeTableCurrentCell()
{
    auto window = makeWindow(m_folder->path(), m_calls);
    QTableWidget *table = window->treeTable();
    table->selectRow(5);
    window->resetTreeTableCurrentCell();
    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(table->currentColumn(), 1);
    QVERIFY(table->selectedItems().isEmpty() && !table->selectionModel()->hasSelection());

    // A stand without trees leaves no data row to move to.
    table->setRowCount(0);
    window->resetTreeTableCurrentCell();
    QCOMPARE(table->rowCount(), 0);
}

void TestForm1::clickAnywhereInTheTableLetsGoOfTheSelection_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("a cell") << QStringLiteral("cell");
    QTest::newRow("the header") << QStringLiteral("header");
    QTest::newRow("below the last row") << QStringLiteral("below");
}

void TestForm1::clickAnywhereInTheTableLetsGoOfTheSelection()
{
    QFETCH(QString, where);

    auto window = makeWindow(m_folder->path(), m_calls);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTableWidget *table = window->treeTable();
    table->setRowCount(3);
    table->setCurrentCell(2, 3);
    table->selectRow(2);

    if (where == QLatin1String("cell")) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(2, 2)).center());
    } else if (where == QLatin1String("header")) {
        QHeaderView *header = table->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
    } else {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(20, table->viewport()->height() - 5));
    }

    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(table->currentColumn(), 1);
    QVERIFY(!table->selectionModel()->hasSelection());
}

void TestForm1::snapshotReplacesThePreviousOne()
{
    auto window = makeWindow(m_folder->path(), m_calls);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QString path = m_folder->filePath(QStringLiteral("Pictures/Situation.bmp"));
    QCOMPARE(window->snapshotPath(), path);
    QVERIFY(!QDir(m_folder->filePath(QStringLiteral("Pictures"))).exists());

    StandMap *map = window->standMap();
    map->drawFilledCircle(QPointF(20, 20), 5, Qt::red);
    QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("btnPhoto")), Qt::LeftButton);
    QImage first(path);
    QVERIFY(!first.isNull());
    QCOMPARE(first.size(), map->image().size());
    QCOMPARE(first.pixelColor(20, 20), QColor(Qt::red));

    map->clear();
    map->drawFilledCircle(QPointF(40, 30), 5, Qt::blue);
    QVERIFY(window->saveSnapshot());
    const QImage second(path);
    QCOMPARE(second.pixelColor(20, 20), QColor(Qt::white));
    QCOMPARE(second.pixelColor(40, 30), QColor(Qt::blue));
    QCOMPARE(QDir(m_folder->filePath(QStringLiteral("Pictures"))).entryList(QDir::Files),
             QStringList{"Situation.bmp"});
}

void TestForm1::snapshotFailureIsReported_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");

    QTest::newRow("German") << 0 << QStringLiteral("Bild konnte nicht gespeichert werden:");
    QTest::newRow("English") << 1 << QStringLiteral("The picture could not be saved:");
    QTest::newRow("Spanish") << 2 << QStringLiteral("No se pudo guardar la imagen:");
    QTest::newRow("Slovak") << 3 << QStringLiteral("Obrazok sa nepodarilo ulozit:");
}

void TestForm1::snapshotFailureIsReported()
{
    QFETCH(int, language);
    QFETCH(QString, message);

    auto window = makeWindow(m_folder->path(), m_calls);
    pickLanguage(*window, language);
    // Something that is not a file stands where the snapshot goes.
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("Pictures/Situation.bmp/inside")));

    QString shown;
    QTimer::singleShot(0, this, [&shown] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible()) {
                shown = box->text();
                box->accept();
            }
        }
    });
    QVERIFY(!window->saveSnapshot());
    QVERIFY2(shown.startsWith(message + QLatin1Char('\n')), qPrintable(shown));
    QVERIFY(shown.contains(QDir::toNativeSeparators(window->snapshotPath())));
    QVERIFY(QFileInfo(window->snapshotPath()).isDir());
}

// An installation under a prefix is not the user's to write in, even for a
// user who may: the snapshot goes to the user's pictures folder instead.
void TestForm1::snapshotOfASharedInstallationGoesToTheUsersPictures()
{
    const QString home = m_folder->filePath(QStringLiteral("home"));
    const QString installation = m_folder->filePath(QStringLiteral("usr/share/kavrel"));
    QVERIFY(QDir().mkpath(installation + QStringLiteral("/Data")));
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        if (oldConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig);
    });
    qputenv("HOME", QFile::encodeName(home));
    qunsetenv("XDG_CONFIG_HOME");

    auto window = makeWindow(installation, m_calls);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
#ifdef Q_OS_WIN
    // Windows names the pictures folder itself, whatever HOME says; a
    // snapshot the user had there is put back afterwards.
    const QString expected = QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
                                 .filePath(QStringLiteral("Situation.bmp"));
    QFile previous(expected);
    const bool hadPrevious = previous.open(QIODevice::ReadOnly);
    const QByteArray previousContent = hadPrevious ? previous.readAll() : QByteArray();
    previous.close();
    const auto putBack = qScopeGuard([&] {
        QFile::remove(expected);
        if (hadPrevious) {
            QFile file(expected);
            if (file.open(QIODevice::WriteOnly))
                file.write(previousContent);
        }
    });
#else
    const QString expected = QDir(home).filePath(QStringLiteral("Pictures/Situation.bmp"));
#endif
    QCOMPARE(window->snapshotPath(), expected);
    window->standMap()->drawFilledCircle(QPointF(20, 20), 5, Qt::red);
    QVERIFY(window->saveSnapshot());
    QCOMPARE(QImage(expected).pixelColor(20, 20), QColor(Qt::red));
    QCOMPARE(QDir(installation).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Data"});
}

void TestForm1::shutDown_data()
{
    QTest::addColumn<bool>("throughMenu");
    QTest::newRow("Beenden") << true;
    QTest::newRow("close box") << false;
}

void TestForm1::shutDown()
{
    QFETCH(bool, throughMenu);

    auto window = makeWindow(m_folder->path(), m_calls, QStringLiteral(","));
    window->show();
    QWidget about;
    about.setObjectName(QStringLiteral("Form2"));
    about.show();
    QVERIFY(IsFormLoaded(QStringLiteral("form2")));

    if (throughMenu)
        window->findChild<QAction *>(QStringLiteral("exit"))->trigger();
    else
        window->close();

    QVERIFY(!window->isVisible());
    QVERIFY(!about.isVisible());
    QVERIFY(!IsFormLoaded(QStringLiteral("Form2")));
    QCOMPARE(m_calls.pointSwitches, 1);
    QCOMPARE(m_calls.restores, 1);
    QVERIFY(!window->shutDown());
    window.reset();
    QCOMPARE(m_calls.restores, 1);
}

void TestForm1::isFormLoadedIgnoresCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("as named") << QStringLiteral("Form2");
    QTest::newRow("lower") << QStringLiteral("form2");
    QTest::newRow("upper") << QStringLiteral("FORM2");
    QTest::newRow("mixed") << QStringLiteral("fOrM2");
}

void TestForm1::isFormLoadedIgnoresCase()
{
    QFETCH(QString, name);
    QVERIFY(!IsFormLoaded(name));
    QWidget about;
    about.setObjectName(QStringLiteral("Form2"));
    about.show();
    QVERIFY(IsFormLoaded(name));
    QVERIFY(!IsFormLoaded(QStringLiteral("Form3")));
    about.close();
    QVERIFY(!IsFormLoaded(name));
}

void TestForm1::qtButtonsFollowTheLanguage_data()
{
    QTest::addColumn<QList<int>>("languages");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("no");
    QTest::newRow("German at start") << QList<int>{} << "&Ja"
                                     << "&Nein";
    QTest::newRow("English") << QList<int>{1} << "&Yes"
                             << "&No";
    QTest::newRow("back to German") << QList<int>{1, 0} << "&Ja"
                                    << "&Nein";
    QTest::newRow("Spanish") << QList<int>{2} << "&Sí"
                             << "&No";
    QTest::newRow("German, then English") << QList<int>{0, 1} << "&Yes"
                                          << "&No";
}

// Qt's own buttons speak the window's language, German from the start.
void TestForm1::qtButtonsFollowTheLanguage()
{
    QFETCH(QList<int>, languages);
    QFETCH(QString, yes);
    QFETCH(QString, no);
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        QSKIP("Qt's translations are not installed");

    auto window = makeWindow(m_folder->path(), m_calls);
    for (int language : languages)
        pickLanguage(*window, language);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kavrel"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
    QCOMPARE(box.button(QMessageBox::No)->text(), no);
}

void TestForm1::keysReachTheirCommands_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QByteArray>("signal"); // empty: an order key, or the snapshot (order 0)
    QTest::addColumn<int>("order");

    QTest::newRow("Ctrl+O") << QKeySequence(Qt::CTRL | Qt::Key_O) << QByteArray(SIGNAL(openRequested())) << 1;
    QTest::newRow("F5") << QKeySequence(Qt::Key_F5) << QByteArray(SIGNAL(calculateRequested())) << 1;
    QTest::newRow("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S) << QByteArray() << 0;
    for (int order = 1; order <= 5; ++order)
        QTest::addRow("%d", order) << QKeySequence(Qt::Key_0 + order) << QByteArray() << order;
}

void TestForm1::keysReachTheirCommands()
{
    QFETCH(QKeySequence, key);
    QFETCH(QByteArray, signal);
    QFETCH(int, order);

    auto window = makeWindow(m_folder->path(), m_calls);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    if (order != 1)
        orderButton(*window, 1)->setChecked(true);
    else
        orderButton(*window, 3)->click();
    QSignalSpy spy(window.get(), signal.isEmpty() ? SIGNAL(layoutApplied()) : signal.constData());
    // Wherever the focus is in the window.
    window->treeTable()->setFocus();

    QTest::keySequence(window.get(), key);

    if (!signal.isEmpty()) {
        QCOMPARE(spy.count(), 1);
        return;
    }
    if (order == 0) {
        QVERIFY(QFileInfo::exists(window->snapshotPath()));
        return;
    }
    QCOMPARE(window->currentOrder(), order);
    for (int other = 1; other <= 5; ++other)
        QCOMPARE(textColour(orderButton(*window, other)),
                 other == order ? QColor(Qt::black) : QColor(Qt::white));
}

void TestForm1::longPanelTextsFit_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("text");
    QTest::newRow("a very large stand") << 3 << "  1000000 ha";
    QTest::newRow("a stand as large as a continent") << 3 << "  100000000 ha";
    QTest::newRow("a small stand") << 3 << "  1 ha";
    QTest::newRow("Spanish running text") << 1 << "  Calculación ...";
    QTest::newRow("trees left out") << 1 << "  Erste 50 von 32767 Bäumen gezeigt";
}

void TestForm1::longPanelTextsFit()
{
    QFETCH(int, panel);
    QFETCH(QString, text);

    auto window = makeWindow(m_folder->path(), m_calls);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->setStatusPanelText(panel, text);
    QLabel *label = window->statusPanel(panel);
    QCOMPARE(label->text(), text);
    QVERIFY2(label->fontMetrics().horizontalAdvance(text) <= label->contentsRect().width(),
             qPrintable(QStringLiteral("%1 > %2")
                            .arg(label->fontMetrics().horizontalAdvance(text))
                            .arg(label->contentsRect().width())));
    // A short text keeps the status bar's font; a shrunk one is readable in
    // full in its tooltip.
    if (text.size() < 8)
        QVERIFY(label->styleSheet().isEmpty() && label->toolTip().isEmpty());
    else if (!label->styleSheet().isEmpty())
        QCOMPARE(label->toolTip(), text.trimmed());
}

void TestForm1::treeCountNoteFollowsTheLanguage()
{
    auto window = makeWindow(m_folder->path(), m_calls);
    window->showTreeCountNote(50, 60);
    QCOMPARE(window->statusPanel(1)->text(), QStringLiteral("  Erste 50 von 60 Bäumen gezeigt"));
    QCOMPARE(window->statusPanel(4)->toolTip(), QStringLiteral("Erste 50 von 60 Bäumen gezeigt"));
    // A switch writes the ready text; the note stays in the tree count's tooltip.
    pickLanguage(*window, 1);
    QCOMPARE(window->statusPanel(1)->text(), QStringLiteral("  Ready"));
    QCOMPARE(window->statusPanel(4)->toolTip(), QStringLiteral("First 50 of 60 trees shown"));
    pickLanguage(*window, 0);
    QCOMPARE(window->statusPanel(1)->text(), QStringLiteral("  Bereit"));

    // A stand whose trees are all shown takes a note shown away.
    window->showTreeCountNote(50, 70);
    window->showTreeCountNote(12, 12);
    QCOMPARE(window->statusPanel(1)->text(), QStringLiteral("  Bereit"));
    QVERIFY(window->statusPanel(4)->toolTip().isEmpty());
}

void TestForm1::zoneReadoutTexts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<ZoneReadout>("readout");
    QTest::addColumn<QString>("text");
    QTest::newRow("German") << 0 << ZoneReadout{7, 2, 1234.5678, 0.12345678}
                            << "Baum 7 (k = 2): 1234.57 m², p = 0.1235";
    QTest::newRow("Slovak") << 3 << ZoneReadout{7, 2, 1234.5678, 0.12345678}
                            << "Strom 7 (k = 2): 1234.57 m², p = 0.1235";
    QTest::newRow("a vast stand") << 0 << ZoneReadout{3, 1, 2.5e12, 0.5}
                                  << "Baum 3 (k = 1): 2.5e+12 m², p = 0.5000";
    QTest::newRow("a tiny share") << 0 << ZoneReadout{1, 5, 12.5, 2e-7}
                                  << "Baum 1 (k = 5): 12.50 m², p = 2e-07";
    QTest::newRow("no share") << 0 << ZoneReadout{50, 1, 0.0, 0.0} << "Baum 50 (k = 1): 0.00 m², p = 0.0000";
}

void TestForm1::zoneReadoutTexts()
{
    QFETCH(int, language);
    QFETCH(ZoneReadout, readout);
    QFETCH(QString, text);

    auto window = makeWindow(m_folder->path(), m_calls);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // The order label's width follows its caption's language; its place stays.
    const QPoint labelBefore = window->findChild<QLabel *>(QStringLiteral("tamLabel1"))->pos();
    const QRect buttonBefore = window->findChild<QPushButton *>(QStringLiteral("Command1"))->geometry();
    window->showZoneReadout(readout);
    pickLanguage(*window, language == 0 ? 1 : 0);
    pickLanguage(*window, language);

    QLabel *label = window->zoneReadoutLabel();
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), text);
    // In the toolbar's free part: between the calculate button and the
    // language selector, which stay where they were.
    const QWidget *selector = window->findChild<QWidget *>(QStringLiteral("tamText1"));
    QVERIFY(label->geometry().left() > buttonBefore.right());
    QVERIFY(label->geometry().right() < selector->geometry().left());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("tamLabel1"))->pos(), labelBefore);
    QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("Command1"))->geometry(), buttonBefore);

    window->showZoneReadout(std::nullopt);
    QVERIFY(label->isHidden());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
