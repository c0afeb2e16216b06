#include "downloadaddress.h"

namespace {

const QString PlainPrefix = QStringLiteral("http://");
const QString SecurePrefix = QStringLiteral("https://");

bool startsWithScheme(const QString &url, const QString &prefix)
{
    return url.left(prefix.size()).toLower() == prefix;
}

bool isSafeHostCharacter(QChar c)
{
    return c.unicode() > 0x20 && c.unicode() < 0x7f && c != u'/' && c != u'?' && c != u'#' && c != u'@';
}

bool parsePort(const QString &text, quint16 *port)
{
    if (text.isEmpty() || text.size() > 5) {
        return false;
    }
    for (QChar c : text) {
        if (!c.isDigit() || c.unicode() > 0x7f) {
            return false;
        }
    }
    const int value = text.toInt();
    if (value < 1 || value > 65535) {
        return false;
    }
    *port = static_cast<quint16>(value);
    return true;
}

// Splits "host", "host:port", "[v6]" or "[v6]:port".
bool splitAuthority(const QString &authority, quint16 defaultPort, QString *host, quint16 *port)
{
    QString portText;
    if (authority.startsWith(u'[')) {
        const qsizetype close = authority.indexOf(u']');
        if (close < 2) {
            return false;
        }
        *host = authority.mid(1, close - 1);
        const QString rest = authority.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(u':')) {
                return false;
            }
            portText = rest.mid(1);
        }
    } else {
        const qsizetype colon = authority.indexOf(u':');
        *host = colon < 0 ? authority : authority.left(colon);
        if (colon >= 0) {
            portText = authority.mid(colon + 1);
        }
    }
    if (host->isEmpty()) {
        return false;
    }
    for (QChar c : *host) {
        if (!isSafeHostCharacter(c)) {
            return false;
        }
    }
    *port = defaultPort;
    if (!portText.isNull()) {
        return parsePort(portText, port);
    }
    return true;
}

} // namespace

DownloadAddress splitDownloadUrl(const QString &url)
{
    DownloadAddress address;
    QString rest = url;
    if (startsWithScheme(rest, PlainPrefix)) {
        rest.remove(0, PlainPrefix.size());
    } else if (startsWithScheme(rest, SecurePrefix)) {
        rest.remove(0, SecurePrefix.size());
        address.secure = true;
    }
    if (!rest.contains(u'/')) {
        rest += u'/';
    }
    const qsizetype slash = rest.indexOf(u'/');
    address.authority = rest.left(slash);
    address.path = rest.mid(slash);
    address.valid =
        splitAuthority(address.authority, address.secure ? 443 : 80, &address.host, &address.port);
    return address;
}

QByteArray downloadRequest(const DownloadAddress &address)
{
    QByteArray path;
    for (const char byte : address.path.toUtf8()) {
        const auto value = static_cast<unsigned char>(byte);
        if (value <= 0x20 || value >= 0x7f) {
            path += '%' + QByteArray::number(value, 16).toUpper().rightJustified(2, '0');
        } else {
            path += byte;
        }
    }
    return "GET " + path + " HTTP/1.1\r\n" + "Host: " + address.authority.toLatin1() + "\r\n" +
           "Accept: */*\r\n" + "Connection: close\r\n" + "\r\n";
}
