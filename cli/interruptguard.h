#pragma once

class QString;
class QTextStream;

// Exit status after Ctrl+C, as shells report a command ended by SIGINT.
inline constexpr int ZonesInterrupted = 130;

// While a long computation runs, Ctrl+C asks it to stop at its next progress
// report instead of killing the process: the output files then stay as they
// were and no temporary file is left behind.
class InterruptGuard
{
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard &) = delete;
    InterruptGuard &operator=(const InterruptGuard &) = delete;

    // Whether Ctrl+C was pressed since the guard was set up; false outside one.
    static bool requested();

private:
    void (*m_previous)(int);
};

// Says that `command` stopped on Ctrl+C with nothing written; its exit status.
int reportInterrupted(QTextStream &err, const QString &command);
