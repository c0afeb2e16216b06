#pragma once

#include <QString>

enum class ProgramPlatform
{
    Windows,
    Posix
};

ProgramPlatform currentPlatform();

// The files and addresses one update works with, all beside the program.
// N is the program's file name without its extension: on Windows the program
// is N.exe and comes from base + N + ".exe"; on POSIX systems the program
// file has no extension, so it is N itself and comes from base + N. The
// downloaded file is N.e32, the script N.e32.bat (Windows) or N.e32.sh.
//
// A download is written under a name of its own (N.e32.part) and becomes
// N.e32, the file the script installs, only when it is complete and its
// signature holds, in one rename. The signature is published beside the
// program file, at its address + ".sig". The version file is only read,
// never stored.
struct UpdateFiles
{
    QString programFile;
    QString downloadedFile;
    QString partialFile;
    QString scriptFile;
    QString programUrl;
    QString signatureUrl;
    QString versionUrl;
};

UpdateFiles updateFilesFor(const QString &programFile, const QString &baseUrl, ProgramPlatform platform);

// The update server's directory: the build setting, unless the environment
// variable KAVREL_UPDATE_URL names another one. Always ends in "/".
QString UpdateBaseUrl();
QString chooseUpdateBaseUrl(const QString &builtIn, const QString &override);

// The build settings that guard installing: the public key that release
// signatures are checked with (empty when the build has none) and the
// largest program file accepted.
QByteArray UpdatePublicKey();
qint64 UpdateProgramSizeLimit();
