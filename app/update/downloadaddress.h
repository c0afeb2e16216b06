#pragma once

#include <QByteArray>
#include <QString>

// Where one download comes from: the server to connect to and the request
// path. The address is written "http://host[:port]/path"; the scheme is
// optional and recognised without regard to letter case.
struct DownloadAddress
{
    bool valid = false;
    QString host;      // name or address to connect to, without brackets
    quint16 port = 80; // 80 unless the address names another port
    QString authority; // host (and port) as written, for the Host line
    QString path;      // always begins with "/"
};

DownloadAddress splitDownloadUrl(const QString &url);

// The GET request for the address, lines ending in CR LF, closed by an empty
// line. Bytes that may not stand in a request line (blanks, control and
// non-ASCII characters) are percent-encoded so that a path can never break
// the request apart.
QByteArray downloadRequest(const DownloadAddress &address);
