#pragma once

#include <QByteArray>
#include <kavrel/study.h>
#include <vector>

// A study's summary as an SVG picture: per stand and quantity one row of
// panels with bias, RMSE and coverage of the 95 % intervals against k, one
// series per estimator and point design, with Monte-Carlo error bars (about
// 95 %: 1.96 Monte-Carlo standard errors) and the 95 % line on the coverage
// panel. The series differ by marker and dash, not by colour alone, so the
// picture reads when printed in black and white.
QByteArray studyPlotSvg(const std::vector<kavrel::StudyRow> &rows);
