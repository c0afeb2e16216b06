#pragma once

#include "glyphbin_export.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// Where the bitmap of picture id lives among the library's embedded resources.
GLYPHBIN_EXPORT QString pictureResourcePath(qint32 id);

// Every picture number the collection holds, in ascending order.
GLYPHBIN_EXPORT QList<qint32> glyphbinPictureIds();
