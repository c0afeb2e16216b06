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

// Closing one window may delete another, so each is held by a guard.
QList<QPointer<QWidget>> openWindowsWhere(const std::function<bool(const QWidget *)> &wanted)
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (isOpenWindow(window) && wanted(window))
            windows.append(window);
    }
    return windows;
}

void closeAll(const QList<QPointer<QWidget>> &windows)
{
    for (const QPointer<QWidget> &window : windows) {
        if (window)
            window->close();
    }
}

bool hasName(const QWidget *window, const QString &name)
{
    return window->objectName().compare(name, Qt::CaseInsensitive) == 0;
}

} // namespace

QWidget *findLoadedForm(const QString &name)
{
    const QList<QPointer<QWidget>> windows =
        openWindowsWhere([&name](const QWidget *window) { return hasName(window, name); });
    return windows.isEmpty() ? nullptr : windows.first().data();
}

bool IsFormLoaded(const QString &name)
{
    return findLoadedForm(name) != nullptr;
}

void unloadForm(const QString &name)
{
    closeAll(openWindowsWhere([&name](const QWidget *window) { return hasName(window, name); }));
}

void UnloadAllForms(const QWidget *closing)
{
    closeAll(openWindowsWhere([closing](const QWidget *window) { return window != closing; }));
}

void showSingleForm(const QString &name, const QString &rival, const std::function<QWidget *()> &create)
{
    unloadForm(rival);
    if (QWidget *open = findLoadedForm(name)) {
        open->raise();
        open->activateWindow();
        return;
    }
    QWidget *window = create();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}
