#pragma once

#include <QStringList>
class QTextStream;

// kavrel-zones surface: every design's estimate at every point of a square
// grid over one stand, its statistics as CSV on `out`, the surfaces as ESRI
// ASCII grids and as a picture.
int runSurfaceCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
