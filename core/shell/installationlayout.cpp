#include "installationlayout.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString DataFolderName = QStringLiteral("Data");
const QString SharedDataPath = QStringLiteral("../share/kavrel");
const QString PackageMarker = QStringLiteral("package-managed");
const QString SnapshotFile = QStringLiteral("Situation.bmp");

bool holdsData(const QString &folder)
{
    return QFileInfo(QDir(folder).filePath(DataFolderName)).isDir();
}

// A folder that does not exist yet counts as writable when its parent is.
bool mayWriteIn(const QString &folder)
{
    QFileInfo info(folder);
    while (!info.exists()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            return false;
        info = QFileInfo(parent);
    }
    return info.isDir() && info.isWritable();
}

} // namespace

InstallationLayout::InstallationLayout(const QString &programFolder) : m_dataFolder(programFolder)
{
    if (holdsData(programFolder))
        return;
    const QString shared = QDir::cleanPath(QDir(programFolder).filePath(SharedDataPath));
    if (holdsData(shared))
        m_dataFolder = shared;
}

bool InstallationLayout::isPackageManaged() const
{
    return isSharedDataFolder(m_dataFolder) && QFileInfo(QDir(m_dataFolder).filePath(PackageMarker)).isFile();
}

bool InstallationLayout::isSharedDataFolder(const QString &folder)
{
    const QFileInfo info(QDir::cleanPath(QDir(folder).absolutePath()));
    return info.fileName() == QLatin1String("kavrel") &&
           QFileInfo(info.absolutePath()).fileName() == QLatin1String("share");
}

QString snapshotPathFor(const QString &installationFolder, const QString &userPicturesFolder)
{
    const QString ownPictures = QDir(installationFolder).filePath(QStringLiteral("Pictures"));
    if (!InstallationLayout::isSharedDataFolder(installationFolder) && mayWriteIn(ownPictures))
        return QDir(ownPictures).filePath(SnapshotFile);
    return QDir(userPicturesFolder).filePath(SnapshotFile);
}

QString userPicturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}
