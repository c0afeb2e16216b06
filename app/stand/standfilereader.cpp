#include "standfilereader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Tree coordinates beyond this many metres from the stand's corner are refused:
// they would overflow the map arithmetic and are no forest anyway.
constexpr double MaxTreeCoordinate = 1e9;
// Longer values are not numbers; only this much is kept for the message.
constexpr int MaxValueLength = 400;
constexpr int QuotedValueLength = 24;

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
        int line = 1;
        int valueNumber = 0;
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
    int m_line = 1;
    int m_valueCount = 0;
};

enum class NumberProblem
{
    None,
    NotANumber,
    OutOfRange
};

// Point as decimal separator, optional sign and exponent; no blanks, no
// "inf"/"nan", no hexadecimal.
NumberProblem parseNumber(const QByteArray &text, double &value)
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

QString quoted(const QByteArray &text)
{
    QString shown = QString::fromUtf8(text.left(QuotedValueLength));
    for (QChar &c : shown) {
        if (!c.isPrint())
            c = QLatin1Char('?');
    }
    if (text.size() > QuotedValueLength)
        shown += QStringLiteral("...");
    return QStringLiteral("\u201E%1\u201C").arg(shown);
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
    StandFileParser(QIODevice &device, const QString &filePath, StandFileTrees trees)
        : m_values(device), m_filePath(filePath), m_trees(trees)
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
        const int n = m_trees == StandFileTrees::All ? int(count) : std::min(int(count), MaxTreeCount);
        for (int tree = 1; tree <= n; ++tree) {
            double x = 0, y = 0, d = 0;
            if (!read(coordinateExpectation(QCoreApplication::translate("StandFileReader", "X von Baum %1"),
                                            tree),
                      x) ||
                !read(coordinateExpectation(QCoreApplication::translate("StandFileReader", "Y von Baum %1"),
                                            tree),
                      y) ||
                !read(diameterExpectation(tree), d))
                return failure();
            stand.treeX.push_back(x);
            stand.treeY.push_back(y);
            stand.treeD.push_back(d);
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
        switch (parseNumber(token.text, value)) {
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
                .arg(m_filePath)
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
    StandFileError m_error;
};

StandFileResult openFailure(const QString &path, const QString &reason)
{
    StandFileResult result;
    result.error.filePath = path;
    result.error.message = QCoreApplication::translate(
                               "StandFileReader", "Die Standdatei \u201E%1\u201C lässt sich nicht öffnen: %2")
                               .arg(path, reason);
    return result;
}

} // namespace

bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

StandFileResult readStandFile(const QString &path)
{
    return readStandFile(path, StandFileTrees::FirstFifty);
}

StandFileResult readStandFile(const QString &path, StandFileTrees trees)
{
    if (QFileInfo(path).isDir())
        return openFailure(path, QCoreApplication::translate("StandFileReader", "Das ist ein Ordner."));
    if (isSpecialFile(path))
        return openFailure(
            path, QCoreApplication::translate("StandFileReader", "Das ist keine gewöhnliche Datei."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return openFailure(path, file.errorString());
    return parseStandFile(file, path, trees);
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

StandFileResult parseStandFile(QIODevice &device, const QString &filePath, StandFileTrees trees)
{
    return StandFileParser(device, filePath, trees).parse();
}
