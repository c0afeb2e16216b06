#include "scriptedserver.h"
#include "testkeys.h"
#include "underwine.h"
#include "update/clsdownload.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSslKey>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int WaitMs = 10000;

QByteArray bodyOf(int size)
{
    QByteArray body;
    for (int i = 0; i < size; ++i) {
        body += char('A' + i % 26);
    }
    return body;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One download with its signals recorded.
struct Run
{
    explicit Run(QSslSocket *socket) : download(socket)
    {
        download.setStartFailureReporter([this](const QString &message) { startFailures.append(message); });
    }

    bool waitForEnd()
    {
        return QTest::qWaitFor([this] { return finished.count() + failed.count() > 0; }, WaitMs);
    }

    clsDownload download;
    QSignalSpy start{&download, &clsDownload::Start};
    QSignalSpy progress{&download, &clsDownload::Progress};
    QSignalSpy finished{&download, &clsDownload::Finished};
    QSignalSpy failed{&download, &clsDownload::Failed};
    QStringList startFailures;
};

} // namespace

class TestClsDownload : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void replies_data();
    void replies();
    void sendsTheRequestAndFinishesOnce();
    void oldFileIsReplaced();
    void unwritableTargetFailsTheDownload();
    void connectionFailures_data();
    void connectionFailures();
    void startFailures_data();
    void startFailures();
    void abortedDownloadStaysQuiet();
    void downloadsTakeTurnsOnOneSocket();
    void sizeLimits_data();
    void sizeLimits();
    void liveServerHasNoTimeLimit_data();
    void liveServerHasNoTimeLimit();
    void announcedEndEndsTheDownload();
    void https_data();
    void https();

private:
    std::unique_ptr<QTemporaryDir> m_directory;
    std::unique_ptr<QSslSocket> m_socket;
};

void TestClsDownload::init()
{
    m_directory = std::make_unique<QTemporaryDir>();
    QVERIFY(m_directory->isValid());
    m_socket = std::make_unique<QSslSocket>();
}

void TestClsDownload::replies_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<qint64>("fileSize");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("complete");

    const QByteArray body = bodyOf(1234);
    QTest::newRow("length given") << QList<QByteArray>{"HTTP/1.1 200 OK\r\nContent-Length: 1234\r\n\r\n" +
                                                           body.left(100),
                                                       body.mid(100, 900), body.mid(1000)}
                                  << body << qint64(1234) << 200 << true;
    // Only the closing connection ends these bodies, and a cut one ends the
    // same way: never complete.
    QTest::newRow("no length") << QList<QByteArray>{"HTTP/1.1 200 OK\r\nServer: x\r\n\r\n", body} << body
                               << qint64(0) << 200 << false;
    QTest::newRow("header name in lower case")
        << QList<QByteArray>{"HTTP/1.1 200 OK\r\ncontent-length: 1234\r\n\r\n" + body} << body << qint64(1234)
        << 200 << true;
    QTest::newRow("header split across pieces")
        << QList<QByteArray>{"HTTP/1.1 200 OK\r\nContent-Len", "gth: 1234\r\n\r", "\n" + body} << body
        << qint64(1234) << 200 << true;
    QTest::newRow("chunked body")
        << QList<QByteArray>{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n",
                             "4d2\r\n" + body.left(500), body.mid(500) + "\r\n0\r\n\r\n"}
        << body << qint64(0) << 200 << true;
    QTest::newRow("HTTP/1.0, closed after 40 % of the body")
        << QList<QByteArray>{"HTTP/1.0 200 OK\r\nServer: SimpleHTTP/0.6\r\n\r\n" + body.left(494)}
        << body.left(494) << qint64(0) << 200 << false;
    QTest::newRow("more than announced")
        << QList<QByteArray>{"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + body} << body.left(1000)
        << qint64(1000) << 200 << true;
    QTest::newRow("not found")
        << QList<QByteArray>{"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"}
        << QByteArray("not found") << qint64(9) << 404 << true;
    QTest::newRow("short body") << QList<QByteArray>{"HTTP/1.1 200 OK\r\nContent-Length: 1234\r\n\r\n",
                                                     body.left(1000)}
                                << body.left(1000) << qint64(1234) << 200 << false;
}

void TestClsDownload::replies()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QByteArray, stored);
    QFETCH(qint64, fileSize);
    QFETCH(int, status);
    QFETCH(bool, complete);

    ScriptedServer server;
    server.reply("/file.bin", pieces);
    const QString target = m_directory->filePath("file.bin");
    Run run(m_socket.get());

    QVERIFY(run.download.DoDownload(server.url("/file.bin"), target));
    QVERIFY(run.waitForEnd());
    QCOMPARE(run.failed.count(), 0);
    QCOMPARE(run.finished.count(), 1);
    QCOMPARE(readAll(target), stored);
    QCOMPARE(run.download.statusCode(), status);
    QCOMPARE(run.download.isComplete(), complete);
    QCOMPARE(run.download.succeeded(), status == 200 && complete);
    QCOMPARE(run.download.endedByClose(),
             fileSize == 0 && status == 200 && !pieces.first().contains("chunked"));

    QVERIFY(!run.progress.isEmpty());
    const QList<QVariant> last = run.progress.last();
    QCOMPARE(last.at(0).toLongLong(), qint64(stored.size()));
    QCOMPARE(last.at(1).toLongLong(), fileSize);
    for (const QList<QVariant> &event : std::as_const(run.progress)) {
        QCOMPARE(event.at(1).toLongLong(), fileSize);
    }
}

void TestClsDownload::sendsTheRequestAndFinishesOnce()
{
    ScriptedServer server;
    server.reply("/dir/file.txt", {okReply("1.0.2")});
    Run run(m_socket.get());

    QVERIFY(run.download.DoDownload(server.url("/dir/file.txt"), m_directory->filePath("file.txt")));
    QVERIFY(run.waitForEnd());
    QTest::qWait(200);
    QCOMPARE(run.start.count(), 1);
    QCOMPARE(run.finished.count(), 1);
    QCOMPARE(run.failed.count(), 0);
    QCOMPARE(server.requests(), QList<QByteArray>{"GET /dir/file.txt HTTP/1.1\r\nHost: 127.0.0.1:" +
                                                  QByteArray::number(server.port()) +
                                                  "\r\nAccept: */*\r\nConnection: close\r\n\r\n"});
}

void TestClsDownload::oldFileIsReplaced()
{
    const QString target = m_directory->filePath("current_version.txt");
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("0.9.9 and a long tail of old content");
    }
    ScriptedServer server;
    server.reply("/v", {okReply("1.0.2")});
    Run run(m_socket.get());

    QVERIFY(run.download.DoDownload(server.url("/v"), target));
    QVERIFY(run.waitForEnd());
    QCOMPARE(readAll(target), QByteArray("1.0.2"));
}

void TestClsDownload::unwritableTargetFailsTheDownload()
{
    ScriptedServer server;
    server.reply("/v", {okReply("1.0.2")});
    const QString target = m_directory->filePath("no such folder/current_version.txt");
    Run run(m_socket.get());

    QVERIFY(run.download.DoDownload(server.url("/v"), target));
    QVERIFY(run.waitForEnd());
    QCOMPARE(run.failed.count(), 1);
    QCOMPARE(run.finished.count(), 0);
    QCOMPARE(int(run.download.failure()), int(clsDownload::Failure::LocalWrite));
    QVERIFY(!run.download.isComplete());
    QVERIFY(!run.download.succeeded());
    QVERIFY(run.download.errorString().contains("current_version.txt"));
    QVERIFY(run.progress.isEmpty());
}

void TestClsDownload::connectionFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("failure");
    QTest::newRow("connection refused") << "refused" << int(clsDownload::Failure::Connection);
    QTest::newRow("server stays silent") << "silent" << int(clsDownload::Failure::Timeout);
    QTest::newRow("closed without a reply") << "empty" << int(clsDownload::Failure::Connection);
    QTest::newRow("closed after a reply without status line")
        << "garbage" << int(clsDownload::Failure::Connection);
    QTest::newRow("closed in the middle of the header")
        << "cut header" << int(clsDownload::Failure::Connection);
    QTest::newRow("malformed status line") << "malformed" << int(clsDownload::Failure::Malformed);
}

void TestClsDownload::connectionFailures()
{
    QFETCH(QString, kind);
    QFETCH(int, failure);

    auto server = std::make_unique<ScriptedServer>();
    QString url = server->url("/v");
    if (kind == "refused") {
        server.reset();
    } else if (kind == "silent") {
        server->staySilent();
    } else if (kind == "empty") {
        server->reply("/v", {});
    } else if (kind == "garbage") {
        server->reply("/v", {"1.0.2"});
    } else if (kind == "malformed") {
        server->reply("/v", {"HTTP/1.1 OK\r\nContent-Length: 5\r\n\r\n1.0.2"});
    } else {
        server->reply("/v", {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n"});
    }
    Run run(m_socket.get());
    run.download.setTimeout(300);

    QVERIFY(run.download.DoDownload(url, m_directory->filePath("v")));
    QVERIFY(run.waitForEnd());
    QCOMPARE(run.failed.count(), 1);
    QCOMPARE(run.finished.count(), 0);
    QCOMPARE(int(run.download.failure()), failure);
    QVERIFY(!run.download.errorString().isEmpty());
    QTest::qWait(400);
    QCOMPARE(run.failed.count(), 1);
    QCOMPARE(run.finished.count(), 0);
}

void TestClsDownload::startFailures_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("targetIsFolder");
    QTest::newRow("address without host") << "http:///v" << false;
    QTest::newRow("old file cannot be removed") << "http://127.0.0.1:1/v" << true;
}

void TestClsDownload::startFailures()
{
    QFETCH(QString, url);
    QFETCH(bool, targetIsFolder);

    const QString target = m_directory->filePath("target");
    if (targetIsFolder) {
        QVERIFY(QDir().mkpath(target + "/inside"));
    }
    Run run(m_socket.get());
    QVERIFY(!run.download.DoDownload(url, target));
    QCOMPARE(run.startFailures.size(), 1);
    const QStringList lines = run.startFailures.first().split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), QStringLiteral("Fehler!"));
    QVERIFY(QRegularExpression(QStringLiteral("^Error: \\d+$")).match(lines.at(1)).hasMatch());
    QVERIFY(!lines.at(2).isEmpty());
    QTest::qWait(100);
    QCOMPARE(run.start.count() + run.finished.count() + run.failed.count(), 0);
}

void TestClsDownload::abortedDownloadStaysQuiet()
{
    ScriptedServer server;
    server.reply("/v", {okReply("1.0.2")});
    Run run(m_socket.get());
    QVERIFY(run.download.DoDownload(server.url("/v"), m_directory->filePath("v")));
    run.download.AbortDownload();
    QTest::qWait(300);
    QCOMPARE(run.start.count() + run.progress.count() + run.finished.count() + run.failed.count(), 0);
}

// The update window fetches the version file and then the program with two
// clients on its one socket; the first must not hear the second's events.
void TestClsDownload::downloadsTakeTurnsOnOneSocket()
{
    ScriptedServer server;
    server.reply("/v", {okReply("1.0.2")});
    server.reply("/p", {okReply("program")});
    Run first(m_socket.get());
    QVERIFY(first.download.DoDownload(server.url("/v"), m_directory->filePath("v")));
    QVERIFY(first.waitForEnd());

    Run second(m_socket.get());
    QVERIFY(second.download.DoDownload(server.url("/p"), m_directory->filePath("p")));
    QVERIFY(second.waitForEnd());
    QVERIFY(second.download.succeeded());
    QCOMPARE(readAll(m_directory->filePath("p")), QByteArray("program"));
    QCOMPARE(first.start.count(), 1);
    QCOMPARE(first.finished.count(), 1);
    QCOMPARE(first.failed.count(), 0);
}

void TestClsDownload::sizeLimits_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<bool>("toMemory");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<qint64>("mostStored");

    const QByteArray mebibyte(1024 * 1024, 'x');
    QList<QByteArray> hugeVersionFile{"HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n"};
    for (int i = 0; i < 20; ++i) {
        hugeVersionFile.append(mebibyte);
    }
    QTest::newRow("announced length beyond the limit")
        << QList<QByteArray>{"HTTP/1.1 200 OK\r\nContent-Length: 300000000\r\n\r\n", mebibyte} << false
        << qint64(1000000) << qint64(0);
    QTest::newRow("chunked body that grows beyond the limit")
        << QList<QByteArray>{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n",
                             "100000\r\n" + mebibyte + "\r\n", "100000\r\n" + mebibyte + "\r\n"}
        << false << qint64(1500000) << qint64(1500000);
    QTest::newRow("20 MiB version file without a length")
        << hugeVersionFile << true << qint64(4096) << qint64(4096);
    QTest::newRow("memory download without a limit of its own")
        << hugeVersionFile << true << qint64(0) << clsDownload::DefaultMemoryLimit;
}

// A reply beyond the limit fails as soon as it shows: on its announced
// length before any body is stored, otherwise when the body outgrows it.
void TestClsDownload::sizeLimits()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(bool, toMemory);
    QFETCH(qint64, limit);
    QFETCH(qint64, mostStored);

    ScriptedServer server;
    server.reply("/big", pieces);
    const QString target = m_directory->filePath("big");
    Run run(m_socket.get());
    run.download.setSizeLimit(limit);

    QVERIFY(toMemory ? run.download.DoDownloadToMemory(server.url("/big"))
                     : run.download.DoDownload(server.url("/big"), target));
    QVERIFY(run.waitForEnd());
    QCOMPARE(run.failed.count(), 1);
    QCOMPARE(int(run.download.failure()), int(clsDownload::Failure::TooLarge));
    QVERIFY(run.download.bytesReceived() <= mostStored);
    QVERIFY(run.download.body().size() <= mostStored);
    QVERIFY(QFileInfo(target).size() <= mostStored);
    if (mostStored == 0) {
        QVERIFY(run.progress.isEmpty());
    }
}

void TestClsDownload::liveServerHasNoTimeLimit_data()
{
    QTest::addColumn<bool>("fallsSilent");
    QTest::newRow("trickles to the end") << false;
    QTest::newRow("trickles, then falls silent") << true;
}

// A body that comes a byte at a time, for several times the silence timeout
// in all, is taken whole; only silence ends a download that is still there.
void TestClsDownload::liveServerHasNoTimeLimit()
{
    QFETCH(bool, fallsSilent);
    constexpr int Bytes = 40;
    ScriptedServer server;
    QList<QByteArray> pieces{"HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(Bytes) + "\r\n\r\n"};
    for (int i = 0; i < (fallsSilent ? Bytes / 2 : Bytes); ++i) {
        pieces.append("x");
    }
    server.reply("/slow", pieces);
    server.holdOpen("/slow");
    server.setPause(100);
    Run run(m_socket.get());
    run.download.setTimeout(1000);
    QElapsedTimer clock;
    clock.start();

    QVERIFY(run.download.DoDownload(server.url("/slow"), m_directory->filePath("slow")));
    QVERIFY(run.waitForEnd());
    if (fallsSilent) {
        QCOMPARE(run.failed.count(), 1);
        QCOMPARE(int(run.download.failure()), int(clsDownload::Failure::Timeout));
        QCOMPARE(run.download.bytesReceived(), qint64(Bytes / 2));
    } else {
        QCOMPARE(run.finished.count(), 1);
        QVERIFY(run.download.succeeded());
        QCOMPARE(readAll(m_directory->filePath("slow")), QByteArray(Bytes, 'x'));
        QVERIFY(clock.elapsed() > 3000);
    }
    server.release();
}

// A server that keeps the connection after the whole body: the download ends
// with the body's last byte, whole, long before any timeout.
void TestClsDownload::announcedEndEndsTheDownload()
{
    const QByteArray body = bodyOf(5000);
    for (const QByteArray &reply :
         {okReply(body),
          "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1388\r\n" + body + "\r\n0\r\n\r\n"}) {
        ScriptedServer server;
        server.reply("/p", {reply});
        server.holdOpen("/p");
        Run run(m_socket.get());
        run.download.setTimeout(20000);
        const QString target = m_directory->filePath("p");

        QVERIFY(run.download.DoDownload(server.url("/p"), target));
        QVERIFY(QTest::qWaitFor([&run] { return run.finished.count() + run.failed.count() > 0; }, 5000));
        QCOMPARE(run.finished.count(), 1);
        QVERIFY(run.download.succeeded());
        QCOMPARE(readAll(target), body);
        server.release();
    }
}

void TestClsDownload::https_data()
{
    QTest::addColumn<bool>("trusted");
    QTest::newRow("certificate of a trusted authority") << true;
    QTest::newRow("certificate nobody vouches for") << false;
}

// The server's certificate is checked: the test's own authority is trusted
// only where the test says so, and then the same socket still speaks plain
// HTTP to a local server.
void TestClsDownload::https()
{
    QFETCH(bool, trusted);
    if (runsUnderWine()) {
        QSKIP(
            "Wine's Schannel, built on GnuTLS, does not serve TLS with a local test certificate: it fails to "
            "load an EC key's chain and, with an RSA key, the handshake stops with GnuTLS's \"The requested "
            "data were not available\"");
    }
    if (!QSslSocket::supportsSsl()) {
        QFAIL("Qt has no TLS backend here");
    }
    TestKeys keys;
    QVERIFY2(keys.create(m_directory->path()), qPrintable(keys.error()));
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(keys.certificateFile());
    QCOMPARE(certificates.size(), 1);
    QFile keyFile(keys.certificateKeyFile());
    QVERIFY(keyFile.open(QIODevice::ReadOnly));
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(certificates.first());
    tls.setPrivateKey(QSslKey(&keyFile, QSsl::Ec));
    QVERIFY(!tls.privateKey().isNull());

    const QSslConfiguration systemDefault = QSslConfiguration::defaultConfiguration();
    if (trusted) {
        QSslConfiguration withTestAuthority = systemDefault;
        withTestAuthority.addCaCertificates(certificates);
        QSslConfiguration::setDefaultConfiguration(withTestAuthority);
    }
    auto socket = std::make_unique<QSslSocket>();
    QSslConfiguration::setDefaultConfiguration(systemDefault);

    ScriptedServer secureServer(tls);
    secureServer.reply("/v", {okReply("1.0.2")});
    Run run(socket.get());
    QVERIFY(run.download.DoDownloadToMemory(secureServer.url("/v")));
    QVERIFY(run.waitForEnd());
    if (trusted) {
        QCOMPARE(run.finished.count(), 1);
        QVERIFY(run.download.succeeded());
        QCOMPARE(run.download.body(), QByteArray("1.0.2"));
    } else {
        QCOMPARE(run.failed.count(), 1);
        QCOMPARE(int(run.download.failure()), int(clsDownload::Failure::Certificate));
        QVERIFY(!run.download.errorString().isEmpty());
        QVERIFY(secureServer.requests().isEmpty());
        QCOMPARE(run.start.count(), 0);
    }

    ScriptedServer plainServer;
    plainServer.reply("/v", {okReply("1.0.3")});
    Run plain(socket.get());
    QVERIFY(plain.download.DoDownloadToMemory(plainServer.url("/v")));
    QVERIFY(plain.waitForEnd());
    QVERIFY(plain.download.succeeded());
    QCOMPARE(plain.download.body(), QByteArray("1.0.3"));
}

QTEST_GUILESS_MAIN(TestClsDownload)
#include "tst_clsdownload.moc"
