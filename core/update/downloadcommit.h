#pragma once

#include "updatefiles.h"

#include <QString>

// Puts the file at `from` in the place of `to` in one step: whoever opens
// `to` sees either its old content or the whole new one, never a mixture.
bool replaceFileAtomically(const QString &from, const QString &to, QString *error);

// Makes a finished download the file the replacement script installs: its
// size must be the number of bytes received (so that nothing else wrote to
// it meanwhile), its content reaches the disk, and then it is renamed.
bool commitDownloadedFile(const QString &partialFile, const QString &downloadedFile, qint64 bytesReceived,
                          QString *error);

// Removes what a download or a script writer that was cut short (a crash, a
// killed program) left behind. A finished, verified download and its script
// stay: a script may still be waiting to install it.
void removeUpdateLeftovers(const UpdateFiles &files);
