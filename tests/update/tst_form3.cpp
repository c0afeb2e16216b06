#include "scriptedserver.h"
#include "testkeys.h"
#include "underwine.h"
#include "update/connectiontest.h"
#include "update/form3.h"
#include "update/replacementscript.h"
#include "update/updateprompter.h"
#ifdef Q_OS_WIN
#include "update/windowscharsetconverter.h"
#endif
#include "vistaprog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSslKey>
#include <QSslSocket>
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

QByteArray programOf(int size, int seed = 7)
{
    QByteArray program;
    for (int i = 0; i < size; ++i) {
        program += char(i * seed % 251);
    }
    return program;
}

QList<QByteArray> inPieces(const QByteArray &reply, int count)
{
    QList<QByteArray> pieces;
    const qsizetype size = reply.size() / count + 1;
    for (qsizetype from = 0; from < reply.size(); from += size) {
        pieces.append(reply.mid(from, size));
    }
    return pieces;
}

const QString Finished =
    QStringLiteral("Download beendet!\nBeenden Sie und starten Sie das Programm erneut!");
const QString Failed = QStringLiteral("Download fehlgeschlagen!");
const QString NoKey = QStringLiteral("Dieses Programm wurde ohne Schlüssel zum Prüfen von Updates erstellt "
                                     "und kann keine Updates installieren.");
const QString NoSignature =
    QStringLiteral("Die Signatur des Updates fehlt auf dem Server. Das Update wird nicht installiert.");
const QString WrongSignature =
    QStringLiteral("Die Signatur des Updates ist ungültig. Das Update wird nicht installiert.");
const QString OtherFile = QStringLiteral(
    "Die Signatur des Updates gilt für eine andere Programmdatei. Das Update wird nicht installiert.");
QString otherVersion(const QString &signedVersion)
{
    return QStringLiteral("Das Update ist für Version %1 signiert, der Server kündigt aber Version 9.0.0 an. "
                          "Das Update wird nicht installiert.")
        .arg(signedVersion);
}
const QString TooLarge =
    QStringLiteral("Die Programmdatei auf dem Server ist zu groß. Das Update wird nicht installiert.");
const QString NoAnswer = QStringLiteral("Der Update-Server antwortet nicht.");

} // namespace

class TestForm3 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void texts_data();
    void texts();
    void versionCheck_data();
    void versionCheck();
    void serverVersionShownAsRead_data();
    void serverVersionShownAsRead();
    void longVersionStaysClearOfCancel_data();
    void longVersionStaysClearOfCancel();
    void noConnectionAsksNoServer();
    void buttonDisabledDuringCheck();
    void closingDuringCheckRestoresCursor();
    void largeVersionFileIsNotRead();
    void newerVersionWithoutKeyIsOnlyReported();
    void programDownload_data();
    void programDownload();
    void slowLiveDownloadRunsOn_data();
    void slowLiveDownloadRunsOn();
    void downloadEndsWithTheAnnouncedLength();
    void cancelStopsTheDownload();
    void secondDownloadKeepsTheFinishedUpdate();
    void quitDuringSecondDownloadKeepsTheFinishedUpdate();
    void barFollowsDownloadAndSurvivesLanguageSwitch();
    void endToEndAgainstHttpServer();
    void endToEndOverHttps();
    void packageManagedInstallationIsLeftToItsPackageManager_data();
    void packageManagedInstallationIsLeftToItsPackageManager();

private:
    std::unique_ptr<Form3> makeWindow(const QString &baseUrl, bool connected = true);
    QPushButton *button(Form3 *window, const char *name = "cmdCheckForUpdate") const;
    QString labelText(Form3 *window, const char *name) const;
    bool waitForAnswer(Form3 *window, int said = 1) const;
    QStringList folder() const;
    // With the .exe the program has on Windows.
    QString programFileName() const { return QFileInfo(m_files.programFile).fileName(); }
    QByteArray programPath() const;
    QByteArray programName() const { return programPath().mid(1); }
    void serveUpdate(ScriptedServer *server, const QByteArray &program, const QByteArray &version = "9.0.0");

    Recorder m_recorder;
    std::unique_ptr<QTemporaryDir> m_directory;
    UpdateFiles m_files;
    QTemporaryDir m_keyDirectory;
    TestKeys m_keys;
};

void TestForm3::initTestCase()
{
    QVERIFY(m_keyDirectory.isValid());
    QVERIFY2(m_keys.create(m_keyDirectory.path()), qPrintable(m_keys.error()));
}

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
    window->setPublicKey(m_keys.publicKey());
    window->setScriptStarter([this](const QString &script, QString *error) {
        m_recorder.startedScripts.append(script);
        *error = QStringLiteral("not started");
        return m_recorder.scriptStarts;
    });
    m_files = updateFilesFor(m_files.programFile, baseUrl, currentPlatform());
    window->show();
    return window;
}

QPushButton *TestForm3::button(Form3 *window, const char *name) const
{
    return window->findChild<QPushButton *>(QString::fromLatin1(name));
}

// What lies beside the program.
QStringList TestForm3::folder() const
{
    return QDir(m_directory->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray TestForm3::programPath() const
{
    return "/" + m_files.programUrl.section(u'/', -1).toLatin1();
}

void TestForm3::serveUpdate(ScriptedServer *server, const QByteArray &program, const QByteArray &version)
{
    server->reply("/current_version.txt", {okReply(version)});
    server->reply(programPath() + ".sig",
                  {okReply(m_keys.signRelease(version.trimmed(), programName(), program))});
    server->reply(programPath(), {okReply(program)});
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
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("noSignature");
    QTest::addColumn<QString>("otherVersion");

    QTest::newRow("German") << "de"
                            << "Willkommen bei Kavrel Update. Dieses Feature überprüft,"
                            << "netverbindung ist notwendig."
                            << "Auf Updates überprüfen"
                            << "Version des Programms: 1.0.1"
                            << "Der Update-Server antwortet nicht."
                            << "Abbrechen" << NoSignature << otherVersion(QStringLiteral("1.0.1"));
    QTest::newRow("English")
        << "en"
        << "Welcome to Kavrel Update. This feature checks,"
        << "is required."
        << "Check for update"
        << "Program version: 1.0.1"
        << "The update server does not answer."
        << "Cancel"
        << "The update's signature is missing on the server. The update is not installed."
        << "The update is signed for version 1.0.1, but the server announces version 9.0.0. The update is "
           "not "
           "installed.";
    QTest::newRow("Spanish")
        << "es"
        << "Benvenido a Kavrel Update. Esta herramienta controla"
        << "Una conexión a internet es indispensable."
        << "Controla actualización"
        << "Versión de programa: 1.0.1"
        << "El servidor de actualizaciones no responde."
        << "Cancelar"
        << "Falta la firma de la actualización en el servidor. La actualización no se "
           "instala."
        << "La actualización está firmada para la versión 1.0.1, pero el servidor anuncia "
           "la versión 9.0.0. La actualización no se instala.";
    QTest::newRow("Slovak")
        << "sk"
        << "Vitajte v Kavrel Update. Tento nastroj zisti,"
        << "potrebne internetove pripojenie."
        << "Zkontroluj aktualizaciu"
        << "Verzia programu: 1.0.1"
        << "Aktualizacny server neodpoveda."
        << "Zrusit"
        << "Podpis aktualizacie na serveri chyba. Aktualizacia sa nenainstaluje."
        << "Aktualizacia je podpisana pre verziu 1.0.1, server vsak ohlasuje verziu 9.0.0. "
           "Aktualizacia sa nenainstaluje.";
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
    QFETCH(QString, cancel);
    QFETCH(QString, noSignature);
    QFETCH(QString, otherVersion);

    ScriptedServer server;
    server.reply("/current_version.txt", {});
    auto window = makeWindow(server.url("/"));
    Translation translation(language);
    QCOMPARE(button(window.get(), "cmdCancel")->text(), cancel);

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
        QVERIFY(button(shown, "cmdCancel")->sizeHint().width() <= button(shown, "cmdCancel")->width());
    }

    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get()));
    QCOMPARE(m_recorder.messages.size(), 1);
    QCOMPARE(m_recorder.messages.first().text, noAnswer);

    server.reply("/current_version.txt", {okReply("9.0.0")});
    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get(), 3));
    QCOMPARE(m_recorder.messages.last().text, noSignature);

    server.reply(programPath() + ".sig", {okReply(m_keys.signRelease("1.0.1", programName(), "program"))});
    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get(), 5));
    QCOMPARE(m_recorder.messages.last().text, otherVersion);
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
        << QList<QByteArray>{okReply("1.0.1\n")} << "Version am Server: 1.0.1" << QString()
        << "Keine neue Programmversion verfügbar!" << int(QMessageBox::NoIcon);
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
    QTest::newRow("version file of 5 KiB")
        << QList<QByteArray>{okReply(QByteArray(5 * 1024, '1'))} << QString() << QString()
        << "Ungültige Datei auf Server!" << int(QMessageBox::Critical);
    QTest::newRow("HTTP/1.0 version file without a length")
        << QList<QByteArray>{"HTTP/1.0 200 OK\r\n\r\n1.0.1"} << "Version am Server: 1.0.1" << QString()
        << "Keine neue Programmversion verfügbar!" << int(QMessageBox::NoIcon);
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
    // The version file is never written beside the program, so a folder the
    // program may not write to does not stop the check.
    QCOMPARE(folder(), QStringList{programFileName()});
    QCOMPARE(server.requests().size(), 1);
}

void TestForm3::serverVersionShownAsRead_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("shownStart");
    QTest::addColumn<bool>("cut");

    const QString mark(QChar::ReplacementCharacter);
    QTest::newRow("longer than the label")
        << QByteArray("1.0.1-beta-for-the-field-stations-of-the-northern-districts") << "1.0.1-beta-for"
        << true;
    QTest::newRow("control characters")
        << QByteArray("1.0\x1b[2J\x07.2") << "1.0" + mark + "[2J" + mark + ".2" << false;
    QTest::newRow("line breaks inside") << QByteArray("1.0\r\n2\n") << "1.0" + mark + mark + "2" << false;
    QTest::newRow("zero byte and tab") << QByteArray("1.0\0\t1", 6) << "1.0" + mark + mark + "1" << false;
    QTest::newRow("writing direction turned") << QByteArray("1.0\xE2\x80\xAE"
                                                            "2.0")
                                              << "1.0" + mark + "2.0" << false;
    QTest::newRow("bytes that are no UTF-8") << QByteArray("1.\xFF.1") << "1." + mark + ".1" << false;
    QTest::newRow("web page")
        << QByteArray("<!DOCTYPE html>\n<html><head><title>Welcome</title></head>\n"
                      "<body>It works! This is the default page of the server.</body></html>\n")
        << "<!DOCTYPE html>" + mark + "<html>" << true;
}

// Whatever the version file holds is shown, with what would act on the line
// as visible marks, and cut with an ellipsis before the window's edge.
void TestForm3::serverVersionShownAsRead()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, shownStart);
    QFETCH(bool, cut);

    ScriptedServer server;
    server.reply("/current_version.txt", {okReply(content)});
    auto window = makeWindow(server.url("/"));
    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get()));
    QCOMPARE(m_recorder.messages.size(), 1);
    QCOMPARE(m_recorder.messages.first().text, QStringLiteral("Ungültige Datei auf Server!"));

    const auto *label = window->findChild<QLabel *>(QStringLiteral("lblCurrent"));
    const QString prefix = QStringLiteral("Version am Server: ");
    QVERIFY2(label->text().startsWith(prefix + shownStart), qPrintable(label->text()));
    QCOMPARE(label->text().endsWith(QChar(0x2026)), cut);
    QCOMPARE(label->toolTip().isEmpty(), !cut);
    for (const QChar c : label->text()) {
        QVERIFY(c.category() != QChar::Other_Control && c.category() != QChar::Other_Format);
    }
    const auto *line = window->findChild<QFrame *>(QStringLiteral("Line3D1"));
    QVERIFY(label->geometry().right() <= line->geometry().right());
    QVERIFY(label->geometry().right() <= window->rect().right());
}

void TestForm3::longVersionStaysClearOfCancel_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("German") << "de"
                            << "Version am Server: ";
    QTest::newRow("Spanish") << "es"
                             << "Versión a server: ";
}

// A valid version with a long fourth part is offered; while its program
// downloads, the version line ends before the Cancel button, and takes the
// room back once the button has gone.
void TestForm3::longVersionStaysClearOfCancel()
{
    QFETCH(QString, language);
    QFETCH(QString, prefix);

    const QByteArray version = "9.0.0.2026120914050000000000001";
    ScriptedServer server;
    serveUpdate(&server, "new program", version);
    server.reply(programPath(), {"HTTP/1.1 200 OK\r\nContent-Length: 20\r\n\r\n", "new program"});
    server.holdOpen(programPath());
    auto window = makeWindow(server.url("/"));
    Translation translation(language);
    const auto *label = window->findChild<QLabel *>(QStringLiteral("lblCurrent"));
    QPushButton *cancel = button(window.get(), "cmdCancel");

    button(window.get())->click();
    const auto *bar = window->findChild<VistaProg *>(QStringLiteral("pgbDownload"));
    QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible() && bar->value() == 11, WaitMs);
    QVERIFY(cancel->isVisible());
    QVERIFY2(label->text().startsWith(prefix + "9.0.0."), qPrintable(label->text()));
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QCOMPARE(label->toolTip(), prefix + QString::fromLatin1(version));
    QVERIFY(label->geometry().right() < cancel->x());
    const qsizetype besideCancel = label->text().size();

    cancel->click();
    QVERIFY(!cancel->isVisible());
    QVERIFY(label->text().size() > besideCancel);
    QVERIFY(label->text().startsWith(prefix + "9.0.0."));
    server.release();
}

// 20 MiB that claim to be a version file: read up to the limit, then the
// connection is dropped; nothing of it is shown or stored.
void TestForm3::largeVersionFileIsNotRead()
{
    QList<QByteArray> reply{"HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n"};
    for (int i = 0; i < 20; ++i) {
        reply.append(QByteArray(1024 * 1024, '7'));
    }
    ScriptedServer server;
    server.reply("/current_version.txt", reply);
    auto window = makeWindow(server.url("/"));

    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get()));
    QCOMPARE(m_recorder.messages.size(), 1);
    QCOMPARE(m_recorder.messages.first().text, QStringLiteral("Ungültige Datei auf Server!"));
    QCOMPARE(labelText(window.get(), "lblCurrent"), QString());
    QCOMPARE(folder(), QStringList{programFileName()});
}

void TestForm3::newerVersionWithoutKeyIsOnlyReported()
{
    ScriptedServer server;
    serveUpdate(&server, "new program");
    auto window = makeWindow(server.url("/"));
    window->setPublicKey(QByteArray());

    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get()));
    QVERIFY(m_recorder.questions.isEmpty());
    QCOMPARE(m_recorder.messages.size(), 1);
    QCOMPARE(m_recorder.messages.first().text, QStringLiteral("Neue Version verfügbar!\n") + NoKey);
    QCOMPARE(labelText(window.get(), "lblCurrent"), QStringLiteral("Version am Server: 9.0.0"));
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(folder(), QStringList{programFileName()});
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
    QCOMPARE(folder(), QStringList{programFileName()});
}

void TestForm3::programDownload_data()
{
    QTest::addColumn<QList<QByteArray>>("programReply");
    QTest::addColumn<QList<QByteArray>>("signatureReply");
    QTest::addColumn<bool>("scriptStarts");
    QTest::addColumn<QString>("message");

    const QByteArray program = programOf(10000);
    const QList<QByteArray> signedReply{okReply(m_keys.signRelease("9.0.0", programName(), program))};
    const QByteArray older = programOf(9000, 13);
    const QByteArray script = "#!/bin/sh\necho installed > /tmp/kavrel-was-here\n";
    QTest::newRow("complete and signed") << inPieces(okReply(program), 4) << signedReply << true << Finished;
    QTest::newRow("not found")
        << QList<QByteArray>{"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"} << signedReply
        << true << Failed;
    QTest::newRow("cut short of its length")
        << QList<QByteArray>{"HTTP/1.1 200 OK\r\nContent-Length: 10000\r\n\r\n" + program.left(4000)}
        << signedReply << true << Failed;
    // Without a length only the server's close ends the body; the signature
    // tells a whole program from a cut one.
    QTest::newRow("HTTP/1.0 without a length, cut after 40 %")
        << QList<QByteArray>{"HTTP/1.0 200 OK\r\n\r\n", program.left(4000)} << signedReply << true
        << WrongSignature;
    QTest::newRow("HTTP/1.0 without a length, whole")
        << QList<QByteArray>{"HTTP/1.0 200 OK\r\n\r\n", program.left(6000), program.mid(6000)} << signedReply
        << true << Finished;
    QTest::newRow("HTTP/1.1 without a length, whole")
        << QList<QByteArray>{"HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + program} << signedReply << true
        << Finished;
    QTest::newRow("without a length, beyond the size limit")
        << QList<QByteArray>{"HTTP/1.0 200 OK\r\n\r\n", program, program} << signedReply << true << TooLarge;
    QTest::newRow("without a length, not found")
        << QList<QByteArray>{"HTTP/1.0 404 Not Found\r\n\r\nnot found"} << signedReply << true << Failed;
    QTest::newRow("empty body") << QList<QByteArray>{okReply("")} << signedReply << true << Failed;
    QTest::newRow("script does not start")
        << QList<QByteArray>{okReply(program)} << signedReply << false << Failed;
    QTest::newRow("no reply") << QList<QByteArray>{} << signedReply << true << NoAnswer;
    QTest::newRow("announced beyond the size limit")
        << QList<QByteArray>{"HTTP/1.1 200 OK\r\nContent-Length: 314572800\r\n\r\n", program} << signedReply
        << true << TooLarge;
    QTest::newRow("chunked beyond the size limit")
        << QList<QByteArray>{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n",
                             "4e20\r\n" + program + program + "\r\n0\r\n\r\n"}
        << signedReply << true << TooLarge;
    QTest::newRow("a script instead of the program")
        << QList<QByteArray>{okReply(script)} << signedReply << true << WrongSignature;
    QTest::newRow("signature not found")
        << QList<QByteArray>{okReply(program)}
        << QList<QByteArray>{"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"} << true
        << NoSignature;
    QTest::newRow("web page for a signature")
        << QList<QByteArray>{okReply(program)} << QList<QByteArray>{okReply("<html>Sorry</html>")} << true
        << NoSignature;
    QTest::newRow("signature file beyond any signature")
        << QList<QByteArray>{okReply(program)} << QList<QByteArray>{okReply(QByteArray(5000, 'A'))} << true
        << NoSignature;
    QTest::newRow("bare signature of the program's bytes")
        << QList<QByteArray>{okReply(program)} << QList<QByteArray>{okReply(m_keys.sign(program))} << true
        << NoSignature;
    QTest::newRow("older signed build replayed")
        << QList<QByteArray>{okReply(older)}
        << QList<QByteArray>{okReply(m_keys.signRelease("1.0.0", programName(), older))} << true
        << otherVersion(QStringLiteral("1.0.0"));
    QTest::newRow("the running build's signature under a newer version file")
        << QList<QByteArray>{okReply(older)}
        << QList<QByteArray>{okReply(m_keys.signRelease("1.0.1", programName(), older))} << true
        << otherVersion(QStringLiteral("1.0.1"));
    QTest::newRow("signature for another file name")
        << QList<QByteArray>{okReply(program)}
        << QList<QByteArray>{okReply(m_keys.signRelease("9.0.0", programName() + ".exe", program))} << true
        << OtherFile;
    QTest::newRow("signed program, another program served")
        << QList<QByteArray>{okReply(older)} << signedReply << true << WrongSignature;
}

// Whatever the server does, the program folder ends with either the old
// program alone, or the old program with the whole, verified new one and
// the script that installs it.
void TestForm3::programDownload()
{
    QFETCH(QList<QByteArray>, programReply);
    QFETCH(QList<QByteArray>, signatureReply);
    QFETCH(bool, scriptStarts);
    QFETCH(QString, message);

    ScriptedServer server;
    server.reply("/current_version.txt", {okReply("9.0.0")});
    server.reply(programPath() + ".sig", signatureReply);
    server.reply(programPath(), programReply);
    m_recorder.scriptStarts = scriptStarts;
    auto window = makeWindow(server.url("/"));
    window->setProgramSizeLimit(15000);

    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get(), 2));
    QCOMPARE(m_recorder.questions.size(), 1);
    QCOMPARE(m_recorder.messages.size(), 1);
    QCOMPARE(m_recorder.messages.first().text, message);
    QVERIFY(!window->findChild<VistaProg *>(QStringLiteral("pgbDownload"))->isVisible());
    QVERIFY(!button(window.get(), "cmdCancel")->isVisible());
    QCOMPARE(readAll(m_files.programFile), QByteArray("old program"));

    const bool installed = message == Finished;
    const QString downloaded = QFileInfo(m_files.downloadedFile).fileName();
    const QString script = QFileInfo(m_files.scriptFile).fileName();
    QStringList expected =
        installed ? QStringList({programFileName(), downloaded, script}) : QStringList{programFileName()};
    expected.sort();
    QCOMPARE(folder(), expected);
    if (installed) {
        QCOMPARE(readAll(m_files.downloadedFile), programOf(10000));
        QCOMPARE(m_recorder.startedScripts, QStringList{m_files.scriptFile});
#ifdef Q_OS_WIN
        QCOMPARE(readAll(m_files.scriptFile),
                 batchReplacementScript(QDir::toNativeSeparators(m_files.downloadedFile),
                                        QDir::toNativeSeparators(m_files.programFile),
                                        QDir::toNativeSeparators(m_files.scriptFile),
                                        WindowsCharsetConverter()));
#else
        QCOMPARE(readAll(m_files.scriptFile),
                 shellReplacementScript(QCoreApplication::applicationPid(), m_files.downloadedFile,
                                        m_files.programFile, m_files.scriptFile));
#endif
    }
    // Without a signature for this version and file the program is not even
    // fetched.
    const QList<QByteArray> requests = server.requests();
    const bool programFetched =
        std::any_of(requests.begin(), requests.end(), [this](const QByteArray &request) {
            return request.startsWith("GET " + programPath() + " ");
        });
    const bool refusedFirst =
        message == NoSignature || message == OtherFile || message.startsWith(u"Das Update ist für Version");
    QCOMPARE(programFetched, !refusedFirst);
}

void TestForm3::slowLiveDownloadRunsOn_data()
{
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("left to finish") << false;
    QTest::newRow("cancelled") << true;
}

// A line that delivers a few bytes at a time keeps its download going far
// beyond the server's silence timeout; the user may cancel it at any time.
void TestForm3::slowLiveDownloadRunsOn()
{
    QFETCH(bool, cancelled);
    const QByteArray program = programOf(40);
    ScriptedServer server;
    serveUpdate(&server, program);
    QList<QByteArray> trickle{"HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\n"};
    for (const char byte : program) {
        trickle.append(QByteArray(1, byte));
    }
    server.reply(programPath(), trickle);
    server.holdOpen(programPath());
    server.setPause(100);
    auto window = makeWindow(server.url("/"));
    window->setSilenceTimeout(1000);
    const auto *bar = window->findChild<VistaProg *>(QStringLiteral("pgbDownload"));
    QPushButton *cancel = button(window.get(), "cmdCancel");

    button(window.get())->click();
    QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible() && bar->value() >= 25, WaitMs);
    // By now the download has lasted well over twice the silence timeout.
    QVERIFY(m_recorder.messages.isEmpty());
    QVERIFY(cancel->isVisible());
    if (cancelled) {
        cancel->click();
        QTest::qWait(300);
        QVERIFY(m_recorder.messages.isEmpty());
        QVERIFY(!bar->isVisible());
        QVERIFY(button(window.get())->isEnabled());
        QCOMPARE(folder(), QStringList{programFileName()});
    } else {
        QVERIFY(waitForAnswer(window.get(), 2));
        QCOMPARE(m_recorder.messages.size(), 1);
        QCOMPARE(m_recorder.messages.first().text, Finished);
        QCOMPARE(readAll(m_files.downloadedFile), program);
    }
    server.release();
}

// A server that keeps the connection after the whole program: it is
// installed at once, not thrown away when the server's silence runs out.
void TestForm3::downloadEndsWithTheAnnouncedLength()
{
    const QByteArray program = programOf(10000);
    ScriptedServer server;
    serveUpdate(&server, program);
    server.holdOpen(programPath());
    auto window = makeWindow(server.url("/"));
    window->setSilenceTimeout(60000);

    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get(), 2));
    QCOMPARE(m_recorder.messages.first().text, Finished);
    QCOMPARE(readAll(m_files.downloadedFile), program);
    server.release();
}

void TestForm3::cancelStopsTheDownload()
{
    const QByteArray program = programOf(10000);
    ScriptedServer server;
    serveUpdate(&server, program);
    server.reply(programPath(), {"HTTP/1.1 200 OK\r\nContent-Length: 10000\r\n\r\n", program.left(3000)});
    server.holdOpen(programPath());
    auto window = makeWindow(server.url("/"));
    QPushButton *cancel = button(window.get(), "cmdCancel");
    QVERIFY(!cancel->isVisible());

    button(window.get())->click();
    QVERIFY(cancel->isVisible());
    const auto *bar = window->findChild<VistaProg *>(QStringLiteral("pgbDownload"));
    QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible() && bar->value() == 3000, WaitMs);
    QVERIFY(QFile::exists(m_files.partialFile));

    cancel->click();
    QVERIFY(!cancel->isVisible());
    QVERIFY(!bar->isVisible());
    QVERIFY(button(window.get())->isEnabled());
    QTest::qWait(200);
    QVERIFY(m_recorder.messages.isEmpty());
    QCOMPARE(folder(), QStringList{programFileName()});
    server.release();
}

// A script waits for the end of the program to install the first update;
// a second download in the same run fails. The first update stays whole
// and in place, and no second script is started.
void TestForm3::secondDownloadKeepsTheFinishedUpdate()
{
    const QByteArray first = programOf(10000, 7);
    const QByteArray second = programOf(12000, 11);
    ScriptedServer server;
    serveUpdate(&server, first);
    auto window = makeWindow(server.url("/"));
    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get(), 2));
    QCOMPARE(m_recorder.messages.last().text, Finished);
    const QStringList installed = folder();
    QCOMPARE(installed.size(), 3);

    server.reply(programPath() + ".sig", {okReply(m_keys.signRelease("9.0.0", programName(), second))});
    server.reply(programPath(), {"HTTP/1.1 200 OK\r\nContent-Length: 12000\r\n\r\n" + second.left(5000)});
    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get(), 4));
    QCOMPARE(m_recorder.messages.last().text, Failed);
    QCOMPARE(folder(), installed);
    QCOMPARE(readAll(m_files.downloadedFile), first);

    // A whole, signed second version takes the first one's place for the
    // script that already waits.
    server.reply(programPath(), {okReply(second)});
    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get(), 6));
    QCOMPARE(m_recorder.messages.last().text, Finished);
    QCOMPARE(folder(), installed);
    QCOMPARE(readAll(m_files.downloadedFile), second);
    QCOMPARE(m_recorder.startedScripts, QStringList{m_files.scriptFile});
}

void TestForm3::quitDuringSecondDownloadKeepsTheFinishedUpdate()
{
    const QByteArray first = programOf(10000, 7);
    ScriptedServer server;
    serveUpdate(&server, first);
    auto window = makeWindow(server.url("/"));
    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get(), 2));
    QCOMPARE(m_recorder.messages.last().text, Finished);
    const QStringList installed = folder();

    server.reply(programPath(), {"HTTP/1.1 200 OK\r\nContent-Length: 10000\r\n\r\n", first.left(2000)});
    server.holdOpen(programPath());
    button(window.get())->click();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(m_files.partialFile).size() == 2000, WaitMs);
    window.reset();
    QCOMPARE(folder(), installed);
    QCOMPARE(readAll(m_files.downloadedFile), first);
    server.release();
}

void TestForm3::barFollowsDownloadAndSurvivesLanguageSwitch()
{
    ScriptedServer server;
    serveUpdate(&server, "new program");
    server.reply(programPath(),
                 {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n", "b\r\nnew program\r\n"});
    server.holdOpen(programPath());
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
#ifdef Q_OS_WIN
    QSKIP("the release's signing command is a POSIX shell script, run where releases are made; the "
          "self-update test serves a release it signed on the build machine");
#endif
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
    // Signed as a release is: with the signing command, beside the program.
    QProcess signing;
    signing.start(QStringLiteral(KAVREL_SIGN_UPDATE),
                  {m_keys.signingKeyFile(), QStringLiteral("1.0.2"), served.filePath(programName())});
    QVERIFY(signing.waitForFinished(30000));
    QCOMPARE(signing.exitCode(), 0);
    QVERIFY(QFile::exists(served.filePath(m_files.signatureUrl.section(u'/', -1))));

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

    QCOMPARE(labelText(window.get(), "lblCurrent"), QStringLiteral("Version am Server: 1.0.2"));
    QCOMPARE(m_recorder.questions, QStringList{QStringLiteral("Neue Version verfügbar!\nDownloaden?")});
    QCOMPARE(m_recorder.messages.size(), 1);
    QVERIFY(m_recorder.messages.first().text.startsWith(QLatin1String("Download beendet!")));
    QVERIFY(readAll(m_files.downloadedFile) == program);
    QCOMPARE(m_recorder.startedScripts, QStringList{m_files.scriptFile});
    QVERIFY(QFile::exists(m_files.scriptFile));
    QCOMPARE(folder().size(), 3);
}

// The whole road over TLS: the server's certificate and the release's key
// pair are made by the test; the certificate's authority is trusted only
// through this process's default configuration, and certificates are checked.
void TestForm3::endToEndOverHttps()
{
    if (runsUnderWine()) {
        QSKIP(
            "Wine's Schannel, built on GnuTLS, does not serve TLS with a local test certificate: it fails to "
            "load an EC key's chain and, with an RSA key, the handshake stops with GnuTLS's \"The requested "
            "data were not available\"");
    }
    if (!QSslSocket::supportsSsl()) {
        QFAIL("Qt has no TLS backend here");
    }
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(m_keys.certificateFile());
    QCOMPARE(certificates.size(), 1);
    QFile keyFile(m_keys.certificateKeyFile());
    QVERIFY(keyFile.open(QIODevice::ReadOnly));
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(certificates.first());
    tls.setPrivateKey(QSslKey(&keyFile, QSsl::Ec));

    const QByteArray program = programOf(300000);
    ScriptedServer server(tls);
    serveUpdate(&server, program, "1.0.2\n");
    server.reply(programPath(), inPieces(okReply(program), 10));

    const QSslConfiguration systemDefault = QSslConfiguration::defaultConfiguration();
    QSslConfiguration withTestAuthority = systemDefault;
    withTestAuthority.addCaCertificates(certificates);
    QSslConfiguration::setDefaultConfiguration(withTestAuthority);
    auto window = makeWindow(server.url("/"));
    QSslConfiguration::setDefaultConfiguration(systemDefault);
    QVERIFY(server.url("/").startsWith(QLatin1String("https://")));

    button(window.get())->click();
    QVERIFY(waitForAnswer(window.get(), 2));
    QCOMPARE(m_recorder.questions, QStringList{QStringLiteral("Neue Version verfügbar!\nDownloaden?")});
    QCOMPARE(m_recorder.messages.size(), 1);
    QCOMPARE(m_recorder.messages.first().text, Finished);
    QVERIFY(readAll(m_files.downloadedFile) == program);
    QCOMPARE(m_recorder.startedScripts, QStringList{m_files.scriptFile});
    QCOMPARE(folder().size(), 3);

    // Without the test's authority the same server is refused, and said so.
    auto untrusting = makeWindow(server.url("/"));
    m_recorder = Recorder();
    button(untrusting.get())->click();
    QVERIFY(waitForAnswer(untrusting.get(), 1));
    QCOMPARE(m_recorder.messages.size(), 1);
    QVERIFY(m_recorder.messages.first().text.startsWith(
        QLatin1String("Die sichere Verbindung zum Update-Server ist fehlgeschlagen:\n")));
    QVERIFY(m_recorder.messages.first().text.size() > 70);
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
    QCOMPARE(QDir(bin).entryList(QDir::Files), QStringList{programFileName()});
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
