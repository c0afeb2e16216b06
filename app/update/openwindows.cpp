#include "openwindows.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

QList<QPointer<QWidget>> windowsNamed(const QString &objectName)
{
    QList<QPointer<QWidget>> found;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName().compare(objectName, Qt::CaseInsensitive) == 0) {
            found.append(window);
        }
    }
    return found;
}

} // namespace

QWidget *findOpenWindow(const QString &objectName)
{
    for (const QPointer<QWidget> &window : windowsNamed(objectName)) {
        if (window && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

void closeOpenWindows(const QString &objectName)
{
    // Closing may delete a window; the guarded list survives that.
    for (const QPointer<QWidget> &window : windowsNamed(objectName)) {
        if (window) {
            window->close();
        }
    }
}
