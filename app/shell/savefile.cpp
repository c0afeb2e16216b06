#include "savefile.h"

#include "fileproblem.h"

#include <QSaveFile>

QString saveFileAtomically(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return writeProblem(path, file.errorString());
    if (file.write(content) != content.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return writeProblem(path, reason);
    }
    if (!file.commit())
        return writeProblem(path, file.errorString());
    return {};
}
