// Start-up with a study named on the command line (`rula STUDY.rula`, as a file manager
// starts the program for a study): the chart opens it and is the first screen on view;
// a file it refuses is said over the introduction, which is then shown as usual.
#pragma once

#include <QStringList>

namespace rula {

class ScreenSet;

// The first argument after the program's name that ends in ".rula". Empty when none.
QString StudyArgument(const QStringList& arguments);

// Shows the first screen: the chart with the study open, or the introduction, with the
// message when the study was refused. False when no study was named and nothing was
// shown.
bool OpenFromCommandLine(ScreenSet& screens, const QStringList& arguments);

} // namespace rula
