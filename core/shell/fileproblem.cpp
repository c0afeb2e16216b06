#include "fileproblem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("FileProblem", text);
}

QString missingFolderOrFile(const QFileInfo &info)
{
    if (!info.absoluteDir().exists())
        return translated("Den Ordner %1 gibt es nicht.")
            .arg(QCoreApplication::translate("FileProblem", "\u201E%1\u201C")
                     .arg(QDir::toNativeSeparators(info.absolutePath())));
    return translated("Die Datei gibt es nicht.");
}

} // namespace

QString openProblem(const QString &path, const QString &qtReason)
{
    const QFileInfo info(path);
    if (!info.exists())
        return missingFolderOrFile(info);
    if (info.isDir())
        return translated("Das ist ein Ordner, keine Datei.");
    if (!info.isReadable())
        return translated("Die Datei darf nicht gelesen werden.");
    return translatedFileError(qtReason);
}

QString writeProblem(const QString &path, const QString &qtReason)
{
    const QFileInfo info(path);
    if (info.isDir())
        return translated("Das ist ein Ordner, keine Datei.");
    if (!info.exists() && !info.absoluteDir().exists())
        return missingFolderOrFile(info);
    if (!QFileInfo(info.absolutePath()).isWritable())
        return translated("In diesen Ordner darf nicht geschrieben werden.");
    return translatedFileError(qtReason);
}

QString translatedFileError(const QString &qtReason)
{
    // The contexts under which Qt's translations hold the reasons its file
    // classes give.
    const QByteArray source = qtReason.toUtf8();
    for (const char *context : {"QIODevice", "QSaveFile", "QFileDevice", "QFile"}) {
        const QString text = QCoreApplication::translate(context, source.constData());
        if (text != qtReason)
            return text;
    }
    return qtReason;
}
