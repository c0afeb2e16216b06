#include "outputfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <qt_windows.h>

// Windows raises no signal for a pipe whose reader went away: the write
// fails (ERROR_NO_DATA), and so does this file.
class BrokenPipeGuard
{
};

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("OutputFile", text);
}

const wchar_t *wide(const QString &path)
{
    return reinterpret_cast<const wchar_t *>(path.utf16());
}

QString folderOf(const QString &path)
{
    const qsizetype separator = path.lastIndexOf(QLatin1Char('\\'));
    if (separator < 0)
        return QStringLiteral(".");
    // "C:\" and "\" stay folders of their own.
    if (separator == 0 || (separator == 2 && path.at(1) == QLatin1Char(':')))
        return path.left(separator + 1);
    return path.left(separator);
}

QString withSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('\\')) ? folder : folder + QLatin1Char('\\');
}

} // namespace

OutputFile::OutputFile(const QString &path) : m_path(path) {}

OutputFile::~OutputFile()
{
    discard();
}

bool OutputFile::openTarget()
{
    m_target = QDir::toNativeSeparators(m_path);
    const DWORD attributes = ::GetFileAttributesW(wide(m_target));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return fail(translated("Das ist ein Ordner."));
    // Opened as it is, whatever it is: NUL and CON have no attributes to ask
    // for, and only the open handle tells a device or pipe from a file. A
    // read-only file, or one that another process holds open for writing
    // without sharing, is refused here as the shell's ">" refuses it.
    const HANDLE handle = ::CreateFileW(wide(m_target), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return openReplacement(false);
        return failWithSystemError(error);
    }
    const DWORD type = ::GetFileType(handle);
    if (type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE)
        return openInPlace(handle);
    ::CloseHandle(handle);
    if (type != FILE_TYPE_DISK)
        return fail(translated("Das ist weder eine gewöhnliche Datei noch eine benannte Pipe oder ein "
                               "Zeichengerät; es wird nicht ersetzt."));
    return openReplacement(true);
}

bool OutputFile::putInPlace()
{
    if (!m_inPlace && !::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(m_descriptor)))) {
        const DWORD error = ::GetLastError();
        discard();
        return failWithSystemError(error);
    }
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    if (::_close(descriptor) != 0) {
        const int error = errno;
        discard();
        return fail(qt_error_string(error));
    }
    if (m_inPlace)
        return true;
    // ReplaceFileW keeps the old file's attributes, security and short name;
    // a new file is simply moved into place.
    const bool replaced =
        m_replacesFile ? ::ReplaceFileW(wide(m_target), wide(m_temporary), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                        nullptr, nullptr)
                       : ::MoveFileExW(wide(m_temporary), wide(m_target), MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
        const DWORD error = ::GetLastError();
        discard();
        return failWithSystemError(error);
    }
    m_temporary.clear();
    return true;
}

void OutputFile::discard()
{
    if (m_file.isOpen())
        m_file.close();
    closeDescriptor();
    m_pipeGuard.reset();
    if (!m_temporary.isEmpty()) {
        ::DeleteFileW(wide(m_temporary));
        m_temporary.clear();
    }
}

bool OutputFile::openInPlace(void *handle)
{
    m_inPlace = true;
    return attachDescriptor(handle);
}

bool OutputFile::openReplacement(bool replacesFile)
{
    m_inPlace = false;
    m_replacesFile = replacesFile;
    const QString folder = withSeparator(folderOf(m_target));
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; handle == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        const QString name = folder + QStringLiteral(".kavrel-") +
                             QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".tmp");
        handle = ::CreateFileW(wide(name), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE)
            m_temporary = name;
        else if (::GetLastError() != ERROR_FILE_EXISTS)
            return failWithSystemError(::GetLastError());
    }
    if (handle == INVALID_HANDLE_VALUE)
        return failWithSystemError(ERROR_FILE_EXISTS);
    if (!attachDescriptor(handle)) {
        discard();
        return false;
    }
    return true;
}

// The handle becomes a C runtime descriptor (which owns it from then on) for
// QFile to write through.
bool OutputFile::attachDescriptor(void *handle)
{
    const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (descriptor < 0) {
        ::CloseHandle(handle);
        return fail(qt_error_string(errno));
    }
    m_descriptor = descriptor;
    if (!m_file.open(descriptor, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        const QString reason = m_file.errorString();
        closeDescriptor();
        return fail(reason);
    }
    return true;
}

bool OutputFile::failWithSystemError(unsigned long error)
{
    return fail(qt_error_string(int(error)));
}

void OutputFile::closeDescriptor()
{
    if (m_descriptor >= 0) {
        ::_close(m_descriptor);
        m_descriptor = -1;
    }
}
