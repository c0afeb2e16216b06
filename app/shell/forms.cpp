#include "forms.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

bool isOpenWindow(const QWidget *widget)
{
    if (!widget->isWindow() || !widget->isVisible())
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

} // namespace

bool IsFormLoaded(const QString &name)
{
    const QString wanted = name.toLower();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        if (isOpenWindow(window) && window->objectName().toLower() == wanted)
            return true;
    }
    return false;
}

void UnloadAllForms(const QWidget *closing)
{
    // Closing one window may delete another, so each is held by a guard.
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != closing && isOpenWindow(window))
            windows.append(window);
    }
    for (const QPointer<QWidget> &window : windows) {
        if (window)
            window->close();
    }
}
