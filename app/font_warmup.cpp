#include "app/font_warmup.h"

#ifdef RULA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
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
    if (!loading_.joinable())
        return;
    loading_.join();
#ifdef __GLIBC__
    // The thread allocated from a malloc arena of its own, which nothing else uses now;
    // what parsing left free there goes back to the system.
    malloc_trim(0);
#endif
}

} // namespace rula
