#pragma once

#include "researchoptions.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Everything the command line of kavrel-zones can ask for.
struct ZonesOptions
{
    int order = 1;
    int mapWidth = 441; // the designed stand map
    int mapHeight = 441;
    std::optional<QPointF> select; // map coordinates
    QString standFile;
    bool help = false;
    ResearchOptions research;
};

// One option: "--name VALUE" or "--name=VALUE" (or a bare "--name" when it
// takes no value). apply() stores the value and returns an error text, empty
// when the value is fine.
struct ZonesOption
{
    QString name;        // with the leading "--"
    QString valueName;   // empty for a switch
    QString description; // one line for --help
    std::function<QString(ZonesOptions &, const QString &value)> apply;
};

// The options in the order --help lists them. New options are added here.
QList<ZonesOption> zonesOptionTable();

struct ZonesArguments
{
    ZonesOptions options;
    QString error; // empty when the command line is usable

    bool ok() const { return error.isEmpty(); }
};

// Arguments without the program name.
ZonesArguments parseZonesArguments(const QStringList &arguments);

QString zonesUsage();
