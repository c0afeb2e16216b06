#pragma once

#include "update/updatefiles.h"
#include "update/updatesignature.h"

#include <QWidget>
#include <functional>
#include <memory>

class ConnectionTest;
class QFrame;
class QLabel;
class QPushButton;
class QSslSocket;
class UpdatePrompter;
class VistaProg;
class clsDownload;

// The update window: shows the running version, asks the update server for
// the newest one, and on the user's word downloads it beside the program and
// leaves a script that puts it in place once the program has ended.
//
// A program is installed only when it is the one its signature names, a
// signature that holds with the built-in public key and was made for this
// program file and for the very version the server announces, one newer than
// the running program. That also decides for a body that only the server's
// closing connection ended, whole or cut. Until then it lies under a name of
// its own, which the script never touches. The version file and the signature are
// small and only read into memory, never stored.
//
// Only one download runs at a time: the check button stays disabled while
// the version file, the signature or the program is being fetched, since
// every download shares the window's one socket. A download that keeps
// receiving has no time limit; Cancel stops it.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    using ScriptStarter = std::function<bool(const QString &scriptFile, QString *error)>;

    explicit Form3(QWidget *parent = nullptr);
    ~Form3() override;

    // What the window works with; the defaults are the system's network
    // information, message boxes, the running program, the configured update
    // server and a detached script process.
    void setConnectionTest(std::unique_ptr<ConnectionTest> test);
    void setPrompter(std::unique_ptr<UpdatePrompter> prompter);
    void setProgramFile(const QString &programFile);
    void setUpdateBaseUrl(const QString &baseUrl);
    void setScriptStarter(ScriptStarter starter);
    // The key that signs releases (base64, see checkSignatureFile); the
    // default is the build setting. Without one nothing is installed.
    void setPublicKey(const QByteArray &publicKey);
    // The largest program accepted; the default is the build setting.
    void setProgramSizeLimit(qint64 bytes);
    // How long a server may stay silent before a download fails.
    void setSilenceTimeout(int milliseconds);

    // The largest version file read; anything longer is not a version.
    static constexpr qint64 VersionFileLimit = 4 * 1024;
    static constexpr qint64 SignatureFileLimit = 1024;

    QString localVersion() const { return m_localVersion; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void retranslateUi();
    void showServerVersion();
    int serverVersionRoom() const;
    void fitTextsToLayout();
    bool textsFit();
    void updateFiles();

    void cmdCheckForUpdate_Click();
    void cmdCancel_Click();
    void VersionDownload_Finished();
    void VersionDownload_Failed();
    void evaluateServerVersion(const QString &serverVersion);
    void startProgramDownload();
    void SignatureDownload_Finished();
    void SignatureDownload_Failed();
    void startFileDownload();
    void FileDownload_Start();
    void FileDownload_Progress(qint64 BytesLoaded, qint64 FileSize);
    void FileDownload_Finished();
    void FileDownload_Failed();

    clsDownload *createDownload(qint64 sizeLimit);
    void releaseDownload(clsDownload *&download);
    QString failureText(const clsDownload &download) const;
    QString verificationFailureText(SignatureCheck check) const;
    bool installDownloadedProgram(QString *error);
    bool startScriptOnce(QString *error);
    void discardPartialDownload();
    void setBusy(bool busy);
    void showWaitCursor();
    void restoreCursor();

    QLabel *lblTitle = nullptr;
    QFrame *Line3D1 = nullptr;
    QPushButton *cmdCheckForUpdate = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *lblLocal = nullptr;
    QLabel *lblCurrent = nullptr;
    VistaProg *pgbDownload = nullptr;
    QSslSocket *Winsock1 = nullptr;
    clsDownload *VersionDownload = nullptr;
    clsDownload *SignatureDownload = nullptr;
    clsDownload *FileDownload = nullptr;

    std::unique_ptr<ConnectionTest> m_connectionTest;
    std::unique_ptr<UpdatePrompter> m_prompter;
    ScriptStarter m_startScript;
    QString m_programFile;
    QString m_baseUrl;
    QByteArray m_publicKey;
    qint64 m_programSizeLimit;
    int m_silenceMs;
    UpdateFiles m_files;
    UpdateStatement m_statement;
    QString m_announcedVersion;
    QString m_localVersion;
    QString m_serverVersion;
    bool m_serverVersionShown = false;
    bool m_packageManaged = false;
    bool m_waitCursor = false;
};
