#include "clsdownload.h"

#include <QFile>
#include <QMessageBox>
#include <QTcpSocket>

clsDownload::clsDownload(QTcpSocket *socket, QObject *parent) : QObject(parent), m_ownersSocket(socket)
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
    return !m_writeFailed && m_reader.isBodyComplete();
}

bool clsDownload::DoDownload(const QString &strURL, const QString &strLocalFile)
{
    const DownloadAddress address = splitDownloadUrl(strURL);
    if (!address.valid) {
        reportStartFailure(QAbstractSocket::HostNotFoundError,
                           QStringLiteral("Invalid server address: %1").arg(strURL));
        return false;
    }
    QFile oldFile(strLocalFile);
    if (oldFile.exists() && !oldFile.remove()) {
        reportStartFailure(oldFile.error(),
                           QStringLiteral("%1: %2").arg(strLocalFile, oldFile.errorString()));
        return false;
    }
    if (!m_ownersSocket) {
        reportStartFailure(QAbstractSocket::UnknownSocketError, QStringLiteral("No socket to download with"));
        return false;
    }

    m_address = address;
    m_localFile = strLocalFile;
    m_reader = HttpResponseReader();
    m_bytesReceived = 0;
    m_over = false;
    m_writeFailed = false;
    m_error.clear();

    // Closing the shared socket must not reach our own handlers as the end
    // of this download, so they are connected only afterwards.
    detachSocket();
    m_ownersSocket->abort();
    attachSocket();
    m_silenceTimer.start();
    m_socket->connectToHost(m_address.host, m_address.port);
    return true;
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
    connect(m_socket, &QTcpSocket::connected, this, &clsDownload::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &clsDownload::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &clsDownload::onDisconnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &clsDownload::onSocketError);
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
    const QByteArray body = m_reader.read(data);
    if (m_reader.hasError()) {
        m_error = m_reader.errorString();
        stopTransfer();
        finish();
        return;
    }
    if (!m_reader.isHeaderDone()) {
        return;
    }
    if (!appendToLocalFile(body)) {
        m_writeFailed = true;
        stopTransfer();
        finish();
        return;
    }
    m_bytesReceived += body.size();
    const qint64 length = m_reader.contentLength();
    emit Progress(m_bytesReceived, length > 0 ? length : 0);
}

// Every piece reopens the file, so nothing waits in memory between pieces
// and the file is there (perhaps empty) as soon as the header is read.
bool clsDownload::appendToLocalFile(const QByteArray &body)
{
    QFile file(m_localFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(body) != body.size() ||
        !file.flush()) {
        m_error = QStringLiteral("%1: %2").arg(m_localFile, file.errorString());
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
        fail(QStringLiteral("The server closed the connection without a reply"));
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
    fail(m_socket->errorString());
}

void clsDownload::onSilence()
{
    if (m_over) {
        return;
    }
    fail(QStringLiteral("The server did not answer in time"));
}

void clsDownload::stopTransfer()
{
    m_silenceTimer.stop();
    m_over = true;
    if (m_socket) {
        QTcpSocket *socket = m_socket;
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

void clsDownload::fail(const QString &reason)
{
    m_error = reason;
    stopTransfer();
    emit Failed();
}
