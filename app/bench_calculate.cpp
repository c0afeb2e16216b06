// Time from the Calculate command to the last boundary line drawn, in the main
// window, for the 50-tree sample stand at order 5.
//
//   bench_calculate [STANDFILE] [RUNS]

#include "shell/form1.h"
#include "stand/standcontroller.h"
#include "zones/edgetable.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>
#include <QToolButton>
#include <algorithm>
#include <vector>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList arguments = QApplication::arguments();
    const QString standFile = arguments.size() > 1
                                  ? arguments.at(1)
                                  : QDir(QApplication::applicationDirPath()).filePath("Data/sample50.txt");
    const int runs = arguments.size() > 2 ? std::max(1, arguments.at(2).toInt()) : 50;

    Form1 window;
    StandController controller(window);
    controller.setErrorReporter([&err](QWidget *, const QString &title, const QString &text) {
        err << title << ' ' << text << '\n';
    });
    window.show();
    QApplication::processEvents();
    if (!controller.loadStandFile(standFile))
        return 1;
    window.findChild<QToolButton *>(QStringLiteral("btn5order"))->click();

    std::vector<double> milliseconds;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        emit window.calculateRequested();
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
        QApplication::processEvents(); // between runs only: let the window paint what was drawn
    }
    std::sort(milliseconds.begin(), milliseconds.end());

    // The share of the computation alone, on a copy of the stand.
    std::vector<double> computing;
    for (int run = 0; run < runs; ++run) {
        Stand stand = *controller.stand();
        QElapsedTimer timer;
        timer.start();
        const EdgeTable edges = computeEdgeTable(stand, 5, stand.mapWidth, stand.mapHeight);
        computing.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(computing.begin(), computing.end());

    out << "stand: " << standFile << " (" << controller.stand()->treeCount() << " trees), order "
        << controller.edgeTable().order << ", " << controller.edgeTable().rows.size() << " boundary pieces\n";
    out << "Calculate to last line drawn, " << runs << " runs: median "
        << milliseconds[milliseconds.size() / 2] << " ms, min " << milliseconds.front() << " ms, max "
        << milliseconds.back() << " ms\n";
    out << "of which the edge table alone: median " << computing[computing.size() / 2] << " ms\n";
    return 0;
}
