#include "researchstand.h"

#include "files/filesystemname.h"
#include "stand/standfilereader.h"
#include "stemmapcsv.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("StemMapCsv", text);
}

ResearchStandResult failure(const QString &message, bool usageError = false)
{
    ResearchStandResult result;
    result.error = message;
    result.usageError = usageError;
    return result;
}

ResearchStandResult fromStandFile(const QByteArray &content, const QString &path,
                                  const std::optional<kavrel::StandRectangle> &rectangle)
{
    if (rectangle)
        return failure(
            translated("--stand gilt nur für CSV-Stammkarten; die Standdatei \u201E%1\u201C nennt ihr "
                       "Bestandsrechteck selbst.")
                .arg(path),
            true);
    QByteArray copy = content;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    // The basal areas square the diameters: they are bounded here, not in
    // the window, which only shows them.
    StandFileResult read = parseStandFile(buffer, path, StandFileTrees::All, StandFileDiameters::Bounded);
    if (!read.ok())
        return failure(read.error.message);
    const Stand &stand = *read.stand;
    ResearchStand research;
    research.filePath = path;
    research.rectangle = kavrel::StandRectangle{double(stand.width), double(stand.length)};
    research.positions.reserve(stand.treeX.size());
    for (std::size_t t = 0; t < stand.treeX.size(); ++t)
        research.positions.push_back(kavrel::Point{stand.treeX[t], stand.treeY[t]});
    research.diameters = stand.treeD;
    ResearchStandResult result;
    result.stand = std::move(research);
    return result;
}

ResearchStandResult fromStemMap(const QByteArray &content, const QString &path,
                                const std::optional<kavrel::StandRectangle> &rectangle)
{
    if (!rectangle)
        return failure(
            translated("Die Stammkarte \u201E%1\u201C braucht das Bestandsrechteck: --stand W,L oder "
                       "--stand X0,Y0,X1,Y1.")
                .arg(path),
            true);
    ResearchStand stand;
    stand.filePath = path;
    stand.rectangle = *rectangle;
    const QString error = parseStemMapCsv(content, path, stand);
    if (!error.isEmpty())
        return failure(error);
    ResearchStandResult result;
    result.stand = std::move(stand);
    return result;
}

QString openFailure(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("StandFileReader",
                                       "Die Standdatei \u201E%1\u201C lässt sich nicht öffnen: %2")
        .arg(displayFileName(path), reason);
}

} // namespace

ResearchStandResult readResearchStand(const QString &path,
                                      const std::optional<kavrel::StandRectangle> &rectangle)
{
    // Opened by its bytes and refused when it is a folder, pipe or device,
    // as the window's reader does.
    QFile file;
    if (const QString reason = openStandFile(file, path); !reason.isEmpty())
        return failure(openFailure(path, reason));
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(openFailure(path, file.errorString()));
    return parseResearchStand(content, path, rectangle);
}

ResearchStandResult parseResearchStand(const QByteArray &content, const QString &path,
                                       const std::optional<kavrel::StandRectangle> &rectangle)
{
    if (looksLikeStemMapCsv(content))
        return fromStemMap(content, path, rectangle);
    return fromStandFile(content, path, rectangle);
}
