#pragma once

class QWidget;

// Shows the one update window (modeless, in front of the main window),
// closing the about window first if it is open.
void showUpdateWindow(QWidget *mainWindow);

// Removes what an update cut short by a crash left beside the program; run
// once at start.
void removeUnfinishedUpdateFiles();
