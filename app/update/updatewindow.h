#pragma once

class QWidget;

// Shows the one update window (modeless, in front of the main window),
// closing the about window first if it is open.
void showUpdateWindow(QWidget *mainWindow);
