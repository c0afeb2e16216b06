#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <cstdint>
#include <kavrel/progress.h>

// Percentage of a long computation on standard error, only when a person
// watches it there: redirected output stays free of carriage returns. The
// line goes away when the computation ends.
class ProgressLine
{
public:
    // `label` in the tool's language, such as "Study".
    explicit ProgressLine(const QString &label);
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    // The engine's progress report: false once Ctrl+C was pressed under an
    // InterruptGuard, which asks the computation to stop.
    bool update(std::int64_t done, std::int64_t total);

    // update() as the engine's callback; the line must outlive it.
    kavrel::Progress callback();

private:
    QByteArray m_label;
    bool m_enabled;
    bool m_shown = false;
    int m_percent = -1;
    QElapsedTimer m_timer;
};
