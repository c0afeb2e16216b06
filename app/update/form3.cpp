#include "form3.h"

#include "clsdownload.h"
#include "kavrelversion.h"
#include "messageboxprompter.h"
#include "networkconnectiontest.h"
#include "packagemanagedinstallation.h"
#include "replacementinstaller.h"
#include "shell/screentwips.h"
#include "versioncompare.h"
#include "vistaprog.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTcpSocket>
#include <limits>

namespace {

int clampedToInt(qint64 value)
{
    return static_cast<int>(qBound(qint64(0), value, qint64(std::numeric_limits<int>::max())));
}

QLabel *autoSizedLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    // Whatever a server sends is shown as it is, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

Form3::Form3(QWidget *parent)
    : QWidget(parent, Qt::Window), m_connectionTest(std::make_unique<NetworkConnectionTest>()),
      m_prompter(std::make_unique<MessageBoxPrompter>(this)), m_startScript(&startReplacementScript),
      m_programFile(QCoreApplication::applicationFilePath()), m_baseUrl(UpdateBaseUrl()),
      m_localVersion(QStringLiteral(KAVREL_VERSION_STRING))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Update"));
    updateFiles();
    createControls();
    retranslateUi();

    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

Form3::~Form3()
{
    if (FileDownload) {
        FileDownload->AbortDownload();
        discardDownloadedProgram();
    }
    if (VersionDownload) {
        VersionDownload->AbortDownload();
        QFile::remove(m_files.versionFile);
    }
    restoreCursor();
}

void Form3::setConnectionTest(std::unique_ptr<ConnectionTest> test)
{
    m_connectionTest = std::move(test);
}

void Form3::setPrompter(std::unique_ptr<UpdatePrompter> prompter)
{
    m_prompter = std::move(prompter);
}

void Form3::setProgramFile(const QString &programFile)
{
    m_programFile = programFile;
    updateFiles();
}

void Form3::setUpdateBaseUrl(const QString &baseUrl)
{
    m_baseUrl = baseUrl;
    updateFiles();
}

void Form3::setScriptStarter(ScriptStarter starter)
{
    m_startScript = std::move(starter);
}

void Form3::updateFiles()
{
    m_files = updateFilesFor(m_programFile, m_baseUrl, currentPlatform());
    m_packageManaged = isPackageManagedInstallation(m_programFile);
}

void Form3::createControls()
{
    setFixedSize(TwipsToPixelsX(5880), TwipsToPixelsY(3600));

    lblTitle = autoSizedLabel(this, QStringLiteral("lblTitle"));
    lblTitle->move(TwipsToPixelsX(600), TwipsToPixelsY(240));

    Line3D1 = new QFrame(this);
    Line3D1->setObjectName(QStringLiteral("Line3D1"));
    Line3D1->setFrameShape(QFrame::HLine);
    Line3D1->setFrameShadow(QFrame::Sunken);
    Line3D1->setGeometry(TwipsToPixelsX(233), TwipsToPixelsY(1560), TwipsToPixelsX(5415), TwipsToPixelsY(30));

    cmdCheckForUpdate = new QPushButton(this);
    cmdCheckForUpdate->setObjectName(QStringLiteral("cmdCheckForUpdate"));
    cmdCheckForUpdate->setGeometry(TwipsToPixelsX(3240), TwipsToPixelsY(1920), TwipsToPixelsX(2055),
                                   TwipsToPixelsY(375));
    connect(cmdCheckForUpdate, &QPushButton::clicked, this, &Form3::cmdCheckForUpdate_Click);

    lblLocal = autoSizedLabel(this, QStringLiteral("lblLocal"));
    lblLocal->move(TwipsToPixelsX(600), TwipsToPixelsY(2040));

    lblCurrent = autoSizedLabel(this, QStringLiteral("lblCurrent"));
    lblCurrent->move(TwipsToPixelsX(600), TwipsToPixelsY(2520));

    pgbDownload = new VistaProg(this);
    pgbDownload->setObjectName(QStringLiteral("pgbDownload"));
    pgbDownload->setGeometry(TwipsToPixelsX(173), TwipsToPixelsY(3000), TwipsToPixelsX(5535),
                             TwipsToPixelsY(225));
    pgbDownload->hide();

    Winsock1 = new QTcpSocket(this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
}

void Form3::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QWidget::changeEvent(event);
}

// Only the texts change: a running download keeps its bar, and a version
// already read keeps its line.
void Form3::retranslateUi()
{
    lblTitle->setText(QStringList{
        tr("Willkommen bei Kavrel Update. Dieses Feature überprüft,"),
        tr("ob Updates erhältlich sind, informiert Sie, falls dies der Fall ist, und"),
        tr("liefert die Updates direkt an Ihrer Computer. Mit Kavrel Up-"),
        tr("date ist Ihre Software immer auf dem neuesten Stand. Eine Inter-"),
        tr("netverbindung ist notwendig."),
    }
                          .join(u'\n'));
    lblTitle->adjustSize();
    lblLocal->setText(tr("Version des Programms: ") + m_localVersion);
    lblLocal->adjustSize();
    cmdCheckForUpdate->setText(tr("Auf Updates überprüfen"));
    showServerVersion();
    fitTextsToLayout();
}

// The positions are those of a layout made for a narrow dialog font; with a
// wider one the welcome text runs past the window's edge, the caption past
// its button and the version line under the button. The texts' font is made
// smaller, step by step, until every fixed text fits its place. The font is
// given to each text itself: under the main window's style sheet a font set
// on the window alone does not reach them.
void Form3::fitTextsToLayout()
{
    constexpr double SmallestPointSize = 6.0;
    constexpr double Step = 0.25;
    QFont font = parentWidget() ? parentWidget()->font() : QApplication::font();
    const auto useFont = [this](const QFont &textFont) {
        for (QWidget *text :
             std::initializer_list<QWidget *>{lblTitle, lblLocal, lblCurrent, cmdCheckForUpdate}) {
            text->setFont(textFont);
        }
    };
    useFont(font);
    while (!textsFit() && font.pointSizeF() - Step >= SmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - Step);
        useFont(font);
    }
}

bool Form3::textsFit()
{
    for (QLabel *label : {lblTitle, lblLocal, lblCurrent}) {
        label->adjustSize();
    }
    const int textRight = TwipsToPixelsX(233 + 5415);
    const int gapBeforeButton = TwipsToPixelsX(60);
    return lblTitle->geometry().right() <= textRight &&
           lblLocal->geometry().right() + gapBeforeButton <= cmdCheckForUpdate->x() &&
           cmdCheckForUpdate->sizeHint().width() <= cmdCheckForUpdate->width();
}

void Form3::showServerVersion()
{
    lblCurrent->setText(m_serverVersionShown ? tr("Version am Server: ") + m_serverVersion : QString());
    lblCurrent->adjustSize();
}

void Form3::cmdCheckForUpdate_Click()
{
    if (VersionDownload || FileDownload) {
        return;
    }
    // Its package manager owns the program's folder and brings new versions.
    if (m_packageManaged) {
        m_prompter->inform(QMessageBox::Information,
                           tr("Diese Installation wird von ihrer Paketverwaltung aktualisiert."));
        return;
    }
    if (!m_connectionTest->isConnected()) {
        m_prompter->inform(QMessageBox::Information, tr("Es gibt keine Internetverbindung"));
        return;
    }
    setBusy(true);
    VersionDownload = createDownload();
    // Queued, so that the outcome is handled (and any message box shown)
    // after the socket's own notification has returned.
    connect(VersionDownload, &clsDownload::Finished, this, &Form3::VersionDownload_Finished,
            Qt::QueuedConnection);
    connect(VersionDownload, &clsDownload::Failed, this, &Form3::VersionDownload_Failed,
            Qt::QueuedConnection);
    showWaitCursor();
    if (!VersionDownload->DoDownload(m_files.versionUrl, m_files.versionFile)) {
        releaseDownload(VersionDownload);
        restoreCursor();
        setBusy(false);
    }
}

void Form3::VersionDownload_Finished()
{
    if (!VersionDownload) {
        return;
    }
    QFile versionFile(m_files.versionFile);
    QByteArray content;
    if (versionFile.open(QIODevice::ReadOnly)) {
        content = versionFile.readAll();
        versionFile.close();
    }
    versionFile.remove();

    const int status = VersionDownload->statusCode();
    const bool complete = VersionDownload->isComplete();
    releaseDownload(VersionDownload);
    restoreCursor();

    m_serverVersion = QString::fromUtf8(content);
    m_serverVersionShown = true;
    showServerVersion();

    // A line end after the version is usual on some systems and means nothing.
    const QString serverVersion = m_serverVersion.trimmed();
    if (status == 200 && !complete) {
        m_prompter->inform(QMessageBox::Critical, tr("Download fehlgeschlagen!"));
    } else if (status != 200 || !isVersionNumber(serverVersion)) {
        m_prompter->inform(QMessageBox::Critical, tr("Ungültige Datei auf Server!"));
    } else if (IsNewerVersion(serverVersion, m_localVersion)) {
        if (m_prompter->askYesNo(tr("Neue Version verfügbar!") + u'\n' + tr("Downloaden?"))) {
            startProgramDownload();
            return;
        }
    } else {
        m_prompter->inform(QMessageBox::NoIcon, tr("Keine neue Programmversion verfügbar!"));
    }
    setBusy(false);
}

void Form3::VersionDownload_Failed()
{
    if (!VersionDownload) {
        return;
    }
    releaseDownload(VersionDownload);
    QFile::remove(m_files.versionFile);
    restoreCursor();
    setBusy(false);
    m_prompter->inform(QMessageBox::Warning, tr("Der Update-Server antwortet nicht."));
}

void Form3::startProgramDownload()
{
    FileDownload = createDownload();
    connect(FileDownload, &clsDownload::Start, this, &Form3::FileDownload_Start);
    connect(FileDownload, &clsDownload::Progress, this, &Form3::FileDownload_Progress);
    connect(FileDownload, &clsDownload::Finished, this, &Form3::FileDownload_Finished, Qt::QueuedConnection);
    connect(FileDownload, &clsDownload::Failed, this, &Form3::FileDownload_Failed, Qt::QueuedConnection);
    pgbDownload->setValue(0);
    if (!FileDownload->DoDownload(m_files.programUrl, m_files.downloadedFile)) {
        releaseDownload(FileDownload);
        setBusy(false);
    }
}

void Form3::FileDownload_Start()
{
    pgbDownload->show();
}

void Form3::FileDownload_Progress(qint64 BytesLoaded, qint64 FileSize)
{
    const int size = clampedToInt(FileSize);
    if (pgbDownload->max() != size) {
        pgbDownload->setMax(size);
    }
    pgbDownload->setValue(clampedToInt(BytesLoaded));
}

void Form3::FileDownload_Finished()
{
    if (!FileDownload) {
        return;
    }
    pgbDownload->hide();
    // An empty body is never a program, whatever the server claims.
    const bool received = FileDownload->succeeded() && FileDownload->bytesReceived() > 0;
    releaseDownload(FileDownload);

    QString error;
    if (received && installDownloadedProgram(&error)) {
        m_prompter->inform(QMessageBox::NoIcon, tr("Download beendet!") + u'\n' +
                                                    tr("Beenden Sie und starten Sie das Programm erneut!"));
    } else {
        discardDownloadedProgram();
        m_prompter->inform(QMessageBox::Critical, tr("Download fehlgeschlagen!"));
    }
    setBusy(false);
}

void Form3::FileDownload_Failed()
{
    if (!FileDownload) {
        return;
    }
    pgbDownload->hide();
    releaseDownload(FileDownload);
    discardDownloadedProgram();
    setBusy(false);
    m_prompter->inform(QMessageBox::Warning, tr("Der Update-Server antwortet nicht."));
}

// The script is written and started before the user is told to restart, so
// that the message never promises a replacement that cannot happen.
bool Form3::installDownloadedProgram(QString *error)
{
    return clearReadOnly(m_files.programFile, error) &&
           writeReplacementScript(m_files, currentPlatform(), QCoreApplication::applicationPid(), error) &&
           m_startScript(m_files.scriptFile, error);
}

void Form3::discardDownloadedProgram()
{
    QFile::remove(m_files.downloadedFile);
    QFile::remove(m_files.scriptFile);
}

clsDownload *Form3::createDownload()
{
    auto *download = new clsDownload(Winsock1, this);
    download->setStartFailureReporter(
        [this](const QString &message) { m_prompter->inform(QMessageBox::Critical, message); });
    return download;
}

void Form3::releaseDownload(clsDownload *&download)
{
    download->AbortDownload();
    download->deleteLater();
    download = nullptr;
}

void Form3::setBusy(bool busy)
{
    cmdCheckForUpdate->setEnabled(!busy);
}

void Form3::showWaitCursor()
{
    if (!m_waitCursor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_waitCursor = true;
    }
}

void Form3::restoreCursor()
{
    if (m_waitCursor) {
        QApplication::restoreOverrideCursor();
        m_waitCursor = false;
    }
}
