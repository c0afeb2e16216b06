#pragma once

#include <QString>

// True when the server's version is newer than the local one. Both texts are
// read as major.minor.revision: missing parts count as 0, parts after the
// third are ignored, and a part that is not a number counts as 0. The parts
// are compared as numbers, so 1.10 is newer than 1.9.
bool IsNewerVersion(const QString &serverVersion, const QString &localVersion);

// Whether the text of a version file is a number once its dots are removed
// ("1.0.2" is, "1.0.a" and "" are not).
bool isVersionNumber(const QString &text);
