#pragma once

#include <QString>

// Where the program finds what it reads and may put what it writes. In the
// build tree and in a portable copy the program keeps Data, Icons and
// Pictures in its own folder; installed under a prefix it runs from
// <prefix>/bin and reads its data from <prefix>/share/kavrel, a folder
// that is not the user's to write in.
class InstallationLayout
{
public:
    explicit InstallationLayout(const QString &programFolder);

    // The folder that holds Data and Icons: the program's own folder when
    // Data lies beside the program, else <prefix>/share/kavrel when that
    // holds Data, else the program's own folder.
    QString dataFolder() const { return m_dataFolder; }

    // True when a package manager installed the program: the package's
    // marker lies in the shared data folder.
    bool isPackageManaged() const;

    // True for <prefix>/share/kavrel, a folder shared by every user.
    static bool isSharedDataFolder(const QString &folder);

private:
    QString m_dataFolder;
};

// The snapshot's file: Pictures/Situation.bmp in the installation folder when
// that is the program's own folder and may be written to, else Situation.bmp
// in the user's pictures folder.
QString snapshotPathFor(const QString &installationFolder, const QString &userPicturesFolder);

// The user's pictures folder (the home folder when the system names none).
QString userPicturesFolder();
