#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <kavrel/point.h>
#include <kavrel/samplingsurface.h>
#include <vector>

// Pictures of sampling surfaces: one panel per design and quantity, the
// surface in a colour scale (viridis, light for high values, so it stays
// ordered in grey as well) drawn to the stand's proportions, the trees as
// dots and the colour scale beside it from the surface's minimum to its
// maximum.

struct SurfacePanelLayout
{
    QRectF frame; // the stand, in picture pixels
    QRectF scale; // the colour bar
};

struct SurfacePictureLayout
{
    QSize size;
    std::vector<SurfacePanelLayout> panels; // in the order of the surfaces
};

SurfacePictureLayout surfacePictureLayout(const kavrel::SurfaceResult &result, kavrel::Extent stand);

// The picture as SVG: each surface as an embedded PNG image, the frame, the
// trees, the colour scale and its labels as vector drawing. The scale's group
// carries the exact minimum and maximum (data-minimum, data-maximum).
QByteArray surfaceSvg(const kavrel::SurfaceResult &result, kavrel::Extent stand,
                      const std::vector<kavrel::Point> &trees);

// The same picture as an image, its labels in a small pixel font of its own
// (the command-line tool has no font system).
QImage surfaceImage(const kavrel::SurfaceResult &result, kavrel::Extent stand,
                    const std::vector<kavrel::Point> &trees);

// The colour of a share of the scale's range, 0 dark to 1 light.
QRgb surfaceColour(double share);
