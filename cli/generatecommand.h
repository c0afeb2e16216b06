#pragma once

#include <QStringList>

class QTextStream;

// kavrel-zones generate: writes a stand file drawn from a point process,
// with its parameters in a JSON file beside it. Arguments follow the word
// "generate".
int runGenerateCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
