#pragma once

#include "updatefiles.h"

#include <QString>

// Lets the script delete or overwrite the program file: on Windows every
// attribute is cleared, elsewhere the owner's write permission is added.
bool clearReadOnly(const QString &programFile, QString *error);

// Writes the script of this platform for the update's files from its first
// byte; the process with the given id is the one whose end it waits for.
bool writeReplacementScript(const UpdateFiles &files, ProgramPlatform platform, qint64 processId,
                            QString *error);

// Starts the script as a process of its own, without a window and without
// waiting for it.
bool startReplacementScript(const QString &scriptFile, QString *error);
