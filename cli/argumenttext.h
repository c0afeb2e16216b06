#pragma once

#include <QString>

// A value from the command line as a message quotes it: control characters
// shown as "?", bytes that are no text as U+FFFD, and cut after a sensible
// length, so a wrong value can neither flood nor garble the terminal.
QString shownArgument(const QString &value);

// Values longer than this are cut in messages.
inline constexpr qsizetype ShownArgumentLength = 40;
