#pragma once

#include "artwork.h"

#include <QImage>
#include <QSize>
#include <QString>

// Colours dark enough to take part in the disabled picture.
bool isDarkInk(QRgb colour);

// Every pixel replaced by the nearest of the sixteen palette colours.
QImage quantised(const QImage &image);

// The classic disabled look of a symbol drawn on the light grey background.
QImage disabledHalf(const QImage &normal);

// Empty when the symbol keeps clear of the border; else what is wrong.
QString marginFault(const QImage &normal);

int countDark(const QImage &image);

// The normal symbol above its disabled form; fault tells what is wrong with
// the drawing, if anything.
QImage glyphPicture(const Drawing &draw, QSize half, QString *fault);
