#pragma once

#include <QByteArray>
#include <QString>

// Writes the whole content to path, or nothing: the content goes to a file
// beside it that takes the place of an existing one only when complete, so a
// failed write leaves the previous file as it was. Returns an empty text on
// success, otherwise why it failed, in the user's language (see
// writeProblem()).
QString saveFileAtomically(const QString &path, const QByteArray &content);
