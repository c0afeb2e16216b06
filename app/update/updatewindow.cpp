#include "updatewindow.h"

#include "form3.h"
#include "openwindows.h"

void showUpdateWindow(QWidget *mainWindow)
{
    closeOpenWindows(QStringLiteral("Form2"));
    if (QWidget *open = findOpenWindow(QStringLiteral("Form3"))) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto *window = new Form3(mainWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}
