#pragma once

#include "downloadaddress.h"
#include "httpresponsereader.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QTcpSocket;

// Fetches one file over HTTP on a socket it borrows from its owner and
// stores the body of the reply in a local file.
//
// DoDownload only starts the work; the owner hears of it through the
// signals: Start once the request is out, Progress for every piece of the
// body written, and then exactly one of Finished (the server sent its reply
// and closed the connection; statusCode() and isComplete() tell what came)
// or Failed (no connection, a broken one, a server that stays silent for
// longer than the timeout, or one that closes without a status line).
class clsDownload : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTimeoutMs = 30000;

    explicit clsDownload(QTcpSocket *socket, QObject *parent = nullptr);
    ~clsDownload() override;

    // Starts a download; false when it could not even be started (a bad
    // address, an old local file that cannot be removed), after telling the
    // user through the start-failure report.
    bool DoDownload(const QString &strURL, const QString &strLocalFile);
    // Stops the transfer without any further signal.
    void AbortDownload();

    // How long the server may stay silent before the download fails.
    void setTimeout(int milliseconds);
    // Shows start failures; by default a critical message box.
    void setStartFailureReporter(std::function<void(const QString &message)> reporter);

    int statusCode() const { return m_reader.statusCode(); }
    // The body arrived whole and every byte of it was stored.
    bool isComplete() const;
    // A complete reply with status 200.
    bool succeeded() const { return statusCode() == 200 && isComplete(); }
    qint64 bytesReceived() const { return m_bytesReceived; }
    QString errorString() const { return m_error; }

    // The text shown when a download cannot be started; the same in every language.
    static QString startFailureText(int number, const QString &description);

signals:
    void Start();
    void Progress(qint64 BytesLoaded, qint64 FileSize);
    void Finished();
    void Failed();

private:
    void attachSocket();
    void detachSocket();
    void reportStartFailure(int number, const QString &description);
    void onConnected();
    void onReadyRead();
    void onDisconnected();
    void onSocketError();
    void onSilence();
    void readArrivedData();
    bool appendToLocalFile(const QByteArray &body);
    void finish();
    void fail(const QString &reason);
    void stopTransfer();

    QPointer<QTcpSocket> m_ownersSocket;
    QPointer<QTcpSocket> m_socket;
    DownloadAddress m_address;
    QString m_localFile;
    HttpResponseReader m_reader;
    qint64 m_bytesReceived = 0;
    bool m_over = false;
    bool m_writeFailed = false;
    QString m_error;
    QTimer m_silenceTimer;
    std::function<void(const QString &)> m_reportStartFailure;
};
