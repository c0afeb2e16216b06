#include "zonescommand.h"

#include "researchcommand.h"
#include "researchstand.h"
#include "stand/ordertable.h"
#include "stand/standfilereader.h"
#include "zones/edgetable.h"
#include "zones/treeselection.h"
#include "zonesoptions.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("KavrelZones", text);
}

void printEdgeRows(const EdgeTable &edges, const QList<int> &rows, QTextStream &out)
{
    for (const int row : rows)
        out << edgeRowLine(edges.rows[row]) << '\n';
}

int printEdgeTable(const EdgeTable &edges, QTextStream &out)
{
    for (const EdgeRow &row : edges.rows)
        out << edgeRowLine(row) << '\n';
    return ZonesSuccess;
}

int printSelection(const Stand &stand, const EdgeTable &edges, const ZonesOptions &options, QTextStream &out)
{
    const OrderTable order = OrderTable::build(stand);
    const TreeSelection selection =
        selectNearestTree(stand, order, edges, *options.select, options.mapWidth, options.mapHeight);
    if (!selection.valid)
        return ZonesSuccess;
    out << selection.sortedIndex << ',' << selection.treeNumber << '\n';
    printEdgeRows(edges, selection.edgeRows, out);
    return ZonesSuccess;
}

// The edge table works on the window's stand: its first 50 trees.
void warnOfUnreadTrees(const StandFileResult &read, QTextStream &err)
{
    if (read.statedTreeCount <= read.stand->treeCount())
        return;
    err << "kavrel-zones: "
        << translated(
               "Die Standdatei \u201E%1\u201C nennt %2 Bäume; die Kantentabelle nimmt wie das Programm "
               "nur die ersten %3. --areas, --simulate, --grid, --geojson und --svg nehmen alle.")
               .arg(read.stand->filePath)
               .arg(read.statedTreeCount)
               .arg(read.stand->treeCount())
        << '\n';
}

int runResearchOn(const ZonesOptions &options, QTextStream &out, QTextStream &err)
{
    const ResearchStandResult read = readResearchStand(options.standFile, options.research.stand);
    if (!read.ok()) {
        if (read.usageError) {
            err << "kavrel-zones: " << read.error << '\n';
            return ZonesUsageError;
        }
        err << read.error << '\n';
        return ZonesUnreadableStand;
    }
    return runResearch(*read.stand, options, out, err);
}

} // namespace

int runZones(const ZonesOptions &options, QTextStream &out, QTextStream &err)
{
    if (options.help) {
        out << zonesUsage();
        return ZonesSuccess;
    }
    if (options.research.active())
        return runResearchOn(options, out, err);
    StandFileResult read = readStandFile(options.standFile);
    if (!read.ok()) {
        err << read.error.message << '\n';
        return ZonesUnreadableStand;
    }
    warnOfUnreadTrees(read, err);
    Stand &stand = *read.stand;
    if (!prepareStand(stand, options.mapWidth, options.mapHeight)) {
        err << translated("Die Bäume lassen sich nicht auf eine Karte von %1 x %2 Pixeln legen.")
                   .arg(options.mapWidth)
                   .arg(options.mapHeight)
            << '\n';
        return ZonesUsageError;
    }
    const EdgeTable edges = computeEdgeTable(stand, options.order, options.mapWidth, options.mapHeight);
    if (options.select)
        return printSelection(stand, edges, options, out);
    return printEdgeTable(edges, out);
}

int zonesMain(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const ZonesArguments parsed = parseZonesArguments(arguments);
    if (!parsed.ok()) {
        err << "kavrel-zones: " << parsed.error << '\n' << translated("Hilfe: kavrel-zones --help") << '\n';
        return ZonesUsageError;
    }
    return runZones(parsed.options, out, err);
}
