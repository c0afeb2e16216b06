#pragma once

#include <QByteArray>
#include <QString>

// Takes an HTTP/1.x response in the pieces it arrives in and hands back the
// bytes of its body. The header may be split over any number of pieces;
// header names are matched without regard to letter case; a chunked body is
// decoded. Interim replies (1xx) are skipped.
//
// Data that does not begin with an "HTTP/1.x" status line is handed back
// whole (status code 0): the caller decides what such a reply is worth.
class HttpResponseReader
{
public:
    // Returns the body bytes completed by these received bytes (possibly none).
    QByteArray read(const QByteArray &data);

    // True once the whole header has arrived, or once the data turned out to
    // carry no status line at all.
    bool isHeaderDone() const { return m_state != State::StatusLine && m_state != State::HeaderLines; }
    bool hasStatusLine() const { return m_statusCode > 0; }
    int statusCode() const { return m_statusCode; }
    // -1 when the response gives no length (or is chunked, where the length
    // does not apply).
    qint64 contentLength() const { return m_chunked ? -1 : m_contentLength; }
    bool isChunked() const { return m_chunked; }
    qint64 bodyBytes() const { return m_bodyBytes; }

    // Whether the body has arrived whole: the final chunk of a chunked body,
    // or exactly Content-Length bytes. Nothing after that end is read. A body
    // without either is never complete, since only the connection's end
    // would close it, and a cut connection ends it just the same.
    bool isBodyComplete() const;
    // A body with neither a length nor chunks: it runs until the peer closes.
    bool isCloseDelimited() const;

    bool hasError() const { return m_state == State::Failed; }
    QString errorString() const { return m_error; }

private:
    enum class State
    {
        StatusLine,
        HeaderLines,
        Body,
        CloseDelimitedBody,
        Raw,
        ChunkSize,
        ChunkData,
        ChunkDataEnd,
        Trailer,
        Done,
        Failed
    };

    bool takeLine(QByteArray *line, qint64 limit);
    void readStatusPrefix();
    void readHeaderLine(const QByteArray &line);
    void finishHeader();
    void finishBody();
    void readChunkSize(const QByteArray &line);
    QByteArray takeBody(qint64 count);
    void fail(const QString &reason);

    State m_state = State::StatusLine;
    QByteArray m_pending;
    QByteArray m_output;
    int m_statusCode = 0;
    bool m_chunked = false;
    qint64 m_contentLength = -1;
    bool m_lengthUnreadable = false;
    qint64 m_chunkRemaining = 0;
    qint64 m_bodyBytes = 0;
    qint64 m_headerBytes = 0;
    QString m_error;
};
