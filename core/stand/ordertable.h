#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct Stand;

// One tree of the sorted working arrays: position (1-based sorted index) and
// the file tree number found for it.
struct OrderRow
{
    int treeNumber = 0;         // file tree number; 0 if no tree matched (cannot happen after tie separation)
    int position = 0;           // sorted index, 1 ... n
    QString mapXText;           // "###0.0000"
    QString mapYText;           // "###0.0000"
    QString diameterText;       // "###0.0", empty when treeNumber is 0
    QString cornerDistanceText; // "###0.00"

    // The six columns: tree number, position, map X, map Y, d, corner distance
    // (number columns empty when treeNumber is 0).
    QStringList texts() const;
};

// Sorted position -> file tree number, derived from the current sorted working
// arrays. Rebuild it after every sortTrees() / computeEdgeTable().
struct OrderTable
{
    QList<OrderRow> rows; // rows[k - 1] describes sorted index k

    static OrderTable build(const Stand &stand);

    // File tree number of sorted index k (1-based); 0 when out of range.
    int treeNumberAt(int sortedIndex) const;
    // Sorted index (1-based) of a file tree number; 0 when not found.
    int sortedIndexOf(int treeNumber) const;
};
