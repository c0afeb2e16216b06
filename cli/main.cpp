#include "zonescommand.h"
#include "zoneslanguage.h"
#include "zonestranslations.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <clocale>
#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int a = 1; a < argc; ++a)
        arguments.append(QString::fromLocal8Bit(argv[a]));

    // Translators need an application object.
    QCoreApplication application(argc, argv);
    // The application takes the user's locale into the C library; whatever
    // that locale writes, numbers keep their decimal point.
    std::setlocale(LC_NUMERIC, "C");
    const ZonesTranslations translations(zonesLanguageFromEnvironment());

    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = zonesMain(arguments, out, err);
    out.flush();
    err.flush();
    return status;
}
