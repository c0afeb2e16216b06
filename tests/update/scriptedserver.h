#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSslConfiguration>
#include <QTcpServer>
#include <memory>
#include <optional>

class QTcpSocket;

// A web server on the loopback interface that answers each request with
// the reply scripted for its path, sent in the given pieces with a pause
// between them so that they arrive one by one. It then closes the
// connection, unless told to stay silent or to hold the connection open.
// Given a TLS configuration (certificate and key) it speaks HTTPS.
class ScriptedServer : public QObject
{
    Q_OBJECT

public:
    explicit ScriptedServer(const std::optional<QSslConfiguration> &tls = std::nullopt);

    void reply(const QByteArray &path, const QList<QByteArray> &pieces);
    // Accepts the connection and never answers.
    void staySilent() { m_silent = true; }
    // Sends the pieces for this path but keeps the connection until
    // release() is called.
    void holdOpen(const QByteArray &path) { m_heldPaths.append(path); }
    void release();
    // The pause between two pieces (40 ms unless set).
    void setPause(int milliseconds) { m_pauseMs = milliseconds; }

    quint16 port() const { return m_server->serverPort(); }
    QString url(const QByteArray &path) const;
    QList<QByteArray> requests() const { return m_requests; }

private:
    void accept();
    void answer(QTcpSocket *socket, const QByteArray &request);
    void sendPieces(QPointer<QTcpSocket> socket, QList<QByteArray> pieces, bool hold, int delay);

    std::unique_ptr<QTcpServer> m_server;
    bool m_tls = false;
    int m_pauseMs = 40;
    QMap<QByteArray, QList<QByteArray>> m_replies;
    QList<QByteArray> m_requests;
    QList<QPointer<QTcpSocket>> m_held;
    bool m_silent = false;
    QList<QByteArray> m_heldPaths;
    bool m_released = false;
};

QByteArray okReply(const QByteArray &body);
