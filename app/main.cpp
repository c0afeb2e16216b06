#include "about/aboutwindow.h"
#include "files/filesystemname.h"
#include "shell/form1.h"
#include "stand/standcontroller.h"
#include "update/updatewindow.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    // Qt's own options are taken out of argc and argv here.
    QApplication app(argc, argv);
    if (argc > 2) {
        QTextStream(stderr) << "usage: kavrelapp [STANDFILE]\n";
        return 2;
    }

    Form1 window;
    StandController controller(window);
    QObject::connect(&window, &Form1::aboutRequested, &window, [&window] { showAboutWindow(&window); });
    QObject::connect(&window, &Form1::updateRequested, &window, [&window] { showUpdateWindow(&window); });
    window.show();
    if (argc == 2) {
        // Opened once the window is up, so a message about the file appears
        // over the window and the stand is placed on the map's real size.
        // The name is taken byte for byte, whatever its encoding.
        const QString path = absoluteFileName(fileNameFromNative(QByteArray(argv[1])));
        QTimer::singleShot(0, &controller, [&controller, path] { controller.loadStandFile(path); });
    }
    return QApplication::exec();
}
