#pragma once

#include <QStringList>

class QTextStream;

// kavrel-zones study: replicated samples on several stands and orders, every
// estimator, one summary table as CSV. Arguments follow the word "study".
int runStudyCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
