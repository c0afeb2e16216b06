#pragma once

#include <QString>

class QWidget;

// The shown top-level window with this object name (compared without regard
// to case), or nullptr. A window that has been closed and merely awaits its
// deletion does not count.
QWidget *findOpenWindow(const QString &objectName);

// Closes every top-level window with this object name.
void closeOpenWindows(const QString &objectName);
