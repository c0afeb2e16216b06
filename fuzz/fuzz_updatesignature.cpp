// A published update signature file as the update check downloads it: any
// bytes a server, a proxy or an attacker may hand back.

#include "update/updatesignature.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Any 32 bytes make an Ed25519 public key to check with; no signature in the
// corpus holds under it, so every check runs the whole verification.
const QByteArray FuzzKey = QByteArray(32, '\x5a').toBase64();

// What the parser read must be what the file says, byte for byte: the signed
// text is the file's first four lines, and the statement written back out
// reads the same again.
void checkStatement(const QByteArray &published, const UpdateStatement &statement)
{
    qsizetype end = -1;
    for (int line = 0; line < 4; ++line) {
        end = published.indexOf('\n', end + 1);
        if (end < 0)
            std::abort();
    }
    if (statement.signedText != published.left(end + 1) || statement.signature.size() != 64)
        std::abort();
    UpdateStatement again;
    if (!parseSignatureFile(statement.signedText + statement.signature.toBase64() + '\n', &again))
        std::abort();
    if (again.version != statement.version || again.fileName != statement.fileName ||
        again.sha256 != statement.sha256 || again.signature != statement.signature)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray published(reinterpret_cast<const char *>(data), qsizetype(size));
    UpdateStatement statement;
    if (parseSignatureFile(published, &statement))
        checkStatement(published, statement);

    UpdateStatement checked;
    const SignatureCheck result =
        checkSignatureFile(FuzzKey, published, QStringLiteral("kavrel.exe"), QStringLiteral("9.9.9"),
                           QStringLiteral("1.0.0"), &checked);
    if (result == SignatureCheck::Valid || result == SignatureCheck::NoKey ||
        result == SignatureCheck::UnusableKey)
        std::abort();
    return 0;
}
