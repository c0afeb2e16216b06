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
    // "openssl pkeyutl -sign -rawin", the README's way to sign a release.
    QByteArray sign(const QByteArray &content) const;

    QString certificateFile() const { return m_directory + QStringLiteral("/tls-certificate.pem"); }
    QString certificateKeyFile() const { return m_directory + QStringLiteral("/tls-key.pem"); }
    QString error() const { return m_error; }

private:
    bool run(const QStringList &arguments, QByteArray *output = nullptr) const;
    QString signingKeyFile() const { return m_directory + QStringLiteral("/release-key.pem"); }

    QString m_directory;
    QByteArray m_publicKey;
    mutable QString m_error;
};
