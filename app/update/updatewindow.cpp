#include "updatewindow.h"

#include "form3.h"
#include "shell/forms.h"
#include "update/downloadcommit.h"

#include <QCoreApplication>

void showUpdateWindow(QWidget *mainWindow)
{
    showSingleForm(QStringLiteral("Form3"), QStringLiteral("Form2"),
                   [mainWindow] { return new Form3(mainWindow); });
}

void removeUnfinishedUpdateFiles()
{
    removeUpdateLeftovers(
        updateFilesFor(QCoreApplication::applicationFilePath(), UpdateBaseUrl(), currentPlatform()));
}
