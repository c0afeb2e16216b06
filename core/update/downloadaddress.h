#pragma once

#include <QByteArray>
#include <QString>

// Where one download comes from: the server to connect to and the request
// path. The address is written "http://host[:port]/path" or
// "https://host[:port]/path"; the scheme is recognised without regard to
// letter case, and an address without one is plain HTTP.
struct DownloadAddress
{
    bool valid = false;
    bool secure = false; // https: TLS with the server's certificate checked
    QString host;        // name or address to connect to, without brackets
    quint16 port = 80;   // 80 (443 for https) unless the address names another port
    QString authority;   // host (and port) as written, for the Host line
    QString path;        // always begins with "/"
};

DownloadAddress splitDownloadUrl(const QString &url);

// The GET request for the address, lines ending in CR LF, closed by an empty
// line. Bytes that may not stand in a request line (blanks, control and
// non-ASCII characters) are percent-encoded so that a path can never break
// the request apart.
QByteArray downloadRequest(const DownloadAddress &address);
