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
#ifdef __GLIBC__
    // One malloc heap for every thread. A heap of the thread's own would keep the pages
    // where the configuration's scraps lie among what it keeps, 16 to 170 KiB from one
    // start to the next, for as long as the program runs; the program's other threads are
    // few (a photo decodes on one).
    mallopt(M_ARENA_MAX, 1);
#endif
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
    // What parsing left free goes back to the system.
    malloc_trim(0);
#endif
}

} // namespace rula
