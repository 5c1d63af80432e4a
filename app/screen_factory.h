// Creates each of the ten screens on first use and joins the final score screen to
// the chart, which sit in different layers.
#pragma once

#include "screens/screen_set.h"

#include <memory>

namespace rula {

std::unique_ptr<ScreenShell> CreateScreen(ScreenId id, ScreenSet& screens);

} // namespace rula
