#pragma once

#include "stand/ordertable.h"
#include "stand/stand.h"
#include "zones/edgetable.h"
#include "zones/treeselection.h"
#include "zones/zoneexportcommand.h"
#include "zones/zoneview.h"

#include <QObject>
#include <QPointF>
#include <QString>
#include <functional>
#include <optional>

class Form1;
class QWidget;

// What the main window does with a stand: opening it, the tree table, the map
// with its trees, zones and selection marks, and the order table behind the
// labels. Every handler runs to its end without letting other window events
// in, and a handler that arrives while another one is still running is
// ignored, so nothing ever runs inside anything else.
class StandController : public QObject
{
    Q_OBJECT

public:
    // Asks the user for a stand file; an empty result means cancel.
    using FileChooser = std::function<QString(QWidget *parent, const QString &folder, const QString &preset,
                                              const QString &filter)>;
    // Tells the user why a file could not be used.
    using ErrorReporter = std::function<void(QWidget *parent, const QString &title, const QString &text)>;

    explicit StandController(Form1 &window, QObject *parent = nullptr);

    void setFileChooser(FileChooser chooser);
    void setErrorReporter(ErrorReporter reporter);

    // The open command: the file dialog, then loadStandFile().
    void loadStand();
    // Reads the file completely; only a complete stand replaces the current
    // one. On failure the user is told why and the previous stand stays.
    bool loadStandFile(const QString &path);

    void redrawStand();
    void calculate();
    void labelCheckClicked();
    void selectNearestTree(QPointF mapPosition);
    // Saves the zones of the order checked now; nothing without a stand.
    void exportZones(ZoneExportFormat format);

    ZoneExportCommand &exportCommand() { return m_exportCommand; }

    // The current state, for whoever needs to look at it.
    const Stand *stand() const { return m_stand ? &*m_stand : nullptr; }
    QString standFilePath() const { return m_standFilePath; }
    bool zonesComputed() const { return m_zonesComputed; }
    const OrderTable &orderTable() const { return m_orderTable; }
    const EdgeTable &edgeTable() const { return m_edgeTable; }
    const TreeSelection &selection() const { return m_selection; }

private:
    bool languageKnown() const;
    QString dataFolder() const;
    void reportOpenError(const QString &text);
    void writeStandPanels(const Stand &stand);
    void showStandFilePath();
    void forgetSelection();
    void showSelectedZone();
    void restoreSelectionHighlight();
    void fillTreeTable(const QList<QStringList> &rows);
    void writeTreeTableHeader();
    void drawTrees();
    void drawTreesAndZones();
    void recomputeZones();
    void markSelection();
    void highlightTreeTableRow(int treeNumber);
    void setStatusText(const QString &text);

    Form1 &m_window;
    ZoneView m_zoneView;
    FileChooser m_fileChooser;
    ErrorReporter m_errorReporter;
    ZoneExportCommand m_exportCommand;

    std::optional<Stand> m_stand;
    // The file last chosen in the open dialog (offered again next time),
    // which is not always the stand shown.
    QString m_standFilePath;
    bool m_zonesComputed = false;
    // A stand opened while the map had no size is placed (and its table rows
    // rewritten from the placement) as soon as the map has one.
    bool m_awaitingPlacement = false;
    OrderTable m_orderTable;
    EdgeTable m_edgeTable;
    TreeSelection m_selection;

    bool m_busy = false;
    bool m_choosingFile = false;
};
