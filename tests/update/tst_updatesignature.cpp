#include "testkeys.h"
#include "update/updatesignature.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

QByteArray programBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 100000; ++i) {
        bytes += char(i * 31 % 253);
    }
    return bytes;
}

} // namespace

class TestUpdateSignature : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void verify_data();
    void verify();
    void keys_data();
    void keys();

private:
    QTemporaryDir m_directory;
    TestKeys m_keys;
    QTemporaryDir m_otherDirectory;
    TestKeys m_otherKeys;
};

void TestUpdateSignature::initTestCase()
{
    QVERIFY(m_directory.isValid() && m_otherDirectory.isValid());
    QVERIFY2(m_keys.create(m_directory.path()), qPrintable(m_keys.error()));
    QVERIFY2(m_otherKeys.create(m_otherDirectory.path()), qPrintable(m_otherKeys.error()));
}

void TestUpdateSignature::verify_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("published");
    QTest::addColumn<int>("expected");

    const QByteArray program = programBytes();
    const QByteArray signature = m_keys.sign(program);
    QCOMPARE(signature.size(), 64);
    QByteArray flipped = program;
    flipped[50000] = char(flipped[50000] ^ 1);
    QByteArray damagedSignature = signature;
    damagedSignature[10] = char(damagedSignature[10] ^ 0x80);

    QTest::newRow("signed program") << program << signature << int(SignatureCheck::Valid);
    QTest::newRow("signature as base64 text") << program << signature.toBase64() + "\n"
                                              << int(SignatureCheck::Valid);
    QTest::newRow("one bit changed in the program") << flipped << signature << int(SignatureCheck::Mismatch);
    QTest::newRow("program cut short") << program.left(40000) << signature << int(SignatureCheck::Mismatch);
    QTest::newRow("signature damaged") << program << damagedSignature << int(SignatureCheck::Mismatch);
    QTest::newRow("signed with another key")
        << program << m_otherKeys.sign(program) << int(SignatureCheck::Mismatch);
    QTest::newRow("signature of another file")
        << program << m_keys.sign("#!/bin/sh\nrm -rf ~\n") << int(SignatureCheck::Mismatch);
    QTest::newRow("no signature") << program << QByteArray() << int(SignatureCheck::NoSignature);
    QTest::newRow("signature cut short") << program << signature.left(63) << int(SignatureCheck::NoSignature);
    QTest::newRow("web page for a signature")
        << program << QByteArray("<html><body>Not Found</body></html>") << int(SignatureCheck::NoSignature);
}

void TestUpdateSignature::verify()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, published);
    QFETCH(int, expected);

    const QString file = m_directory.filePath(QStringLiteral("kavrelapp.e32.part"));
    QVERIFY(writeFile(file, content));
    QCOMPARE(int(verifyFileSignature(m_keys.publicKey(), file, published)), expected);
}

void TestUpdateSignature::keys_data()
{
    QTest::addColumn<QByteArray>("publicKey");
    QTest::addColumn<int>("expected");

    const QByteArray key = m_keys.publicKey();
    const auto der = QByteArray::fromBase64(key);
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"), {"pkey", "-in", m_keys.certificateKeyFile(), "-pubout"});
    QVERIFY(openssl.waitForFinished());
    const QByteArray ecPem = openssl.readAllStandardOutput();
    QVERIFY(ecPem.startsWith("-----BEGIN PUBLIC KEY-----"));

    QTest::newRow("DER as base64") << key << int(SignatureCheck::Valid);
    QTest::newRow("whole PEM text") << "-----BEGIN PUBLIC KEY-----\n" + key + "\n-----END PUBLIC KEY-----\n"
                                    << int(SignatureCheck::Valid);
    QTest::newRow("raw 32 key bytes") << der.right(32).toBase64() << int(SignatureCheck::Valid);
    QTest::newRow("no key") << QByteArray() << int(SignatureCheck::NoKey);
    QTest::newRow("blank key") << QByteArray(" \n") << int(SignatureCheck::NoKey);
    QTest::newRow("not base64") << QByteArray("not a key!") << int(SignatureCheck::UnusableKey);
    QTest::newRow("key cut short") << der.left(40).toBase64() << int(SignatureCheck::UnusableKey);
    QTest::newRow("key with bytes after it") << (der + "x").toBase64() << int(SignatureCheck::UnusableKey);
    QTest::newRow("an EC key, not Ed25519") << ecPem << int(SignatureCheck::UnusableKey);
}

// A key that cannot check signatures never lets anything through, whatever
// the signature.
void TestUpdateSignature::keys()
{
    QFETCH(QByteArray, publicKey);
    QFETCH(int, expected);

    QCOMPARE(int(checkPublicKey(publicKey)), expected);
    const QByteArray program = programBytes();
    const QString file = m_directory.filePath(QStringLiteral("program"));
    QVERIFY(writeFile(file, program));
    const SignatureCheck check = verifyFileSignature(publicKey, file, m_keys.sign(program));
    QCOMPARE(int(check), expected);
}

QTEST_GUILESS_MAIN(TestUpdateSignature)
#include "tst_updatesignature.moc"
