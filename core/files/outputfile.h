#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>
#ifndef Q_OS_WIN
#include <sys/types.h>
#endif

class BrokenPipeGuard;

// Every file the program and the tool write goes through here, so a result
// lands where the user pointed, the way the shell's ">" would put it:
// - a regular file (or a new one) is written beside the target and renamed
//   over it only when complete, so a failed write keeps the old content; the
//   old file's permissions are kept;
// - a named pipe or a character device is written in place and never
//   replaced (a pipe without a reader is refused rather than waited for, and
//   one whose reader goes away fails the write);
// - a symbolic link is followed to its target and stays a link;
// - /dev/stdout, /dev/stderr, /dev/fd/N (a descriptor of this process) are
//   written through that descriptor, wherever it leads;
// - anything else (a folder, a block device, a socket) is refused.
// Names are taken as fileNameFromNative() gives them, byte for byte.
// On Windows (outputfile_win.cpp) names go to the wide API as they are; a
// file is replaced with its attributes kept, a character device (NUL, CON,
// COM1) or a named pipe is written in place, and a read-only file or one
// that another process holds open is refused with the old content kept.
class OutputFile
{
public:
    explicit OutputFile(const QString &path);
    ~OutputFile();

    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Prepares the target; false with errorString() when it cannot be written.
    bool open();
    // Where to write between open() and commit().
    QIODevice *device();
    bool write(const QByteArray &bytes);
    // Puts the written content in place; false (and the target as it was,
    // for a regular file) when anything on the way failed.
    bool commit();
    // Drops what was written; a regular target keeps its old content.
    void discard();

    QString errorString() const { return m_error; }
    // True when the target is written in place (a pipe or device).
    bool writesInPlace() const { return m_inPlace; }

    // The whole content in one call; the reason lands in *error.
    static bool writeFile(const QString &path, const QByteArray &content, QString *error);

private:
    // The platform's part of open() and commit(): prepares the named target,
    // and puts the flushed and closed content in place.
    bool openTarget();
    bool putInPlace();
#ifdef Q_OS_WIN
    bool openInPlace(void *handle);
    bool openReplacement(bool replacesFile);
    bool attachDescriptor(void *handle);
    bool failWithSystemError(unsigned long error);
#else
    bool resolveTarget();
    bool openInPlace();
    bool openInherited();
    bool writeInPlace();
    bool openReplacement(bool replacesFile, uid_t owner, gid_t group, mode_t mode);
    bool failWithErrno(int error);
#endif
    bool fail(const QString &reason);
    void closeDescriptor();

    QString m_path;
#ifdef Q_OS_WIN
    QString m_target;
    QString m_temporary;
    bool m_replacesFile = false;
#else
    QByteArray m_target; // symbolic links followed
    QByteArray m_temporary;
#endif
    QFile m_file;
    // While a pipe is written: a reader that goes away is an error of this
    // file, not the end of the process.
    std::unique_ptr<BrokenPipeGuard> m_pipeGuard;
    int m_descriptor = -1;
    int m_inherited = -1; // the descriptor behind /dev/stdout and its kind
    bool m_inPlace = false;
    QString m_error;
};
