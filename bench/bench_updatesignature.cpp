// Time to check a downloaded program against its release signature (the
// signed statement and the program's SHA-256), the one step of an update
// that runs in a single piece on the window's thread, for program files of
// several sizes up to the default size limit (64 MiB).
//
//   bench_updatesignature [RUNS]

#include "update/updatesignature.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <openssl/evp.h>
#include <vector>

namespace {

struct Signer
{
    EVP_PKEY *key = EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519");
    ~Signer() { EVP_PKEY_free(key); }

    QByteArray publicKey() const
    {
        unsigned char raw[32];
        size_t size = sizeof raw;
        EVP_PKEY_get_raw_public_key(key, raw, &size);
        return QByteArray(reinterpret_cast<const char *>(raw), int(size)).toBase64();
    }

    QByteArray sign(const QByteArray &content) const
    {
        QByteArray signature(64, '\0');
        size_t size = size_t(signature.size());
        EVP_MD_CTX *context = EVP_MD_CTX_new();
        EVP_DigestSignInit(context, nullptr, nullptr, nullptr, key);
        EVP_DigestSign(context, reinterpret_cast<unsigned char *>(signature.data()), &size,
                       reinterpret_cast<const unsigned char *>(content.constData()), size_t(content.size()));
        EVP_MD_CTX_free(context);
        return signature;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 5;

    QTemporaryDir directory;
    const Signer signer;
    out << "size_mib,median_ms,best_ms\n";
    for (const int mebibytes : {1, 10, 64}) {
        QByteArray program(mebibytes * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < program.size(); ++i) {
            program[i] = char(i * 131 % 251);
        }
        const QString file = directory.filePath(QStringLiteral("program"));
        QFile output(file);
        if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            output.write(program) != program.size()) {
            return 1;
        }
        output.close();
        const QByteArray text =
            updateStatementText(QStringLiteral("1.0.2"), QStringLiteral("program"),
                                QCryptographicHash::hash(program, QCryptographicHash::Sha256).toHex());
        const QByteArray published = text + signer.sign(text).toBase64() + '\n';

        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            UpdateStatement statement;
            if (checkSignatureFile(signer.publicKey(), published, QStringLiteral("program"),
                                   QStringLiteral("1.0.2"), QStringLiteral("1.0.1"),
                                   &statement) != SignatureCheck::Valid ||
                checkProgramFile(statement, file) != SignatureCheck::Valid) {
                return 1;
            }
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(times.begin(), times.end());
        out << mebibytes << ',' << QString::number(times[times.size() / 2], 'f', 1) << ','
            << QString::number(times.front(), 'f', 1) << '\n';
    }
    return 0;
}
