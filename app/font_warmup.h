// Loading the font configuration is the largest single cost of starting: fontconfig reads
// and parses its whole configuration and cache the first time anything asks for a font,
// which here is the introduction's text, after the display is open. A helper thread
// starts that loading as the program starts, beside the opening of the display, and the
// screens are made once it is done; what it loaded is the process's own configuration,
// which the font system then finds ready. Where fontconfig is not used, nothing happens.
#pragma once

#include <thread>

namespace rula {

class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Returns once the configuration is loaded; call before anything lays out text.
    void wait();

private:
    std::thread loading_;
};

} // namespace rula
