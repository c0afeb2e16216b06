#include "launchoptions.h"

namespace {

constexpr int HighestOrder = 5;

LaunchOptions failed(const QString &error)
{
    LaunchOptions options;
    options.error = error;
    return options;
}

} // namespace

LaunchOptions LaunchOptions::parse(const QStringList &arguments)
{
    LaunchOptions options;
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            files.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--snapshot")) {
            options.snapshot = true;
        } else if (argument == QLatin1String("--order")) {
            if (i + 1 >= arguments.size())
                return failed(QStringLiteral("--order needs a value from 1 to %1").arg(HighestOrder));
            bool isNumber = false;
            const QString &value = arguments.at(++i);
            options.order = value.toInt(&isNumber);
            if (!isNumber || options.order < 1 || options.order > HighestOrder)
                return failed(QStringLiteral("--order %1: not a whole number from 1 to %2")
                                  .arg(value)
                                  .arg(HighestOrder));
        } else {
            return failed(QStringLiteral("unknown option %1").arg(argument));
        }
    }
    if (files.size() > 1)
        return failed(
            QStringLiteral("only one stand file can be opened: %1").arg(files.join(QLatin1String(", "))));
    if (options.snapshot && files.isEmpty())
        return failed(QStringLiteral("--snapshot needs a stand file"));
    if (!files.isEmpty())
        options.standFile = files.constFirst();
    return options;
}

QString LaunchOptions::usage()
{
    return QStringLiteral("usage: kavrelapp [--order K] [STANDFILE]\n"
                          "       kavrelapp --snapshot [--order K] STANDFILE\n");
}
