#include "files/filesystemname.h"
#include "generatecommand.h"
#include "researchcommand.h"
#include "studycommand.h"
#include "surfacecommand.h"
#include "threadsoption.h"
#include "zonescommand.h"
#include "zoneslanguage.h"
#include "zonestranslations.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <clocale>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// The subcommands come first; every other call is the tool's original one.
int runCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString first = arguments.value(0);
    if (first == QLatin1String("study"))
        return runStudyCommand(arguments.mid(1), out, err);
    if (first == QLatin1String("surface"))
        return runSurfaceCommand(arguments.mid(1), out, err);
    if (first == QLatin1String("generate"))
        return runGenerateCommand(arguments.mid(1), out, err);
    return zonesMain(arguments, out, err);
}

} // namespace

int main(int argc, char *argv[])
{
    // Translators need an application object.
    QCoreApplication application(argc, argv);
    // Taken byte for byte, so any file name the shell passes is opened or
    // written under exactly that name.
    const QStringList arguments = programArguments(argc, argv);
    // The application takes the user's locale into the C library; whatever
    // that locale writes, numbers keep their decimal point.
    std::setlocale(LC_NUMERIC, "C");
    const ZonesTranslations translations(zonesLanguageFromEnvironment());

#ifdef Q_OS_WIN
    // The tables and GeoJSON written to the standard output are the same
    // bytes as those written to a file: no CR before each line end.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QTextStream out(stdout);
    QTextStream err(stderr);
    int status = ZonesUsageError;
    const QString threadsProblem = checkThreadsEnvironment();
    if (threadsProblem.isEmpty())
        status = runCommand(arguments, out, err);
    else
        err << "kavrel-zones: " << threadsProblem << '\n';
    out.flush();
    // Results that never reached their destination (a full disk, a closed
    // pipe) must not end in a success status.
    const bool outputLost =
        out.status() != QTextStream::Ok || std::fflush(stdout) != 0 || std::ferror(stdout);
    if (outputLost && status == ZonesSuccess) {
        err << "kavrel-zones: "
            << QCoreApplication::translate("KavrelZones", "Die Standardausgabe lässt sich nicht schreiben.")
            << '\n';
        status = ZonesOutputNotWritten;
    }
    err.flush();
    return status;
}
