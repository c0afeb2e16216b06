#pragma once

#include "stand/stand.h"
#include "zones/zoneexportformat.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

class QWidget;

// Saving the zones of one order: the save dialog, which starts in the folder
// of the last successful export (at first the stand file's), and the file,
// written completely or not at all. A failure is reported with the path and
// the reason.
class ZoneExportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ZoneExportCommand)

public:
    // Asks the user where to save; an empty result means cancel.
    using FileChooser =
        std::function<QString(QWidget *parent, const QString &proposedPath, const QString &filter)>;
    using ErrorReporter = std::function<void(QWidget *parent, const QString &title, const QString &text)>;

    ZoneExportCommand();

    void setFileChooser(FileChooser chooser);
    void setErrorReporter(ErrorReporter reporter);

    // Returns whether a file was written.
    bool run(QWidget *parent, const Stand &stand, int order, ZoneExportFormat format);

    // The file's content, in stand metres: GeoJSON and CSV of the trees as
    // the file writes them (kavrel-zones' numbers), SVG of the map.
    static QByteArray content(const Stand &stand, int order, ZoneExportFormat format);

    QString lastFolder() const { return m_lastFolder; } // of the last file written

private:
    QString proposedPath(const Stand &stand, int order, ZoneExportFormat format) const;

    FileChooser m_fileChooser;
    ErrorReporter m_errorReporter;
    QString m_lastFolder;
};
