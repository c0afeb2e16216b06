#include "shell/installationlayout.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool makeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

// Lays out the given folders and files (relative paths; a trailing "/" makes
// a folder) below root.
bool layOut(const QString &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString path = QDir(root).filePath(entry);
        if (entry.endsWith(u'/') ? !QDir().mkpath(path) : !makeFile(path))
            return false;
    }
    return true;
}

} // namespace

class TestInstallationLayout : public QObject
{
    Q_OBJECT

private slots:
    void dataFolder_data();
    void dataFolder();
    void packageManaged_data();
    void packageManaged();
    void snapshotPath_data();
    void snapshotPath();
    void snapshotLeavesAReadOnlyProgramFolder();
};

void TestInstallationLayout::dataFolder_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("expected");

    QTest::newRow("build tree and portable copy") << QStringList{"bin/Data/", "bin/Icons/"} << "bin";
    QTest::newRow("installed under a prefix") << QStringList{"bin/", "share/kavrel/Data/"} << "share/kavrel";
    QTest::newRow("own Data comes first") << QStringList{"bin/Data/", "share/kavrel/Data/"} << "bin";
    QTest::newRow("shared folder without Data") << QStringList{"bin/", "share/kavrel/Icons/"} << "bin";
    QTest::newRow("nothing anywhere") << QStringList{"bin/"} << "bin";
}

void TestInstallationLayout::dataFolder()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QVERIFY(layOut(root.path(), entries));
    const InstallationLayout layout(root.filePath(QStringLiteral("bin")));
    QCOMPARE(QDir(layout.dataFolder()).canonicalPath(), QDir(root.filePath(expected)).canonicalPath());
}

void TestInstallationLayout::packageManaged_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("managed");

    QTest::newRow("package's installation")
        << QStringList{"bin/", "share/kavrel/Data/", "share/kavrel/package-managed"} << true;
    QTest::newRow("installed by hand under a prefix") << QStringList{"bin/", "share/kavrel/Data/"} << false;
    // Only a shared installation can be a package's; a marker copied into a
    // portable folder does not hand the folder's updates to anyone.
    QTest::newRow("portable copy with a marker") << QStringList{"bin/Data/", "bin/package-managed"} << false;
    QTest::newRow("marker that is a folder")
        << QStringList{"bin/", "share/kavrel/Data/", "share/kavrel/package-managed/"} << false;
}

void TestInstallationLayout::packageManaged()
{
    QFETCH(QStringList, entries);
    QFETCH(bool, managed);

    QTemporaryDir root;
    QVERIFY(layOut(root.path(), entries));
    QCOMPARE(InstallationLayout(root.filePath(QStringLiteral("bin"))).isPackageManaged(), managed);
}

void TestInstallationLayout::snapshotPath_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("installation");
    QTest::addColumn<QString>("expected");

    QTest::newRow("own folder, Pictures made when needed") << QStringList{"app/Data/"} << "app"
                                                           << "app/Pictures/Situation.bmp";
    QTest::newRow("own folder with Pictures") << QStringList{"app/Pictures/"} << "app"
                                              << "app/Pictures/Situation.bmp";
    QTest::newRow("shared data folder, even one that may be written")
        << QStringList{"usr/share/kavrel/Data/"} << "usr/share/kavrel"
        << "home/Pictures/Situation.bmp";
    QTest::newRow("Pictures is a file") << QStringList{"app/Pictures"} << "app"
                                        << "home/Pictures/Situation.bmp";
}

void TestInstallationLayout::snapshotPath()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, installation);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QVERIFY(layOut(root.path(), entries));
    QCOMPARE(snapshotPathFor(root.filePath(installation), root.filePath(QStringLiteral("home/Pictures"))),
             root.filePath(expected));
}

void TestInstallationLayout::snapshotLeavesAReadOnlyProgramFolder()
{
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("app"));
    QVERIFY(layOut(root.path(), {"app/Data/"}));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard([&program] {
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (QFileInfo(program).isWritable())
        QSKIP("this user may write in any folder");

    QCOMPARE(snapshotPathFor(program, root.filePath(QStringLiteral("home/Pictures"))),
             root.filePath(QStringLiteral("home/Pictures/Situation.bmp")));
}

QTEST_GUILESS_MAIN(TestInstallationLayout)
#include "tst_installationlayout.moc"
