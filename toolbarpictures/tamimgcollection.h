#pragma once

#include "glyphbin_export.h"
#include "tammissingresource.h"

#include <QImage>
#include <QtGlobal>

// The numbered toolbar pictures. Each picture holds the normal symbol in its
// upper half and the disabled one in its lower half, on a light grey
// (C0C0C0) background that toolbars treat as transparent.
class GLYPHBIN_EXPORT tamImgCollection
{
public:
    // A new picture owned by the caller; throws tamMissingResource when there
    // is no picture under ID.
    QImage GetToolbarPic(qint32 ID) const;
};
