#include "app/font_warmup.h"

#ifdef RULA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace rula {

FontConfigWarmUp::FontConfigWarmUp() {
#ifdef RULA_HAVE_FONTCONFIG
    // FcInit is safe to call from any thread; a second caller finds the loaded configuration.
    loading_ = std::thread([] { FcInit(); });
#endif
}

FontConfigWarmUp::~FontConfigWarmUp() {
    wait();
}

void FontConfigWarmUp::wait() {
    if (loading_.joinable())
        loading_.join();
}

} // namespace rula
