#include "scriptedserver.h"

#include <QSslServer>
#include <QTcpSocket>
#include <QTimer>

ScriptedServer::ScriptedServer(const std::optional<QSslConfiguration> &tls) : m_tls(tls.has_value())
{
    if (m_tls) {
        auto server = std::make_unique<QSslServer>();
        server->setSslConfiguration(*tls);
        // A TLS connection is handed over once its handshake is done.
        connect(server.get(), &QSslServer::pendingConnectionAvailable, this, &ScriptedServer::accept);
        m_server = std::move(server);
    } else {
        m_server = std::make_unique<QTcpServer>();
        connect(m_server.get(), &QTcpServer::newConnection, this, &ScriptedServer::accept);
    }
    m_server->listen(QHostAddress::LocalHost);
}

void ScriptedServer::reply(const QByteArray &path, const QList<QByteArray> &pieces)
{
    m_replies.insert(path, pieces);
}

QString ScriptedServer::url(const QByteArray &path) const
{
    return QStringLiteral("%1://127.0.0.1:%2%3")
        .arg(m_tls ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(port())
        .arg(QString::fromLatin1(path));
}

void ScriptedServer::release()
{
    m_released = true;
    for (const QPointer<QTcpSocket> &socket : std::as_const(m_held)) {
        if (socket) {
            socket->disconnectFromHost();
        }
    }
    m_held.clear();
}

void ScriptedServer::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        auto *request = new QByteArray;
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [request] { delete request; });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
            *request += socket->readAll();
            if (request->contains("\r\n\r\n")) {
                m_requests.append(*request);
                answer(socket, *request);
                request->clear();
            }
        });
    }
}

void ScriptedServer::answer(QTcpSocket *socket, const QByteArray &request)
{
    if (m_silent) {
        m_held.append(socket);
        return;
    }
    const QByteArray path = request.split(' ').value(1);
    const QList<QByteArray> pieces =
        m_replies.value(path, {"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"});
    sendPieces(QPointer<QTcpSocket>(socket), pieces, m_heldPaths.contains(path), 0);
}

// Each piece is sent a pause after the one before it, so that a long series
// arrives in order however loosely the timers keep their time.
void ScriptedServer::sendPieces(QPointer<QTcpSocket> socket, QList<QByteArray> pieces, bool hold, int delay)
{
    QTimer::singleShot(delay, this, [this, socket, pieces, hold]() mutable {
        if (!socket) {
            return;
        }
        if (!pieces.isEmpty()) {
            socket->write(pieces.takeFirst());
            socket->flush();
            sendPieces(socket, pieces, hold, m_pauseMs);
        } else if (hold && !m_released) {
            m_held.append(socket);
        } else {
            socket->disconnectFromHost();
        }
    });
}

QByteArray okReply(const QByteArray &body)
{
    return "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}
