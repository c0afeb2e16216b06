#include "replacementinstaller.h"

#include "files/outputfile.h"
#include "replacementscript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_WIN
#include "windowscharsetconverter.h"

#include <qt_windows.h>
#endif

namespace {

#ifndef Q_OS_WIN
// Outside Windows the batch text is only ever built for inspection; Latin-1
// stands in for both code pages there.
class Latin1Converter : public CharsetConverter
{
public:
    QByteArray toOem(const QString &text) const override { return text.toLatin1(); }
    QByteArray toAnsi(const QString &text) const override { return text.toLatin1(); }
};
#endif

QByteArray scriptText(const UpdateFiles &files, ProgramPlatform platform, qint64 processId)
{
    if (platform == ProgramPlatform::Posix) {
        return shellReplacementScript(processId, files.downloadedFile, files.programFile, files.scriptFile);
    }
#ifdef Q_OS_WIN
    const WindowsCharsetConverter charset;
#else
    const Latin1Converter charset;
#endif
    return batchReplacementScript(QDir::toNativeSeparators(files.downloadedFile),
                                  QDir::toNativeSeparators(files.programFile),
                                  QDir::toNativeSeparators(files.scriptFile), charset);
}

} // namespace

bool clearReadOnly(const QString &programFile, QString *error)
{
#ifdef Q_OS_WIN
    const QString nativePath = QDir::toNativeSeparators(programFile);
    const auto path = reinterpret_cast<const wchar_t *>(nativePath.utf16());
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || attributes == FILE_ATTRIBUTE_NORMAL) {
        return true;
    }
    if (!SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL)) {
        *error = QStringLiteral("Cannot clear the attributes of %1").arg(programFile);
        return false;
    }
    return true;
#else
    QFile program(programFile);
    const QFileDevice::Permissions permissions = program.permissions();
    if (!program.exists() || permissions.testFlag(QFileDevice::WriteOwner)) {
        return true;
    }
    if (!program.setPermissions(permissions | QFileDevice::WriteOwner)) {
        *error = program.errorString();
        return false;
    }
    return true;
#endif
}

bool writeReplacementScript(const UpdateFiles &files, ProgramPlatform platform, qint64 processId,
                            QString *error)
{
    // A script that already waits may be reading its file at this moment
    // (sh reads as it goes), so the new text replaces the file, never
    // overwrites it in place.
    QString reason;
    if (OutputFile::writeFile(files.scriptFile, scriptText(files, platform, processId), &reason))
        return true;
    *error = QStringLiteral("%1: %2").arg(files.scriptFile, reason);
    return false;
}

bool startReplacementScript(const QString &scriptFile, QString *error)
{
    QProcess process;
    process.setWorkingDirectory(QFileInfo(scriptFile).absolutePath());
#ifdef Q_OS_WIN
    process.setProgram(QStringLiteral("cmd.exe"));
    process.setNativeArguments(windowsScriptArguments(QDir::toNativeSeparators(scriptFile)));
    process.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments *arguments) { arguments->flags |= CREATE_NO_WINDOW; });
#else
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments({scriptFile});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
#endif
    if (!process.startDetached()) {
        *error = QStringLiteral("%1: %2").arg(scriptFile, process.errorString());
        return false;
    }
    return true;
}
