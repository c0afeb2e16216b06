#pragma once

#include "stand.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QFile;
class QIODevice;

// Why a stand file could not be read. The message names the file, the line and
// the number of the value (both counted from 1; 0 when not applicable, e.g. the
// file could not be opened) and what was expected there.
struct StandFileError
{
    QString filePath;
    qint64 line = 0;
    qint64 valueNumber = 0;
    QString message; // complete, translated text for the user
};

// Either a complete stand (trees not yet placed: map and working arrays empty)
// or an error; never a partial stand.
struct StandFileResult
{
    std::optional<Stand> stand;
    StandFileError error;
    // The tree count the file states, which may exceed the trees read.
    qint64 statedTreeCount = 0;

    bool ok() const { return stand.has_value(); }
};

// Stand file: width, length (whole metres, 1 ... 2^31 - 1), tree count n
// (0 ... 32767; only the first 50 records are read), then X, Y, d per tree.
// Values are separated by commas or line breaks (LF or CR LF) alike; blanks
// beside separators, blank lines and a comma at the end of a line are ignored;
// the decimal separator is always a point.
StandFileResult readStandFile(const QString &path);

// A device, pipe or socket: opening it may block and its content may never
// end, so it is refused as a stand file. Paths are taken as
// fileNameFromNative() gives them.
bool isSpecialFile(const QString &path);

// Opens path (as fileNameFromNative() gives it) for reading, by its bytes and
// without waiting on a pipe; a folder, device, pipe or socket is refused.
// Returns the reason when the file is not open, empty when it is.
QString openStandFile(QFile &file, const QString &path);

// The same for content already in memory (filePath is used in messages only).
StandFileResult parseStandFile(const QByteArray &content, const QString &filePath);

// The same for an open device, read only as far as the last tree record.
StandFileResult parseStandFile(QIODevice &device, const QString &filePath);

// Trees read from a file at most.
inline constexpr int MaxTreeCount = 50;
// Tree coordinates beyond this magnitude are refused: they would overflow the
// map arithmetic and are no forest.
inline constexpr double MaxTreeCoordinate = 1e9;
// The largest diameter magnitude a bounded reading takes (see
// StandFileDiameters).
inline constexpr double MaxTreeDiameter = 1e9;
// Longer values are not numbers.
inline constexpr int MaxValueLength = 400;

// How many trees a reading takes: the window's (tree count up to 32767, the
// first MaxTreeCount trees read) or every tree the count states.
enum class StandFileTrees
{
    FirstFifty,
    All
};

// What diameters a reading takes. The window only shows them and takes any
// finite number; computations that square them for basal areas take them
// bounded by MaxTreeDiameter, and refuse a larger one naming its tree.
enum class StandFileDiameters
{
    AnyFinite,
    Bounded
};

// The same readings with the choice of trees and diameters; the window's
// readings above are those with StandFileTrees::FirstFifty and
// StandFileDiameters::AnyFinite.
StandFileResult readStandFile(const QString &path, StandFileTrees trees,
                              StandFileDiameters diameters = StandFileDiameters::AnyFinite);
StandFileResult parseStandFile(QIODevice &device, const QString &filePath, StandFileTrees trees,
                               StandFileDiameters diameters = StandFileDiameters::AnyFinite);

enum class NumberProblem
{
    None,
    NotANumber,
    OutOfRange
};

// A value as stand files write it: point as decimal separator, optional sign
// and exponent; no blanks, no "inf"/"nan", no hexadecimal, at most
// MaxValueLength characters. Sets value only when the answer is None.
NumberProblem parseStandNumber(const QByteArray &text, double &value);
