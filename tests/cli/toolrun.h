#pragma once

#include "zonescommand.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// One call of the tool in this process, with what it printed.
struct Run
{
    int status = -1;
    QString out;
    QString err;
};

// Any of the tool's commands: called as command(arguments, out, err).
template <typename Command> Run runCommand(Command command, const QStringList &arguments)
{
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = command(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}

inline Run runTool(const QStringList &arguments)
{
    return runCommand(zonesMain, arguments);
}
