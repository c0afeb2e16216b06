#include "about/aboutwindow.h"
#include "files/filesystemname.h"
#include "shell/form1.h"
#include "shell/launchoptions.h"
#include "stand/standcontroller.h"
#include "update/updatewindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>

namespace {

// A message box that comes up while nobody is at the window goes to standard
// error and is closed, so the run ends instead of waiting for an answer.
void answerMessageBoxOnStandardError()
{
    QTimer::singleShot(0, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            QTextStream(stderr) << "kavrelapp: " << box->text() << '\n';
            box->reject();
        }
    });
}

// The --snapshot run: 0 when the stand was opened, computed and saved.
int drawSnapshot(Form1 &window, StandController &controller, const QString &path)
{
    if (!controller.loadStandFile(path))
        return 1;
    controller.calculate();
    if (!controller.zonesComputed())
        return 1;
    answerMessageBoxOnStandardError();
    if (!window.saveSnapshot())
        return 1;
    QTextStream(stdout) << QDir::toNativeSeparators(window.snapshotPath()) << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Qt's own options are taken out of argc and argv here.
    QApplication app(argc, argv);
    // Ties the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.kavrel.Kavrel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kavrel")));

    // File names are taken byte for byte, whatever their encoding.
    const QStringList arguments = programArguments(argc, argv);
    const LaunchOptions options = LaunchOptions::parse(arguments);
    if (!options.error.isEmpty()) {
        QTextStream(stderr) << "kavrelapp: " << options.error << '\n' << LaunchOptions::usage();
        return 2;
    }

    removeUnfinishedUpdateFiles();

    Form1 window;
    StandController controller(window);
    QObject::connect(&window, &Form1::aboutRequested, &window, [&window] { showAboutWindow(&window); });
    QObject::connect(&window, &Form1::updateRequested, &window, [&window] { showUpdateWindow(&window); });
    window.setCurrentOrder(options.order);
    window.show();
    if (!options.standFile.isEmpty()) {
        // Opened once the window is up, so a message about the file appears
        // over the window and the stand is placed on the map's real size.
        const QString path = absoluteFileName(options.standFile);
        if (options.snapshot) {
            // Nobody may be at the window to answer a message box.
            controller.setErrorReporter([path](QWidget *, const QString &title, const QString &text) {
                QTextStream(stderr) << "kavrelapp: " << title << ' ' << QDir::toNativeSeparators(path) << ": "
                                    << text << '\n';
            });
            QTimer::singleShot(0, &controller, [&window, &controller, path] {
                QApplication::exit(drawSnapshot(window, controller, path));
            });
        } else {
            QTimer::singleShot(0, &controller, [&controller, path] { controller.loadStandFile(path); });
        }
    }
    return QApplication::exec();
}
