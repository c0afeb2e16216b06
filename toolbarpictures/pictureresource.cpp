#include "pictureresource.h"

#include <QDir>
#include <algorithm>

namespace {
const QString resourceFolder = QStringLiteral(":/glyphbin");
}

QString pictureResourcePath(qint32 id)
{
    return resourceFolder + QLatin1Char('/') + QString::number(id) + QStringLiteral(".bmp");
}

QList<qint32> glyphbinPictureIds()
{
    QList<qint32> ids;
    const QStringList names = QDir(resourceFolder).entryList({QStringLiteral("*.bmp")}, QDir::Files);
    for (const QString &name : names) {
        bool ok = false;
        const qint32 id = name.chopped(4).toInt(&ok);
        // Only canonical spellings count, so each number appears once.
        if (ok && pictureResourcePath(id) == resourceFolder + QLatin1Char('/') + name)
            ids.append(id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}
