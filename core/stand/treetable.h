#pragma once

#include <QList>
#include <QStringList>

struct Stand;

// Data rows of the tree table in file order: tree number, stand X and Y from
// the (possibly nudged) map position ("###0.00"), diameter ("###0.0").
// Requires placeTrees().
QList<QStringList> treeTableRows(const Stand &stand);
