#pragma once

#include "zones/edgetable.h"

#include <QCoreApplication>
#include <QString>

class StandMap;
class VistaProg;
struct Stand;
struct TreeSelection;

// The zones as the main window shows them: the boundary pieces in blue on the
// stand map, the progress bar while they are computed, and the marks of a
// selected tree.
class ZoneView
{
    Q_DECLARE_TR_FUNCTIONS(ZoneView)

public:
    ZoneView(StandMap &map, VistaProg &progress);

    // Computes the boundaries of the given order for the trees as they were
    // last placed and draws them over whatever the map shows. The working
    // arrays are sorted again on the way, so tables derived from their order
    // must be rebuilt afterwards. A stand that was never placed has no
    // boundaries.
    EdgeTable drawZoneBoundaries(Stand &stand, int order);

    // The selected tree's boundary pieces in light red (from the table's
    // truncated coordinates, as listed), the trees sharing them in green and
    // the selected tree itself in light red.
    void drawSelection(const Stand &stand, const EdgeTable &edges, const TreeSelection &selection);

    // Status texts of a computation, with the two leading blanks of the
    // status bar.
    static QString runningText();
    static QString readyText();

private:
    void showProgress(int percent);

    StandMap &m_map;
    VistaProg &m_progress;
};
