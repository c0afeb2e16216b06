#include "interruptguard.h"

#include <QCoreApplication>
#include <QString>
#include <QTextStream>
#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> interruptRequested{false};

extern "C" void requestInterrupt(int)
{
    interruptRequested = true;
}

} // namespace

InterruptGuard::InterruptGuard()
{
    interruptRequested = false;
    m_previous = std::signal(SIGINT, requestInterrupt);
    // A job the shell started in the background ignores Ctrl+C, which is
    // meant for the foreground; so does the tool then.
    if (m_previous == SIG_IGN)
        std::signal(SIGINT, SIG_IGN);
}

InterruptGuard::~InterruptGuard()
{
    std::signal(SIGINT, m_previous);
    // Outside a guard nothing is ever asked to stop.
    interruptRequested = false;
}

bool InterruptGuard::requested()
{
    return interruptRequested;
}

int reportInterrupted(QTextStream &err, const QString &command)
{
    err << "kavrel-zones " << command << ": "
        << QCoreApplication::translate("KavrelZones", "abgebrochen, keine Datei geschrieben.") << '\n';
    return ZonesInterrupted;
}
