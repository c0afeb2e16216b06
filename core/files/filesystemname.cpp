#include "filesystemname.h"

#include <QStringList>
#include <optional>
#ifdef Q_OS_WIN
#include <QCoreApplication>
#include <QDir>
#else
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr char16_t FirstKeptByte = 0xDC80;
constexpr char16_t LastKeptByte = 0xDCFF;

// Length of the valid UTF-8 sequence at data[i], 0 when it is not one.
qsizetype utf8SequenceLength(const QByteArray &data, qsizetype i)
{
    const auto byte = [&data](qsizetype at) {
        return uchar(data[at]);
    };
    const uchar lead = byte(i);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    char32_t minimum = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, value = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > data.size())
        return 0;
    for (qsizetype k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are no text.
    if (value < minimum || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
        return 0;
    return length;
}

bool isKeptByte(QChar c)
{
    return c.unicode() >= FirstKeptByte && c.unicode() <= LastKeptByte;
}

#ifndef Q_OS_WIN
bool exists(const QByteArray &nativeName)
{
    struct stat status;
    return ::lstat(nativeName.constData(), &status) == 0;
}

// The one entry of the folder whose name Qt would decode to decoded.
std::optional<QByteArray> matchingEntry(const QByteArray &folder, const QString &decoded)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> directory(
        ::opendir(folder.isEmpty() ? "." : folder.constData()), ::closedir);
    if (!directory)
        return std::nullopt;
    std::optional<QByteArray> match;
    while (const dirent *entry = ::readdir(directory.get())) {
        const QByteArray entryName(entry->d_name);
        if (QString::fromUtf8(entryName) != decoded)
            continue;
        if (match)
            return std::nullopt; // ambiguous
        match = entryName;
    }
    return match;
}
#endif

} // namespace

QString fileNameFromNative(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype length = utf8SequenceLength(bytes, i);
        if (length == 0) {
            name.append(QChar(char16_t(FirstKeptByte + uchar(bytes[i]) - 0x80)));
            ++i;
            continue;
        }
        name.append(QString::fromUtf8(bytes.constData() + i, length));
        i += length;
    }
    return name;
}

QStringList programArguments(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return QCoreApplication::arguments().mid(1);
#else
    QStringList arguments;
    for (int a = 1; a < argc; ++a)
        arguments.append(fileNameFromNative(QByteArray(argv[a])));
    return arguments;
#endif
}

QByteArray nativeFileName(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isKeptByte(name[i]))
            continue;
        // A kept byte is a lone low surrogate; one that follows a high
        // surrogate is part of a character and is encoded with it.
        if (i < name.size() && i > 0 && name[i - 1].isHighSurrogate())
            continue;
        bytes.append(QStringView(name).mid(start, i - start).toUtf8());
        if (i < name.size())
            bytes.append(char(name[i].unicode() - FirstKeptByte + 0x80));
        start = i + 1;
    }
    return bytes;
}

QString displayFileName(const QString &name)
{
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (isKeptByte(shown[i]) && !(i > 0 && shown[i - 1].isHighSurrogate()))
            shown[i] = QChar::ReplacementCharacter;
    }
#ifdef Q_OS_WIN
    // Windows users know their paths with backslashes.
    shown = QDir::toNativeSeparators(shown);
#endif
    return shown;
}

#ifdef Q_OS_WIN
QString absoluteFileName(const QString &name)
{
    if (QDir::isAbsolutePath(name))
        return name;
    return QDir::currentPath() + QLatin1Char('/') + name;
}

// Windows keeps names as UTF-16 and Qt's listing decodes them without loss:
// there is nothing to map back.
QString resolveDecodedFileName(const QString &name)
{
    return name;
}
#else
QString absoluteFileName(const QString &name)
{
    if (name.startsWith(QLatin1Char('/')))
        return name;
    const std::unique_ptr<char, void (*)(void *)> folder(::getcwd(nullptr, 0), std::free);
    if (!folder)
        return name;
    return fileNameFromNative(QByteArray(folder.get())) + QLatin1Char('/') + name;
}

QString resolveDecodedFileName(const QString &name)
{
    if (!name.contains(QChar::ReplacementCharacter) || exists(nativeFileName(name)))
        return name;
    const QStringList parts = name.split(QLatin1Char('/'));
    QByteArray resolved;
    for (qsizetype p = 0; p < parts.size(); ++p) {
        if (p > 0)
            resolved.append('/');
        const QString &part = parts[p];
        if (!part.contains(QChar::ReplacementCharacter)) {
            resolved.append(nativeFileName(part));
            continue;
        }
        const std::optional<QByteArray> entry = matchingEntry(resolved, part);
        if (!entry)
            return name;
        resolved.append(*entry);
    }
    return fileNameFromNative(resolved);
}
#endif
