#include "form3.h"

#include "clsdownload.h"
#include "kavrelversion.h"
#include "messageboxprompter.h"
#include "networkconnectiontest.h"
#include "shell/screentwips.h"
#include "update/downloadcommit.h"
#include "update/packagemanagedinstallation.h"
#include "update/replacementinstaller.h"
#include "update/versioncompare.h"
#include "vistaprog.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSslSocket>
#include <algorithm>
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

// Characters that would act on the line rather than be seen in it (a line
// break, a bell, a change of writing direction, an invisible joiner).
bool actsOnTheLine(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// The version file's content as the label shows it: every character as read,
// those that would act on the line as visible marks. The one line end that
// closes the file's line is the end of the label's line too.
QString visibleVersionText(QString content)
{
    if (content.endsWith(u"\r\n")) {
        content.chop(2);
    } else if (content.endsWith(u'\n') || content.endsWith(u'\r')) {
        content.chop(1);
    }
    for (QChar &c : content) {
        if (actsOnTheLine(c)) {
            c = QChar::ReplacementCharacter;
        }
    }
    return content;
}

// The scripts started by this process: one waiting script installs whatever
// verified download lies in place when the program ends, so a later update
// in the same run only renames its file into place.
QSet<QString> &startedScripts()
{
    static QSet<QString> scripts;
    return scripts;
}

} // namespace

Form3::Form3(QWidget *parent)
    : QWidget(parent, Qt::Window), m_connectionTest(std::make_unique<NetworkConnectionTest>()),
      m_prompter(std::make_unique<MessageBoxPrompter>(this)), m_startScript(&startReplacementScript),
      m_programFile(QCoreApplication::applicationFilePath()), m_baseUrl(UpdateBaseUrl()),
      m_publicKey(UpdatePublicKey()), m_programSizeLimit(UpdateProgramSizeLimit()),
      m_silenceMs(clsDownload::DefaultTimeoutMs), m_localVersion(QStringLiteral(KAVREL_VERSION_STRING))
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

// Closing the window (or the program) in the middle of a download drops only
// that download: an update finished before stays for its waiting script.
Form3::~Form3()
{
    for (clsDownload *download : {VersionDownload, SignatureDownload, FileDownload}) {
        if (download) {
            download->AbortDownload();
        }
    }
    if (FileDownload) {
        discardPartialDownload();
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

void Form3::setPublicKey(const QByteArray &publicKey)
{
    m_publicKey = publicKey;
}

void Form3::setProgramSizeLimit(qint64 bytes)
{
    m_programSizeLimit = bytes;
}

void Form3::setSilenceTimeout(int milliseconds)
{
    m_silenceMs = milliseconds;
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

    cmdCancel = new QPushButton(this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(TwipsToPixelsX(3240), TwipsToPixelsY(2400), TwipsToPixelsX(2055),
                           TwipsToPixelsY(375));
    cmdCancel->hide();
    connect(cmdCancel, &QPushButton::clicked, this, &Form3::cmdCancel_Click);

    lblLocal = autoSizedLabel(this, QStringLiteral("lblLocal"));
    lblLocal->move(TwipsToPixelsX(600), TwipsToPixelsY(2040));

    lblCurrent = autoSizedLabel(this, QStringLiteral("lblCurrent"));
    lblCurrent->move(TwipsToPixelsX(600), TwipsToPixelsY(2520));

    pgbDownload = new VistaProg(this);
    pgbDownload->setObjectName(QStringLiteral("pgbDownload"));
    pgbDownload->setGeometry(TwipsToPixelsX(173), TwipsToPixelsY(3000), TwipsToPixelsX(5535),
                             TwipsToPixelsY(225));
    pgbDownload->hide();

    Winsock1 = new QSslSocket(this);
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
    cmdCancel->setText(tr("Abbrechen"));
    fitTextsToLayout();
    showServerVersion();
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
             std::initializer_list<QWidget *>{lblTitle, lblLocal, lblCurrent, cmdCheckForUpdate, cmdCancel}) {
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
    // The title stays within the rule below it, its last pixel included.
    const int gapBeforeButton = TwipsToPixelsX(60);
    return lblTitle->geometry().right() <= Line3D1->geometry().right() &&
           lblLocal->geometry().right() + gapBeforeButton <= cmdCheckForUpdate->x() &&
           cmdCheckForUpdate->sizeHint().width() <= cmdCheckForUpdate->width() &&
           cmdCancel->sizeHint().width() <= cmdCancel->width();
}

// Whatever the server sent is shown, cut with an ellipsis where it would run
// past the window's edge or, while a download runs, under the Cancel button;
// the tooltip then holds the whole line.
void Form3::showServerVersion()
{
    const QString line =
        m_serverVersionShown ? tr("Version am Server: ") + visibleVersionText(m_serverVersion) : QString();
    lblCurrent->ensurePolished();
    const QString shown = lblCurrent->fontMetrics().elidedText(line, Qt::ElideRight, serverVersionRoom());
    lblCurrent->setText(shown);
    lblCurrent->setToolTip(shown == line ? QString() : line);
    lblCurrent->adjustSize();
}

int Form3::serverVersionRoom() const
{
    const int textRight = TwipsToPixelsX(233 + 5415);
    const int gapBeforeButton = TwipsToPixelsX(60);
    const int right = cmdCancel->isHidden() ? textRight : cmdCancel->x() - gapBeforeButton;
    const QMargins margins = lblCurrent->contentsMargins();
    return right - lblCurrent->x() - margins.left() - margins.right() - 2 * lblCurrent->margin();
}

void Form3::cmdCheckForUpdate_Click()
{
    if (VersionDownload || SignatureDownload || FileDownload) {
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
    VersionDownload = createDownload(VersionFileLimit);
    // Queued, so that the outcome is handled (and any message box shown)
    // after the socket's own notification has returned.
    connect(VersionDownload, &clsDownload::Finished, this, &Form3::VersionDownload_Finished,
            Qt::QueuedConnection);
    connect(VersionDownload, &clsDownload::Failed, this, &Form3::VersionDownload_Failed,
            Qt::QueuedConnection);
    showWaitCursor();
    if (!VersionDownload->DoDownloadToMemory(m_files.versionUrl)) {
        releaseDownload(VersionDownload);
        restoreCursor();
        setBusy(false);
    }
}

// Stops whatever download runs; what it fetched so far is dropped, and the
// user, who asked for it, gets no message.
void Form3::cmdCancel_Click()
{
    if (VersionDownload) {
        releaseDownload(VersionDownload);
        restoreCursor();
    }
    if (SignatureDownload) {
        releaseDownload(SignatureDownload);
    }
    if (FileDownload) {
        releaseDownload(FileDownload);
        discardPartialDownload();
    }
    pgbDownload->hide();
    setBusy(false);
}

void Form3::VersionDownload_Finished()
{
    if (!VersionDownload) {
        return;
    }
    const int status = VersionDownload->statusCode();
    // A version file is small and only read: one that a closing connection
    // ended is taken as it is (a cut one is no valid version either).
    const bool whole = VersionDownload->reachedItsEnd();
    const QByteArray content = VersionDownload->body();
    releaseDownload(VersionDownload);
    restoreCursor();

    m_serverVersion = QString::fromUtf8(content);
    m_serverVersionShown = true;
    showServerVersion();

    if (status == 200 && !whole) {
        m_prompter->inform(QMessageBox::Critical, tr("Download fehlgeschlagen!"));
    } else if (status != 200) {
        m_prompter->inform(QMessageBox::Critical, tr("Ungültige Datei auf Server!"));
    } else {
        // A line end after the version is usual on some systems and means nothing.
        evaluateServerVersion(m_serverVersion.trimmed());
        if (SignatureDownload) {
            return;
        }
    }
    setBusy(false);
}

void Form3::evaluateServerVersion(const QString &serverVersion)
{
    if (!isVersionNumber(serverVersion)) {
        m_prompter->inform(QMessageBox::Critical, tr("Ungültige Datei auf Server!"));
    } else if (!IsNewerVersion(serverVersion, m_localVersion)) {
        m_prompter->inform(QMessageBox::NoIcon, tr("Keine neue Programmversion verfügbar!"));
    } else if (const SignatureCheck key = checkPublicKey(m_publicKey); key != SignatureCheck::Valid) {
        // Without a key no download could ever be installed; the user still
        // learns that there is a newer version.
        m_prompter->inform(QMessageBox::Information,
                           tr("Neue Version verfügbar!") + u'\n' + verificationFailureText(key));
    } else if (m_prompter->askYesNo(tr("Neue Version verfügbar!") + u'\n' + tr("Downloaden?"))) {
        m_announcedVersion = serverVersion;
        startProgramDownload();
    }
}

void Form3::VersionDownload_Failed()
{
    if (!VersionDownload) {
        return;
    }
    // A version file beyond a few KiB is no version file, and not read on.
    const QString message = VersionDownload->failure() == clsDownload::Failure::TooLarge
                                ? tr("Ungültige Datei auf Server!")
                                : failureText(*VersionDownload);
    const auto icon = VersionDownload->failure() == clsDownload::Failure::TooLarge ? QMessageBox::Critical
                                                                                   : QMessageBox::Warning;
    releaseDownload(VersionDownload);
    restoreCursor();
    setBusy(false);
    m_prompter->inform(icon, message);
}

// The small signature comes first: without it the program is not worth
// fetching.
void Form3::startProgramDownload()
{
    m_statement = UpdateStatement();
    SignatureDownload = createDownload(SignatureFileLimit);
    connect(SignatureDownload, &clsDownload::Finished, this, &Form3::SignatureDownload_Finished,
            Qt::QueuedConnection);
    connect(SignatureDownload, &clsDownload::Failed, this, &Form3::SignatureDownload_Failed,
            Qt::QueuedConnection);
    if (!SignatureDownload->DoDownloadToMemory(m_files.signatureUrl)) {
        releaseDownload(SignatureDownload);
        setBusy(false);
    }
}

void Form3::SignatureDownload_Finished()
{
    if (!SignatureDownload) {
        return;
    }
    const bool received = SignatureDownload->statusCode() == 200 &&
                          (SignatureDownload->isComplete() || SignatureDownload->endedByClose());
    const QByteArray published = SignatureDownload->body();
    releaseDownload(SignatureDownload);
    // The signature names the version and file it was made for: an older
    // release or another platform's program is refused before it is fetched.
    const SignatureCheck check =
        received ? checkSignatureFile(m_publicKey, published, QFileInfo(m_files.programFile).fileName(),
                                      m_announcedVersion, m_localVersion, &m_statement)
                 : SignatureCheck::NoSignature;
    if (check != SignatureCheck::Valid) {
        setBusy(false);
        m_prompter->inform(QMessageBox::Critical, verificationFailureText(check));
        return;
    }
    startFileDownload();
}

void Form3::SignatureDownload_Failed()
{
    if (!SignatureDownload) {
        return;
    }
    const QString message = SignatureDownload->failure() == clsDownload::Failure::TooLarge
                                ? verificationFailureText(SignatureCheck::NoSignature)
                                : failureText(*SignatureDownload);
    releaseDownload(SignatureDownload);
    setBusy(false);
    m_prompter->inform(QMessageBox::Critical, message);
}

void Form3::startFileDownload()
{
    FileDownload = createDownload(m_programSizeLimit);
    connect(FileDownload, &clsDownload::Start, this, &Form3::FileDownload_Start);
    connect(FileDownload, &clsDownload::Progress, this, &Form3::FileDownload_Progress);
    connect(FileDownload, &clsDownload::Finished, this, &Form3::FileDownload_Finished, Qt::QueuedConnection);
    connect(FileDownload, &clsDownload::Failed, this, &Form3::FileDownload_Failed, Qt::QueuedConnection);
    pgbDownload->setValue(0);
    if (!FileDownload->DoDownload(m_files.programUrl, m_files.partialFile)) {
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
    // An empty body is never a program, whatever the server claims. One
    // that only the server's close ended may be cut: the signature decides.
    const bool received = FileDownload->statusCode() == 200 && FileDownload->reachedItsEnd() &&
                          FileDownload->bytesReceived() > 0;
    const qint64 bytesReceived = FileDownload->bytesReceived();
    releaseDownload(FileDownload);

    const SignatureCheck check =
        received ? checkProgramFile(m_statement, m_files.partialFile) : SignatureCheck::FileUnreadable;
    QString error;
    const bool committed =
        check == SignatureCheck::Valid &&
        commitDownloadedFile(m_files.partialFile, m_files.downloadedFile, bytesReceived, &error);
    if (committed && installDownloadedProgram(&error)) {
        m_prompter->inform(QMessageBox::NoIcon, tr("Download beendet!") + u'\n' +
                                                    tr("Beenden Sie und starten Sie das Programm erneut!"));
    } else {
        discardPartialDownload();
        if (committed && !startedScripts().contains(m_files.scriptFile)) {
            // No script will ever install it, so nothing is left lying about.
            QFile::remove(m_files.downloadedFile);
            QFile::remove(m_files.scriptFile);
        }
        m_prompter->inform(QMessageBox::Critical, check == SignatureCheck::Valid
                                                      ? tr("Download fehlgeschlagen!")
                                                      : verificationFailureText(check));
    }
    setBusy(false);
}

void Form3::FileDownload_Failed()
{
    if (!FileDownload) {
        return;
    }
    pgbDownload->hide();
    const QString message = failureText(*FileDownload);
    releaseDownload(FileDownload);
    discardPartialDownload();
    setBusy(false);
    m_prompter->inform(QMessageBox::Warning, message);
}

QString Form3::failureText(const clsDownload &download) const
{
    switch (download.failure()) {
    case clsDownload::Failure::Certificate:
        return tr("Die sichere Verbindung zum Update-Server ist fehlgeschlagen:") + u'\n' +
               download.errorString();
    case clsDownload::Failure::TooLarge:
        return tr("Die Programmdatei auf dem Server ist zu groß. Das Update wird nicht installiert.");
    case clsDownload::Failure::Malformed:
    case clsDownload::Failure::LocalWrite:
        return tr("Download fehlgeschlagen!");
    case clsDownload::Failure::None:
    case clsDownload::Failure::Connection:
    case clsDownload::Failure::Timeout:
        break;
    }
    return tr("Der Update-Server antwortet nicht.");
}

QString Form3::verificationFailureText(SignatureCheck check) const
{
    switch (check) {
    case SignatureCheck::NoKey:
    case SignatureCheck::UnusableKey:
        return tr("Dieses Programm wurde ohne Schlüssel zum Prüfen von Updates erstellt und kann keine "
                  "Updates installieren.");
    case SignatureCheck::NoSignature:
        return tr("Die Signatur des Updates fehlt auf dem Server. Das Update wird nicht installiert.");
    case SignatureCheck::Mismatch:
        return tr("Die Signatur des Updates ist ungültig. Das Update wird nicht installiert.");
    case SignatureCheck::OtherFile:
        return tr("Die Signatur des Updates gilt für eine andere Programmdatei. Das Update wird nicht "
                  "installiert.");
    case SignatureCheck::OtherVersion:
        return tr("Das Update ist für Version %1 signiert, der Server kündigt aber Version %2 an. Das Update "
                  "wird nicht installiert.")
            .arg(m_statement.version, m_announcedVersion);
    case SignatureCheck::NotNewer:
        return tr("Das signierte Update (Version %1) ist nicht neuer als dieses Programm (Version %2). Das "
                  "Update wird nicht installiert.")
            .arg(m_statement.version, m_localVersion);
    case SignatureCheck::Valid:
    case SignatureCheck::FileUnreadable:
        break;
    }
    return tr("Download fehlgeschlagen!");
}

// The script is written and started before the user is told to restart, so
// that the message never promises a replacement that cannot happen.
bool Form3::installDownloadedProgram(QString *error)
{
    return clearReadOnly(m_files.programFile, error) &&
           writeReplacementScript(m_files, currentPlatform(), QCoreApplication::applicationPid(), error) &&
           startScriptOnce(error);
}

bool Form3::startScriptOnce(QString *error)
{
    if (startedScripts().contains(m_files.scriptFile)) {
        return true;
    }
    if (!m_startScript(m_files.scriptFile, error)) {
        return false;
    }
    startedScripts().insert(m_files.scriptFile);
    return true;
}

// Only this download's own file goes: a finished update and the script
// waiting for it are never touched.
void Form3::discardPartialDownload()
{
    QFile::remove(m_files.partialFile);
}

clsDownload *Form3::createDownload(qint64 sizeLimit)
{
    auto *download = new clsDownload(Winsock1, this);
    download->setSizeLimit(sizeLimit);
    download->setTimeout(m_silenceMs);
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
    cmdCancel->setVisible(busy);
    // The version line makes room for the button, and takes it back.
    showServerVersion();
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
