#pragma once

#include <QByteArray>
#include <QString>

// Keys made for a test with the openssl command, the way a release is
// signed: an Ed25519 key pair whose public half is given to the program as
// its build setting would be, and a self-signed TLS certificate for the
// loopback address.
class TestKeys
{
public:
    // Makes the keys in the directory; false (with error()) when openssl fails.
    bool create(const QString &directory);

    QByteArray publicKey() const { return m_publicKey; }
    // "openssl pkeyutl -sign -rawin" over the content: the 64 raw bytes.
    QByteArray sign(const QByteArray &content) const;
    // The signature file of a release: the signed text, spelled out here as
    // the README documents it, and the base64 of its signature.
    QByteArray signRelease(const QByteArray &version, const QByteArray &fileName,
                           const QByteArray &program) const;
    QString signingKeyFile() const { return m_directory + QStringLiteral("/release-key.pem"); }

    QString certificateFile() const { return m_directory + QStringLiteral("/tls-certificate.pem"); }
    QString certificateKeyFile() const { return m_directory + QStringLiteral("/tls-key.pem"); }
    QString error() const { return m_error; }

private:
    bool run(const QStringList &arguments, QByteArray *output = nullptr) const;

    QString m_directory;
    QByteArray m_publicKey;
    mutable QString m_error;
};
