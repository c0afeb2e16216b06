#include "tamimgcollection.h"

#include "pictureresource.h"

#include <QFile>
#include <stdexcept>
#include <string>

QImage tamImgCollection::GetToolbarPic(qint32 ID) const
{
    const QString path = pictureResourcePath(ID);
    if (!QFile::exists(path))
        throw tamMissingResource(ID);

    QImage picture;
    if (!picture.load(path, "BMP"))
        throw std::runtime_error("toolbar picture " + std::to_string(ID) + " is damaged and cannot be read");
    return picture;
}
