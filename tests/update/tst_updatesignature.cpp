#include "testkeys.h"
#include "update/updatesignature.h"

#include <QCryptographicHash>
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

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray programBytes(int size = 100000, int seed = 31)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i) {
        bytes += char(i * seed % 253);
    }
    return bytes;
}

QByteArray sha256Hex(const QByteArray &content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

const QString ProgramName = QStringLiteral("kavrelapp");
const QString LocalVersion = QStringLiteral("1.0.1");

} // namespace

class TestUpdateSignature : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void statementFormat();
    void signatureFile_data();
    void signatureFile();
    void programFile_data();
    void programFile();
    void keys_data();
    void keys();
    void signingCommand();
    void signingCommandRefuses_data();
    void signingCommandRefuses();

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

// Releases already signed rely on this text: a change of it is a new
// format with a new first line, never an edit of this one.
void TestUpdateSignature::statementFormat()
{
    // The SHA-256 of an empty file.
    const QByteArray hash = "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";
    QCOMPARE(updateStatementText(QStringLiteral("1.0.2"), ProgramName, hash),
             QByteArray("kavrel-update-v1\n"
                        "1.0.2\n"
                        "kavrelapp\n"
                        "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855\n"));
    const QString empty = m_directory.filePath(QStringLiteral("empty"));
    QVERIFY(writeFile(empty, QByteArray()));
    QCOMPARE(sha256OfFile(empty), hash);
}

void TestUpdateSignature::signatureFile_data()
{
    QTest::addColumn<QByteArray>("published");
    QTest::addColumn<QString>("announced");
    QTest::addColumn<int>("expected");

    const QByteArray program = programBytes();
    const QByteArray release = m_keys.signRelease("1.0.2", "kavrelapp", program);
    const QByteArray text = release.left(release.lastIndexOf('\n', release.size() - 2) + 1);
    const QByteArray signatureLine = release.mid(text.size());
    QByteArray damaged = release;
    damaged[text.size() + 5] = damaged[text.size() + 5] == 'A' ? 'B' : 'A';
    const QByteArray hash = sha256Hex(program);

    QTest::newRow("signed release") << release << "1.0.2" << int(SignatureCheck::Valid);
    QTest::newRow("line end CR LF after the signature") << text + signatureLine.trimmed() + "\r\n"
                                                        << "1.0.2" << int(SignatureCheck::Valid);
    QTest::newRow("no line end after the signature")
        << release.chopped(1) << "1.0.2" << int(SignatureCheck::Valid);
    QTest::newRow("older release replayed under a newer version file")
        << m_keys.signRelease("1.0.0", "kavrelapp", programBytes(90000, 7)) << "1.0.2"
        << int(SignatureCheck::OtherVersion);
    QTest::newRow("the running release's signature under a newer version file")
        << m_keys.signRelease("1.0.1", "kavrelapp", program) << "1.0.2" << int(SignatureCheck::OtherVersion);
    QTest::newRow("same version written another way") << m_keys.signRelease("1.0.2.0", "kavrelapp", program)
                                                      << "1.0.2" << int(SignatureCheck::OtherVersion);
    QTest::newRow("the running version announced and signed")
        << m_keys.signRelease("1.0.1", "kavrelapp", program) << "1.0.1" << int(SignatureCheck::NotNewer);
    QTest::newRow("an older version announced and signed")
        << m_keys.signRelease("0.9.9", "kavrelapp", program) << "0.9.9" << int(SignatureCheck::NotNewer);
    QTest::newRow("signed for the Windows program")
        << m_keys.signRelease("1.0.2", "kavrelapp.exe", program) << "1.0.2" << int(SignatureCheck::OtherFile);
    QTest::newRow("signed with another key")
        << m_otherKeys.signRelease("1.0.2", "kavrelapp", program) << "1.0.2" << int(SignatureCheck::Mismatch);
    QTest::newRow("version edited after signing")
        << QByteArray(m_keys.signRelease("1.0.0", "kavrelapp", program)).replace("\n1.0.0\n", "\n1.0.2\n")
        << "1.0.2" << int(SignatureCheck::Mismatch);
    QTest::newRow("hash edited after signing")
        << QByteArray(release).replace(hash, sha256Hex("other")) << "1.0.2" << int(SignatureCheck::Mismatch);
    QTest::newRow("signature damaged") << damaged << "1.0.2" << int(SignatureCheck::Mismatch);
    QTest::newRow("bare signature of the program's bytes")
        << m_keys.sign(program) << "1.0.2" << int(SignatureCheck::NoSignature);
    QTest::newRow("bare signature as base64") << m_keys.sign(program).toBase64() + "\n"
                                              << "1.0.2" << int(SignatureCheck::NoSignature);
    QTest::newRow("empty") << QByteArray() << "1.0.2" << int(SignatureCheck::NoSignature);
    QTest::newRow("web page") << QByteArray("<html><body>Not Found</body></html>") << "1.0.2"
                              << int(SignatureCheck::NoSignature);
    QTest::newRow("signed text without the signature") << text << "1.0.2" << int(SignatureCheck::NoSignature);
    QTest::newRow("signature cut short") << text + signatureLine.left(40) + "\n"
                                         << "1.0.2" << int(SignatureCheck::NoSignature);
    QTest::newRow("a line after the signature") << release + "more\n"
                                                << "1.0.2" << int(SignatureCheck::NoSignature);
    QTest::newRow("another format") << QByteArray(release).replace("kavrel-update-v1", "kavrel-update-v2")
                                    << "1.0.2" << int(SignatureCheck::NoSignature);
    QTest::newRow("signed text with CR LF line ends")
        << QByteArray(text).replace("\n", "\r\n") + signatureLine << "1.0.2"
        << int(SignatureCheck::NoSignature);
    QTest::newRow("hash in capitals")
        << QByteArray(release).replace(hash, hash.toUpper()) << "1.0.2" << int(SignatureCheck::NoSignature);
    QTest::newRow("letters in the version")
        << m_keys.signRelease("1.0.2a", "kavrelapp", program) << "1.0.2a" << int(SignatureCheck::NoSignature);
    QTest::newRow("a folder in the file name") << m_keys.signRelease("1.0.2", "../kavrelapp", program)
                                               << "1.0.2" << int(SignatureCheck::NoSignature);
    QTest::newRow("a control character in the file name")
        << m_keys.signRelease("1.0.2", "kavrel\tapp", program) << "1.0.2" << int(SignatureCheck::NoSignature);
}

void TestUpdateSignature::signatureFile()
{
    QFETCH(QByteArray, published);
    QFETCH(QString, announced);
    QFETCH(int, expected);

    UpdateStatement statement;
    const SignatureCheck check =
        checkSignatureFile(m_keys.publicKey(), published, ProgramName, announced, LocalVersion, &statement);
    QCOMPARE(int(check), expected);
    if (check == SignatureCheck::Valid) {
        QCOMPARE(statement.version, QStringLiteral("1.0.2"));
        QCOMPARE(statement.fileName, ProgramName);
        QCOMPARE(statement.sha256, sha256Hex(programBytes()));
    }
}

// The download is compared with the signed SHA-256 as the file lies on the
// disk, read in pieces: sizes around the piece boundary included.
void TestUpdateSignature::programFile_data()
{
    QTest::addColumn<QByteArray>("signedProgram");
    QTest::addColumn<QByteArray>("downloaded");
    QTest::addColumn<int>("expected");

    const QByteArray program = programBytes();
    QByteArray flipped = program;
    flipped[50000] = char(flipped[50000] ^ 1);
    const QByteArray mebibyte = programBytes(1024 * 1024, 13);

    QTest::newRow("the signed program") << program << program << int(SignatureCheck::Valid);
    QTest::newRow("empty program") << QByteArray() << QByteArray() << int(SignatureCheck::Valid);
    QTest::newRow("one piece exactly") << mebibyte << mebibyte << int(SignatureCheck::Valid);
    QTest::newRow("one byte beyond a piece")
        << mebibyte + "x" << mebibyte + "x" << int(SignatureCheck::Valid);
    QTest::newRow("one bit changed") << program << flipped << int(SignatureCheck::Mismatch);
    QTest::newRow("cut short") << program << program.left(40000) << int(SignatureCheck::Mismatch);
    QTest::newRow("a script instead")
        << program << QByteArray("#!/bin/sh\nrm -rf ~\n") << int(SignatureCheck::Mismatch);
}

void TestUpdateSignature::programFile()
{
    QFETCH(QByteArray, signedProgram);
    QFETCH(QByteArray, downloaded);
    QFETCH(int, expected);

    UpdateStatement statement;
    QCOMPARE(
        int(checkSignatureFile(m_keys.publicKey(), m_keys.signRelease("1.0.2", "kavrelapp", signedProgram),
                               ProgramName, QStringLiteral("1.0.2"), LocalVersion, &statement)),
        int(SignatureCheck::Valid));
    const QString file = m_directory.filePath(QStringLiteral("kavrelapp.e32.part"));
    QVERIFY(writeFile(file, downloaded));
    QCOMPARE(sha256OfFile(file), sha256Hex(downloaded));
    QCOMPARE(int(checkProgramFile(statement, file)), expected);
    QVERIFY(QFile::remove(file));
    QCOMPARE(int(checkProgramFile(statement, file)), int(SignatureCheck::FileUnreadable));
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
    UpdateStatement statement;
    const SignatureCheck check =
        checkSignatureFile(publicKey, m_keys.signRelease("1.0.2", "kavrelapp", programBytes()), ProgramName,
                           QStringLiteral("1.0.2"), LocalVersion, &statement);
    QCOMPARE(int(check), expected);
}

// The release's signing command writes a signature file that the program
// accepts, and prints exactly the text it signed.
void TestUpdateSignature::signingCommand()
{
#ifdef Q_OS_WIN
    QSKIP("the release's signing command is a POSIX shell script, run where releases are made");
#endif
    const QByteArray program = programBytes(300000, 17);
    const QString file = m_directory.filePath(ProgramName);
    QVERIFY(writeFile(file, program));
    QFile::remove(file + QStringLiteral(".sig"));

    QProcess command;
    command.start(QStringLiteral(KAVREL_SIGN_UPDATE),
                  {m_keys.signingKeyFile(), QStringLiteral("1.0.2"), file});
    QVERIFY(command.waitForFinished(30000));
    QCOMPARE(command.exitCode(), 0);
    const QByteArray text = "kavrel-update-v1\n1.0.2\nkavrelapp\n" + sha256Hex(program) + "\n";
    QCOMPARE(command.readAllStandardOutput(), text);

    const QByteArray published = readAll(file + QStringLiteral(".sig"));
    QVERIFY(published.startsWith(text));
    UpdateStatement statement;
    QCOMPARE(int(checkSignatureFile(m_keys.publicKey(), published, ProgramName, QStringLiteral("1.0.2"),
                                    LocalVersion, &statement)),
             int(SignatureCheck::Valid));
    QCOMPARE(int(checkProgramFile(statement, file)), int(SignatureCheck::Valid));
    QCOMPARE(statement.signedText, text);
}

void TestUpdateSignature::signingCommandRefuses_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("program");

    const QString program = m_directory.filePath(ProgramName);
    QTest::newRow("letters in the version") << m_keys.signingKeyFile() << "1.0.2a" << program;
    QTest::newRow("empty version") << m_keys.signingKeyFile() << "" << program;
    QTest::newRow("two dots in a row") << m_keys.signingKeyFile() << "1..2" << program;
    QTest::newRow("a line end in the version") << m_keys.signingKeyFile() << "1.0.2\n1.0.3" << program;
    QTest::newRow("no such program") << m_keys.signingKeyFile() << "1.0.2"
                                     << m_directory.filePath(QStringLiteral("missing"));
    QTest::newRow("an EC key") << m_keys.certificateKeyFile() << "1.0.2" << program;
    QTest::newRow("no such key") << m_directory.filePath(QStringLiteral("missing.pem")) << "1.0.2" << program;
}

// A refusal says why on standard error and leaves no signature file.
void TestUpdateSignature::signingCommandRefuses()
{
#ifdef Q_OS_WIN
    QSKIP("the release's signing command is a POSIX shell script, run where releases are made");
#endif
    QFETCH(QString, key);
    QFETCH(QString, version);
    QFETCH(QString, program);

    QVERIFY(writeFile(m_directory.filePath(ProgramName), programBytes()));
    QFile::remove(program + QStringLiteral(".sig"));
    QProcess command;
    command.start(QStringLiteral(KAVREL_SIGN_UPDATE), {key, version, program});
    QVERIFY(command.waitForFinished(30000));
    QCOMPARE(command.exitStatus(), QProcess::NormalExit);
    QVERIFY(command.exitCode() != 0);
    QVERIFY(command.readAllStandardError().startsWith("sign-update: "));
    QVERIFY(command.readAllStandardOutput().isEmpty());
    QVERIFY(!QFile::exists(program + QStringLiteral(".sig")));
}

QTEST_GUILESS_MAIN(TestUpdateSignature)
#include "tst_updatesignature.moc"
