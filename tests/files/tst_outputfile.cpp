#include "files/filesystemname.h"
#include "files/outputfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

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

mode_t typeOf(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

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
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("script.sh"));
    put(path, "old");
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0751) == 0);
    QVERIFY(OutputFile::writeFile(path, "new", nullptr));
    struct stat status;
    QVERIFY(::stat(QFile::encodeName(path).constData(), &status) == 0);
    QCOMPARE(status.st_mode & 07777, mode_t(0751));
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
}

void TestOutputFile::writesIntoNamedPipeInPlace()
{
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
}

void TestOutputFile::refusesPipeWithoutReaderAtOnce()
{
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe.svg"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QString error;
    QVERIFY(!OutputFile::writeFile(pipe, "nobody reads this", &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(typeOf(pipe), mode_t(S_IFIFO));
}

// Without care the process would end on SIGPIPE here.
void TestOutputFile::failsWhenPipeReaderGoesAway()
{
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
}

void TestOutputFile::refusesWhatItMustNotReplace_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("socket") << QStringLiteral("socket");
    QTest::newRow("link to a folder") << QStringLiteral("link");
    QTest::newRow("missing folder on the way") << QStringLiteral("missing");
}

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
}

void TestOutputFile::writesNameByteForByte()
{
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
}

QTEST_GUILESS_MAIN(TestOutputFile)
#include "tst_outputfile.moc"
