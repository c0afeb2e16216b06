#pragma once

#include <QString>

// The thread count of every kavrel-zones command: --threads N, otherwise
// KAVREL_THREADS, otherwise the processors the process may run on. The
// results are the same for any count.

// Sets the engine's thread count from the value of --threads; an error text
// (empty when the value is fine).
QString applyThreadsOption(const QString &value);

// An error text when KAVREL_THREADS is set but holds no thread count.
QString checkThreadsEnvironment();

// The line of --help.
QString threadsOptionDescription();
