#include "savefile.h"

#include "fileproblem.h"
#include "files/outputfile.h"

QString saveFileAtomically(const QString &path, const QByteArray &content)
{
    QString reason;
    if (OutputFile::writeFile(path, content, &reason))
        return {};
    return writeProblem(path, reason);
}
