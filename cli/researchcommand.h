#pragma once

class QTextStream;
struct ResearchStand;
struct ZonesOptions;

// Exit status when an output file (the SVG drawing) cannot be written.
inline constexpr int ZonesOutputNotWritten = 3;

// Reports the first tree with a negative diameter on err, naming the file and
// the tree, and returns ZonesUnreadableStand; ZonesSuccess when there is none.
int refuseNegativeDiameters(const ResearchStand &stand, QTextStream &err);

// Runs the research side of kavrel-zones (options.research.active()) on a
// stand read with readResearchStand(): every tree at its written coordinates.
// Results on out, messages on err, progress of long computations on standard
// error when that is a terminal.
int runResearch(const ResearchStand &stand, const ZonesOptions &options, QTextStream &out, QTextStream &err);
