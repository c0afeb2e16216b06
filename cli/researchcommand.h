#pragma once

class QTextStream;
struct Stand;
struct ZonesOptions;

// Exit status when an output file (the SVG drawing) cannot be written.
inline constexpr int ZonesOutputNotWritten = 3;

// Runs the research side of kavrel-zones (options.research.active()) on a
// stand that has been read and prepared on the map of the options, so the
// trees carry the same tie separation as in the window: results on out,
// messages on err, progress of long simulations on standard error when that
// is a terminal.
int runResearch(const Stand &stand, const ZonesOptions &options, QTextStream &out, QTextStream &err);
