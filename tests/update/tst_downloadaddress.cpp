#include "update/downloadaddress.h"

#include <QTest>

class TestDownloadAddress : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void rejectsUnusableAddresses_data();
    void rejectsUnusableAddresses();
    void requestText();
    void requestPathCannotBreakTheRequest();
};

void TestDownloadAddress::split_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("authority");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("secure");

    QTest::newRow("scheme, host and path") << "http://server/dir/file.txt"
                                           << "server" << 80 << "server"
                                           << "/dir/file.txt" << false;
    QTest::newRow("scheme in capitals") << "HTTP://Server/File.TXT"
                                        << "Server" << 80 << "Server"
                                        << "/File.TXT" << false;
    QTest::newRow("bare host name") << "server"
                                    << "server" << 80 << "server"
                                    << "/" << false;
    QTest::newRow("scheme and host only") << "http://server"
                                          << "server" << 80 << "server"
                                          << "/" << false;
    QTest::newRow("host with port") << "http://127.0.0.1:8000/kavrel/current_version.txt"
                                    << "127.0.0.1" << 8000 << "127.0.0.1:8000"
                                    << "/kavrel/current_version.txt" << false;
    QTest::newRow("bracketed IPv6 with port") << "http://[::1]:8080/x"
                                              << "::1" << 8080 << "[::1]:8080"
                                              << "/x" << false;
    QTest::newRow("query kept in the path") << "http://h/a?b=c"
                                            << "h" << 80 << "h"
                                            << "/a?b=c" << false;
    QTest::newRow("https") << "https://updates.example/kavrel/current_version.txt"
                           << "updates.example" << 443 << "updates.example"
                           << "/kavrel/current_version.txt" << true;
    QTest::newRow("https in capitals with port") << "HTTPS://h:8443/p"
                                                 << "h" << 8443 << "h:8443"
                                                 << "/p" << true;
}

void TestDownloadAddress::split()
{
    QFETCH(QString, url);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, authority);
    QFETCH(QString, path);
    QFETCH(bool, secure);

    const DownloadAddress address = splitDownloadUrl(url);
    QVERIFY(address.valid);
    QCOMPARE(address.secure, secure);
    QCOMPARE(address.host, host);
    QCOMPARE(int(address.port), port);
    QCOMPARE(address.authority, authority);
    QCOMPARE(address.path, path);
}

void TestDownloadAddress::rejectsUnusableAddresses_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("empty") << "";
    QTest::newRow("no host") << "http:///file.txt";
    QTest::newRow("port out of range") << "http://server:70000/";
    QTest::newRow("port zero") << "http://server:0/";
    QTest::newRow("port not a number") << "http://server:http/";
    QTest::newRow("user information") << "http://user@server/";
    QTest::newRow("blank in the host") << "http://ser ver/";
    QTest::newRow("line break in the host") << "http://server\r\nX-Injected: 1/";
    QTest::newRow("unclosed bracket") << "http://[::1/";
    QTest::newRow("other scheme") << "ftp://server/file";
}

void TestDownloadAddress::rejectsUnusableAddresses()
{
    QFETCH(QString, url);
    QVERIFY(!splitDownloadUrl(url).valid);
}

void TestDownloadAddress::requestText()
{
    QCOMPARE(downloadRequest(splitDownloadUrl(QStringLiteral("http://server/dir/file.txt"))),
             QByteArray("GET /dir/file.txt HTTP/1.1\r\n"
                        "Host: server\r\n"
                        "Accept: */*\r\n"
                        "Connection: close\r\n"
                        "\r\n"));
    QCOMPARE(
        downloadRequest(splitDownloadUrl(QStringLiteral("127.0.0.1:8000/a"))),
        QByteArray("GET /a HTTP/1.1\r\nHost: 127.0.0.1:8000\r\nAccept: */*\r\nConnection: close\r\n\r\n"));
}

void TestDownloadAddress::requestPathCannotBreakTheRequest()
{
    const DownloadAddress address = splitDownloadUrl(QStringLiteral("http://h/new version\r\nX: ü/%41"));
    QCOMPARE(downloadRequest(address).split('\n').first(),
             QByteArray("GET /new%20version%0D%0AX:%20%C3%BC/%41 HTTP/1.1\r"));
}

QTEST_APPLESS_MAIN(TestDownloadAddress)
#include "tst_downloadaddress.moc"
