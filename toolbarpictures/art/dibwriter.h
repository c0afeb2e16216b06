#pragma once

#include <QByteArray>
#include <QImage>

// A 4-bit device-independent bitmap of image, every pixel quantised to the
// nearest of the sixteen palette colours.
QByteArray fourBitBitmap(const QImage &image);
