#pragma once

#include <QString>

// Why a file could not be opened or written, as one sentence in the user's
// language. The common causes are told in the program's own words; anything
// else is Qt's description, in the user's language where Qt's translations
// have it (Qt leaves the system's reasons for failed file access untranslated).
QString openProblem(const QString &path, const QString &qtReason);
QString writeProblem(const QString &path, const QString &qtReason);

// Qt's description of a failed file access in the user's language, or as it is
// when no translation has it.
QString translatedFileError(const QString &qtReason);
