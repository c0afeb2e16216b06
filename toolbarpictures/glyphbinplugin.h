#pragma once

#include "toolbarpicturesource.h"

#include <QObject>

// Makes the library loadable by QPluginLoader; the metadata names the
// collection, its class and its version.
class GlyphbinPlugin : public QObject, public ToolbarPictureSource
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ToolbarPictureSource_iid FILE "glyphbin.json")
    Q_INTERFACES(ToolbarPictureSource)

public:
    explicit GlyphbinPlugin(QObject *parent = nullptr);

    QImage toolbarPicture(qint32 id) const override;
    QList<qint32> pictureIds() const override;
};
