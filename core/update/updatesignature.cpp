#include "updatesignature.h"

#include "versioncompare.h"

#include <QByteArrayList>
#include <QFile>
#include <algorithm>
#include <memory>
#include <openssl/evp.h>
#include <openssl/x509.h>

namespace {

constexpr int Ed25519KeyBytes = 32;
constexpr int Ed25519SignatureBytes = 64;
constexpr int Sha256HexDigits = 64;
constexpr int LongestVersion = 32;
constexpr int LongestFileName = 255;
constexpr char StatementFormat[] = "kavrel-update-v1";

struct KeyDeleter
{
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct ContextDeleter
{
    void operator()(EVP_MD_CTX *context) const { EVP_MD_CTX_free(context); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyDeleter>;
using Context = std::unique_ptr<EVP_MD_CTX, ContextDeleter>;

// The base64 text of a key, with the armour lines of a PEM file dropped.
QByteArray keyText(const QByteArray &publicKey)
{
    QByteArray text;
    for (const QByteArray &line : publicKey.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.startsWith("-----")) {
            text += trimmed;
        }
    }
    return text;
}

Key ed25519Key(const QByteArray &publicKey)
{
    const auto decoded =
        QByteArray::fromBase64Encoding(keyText(publicKey), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        return nullptr;
    }
    const QByteArray der = *decoded;
    const auto *bytes = reinterpret_cast<const unsigned char *>(der.constData());
    Key key;
    if (der.size() == Ed25519KeyBytes) {
        key.reset(EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, bytes, Ed25519KeyBytes));
    } else {
        const unsigned char *cursor = bytes;
        key.reset(d2i_PUBKEY(nullptr, &cursor, long(der.size())));
        if (key && (cursor != bytes + der.size() || EVP_PKEY_get_id(key.get()) != EVP_PKEY_ED25519)) {
            key.reset();
        }
    }
    return key;
}

bool verify(EVP_PKEY *key, const QByteArray &signature, const QByteArray &content)
{
    const Context context(EVP_MD_CTX_new());
    return context && EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key) == 1 &&
           EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char *>(signature.constData()),
                            size_t(signature.size()),
                            reinterpret_cast<const unsigned char *>(content.constData()),
                            size_t(content.size())) == 1;
}

// The fields are kept plain, so that whatever a signature file holds can be
// shown in a message or compared without surprises: a version of digits and
// dots, a file name without folders or control characters.
bool isPlainVersion(const QByteArray &text)
{
    return !text.isEmpty() && text.size() <= LongestVersion &&
           std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

bool isPlainFileName(const QByteArray &text)
{
    return !text.isEmpty() && text.size() <= LongestFileName &&
           std::none_of(text.begin(), text.end(), [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return byte < 0x20 || byte == 0x7f || c == '/' || c == '\\';
           });
}

bool isSha256Hex(const QByteArray &text)
{
    return text.size() == Sha256HexDigits && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

} // namespace

QByteArray updateStatementText(const QString &version, const QString &fileName, const QByteArray &sha256)
{
    return QByteArray(StatementFormat) + '\n' + version.toUtf8() + '\n' + fileName.toUtf8() + '\n' + sha256 +
           '\n';
}

bool parseSignatureFile(const QByteArray &published, UpdateStatement *statement)
{
    // Four signed lines, the signature's line, and nothing after its line end.
    const QByteArrayList lines = published.split('\n');
    if (lines.size() < 5 || lines.size() > 6 || (lines.size() == 6 && !lines.at(5).isEmpty())) {
        return false;
    }
    if (lines.at(0) != StatementFormat || !isPlainVersion(lines.at(1)) || !isPlainFileName(lines.at(2)) ||
        !isSha256Hex(lines.at(3))) {
        return false;
    }
    const auto signature =
        QByteArray::fromBase64Encoding(lines.at(4).trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!signature || signature.decoded.size() != Ed25519SignatureBytes) {
        return false;
    }
    const QString fileName = QString::fromUtf8(lines.at(2));
    if (fileName.toUtf8() != lines.at(2)) {
        return false; // not UTF-8
    }
    statement->version = QString::fromLatin1(lines.at(1));
    statement->fileName = fileName;
    statement->sha256 = lines.at(3);
    statement->signedText = updateStatementText(statement->version, statement->fileName, statement->sha256);
    statement->signature = *signature;
    return true;
}

SignatureCheck checkPublicKey(const QByteArray &publicKey)
{
    if (keyText(publicKey).isEmpty()) {
        return SignatureCheck::NoKey;
    }
    return ed25519Key(publicKey) ? SignatureCheck::Valid : SignatureCheck::UnusableKey;
}

// The signature is checked first: what a statement says counts only once it
// is known to come from the release's key.
SignatureCheck checkSignatureFile(const QByteArray &publicKey, const QByteArray &published,
                                  const QString &fileName, const QString &announcedVersion,
                                  const QString &localVersion, UpdateStatement *statement)
{
    *statement = UpdateStatement();
    if (keyText(publicKey).isEmpty()) {
        return SignatureCheck::NoKey;
    }
    const Key key = ed25519Key(publicKey);
    if (!key) {
        return SignatureCheck::UnusableKey;
    }
    if (!parseSignatureFile(published, statement)) {
        return SignatureCheck::NoSignature;
    }
    if (!verify(key.get(), statement->signature, statement->signedText)) {
        return SignatureCheck::Mismatch;
    }
    if (statement->fileName != fileName) {
        return SignatureCheck::OtherFile;
    }
    if (statement->version != announcedVersion) {
        return SignatureCheck::OtherVersion;
    }
    if (!IsNewerVersion(statement->version, localVersion)) {
        return SignatureCheck::NotNewer;
    }
    return SignatureCheck::Valid;
}

SignatureCheck checkProgramFile(const UpdateStatement &statement, const QString &file)
{
    const QByteArray sha256 = sha256OfFile(file);
    if (sha256.isEmpty()) {
        return SignatureCheck::FileUnreadable;
    }
    return sha256 == statement.sha256 ? SignatureCheck::Valid : SignatureCheck::Mismatch;
}

QByteArray sha256OfFile(const QString &file)
{
    QFile content(file);
    const Context context(EVP_MD_CTX_new());
    if (!content.open(QIODevice::ReadOnly) || !context ||
        EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) {
        return {};
    }
    QByteArray buffer(1024 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 read = content.read(buffer.data(), buffer.size());
        if (read < 0) {
            return {};
        }
        if (read == 0) {
            break;
        }
        if (EVP_DigestUpdate(context.get(), buffer.constData(), size_t(read)) != 1) {
            return {};
        }
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &size) != 1) {
        return {};
    }
    return QByteArray(reinterpret_cast<const char *>(digest), int(size)).toHex();
}
