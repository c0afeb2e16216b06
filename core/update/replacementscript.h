#pragma once

#include <QByteArray>
#include <QString>

// Converts paths into the single-byte character sets a Windows batch file
// needs: the command interpreter's (OEM) one for the paths it acts on, and
// the system's ANSI one for the path by which it deletes itself.
class CharsetConverter
{
public:
    virtual ~CharsetConverter() = default;
    virtual QByteArray toOem(const QString &text) const = 0;
    virtual QByteArray toAnsi(const QString &text) const = 0;
};

// The Windows batch script that, once the program has been closed, replaces
// the program file with the downloaded one and deletes the downloaded file
// and itself. Paths are given with native separators. Lines end in CR LF,
// except the last, which has no line end. A "%" in a path is doubled, since
// a batch file would otherwise take it for the start of a variable.
QByteArray batchReplacementScript(const QString &downloadedFile, const QString &programFile,
                                  const QString &scriptFile, const CharsetConverter &charset);

// The arguments of cmd.exe that run the batch script, passed to the process
// as they stand (not quoted again). "/s /c" followed by the quoted path in
// one more pair of quotes: cmd strips exactly the outer pair and runs the
// quoted path, whatever "(", ")", "&", "^", "@" or blanks the path holds.
// "/d" keeps the user's AutoRun commands out.
QString windowsScriptArguments(const QString &nativeScriptPath);

// The same job as a POSIX sh script: it waits (sleeping between checks) until
// the process with the given id has ended, puts a copy of the downloaded
// file beside the program with the program's permissions, renames it over
// the program in one step, then deletes the downloaded file and itself. If
// the copy cannot be made the program stays as it is and the downloaded file
// is kept. The copy's name carries the script's process id, so two scripts
// waiting for the same program never write into one copy.
QByteArray shellReplacementScript(qint64 processId, const QString &downloadedFile, const QString &programFile,
                                  const QString &scriptFile);
