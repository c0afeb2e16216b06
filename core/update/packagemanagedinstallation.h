#pragma once

#include <QString>

// True when the program file belongs to an installation that a package
// manager made: that installation is updated by its package manager, and the
// program must not replace itself in a folder it does not own.
bool isPackageManagedInstallation(const QString &programFile);
