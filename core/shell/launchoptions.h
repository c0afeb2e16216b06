#pragma once

#include <QString>
#include <QStringList>

// The program's command line:
//   kavrelapp [--order K] [STANDFILE]
//   kavrelapp --snapshot [--order K] STANDFILE
// --snapshot opens the stand, computes its zones, saves the snapshot and ends,
// which lets a script draw a stand without anyone at the window.
struct LaunchOptions
{
    QString standFile;
    int order = 1;
    bool snapshot = false;
    // Empty when the command line is good; else what is wrong with it.
    QString error;

    // `arguments` without the program's name. "--" ends the options, so a
    // stand file whose name begins with "--" can be given after it.
    static LaunchOptions parse(const QStringList &arguments);
    static QString usage();
};
