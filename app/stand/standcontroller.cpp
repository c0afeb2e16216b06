#include "standcontroller.h"

#include "files/filesystemname.h"
#include "shell/fileproblem.h"
#include "shell/form1.h"
#include "shell/screentwips.h"
#include "stand/numberformat.h"
#include "stand/standfilereader.h"
#include "stand/standmap.h"
#include "stand/treetable.h"
#include "vistaprog.h"
#include "zones/mapdrawing.h"
#include "zones/standzones.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QTableWidget>
#include <algorithm>
#include <array>

namespace {

const QString StandFileFilter = QStringLiteral("Text Datei (*.txt)");

constexpr int TreeTableColumns = 4;
constexpr std::array<double, TreeTableColumns> TreeTableColumnTwips{850, 1000, 1000, 1000};

QString chooseWithDialog(QWidget *parent, const QString &folder, const QString &preset, const QString &filter)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name typed that does not exist is reported by the opening, as any
    // other file that cannot be opened.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDirectory(folder);
    if (!preset.isEmpty())
        dialog.selectFile(preset);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    // The dialog lists names that are no valid UTF-8 with U+FFFD in place of
    // their odd bytes; the name on disk is found again from the listing.
    return resolveDecodedFileName(dialog.selectedFiles().constFirst());
}

void reportWithMessageBox(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

// The rows of a stand that could not be placed yet show the coordinates as read.
QList<QStringList> treeTableRowsAsRead(const Stand &stand)
{
    QList<QStringList> rows;
    for (int t = 0; t < stand.treeCount(); ++t) {
        const auto slot = std::size_t(t);
        rows.append({QString::number(t + 1), format00(stand.treeX[slot]), format00(stand.treeY[slot]),
                     format0(stand.treeD[slot])});
    }
    return rows;
}

QTableWidgetItem *centredItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

// Set while a handler runs; a handler finding it set does nothing.
class BusyScope
{
public:
    explicit BusyScope(bool &busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    bool &m_busy;
};

} // namespace

StandController::StandController(Form1 &window, QObject *parent)
    : QObject(parent), m_window(window), m_zoneView(*window.standMap(), *window.calculationProgress()),
      m_fileChooser(chooseWithDialog), m_errorReporter(reportWithMessageBox)
{
    connect(&window, &Form1::openRequested, this, &StandController::loadStand);
    connect(&window, &Form1::calculateRequested, this, &StandController::calculate);
    connect(&window, &Form1::labelCheckClicked, this, &StandController::labelCheckClicked);
    connect(&window, &Form1::mapPressed, this, &StandController::selectNearestTree);
    connect(&window, &Form1::layoutApplied, this, &StandController::redrawStand);
    connect(&window, &Form1::exportRequested, this, &StandController::exportZones);
}

void StandController::setFileChooser(FileChooser chooser)
{
    m_fileChooser = chooser ? std::move(chooser) : FileChooser(chooseWithDialog);
}

void StandController::setErrorReporter(ErrorReporter reporter)
{
    m_errorReporter = reporter ? std::move(reporter) : ErrorReporter(reportWithMessageBox);
}

void StandController::loadStand()
{
    if (m_busy || m_choosingFile)
        return;
    // The dialog runs an event loop of its own. Nothing of ours is half done
    // while it is open, so the window may redraw meanwhile; only a second
    // dialog is kept out.
    m_choosingFile = true;
    m_window.resetTreeTableCurrentCell();
    const QString path = m_fileChooser(&m_window, dataFolder(), m_standFilePath, StandFileFilter);
    m_choosingFile = false;
    if (path.isEmpty()) {
        // The map still shows the selection the reset took from the table.
        restoreSelectionHighlight();
        return;
    }
    loadStandFile(path);
}

bool StandController::loadStandFile(const QString &path)
{
    if (m_busy)
        return false;
    QString openError;
    QString readError;
    {
        BusyScope busy(m_busy);
        m_window.resetTreeTableCurrentCell();
        m_standFilePath = path;

        QFile file;
        if (isSpecialFile(path)) {
            // A device or a pipe may block the opening or never end.
            openError =
                tr("„%1“ ist keine gewöhnliche Datei.").arg(QDir::toNativeSeparators(displayFileName(path)));
        } else if (const QString reason = openStandFile(file, path); !reason.isEmpty()) {
            openError = QCoreApplication::translate("StandFileReader",
                                                    "Die Standdatei „%1“ lässt sich nicht öffnen: %2")
                            .arg(QDir::toNativeSeparators(displayFileName(path)), openProblem(path, reason));
        } else {
            // Read to the end before anything shown is touched: a file that
            // breaks off half-way leaves the previous stand as it was.
            StandFileResult result = parseStandFile(file, path);
            file.close();
            if (!result.ok()) {
                readError = result.error.message;
            } else {
                m_stand = std::move(*result.stand);
                m_stand->filePath = path;
                const StandMap &map = *m_window.standMap();
                const bool placed = prepareStand(*m_stand, map.mapWidth(), map.mapHeight());
                m_awaitingPlacement = !placed;

                writeStandPanels(*m_stand);
                fillTreeTable(placed ? treeTableRows(*m_stand) : treeTableRowsAsRead(*m_stand));
                m_orderTable = OrderTable::build(*m_stand);
                m_edgeTable = {};
                forgetSelection();
                drawTrees();
                m_zonesComputed = false;
                m_window.setExportEnabled(true);
            }
        }
        // Whatever became of the file, the panel names the stand shown, and
        // the table marks the tree the map marks.
        showStandFilePath();
        if (!openError.isEmpty() || !readError.isEmpty())
            restoreSelectionHighlight();
    }
    // The message box has an event loop of its own; it comes when the load
    // has finished.
    if (!openError.isEmpty())
        reportOpenError(openError);
    else if (!readError.isEmpty())
        reportOpenError(readError);
    return openError.isEmpty() && readError.isEmpty();
}

void StandController::redrawStand()
{
    if (m_busy || !m_stand)
        return;
    BusyScope busy(m_busy);
    const StandMap &map = *m_window.standMap();
    // A map without size keeps the last good placement until it has one.
    if (!prepareStand(*m_stand, map.mapWidth(), map.mapHeight()))
        return;
    if (m_awaitingPlacement) {
        fillTreeTable(treeTableRows(*m_stand));
        m_awaitingPlacement = false;
    }
    m_orderTable = OrderTable::build(*m_stand);
    m_edgeTable = {};
    forgetSelection();
    drawTrees();
}

void StandController::calculate()
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);
    recomputeZones();
    setStatusText(ZoneView::readyText());
}

// The common start of Calculate and a map press: the whole zone display is
// computed and drawn afresh with the order checked now.
void StandController::recomputeZones()
{
    setStatusText(ZoneView::runningText());
    m_window.resetTreeTableCurrentCell();
    drawTreesAndZones();
    m_zonesComputed = true;
}

void StandController::labelCheckClicked()
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);
    m_window.resetTreeTableCurrentCell();
    if (!m_stand)
        return;
    if (m_zonesComputed)
        drawTreesAndZones();
    else
        drawTrees();
}

void StandController::selectNearestTree(QPointF mapPosition)
{
    if (m_busy || !m_stand)
        return;
    BusyScope busy(m_busy);
    recomputeZones();
    m_selection = ::selectNearestTree(*m_stand, m_orderTable, m_edgeTable, mapPosition, m_stand->mapWidth,
                                      m_stand->mapHeight);
    markSelection();
    showSelectedZone();
    setStatusText(ZoneView::readyText());
}

void StandController::exportZones(ZoneExportFormat format)
{
    if (m_busy || m_choosingFile || !m_stand)
        return;
    // The dialog runs an event loop of its own; what is exported is fixed
    // before it opens.
    const Stand stand = *m_stand;
    const int order = m_window.currentOrder();
    m_choosingFile = true;
    m_exportCommand.run(&m_window, stand, order, format);
    m_choosingFile = false;
}

bool StandController::languageKnown() const
{
    const int language = m_window.currentLanguage();
    return language >= 0 && language <= 3;
}

QString StandController::dataFolder() const
{
    return QDir(m_window.installationFolder()).filePath(QStringLiteral("Data"));
}

void StandController::reportOpenError(const QString &text)
{
    m_errorReporter(&m_window, tr("Öffnungsfehler!"), text);
}

void StandController::writeStandPanels(const Stand &stand)
{
    m_window.setStatusPanelText(3, QStringLiteral("  ") + numberText(stand.areaHectares()) +
                                       QStringLiteral(" ha"));
    if (languageKnown())
        m_window.statusPanel(4)->setText(QStringLiteral("  ") + QString::number(stand.treeCount()) +
                                         QLatin1Char(' ') + tr("Bäume"));
    m_window.showTreeCountNote(stand.treeCount(), stand.announcedTreeCount);
}

void StandController::showStandFilePath()
{
    m_window.setStatusPanelText(2, m_stand ? QStringLiteral("  ") + m_stand->filePath : QString());
}

// The selection marks are gone from the map; so is what is said of them.
void StandController::forgetSelection()
{
    m_selection = {};
    m_window.showZoneReadout(std::nullopt);
}

void StandController::showSelectedZone()
{
    if (!m_selection.valid || !m_stand) {
        m_window.showZoneReadout(std::nullopt);
        return;
    }
    const int order = m_edgeTable.order;
    // The tree is picked on the map, its zone is that of the tree as written:
    // the numbers of kavrel-zones --areas.
    const std::vector<double> areas = writtenZoneAreas(*m_stand, order);
    const qsizetype slot = m_selection.treeNumber - 1;
    if (slot < 0 || slot >= qsizetype(areas.size())) {
        m_window.showZoneReadout(std::nullopt);
        return;
    }
    const double area = areas[std::size_t(slot)];
    const double standArea = double(m_stand->width) * double(m_stand->length);
    m_window.showZoneReadout(
        ZoneReadout{m_selection.treeNumber, order, area, standArea > 0.0 ? area / standArea : 0.0});
}

void StandController::restoreSelectionHighlight()
{
    if (m_selection.valid && !m_selection.edgeRows.isEmpty())
        highlightTreeTableRow(m_selection.treeNumber);
}

void StandController::fillTreeTable(const QList<QStringList> &rows)
{
    QTableWidget &table = *m_window.treeTable();
    table.clearContents();
    table.setRowCount(int(rows.size()));
    table.setColumnCount(TreeTableColumns);
    QHeaderView &header = *table.horizontalHeader();
    // Each column edge is rounded to pixels, not each width, so the columns
    // together are as wide as the sum of their widths and fit the table.
    double edgeTwips = 0;
    for (int column = 0; column < TreeTableColumns; ++column) {
        header.setSectionResizeMode(column, QHeaderView::Interactive);
        const int left = TwipsToPixelsX(edgeTwips);
        edgeTwips += TreeTableColumnTwips[std::size_t(column)];
        table.setColumnWidth(column, TwipsToPixelsX(edgeTwips) - left);
    }
    writeTreeTableHeader();
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList &texts = rows[row];
        for (int column = 0; column < TreeTableColumns && column < texts.size(); ++column)
            table.setItem(row, column, centredItem(texts[column]));
    }
}

void StandController::writeTreeTableHeader()
{
    if (!languageKnown())
        return;
    QTableWidget &table = *m_window.treeTable();
    const QStringList texts{tr("Baum"), QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("d")};
    for (int column = 0; column < TreeTableColumns; ++column)
        table.setHorizontalHeaderItem(column, centredItem(texts[column]));
}

void StandController::drawTrees()
{
    QList<QPointF> trees;
    QStringList labels;
    if (m_stand) {
        const Stand &stand = *m_stand;
        const std::size_t placedTrees = std::min(stand.sortX.size(), stand.sortY.size());
        for (std::size_t slot = 0; slot < placedTrees; ++slot)
            trees.append({stand.sortX[slot], stand.sortY[slot]});
        if (m_window.labelCheckBox()->isChecked()) {
            for (int position = 1; position <= trees.size(); ++position)
                labels.append(QString::number(m_orderTable.treeNumberAt(position)));
        }
    }
    MapDrawing::drawTrees(*m_window.standMap(), trees, labels);
}

void StandController::drawTreesAndZones()
{
    drawTrees();
    forgetSelection();
    Stand noStand;
    m_edgeTable = m_zoneView.drawZoneBoundaries(m_stand ? *m_stand : noStand, m_window.currentOrder());
    // The computation sorts the trees again, and trees at equal distance from
    // the corner may swap places: the labels' table must follow.
    if (m_stand)
        m_orderTable = OrderTable::build(*m_stand);
}

void StandController::markSelection()
{
    if (!m_selection.valid)
        return;
    if (!m_selection.edgeRows.isEmpty())
        highlightTreeTableRow(m_selection.treeNumber);
    m_zoneView.drawSelection(*m_stand, m_edgeTable, m_selection);
}

// Columns 0 and 1 of the tree's row in light red, also while the table has
// no focus.
void StandController::highlightTreeTableRow(int treeNumber)
{
    QTableWidget &table = *m_window.treeTable();
    const int row = treeNumber - 1;
    if (row < 0 || row >= table.rowCount() || table.columnCount() < 2)
        return;
    QPalette palette = table.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Highlight, MapDrawing::SelectedColour);
    table.setPalette(palette);

    QItemSelectionModel &selection = *table.selectionModel();
    table.setCurrentCell(row, 1, QItemSelectionModel::NoUpdate);
    selection.select(QItemSelection(table.model()->index(row, 0), table.model()->index(row, 1)),
                     QItemSelectionModel::ClearAndSelect);
    table.scrollToItem(table.item(row, 0));
    table.viewport()->update();
}

void StandController::setStatusText(const QString &text)
{
    if (languageKnown())
        m_window.setStatusPanelText(1, text);
}
