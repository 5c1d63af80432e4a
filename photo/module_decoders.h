// Inside the decoder module: its two openers.
#pragma once

#include "photo/decoder_module.h"

namespace rula {

std::unique_ptr<PhotoFile> OpenJpeg(std::unique_ptr<PhotoFileHandle> file, int orientation,
                                    PhotoError& error);
std::unique_ptr<PhotoFile> OpenHeif(std::unique_ptr<PhotoFileHandle> file, PhotoError& error);

} // namespace rula
