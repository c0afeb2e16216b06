#pragma once

#include "researchstand.h"

#include <QByteArray>
#include <QString>

// Reads the trees of a CSV stem map (see readResearchStand) into `stand`;
// returns an error message naming the file, the line and the value, or an
// empty string.
QString parseStemMapCsv(const QByteArray &content, const QString &path, ResearchStand &stand);

// Whether the content starts with a header row rather than a number.
bool looksLikeStemMapCsv(const QByteArray &content);
