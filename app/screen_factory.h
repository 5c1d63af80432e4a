// Creates each of the ten screens on first use and joins the final score screen to
// the chart, which sit in different layers; tells the screens what closing would lose.
#pragma once

#include "screens/screen_set.h"

#include <memory>

namespace rula {

std::unique_ptr<ScreenShell> CreateScreen(ScreenId id, ScreenSet& screens);

// Ctrl+O on the screens opens a study on the chart.
void OpenStudiesThroughTheChart(ScreenSet& screens);

// The chart's unsaved rows and details, which closing would lose. A chart that was
// never opened holds nothing.
UnsavedWork ChartWork(ScreenSet& screens);

} // namespace rula
