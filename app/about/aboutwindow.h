#pragma once

class QWidget;

// Shows the one about window (modeless, in front of the main window),
// closing the update window first if it is open.
void showAboutWindow(QWidget *mainWindow);
