#include "form1.h"

#include "files/filesystemname.h"
#include "files/outputfile.h"
#include "forms.h"
#include "picturesource.h"
#include "screentwips.h"
#include "shell/installationlayout.h"
#include "shell/mainwindowlayout.h"
#include "shell/processlocalesettings.h"
#include "shell/savefile.h"
#include "shell/sizelimits.h"
#include "shell/twips.h"
#include "shellstyle.h"
#include "stand/numberformat.h"
#include "stand/standmap.h"
#include "vistaprog.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QImageWriter>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace {

// The language selector's entries, in the order of their index.
struct LanguageEntry
{
    const char *key;
    const char *pictureFile;
    const char *code;
    const char *caption;
};

constexpr std::array<LanguageEntry, 4> Languages{{
    {"german", "german.ico", "de", QT_TRANSLATE_NOOP("Form1", "Deutsch")},
    {"english", "english.ico", "en", QT_TRANSLATE_NOOP("Form1", "Englisch")},
    {"spanish", "spain.ico", "es", QT_TRANSLATE_NOOP("Form1", "Spanisch")},
    {"slovak", "slovakia.ico", "sk", QT_TRANSLATE_NOOP("Form1", "Slowakisch")},
}};

constexpr int TreeTableRows = 50;
constexpr int TreeTableColumns = 4;

// Designed client size and the rectangles of the controls that keep theirs.
constexpr double DesignedClientWidth = DesignedOuterWidthTwips - OuterMinusClientWidthTwips;
constexpr double DesignedClientHeight = DesignedOuterHeightTwips - OuterMinusClientHeightTwips;
constexpr QRectF DesignedCalculateButton(3600, 50, 1575, 350);
constexpr QRectF DesignedOrderLabel(1150, 90, 975, 255);
constexpr QRectF DesignedSecondProgress(5400, 120, 4575, 225);

// The zone read-out takes the toolbar's free part, where the second progress
// bar lies (hidden) and the order label's row runs, up to a little before the
// language selector.
constexpr double ZoneReadoutLeft = 5400;
constexpr double ZoneReadoutTop = 70;
constexpr double ZoneReadoutHeight = 300;
constexpr double ZoneReadoutGap = 150;

// The status panels' font size of the style sheet, and the smallest a text
// is shrunk to so that it fits its panel.
constexpr double PanelPointSize = 7.5;
constexpr double SmallestPanelPointSize = 5.0;

// Toolbar item widths as designed, in pixels at 96 dpi.
constexpr int PushButtonWidth = 25;
constexpr int NarrowSpacerWidth = 15;
constexpr int WideSpacerWidth = 80;
constexpr int OrderButtonWidth = 17;
constexpr int ToolButtonHeight = 22;

int scaledX(int pixelsAt96Dpi)
{
    return TwipsToPixelsX(pixelsAt96Dpi * 15.0);
}

int scaledY(int pixelsAt96Dpi)
{
    return TwipsToPixelsY(pixelsAt96Dpi * 15.0);
}

QRect toPixels(const QRectF &twips)
{
    return QRect(TwipsToPixelsX(twips.left()), TwipsToPixelsY(twips.top()), TwipsToPixelsX(twips.width()),
                 TwipsToPixelsY(twips.height()));
}

// Areas with two decimals, probabilities with four; values that would need a
// very long or an all-zero text get significant digits instead.
QString readoutNumber(double value, int decimals)
{
    const double magnitude = std::abs(value);
    if (magnitude >= 1e9 || (magnitude > 0.0 && magnitude < std::pow(10.0, -decimals)))
        return QString::number(value, 'g', 6);
    return fixedText(value, decimals);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

Form1::Form1(QWidget *parent)
    : Form1(InstallationLayout(QCoreApplication::applicationDirPath()).dataFolder(),
            std::make_unique<ProcessLocaleSettings>(), parent)
{}

Form1::Form1(const QString &installationFolder, std::unique_ptr<LocaleSettings> localeSettings,
             QWidget *parent)
    : QMainWindow(parent), m_installationFolder(installationFolder),
      m_localeSettings(localeSettings ? std::move(localeSettings) : std::make_unique<ProcessLocaleSettings>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kavrel"));

    m_separatorSwitch.switchToPoint(*m_localeSettings);

    m_central = new QWidget(this);
    m_central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(m_central);
    m_central->installEventFilter(this);
    // The skin is the central widget's, not the window's: a style sheet on the
    // window would also reach the about and update windows, its children.
    m_central->setStyleSheet(mainWindowStyleSheet());

    buildMenu();
    buildToolbar();
    buildControls();
    buildStatusBar();
    buildKeyboardCommands();
    placeFixedControls();
    applySizeLimits();

    m_secondProgress->hide();
    m_calculationProgress->hide();

    loadFlagPictures();
    // Qt's own texts (buttons, dialogs) start in German as the program's do.
    m_languageSwitcher.switchTo(QLatin1String(Languages[0].code));
    retranslateUi();
    m_languageSelector->setCurrentIndex(0);

    m_treeTable->setRowCount(TreeTableRows);
    m_treeTable->setColumnCount(TreeTableColumns);
    for (int column = 0; column < TreeTableColumns; ++column)
        m_treeTable->setHorizontalHeaderItem(column, new QTableWidgetItem(QString()));

    // Arranged for the designed size already, so the map has its size even
    // before the window is shown.
    const QSize designedClient(TwipsToPixelsX(DesignedClientWidth), TwipsToPixelsY(DesignedClientHeight));
    resize(designedClient.width(), designedClient.height() + menuBar()->sizeHint().height());
    m_central->resize(designedClient);
    applyLayout();
}

Form1::~Form1()
{
    // Also when the window goes without being closed.
    m_separatorSwitch.restore(*m_localeSettings);
}

QLabel *Form1::statusPanel(int number) const
{
    if (number < 1 || number > static_cast<int>(m_statusPanels.size()))
        return nullptr;
    return m_statusPanels[static_cast<std::size_t>(number - 1)];
}

void Form1::setStatusPanelText(int number, const QString &text)
{
    QLabel *panel = statusPanel(number);
    if (!panel)
        return;
    panel->setText(text);
    if (number == 1 || number == 3)
        fitStatusPanel(panel);
}

void Form1::showTreeCountNote(int shown, int announced)
{
    const bool oldNoteShown =
        !m_writtenTreeCountNote.isEmpty() && m_statusPanels[0]->text() == m_writtenTreeCountNote;
    m_notedShownTrees = shown;
    m_notedAnnouncedTrees = announced;
    retranslateTreeCountNote();
    if (announced > shown) {
        m_writtenTreeCountNote = treeCountNoteText();
        setStatusPanelText(1, m_writtenTreeCountNote);
        return;
    }
    m_writtenTreeCountNote.clear();
    if (oldNoteShown)
        setStatusPanelText(1, tr("  Bereit"));
}

QString Form1::treeCountNoteText() const
{
    return tr("  Erste %1 von %2 Bäumen gezeigt").arg(m_notedShownTrees).arg(m_notedAnnouncedTrees);
}

// The note stays readable beside the tree count, where no designed text
// gives way to it.
void Form1::retranslateTreeCountNote()
{
    const bool treesLeftOut = m_notedAnnouncedTrees > m_notedShownTrees;
    m_statusPanels[3]->setToolTip(treesLeftOut ? treeCountNoteText().trimmed() : QString());
}

void Form1::showZoneReadout(const std::optional<ZoneReadout> &readout)
{
    m_zoneReadout = readout;
    retranslateZoneReadout();
    m_zoneReadoutLabel->setVisible(m_zoneReadout.has_value());
}

void Form1::setExportEnabled(bool enabled)
{
    for (QAction *action : {m_exportGeoJsonAction, m_exportSvgAction, m_exportCsvAction})
        action->setEnabled(enabled);
}

int Form1::currentOrder() const
{
    for (std::size_t i = 0; i < m_orderButtons.size(); ++i) {
        if (m_orderButtons[i]->isChecked())
            return static_cast<int>(i) + 1;
    }
    return 1;
}

void Form1::setCurrentOrder(int order)
{
    if (order >= 1 && order <= static_cast<int>(m_orderButtons.size()))
        m_orderButtons[static_cast<std::size_t>(order - 1)]->setChecked(true);
}

int Form1::currentLanguage() const
{
    return m_languageSelector->currentIndex();
}

void Form1::resetTreeTableCurrentCell()
{
    if (m_treeTable->rowCount() < 1 || m_treeTable->columnCount() < 2)
        return;
    m_treeTable->setCurrentCell(0, 1);
    m_treeTable->clearSelection();
    m_treeTable->viewport()->update();
}

QString Form1::snapshotPath() const
{
    return snapshotPathFor(m_installationFolder, userPicturesFolder());
}

bool Form1::saveSnapshot()
{
    const QString path = snapshotPath();
    QDir().mkpath(QFileInfo(path).absolutePath());

    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    // Put in the old snapshot's place only when complete, so a failed write
    // keeps the previous picture.
    const QString reason =
        writer.write(m_standMap->image()) ? saveFileAtomically(path, bitmap) : writer.errorString();
    if (reason.isEmpty())
        return true;

    QMessageBox::warning(this, windowTitle(),
                         tr("Bild konnte nicht gespeichert werden:") + QLatin1Char('\n') +
                             QDir::toNativeSeparators(displayFileName(path)) + QLatin1Char('\n') + reason);
    return false;
}

bool Form1::shutDown()
{
    if (m_shutDown)
        return false;
    m_shutDown = true;
    m_separatorSwitch.restore(*m_localeSettings);
    UnloadAllForms(this);
    return true;
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    else if (event->type() == QEvent::WindowStateChange)
        applyLayout();
    QMainWindow::changeEvent(event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    shutDown();
    QMainWindow::closeEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_central && event->type() == QEvent::Resize)
        applyLayout();
    if (event->type() == QEvent::MouseButtonRelease && m_treeTable && watched == m_treeTable->viewport() &&
        !m_treeTable->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint()).isValid())
        resetTreeTableCurrentCell();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::buildMenu()
{
    const PictureSource pictures;
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar1"));

    m_fileMenu = bar->addMenu(QString());
    m_fileMenu->setObjectName(QStringLiteral("MenuFile"));
    m_openAction = m_fileMenu->addAction(pictures.icon(PictureSource::Open), QString());
    m_openAction->setObjectName(QStringLiteral("open"));
    m_openAction->setShortcut(QKeySequence::Open);
    m_fileMenu->addSeparator();
    m_snapshotAction = m_fileMenu->addAction(pictures.icon(PictureSource::Camera), QString());
    m_snapshotAction->setObjectName(QStringLiteral("snapshot"));
    m_snapshotAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_fileMenu->addSeparator();
    addExportEntries(m_fileMenu);
    m_fileMenu->addSeparator();
    m_exitAction = m_fileMenu->addAction(pictures.icon(PictureSource::Exit), QString());
    m_exitAction->setObjectName(QStringLiteral("exit"));
    m_exitAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    m_exitAction->setShortcutContext(Qt::WindowShortcut);

    m_legendMenu = bar->addMenu(QString());
    m_legendMenu->setObjectName(QStringLiteral("MenuLegend"));
    m_selectedTreeAction = m_legendMenu->addAction(pictures.icon(PictureSource::SelectedTree), QString());
    m_selectedTreeAction->setObjectName(QStringLiteral("selecttree"));
    m_withInfluenceAction =
        m_legendMenu->addAction(pictures.icon(PictureSource::TreeWithInfluence), QString());
    m_withInfluenceAction->setObjectName(QStringLiteral("withimpact"));
    m_withoutInfluenceAction =
        m_legendMenu->addAction(pictures.icon(PictureSource::TreeWithoutInfluence), QString());
    m_withoutInfluenceAction->setObjectName(QStringLiteral("withoutimpact"));

    // The same caption in every language.
    m_infoAction = bar->addAction(QStringLiteral("Info"));
    m_infoAction->setObjectName(QStringLiteral("MenuInfo"));
    m_updateAction = bar->addAction(QStringLiteral("Update"));
    m_updateAction->setObjectName(QStringLiteral("MenuUpdate"));

    connect(m_openAction, &QAction::triggered, this, &Form1::openRequested);
    connect(m_snapshotAction, &QAction::triggered, this, &Form1::saveSnapshot);
    // Exactly what the window's close box does.
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_infoAction, &QAction::triggered, this, &Form1::aboutRequested);
    connect(m_updateAction, &QAction::triggered, this, &Form1::updateRequested);
}

void Form1::addExportEntries(QMenu *menu)
{
    const PictureSource pictures;
    auto addEntry = [&](const char *key, int pictureNumber, ZoneExportFormat format) {
        QAction *action = menu->addAction(pictures.icon(pictureNumber), QString());
        action->setObjectName(QLatin1String(key));
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, format] { emit exportRequested(format); });
        return action;
    };
    m_exportGeoJsonAction = addEntry("exportgeojson", PictureSource::ExportZones, ZoneExportFormat::GeoJson);
    m_exportSvgAction = addEntry("exportsvg", PictureSource::ExportDrawing, ZoneExportFormat::Svg);
    m_exportCsvAction = addEntry("exportcsv", PictureSource::ExportTable, ZoneExportFormat::Csv);
}

// Keys for the commands that have no menu entry. They act wherever the focus
// is in the window, as the buttons they stand for.
void Form1::buildKeyboardCommands()
{
    m_calculateAction = new QAction(this);
    m_calculateAction->setObjectName(QStringLiteral("calculateKey"));
    m_calculateAction->setShortcut(QKeySequence(Qt::Key_F5));
    addAction(m_calculateAction);
    connect(m_calculateAction, &QAction::triggered, m_calculateButton, &QPushButton::click);

    for (std::size_t i = 0; i < m_orderButtons.size(); ++i) {
        auto *action = new QAction(this);
        action->setObjectName(QStringLiteral("order%1Key").arg(i + 1));
        action->setShortcut(QKeySequence(Qt::Key_1 + static_cast<int>(i)));
        addAction(action);
        QToolButton *button = m_orderButtons[i];
        connect(action, &QAction::triggered, button, &QToolButton::click);
    }
}

void Form1::buildToolbar()
{
    const PictureSource pictures;
    m_toolbar = new QToolBar(m_central);
    m_toolbar->setObjectName(QStringLiteral("Coolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(scaledX(16), scaledY(16)));

    auto addPushButton = [&](const char *key, int pictureNumber) {
        auto *button = new QToolButton(m_toolbar);
        button->setObjectName(QLatin1String(key));
        button->setIcon(pictures.icon(pictureNumber));
        button->setFixedSize(scaledX(PushButtonWidth), scaledY(ToolButtonHeight));
        button->setAutoRaise(true);
        m_toolbar->addWidget(button);
        return button;
    };
    m_openButton = addPushButton("btnOpen", PictureSource::Open);
    m_photoButton = addPushButton("btnPhoto", PictureSource::Camera);

    auto *narrowSpacer = new QWidget(m_toolbar);
    narrowSpacer->setFixedSize(scaledX(NarrowSpacerWidth), scaledY(ToolButtonHeight));
    auto *line = new QWidget(narrowSpacer);
    line->setObjectName(QStringLiteral("toolbarSeparator"));
    line->setAttribute(Qt::WA_StyledBackground);
    line->setGeometry(narrowSpacer->width() / 2, scaledY(3), 1, scaledY(ToolButtonHeight - 6));
    m_toolbar->addWidget(narrowSpacer);

    auto *wideSpacer = new QWidget(m_toolbar);
    wideSpacer->setFixedSize(scaledX(WideSpacerWidth), scaledY(ToolButtonHeight));
    m_toolbar->addWidget(wideSpacer);

    m_orderGroup = new QButtonGroup(this);
    m_orderGroup->setExclusive(true);
    QFont bold = font();
    bold.setBold(true);
    for (std::size_t i = 0; i < m_orderButtons.size(); ++i) {
        const int order = static_cast<int>(i) + 1;
        auto *button = new QToolButton(m_toolbar);
        button->setObjectName(QStringLiteral("btn%1order").arg(order));
        button->setText(QString::number(order));
        button->setFont(bold);
        button->setCheckable(true);
        button->setFixedSize(scaledX(OrderButtonWidth), scaledY(ToolButtonHeight));
        m_orderGroup->addButton(button, order);
        m_toolbar->addWidget(button);
        m_orderButtons[i] = button;
    }
    m_orderButtons[0]->setChecked(true);
    refreshOrderButtonColours();

    connect(m_openButton, &QToolButton::clicked, this, &Form1::openRequested);
    connect(m_photoButton, &QToolButton::clicked, this, &Form1::saveSnapshot);
    connect(m_orderGroup, &QButtonGroup::buttonToggled, this, &Form1::refreshOrderButtonColours);
    connect(m_orderGroup, &QButtonGroup::idClicked, this, &Form1::refreshOrderButtonColours);
}

void Form1::buildControls()
{
    m_orderLabel = new QLabel(m_central);
    m_orderLabel->setObjectName(QStringLiteral("tamLabel1"));
    m_orderLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_calculateButton = new QPushButton(m_central);
    m_calculateButton->setObjectName(QStringLiteral("Command1"));
    m_calculateButton->setCursor(Qt::PointingHandCursor);

    m_languageSelector = new QComboBox(m_central);
    m_languageSelector->setObjectName(QStringLiteral("tamText1"));
    m_languageSelector->setIconSize(QSize(scaledX(16), scaledY(16)));

    m_secondProgress = new VistaProg(m_central);
    m_secondProgress->setObjectName(QStringLiteral("VistaProg1"));

    m_mapFrame = new QGroupBox(m_central);
    m_mapFrame->setObjectName(QStringLiteral("tamFrame1"));
    m_standMap = new StandMap(m_mapFrame);
    m_standMap->setObjectName(QStringLiteral("Picture1"));

    m_tableFrame = new QGroupBox(m_central);
    m_tableFrame->setObjectName(QStringLiteral("tamFrame2"));
    m_treeTable = new QTableWidget(m_tableFrame);
    m_treeTable->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_treeTable->verticalHeader()->hide();
    m_treeTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_treeTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_treeTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_treeTable->setSelectionBehavior(QAbstractItemView::SelectRows);

    m_labelCheckBox = new QCheckBox(m_central);
    m_labelCheckBox->setObjectName(QStringLiteral("tamCheck1"));

    m_zoneReadoutLabel = new QLabel(m_central);
    m_zoneReadoutLabel->setObjectName(QStringLiteral("zoneReadout"));
    m_zoneReadoutLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_zoneReadoutLabel->setTextFormat(Qt::PlainText);
    m_zoneReadoutLabel->hide();

    connect(m_calculateButton, &QPushButton::clicked, this, &Form1::calculateRequested);
    connect(m_labelCheckBox, &QCheckBox::clicked, this, &Form1::labelCheckClicked);
    connect(m_standMap, &StandMap::pressed, this, &Form1::mapPressed);
    connect(m_treeTable, &QTableWidget::cellClicked, this, &Form1::resetTreeTableCurrentCell);
    // The header row and the blank part below the last row are the table too.
    connect(m_treeTable->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &Form1::resetTreeTableCurrentCell);
    m_treeTable->viewport()->installEventFilter(this);
    connect(m_languageSelector, &QComboBox::activated, this, &Form1::onLanguagePicked);
}

void Form1::buildStatusBar()
{
    m_statusBar = new QFrame(m_central);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    for (std::size_t i = 0; i < m_statusPanels.size(); ++i) {
        auto *panel = new QLabel(m_statusBar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_statusPanels[i] = panel;
    }
    // The calculation's progress bar lies over the status bar.
    m_calculationProgress = new VistaProg(m_central);
    m_calculationProgress->setObjectName(QStringLiteral("VistaProg2"));
}

void Form1::loadFlagPictures()
{
    const QDir icons(QDir(m_installationFolder).filePath(QStringLiteral("Icons")));
    for (const LanguageEntry &language : Languages) {
        // A missing or unreadable file leaves the entry without a picture.
        const QPixmap picture(icons.filePath(QLatin1String(language.pictureFile)));
        m_flagPictures.insert(QLatin1String(language.key), picture.isNull() ? QIcon() : QIcon(picture));
    }
}

void Form1::fillLanguageSelector()
{
    const QSignalBlocker blocker(m_languageSelector);
    const int selected = m_languageSelector->currentIndex();
    m_languageSelector->clear();
    for (const LanguageEntry &language : Languages) {
        const QString key = QLatin1String(language.key);
        m_languageSelector->addItem(m_flagPictures.value(key), tr(language.caption), key);
    }
    m_languageSelector->setCurrentIndex(selected);
}

void Form1::applySizeLimits()
{
    const ScreenTwips screen = primaryScreenTwips();
    const SizeLimits limits = mainWindowSizeLimits(screen);
    const std::optional<MinMaxInfo> answer =
        answerMinMaxQuery(MinMaxInfo{}, WindowSizeState::Normal, limits, screen);
    if (!answer)
        return;
    // The limits are for the whole window; Qt takes them for the client part,
    // whose designed share of the window is known.
    m_central->setMinimumSize(answer->minimumTrackingSize.x - TwipsToPixelsX(OuterMinusClientWidthTwips),
                              answer->minimumTrackingSize.y - TwipsToPixelsY(OuterMinusClientHeightTwips));
    if (answer->maximumTrackingSize.x > 0 && answer->maximumTrackingSize.y > 0)
        setMaximumSize(answer->maximumTrackingSize.x, answer->maximumTrackingSize.y);
}

void Form1::placeFixedControls()
{
    m_calculateButton->setGeometry(toPixels(DesignedCalculateButton));
    m_orderLabel->setGeometry(toPixels(DesignedOrderLabel));
    m_secondProgress->setGeometry(toPixels(DesignedSecondProgress));
    m_orderLabel->raise();
    m_calculateButton->raise();
}

void Form1::applyLayout()
{
    if (!isMinimized()) {
        const double width =
            pixelsToTwips(m_central->width(), screenTwipsPerPixelX()) + OuterMinusClientWidthTwips;
        const double height =
            pixelsToTwips(m_central->height(), screenTwipsPerPixelY()) + OuterMinusClientHeightTwips;
        const MainWindowLayout layout = layoutMainWindow(width, height);

        m_toolbar->setGeometry(toPixels(layout.toolbar));
        m_languageSelector->setGeometry(toPixels(layout.languageSelector));
        m_mapFrame->setGeometry(toPixels(layout.mapFrame));
        m_standMap->setGeometry(toPixels(layout.map));
        m_tableFrame->setGeometry(toPixels(layout.tableFrame));
        m_treeTable->setGeometry(toPixels(layout.treeTable));

        m_statusBar->setGeometry(toPixels(layout.statusBar));
        int left = 0;
        for (std::size_t i = 0; i < m_statusPanels.size(); ++i) {
            const int panelWidth = TwipsToPixelsX(layout.statusPanelWidths[i]);
            m_statusPanels[i]->setGeometry(left, 0, panelWidth, m_statusBar->height());
            left += panelWidth;
        }

        m_labelCheckBox->setGeometry(toPixels(layout.labelCheckBox));
        m_calculationProgress->setGeometry(toPixels(layout.calculationProgress));
        keepLastPanelClearOfLabelCheckBox();
        fitStatusPanel(m_statusPanels[0]);
        fitStatusPanel(m_statusPanels[2]);
        placeZoneReadout();

        m_orderLabel->raise();
        m_calculateButton->raise();
        m_languageSelector->raise();
        m_zoneReadoutLabel->raise();
        m_labelCheckBox->raise();
        m_calculationProgress->raise();
    }
    resetTreeTableCurrentCell();
    emit layoutApplied();
}

// The label check box keeps its distance from the window's right edge while
// the last panel grows with the window, so the box lies over that panel's
// right end. The panel's frame and text end where the box begins.
void Form1::keepLastPanelClearOfLabelCheckBox()
{
    QLabel *lastPanel = m_statusPanels.back();
    const int boxLeft = m_statusBar->mapFromParent(m_labelCheckBox->pos()).x();
    const int covered = lastPanel->geometry().right() + 1 - boxLeft;
    // The style sheet draws the panel's frame, so the margin is one of its.
    const QString margin = QStringLiteral("margin-right: %1px;").arg(std::max(0, covered + 1));
    if (lastPanel->styleSheet() != margin)
        lastPanel->setStyleSheet(margin);
}

void Form1::placeZoneReadout()
{
    const int left = TwipsToPixelsX(ZoneReadoutLeft);
    const int right = m_languageSelector->x() - TwipsToPixelsX(ZoneReadoutGap);
    m_zoneReadoutLabel->setGeometry(left, TwipsToPixelsY(ZoneReadoutTop), std::max(0, right - left),
                                    TwipsToPixelsY(ZoneReadoutHeight));
    retranslateZoneReadout();
}

// A text too long for its panel would be cut off; a smaller font keeps it
// whole (down to a stand of some hundred million hectares in panel 3). The
// panel's own style sheet outranks the status bar's font size.
void Form1::fitStatusPanel(QLabel *panel)
{
    panel->ensurePolished();
    const int room = panel->contentsRect().width();
    QFont font = panel->font();
    double size = PanelPointSize;
    for (; size > SmallestPanelPointSize; size -= 0.5) {
        font.setPointSizeF(size);
        if (QFontMetrics(font).horizontalAdvance(panel->text()) <= room)
            break;
    }
    const bool shrunk = size < PanelPointSize;
    const QString sheet = shrunk ? QStringLiteral("font-size: %1pt;").arg(size) : QString();
    if (panel->styleSheet() != sheet)
        panel->setStyleSheet(sheet);
    // Readable at full size, and whole even where the smallest font is still
    // too large (only for stands far beyond any forest).
    panel->setToolTip(shrunk ? panel->text().trimmed() : QString());
}

void Form1::refreshOrderButtonColours()
{
    for (QToolButton *button : m_orderButtons)
        setTextColour(button, button->isChecked() ? QColor(0, 0, 0) : QColor(255, 255, 255));
}

void Form1::onLanguagePicked(int index)
{
    if (index < 0 || index >= static_cast<int>(Languages.size()))
        return;
    m_languageSwitcher.switchTo(QLatin1String(Languages[static_cast<std::size_t>(index)].code));
    // The language-change events reach the windows later; this window takes
    // the new texts at once.
    retranslateUi();
}

void Form1::retranslateUi()
{
    fillLanguageSelector();

    m_fileMenu->setTitle(tr("Datei"));
    m_openAction->setText(tr("Öffnen"));
    m_exitAction->setText(tr("Beenden"));
    m_snapshotAction->setText(tr("Situation aufnehmen"));
    m_exportGeoJsonAction->setText(tr("Zonen als GeoJSON exportieren..."));
    m_exportSvgAction->setText(tr("Zeichnung als SVG exportieren..."));
    m_exportCsvAction->setText(tr("Flächen als CSV exportieren..."));
    m_legendMenu->setTitle(tr("Legende"));
    m_selectedTreeAction->setText(tr("Selektierter Baum"));
    m_withInfluenceAction->setText(tr("Einflussbaum"));
    m_withoutInfluenceAction->setText(tr("Baum ohne Einfluss"));

    m_orderLabel->setText(tr("k-te Ordnung"));
    // A caption longer than the designed width grows to the right, over the
    // toolbar's free space, rather than being cut off.
    m_orderLabel->resize(
        std::max(TwipsToPixelsX(DesignedOrderLabel.width()), m_orderLabel->sizeHint().width()),
        m_orderLabel->height());

    m_openButton->setToolTip(tr("Datei öffnen"));
    m_photoButton->setToolTip(tr("Situation aufnehmen"));
    m_orderButtons[0]->setToolTip(tr("Erste Ordnung"));
    m_orderButtons[1]->setToolTip(tr("Zweite Ordnung"));
    m_orderButtons[2]->setToolTip(tr("Dritte Ordnung"));
    m_orderButtons[3]->setToolTip(tr("Vierte Ordnung"));
    m_orderButtons[4]->setToolTip(tr("Fünfte Ordnung"));

    m_calculateButton->setText(tr("Berechnen"));
    m_calculateButton->setToolTip(
        tr("Einschlusszonen der gewählten Ordnung berechnen") +
        QStringLiteral(" (%1)").arg(m_calculateAction->shortcut().toString(QKeySequence::NativeText)));
    m_labelCheckBox->setToolTip(tr("Baumnummern auf der Karte zeigen"));
    m_mapFrame->setTitle(tr("Baumverteilung"));
    m_tableFrame->setTitle(tr("Daten"));

    retranslateTreeTableHeader();
    retranslateZoneReadout();
    retranslateTreeCountNote();
    setStatusPanelText(1, tr("  Bereit"));
}

void Form1::retranslateZoneReadout()
{
    if (!m_zoneReadoutLabel || !m_zoneReadout) {
        if (m_zoneReadoutLabel)
            m_zoneReadoutLabel->clear();
        return;
    }
    const ZoneReadout &readout = *m_zoneReadout;
    const QString text = tr("Baum %1 (k = %2): %3 m², p = %4")
                             .arg(readout.treeNumber)
                             .arg(readout.order)
                             .arg(readoutNumber(readout.area, 2), readoutNumber(readout.probability, 4));
    const QString explanation = tr("Fläche der Einschlusszone des selektierten Baums und seine "
                                   "Einschlusswahrscheinlichkeit p (Zonenfläche / Bestandsfläche)");
    // The style sheet's font and padding count.
    m_zoneReadoutLabel->ensurePolished();
    const QFontMetrics metrics(m_zoneReadoutLabel->font());
    const int room = m_zoneReadoutLabel->contentsRect().width();
    const QString shown =
        metrics.horizontalAdvance(text) <= room ? text : metrics.elidedText(text, Qt::ElideRight, room);
    m_zoneReadoutLabel->setText(shown);
    m_zoneReadoutLabel->setToolTip(shown == text ? explanation : text + QLatin1Char('\n') + explanation);
}

// The header and the tree count are only there once a stand is shown.
void Form1::retranslateTreeTableHeader()
{
    const QTableWidgetItem *first = m_treeTable->horizontalHeaderItem(0);
    if (!first || first->text().isEmpty() || m_treeTable->columnCount() < TreeTableColumns)
        return;
    const QStringList header{tr("Baum"), QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("d")};
    for (int column = 0; column < TreeTableColumns; ++column) {
        if (QTableWidgetItem *item = m_treeTable->horizontalHeaderItem(column))
            item->setText(header[column]);
        else
            m_treeTable->setHorizontalHeaderItem(column, new QTableWidgetItem(header[column]));
    }
    m_statusPanels[3]->setText(QStringLiteral("  ") + QString::number(m_treeTable->rowCount()) +
                               tr(" Bäume"));
}
