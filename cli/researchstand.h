#pragma once

#include <QString>
#include <kavrel/point.h>
#include <kavrel/standrectangle.h>
#include <optional>
#include <vector>

// A stand as the research computations take it: every tree of the file at the
// coordinates written there, nothing placed on a map or moved apart.
struct ResearchStand
{
    QString filePath;
    kavrel::StandRectangle rectangle;
    std::vector<kavrel::Point> positions; // stand metres, file order
    std::vector<double> diameters;        // as written

    int treeCount() const { return int(positions.size()); }
};

struct ResearchStandResult
{
    std::optional<ResearchStand> stand;
    QString error; // complete, translated message naming the file and line
    // True when the command line is at fault (a stem map without a stand
    // rectangle, or a rectangle given for a stand file that has its own).
    bool usageError = false;

    bool ok() const { return stand.has_value(); }
};

// Reads a stand for research from either form:
// - a stand file (its first value is a number): the window's format, but with
//   every tree the count states (no cap at 50, the count may exceed 32767);
// - a CSV stem map (its first line is a header): columns x, y and d named in
//   the header in any case and order, other columns ignored, separated by
//   commas with a decimal point or by semicolons with a decimal comma. Its
//   stand rectangle comes from `rectangle` (the command line's --stand).
ResearchStandResult readResearchStand(const QString &path,
                                      const std::optional<kavrel::StandRectangle> &rectangle);

// The same for content already in memory (path is used in messages only).
ResearchStandResult parseResearchStand(const QByteArray &content, const QString &path,
                                       const std::optional<kavrel::StandRectangle> &rectangle);
