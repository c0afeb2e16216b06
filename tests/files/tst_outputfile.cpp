#include "files/filesystemname.h"
#include "files/outputfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

#ifndef Q_OS_WIN
mode_t typeOf(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}
#endif

// Left-over temporary files would pile up beside the user's results.
QStringList entriesOf(const QTemporaryDir &folder)
{
    return QDir(folder.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestOutputFile : public QObject
{
    Q_OBJECT

private slots:
    void writesNewAndReplacesRegularFiles_data();
    void writesNewAndReplacesRegularFiles();
    void keepsPermissionsOfReplacedFile();
    void writesThroughSymbolicLinks_data();
    void writesThroughSymbolicLinks();
    void writesIntoNamedPipeInPlace();
    void writesThroughInheritedDescriptor_data();
    void writesThroughInheritedDescriptor();
    void refusesPipeWithoutReaderAtOnce();
    void failsWhenPipeReaderGoesAway();
    void refusesWhatItMustNotReplace_data();
    void refusesWhatItMustNotReplace();
    void discardedWriteKeepsOldContent();
    void readOnlyFolderKeepsOldContent();
    void writesNameByteForByte();
    void writesNameInLettersOfAnyCodePage();
    void writesNullDeviceInPlace();
};

void TestOutputFile::writesNewAndReplacesRegularFiles_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("new file") << false;
    QTest::newRow("existing file") << true;
}

void TestOutputFile::writesNewAndReplacesRegularFiles()
{
    QFETCH(bool, exists);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.svg"));
    if (exists)
        put(path, "old content that is longer than the new one");
    QString error;
    QVERIFY2(OutputFile::writeFile(path, "new", &error), qPrintable(error));
    QCOMPARE(contentOf(path), QByteArray("new"));
    QCOMPARE(entriesOf(folder), QStringList{QStringLiteral("out.svg")});
}

void TestOutputFile::keepsPermissionsOfReplacedFile()
{
#ifdef Q_OS_WIN
    QSKIP("POSIX permission bits; ReplaceFileW keeps the attributes on Windows");
#else
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("script.sh"));
    put(path, "old");
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0751) == 0);
    QVERIFY(OutputFile::writeFile(path, "new", nullptr));
    struct stat status;
    QVERIFY(::stat(QFile::encodeName(path).constData(), &status) == 0);
    QCOMPARE(status.st_mode & 07777, mode_t(0751));
#endif
}

void TestOutputFile::writesThroughSymbolicLinks_data()
{
    QTest::addColumn<QString>("linkTarget");
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("relative, existing") << QStringLiteral("real.svg") << true;
    QTest::newRow("relative, dangling") << QStringLiteral("real.svg") << false;
    QTest::newRow("chain of links") << QStringLiteral("second-link") << true;
}

void TestOutputFile::writesThroughSymbolicLinks()
{
#ifdef Q_OS_WIN
    QSKIP("symbolic links need a privilege on Windows");
#else
    QFETCH(QString, linkTarget);
    QFETCH(bool, targetExists);
    QTemporaryDir folder;
    const QString real = folder.filePath(QStringLiteral("real.svg"));
    if (targetExists)
        put(real, "old");
    QVERIFY(QFile::link(QStringLiteral("real.svg"), folder.filePath(QStringLiteral("second-link"))));
    const QString link = folder.filePath(QStringLiteral("link.svg"));
    QVERIFY(::symlink(QFile::encodeName(linkTarget).constData(), QFile::encodeName(link).constData()) == 0);

    QString error;
    QVERIFY2(OutputFile::writeFile(link, "new", &error), qPrintable(error));
    QCOMPARE(typeOf(link), mode_t(S_IFLNK));
    QCOMPARE(typeOf(real), mode_t(S_IFREG));
    QCOMPARE(contentOf(real), QByteArray("new"));
#endif
}

void TestOutputFile::writesIntoNamedPipeInPlace()
{
#ifdef Q_OS_WIN
    QSKIP("POSIX named pipes (FIFOs) only");
#else
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe.svg"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    const int reader = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);

    OutputFile file(pipe);
    QVERIFY2(file.open(), qPrintable(file.errorString()));
    QVERIFY(file.writesInPlace());
    QVERIFY(file.write("through the pipe"));
    QVERIFY2(file.commit(), qPrintable(file.errorString()));

    char buffer[64] = {};
    const ssize_t got = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    QCOMPARE(QByteArray(buffer, int(got)), QByteArray("through the pipe"));
    QCOMPARE(typeOf(pipe), mode_t(S_IFIFO));
    QCOMPARE(entriesOf(folder), QStringList{QStringLiteral("pipe.svg")});
#endif
}

// /dev/stdout and /dev/fd/N lead to /proc/self/fd/N, whose link text for a
// pipe ("pipe:[…]") is no path: the descriptor itself is written, at its
// offset, so a file opened for appending keeps what it held.
void TestOutputFile::writesThroughInheritedDescriptor_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("pipe by /dev/fd") << true << QStringLiteral("/dev/fd/");
    QTest::newRow("pipe by /proc/self/fd") << true << QStringLiteral("/proc/self/fd/");
    QTest::newRow("appended file by /dev/fd") << false << QStringLiteral("/dev/fd/");
}

void TestOutputFile::writesThroughInheritedDescriptor()
{
#ifdef Q_OS_WIN
    QSKIP("/dev/fd and /proc/self/fd name descriptors on POSIX systems only");
#else
    QFETCH(bool, pipe);
    QFETCH(QString, prefix);
    if (!QFileInfo::exists(QStringLiteral("/proc/self/fd")))
        QSKIP("this system has no /proc/self/fd");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("log.csv"));
    int ends[2] = {-1, -1};
    if (pipe) {
        QVERIFY(::pipe(ends) == 0);
    } else {
        put(path, "kept\n");
        ends[1] = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND);
        QVERIFY(ends[1] >= 0);
    }
    OutputFile file(prefix + QString::number(ends[1]));
    const bool opened = file.open();
    const bool written = opened && file.write("through the descriptor") && file.commit();
    ::close(ends[1]);
    QVERIFY2(written, qPrintable(file.errorString()));
    QVERIFY(file.writesInPlace());
    if (pipe) {
        char buffer[64] = {};
        const ssize_t got = ::read(ends[0], buffer, sizeof buffer);
        ::close(ends[0]);
        QCOMPARE(QByteArray(buffer, int(got)), QByteArray("through the descriptor"));
    } else {
        QCOMPARE(contentOf(path), QByteArray("kept\nthrough the descriptor"));
    }
#endif
}

void TestOutputFile::refusesPipeWithoutReaderAtOnce()
{
#ifdef Q_OS_WIN
    QSKIP("POSIX named pipes (FIFOs) only");
#else
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe.svg"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QString error;
    QVERIFY(!OutputFile::writeFile(pipe, "nobody reads this", &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(typeOf(pipe), mode_t(S_IFIFO));
#endif
}

// Without care the process would end on SIGPIPE here.
void TestOutputFile::failsWhenPipeReaderGoesAway()
{
#ifdef Q_OS_WIN
    QSKIP("POSIX named pipes (FIFOs) and SIGPIPE only");
#else
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe.svg"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    const int reader = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    OutputFile file(pipe);
    QVERIFY2(file.open(), qPrintable(file.errorString()));
    ::close(reader);
    file.write(QByteArray(100000, 'x'));
    QVERIFY(!file.commit());
    QVERIFY(!file.errorString().isEmpty());
    QCOMPARE(typeOf(pipe), mode_t(S_IFIFO));
#endif
}

void TestOutputFile::refusesWhatItMustNotReplace_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("missing folder on the way") << QStringLiteral("missing");
#ifdef Q_OS_WIN
    QTest::newRow("read-only file") << QStringLiteral("read-only");
    QTest::newRow("file held open without sharing") << QStringLiteral("locked");
#else
    QTest::newRow("socket") << QStringLiteral("socket");
    QTest::newRow("link to a folder") << QStringLiteral("link");
#endif
}

#ifdef Q_OS_WIN
// A read-only file, or one another program holds open without sharing, is
// refused as the command interpreter's ">" refuses it, and keeps its content.
void TestOutputFile::refusesWhatItMustNotReplace()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("target"));
    HANDLE holder = INVALID_HANDLE_VALUE;
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("target")));
    } else if (kind == QLatin1String("missing")) {
        path = folder.filePath(QStringLiteral("missing/target"));
    } else {
        put(path, "old");
        const QString native = QDir::toNativeSeparators(path);
        const auto wide = reinterpret_cast<const wchar_t *>(native.utf16());
        if (kind == QLatin1String("read-only")) {
            QVERIFY(::SetFileAttributesW(wide, FILE_ATTRIBUTE_READONLY));
        } else {
            holder = ::CreateFileW(wide, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            QVERIFY(holder != INVALID_HANDLE_VALUE);
        }
    }

    QString error;
    const bool written = OutputFile::writeFile(path, "content", &error);
    if (holder != INVALID_HANDLE_VALUE)
        ::CloseHandle(holder);
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    if (kind == QLatin1String("folder"))
        QVERIFY(QFileInfo(path).isDir());
    if (kind == QLatin1String("read-only") || kind == QLatin1String("locked")) {
        QCOMPARE(contentOf(path), QByteArray("old"));
        QCOMPARE(entriesOf(folder), QStringList{QStringLiteral("target")});
    }
    if (kind == QLatin1String("read-only"))
        ::SetFileAttributesW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                             FILE_ATTRIBUTE_NORMAL);
}
#else
void TestOutputFile::refusesWhatItMustNotReplace()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("target"));
    mode_t expectedType = 0;
    int socketDescriptor = -1;
    if (kind == QLatin1String("folder") || kind == QLatin1String("link")) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("target")));
        expectedType = S_IFDIR;
        if (kind == QLatin1String("link")) {
            path = folder.filePath(QStringLiteral("link"));
            QVERIFY(QFile::link(QStringLiteral("target"), path));
            expectedType = S_IFLNK;
        }
    } else if (kind == QLatin1String("socket")) {
        socketDescriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        if (name.size() >= qsizetype(sizeof address.sun_path))
            QSKIP("temporary folder too deep for a socket name");
        std::copy(name.begin(), name.end(), address.sun_path);
        QVERIFY(::bind(socketDescriptor, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
        expectedType = S_IFSOCK;
    } else {
        path = folder.filePath(QStringLiteral("missing/target"));
    }

    QString error;
    const bool written = OutputFile::writeFile(path, "content", &error);
    if (socketDescriptor >= 0)
        ::close(socketDescriptor);
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(typeOf(path), expectedType);
}
#endif

void TestOutputFile::discardedWriteKeepsOldContent()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.csv"));
    put(path, "old");
    {
        OutputFile file(path);
        QVERIFY(file.open());
        QVERIFY(file.write("half a result"));
    }
    QCOMPARE(contentOf(path), QByteArray("old"));
    QCOMPARE(entriesOf(folder), QStringList{QStringLiteral("out.csv")});
}

void TestOutputFile::readOnlyFolderKeepsOldContent()
{
#ifdef Q_OS_WIN
    QSKIP("POSIX folder permissions; see refusesWhatItMustNotReplace for Windows");
#else
    if (::geteuid() == 0)
        QSKIP("the superuser writes into read-only folders");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.svg"));
    put(path, "old");
    QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0555) == 0);
    QString error;
    const bool written = OutputFile::writeFile(path, "new", &error);
    ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(contentOf(path), QByteArray("old"));
    QCOMPARE(entriesOf(folder), QStringList{QStringLiteral("out.svg")});
#endif
}

void TestOutputFile::writesNameByteForByte()
{
#ifdef Q_OS_WIN
    QSKIP("Windows names are UTF-16, not bytes");
#else
    QTemporaryDir folder;
    const QByteArray name = QFile::encodeName(folder.path()) + "/out\xff.svg";
    QVERIFY(OutputFile::writeFile(fileNameFromNative(name), "svg", nullptr));
    const int descriptor = ::open(name.constData(), O_RDONLY);
    const bool opened = descriptor >= 0;
    if (opened)
        ::close(descriptor);
    // Qt's own directory listing cannot remove such a name.
    ::unlink(name.constData());
    QVERIFY(opened);
#endif
}

// Letters outside the Windows ANSI code page must reach the wide API intact.
void TestOutputFile::writesNameInLettersOfAnyCodePage()
{
    QTemporaryDir folder;
    const QString name = QStringLiteral("Fl\u00E4che \u0141\u00F3d\u017A \u20AC.csv");
    QVERIFY(OutputFile::writeFile(folder.filePath(name), "csv", nullptr));
    QCOMPARE(entriesOf(folder), QStringList{name});
    QCOMPARE(contentOf(folder.filePath(name)), QByteArray("csv"));
}

// The null device is written in place, never replaced by a file.
void TestOutputFile::writesNullDeviceInPlace()
{
#ifdef Q_OS_WIN
    const QString device = QStringLiteral("NUL");
#else
    const QString device = QStringLiteral("/dev/null");
#endif
    OutputFile file(device);
    QVERIFY2(file.open(), qPrintable(file.errorString()));
    QVERIFY(file.writesInPlace());
    QVERIFY(file.write("discarded"));
    QVERIFY2(file.commit(), qPrintable(file.errorString()));
#ifndef Q_OS_WIN
    QCOMPARE(typeOf(device), mode_t(S_IFCHR));
#endif
}

QTEST_GUILESS_MAIN(TestOutputFile)
#include "tst_outputfile.moc"
