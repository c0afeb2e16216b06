#include "update/downloadcommit.h"
#include "update/replacementinstaller.h"
#include "update/replacementscript.h"
#include "update/updatefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

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
    void percentInPathsIsKept();
    void windowsCommandLine_data();
    void windowsCommandLine();
    void files_data();
    void files();
    void baseUrl_data();
    void baseUrl();
    void shellScriptReplacesProgramAfterItEnds();
    void shellScriptWithoutDownloadChangesNothing();
    void batchScriptReplacesProgramAfterItEnds_data();
    void batchScriptReplacesProgramAfterItEnds();
    void batchScriptWithoutDownloadChangesNothing();
    void scriptIsReplacedNotRewritten();
    void commitDownloadedFile_data();
    void commitDownloadedFile();
    void leftoversOfACrashAreRemoved();
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

void TestReplacementScript::percentInPathsIsKept()
{
    const QByteArray script =
        batchReplacementScript("C:\\100%\\k.e32", "C:\\100%\\k.exe", "C:\\100%\\k.e32.bat", FakeCodePages());
    QVERIFY(script.contains("DEL \"C:\\100%%\\k.exe\"\r\n"));
    QVERIFY(script.endsWith("DEL \"C:\\100%%\\k.e32.bat\""));
}

void TestReplacementScript::windowsCommandLine_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << "C:\\Tools\\kavrelapp.e32.bat";
    QTest::newRow("blanks and brackets") << "C:\\Program Files (x86)\\Kavrel\\kavrelapp.e32.bat";
    QTest::newRow("ampersand, caret and at") << "D:\\R&D\\a^b\\@home\\kavrelapp.e32.bat";
    QTest::newRow("brackets without blanks") << "C:\\Apps(x86)\\kavrelapp.e32.bat";
}

// cmd.exe with /s strips the first and the last quote of what follows /c and
// runs the rest: that rest must be the whole path in quotes, whatever the
// path holds, since outside quotes "&", "^", "(" and ")" are commands to cmd.
void TestReplacementScript::windowsCommandLine()
{
    QFETCH(QString, path);
    const QString arguments = windowsScriptArguments(path);
    const QString prefix = QStringLiteral("/d /s /c ");
    QVERIFY(arguments.startsWith(prefix));
    QString command = arguments.mid(prefix.size());
    QVERIFY(command.startsWith(u'"') && command.endsWith(u'"'));
    command = command.mid(1, command.size() - 2);
    QCOMPARE(command, u'"' + path + u'"');
    QCOMPARE(arguments.count(u'"'), 4);
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
                                            "C:/Tools/kavrelapp.e32.part",
                                            "C:/Tools/kavrelapp.e32.bat",
                                            "http://updates.kavrel.example/kavrel/kavrelapp.exe",
                                            "http://updates.kavrel.example/kavrel/kavrelapp.exe.sig",
                                            "http://updates.kavrel.example/kavrel/current_version.txt"};
    QTest::newRow("POSIX, program without extension")
        << "/opt/kavrel/kavrelapp" << int(ProgramPlatform::Posix) << "https://127.0.0.1:8000"
        << QStringList{"/opt/kavrel/kavrelapp",
                       "/opt/kavrel/kavrelapp.e32",
                       "/opt/kavrel/kavrelapp.e32.part",
                       "/opt/kavrel/kavrelapp.e32.sh",
                       "https://127.0.0.1:8000/kavrelapp",
                       "https://127.0.0.1:8000/kavrelapp.sig",
                       "https://127.0.0.1:8000/current_version.txt"};
}

void TestReplacementScript::files()
{
    QFETCH(QString, program);
    QFETCH(int, platform);
    QFETCH(QString, base);
    QFETCH(QStringList, expected);

    const UpdateFiles files = updateFilesFor(program, base, ProgramPlatform(platform));
    QCOMPARE(QStringList({files.programFile, files.downloadedFile, files.partialFile, files.scriptFile,
                          files.programUrl, files.signatureUrl, files.versionUrl}),
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
    QCOMPARE(QDir(directory).entryList(QDir::Files), QStringList{"kavrelapp"});
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

void TestReplacementScript::batchScriptReplacesProgramAfterItEnds_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<bool>("scriptRemovesItself");
    QTest::newRow("plain") << QStringLiteral("Kavrel") << true;
    QTest::newRow("blanks") << QStringLiteral("Kav rel dir") << true;
    QTest::newRow("percent, ampersand, caret") << QStringLiteral("100% & more ^ here") << true;
    QTest::newRow("parentheses") << QStringLiteral("Programme (x86) and )(") << true;
    // The script names itself in the ANSI code page while the interpreter
    // reads it in the OEM one: outside ASCII its last line misses itself.
    QTest::newRow("letters of the OEM code page")
        << QStringLiteral("Fl\u00E4che \u00DCbersicht 100% & (x)") << false;
}

// The command interpreter runs the script as the program starts it; while
// the program's file is held (as a running program's is) the script waits,
// and once it is free the new file takes its place and the script and the
// download are cleared away.
void TestReplacementScript::batchScriptReplacesProgramAfterItEnds()
{
#ifndef Q_OS_WIN
    QSKIP("The batch script is the replacement on Windows only");
#else
    QFETCH(QString, folderName);
    QFETCH(bool, scriptRemovesItself);
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString directory = temporary.filePath(folderName);
    QVERIFY(QDir().mkpath(directory));
    const UpdateFiles files = updateFilesFor(directory + QStringLiteral("/kavrelapp.exe"),
                                             QStringLiteral("http://h/"), ProgramPlatform::Windows);
    QVERIFY(writeFile(files.programFile, "old program"));
    QVERIFY(writeFile(files.downloadedFile, "new program"));

    const QString nativeProgram = QDir::toNativeSeparators(files.programFile);
    const HANDLE running = ::CreateFileW(reinterpret_cast<const wchar_t *>(nativeProgram.utf16()), GENERIC_READ,
                                         FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    QVERIFY(running != INVALID_HANDLE_VALUE);

    QString error;
    QVERIFY2(writeReplacementScript(files, ProgramPlatform::Windows, QCoreApplication::applicationPid(), &error),
             qPrintable(error));
    QVERIFY2(startReplacementScript(files.scriptFile, &error), qPrintable(error));
    QTest::qWait(1500);
    QCOMPARE(readAll(files.programFile), QByteArray("old program"));
    ::CloseHandle(running);

    QTRY_COMPARE_WITH_TIMEOUT(readAll(files.programFile), QByteArray("new program"), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(files.downloadedFile), 20000);
    if (scriptRemovesItself) {
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(files.scriptFile), 20000);
        QCOMPARE(QDir(directory).entryList(QDir::Files), QStringList{QStringLiteral("kavrelapp.exe")});
    }
#endif
}

// A refused download leaves no downloaded file: the script then leaves the
// program alone and removes only itself.
void TestReplacementScript::batchScriptWithoutDownloadChangesNothing()
{
#ifndef Q_OS_WIN
    QSKIP("The batch script is the replacement on Windows only");
#else
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const UpdateFiles files = updateFilesFor(temporary.filePath(QStringLiteral("kavrelapp.exe")),
                                             QStringLiteral("http://h/"), ProgramPlatform::Windows);
    QVERIFY(writeFile(files.programFile, "old program"));
    QString error;
    QVERIFY2(writeReplacementScript(files, ProgramPlatform::Windows, QCoreApplication::applicationPid(), &error),
             qPrintable(error));
    QVERIFY2(startReplacementScript(files.scriptFile, &error), qPrintable(error));
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(files.scriptFile), 20000);
    QCOMPARE(readAll(files.programFile), QByteArray("old program"));
#endif
}

// A waiting sh reads its script as it goes; a second update in the same run
// must give the file a new inode rather than overwrite the one being read.
void TestReplacementScript::scriptIsReplacedNotRewritten()
{
#ifdef Q_OS_WIN
    QSKIP("The shell script and its inode are POSIX matters; the batch script is written once");
#endif
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const UpdateFiles files =
        updateFilesFor(temporary.filePath("kavrelapp"), QStringLiteral("http://h/"), ProgramPlatform::Posix);
    QString error;
    QVERIFY(writeReplacementScript(files, ProgramPlatform::Posix, 4242, &error));
    QFile firstScript(files.scriptFile);
    QVERIFY(firstScript.open(QIODevice::ReadOnly));
    const QByteArray firstText = firstScript.readAll();

    QVERIFY(writeReplacementScript(files, ProgramPlatform::Posix, 4343, &error));
    QVERIFY(firstScript.seek(0));
    QCOMPARE(firstScript.readAll(), firstText);
    QVERIFY(readAll(files.scriptFile).contains("pid=4343"));
    QCOMPARE(QDir(temporary.path()).entryList(QDir::Files), QStringList{"kavrelapp.e32.sh"});
}

void TestReplacementScript::commitDownloadedFile_data()
{
    QTest::addColumn<QByteArray>("partial");
    QTest::addColumn<qint64>("received");
    QTest::addColumn<bool>("committed");
    QTest::newRow("whole download") << QByteArray("new program") << qint64(11) << true;
    QTest::newRow("file shorter than received") << QByteArray("new prog") << qint64(11) << false;
    QTest::newRow("file longer than received") << QByteArray("new program!") << qint64(11) << false;
}

// An earlier verified download stays in place until a new one is whole.
void TestReplacementScript::commitDownloadedFile()
{
    QFETCH(QByteArray, partial);
    QFETCH(qint64, received);
    QFETCH(bool, committed);

    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const UpdateFiles files =
        updateFilesFor(temporary.filePath("kavrelapp"), QStringLiteral("http://h/"), ProgramPlatform::Posix);
    QVERIFY(writeFile(files.downloadedFile, "earlier update"));
    QVERIFY(writeFile(files.partialFile, partial));

    QString error;
    QCOMPARE(::commitDownloadedFile(files.partialFile, files.downloadedFile, received, &error), committed);
    QCOMPARE(readAll(files.downloadedFile), committed ? partial : QByteArray("earlier update"));
    QCOMPARE(QFile::exists(files.partialFile), !committed);
    QCOMPARE(error.isEmpty(), committed);
}

void TestReplacementScript::leftoversOfACrashAreRemoved()
{
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const UpdateFiles files =
        updateFilesFor(temporary.filePath("kavrelapp"), QStringLiteral("http://h/"), ProgramPlatform::Posix);
    for (const QString &file : {files.programFile, files.downloadedFile, files.scriptFile, files.partialFile,
                                files.scriptFile + ".part"}) {
        QVERIFY(writeFile(file, "x"));
    }
    removeUpdateLeftovers(files);
    QCOMPARE(QDir(temporary.path()).entryList(QDir::Files),
             QStringList({"kavrelapp", "kavrelapp.e32", "kavrelapp.e32.sh"}));
}

QTEST_GUILESS_MAIN(TestReplacementScript)
#include "tst_replacementscript.moc"
