#pragma once

#include <QImage>
#include <QList>
#include <QtPlugin>

// What a toolbar sees of a picture collection it loads at run time with
// QPluginLoader. toolbarPicture() behaves like tamImgCollection::GetToolbarPic:
// an unknown number throws an exception derived from std::runtime_error.
class ToolbarPictureSource
{
public:
    virtual ~ToolbarPictureSource() = default;

    virtual QImage toolbarPicture(qint32 id) const = 0;
    virtual QList<qint32> pictureIds() const = 0;
};

#define ToolbarPictureSource_iid "org.kavrel.ToolbarPictureSource/1.0"
Q_DECLARE_INTERFACE(ToolbarPictureSource, ToolbarPictureSource_iid)
