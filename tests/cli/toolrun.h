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

inline Run runTool(const QStringList &arguments)
{
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = zonesMain(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}
