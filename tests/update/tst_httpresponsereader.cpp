#include "update/httpresponsereader.h"

#include <QTest>

namespace {

struct Outcome
{
    QByteArray body;
    bool headerDone = false;
    int status = 0;
    qint64 length = -1;
    bool complete = false;
    bool error = false;
};

Outcome readInPieces(const QByteArray &response, const QList<qsizetype> &cuts)
{
    HttpResponseReader reader;
    Outcome outcome;
    qsizetype from = 0;
    for (const qsizetype cut : cuts) {
        outcome.body += reader.read(response.mid(from, cut - from));
        from = cut;
    }
    outcome.body += reader.read(response.mid(from));
    outcome.headerDone = reader.isHeaderDone();
    outcome.status = reader.statusCode();
    outcome.length = reader.contentLength();
    outcome.complete = reader.isBodyComplete();
    outcome.error = reader.hasError();
    return outcome;
}

QByteArray bodyOf(int size)
{
    QByteArray body;
    for (int i = 0; i < size; ++i) {
        body += char('a' + i % 26);
    }
    return body;
}

// "3;x=yyy..." of the given length (without its line end) for a chunk of 3.
QByteArray chunkSizeLine(int length, const QByteArray &lineEnd)
{
    const QByteArray start = "3;x=";
    return start + QByteArray(length - start.size(), 'y') + lineEnd;
}

} // namespace

class TestHttpResponseReader : public QObject
{
    Q_OBJECT

private slots:
    void replies_data();
    void replies();
    void malformedRepliesFail_data();
    void malformedRepliesFail();
    void headerWithoutEndIsBounded();
};

void TestHttpResponseReader::replies_data()
{
    QTest::addColumn<QByteArray>("response");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<bool>("complete");

    const QByteArray body1234 = bodyOf(1234);
    QTest::newRow("content length")
        << "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 1234\r\n\r\n" + body1234
        << body1234 << 200 << qint64(1234) << true;
    QTest::newRow("header name in lower case") << "HTTP/1.1 200 OK\r\ncontent-length: 1234\r\n\r\n" + body1234
                                               << body1234 << 200 << qint64(1234) << true;
    QTest::newRow("length with blanks") << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH:    3  \r\n\r\nabc")
                                        << QByteArray("abc") << 200 << qint64(3) << true;
    QTest::newRow("same length listed twice")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 3, 3\r\nContent-Length: 3\r\n\r\nabc")
        << QByteArray("abc") << 200 << qint64(3) << true;
    // Only the connection's end would close these bodies, and a cut
    // connection ends them just the same.
    QTest::newRow("no length") << QByteArray("HTTP/1.1 200 OK\r\nServer: x\r\n\r\n1.0.2")
                               << QByteArray("1.0.2") << 200 << qint64(-1) << false;
    QTest::newRow("HTTP/1.0 reply") << QByteArray("HTTP/1.0 200 OK\r\nServer: SimpleHTTP/0.6\r\n\r\nbody")
                                    << QByteArray("body") << 200 << qint64(-1) << false;
    QTest::newRow("zero length") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n") << QByteArray()
                                 << 200 << qint64(0) << true;
    QTest::newRow("bare line feeds") << QByteArray("HTTP/1.1 200 OK\nContent-Length: 2\n\nok")
                                     << QByteArray("ok") << 200 << qint64(2) << true;
    QTest::newRow("body that looks like a header")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 24\r\n\r\nHTTP/1.1 404\r\nX: y\r\n\r\nzz")
        << QByteArray("HTTP/1.1 404\r\nX: y\r\n\r\nzz") << 200 << qint64(24) << true;
    QTest::newRow("short body") << "HTTP/1.1 200 OK\r\nContent-Length: 1234\r\n\r\n" + body1234.left(1000)
                                << body1234.left(1000) << 200 << qint64(1234) << false;
    QTest::newRow("more than announced") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nabc")
                                         << QByteArray("ab") << 200 << qint64(2) << true;
    QTest::newRow("not found page") << QByteArray(
                                           "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found")
                                    << QByteArray("not found") << 404 << qint64(9) << true;
    QTest::newRow("chunked") << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                                           "4\r\nWiki\r\n5;name=value\r\npedia\r\nE\r\n in\r\n\r\nchunks.\r\n"
                                           "0\r\nExpires: never\r\n\r\n")
                             << QByteArray("Wikipedia in\r\n\r\nchunks.") << 200 << qint64(-1) << true;
    QTest::newRow("chunked wins over a length")
        << QByteArray("HTTP/1.1 200 OK\r\ntransfer-encoding: Chunked\r\nContent-Length: 99\r\n\r\n"
                      "a\r\n0123456789\r\n0\r\n\r\n")
        << QByteArray("0123456789") << 200 << qint64(-1) << true;
    QTest::newRow("chunked without its last chunk")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n")
        << QByteArray("abc") << 200 << qint64(-1) << false;
    QTest::newRow("interim reply first")
        << QByteArray("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nx")
        << QByteArray("x") << 200 << qint64(1) << true;
    // 101 switches protocols: what follows is no longer HTTP but the body,
    // and a body that only the close ends is never known to be whole.
    QTest::newRow("101 reply is final")
        << QByteArray("HTTP/1.1 101 Switching Protocols\r\nUpgrade: h2c\r\n\r\nHTTP/1.1 200 OK\r\n\r\nx")
        << QByteArray("HTTP/1.1 200 OK\r\n\r\nx") << 101 << qint64(-1) << false;
    QTest::newRow("chunk sizes of two and three hexadecimal digits")
        << "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1A\r\n" + bodyOf(26) + "\r\n100\r\n" +
               bodyOf(256) + "\r\n10\r\n" + bodyOf(16) + "\r\n0\r\n\r\n"
        << bodyOf(26) + bodyOf(256) + bodyOf(16) << 200 << qint64(-1) << true;
    // The longest chunk-size line the reader takes, with an extension padding it out.
    QTest::newRow("chunk-size line of the longest length")
        << "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + chunkSizeLine(1024, "\r\n") +
               "abc\r\n0\r\n\r\n"
        << QByteArray("abc") << 200 << qint64(-1) << true;
    QTest::newRow("no status line") << QByteArray("1.0.2") << QByteArray("1.0.2") << 0 << qint64(-1) << false;
    QTest::newRow("other protocol") << QByteArray("HTTP/2 200\r\n\r\nx") << QByteArray("HTTP/2 200\r\n\r\nx")
                                    << 0 << qint64(-1) << false;
}

// However the reply is cut into pieces, the same body comes out.
void TestHttpResponseReader::replies()
{
    QFETCH(QByteArray, response);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(qint64, length);
    QFETCH(bool, complete);

    QList<QList<qsizetype>> cuttings = {{}};
    for (qsizetype cut = 1; cut < response.size(); ++cut) {
        cuttings.append(QList<qsizetype>{cut});
    }
    QList<qsizetype> everyByte;
    for (qsizetype cut = 1; cut < response.size(); ++cut) {
        everyByte.append(cut);
    }
    cuttings.append(everyByte);

    for (const QList<qsizetype> &cuts : cuttings) {
        const Outcome outcome = readInPieces(response, cuts);
        const QByteArray where = "cut at " + QByteArray::number(cuts.size() == 1 ? cuts.first() : -1);
        QVERIFY2(outcome.headerDone, where);
        QVERIFY2(!outcome.error, where);
        QVERIFY2(outcome.body == body, where);
        QCOMPARE(outcome.status, status);
        QCOMPARE(outcome.length, length);
        QCOMPARE(outcome.complete, complete);
    }
}

void TestHttpResponseReader::malformedRepliesFail_data()
{
    QTest::addColumn<QByteArray>("response");
    QTest::newRow("status without code") << QByteArray("HTTP/1.1 OK\r\n\r\nbody");
    QTest::newRow("chunk size not hexadecimal")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                      "zz\r\nabc\r\n0\r\n\r\n");
    QTest::newRow("chunk longer than announced")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nabc\r\n0\r\n\r\n");
    // Without a length to trust, a cut body would pass for a whole one.
    QTest::newRow("length not a number")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 12abc\r\n\r\n1.0.2");
    QTest::newRow("negative length") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\n1.0.2");
    QTest::newRow("length beyond any file")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n1.0.2");
    QTest::newRow("two lengths that disagree")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nContent-Length: 7\r\n\r\n1.0.2");
    QTest::newRow("empty length") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length:\r\n\r\n1.0.2");
    QTest::newRow("chunk-size line one byte too long")
        << "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + chunkSizeLine(1025, "\r\n") +
               "abc\r\n0\r\n\r\n";
    QTest::newRow("chunk-size line one byte too long, bare line feed")
        << "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + chunkSizeLine(1025, "\n") +
               "abc\r\n0\r\n\r\n";
    QTest::newRow("chunk size beyond any file")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nffffffffffffffffffff\r\nab");
}

void TestHttpResponseReader::malformedRepliesFail()
{
    QFETCH(QByteArray, response);
    const Outcome outcome = readInPieces(response, {});
    QVERIFY(outcome.error);
    QVERIFY(!outcome.complete);
}

void TestHttpResponseReader::headerWithoutEndIsBounded()
{
    HttpResponseReader reader;
    reader.read("HTTP/1.1 200 OK\r\n");
    const QByteArray field = "X-Padding: " + QByteArray(1000, 'x') + "\r\n";
    for (int i = 0; i < 100 && !reader.hasError(); ++i) {
        QVERIFY(reader.read(field).isEmpty());
    }
    QVERIFY(reader.hasError());
    QVERIFY(!reader.isBodyComplete());
}

QTEST_APPLESS_MAIN(TestHttpResponseReader)
#include "tst_httpresponsereader.moc"
