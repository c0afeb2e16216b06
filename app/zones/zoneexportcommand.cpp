#include "zoneexportcommand.h"

#include "shell/savefile.h"
#include "zones/standzones.h"
#include "zones/zoneexport.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

struct FormatFile
{
    const char *suffix;
    const char *nameEnding;
    const char *filter;
};

FormatFile formatFile(ZoneExportFormat format)
{
    switch (format) {
    case ZoneExportFormat::GeoJson:
        return {"geojson", "zones", "GeoJSON (*.geojson *.json)"};
    case ZoneExportFormat::Svg:
        return {"svg", "zones", "SVG (*.svg)"};
    case ZoneExportFormat::Csv:
        return {"csv", "areas", "CSV (*.csv)"};
    }
    return {"txt", "zones", "*"};
}

QString chooseWithDialog(QWidget *parent, const QString &proposedPath, const QString &filter)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QFileInfo(proposedPath).suffix());
    dialog.setDirectory(QFileInfo(proposedPath).absolutePath());
    dialog.selectFile(QFileInfo(proposedPath).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void reportWithMessageBox(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

} // namespace

ZoneExportCommand::ZoneExportCommand()
    : m_fileChooser(chooseWithDialog), m_errorReporter(reportWithMessageBox)
{}

void ZoneExportCommand::setFileChooser(FileChooser chooser)
{
    m_fileChooser = chooser ? std::move(chooser) : FileChooser(chooseWithDialog);
}

void ZoneExportCommand::setErrorReporter(ErrorReporter reporter)
{
    m_errorReporter = reporter ? std::move(reporter) : ErrorReporter(reportWithMessageBox);
}

bool ZoneExportCommand::run(QWidget *parent, const Stand &stand, int order, ZoneExportFormat format)
{
    const QString path = m_fileChooser(parent, proposedPath(stand, order, format), formatFile(format).filter);
    if (path.isEmpty())
        return false;
    const QString reason = saveFileAtomically(path, content(stand, order, format));
    if (reason.isEmpty()) {
        // Only a folder that took a file is worth offering again: a failed
        // one may be unwritable, or a place (/proc) where the dialog hangs.
        m_lastFolder = QFileInfo(path).absolutePath();
        return true;
    }
    m_errorReporter(parent, tr("Exportfehler!"),
                    tr("Die Datei konnte nicht geschrieben werden:") + QLatin1Char('\n') +
                        QDir::toNativeSeparators(path) + QLatin1Char('\n') + reason);
    return false;
}

QByteArray ZoneExportCommand::content(const Stand &stand, int order, ZoneExportFormat format)
{
    // The numbers are those of the trees as written, as kavrel-zones gives
    // them; the drawing is the map's.
    switch (format) {
    case ZoneExportFormat::GeoJson: {
        const StandZones zones = computeStandZones(stand, order);
        return zonesToGeoJson(zones.zones, zones.rectangle, order);
    }
    case ZoneExportFormat::Svg: {
        const StandZones zones = computeMapZones(stand, order);
        return zonesToSvg(zones.trees, zones.zones, zones.rectangle, order,
                          treesSeparatedOnMap(stand) ? SvgTrees::SeparatedOnMap : SvgTrees::AsWritten);
    }
    case ZoneExportFormat::Csv:
        return zonesToCsv(writtenTreePositions(stand), stand.treeD, writtenZoneAreas(stand, order),
                          {double(stand.width), double(stand.length)}, order);
    }
    return {};
}

// The stand file's name with the order, in the folder of the last export or
// else beside the stand file.
QString ZoneExportCommand::proposedPath(const Stand &stand, int order, ZoneExportFormat format) const
{
    const QFileInfo standFile(stand.filePath);
    const QString folder = !m_lastFolder.isEmpty() ? m_lastFolder : standFile.absolutePath();
    const FormatFile file = formatFile(format);
    const QString baseName =
        standFile.completeBaseName().isEmpty() ? QStringLiteral("stand") : standFile.completeBaseName();
    return QDir(folder).filePath(QStringLiteral("%1_%2_k%3.%4")
                                     .arg(baseName, QLatin1String(file.nameEnding))
                                     .arg(order)
                                     .arg(QLatin1String(file.suffix)));
}
