#include "standfilereader.h"

#include "files/filesystemname.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <optional>
#ifdef Q_OS_WIN
#include <QDir>
#include <io.h>
#include <qt_windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Only this much of a bad value is kept for the message.
constexpr int QuotedValueLength = 24;
// Line breaks are counted in runs of at most this many bytes.
constexpr qint64 LineBreakRun = 64 * 1024;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// Splits the device into values, one at a time, and only as far as asked.
class ValueReader
{
public:
    enum class Kind
    {
        Value,
        EndOfFile,
        EmptyValue,
        ReadFailure
    };

    struct Token
    {
        Kind kind = Kind::EndOfFile;
        QByteArray text;
        qint64 line = 1;
        qint64 valueNumber = 0;
    };

    explicit ValueReader(QIODevice &device) : m_device(device) { skipByteOrderMark(); }

    Token next()
    {
        for (;;) {
            skipBlanks();
            char c = 0;
            if (!m_device.getChar(&c))
                return endToken();
            if (isLineBreak(c)) {
                endLine(c);
                skipLineBreakRun();
                continue;
            }
            if (c == ',') {
                if (m_state == State::AfterValue) {
                    m_state = State::AfterComma;
                    continue;
                }
                return {Kind::EmptyValue, {}, m_line, m_valueCount + 1};
            }
            return readValue(c);
        }
    }

private:
    enum class State
    {
        LineStart,
        AfterValue,
        AfterComma
    };

    void skipByteOrderMark()
    {
        if (m_device.peek(3) == QByteArray("\xEF\xBB\xBF"))
            m_device.skip(3);
    }

    void skipBlanks()
    {
        char c = 0;
        while (m_device.peek(&c, 1) == 1 && isBlank(c))
            m_device.getChar(&c);
    }

    void endLine(char c)
    {
        char next = 0;
        if (c == '\r' && m_device.peek(&next, 1) == 1 && next == '\n')
            m_device.getChar(&next);
        ++m_line;
        m_state = State::LineStart;
    }

    // Files of nothing but line breaks are counted in bulk, not one
    // character call at a time.
    void skipLineBreakRun()
    {
        for (;;) {
            const QByteArray run = m_device.peek(LineBreakRun);
            // constData() ends in a NUL, which stops the span at the end.
            const char *bytes = run.constData();
            const qsizetype size = run.size();
            qsizetype taken = 0;
            while (taken < size) {
                const auto feeds = qsizetype(std::strspn(bytes + taken, "\n"));
                taken += feeds;
                m_line += feeds;
                if (taken + 1 < size && bytes[taken] == '\r') {
                    taken += bytes[taken + 1] == '\n' ? 2 : 1;
                    ++m_line;
                } else {
                    break;
                }
            }
            if (taken > 0)
                m_device.skip(taken);
            if (taken < size - 1 || size < LineBreakRun || taken == 0)
                return;
        }
    }

    Token endToken() const
    {
        const bool failed = m_device.isSequential() ? false : !m_device.atEnd();
        return {failed ? Kind::ReadFailure : Kind::EndOfFile, {}, m_line, m_valueCount + 1};
    }

    // A value runs to the next separator; a blank inside it makes it no number.
    Token readValue(char first)
    {
        Token token{Kind::Value, QByteArray(1, first), m_line, ++m_valueCount};
        char c = 0;
        // A value longer than any number ends the reading: endless input
        // without separators must not keep the reader busy for ever.
        while (token.text.size() <= MaxValueLength && m_device.peek(&c, 1) == 1 && c != ',' &&
               !isLineBreak(c)) {
            m_device.getChar(&c);
            token.text.append(c);
        }
        while (!token.text.isEmpty() && isBlank(token.text.back()))
            token.text.chop(1);
        m_state = State::AfterValue;
        return token;
    }

    QIODevice &m_device;
    State m_state = State::LineStart;
    qint64 m_line = 1;
    qint64 m_valueCount = 0;
};

QString quoted(const QByteArray &text)
{
    QString shown = QString::fromUtf8(text.left(QuotedValueLength));
    for (QChar &c : shown) {
        if (!c.isPrint())
            c = QLatin1Char('?');
    }
    if (text.size() > QuotedValueLength)
        shown += QStringLiteral("...");
    // Each language quotes in its own way.
    return QCoreApplication::translate("StandFileReader", "\u201E%1\u201C").arg(shown);
}

// What a value must be, with the bounds it is checked against.
struct Expectation
{
    QString description;
    double minimum = -std::numeric_limits<double>::max();
    double maximum = std::numeric_limits<double>::max();
    bool whole = false;
};

class StandFileParser
{
public:
    StandFileParser(QIODevice &device, const QString &filePath, StandFileTrees trees,
                    StandFileDiameters diameters)
        : m_values(device), m_filePath(filePath), m_trees(trees), m_diameters(diameters)
    {}

    StandFileResult parse()
    {
        Stand stand;
        stand.filePath = m_filePath;
        double width = 0, length = 0, count = 0;
        if (!read(widthExpectation(), width) || !read(lengthExpectation(), length) ||
            !read(m_trees == StandFileTrees::All ? unlimitedCountExpectation() : countExpectation(), count))
            return failure();
        stand.width = qint32(width);
        stand.length = qint32(length);
        stand.announcedTreeCount = int(count);
        const int n = m_trees == StandFileTrees::All ? int(count) : std::min(int(count), MaxTreeCount);
        for (int tree = 1; tree <= n; ++tree) {
            double x = 0, y = 0, d = 0;
            if (!read(coordinateExpectation(QCoreApplication::translate("StandFileReader", "X von Baum %1"),
                                            tree),
                      x) ||
                !read(coordinateExpectation(QCoreApplication::translate("StandFileReader", "Y von Baum %1"),
                                            tree),
                      y) ||
                !read(m_diameters == StandFileDiameters::Bounded ? boundedDiameterExpectation(tree)
                                                                 : diameterExpectation(tree),
                      d))
                return failure();
            stand.treeX.push_back(x);
            stand.treeY.push_back(y);
            stand.treeD.push_back(d);
            stand.writtenX.push_back(x);
            stand.writtenY.push_back(y);
        }
        StandFileResult result;
        result.stand = std::move(stand);
        result.statedTreeCount = qint64(count);
        return result;
    }

private:
    static Expectation widthExpectation()
    {
        return {QCoreApplication::translate("StandFileReader",
                                            "die Standbreite (ganze Zahl von 1 bis 2147483647 Metern)"),
                1, double(std::numeric_limits<qint32>::max()), true};
    }
    static Expectation lengthExpectation()
    {
        return {QCoreApplication::translate("StandFileReader",
                                            "die Standlänge (ganze Zahl von 1 bis 2147483647 Metern)"),
                1, double(std::numeric_limits<qint32>::max()), true};
    }
    static Expectation countExpectation()
    {
        return {QCoreApplication::translate("StandFileReader", "die Baumanzahl (ganze Zahl von 0 bis 32767)"),
                0, double(std::numeric_limits<qint16>::max()), true};
    }
    static Expectation unlimitedCountExpectation()
    {
        return {QCoreApplication::translate("StandFileReader",
                                            "die Baumanzahl (ganze Zahl von 0 bis 2147483647)"),
                0, double(std::numeric_limits<qint32>::max()), true};
    }
    static Expectation coordinateExpectation(const QString &name, int tree)
    {
        return {
            QCoreApplication::translate("StandFileReader", "%1 (Zahl von -1000000000 bis 1000000000 Metern)")
                .arg(name.arg(tree)),
            -MaxTreeCoordinate, MaxTreeCoordinate, false};
    }
    static Expectation diameterExpectation(int tree)
    {
        return {
            QCoreApplication::translate("StandFileReader", "der Durchmesser von Baum %1 (Zahl)").arg(tree)};
    }
    static Expectation boundedDiameterExpectation(int tree)
    {
        return {QCoreApplication::translate(
                    "StandFileReader", "der Durchmesser von Baum %1 (Zahl von -1000000000 bis 1000000000)")
                    .arg(tree),
                -MaxTreeDiameter, MaxTreeDiameter, false};
    }

    bool read(const Expectation &expected, double &value)
    {
        const ValueReader::Token token = m_values.next();
        switch (token.kind) {
        case ValueReader::Kind::EndOfFile:
            return fail(token, QCoreApplication::translate("StandFileReader",
                                                           "%1 erwartet, aber die Datei endet hier.")
                                   .arg(expected.description));
        case ValueReader::Kind::ReadFailure:
            return fail(token, QCoreApplication::translate(
                                   "StandFileReader",
                                   "%1 erwartet, aber die Datei lässt sich hier nicht weiterlesen.")
                                   .arg(expected.description));
        case ValueReader::Kind::EmptyValue:
            return fail(token, QCoreApplication::translate("StandFileReader",
                                                           "%1 erwartet, aber vor dem Komma steht kein Wert.")
                                   .arg(expected.description));
        case ValueReader::Kind::Value:
            break;
        }
        switch (parseStandNumber(token.text, value)) {
        case NumberProblem::NotANumber:
            return fail(token, QCoreApplication::translate("StandFileReader",
                                                           "%1 erwartet, gefunden %2 (keine Zahl).")
                                   .arg(expected.description, quoted(token.text)));
        case NumberProblem::OutOfRange:
            return fail(
                token, QCoreApplication::translate("StandFileReader",
                                                   "%1 erwartet, gefunden %2 (außerhalb des Zahlenbereichs).")
                           .arg(expected.description, quoted(token.text)));
        case NumberProblem::None:
            break;
        }
        if (expected.whole && value != std::floor(value))
            return fail(token, QCoreApplication::translate("StandFileReader",
                                                           "%1 erwartet, gefunden %2 (keine ganze Zahl).")
                                   .arg(expected.description, quoted(token.text)));
        if (value < expected.minimum || value > expected.maximum)
            return fail(token,
                        QCoreApplication::translate(
                            "StandFileReader", "%1 erwartet, gefunden %2 (außerhalb des erlaubten Bereichs).")
                            .arg(expected.description, quoted(token.text)));
        return true;
    }

    bool fail(const ValueReader::Token &token, const QString &problem)
    {
        m_error.filePath = m_filePath;
        m_error.line = token.line;
        m_error.valueNumber = token.valueNumber;
        m_error.message =
            QCoreApplication::translate("StandFileReader", "Standdatei \u201E%1\u201C, Zeile %2, Wert %3: %4")
                .arg(displayFileName(m_filePath))
                .arg(token.line)
                .arg(token.valueNumber)
                .arg(problem);
        return false;
    }

    StandFileResult failure() const
    {
        StandFileResult result;
        result.error = m_error;
        return result;
    }

    ValueReader m_values;
    QString m_filePath;
    StandFileTrees m_trees;
    StandFileDiameters m_diameters;
    StandFileError m_error;
};

StandFileResult openFailure(const QString &path, const QString &reason)
{
    StandFileResult result;
    result.error.filePath = path;
    result.error.message = QCoreApplication::translate(
                               "StandFileReader", "Die Standdatei \u201E%1\u201C lässt sich nicht öffnen: %2")
                               .arg(displayFileName(path), reason);
    return result;
}

#ifdef Q_OS_WIN
QString folderRefusal()
{
    return QCoreApplication::translate("StandFileReader", "Das ist ein Ordner.");
}

QString specialFileRefusal()
{
    return QCoreApplication::translate("StandFileReader", "Das ist keine gewöhnliche Datei.");
}

// Folders open only with backup semantics; that is how they are told apart.
HANDLE openForReading(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    return ::CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

std::optional<QString> refusalFor(HANDLE handle)
{
    if (::GetFileType(handle) != FILE_TYPE_DISK)
        return specialFileRefusal();
    BY_HANDLE_FILE_INFORMATION information;
    if (::GetFileInformationByHandle(handle, &information) &&
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return folderRefusal();
    return std::nullopt;
}
#else
bool isSpecialMode(mode_t mode)
{
    return !S_ISREG(mode) && !S_ISDIR(mode);
}

std::optional<QString> refusalFor(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("StandFileReader", "Das ist ein Ordner.");
    if (isSpecialMode(mode))
        return QCoreApplication::translate("StandFileReader", "Das ist keine gewöhnliche Datei.");
    return std::nullopt;
}
#endif

} // namespace

NumberProblem parseStandNumber(const QByteArray &text, double &value)
{
    if (text.isEmpty() || text.size() > MaxValueLength)
        return NumberProblem::NotANumber;
    const char *begin = text.constData();
    const char *end = begin + text.size();
    const char *digits = begin;
    if (*digits == '+' || *digits == '-')
        ++digits;
    qsizetype mantissaDigits = 0;
    const char *p = digits;
    while (p < end && *p >= '0' && *p <= '9')
        ++p, ++mantissaDigits;
    if (p < end && *p == '.') {
        ++p;
        while (p < end && *p >= '0' && *p <= '9')
            ++p, ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        return NumberProblem::NotANumber;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < end && (*p == '+' || *p == '-'))
            ++p;
        const char *exponentStart = p;
        while (p < end && *p >= '0' && *p <= '9')
            ++p;
        if (p == exponentStart)
            return NumberProblem::NotANumber;
    }
    if (p != end)
        return NumberProblem::NotANumber;

    double magnitude = 0;
    const auto [parsedEnd, ec] = std::from_chars(digits, end, magnitude, std::chars_format::general);
    if (ec == std::errc::result_out_of_range || !std::isfinite(magnitude))
        return NumberProblem::OutOfRange;
    if (ec != std::errc() || parsedEnd != end)
        return NumberProblem::NotANumber;
    value = *begin == '-' ? -magnitude : magnitude;
    return NumberProblem::None;
}

#ifdef Q_OS_WIN
bool isSpecialFile(const QString &path)
{
    const HANDLE handle = openForReading(path);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const bool special = ::GetFileType(handle) != FILE_TYPE_DISK;
    ::CloseHandle(handle);
    return special;
}

// NUL, CON or a named pipe in place of the file is refused, not read.
QString openStandFile(QFile &file, const QString &path)
{
    const HANDLE handle = openForReading(path);
    if (handle == INVALID_HANDLE_VALUE)
        return qt_error_string(int(::GetLastError()));
    if (const std::optional<QString> refusal = refusalFor(handle)) {
        ::CloseHandle(handle);
        return *refusal;
    }
    // From here on the descriptor owns the handle.
    const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (descriptor < 0) {
        ::CloseHandle(handle);
        return qt_error_string(errno);
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::_close(descriptor);
        return file.errorString();
    }
    return {};
}
#else
bool isSpecialFile(const QString &path)
{
    struct stat status;
    return ::stat(nativeFileName(path).constData(), &status) == 0 && isSpecialMode(status.st_mode);
}

QString openStandFile(QFile &file, const QString &path)
{
    // Opened by its bytes, whatever they are, and without waiting: a pipe or
    // device swapped in for the file must be refused, not read.
    const int descriptor =
        ::open(nativeFileName(path).constData(), O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return qt_error_string(errno);
    struct stat status;
    if (::fstat(descriptor, &status) != 0) {
        const int error = errno;
        ::close(descriptor);
        return qt_error_string(error);
    }
    if (const std::optional<QString> refusal = refusalFor(status.st_mode)) {
        ::close(descriptor);
        return *refusal;
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return file.errorString();
    }
    return {};
}
#endif

StandFileResult readStandFile(const QString &path)
{
    return readStandFile(path, StandFileTrees::FirstFifty);
}

StandFileResult readStandFile(const QString &path, StandFileTrees trees, StandFileDiameters diameters)
{
    QFile file;
    const QString reason = openStandFile(file, path);
    if (!reason.isEmpty())
        return openFailure(path, reason);
    return parseStandFile(file, path, trees, diameters);
}

StandFileResult parseStandFile(const QByteArray &content, const QString &filePath)
{
    QByteArray copy = content;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return parseStandFile(buffer, filePath);
}

StandFileResult parseStandFile(QIODevice &device, const QString &filePath)
{
    return parseStandFile(device, filePath, StandFileTrees::FirstFifty);
}

StandFileResult parseStandFile(QIODevice &device, const QString &filePath, StandFileTrees trees,
                               StandFileDiameters diameters)
{
    return StandFileParser(device, filePath, trees, diameters).parse();
}
