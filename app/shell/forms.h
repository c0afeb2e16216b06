#pragma once

#include <QString>
#include <functional>

class QWidget;

// The open window of the program that carries this object name, compared
// without regard to case, or nullptr. A window that has been closed and only
// awaits its deletion does not count.
QWidget *findLoadedForm(const QString &name);

// True when an open window of the program carries this object name, compared
// without regard to case.
bool IsFormLoaded(const QString &name);

// Closes every open window with this object name (any letter case).
void unloadForm(const QString &name);

// Closes every open window of the program, one after the other; `closing` is
// left out (the window whose own closing started this).
void UnloadAllForms(const QWidget *closing = nullptr);

// Shows the one modeless window called `name`, closing the window called
// `rival` first: the program keeps at most one of the two open. An open
// window is brought to the front; otherwise `create` makes a new one, which
// is deleted when it is closed.
void showSingleForm(const QString &name, const QString &rival, const std::function<QWidget *()> &create);
