#include "update/replacementinstaller.h"
#include "update/replacementscript.h"
#include "update/updatefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Two code pages that differ for "ü", as the OEM and ANSI ones of a Western
// European Windows do (0x81 and 0xFC).
class FakeCodePages : public CharsetConverter
{
public:
    QByteArray toOem(const QString &text) const override { return convert(text, '\x81'); }
    QByteArray toAnsi(const QString &text) const override { return convert(text, '\xfc'); }

private:
    static QByteArray convert(const QString &text, char uUmlaut)
    {
        QByteArray bytes;
        for (const QChar c : text) {
            bytes += c == u'ü' ? uUmlaut : char(c.unicode());
        }
        return bytes;
    }
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

class TestReplacementScript : public QObject
{
    Q_OBJECT

private slots:
    void batchText_data();
    void batchText();
    void files_data();
    void files();
    void baseUrl_data();
    void baseUrl();
    void shellScriptReplacesProgramAfterItEnds();
    void shellScriptWithoutDownloadChangesNothing();
};

void TestReplacementScript::batchText_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QByteArray>("oemDirectory");
    QTest::addColumn<QByteArray>("ansiDirectory");

    QTest::newRow("plain path") << "C:\\Tools" << QByteArray("C:\\Tools") << QByteArray("C:\\Tools");
    QTest::newRow("path outside ASCII") << "C:\\Prüfung"
                                        << QByteArray("C:\\Pr\x81"
                                                      "fung")
                                        << QByteArray("C:\\Pr\xfc"
                                                      "fung");
}

void TestReplacementScript::batchText()
{
    QFETCH(QString, directory);
    QFETCH(QByteArray, oemDirectory);
    QFETCH(QByteArray, ansiDirectory);

    const QByteArray script =
        batchReplacementScript(directory + "\\kavrelapp.e32", directory + "\\kavrelapp.exe",
                               directory + "\\kavrelapp.e32.bat", FakeCodePages());

    const QByteArray e = "\"" + oemDirectory + "\\kavrelapp.e32\"";
    const QByteArray x = "\"" + oemDirectory + "\\kavrelapp.exe\"";
    const QByteArray b = "\"" + ansiDirectory + "\\kavrelapp.e32.bat\"";
    QCOMPARE(script, "@echo off\r\n"
                     "IF NOT EXIST " +
                         e +
                         " GOTO NoReplace\r\n"
                         ":TryDel\r\n"
                         "DEL " +
                         x + "\r\nIF EXIST " + x + " GOTO TryDel\r\nCOPY " + e + " /B " + x + " /B\r\nDEL " +
                         e + "\r\n:NoReplace\r\nDEL " + b);
}

void TestReplacementScript::files_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("platform");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("Windows") << "C:/Tools/kavrelapp.exe" << int(ProgramPlatform::Windows)
                             << "http://updates.kavrel.example/kavrel/"
                             << QStringList{"C:/Tools/kavrelapp.exe",
                                            "C:/Tools/kavrelapp.e32",
                                            "C:/Tools/kavrelapp.e32.bat",
                                            "http://updates.kavrel.example/kavrel/kavrelapp.exe",
                                            "C:/Tools/current_version.txt",
                                            "http://updates.kavrel.example/kavrel/current_version.txt"};
    QTest::newRow("POSIX, program without extension")
        << "/opt/kavrel/kavrelapp" << int(ProgramPlatform::Posix) << "http://127.0.0.1:8000"
        << QStringList{"/opt/kavrel/kavrelapp",           "/opt/kavrel/kavrelapp.e32",
                       "/opt/kavrel/kavrelapp.e32.sh",    "http://127.0.0.1:8000/kavrelapp",
                       "/opt/kavrel/current_version.txt", "http://127.0.0.1:8000/current_version.txt"};
}

void TestReplacementScript::files()
{
    QFETCH(QString, program);
    QFETCH(int, platform);
    QFETCH(QString, base);
    QFETCH(QStringList, expected);

    const UpdateFiles files = updateFilesFor(program, base, ProgramPlatform(platform));
    QCOMPARE(QStringList({files.programFile, files.downloadedFile, files.scriptFile, files.programUrl,
                          files.versionFile, files.versionUrl}),
             expected);
}

void TestReplacementScript::baseUrl_data()
{
    QTest::addColumn<QString>("override");
    QTest::addColumn<QString>("expected");
    QTest::newRow("built in") << ""
                              << "http://updates.kavrel.example/kavrel/";
    QTest::newRow("blank override ignored") << "  "
                                            << "http://updates.kavrel.example/kavrel/";
    QTest::newRow("override gets its slash") << "http://localhost:8000"
                                             << "http://localhost:8000/";
}

void TestReplacementScript::baseUrl()
{
    QFETCH(QString, override);
    QFETCH(QString, expected);
    QCOMPARE(chooseUpdateBaseUrl(QStringLiteral("http://updates.kavrel.example/kavrel/"), override),
             expected);
}

// A stand-in program process holds its place until its input closes; the
// script must wait for it, then swap in the new file with the old file's
// permissions and clear away the downloaded file and itself. The folder's
// name carries a blank and a quote, which the script must survive.
void TestReplacementScript::shellScriptReplacesProgramAfterItEnds()
{
#ifdef Q_OS_WIN
    QSKIP("The shell script is the replacement on POSIX systems only");
#endif
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString directory = temporary.filePath(QStringLiteral("kav'rel dir"));
    QVERIFY(QDir().mkpath(directory));
    const UpdateFiles files =
        updateFilesFor(directory + "/kavrelapp", QStringLiteral("http://h/"), ProgramPlatform::Posix);
    QVERIFY(writeFile(files.programFile, "old program"));
    QVERIFY(QFile::setPermissions(files.programFile, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                         QFileDevice::ReadGroup | QFileDevice::ExeGroup));
    QVERIFY(writeFile(files.downloadedFile, "new program"));

    QProcess program;
    program.start(QStringLiteral("cat"), {});
    QVERIFY(program.waitForStarted());

    QString error;
    QVERIFY2(clearReadOnly(files.programFile, &error), qPrintable(error));
    QVERIFY(QFileInfo(files.programFile).permissions().testFlag(QFileDevice::WriteOwner));
    QVERIFY2(writeReplacementScript(files, ProgramPlatform::Posix, program.processId(), &error),
             qPrintable(error));
    QVERIFY2(startReplacementScript(files.scriptFile, &error), qPrintable(error));

    QTest::qWait(1500);
    QCOMPARE(readAll(files.programFile), QByteArray("old program"));

    program.closeWriteChannel();
    QVERIFY(program.waitForFinished());

    QTRY_COMPARE_WITH_TIMEOUT(readAll(files.programFile), QByteArray("new program"), 15000);
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(files.scriptFile), 15000);
    QVERIFY(!QFile::exists(files.downloadedFile));
    QVERIFY(!QFile::exists(files.downloadedFile + ".new"));
    const QFileDevice::Permissions permissions = QFileInfo(files.programFile).permissions();
    QVERIFY(permissions.testFlag(QFileDevice::ExeOwner));
    QVERIFY(permissions.testFlag(QFileDevice::ExeGroup));
    QVERIFY(!permissions.testFlag(QFileDevice::ExeOther));
}

void TestReplacementScript::shellScriptWithoutDownloadChangesNothing()
{
#ifdef Q_OS_WIN
    QSKIP("The shell script is the replacement on POSIX systems only");
#endif
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const UpdateFiles files =
        updateFilesFor(temporary.filePath("kavrelapp"), QStringLiteral("http://h/"), ProgramPlatform::Posix);
    QVERIFY(writeFile(files.programFile, "old program"));

    QString error;
    QVERIFY(
        writeReplacementScript(files, ProgramPlatform::Posix, QCoreApplication::applicationPid(), &error));
    QProcess script;
    script.start(QStringLiteral("/bin/sh"), {files.scriptFile});
    QVERIFY(script.waitForFinished(10000));
    QCOMPARE(script.exitCode(), 0);
    QCOMPARE(readAll(files.programFile), QByteArray("old program"));
    QVERIFY(!QFile::exists(files.scriptFile));
}

QTEST_GUILESS_MAIN(TestReplacementScript)
#include "tst_replacementscript.moc"
