#include "scriptedserver.h"
#include "update/updatefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int ReplacedWithinMs = 30000;
const QString Finished =
    QStringLiteral("message: Download beendet! | Beenden Sie und starten Sie das Programm erneut!");
const QString Question = QStringLiteral("question: Neue Version verfügbar! | Downloaden?");

QString executable(const QString &name)
{
#ifdef Q_OS_WIN
    return name + QStringLiteral(".exe");
#else
    return name;
#endif
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The whole self-update with a real program: a copy of a small program that
// drives the update window runs in a folder of its own, downloads a release
// signed by the release's signing command from a local server, and ends; the
// script it started (the command interpreter's batch script on Windows, sh
// elsewhere) must then put the release in its place, and must not while the
// program still runs.
class TestSelfUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void replacesTheProgramOnlyAfterItEnds_data();
    void replacesTheProgramOnlyAfterItEnds();

private:
    QString m_release;
    QByteArray m_program;
};

void TestSelfUpdate::initTestCase()
{
    m_release = QCoreApplication::applicationDirPath() + QStringLiteral("/signed-release");
    m_program = readAll(m_release + u'/' + executable(QStringLiteral("kavrelapp")));
    QVERIFY2(!m_program.isEmpty(), "the build makes the signed release beside the tests");
}

void TestSelfUpdate::replacesTheProgramOnlyAfterItEnds_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("altered");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<bool>("replaced");

    const QString refused =
        QStringLiteral("message: Die Signatur des Updates ist ungültig. Das Update wird nicht installiert.");
    QTest::newRow("installed") << "Program" << true << false << QStringList{Question, Finished} << true;
    QTest::newRow("installed in a folder with blanks, %, & and parentheses")
        << "Program 100% & (x) ^" << true << false << QStringList{Question, Finished} << true;
    QTest::newRow("altered on its way")
        << "Program" << true << true << QStringList{Question, refused} << false;
    QTest::newRow("declined") << "Program" << false << false << QStringList{Question} << false;
}

void TestSelfUpdate::replacesTheProgramOnlyAfterItEnds()
{
    QFETCH(QString, folderName);
    QFETCH(bool, answer);
    QFETCH(bool, altered);
    QFETCH(QStringList, said);
    QFETCH(bool, replaced);

    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString folder = temporary.filePath(folderName);
    QVERIFY(QDir().mkpath(folder));
    const QString programName = executable(QStringLiteral("kavrelapp"));
    const QString programFile = folder + u'/' + programName;
    QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + u'/' +
                            executable(QStringLiteral("kavrel-update-driver")),
                        programFile));
    const QByteArray running = readAll(programFile);

    QByteArray served = m_program;
    if (altered) {
        served[served.size() / 2] = char(served[served.size() / 2] ^ 1);
    }
    ScriptedServer server;
    server.setPause(0);
    server.reply("/current_version.txt",
                 {okReply(readAll(m_release + QStringLiteral("/current_version.txt")))});
    server.reply("/" + programName.toUtf8() + ".sig",
                 {okReply(readAll(m_release + u'/' + programName + ".sig"))});
    server.reply("/" + programName.toUtf8(), {okReply(served)});

    QProcess program;
    // Outside the program's folder: on Windows the script inherits it and
    // says there, again and again, that the running program cannot be deleted.
    const QString errors = temporary.filePath(QStringLiteral("errors.txt"));
    program.setStandardErrorFile(errors);
    program.start(programFile, {server.url("/"), QString::fromLatin1(readAll(m_release + "/public-key.txt")),
                                answer ? QStringLiteral("yes") : QStringLiteral("no"),
                                temporary.filePath(QStringLiteral("end"))});
    QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
    const auto stopProgram = qScopeGuard([&program] {
        program.kill();
        program.waitForFinished();
    });
    QByteArray output;
    const bool waiting = QTest::qWaitFor(
        [&] {
            // Windows' standard output ends its lines with CR LF.
            output += program.readAllStandardOutput().replace("\r\n", "\n");
            return output.endsWith("waiting\n") || program.state() == QProcess::NotRunning;
        },
        ReplacedWithinMs);
    QVERIFY2(waiting && program.state() == QProcess::Running, (output + readAll(errors)).constData());
    QStringList lines = QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts);
    lines.removeLast();
    QCOMPARE(lines, said);

    const UpdateFiles files = updateFilesFor(programFile, server.url("/"), currentPlatform());
    QCOMPARE(QFile::exists(files.downloadedFile), replaced);
    // The script waits as long as the program runs.
    QTest::qWait(1500);
    QCOMPARE(program.state(), QProcess::Running);
    QVERIFY(readAll(programFile) == running);

    QFile end(temporary.filePath(QStringLiteral("end")));
    QVERIFY(end.open(QIODevice::WriteOnly));
    end.close();
    QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, ReplacedWithinMs);
    QCOMPARE(program.exitCode(), 0);
    if (replaced) {
        QTRY_VERIFY_WITH_TIMEOUT(readAll(programFile) == m_program, ReplacedWithinMs);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(files.scriptFile), ReplacedWithinMs);
#ifndef Q_OS_WIN
        QVERIFY(QFileInfo(programFile).isExecutable());
#endif
    } else {
        // Nothing is left that could still act on the program.
        QTest::qWait(1500);
        QVERIFY(readAll(programFile) == running);
    }
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{programName});
}

QTEST_GUILESS_MAIN(TestSelfUpdate)
#include "tst_selfupdate.moc"
