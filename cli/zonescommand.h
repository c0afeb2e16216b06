#pragma once

#include <QStringList>

class QTextStream;
struct ZonesOptions;

enum ZonesExitStatus
{
    ZonesSuccess = 0,
    ZonesUnreadableStand = 1,
    ZonesUsageError = 2,
};

// Runs kavrel-zones on parsed options: results on out, messages on err.
int runZones(const ZonesOptions &options, QTextStream &out, QTextStream &err);

// The whole program on its arguments (without the program name).
int zonesMain(const QStringList &arguments, QTextStream &out, QTextStream &err);
