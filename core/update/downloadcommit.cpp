#include "downloadcommit.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <qt_windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#endif

namespace {

bool flushToDisk(QFile &file)
{
#ifdef Q_OS_WIN
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
#else
    return ::fsync(file.handle()) == 0;
#endif
}

} // namespace

bool replaceFileAtomically(const QString &from, const QString &to, QString *error)
{
#ifdef Q_OS_WIN
    const QString nativeFrom = QDir::toNativeSeparators(from);
    const QString nativeTo = QDir::toNativeSeparators(to);
    if (!MoveFileExW(reinterpret_cast<const wchar_t *>(nativeFrom.utf16()),
                     reinterpret_cast<const wchar_t *>(nativeTo.utf16()),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        *error = QStringLiteral("Cannot rename %1 to %2").arg(from, to);
        return false;
    }
#else
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        *error = QStringLiteral("Cannot rename %1 to %2: %3")
                     .arg(from, to, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
#endif
    return true;
}

bool commitDownloadedFile(const QString &partialFile, const QString &downloadedFile, qint64 bytesReceived,
                          QString *error)
{
    QFile partial(partialFile);
    if (!partial.open(QIODevice::ReadWrite)) {
        *error = QStringLiteral("%1: %2").arg(partialFile, partial.errorString());
        return false;
    }
    if (partial.size() != bytesReceived) {
        *error = QStringLiteral("%1 holds %2 bytes instead of the %3 received")
                     .arg(partialFile)
                     .arg(partial.size())
                     .arg(bytesReceived);
        return false;
    }
    if (!flushToDisk(partial)) {
        *error = QStringLiteral("%1 cannot be written to the disk").arg(partialFile);
        return false;
    }
    partial.close();
    return replaceFileAtomically(partialFile, downloadedFile, error);
}

void removeUpdateLeftovers(const UpdateFiles &files)
{
    QFile::remove(files.partialFile);
    QFile::remove(files.scriptFile + QStringLiteral(".part"));
}
