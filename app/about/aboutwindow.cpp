#include "aboutwindow.h"

#include "form2.h"
#include "update/openwindows.h"

void showAboutWindow(QWidget *mainWindow)
{
    closeOpenWindows(QStringLiteral("Form3"));
    if (QWidget *open = findOpenWindow(QStringLiteral("Form2"))) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto *window = new Form2(mainWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}
