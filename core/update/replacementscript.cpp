#include "replacementscript.h"

#include <QByteArrayList>
#include <QFile>

namespace {

QByteArray quoted(QByteArray path)
{
    path.replace('%', "%%");
    return '"' + path + '"';
}

// Single quotes keep every byte literal in sh; a quote inside is closed,
// escaped and reopened.
QByteArray shellQuoted(const QString &path)
{
    QByteArray bytes = QFile::encodeName(path);
    bytes.replace('\'', "'\\''");
    return '\'' + bytes + '\'';
}

} // namespace

QByteArray batchReplacementScript(const QString &downloadedFile, const QString &programFile,
                                  const QString &scriptFile, const CharsetConverter &charset)
{
    const QByteArray downloaded = quoted(charset.toOem(downloadedFile));
    const QByteArray program = quoted(charset.toOem(programFile));
    const QByteArray script = quoted(charset.toAnsi(scriptFile));
    const QByteArrayList lines = {
        "@echo off",
        "IF NOT EXIST " + downloaded + " GOTO NoReplace",
        ":TryDel",
        "DEL " + program,
        "IF EXIST " + program + " GOTO TryDel",
        "COPY " + downloaded + " /B " + program + " /B",
        "DEL " + downloaded,
        ":NoReplace",
        "DEL " + script,
    };
    return lines.join("\r\n");
}

QString windowsScriptArguments(const QString &nativeScriptPath)
{
    return QStringLiteral("/d /s /c \"\"%1\"\"").arg(nativeScriptPath);
}

QByteArray shellReplacementScript(qint64 processId, const QString &downloadedFile, const QString &programFile,
                                  const QString &scriptFile)
{
    const QByteArrayList lines = {
        "#!/bin/sh",
        "# Puts a downloaded version of the program in place once the program has ended.",
        "pid=" + QByteArray::number(processId),
        "downloaded=" + shellQuoted(downloadedFile),
        "program=" + shellQuoted(programFile),
        "script=" + shellQuoted(scriptFile),
        "staged=\"$downloaded.new.$$\"",
        "if [ -f \"$downloaded\" ]; then",
        "    while kill -0 \"$pid\" 2>/dev/null; do",
        "        sleep 1",
        "    done",
        "    # The copy takes the program's permissions (cp -p) before its new",
        "    # content; the rename then puts it in place in one step.",
        "    if cp -p \"$program\" \"$staged\" && cat \"$downloaded\" > \"$staged\" &&",
        "        mv -f \"$staged\" \"$program\"; then",
        "        rm -f \"$downloaded\"",
        "    else",
        "        rm -f \"$staged\"",
        "    fi",
        "fi",
        "rm -f \"$script\"",
    };
    return lines.join('\n') + '\n';
}
