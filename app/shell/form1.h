#pragma once

#include "languageswitcher.h"
#include "shell/decimalseparatorswitch.h"
#include "shell/localesettings.h"
#include "zonereadout.h"
#include "zones/zoneexportformat.h"

#include <QHash>
#include <QIcon>
#include <QMainWindow>
#include <QPointF>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;
class QToolBar;
class QToolButton;
class StandMap;
class VistaProg;

// The main window: toolbar with the order buttons, the stand map and the tree
// table in their frames, the status bar, the menu and the language selector.
// What happens to a stand (loading, drawing, computing) is left to whoever
// connects to the signals; this window arranges itself, speaks the user's
// language, saves snapshots of the map and runs the program's start-up and
// shut-down around it.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    // The installation folder is the one holding the running program's Data
    // and Icons (InstallationLayout).
    explicit Form1(QWidget *parent = nullptr);
    // For a program laid out elsewhere and for numeric settings other than the
    // process's own.
    Form1(const QString &installationFolder, std::unique_ptr<LocaleSettings> localeSettings,
          QWidget *parent = nullptr);
    ~Form1() override;

    QTableWidget *treeTable() const { return m_treeTable; }
    StandMap *standMap() const { return m_standMap; }
    QCheckBox *labelCheckBox() const { return m_labelCheckBox; }
    VistaProg *calculationProgress() const { return m_calculationProgress; }
    // Panels 1 to 4 of the status bar; nullptr for any other number.
    QLabel *statusPanel(int number) const;
    // Writes a panel's text; the state text (1) and the area (3) get a
    // smaller font when they would not fit their panels otherwise.
    void setStatusPanelText(int number, const QString &text);
    // Says in the state text that only the first `shown` of the `announced`
    // trees of the file are shown, and keeps saying so in the tree count's
    // tooltip, also in the language switched to (a switch writes the ready
    // text in the state text). Nothing when all are shown.
    void showTreeCountNote(int shown, int announced);

    // The selected tree's zone area and inclusion probability, shown in the
    // toolbar's free part while there is one; nullopt hides it.
    void showZoneReadout(const std::optional<ZoneReadout> &readout);
    std::optional<ZoneReadout> zoneReadout() const { return m_zoneReadout; }
    QLabel *zoneReadoutLabel() const { return m_zoneReadoutLabel; }

    // The export entries need a stand to export.
    void setExportEnabled(bool enabled);

    // 1 to 5: the first checked order button; 1 when none is checked.
    int currentOrder() const;
    // Checks the order button of 1 to 5; any other order changes nothing.
    void setCurrentOrder(int order);
    // 0 German, 1 English, 2 Spanish, 3 Slovak; -1 when no entry is selected.
    int currentLanguage() const;
    // Current cell on the first data row, second column, and no selection
    // highlight; nothing when the table has no data row.
    void resetTreeTableCurrentCell();

    QString installationFolder() const { return m_installationFolder; }
    // Pictures/Situation.bmp in the installation folder, or in the user's
    // pictures folder when the installation is not the user's to write in.
    QString snapshotPath() const;

    // Saves the map's picture as a Windows bitmap over the previous snapshot.
    // On failure says so in a message box and returns false.
    bool saveSnapshot();

    // The unload step: the user's decimal separator back, every other window
    // closed. Runs once however the main window is closed; returns false when
    // it had already run.
    bool shutDown();

signals:
    void openRequested();
    void calculateRequested();
    void labelCheckClicked();
    void mapPressed(QPointF position);
    // After every arrangement of the controls (and after a minimize, which
    // does not arrange them).
    void layoutApplied();
    void aboutRequested();
    void updateRequested();
    void exportRequested(ZoneExportFormat format);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void addExportEntries(QMenu *menu);
    void buildKeyboardCommands();
    void buildToolbar();
    void buildControls();
    void buildStatusBar();
    void loadFlagPictures();
    void fillLanguageSelector();
    void applySizeLimits();
    void placeFixedControls();
    void applyLayout();
    void keepLastPanelClearOfLabelCheckBox();
    void refreshOrderButtonColours();
    void onLanguagePicked(int index);
    void retranslateUi();
    void retranslateTreeTableHeader();
    void retranslateZoneReadout();
    void placeZoneReadout();
    void fitStatusPanel(QLabel *panel);
    QString treeCountNoteText() const;
    void retranslateTreeCountNote();

    QString m_installationFolder;
    std::unique_ptr<LocaleSettings> m_localeSettings;
    DecimalSeparatorSwitch m_separatorSwitch;
    LanguageSwitcher m_languageSwitcher;
    bool m_shutDown = false;

    QMenu *m_fileMenu = nullptr;
    QMenu *m_legendMenu = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_snapshotAction = nullptr;
    QAction *m_exportGeoJsonAction = nullptr;
    QAction *m_exportSvgAction = nullptr;
    QAction *m_exportCsvAction = nullptr;
    QAction *m_calculateAction = nullptr;
    QAction *m_selectedTreeAction = nullptr;
    QAction *m_withInfluenceAction = nullptr;
    QAction *m_withoutInfluenceAction = nullptr;
    QAction *m_infoAction = nullptr;
    QAction *m_updateAction = nullptr;

    QWidget *m_central = nullptr;
    QToolBar *m_toolbar = nullptr;
    QToolButton *m_openButton = nullptr;
    QToolButton *m_photoButton = nullptr;
    std::array<QToolButton *, 5> m_orderButtons{};
    QButtonGroup *m_orderGroup = nullptr;
    QLabel *m_orderLabel = nullptr;
    QPushButton *m_calculateButton = nullptr;
    QComboBox *m_languageSelector = nullptr;
    VistaProg *m_secondProgress = nullptr;
    QGroupBox *m_mapFrame = nullptr;
    StandMap *m_standMap = nullptr;
    QGroupBox *m_tableFrame = nullptr;
    QTableWidget *m_treeTable = nullptr;
    QFrame *m_statusBar = nullptr;
    std::array<QLabel *, 4> m_statusPanels{};
    QCheckBox *m_labelCheckBox = nullptr;
    VistaProg *m_calculationProgress = nullptr;
    QLabel *m_zoneReadoutLabel = nullptr;

    std::optional<ZoneReadout> m_zoneReadout;
    // The trees shown and announced by the file, while fewer are shown; and
    // the note's text as last written into the state panel.
    int m_notedShownTrees = 0;
    int m_notedAnnouncedTrees = 0;
    QString m_writtenTreeCountNote;

    QHash<QString, QIcon> m_flagPictures;
};
