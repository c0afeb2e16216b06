#pragma once

// The main window with its stand controller, the file dialog and the message
// boxes replaced so that no person is needed.

#include "shell/form1.h"
#include "shell/localesettings.h"
#include "stand/standcontroller.h"
#include "stand/standmap.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

struct ReportedError
{
    QString title;
    QString text;
};

class StandWindowHarness
{
public:
    StandWindowHarness()
        : window(std::make_unique<Form1>(folder.path(), nullptr)),
          controller(std::make_unique<StandController>(*window))
    {
        controller->setFileChooser(
            [this](QWidget *, const QString &dialogFolder, const QString &preset, const QString &filter) {
                dialogs.append({dialogFolder, preset, filter});
                return chosenPaths.isEmpty() ? QString() : chosenPaths.takeFirst();
            });
        controller->setErrorReporter([this](QWidget *, const QString &title, const QString &text) {
            errors.append({title, text});
        });
    }

    QString writeFile(const QString &name, const QByteArray &content) const
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // The open command with the dialog answering `path` (empty: cancel).
    void open(const QString &path)
    {
        chosenPaths = {path};
        emit window->openRequested();
    }

    void openStand(const QByteArray &content, const QString &name = QStringLiteral("stand.txt"))
    {
        open(writeFile(name, content));
    }

    void pickLanguage(int index)
    {
        auto *selector = window->findChild<QComboBox *>(QStringLiteral("tamText1"));
        selector->setCurrentIndex(index);
        emit selector->activated(index);
    }

    void setLabels(bool on)
    {
        window->labelCheckBox()->setChecked(on);
        emit window->labelCheckClicked();
    }

    QString panel(int number) const { return window->statusPanel(number)->text(); }
    QTableWidget &table() const { return *window->treeTable(); }
    StandMap &map() const { return *window->standMap(); }
    const QImage &image() const { return window->standMap()->image(); }

    QStringList tableRow(int row) const
    {
        QStringList texts;
        for (int column = 0; column < table().columnCount(); ++column)
            texts << (table().item(row, column) ? table().item(row, column)->text() : QString());
        return texts;
    }

    QStringList tableHeader() const
    {
        QStringList texts;
        for (int column = 0; column < table().columnCount(); ++column)
            texts << table().horizontalHeaderItem(column)->text();
        return texts;
    }

    // Map position of a point of a stand measured in metres.
    QPointF mapPoint(double standX, double standY, double standWidth, double standLength) const
    {
        return {standX * map().mapWidth() / standWidth,
                (standLength - standY) * map().mapHeight() / standLength};
    }

    QColor pixel(QPointF point) const
    {
        return image().pixelColor(int(std::lround(point.x())), int(std::lround(point.y())));
    }

    // Whether the colour is found within `reach` pixels of the point.
    bool colourNear(QPointF point, const QColor &colour, int reach = 1) const
    {
        const int x = int(std::lround(point.x()));
        const int y = int(std::lround(point.y()));
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                if (image().valid(x + dx, y + dy) && image().pixelColor(x + dx, y + dy) == colour)
                    return true;
            }
        }
        return false;
    }

    int countPixels(const QColor &colour) const
    {
        int count = 0;
        for (int y = 0; y < image().height(); ++y) {
            for (int x = 0; x < image().width(); ++x)
                count += image().pixelColor(x, y) == colour ? 1 : 0;
        }
        return count;
    }

    struct Dialog
    {
        QString folder;
        QString preset;
        QString filter;
    };

    QTemporaryDir folder;
    std::unique_ptr<Form1> window;
    std::unique_ptr<StandController> controller;
    QStringList chosenPaths;
    QList<Dialog> dialogs;
    QList<ReportedError> errors;
};
