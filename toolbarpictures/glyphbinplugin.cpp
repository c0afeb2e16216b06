#include "glyphbinplugin.h"

#include "pictureresource.h"
#include "tamimgcollection.h"

GlyphbinPlugin::GlyphbinPlugin(QObject *parent) : QObject(parent) {}

QImage GlyphbinPlugin::toolbarPicture(qint32 id) const
{
    return tamImgCollection().GetToolbarPic(id);
}

QList<qint32> GlyphbinPlugin::pictureIds() const
{
    return glyphbinPictureIds();
}
