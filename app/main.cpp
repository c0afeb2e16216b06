#include "about/aboutwindow.h"
#include "shell/form1.h"
#include "stand/standcontroller.h"
#include "update/updatewindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 2) {
        QTextStream(stderr) << "usage: kavrelapp [STANDFILE]\n";
        return 2;
    }

    Form1 window;
    StandController controller(window);
    QObject::connect(&window, &Form1::aboutRequested, &window, [&window] { showAboutWindow(&window); });
    QObject::connect(&window, &Form1::updateRequested, &window, [&window] { showUpdateWindow(&window); });
    if (arguments.size() == 2)
        controller.loadStandFile(QFileInfo(arguments.at(1)).absoluteFilePath());
    window.show();
    return QApplication::exec();
}
