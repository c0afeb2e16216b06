#pragma once

#include <QByteArray>
#include <QString>

// The outcome of checking a downloaded program against its detached
// Ed25519 signature.
enum class SignatureCheck
{
    Valid,
    NoKey,          // the program was built without a key to check with
    UnusableKey,    // the built-in key is not an Ed25519 public key
    NoSignature,    // the published signature is not 64 bytes (raw or base64)
    Mismatch,       // the signature does not belong to this file and key
    FileUnreadable, // the downloaded file cannot be read
};

// The 64 signature bytes from a published signature file: the raw bytes
// ("openssl pkeyutl -sign" writes them) or their base64 text; empty when it
// is neither.
QByteArray signatureBytes(const QByteArray &published);

// Whether the key can check signatures at all: Valid, NoKey or UnusableKey.
SignatureCheck checkPublicKey(const QByteArray &publicKey);

// Checks the file's whole content against the signature with the public
// key, given as base64 text: the DER SubjectPublicKeyInfo (the body of a
// PEM "PUBLIC KEY", which may also be given whole) or the raw 32 key bytes.
SignatureCheck verifyFileSignature(const QByteArray &publicKey, const QString &file,
                                   const QByteArray &published);
