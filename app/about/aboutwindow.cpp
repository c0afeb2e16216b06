#include "aboutwindow.h"

#include "form2.h"
#include "shell/forms.h"

void showAboutWindow(QWidget *mainWindow)
{
    showSingleForm(QStringLiteral("Form2"), QStringLiteral("Form3"),
                   [mainWindow] { return new Form2(mainWindow); });
}
