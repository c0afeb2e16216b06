#include "about/aboutwindow.h"
#include "shell/form1.h"
#include "stand/standcontroller.h"
#include "update/updatewindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 2) {
        QTextStream(stderr) << "usage: kavrelapp [STANDFILE]\n";
        return 2;
    }

    removeUnfinishedUpdateFiles();

    Form1 window;
    StandController controller(window);
    QObject::connect(&window, &Form1::aboutRequested, &window, [&window] { showAboutWindow(&window); });
    QObject::connect(&window, &Form1::updateRequested, &window, [&window] { showUpdateWindow(&window); });
    window.show();
    if (arguments.size() == 2) {
        // Opened once the window is up, so a message about the file appears
        // over the window and the stand is placed on the map's real size.
        const QString path = QFileInfo(arguments.at(1)).absoluteFilePath();
        QTimer::singleShot(0, &controller, [&controller, path] { controller.loadStandFile(path); });
    }
    return QApplication::exec();
}
