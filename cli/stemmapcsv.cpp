#include "stemmapcsv.h"

#include "stand/standfilereader.h"

#include <QCoreApplication>
#include <QList>
#include <cmath>
#include <optional>

namespace {

// As the stand file: no forest lies farther from its corner.
constexpr double MaxTreeCoordinate = 1e9;
constexpr qsizetype QuotedValueLength = 24;

QString translated(const char *text)
{
    return QCoreApplication::translate("StemMapCsv", text);
}

QByteArray withoutByteOrderMark(const QByteArray &content)
{
    return content.startsWith("\xEF\xBB\xBF") ? content.mid(3) : content;
}

QByteArray unquoted(QByteArray field)
{
    field = field.trimmed();
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.mid(1, field.size() - 2).trimmed();
    return field;
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
    return translated("\u201E%1\u201C").arg(shown);
}

// The stand file's number form with either decimal separator; the other
// separator (a thousands mark in one of the two forms) is refused.
std::optional<double> parseNumber(QByteArray text, char decimalSeparator)
{
    const char otherSeparator = decimalSeparator == ',' ? '.' : ',';
    if (text.contains(otherSeparator))
        return std::nullopt;
    text.replace(decimalSeparator, '.');
    double value = 0.0;
    if (parseStandNumber(text, value) != NumberProblem::None)
        return std::nullopt;
    return value;
}

// The values of one line; a separator within double quotes belongs to its
// value (a species written "Fi, alt").
QList<QByteArray> splitFields(const QByteArray &line, char separator)
{
    QList<QByteArray> fields(1);
    bool quotedValue = false;
    for (const char c : line) {
        if (c == '"')
            quotedValue = !quotedValue;
        if (c == separator && !quotedValue)
            fields.append(QByteArray());
        else
            fields.back().append(c);
    }
    return fields;
}

struct Columns
{
    qsizetype x = -1;
    qsizetype y = -1;
    qsizetype d = -1;
};

class StemMapParser
{
public:
    StemMapParser(const QByteArray &content, const QString &path) : m_path(path)
    {
        m_lines = withoutByteOrderMark(content).split('\n');
        for (QByteArray &line : m_lines) {
            if (line.endsWith('\r'))
                line.chop(1);
        }
    }

    QString parse(ResearchStand &stand)
    {
        const QByteArray header = m_lines.value(0);
        m_separator = header.contains(';') ? ';' : ',';
        m_decimal = m_separator == ';' ? ',' : '.';
        QString error = readHeader(header);
        if (!error.isEmpty())
            return error;
        for (qsizetype line = 1; line < m_lines.size(); ++line) {
            if (m_lines[line].trimmed().isEmpty())
                continue;
            error = readTree(m_lines[line], int(line + 1), stand);
            if (!error.isEmpty())
                return error;
        }
        return {};
    }

private:
    QString readHeader(const QByteArray &header)
    {
        const QList<QByteArray> names = splitFields(header, m_separator);
        m_headerValues = names.size();
        for (qsizetype c = 0; c < names.size(); ++c) {
            const QByteArray name = unquoted(names[c]).toLower();
            qsizetype *column = name == "x"   ? &m_columns.x
                                : name == "y" ? &m_columns.y
                                : name == "d" ? &m_columns.d
                                              : nullptr;
            if (!column)
                continue;
            if (*column >= 0)
                return message(1, QString::fromLatin1(name),
                               translated("Die Spalte steht zweimal in der Kopfzeile."));
            *column = c;
        }
        for (const auto &[name, column] :
             {std::pair{"x", m_columns.x}, std::pair{"y", m_columns.y}, std::pair{"d", m_columns.d}}) {
            if (column < 0)
                return message(
                    1, QString::fromLatin1(name),
                    translated("Die Kopfzeile nennt diese Spalte nicht (sie braucht x, y und d)."));
        }
        return {};
    }

    QString readTree(const QByteArray &line, int lineNumber, ResearchStand &stand)
    {
        const QList<QByteArray> fields = splitFields(line, m_separator);
        if (fields.size() != m_headerValues)
            return wrongValueCount(lineNumber, fields.size());
        double x = 0.0, y = 0.0, d = 0.0;
        QString error = readValue(fields, m_columns.x, "x", lineNumber, true, x);
        if (error.isEmpty())
            error = readValue(fields, m_columns.y, "y", lineNumber, true, y);
        if (error.isEmpty())
            error = readValue(fields, m_columns.d, "d", lineNumber, false, d);
        if (!error.isEmpty())
            return error;
        stand.positions.push_back(kavrel::Point{x, y});
        stand.diameters.push_back(d);
        return {};
    }

    QString readValue(const QList<QByteArray> &fields, qsizetype column, const char *name, int lineNumber,
                      bool coordinate, double &value)
    {
        const QByteArray text = unquoted(fields[column]);
        const std::optional<double> number = parseNumber(text, m_decimal);
        if (!number) {
            const QString problem =
                m_decimal == ','
                    ? translated("Zahl mit Dezimalkomma erwartet, gefunden %1.").arg(quoted(text))
                    : translated("Zahl mit Dezimalpunkt erwartet, gefunden %1.").arg(quoted(text));
            return message(lineNumber, QString::fromLatin1(name), problem);
        }
        if (coordinate && std::abs(*number) > MaxTreeCoordinate)
            return message(lineNumber, QString::fromLatin1(name),
                           translated("Zahl von -1000000000 bis 1000000000 Metern erwartet, gefunden %1.")
                               .arg(quoted(text)));
        // Stem maps are read for the research computations only, whose basal
        // areas square the diameter.
        if (!coordinate && std::abs(*number) > MaxTreeDiameter)
            return message(
                lineNumber, QString::fromLatin1(name),
                translated("Zahl von -1000000000 bis 1000000000 erwartet, gefunden %1.").arg(quoted(text)));
        value = *number;
        return {};
    }

    // A row with more or fewer values than the header would put numbers in
    // the wrong columns. More values in a comma-separated file are most
    // often decimal commas from a spreadsheet.
    QString wrongValueCount(int lineNumber, qsizetype found) const
    {
        QString problem =
            translated("%1 Werte gefunden, %2 erwartet wie in der Kopfzeile.").arg(found).arg(m_headerValues);
        if (m_separator == ',' && found > m_headerValues)
            problem +=
                QLatin1Char(' ') +
                translated("Schreibt die Datei Dezimalkommas? Dann müssen Semikolons die Werte trennen.");
        return message(lineNumber, QString(), problem);
    }

    QString message(int line, const QString &column, const QString &problem) const
    {
        if (column.isEmpty())
            return translated("Stammkarte \u201E%1\u201C, Zeile %2: %3").arg(m_path).arg(line).arg(problem);
        return translated("Stammkarte \u201E%1\u201C, Zeile %2, Spalte \u201E%3\u201C: %4")
            .arg(m_path)
            .arg(line)
            .arg(column, problem);
    }

    QString m_path;
    QList<QByteArray> m_lines;
    char m_separator = ',';
    char m_decimal = '.';
    Columns m_columns;
    qsizetype m_headerValues = 0;
};

} // namespace

bool looksLikeStemMapCsv(const QByteArray &content)
{
    for (const char c : withoutByteOrderMark(content)) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '"';
    }
    return false;
}

QString parseStemMapCsv(const QByteArray &content, const QString &path, ResearchStand &stand)
{
    return StemMapParser(content, path).parse(stand);
}
