#pragma once

#include "updatefiles.h"

#include <QWidget>
#include <functional>
#include <memory>

class ConnectionTest;
class QFrame;
class QLabel;
class QPushButton;
class QTcpSocket;
class UpdatePrompter;
class VistaProg;
class clsDownload;

// The update window: shows the running version, asks the update server for
// the newest one, and on the user's word downloads it beside the program and
// leaves a script that puts it in place once the program has ended.
//
// Only one download runs at a time: the check button stays disabled while
// the version file or the program is being fetched, since every download
// shares the window's one socket.
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

    QString localVersion() const { return m_localVersion; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void retranslateUi();
    void showServerVersion();
    void fitTextsToLayout();
    bool textsFit();
    void updateFiles();

    void cmdCheckForUpdate_Click();
    void VersionDownload_Finished();
    void VersionDownload_Failed();
    void startProgramDownload();
    void FileDownload_Start();
    void FileDownload_Progress(qint64 BytesLoaded, qint64 FileSize);
    void FileDownload_Finished();
    void FileDownload_Failed();

    clsDownload *createDownload();
    void releaseDownload(clsDownload *&download);
    bool installDownloadedProgram(QString *error);
    void discardDownloadedProgram();
    void setBusy(bool busy);
    void showWaitCursor();
    void restoreCursor();

    QLabel *lblTitle = nullptr;
    QFrame *Line3D1 = nullptr;
    QPushButton *cmdCheckForUpdate = nullptr;
    QLabel *lblLocal = nullptr;
    QLabel *lblCurrent = nullptr;
    VistaProg *pgbDownload = nullptr;
    QTcpSocket *Winsock1 = nullptr;
    clsDownload *VersionDownload = nullptr;
    clsDownload *FileDownload = nullptr;

    std::unique_ptr<ConnectionTest> m_connectionTest;
    std::unique_ptr<UpdatePrompter> m_prompter;
    ScriptStarter m_startScript;
    QString m_programFile;
    QString m_baseUrl;
    UpdateFiles m_files;
    QString m_localVersion;
    QString m_serverVersion;
    bool m_serverVersionShown = false;
    bool m_packageManaged = false;
    bool m_waitCursor = false;
};
