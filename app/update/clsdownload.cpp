#include "clsdownload.h"

#include <QFile>
#include <QMessageBox>
#include <QSslSocket>

clsDownload::clsDownload(QSslSocket *socket, QObject *parent) : QObject(parent), m_ownersSocket(socket)
{
    m_silenceTimer.setSingleShot(true);
    m_silenceTimer.setInterval(DefaultTimeoutMs);
    connect(&m_silenceTimer, &QTimer::timeout, this, &clsDownload::onSilence);
    m_reportStartFailure = [](const QString &message) {
        QMessageBox::critical(nullptr, QStringLiteral("Kavrel"), message);
    };
}

clsDownload::~clsDownload()
{
    detachSocket();
}

void clsDownload::setTimeout(int milliseconds)
{
    m_silenceTimer.setInterval(milliseconds);
}

void clsDownload::setSizeLimit(qint64 bytes)
{
    m_sizeLimit = bytes;
}

void clsDownload::setStartFailureReporter(std::function<void(const QString &)> reporter)
{
    m_reportStartFailure = std::move(reporter);
}

QString clsDownload::startFailureText(int number, const QString &description)
{
    return QStringLiteral("Fehler!\nError: %1\n%2").arg(number).arg(description);
}

bool clsDownload::isComplete() const
{
    return m_failure == Failure::None && m_reader.isBodyComplete();
}

qint64 clsDownload::effectiveSizeLimit() const
{
    if (m_sizeLimit > 0) {
        return m_sizeLimit;
    }
    return m_toMemory ? DefaultMemoryLimit : 0;
}

bool clsDownload::DoDownload(const QString &strURL, const QString &strLocalFile)
{
    if (!acceptAddress(strURL)) {
        return false;
    }
    QFile oldFile(strLocalFile);
    if (oldFile.exists() && !oldFile.remove()) {
        reportStartFailure(oldFile.error(),
                           QStringLiteral("%1: %2").arg(strLocalFile, oldFile.errorString()));
        return false;
    }
    m_localFile = strLocalFile;
    m_toMemory = false;
    startTransfer();
    return true;
}

bool clsDownload::DoDownloadToMemory(const QString &strURL)
{
    if (!acceptAddress(strURL)) {
        return false;
    }
    m_localFile.clear();
    m_toMemory = true;
    startTransfer();
    return true;
}

bool clsDownload::acceptAddress(const QString &strURL)
{
    const DownloadAddress address = splitDownloadUrl(strURL);
    if (!address.valid) {
        reportStartFailure(QAbstractSocket::HostNotFoundError,
                           QStringLiteral("Invalid server address: %1").arg(strURL));
        return false;
    }
    if (!m_ownersSocket) {
        reportStartFailure(QAbstractSocket::UnknownSocketError, QStringLiteral("No socket to download with"));
        return false;
    }
    if (address.secure && !QSslSocket::supportsSsl()) {
        reportStartFailure(QAbstractSocket::SslInternalError,
                           QStringLiteral("TLS is not available for %1").arg(strURL));
        return false;
    }
    m_address = address;
    return true;
}

void clsDownload::startTransfer()
{
    m_body.clear();
    m_reader = HttpResponseReader();
    m_bytesReceived = 0;
    m_over = false;
    m_failure = Failure::None;
    m_error.clear();
    m_certificateErrors.clear();

    // Closing the shared socket must not reach our own handlers as the end
    // of this download, so they are connected only afterwards.
    detachSocket();
    m_ownersSocket->abort();
    attachSocket();
    m_silenceTimer.start();
    if (m_address.secure) {
        m_socket->setPeerVerifyMode(QSslSocket::VerifyPeer);
        m_socket->connectToHostEncrypted(m_address.host, m_address.port);
    } else {
        m_socket->connectToHost(m_address.host, m_address.port);
    }
}

void clsDownload::AbortDownload()
{
    stopTransfer();
}

void clsDownload::attachSocket()
{
    m_socket = m_ownersSocket;
    if (!m_socket) {
        return;
    }
    m_socket->setReadBufferSize(ReadBufferBytes);
    connect(m_socket, &QSslSocket::connected, this, &clsDownload::onConnected);
    connect(m_socket, &QSslSocket::encrypted, this, &clsDownload::onEncrypted);
    connect(m_socket, &QSslSocket::readyRead, this, &clsDownload::onReadyRead);
    connect(m_socket, &QSslSocket::disconnected, this, &clsDownload::onDisconnected);
    connect(m_socket, &QSslSocket::errorOccurred, this, &clsDownload::onSocketError);
    connect(m_socket, &QSslSocket::sslErrors, this, [this](const QList<QSslError> &errors) {
        for (const QSslError &error : errors) {
            m_certificateErrors.append(error.errorString());
        }
    });
}

void clsDownload::detachSocket()
{
    if (m_socket) {
        disconnect(m_socket, nullptr, this, nullptr);
    }
    m_socket = nullptr;
}

void clsDownload::reportStartFailure(int number, const QString &description)
{
    m_error = description;
    if (m_reportStartFailure) {
        m_reportStartFailure(startFailureText(number, description));
    }
}

void clsDownload::onConnected()
{
    // Over TLS the request waits until the server's certificate has been checked.
    if (!m_address.secure) {
        sendRequest();
    }
}

void clsDownload::onEncrypted()
{
    if (m_address.secure) {
        sendRequest();
    }
}

void clsDownload::sendRequest()
{
    if (m_over) {
        return;
    }
    m_silenceTimer.start();
    m_socket->write(downloadRequest(m_address));
    emit Start();
}

void clsDownload::onReadyRead()
{
    if (m_over) {
        return;
    }
    m_silenceTimer.start();
    readArrivedData();
}

void clsDownload::readArrivedData()
{
    const QByteArray data = m_socket->readAll();
    if (data.isEmpty()) {
        return;
    }
    const bool headerWasDone = m_reader.isHeaderDone();
    const QByteArray body = m_reader.read(data);
    if (m_reader.hasError()) {
        fail(Failure::Malformed, m_reader.errorString());
        return;
    }
    if (!m_reader.isHeaderDone()) {
        return;
    }
    if (!headerWasDone && !announcedLengthFits()) {
        return;
    }
    if (!store(body)) {
        return;
    }
    m_bytesReceived += body.size();
    const qint64 length = m_reader.contentLength();
    emit Progress(m_bytesReceived, length > 0 ? length : 0);
    if (!m_over && m_reader.isBodyComplete()) {
        // The announced end is the end: a server that keeps the connection
        // open after it has nothing more to say about this file.
        stopTransfer();
        finish();
    }
}

bool clsDownload::announcedLengthFits()
{
    const qint64 limit = effectiveSizeLimit();
    if (limit > 0 && m_reader.contentLength() > limit) {
        fail(Failure::TooLarge, QStringLiteral("The server announces %1 bytes, more than the %2 accepted")
                                    .arg(m_reader.contentLength())
                                    .arg(limit));
        return false;
    }
    return true;
}

bool clsDownload::store(const QByteArray &body)
{
    const qint64 limit = effectiveSizeLimit();
    if (limit > 0 && m_bytesReceived + body.size() > limit) {
        fail(Failure::TooLarge, QStringLiteral("The reply grows beyond the %1 bytes accepted").arg(limit));
        return false;
    }
    if (m_toMemory) {
        m_body += body;
        return true;
    }
    return appendToLocalFile(body);
}

// Every piece reopens the file, so nothing waits in memory between pieces
// and the file is there (perhaps empty) as soon as the header is read.
bool clsDownload::appendToLocalFile(const QByteArray &body)
{
    QFile file(m_localFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(body) != body.size() ||
        !file.flush()) {
        fail(Failure::LocalWrite, QStringLiteral("%1: %2").arg(m_localFile, file.errorString()));
        return false;
    }
    return true;
}

void clsDownload::onDisconnected()
{
    if (m_over) {
        return;
    }
    if (m_socket && m_socket->bytesAvailable() > 0) {
        readArrivedData();
        if (m_over) {
            return;
        }
    }
    if (!m_reader.hasStatusLine() || !m_reader.isHeaderDone()) {
        fail(Failure::Connection, QStringLiteral("The server closed the connection without a reply"));
        return;
    }
    finish();
}

void clsDownload::onSocketError()
{
    if (m_over || !m_socket) {
        return;
    }
    // The server closing the connection is the normal end of a reply; the
    // disconnected notification that follows decides.
    if (m_socket->error() == QAbstractSocket::RemoteHostClosedError) {
        return;
    }
    if (m_address.secure &&
        (!m_certificateErrors.isEmpty() || m_socket->error() == QAbstractSocket::SslHandshakeFailedError)) {
        QStringList reasons = m_certificateErrors;
        if (reasons.isEmpty()) {
            reasons.append(m_socket->errorString());
        }
        fail(Failure::Certificate, reasons.join(u'\n'));
        return;
    }
    fail(Failure::Connection, m_socket->errorString());
}

void clsDownload::onSilence()
{
    if (m_over) {
        return;
    }
    fail(Failure::Timeout, QStringLiteral("The server did not answer in time"));
}

void clsDownload::stopTransfer()
{
    m_silenceTimer.stop();
    m_over = true;
    if (m_socket) {
        QSslSocket *socket = m_socket;
        detachSocket();
        socket->abort();
    }
}

void clsDownload::finish()
{
    m_silenceTimer.stop();
    m_over = true;
    emit Finished();
}

void clsDownload::fail(Failure failure, const QString &reason)
{
    m_failure = failure;
    m_error = reason;
    stopTransfer();
    emit Failed();
}
