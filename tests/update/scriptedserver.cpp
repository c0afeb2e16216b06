#include "scriptedserver.h"

#include <QTcpSocket>
#include <QTimer>

namespace {
constexpr int PauseBetweenPiecesMs = 40;
}

ScriptedServer::ScriptedServer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedServer::accept);
}

void ScriptedServer::reply(const QByteArray &path, const QList<QByteArray> &pieces)
{
    m_replies.insert(path, pieces);
}

QString ScriptedServer::url(const QByteArray &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(QString::fromLatin1(path));
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
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
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
    QPointer<QTcpSocket> guarded(socket);
    int delay = 0;
    for (const QByteArray &piece : pieces) {
        QTimer::singleShot(delay, this, [guarded, piece] {
            if (guarded) {
                guarded->write(piece);
                guarded->flush();
            }
        });
        delay += PauseBetweenPiecesMs;
    }
    const bool hold = m_heldPaths.contains(path);
    QTimer::singleShot(delay, this, [this, guarded, hold] {
        if (!guarded) {
            return;
        }
        if (hold && !m_released) {
            m_held.append(guarded);
        } else {
            guarded->disconnectFromHost();
        }
    });
}

QByteArray okReply(const QByteArray &body)
{
    return "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}
