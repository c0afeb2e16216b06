#pragma once

#include <QByteArray>
#include <QString>

// The outcome of checking an update against its release signature.
enum class SignatureCheck
{
    Valid,
    NoKey,          // the program was built without a key to check with
    UnusableKey,    // the built-in key is not an Ed25519 public key
    NoSignature,    // the published signature file is not one (missing, cut, a web page)
    Mismatch,       // the signature does not hold, or the program is not the one signed
    OtherFile,      // signed for another program file (another platform's, say)
    OtherVersion,   // signed for another version than the server announces
    NotNewer,       // signed for a version that is not newer than the running one
    FileUnreadable, // the downloaded file cannot be read
};

// What a release signature vouches for. A release is not signed over the
// program's bytes alone but over a short text that names its version and
// file too, so that a genuine older release (or another platform's program)
// cannot be passed off as the newer one the server announces:
//
//   kavrel-update-v1\n<version>\n<file name>\n<SHA-256 of the program, lower-case hex>\n
//
// The published signature file is that text followed by one line with the
// base64 of the 64 Ed25519 signature bytes (dist/sign-update writes it).
struct UpdateStatement
{
    QString version;
    QString fileName;
    QByteArray sha256; // lower-case hex
    QByteArray signedText;
    QByteArray signature; // the 64 raw bytes
};

// The signed text for a release; `sha256` in lower-case hex.
QByteArray updateStatementText(const QString &version, const QString &fileName, const QByteArray &sha256);

// Reads a published signature file; false when it is not one (a web page,
// an old signature over the bare program, a text of another format).
bool parseSignatureFile(const QByteArray &published, UpdateStatement *statement);

// Whether the key can check signatures at all: Valid, NoKey or UnusableKey.
SignatureCheck checkPublicKey(const QByteArray &publicKey);

// Checks a published signature file before the program is fetched: it must
// be signed with the public key (base64 text of the DER SubjectPublicKeyInfo,
// the body of a PEM "PUBLIC KEY", which may also be given whole, or of the
// raw 32 key bytes), for the program file `fileName`, for exactly the
// version the server announced, and that version must be newer than the
// running one. `statement` receives what was read, also when a check fails.
SignatureCheck checkSignatureFile(const QByteArray &publicKey, const QByteArray &published,
                                  const QString &fileName, const QString &announcedVersion,
                                  const QString &localVersion, UpdateStatement *statement);

// Whether the downloaded file is the program that a checked statement names:
// Valid, Mismatch or FileUnreadable.
SignatureCheck checkProgramFile(const UpdateStatement &statement, const QString &file);

// The SHA-256 of the file's content in lower-case hex; empty when it cannot
// be read.
QByteArray sha256OfFile(const QString &file);
