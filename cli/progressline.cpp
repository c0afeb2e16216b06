#include "progressline.h"

#include "interruptguard.h"

#include <cstdio>
#include <unistd.h>

namespace {

// A short computation shows no line at all.
constexpr qint64 QuietMilliseconds = 300;
constexpr int LineWidth = 40;

} // namespace

ProgressLine::ProgressLine(const QString &label)
    : m_label(label.toLocal8Bit()), m_enabled(isatty(fileno(stderr)) == 1)
{
    m_timer.start();
}

ProgressLine::~ProgressLine()
{
    if (m_shown) {
        std::fprintf(stderr, "\r%*s\r", LineWidth, "");
        std::fflush(stderr);
    }
}

bool ProgressLine::update(std::int64_t done, std::int64_t total)
{
    if (InterruptGuard::requested())
        return false;
    if (!m_enabled || total <= 0 || m_timer.elapsed() < QuietMilliseconds)
        return true;
    const int percent = int(done * 100 / total);
    if (percent != m_percent) {
        m_percent = percent;
        m_shown = true;
        std::fprintf(stderr, "\r%s %3d %%", m_label.constData(), percent);
        std::fflush(stderr);
    }
    return true;
}

kavrel::Progress ProgressLine::callback()
{
    return [this](std::int64_t done, std::int64_t total) {
        return update(done, total);
    };
}
