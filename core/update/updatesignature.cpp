#include "updatesignature.h"

#include <QByteArrayList>
#include <QFile>
#include <memory>
#include <openssl/evp.h>
#include <openssl/x509.h>

namespace {

constexpr int Ed25519KeyBytes = 32;
constexpr int Ed25519SignatureBytes = 64;

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

bool verify(EVP_PKEY *key, const QByteArray &signature, const uchar *content, qint64 size)
{
    const Context context(EVP_MD_CTX_new());
    return context && EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key) == 1 &&
           EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char *>(signature.constData()),
                            size_t(signature.size()), content, size_t(size)) == 1;
}

} // namespace

QByteArray signatureBytes(const QByteArray &published)
{
    if (published.size() == Ed25519SignatureBytes) {
        return published;
    }
    const auto decoded =
        QByteArray::fromBase64Encoding(published.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (decoded && decoded.decoded.size() == Ed25519SignatureBytes) {
        return *decoded;
    }
    return {};
}

SignatureCheck checkPublicKey(const QByteArray &publicKey)
{
    if (keyText(publicKey).isEmpty()) {
        return SignatureCheck::NoKey;
    }
    return ed25519Key(publicKey) ? SignatureCheck::Valid : SignatureCheck::UnusableKey;
}

SignatureCheck verifyFileSignature(const QByteArray &publicKey, const QString &file,
                                   const QByteArray &published)
{
    if (keyText(publicKey).isEmpty()) {
        return SignatureCheck::NoKey;
    }
    const Key key = ed25519Key(publicKey);
    if (!key) {
        return SignatureCheck::UnusableKey;
    }
    const QByteArray signature = signatureBytes(published);
    if (signature.isEmpty()) {
        return SignatureCheck::NoSignature;
    }
    QFile content(file);
    if (!content.open(QIODevice::ReadOnly)) {
        return SignatureCheck::FileUnreadable;
    }
    // Ed25519 signs the message whole, so the file is mapped rather than read
    // into a copy; the size limit of the download bounds it.
    const qint64 size = content.size();
    static const uchar nothing = 0;
    const uchar *bytes = size > 0 ? content.map(0, size) : &nothing;
    if (!bytes) {
        return SignatureCheck::FileUnreadable;
    }
    return verify(key.get(), signature, bytes, size) ? SignatureCheck::Valid : SignatureCheck::Mismatch;
}
