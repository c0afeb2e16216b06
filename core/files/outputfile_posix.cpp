#include "outputfile.h"

#include "filesystemname.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

// Blocks SIGPIPE for the calling thread while it lives, and takes back one
// that arrived meanwhile, so a write to a pipe without reader fails with
// EPIPE instead.
class BrokenPipeGuard
{
public:
    BrokenPipeGuard()
    {
        sigset_t pending;
        m_wasPending = ::sigpending(&pending) == 0 && ::sigismember(&pending, SIGPIPE) == 1;
        const sigset_t pipe = brokenPipe();
        ::pthread_sigmask(SIG_BLOCK, &pipe, &m_previous);
    }

    ~BrokenPipeGuard()
    {
        if (!m_wasPending) {
            const sigset_t pipe = brokenPipe();
            const timespec noWait{0, 0};
            while (::sigtimedwait(&pipe, nullptr, &noWait) == SIGPIPE) {
            }
        }
        ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }

    BrokenPipeGuard(const BrokenPipeGuard &) = delete;
    BrokenPipeGuard &operator=(const BrokenPipeGuard &) = delete;

private:
    static sigset_t brokenPipe()
    {
        sigset_t set;
        ::sigemptyset(&set);
        ::sigaddset(&set, SIGPIPE);
        return set;
    }

    sigset_t m_previous;
    bool m_wasPending = false;
};

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;

QString translated(const char *text)
{
    return QCoreApplication::translate("OutputFile", text);
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

std::optional<QByteArray> linkTarget(const QByteArray &link)
{
    QByteArray target(4096, Qt::Uninitialized);
    for (;;) {
        const ssize_t length = ::readlink(link.constData(), target.data(), size_t(target.size()));
        if (length < 0)
            return std::nullopt;
        if (length < target.size()) {
            target.truncate(length);
            return target;
        }
        target.resize(target.size() * 2);
    }
}

// The number N of /proc/self/fd/N, where /dev/stdout, /dev/stderr and
// /dev/fd/N lead: a descriptor this process already holds, whose link text
// ("pipe:[…]", a deleted file) need not be a path at all.
std::optional<QByteArray> realFolder(const QByteArray &folder)
{
    char resolved[PATH_MAX];
    if (!::realpath(folder.constData(), resolved))
        return std::nullopt;
    return QByteArray(resolved);
}

// The number N of a path in /proc/self/fd (the way /dev/stdout, /dev/stderr
// and /dev/fd/N go): a descriptor this process already holds, whose link text
// ("pipe:[…]", a deleted file) need not be a path at all.
std::optional<int> inheritedDescriptor(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray number = path.mid(slash + 1);
    bool ok = false;
    const int descriptor = number.toInt(&ok);
    if (slash < 0 || !ok || descriptor < 0 || QByteArray::number(descriptor) != number)
        return std::nullopt;
    const std::optional<QByteArray> folder = realFolder(folderOf(path));
    if (!folder)
        return std::nullopt;
    for (const char *descriptors : {"/proc/self/fd", "/proc/thread-self/fd"}) {
        if (realFolder(descriptors) == folder)
            return descriptor;
    }
    return std::nullopt;
}

bool isWrittenInPlace(mode_t mode)
{
    return S_ISFIFO(mode) || S_ISCHR(mode);
}

int closeKeepingErrno(int descriptor)
{
    const int saved = errno;
    const int result = ::close(descriptor);
    errno = saved;
    return result;
}

void syncFolder(const QByteArray &folder)
{
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

} // namespace

OutputFile::OutputFile(const QString &path) : m_path(path) {}

OutputFile::~OutputFile()
{
    discard();
}

bool OutputFile::openTarget()
{
    if (!resolveTarget())
        return false;
    if (m_inherited >= 0)
        return openInherited();
    struct stat status;
    if (::stat(m_target.constData(), &status) != 0) {
        if (errno != ENOENT)
            return failWithErrno(errno);
        return openReplacement(false, 0, 0, 0);
    }
    if (S_ISDIR(status.st_mode))
        return fail(translated("Das ist ein Ordner."));
    if (isWrittenInPlace(status.st_mode))
        return openInPlace();
    if (!S_ISREG(status.st_mode))
        return fail(translated("Das ist weder eine gewöhnliche Datei noch eine benannte Pipe oder ein "
                               "Zeichengerät; es wird nicht ersetzt."));
    // The shell's ">" refuses a file its user may not write; so does this.
    if (::access(m_target.constData(), W_OK) != 0)
        return failWithErrno(errno);
    return openReplacement(true, status.st_uid, status.st_gid, status.st_mode);
}

bool OutputFile::putInPlace()
{
    if (!m_inPlace && ::fsync(m_descriptor) != 0) {
        const int error = errno;
        discard();
        return failWithErrno(error);
    }
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    if (::close(descriptor) != 0 && errno != EINTR) {
        const int error = errno;
        discard();
        return failWithErrno(error);
    }
    if (m_inPlace) {
        m_pipeGuard.reset();
        return true;
    }
    // The target may have turned into a pipe or device since open(): such a
    // file is never replaced.
    struct stat status;
    if (::stat(m_target.constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        discard();
        return fail(translated("Das Ziel ist keine gewöhnliche Datei mehr; es wird nicht ersetzt."));
    }
    if (::rename(m_temporary.constData(), m_target.constData()) != 0) {
        const int error = errno;
        discard();
        return failWithErrno(error);
    }
    m_temporary.clear();
    syncFolder(folderOf(m_target));
    return true;
}

void OutputFile::discard()
{
    if (m_file.isOpen())
        m_file.close();
    closeDescriptor();
    m_pipeGuard.reset();
    if (!m_temporary.isEmpty()) {
        ::unlink(m_temporary.constData());
        m_temporary.clear();
    }
}

// Follows symbolic links as the shell's ">" does, also to a target that does
// not exist yet, so the link itself is never replaced.
bool OutputFile::resolveTarget()
{
    QByteArray target = nativeFileName(m_path);
    m_inherited = -1;
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        if (const std::optional<int> descriptor = inheritedDescriptor(target)) {
            m_target = target;
            m_inherited = *descriptor;
            return true;
        }
        struct stat status;
        if (::lstat(target.constData(), &status) != 0) {
            if (errno != ENOENT)
                return failWithErrno(errno);
            m_target = target;
            return true;
        }
        if (!S_ISLNK(status.st_mode)) {
            m_target = target;
            return true;
        }
        const std::optional<QByteArray> next = linkTarget(target);
        if (!next)
            return failWithErrno(errno);
        target = next->startsWith('/') ? *next : folderOf(target) + '/' + *next;
    }
    return failWithErrno(ELOOP);
}

// Written where the descriptor points, as a shell's "> file" opened it for
// this process (at its offset, in append mode when so opened), never replaced.
bool OutputFile::openInherited()
{
    const int descriptor = ::fcntl(m_inherited, F_DUPFD_CLOEXEC, 0);
    if (descriptor < 0)
        return failWithErrno(errno);
    m_descriptor = descriptor;
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) {
        const int error = flags < 0 ? errno : EBADF;
        closeDescriptor();
        return failWithErrno(error);
    }
    return writeInPlace();
}

// The open descriptor is written as it is, never replaced.
bool OutputFile::writeInPlace()
{
    m_inPlace = true;
    m_pipeGuard = std::make_unique<BrokenPipeGuard>();
    if (!m_file.open(m_descriptor, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        const QString reason = m_file.errorString();
        closeDescriptor();
        return fail(reason);
    }
    return true;
}

bool OutputFile::openInPlace()
{
    // Without a reader, opening a pipe would wait for one for ever.
    const int descriptor = ::open(m_target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        if (errno == ENXIO)
            return fail(translated("Die benannte Pipe hat keinen Leser."));
        return failWithErrno(errno);
    }
    m_descriptor = descriptor;
    struct stat status;
    if (::fstat(descriptor, &status) != 0 || !isWrittenInPlace(status.st_mode)) {
        closeDescriptor();
        return fail(translated("Das Ziel hat sich beim Öffnen geändert."));
    }
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int error = errno;
        closeDescriptor();
        return failWithErrno(error);
    }
    return writeInPlace();
}

bool OutputFile::openReplacement(bool replacesFile, uid_t owner, gid_t group, mode_t mode)
{
    m_inPlace = false;
    const QByteArray folder = folderOf(m_target);
    int descriptor = -1;
    for (int attempt = 0; descriptor < 0 && attempt < 100; ++attempt) {
        const QByteArray name =
            folder + "/.kavrel-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
        // 0666 less the umask, as the shell creates files.
        descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0)
            m_temporary = name;
        else if (errno != EEXIST)
            return failWithErrno(errno);
    }
    if (descriptor < 0)
        return failWithErrno(EEXIST);
    m_descriptor = descriptor;
    if (replacesFile) {
        // The replacement keeps the old file's owner (where allowed) and
        // permissions; where not, it is the writer's, as any copy would be.
        if (::fchown(descriptor, owner, group) != 0 || ::fchmod(descriptor, mode & 07777) != 0)
            ::fchmod(descriptor, mode & 0777);
    }
    if (!m_file.open(descriptor, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        const QString reason = m_file.errorString();
        discard();
        return fail(reason);
    }
    return true;
}

bool OutputFile::failWithErrno(int error)
{
    return fail(qt_error_string(error));
}

void OutputFile::closeDescriptor()
{
    if (m_descriptor >= 0) {
        closeKeepingErrno(m_descriptor);
        m_descriptor = -1;
    }
}
