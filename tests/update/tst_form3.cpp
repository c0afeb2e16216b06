#include "scriptedserver.h"
#include "update/connectiontest.h"
#include "update/form3.h"
#include "update/replacementscript.h"
#include "update/updateprompter.h"
#include "vistaprog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

constexpr int WaitMs = 10000;
const QString ProgramName = QStringLiteral("kavreldummy");

struct Message
{
    QMessageBox::Icon icon;
    QString text;
};

// What the window told the user and which scripts it started.
struct Recorder
{
    QList<Message> messages;
    QStringList questions;
    bool answerYes = true;
    QStringList startedScripts;
    bool scriptStarts = true;

    int said() const { return int(messages.size() + questions.size()); }
};

class RecordingPrompter : public UpdatePrompter
{
public:
    explicit RecordingPrompter(Recorder *recorder) : m_recorder(recorder) {}
    void inform(QMessageBox::Icon icon, const QString &text) override
    {
        m_recorder->messages.append({icon, text});
    }
    bool askYesNo(const QString &text) override
    {
        m_recorder->questions.append(text);
        return m_recorder->answerYes;
    }

private:
    Recorder *m_recorder;
};

class FixedConnectionTest : public ConnectionTest
{
public:
    explicit FixedConnectionTest(bool connected) : m_connected(connected) {}
    bool isConnected() override { return m_connected; }

private:
    bool m_connected;
};

class Translation
{
public:
    explicit Translation(const QString &language)
    {
        if (language != QLatin1String("de")) {
            QVERIFY(m_translator.load(QStringLiteral(":/i18n/update_%1.qm").arg(language)));
            QVERIFY(QCoreApplication::installTranslator(&m_translator));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    ~Translation()
    {
        QCoreApplication::removeTranslator(&m_translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

private:
    QTranslator m_translator;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

} // namespace

class TestForm3 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void texts_data();
    void texts();
    void versionCheck_data();
    void versionCheck();
    void noConnectionAsksNoServer();
    void buttonDisabledDuringCheck();
    void closingDuringCheckRestoresCursor();
    void programDownload_data();
    void programDownload();
    void barFollowsDownloadAndSurvivesLanguageSwitch();
    void endToEndAgainstHttpServer();
    void packageManagedInstallationIsLeftToItsPackageManager_data();
    void packageManagedInstallationIsLeftToItsPackageManager();

private:
    std::unique_ptr<Form3> makeWindow(const QString &baseUrl, bool connected = true);
    QPushButton *button(Form3 *window) const;
    QString labelText(Form3 *window, const char *name) const;
    bool waitForAnswer(Form3 *window, int said = 1) const;

    Recorder m_recorder;
    std::unique_ptr<QTemporaryDir> m_directory;
    UpdateFiles m_files;
};

void TestForm3::init()
{
    m_recorder = Recorder();
    m_directory = std::make_unique<QTemporaryDir>();
    QVERIFY(m_directory->isValid());
    m_files =
        updateFilesFor(m_directory->filePath(ProgramName), QStringLiteral("http://h/"), currentPlatform());
    QVERIFY(writeFile(m_files.programFile, "old program"));
}

void TestForm3::cleanup()
{
    QVERIFY(!QApplication::overrideCursor());
}

std::unique_ptr<Form3> TestForm3::makeWindow(const QString &baseUrl, bool connected)
{
    auto window = std::make_unique<Form3>();
    window->setConnectionTest(std::make_unique<FixedConnectionTest>(connected));
    window->setPrompter(std::make_unique<RecordingPrompter>(&m_recorder));
    window->setProgramFile(m_files.programFile);
    window->setUpdateBaseUrl(baseUrl);
    window->setScriptStarter([this](const QString &script, QString *error) {
        m_recorder.startedScripts.append(script);
        *error = QStringLiteral("not started");
        return m_recorder.scriptStarts;
    });
    m_files = updateFilesFor(m_files.programFile, baseUrl, currentPlatform());
    window->show();
    return window;
}

QPushButton *TestForm3::button(Form3 *window) const
{
    return window->findChild<QPushButton *>(QStringLiteral("cmdCheckForUpdate"));
}

QString TestForm3::labelText(Form3 *window, const char *name) const
{
    const auto *label = window->findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

bool TestForm3::waitForAnswer(Form3 *window, int said) const
{
    return QTest::qWaitFor([&] { return m_recorder.said() >= said && button(window)->isEnabled(); }, WaitMs);
}

void TestForm3::texts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("firstTitleLine");
    QTest::addColumn<QString>("lastTitleLine");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("localLine");
    QTest::addColumn<QString>("noAnswer");

    QTest::newRow("German") << "de"
                            << "Willkommen bei Kavrel Update. Dieses Feature überprüft,"
                            << "netverbindung ist notwendig."
                            << "Auf Updates überprüfen"
                            << "Version des Programms: 1.0.1"
                            << "Der Update-Server antwortet nicht.";
    QTest::newRow("English") << "en"
                             << "Welcome to Kavrel Update. This feature checks,"
                             << "is required."
                             << "Check for update"
                             << "Program version: 1.0.1"
                             << "The update server does not answer.";
    QTest::newRow("Spanish") << "es"
                             << "Benvenido a Kavrel Update. Esta herramienta controla"
                             << "Una conexión a internet es indispensable."
                             << "Controla actualización"
                             << "Versión de programa: 1.0.1"
                             << "El servidor de actualizaciones no responde.";
    QTest::newRow("Slovak") << "sk"
                            << "Vitajte v Kavrel Update. Tento nastroj zisti,"
                            << "potrebne internetove pripojenie."
                            << "Zkontroluj aktualizaciu"
                            << "Verzia programu: 1.0.1"
                            << "Aktualizacny server neodpoveda.";
}

// Texts follow a language switch while the window is open, messages included.
void TestForm3::texts()
{
    QFETCH(QString, language);
    QFETCH(QString, firstTitleLine);
    QFETCH(QString, lastTitleLine);
    QFETCH(QString, caption);
    QFETCH(QString, localLine);
    QFETCH(QString, noAnswer);

    ScriptedServer server;
    server.reply("/current_version.txt", {});
    auto window = makeWindow(server.url("/"));
    Translation translation(language);

    const QStringList title = labelText(window.get(), "lblTitle").split(u'\n');
    QCOMPARE(title.size(), 5);
    QCOMPARE(title.first(), firstTitleLine);
    QCOMPARE(title.last(), lastTitleLine);
    QCOMPARE(button(window.get())->text(), caption);
    QCOMPARE(labelText(window.get(), "lblLocal"), localLine);
    QCOMPARE(labelText(window.get(), "lblCurrent"), QString());

    // Every fixed text is shown whole, whatever the font's width, also in a
    // window opened over one with a style sheet (as the main window has).
    QWidget styledMainWindow;
    styledMainWindow.setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid gray; }"));
    auto *overStyled = new Form3(&styledMainWindow);
    styledMainWindow.show();
    overStyled->show();
    for (Form3 *shown : {window.get(), overStyled}) {
        const auto *titleLabel = shown->findChild<QLabel *>(QStringLiteral("lblTitle"));
        const auto *localLabel = shown->findChild<QLabel *>(QStringLiteral("lblLocal"));
        const auto *line = shown->findChild<QFrame *>(QStringLiteral("Line3D1"));
        QVERIFY(titleLabel && localLabel && line);
        QVERIFY(titleLabel->geometry().right() <= line->geometry().right());
        QVERIFY(localLabel->geometry().right() < button(shown)->x());
        QVERIFY(button(shown)->sizeHint().width() <= button(shown)->width());
    }

    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get()));
    QCOMPARE(m_recorder.messages.size(), 1);
    QCOMPARE(m_recorder.messages.first().text, noAnswer);
}

void TestForm3::versionCheck_data()
{
    QTest::addColumn<QList<QByteArray>>("reply");
    QTest::addColumn<QString>("serverLine");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");

    QTest::newRow("newer version") << QList<QByteArray>{okReply("1.0.2")} << "Version am Server: 1.0.2"
                                   << "Neue Version verfügbar!\nDownloaden?" << QString() << 0;
    QTest::newRow("same version with a line end")
        << QList<QByteArray>{okReply("1.0.1\n")} << "Version am Server: 1.0.1\n"
        << QString() << "Keine neue Programmversion verfügbar!" << int(QMessageBox::NoIcon);
    QTest::newRow("letters in the version")
        << QList<QByteArray>{okReply("1.0.a")} << "Version am Server: 1.0.a" << QString()
        << "Ungültige Datei auf Server!" << int(QMessageBox::Critical);
    QTest::newRow("empty version file")
        << QList<QByteArray>{okReply("")} << "Version am Server: " << QString()
        << "Ungültige Datei auf Server!" << int(QMessageBox::Critical);
    QTest::newRow("not found, even with a version in the page")
        << QList<QByteArray>{"HTTP/1.1 404 Not Found\r\nContent-Length: 5\r\n\r\n9.0.0"}
        << "Version am Server: 9.0.0" << QString() << "Ungültige Datei auf Server!"
        << int(QMessageBox::Critical);
    QTest::newRow("version cut short")
        << QList<QByteArray>{"HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\n1.0."} << "Version am Server: 1.0."
        << QString() << "Download fehlgeschlagen!" << int(QMessageBox::Critical);
    QTest::newRow("server closes without a reply")
        << QList<QByteArray>{} << QString() << QString() << "Der Update-Server antwortet nicht."
        << int(QMessageBox::Warning);
}

void TestForm3::versionCheck()
{
    QFETCH(QList<QByteArray>, reply);
    QFETCH(QString, serverLine);
    QFETCH(QString, question);
    QFETCH(QString, message);
    QFETCH(int, icon);

    ScriptedServer server;
    server.reply("/kavrel/current_version.txt", reply);
    m_recorder.answerYes = false;
    auto window = makeWindow(server.url("/kavrel"));

    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get()));
    QCOMPARE(labelText(window.get(), "lblCurrent"), serverLine);
    QCOMPARE(m_recorder.questions, question.isEmpty() ? QStringList() : QStringList{question});
    if (message.isEmpty()) {
        QVERIFY(m_recorder.messages.isEmpty());
    } else {
        QCOMPARE(m_recorder.messages.size(), 1);
        QCOMPARE(m_recorder.messages.first().text, message);
        QCOMPARE(int(m_recorder.messages.first().icon), icon);
    }
    QVERIFY(!QFile::exists(m_files.versionFile));
    QCOMPARE(server.requests().size(), 1);
}

void TestForm3::noConnectionAsksNoServer()
{
    ScriptedServer server;
    auto window = makeWindow(server.url("/"), false);
    button(window.get())->click();
    QCOMPARE(m_recorder.messages.size(), 1);
    QCOMPARE(m_recorder.messages.first().text, QStringLiteral("Es gibt keine Internetverbindung"));
    QCOMPARE(int(m_recorder.messages.first().icon), int(QMessageBox::Information));
    QVERIFY(button(window.get())->isEnabled());
    QTest::qWait(100);
    QVERIFY(server.requests().isEmpty());
}

// A second press would close the shared socket under the running check.
void TestForm3::buttonDisabledDuringCheck()
{
    ScriptedServer server;
    server.reply("/current_version.txt", {"HTTP/1.1 200 OK\r\n\r\n", "1.0.1"});
    server.holdOpen("/current_version.txt");
    auto window = makeWindow(server.url("/"));

    button(window.get())->click();
    QVERIFY(!button(window.get())->isEnabled());
    QVERIFY(QApplication::overrideCursor());
    QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 1, WaitMs);
    QTest::qWait(200);
    button(window.get())->click();
    QVERIFY(!button(window.get())->isEnabled());
    QCOMPARE(m_recorder.said(), 0);

    server.release();
    QVERIFY(waitForAnswer(window.get()));
    QCOMPARE(m_recorder.messages.first().text, QStringLiteral("Keine neue Programmversion verfügbar!"));
    QCOMPARE(server.requests().size(), 1);
    QVERIFY(!QApplication::overrideCursor());
}

void TestForm3::closingDuringCheckRestoresCursor()
{
    ScriptedServer server;
    server.staySilent();
    auto window = makeWindow(server.url("/"));
    button(window.get())->click();
    QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 1, WaitMs);
    QVERIFY(QApplication::overrideCursor());
    window.reset();
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!QFile::exists(m_files.versionFile));
}

void TestForm3::programDownload_data()
{
    QTest::addColumn<QList<QByteArray>>("reply");
    QTest::addColumn<bool>("scriptStarts");
    QTest::addColumn<QString>("message");

    const QString finished =
        QStringLiteral("Download beendet!\nBeenden Sie und starten Sie das Programm erneut!");
    const QString failed = QStringLiteral("Download fehlgeschlagen!");
    QTest::newRow("complete") << QList<QByteArray>{okReply("new program")} << true << finished;
    QTest::newRow("not found")
        << QList<QByteArray>{"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"} << true
        << failed;
    QTest::newRow("cut short") << QList<QByteArray>{"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nnew"}
                               << true << failed;
    QTest::newRow("empty body") << QList<QByteArray>{okReply("")} << true << failed;
    QTest::newRow("script does not start") << QList<QByteArray>{okReply("new program")} << false << failed;
    QTest::newRow("no reply") << QList<QByteArray>{} << true << "Der Update-Server antwortet nicht.";
}

void TestForm3::programDownload()
{
    QFETCH(QList<QByteArray>, reply);
    QFETCH(bool, scriptStarts);
    QFETCH(QString, message);

    ScriptedServer server;
    server.reply("/current_version.txt", {okReply("9.0.0")});
    server.reply("/" + m_files.programUrl.section(u'/', -1).toLatin1(), reply);
    m_recorder.scriptStarts = scriptStarts;
    auto window = makeWindow(server.url("/"));

    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get(), 2));
    QCOMPARE(m_recorder.questions.size(), 1);
    QCOMPARE(m_recorder.messages.size(), 1);
    QCOMPARE(m_recorder.messages.first().text, message);
    QVERIFY(!window->findChild<VistaProg *>(QStringLiteral("pgbDownload"))->isVisible());
    QCOMPARE(readAll(m_files.programFile), QByteArray("old program"));

    const bool installed = message.startsWith(QLatin1String("Download beendet!"));
    QCOMPARE(QFile::exists(m_files.downloadedFile), installed);
    QCOMPARE(QFile::exists(m_files.scriptFile), installed);
    if (installed) {
        QCOMPARE(readAll(m_files.downloadedFile), QByteArray("new program"));
        QCOMPARE(m_recorder.startedScripts, QStringList{m_files.scriptFile});
        QCOMPARE(readAll(m_files.scriptFile),
                 shellReplacementScript(QCoreApplication::applicationPid(), m_files.downloadedFile,
                                        m_files.programFile, m_files.scriptFile));
    }
}

void TestForm3::barFollowsDownloadAndSurvivesLanguageSwitch()
{
    ScriptedServer server;
    server.reply("/current_version.txt", {okReply("9.0.0")});
    const QByteArray programPath = "/" + m_files.programUrl.section(u'/', -1).toLatin1();
    server.reply(programPath, {"HTTP/1.1 200 OK\r\nServer: x\r\n\r\n", "new program"});
    server.holdOpen(programPath);
    auto window = makeWindow(server.url("/"));
    const auto *bar = window->findChild<VistaProg *>(QStringLiteral("pgbDownload"));
    QVERIFY(!bar->isVisible());

    button(window.get())->click();
    QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible() && bar->value() == 1, WaitMs);
    // Without a length the bar is full from the first piece on.
    QCOMPARE(bar->max(), 1);
    QVERIFY(!button(window.get())->isEnabled());
    {
        Translation english(QStringLiteral("en"));
        QVERIFY(bar->isVisible());
        QCOMPARE(labelText(window.get(), "lblCurrent"), QStringLiteral("Version on the server: 9.0.0"));
        QCOMPARE(button(window.get())->text(), QStringLiteral("Check for update"));
    }
    server.release();
    QVERIFY(waitForAnswer(window.get(), 2));
    QVERIFY(!bar->isVisible());
    QCOMPARE(labelText(window.get(), "lblCurrent"), QStringLiteral("Version am Server: 9.0.0"));
}

// The whole road against a real web server: version file, newer version,
// Yes, the program download and the script beside the program.
void TestForm3::endToEndAgainstHttpServer()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) {
        QSKIP("python3 is not installed");
    }
    QTemporaryDir served;
    QVERIFY(served.isValid());
    QByteArray program;
    for (int i = 0; i < 300000; ++i) {
        program += char(i * 7 % 251);
    }
    QVERIFY(writeFile(served.filePath("current_version.txt"), "1.0.2\n"));
    QVERIFY(writeFile(served.filePath(m_files.programUrl.section(u'/', -1)), program));

    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();

    QProcess httpServer;
    httpServer.setWorkingDirectory(served.path());
    httpServer.setStandardErrorFile(QProcess::nullDevice());
    httpServer.start(python, {QStringLiteral("-m"), QStringLiteral("http.server"),
                              QStringLiteral("--protocol"), QStringLiteral("HTTP/1.1"),
                              QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QString::number(port)});
    QVERIFY(httpServer.waitForStarted());
    const bool listening = QTest::qWaitFor(
        [port] {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, port);
            return socket.waitForConnected(200);
        },
        WaitMs);
    if (!listening) {
        httpServer.kill();
        httpServer.waitForFinished();
        QFAIL("the web server did not start");
    }

    auto window = makeWindow(QStringLiteral("http://127.0.0.1:%1/").arg(port));
    button(window.get())->click();
    const bool answered = waitForAnswer(window.get(), 2);
    httpServer.terminate();
    httpServer.waitForFinished();
    QVERIFY(answered);

    QCOMPARE(labelText(window.get(), "lblCurrent"), QStringLiteral("Version am Server: 1.0.2\n"));
    QCOMPARE(m_recorder.questions, QStringList{QStringLiteral("Neue Version verfügbar!\nDownloaden?")});
    QCOMPARE(m_recorder.messages.size(), 1);
    QVERIFY(m_recorder.messages.first().text.startsWith(QLatin1String("Download beendet!")));
    QVERIFY(readAll(m_files.downloadedFile) == program);
    QCOMPARE(m_recorder.startedScripts, QStringList{m_files.scriptFile});
    QVERIFY(QFile::exists(m_files.scriptFile));
    QVERIFY(!QFile::exists(m_files.versionFile));
}

void TestForm3::packageManagedInstallationIsLeftToItsPackageManager_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");

    QTest::newRow("German") << "de"
                            << "Diese Installation wird von ihrer Paketverwaltung aktualisiert.";
    QTest::newRow("English") << "en"
                             << "This installation is updated by its package manager.";
    QTest::newRow("Spanish") << "es"
                             << "Esta instalación se actualiza a través de su gestor de paquetes.";
    QTest::newRow("Slovak") << "sk"
                            << "Tuto instalaciu aktualizuje jej spravca balikov.";
}

// The program in <prefix>/bin of a package's installation: no version file,
// download or script is written anywhere, and no server is asked.
void TestForm3::packageManagedInstallationIsLeftToItsPackageManager()
{
    QFETCH(QString, language);
    QFETCH(QString, message);

    const QString bin = m_directory->filePath(QStringLiteral("usr/bin"));
    const QString shared = m_directory->filePath(QStringLiteral("usr/share/kavrel"));
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(shared + QStringLiteral("/Data")));
    QVERIFY(writeFile(shared + QStringLiteral("/package-managed"), "managed"));
    m_files = updateFilesFor(bin + u'/' + ProgramName, QStringLiteral("http://h/"), currentPlatform());
    QVERIFY(writeFile(m_files.programFile, "old program"));

    ScriptedServer server;
    server.reply("/current_version.txt", {okReply("9.9.9")});
    auto window = makeWindow(server.url("/"));
    Translation translation(language);
    button(window.get())->click();

    QCOMPARE(m_recorder.messages.size(), 1);
    QCOMPARE(m_recorder.messages.first().text, message);
    QCOMPARE(int(m_recorder.messages.first().icon), int(QMessageBox::Information));
    QVERIFY(m_recorder.questions.isEmpty());
    QVERIFY(button(window.get())->isEnabled());
    QTest::qWait(100);
    QVERIFY(server.requests().isEmpty());
    QCOMPARE(QDir(bin).entryList(QDir::Files), QStringList{ProgramName});
    QVERIFY(!QFile::exists(m_files.versionFile));
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
