#pragma once

#include <QStringList>
#include <kavrel/progress.h>

class QTextStream;

// kavrel-zones surface: every design's estimate at every point of a square
// grid over one stand, its statistics as CSV on `out`, the surfaces as ESRI
// ASCII grids and as a picture. Ctrl+C, or `watch` returning false, stops
// the computation with nothing written.
int runSurfaceCommand(const QStringList &arguments, QTextStream &out, QTextStream &err,
                      const kavrel::Progress &watch = {});
