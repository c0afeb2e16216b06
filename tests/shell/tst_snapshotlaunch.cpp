#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int RunMs = 60000;

#ifdef Q_OS_WIN
const QString ProgramName = QStringLiteral("kavrelapp.exe");
#else
const QString ProgramName = QStringLiteral("kavrelapp");
#endif

// A copy of the program in a folder of its own, laid out as a portable copy.
bool layOutProgram(const QString &folder)
{
    const QString program = QDir(folder).filePath(ProgramName);
    return QFile::copy(QStringLiteral(KAVRELAPP_PROGRAM), program) &&
           QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
           QDir(folder).mkpath(QStringLiteral("Data")) &&
           QFile::copy(QStringLiteral(KAVREL_SAMPLE_STAND),
                       QDir(folder).filePath(QStringLiteral("Data/stand.txt")));
}

} // namespace

// kavrelapp --snapshot: the stand is opened, computed and drawn without anyone
// at the window, and every failure ends the run with a message instead of a
// dialog waiting for an answer.
class TestSnapshotLaunch : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void TestSnapshotLaunch::run_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");

    QTest::newRow("draws the stand") << QStringList{"--snapshot", "--order", "3", "Data/stand.txt"} << "" << 0
                                     << "Pictures/Situation.bmp";
    QTest::newRow("stand missing") << QStringList{"--snapshot", "Data/missing.txt"} << "" << 1
                                   << "missing.txt";
    QTest::newRow("snapshot cannot be written")
        << QStringList{"--snapshot", "Data/stand.txt"} << "Pictures/Situation.bmp/" << 1
        << "Bild konnte nicht gespeichert werden:";
    QTest::newRow("usage error") << QStringList{"--snapshot", "--order", "9", "Data/stand.txt"} << "" << 2
                                 << "usage: kavrelapp";
}

void TestSnapshotLaunch::run()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, obstacle);
    QFETCH(int, status);
    QFETCH(QString, said);

    QTemporaryDir folder;
    QVERIFY(layOutProgram(folder.path()));
    if (!obstacle.isEmpty())
        QVERIFY(QDir(folder.path()).mkpath(obstacle));

    QProcess program;
    program.setWorkingDirectory(folder.path());
    program.start(folder.filePath(ProgramName), arguments);
    QVERIFY(program.waitForFinished(RunMs));
    const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == status, qPrintable(errors));

    if (status == 0) {
        const QString snapshot = folder.filePath(said);
#ifdef Q_OS_WIN
        // The path as Windows writes it, on a line of its own there.
        QCOMPARE(output, QDir::toNativeSeparators(snapshot) + QStringLiteral("\r\n"));
#else
        QCOMPARE(output, snapshot + u'\n');
#endif
        QFile file(snapshot);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(2), QByteArray("BM"));
    } else {
        QVERIFY2(errors.contains(said), qPrintable(errors));
        QVERIFY(output.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestSnapshotLaunch)
#include "tst_snapshotlaunch.moc"
