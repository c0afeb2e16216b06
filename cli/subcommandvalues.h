#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <kavrel/concentricplots.h>
#include <kavrel/edgecorrection.h>
#include <kavrel/samplingsimulation.h>
#include <kavrel/standrectangle.h>
#include <optional>
#include <vector>

class QCommandLineParser;
class QTextStream;

// Values of the subcommands' options, read strictly: a value that is not
// exactly what the option takes is a usage error, never a silent default.

// A whole number in [minimum, maximum], digits only.
std::optional<qint64> wholeNumber(const QString &text, qint64 minimum, qint64 maximum);

// A finite number with a decimal point ("12", "-0.5", "1e3").
std::optional<double> decimalNumber(const QString &text);

// Numbers separated by commas, exactly `count` of them.
std::optional<std::vector<double>> numberList(const QString &text, int count);

// Orders as a list of whole numbers and ranges: "1-10", "1,2,5", "1-3,6".
// Each order once, ascending; empty on an error or past maxOrder.
std::vector<int> orderList(const QString &text, int maxOrder);

// A stand rectangle "W,L" for [0, W] x [0, L] or "X0,Y0,X1,Y1", of positive area.
std::optional<kavrel::StandRectangle> standRectangle(const QString &text);

// "cm", "mm" or "m".
std::optional<kavrel::DiameterUnit> diameterUnit(const QString &text);

// Basal area factors from each value of a repeated option, each a comma
// list of positive numbers; every factor once, in the order given.
std::optional<std::vector<double>> basalAreaFactors(const QStringList &values);

// Concentric rings "R1:D1,R2:D2,...": radius R > 0 in metres for trees of
// diameter D >= 0 in centimetres.
std::optional<std::vector<kavrel::ConcentricRing>> concentricRings(const QString &text);

// Edge corrections as a comma list of none, clip, walkthrough and mirage;
// each once.
std::optional<std::vector<kavrel::EdgeCorrection>> edgeCorrections(const QString &text);

// The usage error of an option whose value is not what it takes.
QString badOptionValue(const QString &option, const QString &value, const QString &expected);

// Readers of the options that several subcommands share: each leaves its
// target alone when the option is not given and returns the usage error,
// empty when the value fits.
QString readBasalAreaFactors(const QCommandLineParser &parser, std::vector<double> &factors);
QString readConcentricRings(const QCommandLineParser &parser, std::vector<kavrel::ConcentricRing> &rings);
QString readDiameterUnit(const QCommandLineParser &parser, kavrel::DiameterUnit &unit);
QString readStandRectangle(const QCommandLineParser &parser, std::optional<kavrel::StandRectangle> &stand);

// The message that ends a subcommand's usage error.
void printUsageError(QTextStream &err, const QString &command, const QString &message);

// Writes `text` to a file in one step (nothing is left behind on failure);
// returns an error text, empty on success.
QString writeWholeFile(const QString &path, const QByteArray &text);

// The help of a subcommand in the tool's language: its call, what it does,
// and one line per option.
QString subcommandHelp(const QString &call, const QString &description,
                       const QList<QCommandLineOption> &options);

// What a subcommand's help says of it.
struct SubcommandSyntax
{
    QString name; // "study"
    QString call; // the help's call line, "kavrel-zones study [Optionen] STANDDATEI..."
    QString description;
    QList<QCommandLineOption> options; // all but --help, which every subcommand has
};

// The start of every subcommand: parses its arguments with its options and
// --help, then reads the options' values with `readOptions`, which returns
// the usage error, empty when they fit. Returns the exit status when the call
// ends there (the help shown, or a usage error said), nothing when the
// subcommand goes on.
std::optional<int> parseSubcommand(QCommandLineParser &parser, const SubcommandSyntax &syntax,
                                   const QStringList &arguments, const std::function<QString()> &readOptions,
                                   QTextStream &out, QTextStream &err);
