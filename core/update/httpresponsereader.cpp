#include "httpresponsereader.h"

#include <QByteArrayList>

namespace {

// A header or a chunk-size line longer than this is not a reply we can trust.
constexpr int MaxHeaderBytes = 64 * 1024;
constexpr int MaxChunkLineBytes = 1024;
const QByteArray StatusPrefix = "HTTP/1.";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A decimal length; -1 for anything else (including values too large to be real).
qint64 parseLength(const QByteArray &text)
{
    if (text.isEmpty() || text.size() > 15) {
        return -1;
    }
    qint64 value = 0;
    for (const char c : text) {
        if (!isDigit(c)) {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// The same length repeated as a list ("5, 5") is still one length.
qint64 parseLengthList(const QByteArray &text)
{
    qint64 length = -1;
    for (const QByteArray &item : text.split(',')) {
        const qint64 value = parseLength(item.trimmed());
        if (value < 0 || (length >= 0 && value != length)) {
            return -1;
        }
        length = value;
    }
    return length;
}

} // namespace

QByteArray HttpResponseReader::read(const QByteArray &data)
{
    m_output.clear();
    if (m_state == State::Failed || m_state == State::Done) {
        return {};
    }
    m_pending += data;

    bool progressing = true;
    while (progressing && !m_pending.isEmpty()) {
        QByteArray line;
        switch (m_state) {
        case State::StatusLine:
            readStatusPrefix();
            progressing = m_state != State::StatusLine;
            break;
        case State::HeaderLines:
            progressing = takeLine(&line, MaxHeaderBytes - m_headerBytes);
            if (progressing) {
                m_headerBytes += line.size() + 1;
                readHeaderLine(line);
            }
            break;
        case State::Body:
            m_output += takeBody(qMin<qint64>(m_contentLength - m_bodyBytes, m_pending.size()));
            if (m_bodyBytes == m_contentLength) {
                finishBody();
            }
            break;
        case State::CloseDelimitedBody:
        case State::Raw:
            m_output += takeBody(m_pending.size());
            break;
        case State::ChunkSize:
            progressing = takeLine(&line, MaxChunkLineBytes);
            if (progressing) {
                readChunkSize(line);
            }
            break;
        case State::ChunkData:
            m_output += takeBody(qMin<qint64>(m_chunkRemaining, m_pending.size()));
            if (m_chunkRemaining == 0) {
                m_state = State::ChunkDataEnd;
            }
            break;
        case State::ChunkDataEnd:
            progressing = takeLine(&line, 1);
            if (progressing) {
                if (line.isEmpty()) {
                    m_state = State::ChunkSize;
                } else {
                    fail(QStringLiteral("chunk not followed by a line end"));
                }
            }
            break;
        case State::Trailer:
            progressing = takeLine(&line, MaxHeaderBytes);
            if (progressing && line.isEmpty()) {
                finishBody();
            }
            break;
        case State::Done:
        case State::Failed:
            progressing = false;
            break;
        }
    }
    return m_output;
}

bool HttpResponseReader::isBodyComplete() const
{
    if (!hasStatusLine() || hasError() || !isHeaderDone()) {
        return false;
    }
    return m_state == State::Done;
}

bool HttpResponseReader::isCloseDelimited() const
{
    return m_state == State::CloseDelimitedBody;
}

// Whatever follows the announced end (a server that ignores "Connection:
// close" may go on with anything) is not part of this reply.
void HttpResponseReader::finishBody()
{
    m_state = State::Done;
    m_pending.clear();
}

// Takes one line (without its CR LF or bare LF) from the pending bytes, or
// returns false while the line end has not yet arrived. A line whose content
// grows beyond the limit fails the reply, whether it ends in CR LF or LF.
bool HttpResponseReader::takeLine(QByteArray *line, qint64 limit)
{
    const qsizetype end = m_pending.indexOf('\n');
    if (end < 0) {
        if (m_pending.size() > limit + 1) {
            fail(QStringLiteral("line too long"));
        }
        return false;
    }
    const qsizetype contentEnd = end > 0 && m_pending.at(end - 1) == '\r' ? end - 1 : end;
    if (contentEnd > limit) {
        fail(QStringLiteral("line too long"));
        return false;
    }
    *line = m_pending.left(end);
    if (line->endsWith('\r')) {
        line->chop(1);
    }
    m_pending.remove(0, end + 1);
    return true;
}

// Decides, as soon as enough bytes are there, whether the reply starts with
// a status line; the prefix may itself be split over pieces.
void HttpResponseReader::readStatusPrefix()
{
    const qsizetype known = qMin<qsizetype>(m_pending.size(), StatusPrefix.size());
    if (m_pending.left(known) != StatusPrefix.left(known)) {
        m_state = State::Raw;
        return;
    }
    if (m_pending.size() <= StatusPrefix.size()) {
        return;
    }
    if (!isDigit(m_pending.at(StatusPrefix.size()))) {
        m_state = State::Raw;
        return;
    }
    QByteArray line;
    if (!takeLine(&line, MaxHeaderBytes)) {
        return;
    }
    // "HTTP/1.x" SP three digits [SP reason]
    const QByteArray rest = line.mid(StatusPrefix.size() + 1);
    const QByteArray code = rest.trimmed().left(3);
    if (rest.isEmpty() || (rest.at(0) != ' ' && rest.at(0) != '\t') || code.size() != 3 ||
        !isDigit(code.at(0)) || !isDigit(code.at(1)) || !isDigit(code.at(2)) ||
        (rest.trimmed().size() > 3 && rest.trimmed().at(3) != ' ')) {
        fail(QStringLiteral("malformed status line"));
        return;
    }
    m_statusCode = code.toInt();
    m_headerBytes = line.size() + 1;
    m_chunked = false;
    m_contentLength = -1;
    m_lengthUnreadable = false;
    m_state = State::HeaderLines;
}

void HttpResponseReader::readHeaderLine(const QByteArray &line)
{
    if (line.isEmpty()) {
        finishHeader();
        return;
    }
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0) {
        return; // not a field; nothing in it that we need
    }
    const QByteArray name = line.left(colon).trimmed().toLower();
    const QByteArray value = line.mid(colon + 1).trimmed();
    if (name == "content-length") {
        // A length that cannot be read, or two that disagree, leaves no way to
        // tell a whole body from a cut one.
        const qint64 length = parseLengthList(value);
        if (length < 0 || (m_contentLength >= 0 && length != m_contentLength)) {
            m_lengthUnreadable = true;
        } else {
            m_contentLength = length;
        }
    } else if (name == "transfer-encoding") {
        m_chunked = value.toLower().split(',').last().trimmed() == "chunked";
    }
}

void HttpResponseReader::finishHeader()
{
    // An interim reply (100 Continue and the like) is followed by the real one.
    if (m_statusCode >= 100 && m_statusCode < 200 && m_statusCode != 101) {
        m_statusCode = 0;
        m_state = State::StatusLine;
        return;
    }
    if (!m_chunked && m_lengthUnreadable) {
        fail(QStringLiteral("unreadable content length"));
        return;
    }
    if (m_chunked) {
        m_state = State::ChunkSize;
    } else if (m_contentLength < 0) {
        m_state = State::CloseDelimitedBody;
    } else {
        m_state = State::Body;
        if (m_contentLength == 0) {
            finishBody();
        }
    }
}

void HttpResponseReader::readChunkSize(const QByteArray &line)
{
    const QByteArray size = line.split(';').first().trimmed();
    if (size.isEmpty() || size.size() > 15) {
        fail(QStringLiteral("malformed chunk size"));
        return;
    }
    qint64 value = 0;
    for (const char c : size) {
        const int digit = hexValue(c);
        if (digit < 0) {
            fail(QStringLiteral("malformed chunk size"));
            return;
        }
        value = value * 16 + digit;
    }
    m_chunkRemaining = value;
    m_state = value == 0 ? State::Trailer : State::ChunkData;
}

QByteArray HttpResponseReader::takeBody(qint64 count)
{
    QByteArray body = m_pending.left(count);
    m_pending.remove(0, count);
    m_bodyBytes += body.size();
    if (m_state == State::ChunkData) {
        m_chunkRemaining -= body.size();
    }
    return body;
}

void HttpResponseReader::fail(const QString &reason)
{
    m_state = State::Failed;
    m_error = QStringLiteral("Malformed reply from the server: ") + reason;
    m_pending.clear();
}
