#include "zonescommand.h"

#include <QStringList>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int a = 1; a < argc; ++a)
        arguments.append(QString::fromLocal8Bit(argv[a]));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = zonesMain(arguments, out, err);
    out.flush();
    err.flush();
    return status;
}
