#pragma once

#include "update/downloadaddress.h"
#include "update/httpresponsereader.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

class QSslSocket;

// Fetches one file over HTTP or HTTPS on a socket it borrows from its owner
// and stores the body of the reply in a local file, or keeps it in memory.
//
// DoDownload only starts the work; the owner hears of it through the
// signals: Start once the request is out, Progress for every piece of the
// body stored, and then exactly one of Finished (the server sent its reply:
// the body's announced end arrived, or the server closed the connection
// after the header; statusCode() and isComplete() tell what came) or Failed
// (no connection, a broken one, a certificate that does not hold, a server
// that stays silent for longer than the timeout, a reply beyond the size
// limit, a malformed reply, one that closes without a status line, or a body
// that cannot be stored; failure() tells which).
//
// A download that keeps receiving data has no time limit: a slow line stays
// a line, and only the owner (its user) decides it has waited long enough.
class clsDownload : public QObject
{
    Q_OBJECT

public:
    enum class Failure
    {
        None,
        Connection,
        Certificate,
        Timeout, // the server stayed silent for too long
        TooLarge,
        Malformed,
        LocalWrite
    };

    static constexpr int DefaultTimeoutMs = 30000;
    // A body kept in memory never grows beyond this unless a limit is set.
    static constexpr qint64 DefaultMemoryLimit = 64 * 1024;
    // What one notification reads at most, so that a fast server cannot make
    // one piece of work of any size.
    static constexpr qint64 ReadBufferBytes = 64 * 1024;

    explicit clsDownload(QSslSocket *socket, QObject *parent = nullptr);
    ~clsDownload() override;

    // Starts a download into a local file; false when it could not even be
    // started (a bad address, an old local file that cannot be removed, no
    // TLS for an https address), after telling the user through the
    // start-failure report.
    bool DoDownload(const QString &strURL, const QString &strLocalFile);
    // The same, keeping the body in memory (see body()).
    bool DoDownloadToMemory(const QString &strURL);
    // Stops the transfer without any further signal.
    void AbortDownload();

    // How long the server may stay silent before the download fails.
    void setTimeout(int milliseconds);
    // The largest body accepted, checked against the announced length before
    // any of the body is stored and against what arrives; 0 for no limit.
    void setSizeLimit(qint64 bytes);
    // Shows start failures; by default a critical message box.
    void setStartFailureReporter(std::function<void(const QString &message)> reporter);

    int statusCode() const { return m_reader.statusCode(); }
    // The body arrived whole, with its end announced by the server (a length
    // or a final chunk), and every byte of it was stored. A body that only
    // the closing connection ended is never complete: a cut looks the same.
    bool isComplete() const;
    // The server sent a body without length or chunks and then closed.
    bool endedByClose() const { return m_reader.isCloseDelimited(); }
    // The body ended where the server ended it: at its announced end, or,
    // without one, when the server closed the connection. Only a check of the
    // content (a signature) can tell a whole body of the second kind from a
    // cut one.
    bool reachedItsEnd() const { return isComplete() || (m_failure == Failure::None && endedByClose()); }
    // A complete reply with status 200.
    bool succeeded() const { return statusCode() == 200 && isComplete(); }
    qint64 bytesReceived() const { return m_bytesReceived; }
    QByteArray body() const { return m_body; }
    Failure failure() const { return m_failure; }
    QString errorString() const { return m_error; }

    // The text shown when a download cannot be started; the same in every language.
    static QString startFailureText(int number, const QString &description);

signals:
    void Start();
    void Progress(qint64 BytesLoaded, qint64 FileSize);
    void Finished();
    void Failed();

private:
    bool acceptAddress(const QString &strURL);
    void startTransfer();
    void attachSocket();
    void detachSocket();
    void reportStartFailure(int number, const QString &description);
    void onConnected();
    void onEncrypted();
    void sendRequest();
    void onReadyRead();
    void onDisconnected();
    void onSocketError();
    void onSilence();
    void readArrivedData();
    bool announcedLengthFits();
    bool store(const QByteArray &body);
    bool appendToLocalFile(const QByteArray &body);
    qint64 effectiveSizeLimit() const;
    void finish();
    void fail(Failure failure, const QString &reason);
    void stopTransfer();

    QPointer<QSslSocket> m_ownersSocket;
    QPointer<QSslSocket> m_socket;
    DownloadAddress m_address;
    QString m_localFile;
    bool m_toMemory = false;
    QByteArray m_body;
    HttpResponseReader m_reader;
    qint64 m_bytesReceived = 0;
    qint64 m_sizeLimit = 0;
    bool m_over = false;
    Failure m_failure = Failure::None;
    QString m_error;
    QStringList m_certificateErrors;
    QTimer m_silenceTimer;
    std::function<void(const QString &)> m_reportStartFailure;
};
