#pragma once

#include <QString>

class QWidget;

// True when an open window of the program carries this object name, compared
// without regard to case.
bool IsFormLoaded(const QString &name);

// Closes every open window of the program, one after the other; `closing` is
// left out (the window whose own closing started this).
void UnloadAllForms(const QWidget *closing = nullptr);
