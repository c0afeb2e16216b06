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
struct UpdateFiles
{
    QString programFile;
    QString downloadedFile;
    QString scriptFile;
    QString programUrl;
    QString versionFile;
    QString versionUrl;
};

UpdateFiles updateFilesFor(const QString &programFile, const QString &baseUrl, ProgramPlatform platform);

// The update server's directory: the build setting, unless the environment
// variable KAVREL_UPDATE_URL names another one. Always ends in "/".
QString UpdateBaseUrl();
QString chooseUpdateBaseUrl(const QString &builtIn, const QString &override);
