#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// File names are bytes to the system and need not be valid UTF-8. Bytes that
// are not part of valid UTF-8 are kept in a QString as the lone surrogates
// U+DC80 ... U+DCFF, so every name the shell can pass survives the way
// through the program and is opened or written byte for byte.

// The name as the system's bytes give it, losslessly.
QString fileNameFromNative(const QByteArray &bytes);

// The program's arguments after its name, as file names: argv's bytes as
// they are, or on Windows the command line as the system passes it in UTF-16
// (argv holds it in the ANSI code page, where most letters are lost). Call it
// once the application object exists.
QStringList programArguments(int argc, char *argv[]);

// The system's bytes for a name made by fileNameFromNative (or any text).
QByteArray nativeFileName(const QString &name);

// The name for people: kept bytes are shown as U+FFFD.
QString displayFileName(const QString &name);

// The name made absolute against the current folder, byte for byte.
QString absoluteFileName(const QString &name);

// A name as Qt's own directory listing decodes it (invalid bytes already
// replaced by U+FFFD, as file dialogs return them) mapped back to the name
// on disk, when exactly one entry of each folder on the way matches it.
// Names that exist as given, or that cannot be resolved, come back as they are.
QString resolveDecodedFileName(const QString &name);
