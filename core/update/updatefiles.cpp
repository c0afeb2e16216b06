#include "updatefiles.h"

#include "updatesettings.h"

#include <QFileInfo>

namespace {

const QString VersionFileName = QStringLiteral("current_version.txt");

QString withTrailingSlash(QString url)
{
    if (!url.endsWith(u'/')) {
        url += u'/';
    }
    return url;
}

} // namespace

ProgramPlatform currentPlatform()
{
#ifdef Q_OS_WIN
    return ProgramPlatform::Windows;
#else
    return ProgramPlatform::Posix;
#endif
}

UpdateFiles updateFilesFor(const QString &programFile, const QString &baseUrl, ProgramPlatform platform)
{
    const QFileInfo program(programFile);
    const QString directory = program.path() + u'/';
    const QString base = withTrailingSlash(baseUrl);
    const bool windows = platform == ProgramPlatform::Windows;
    const QString name = windows ? program.completeBaseName() : program.fileName();

    UpdateFiles files;
    files.programFile = windows ? directory + name + QStringLiteral(".exe") : directory + name;
    files.downloadedFile = directory + name + QStringLiteral(".e32");
    files.partialFile = files.downloadedFile + QStringLiteral(".part");
    files.scriptFile = files.downloadedFile + (windows ? QStringLiteral(".bat") : QStringLiteral(".sh"));
    files.programUrl = base + name + (windows ? QStringLiteral(".exe") : QString());
    files.signatureUrl = files.programUrl + QStringLiteral(".sig");
    files.versionUrl = base + VersionFileName;
    return files;
}

QString chooseUpdateBaseUrl(const QString &builtIn, const QString &override)
{
    return withTrailingSlash(override.trimmed().isEmpty() ? builtIn : override.trimmed());
}

QString UpdateBaseUrl()
{
    return chooseUpdateBaseUrl(QStringLiteral(KAVREL_UPDATE_BASE_URL),
                               qEnvironmentVariable("KAVREL_UPDATE_URL"));
}

QByteArray UpdatePublicKey()
{
    return QByteArrayLiteral(KAVREL_UPDATE_PUBLIC_KEY);
}

qint64 UpdateProgramSizeLimit()
{
    return qint64(KAVREL_UPDATE_MAX_PROGRAM_SIZE);
}
