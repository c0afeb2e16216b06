#include "threadsoption.h"

#include "argumenttext.h"

#include <QCoreApplication>
#include <kavrel/threads.h>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("ThreadsOption", text);
}

} // namespace

QString applyThreadsOption(const QString &value)
{
    const std::optional<int> threads = kavrel::threadCountFromText(value.toStdString());
    if (!threads)
        return translated("--threads: \u201E%1\u201C ist keine ganze Zahl von 1 bis %2.")
            .arg(shownArgument(value))
            .arg(kavrel::ThreadLimit);
    kavrel::setThreadCount(*threads);
    return {};
}

QString checkThreadsEnvironment()
{
    const QByteArray value = qgetenv(kavrel::ThreadsVariable);
    if (value.isEmpty() || kavrel::threadCountFromText(value.toStdString()))
        return {};
    return translated("KAVREL_THREADS: \u201E%1\u201C ist keine ganze Zahl von 1 bis %2.")
        .arg(shownArgument(QString::fromLocal8Bit(value)))
        .arg(kavrel::ThreadLimit);
}

QString threadsOptionDescription()
{
    return translated("Zahl der Threads (Vorgabe: KAVREL_THREADS, sonst alle Prozessoren des Prozesses)");
}
