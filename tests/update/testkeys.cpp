#include "testkeys.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QStringList>

bool TestKeys::create(const QString &directory)
{
    m_directory = directory;
    QByteArray publicDer;
    if (!run({"genpkey", "-algorithm", "ed25519", "-out", signingKeyFile()}) ||
        !run({"pkey", "-in", signingKeyFile(), "-pubout", "-outform", "DER"}, &publicDer)) {
        return false;
    }
    m_publicKey = publicDer.toBase64();
    return run({"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                "-keyout", certificateKeyFile(), "-out", certificateFile(), "-days", "2", "-subj",
                "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
}

QByteArray TestKeys::sign(const QByteArray &content) const
{
    const QString contentFile = m_directory + QStringLiteral("/to-sign");
    QFile file(contentFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()) {
        return {};
    }
    file.close();
    QByteArray signature;
    if (!run({"pkeyutl", "-sign", "-inkey", signingKeyFile(), "-rawin", "-in", contentFile}, &signature)) {
        return {};
    }
    return signature;
}

QByteArray TestKeys::signRelease(const QByteArray &version, const QByteArray &fileName,
                                 const QByteArray &program) const
{
    const QByteArray text = "kavrel-update-v1\n" + version + '\n' + fileName + '\n' +
                            QCryptographicHash::hash(program, QCryptographicHash::Sha256).toHex() + '\n';
    return text + sign(text).toBase64() + '\n';
}

bool TestKeys::run(const QStringList &arguments, QByteArray *output) const
{
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"), arguments);
    if (!openssl.waitForFinished(30000) || openssl.exitStatus() != QProcess::NormalExit ||
        openssl.exitCode() != 0) {
        m_error = QStringLiteral("openssl %1: %2%3")
                      .arg(arguments.join(u' '), openssl.errorString(),
                           QString::fromLocal8Bit(openssl.readAllStandardError()));
        return false;
    }
    if (output) {
        *output = openssl.readAllStandardOutput();
    }
    return true;
}
