// The decoder module's one exported function.
#include "photo/module_decoders.h"

namespace {
const rula::PhotoDecoderTable kTable{&rula::OpenJpeg, &rula::OpenHeif};
}

extern "C" Q_DECL_EXPORT const rula::PhotoDecoderTable* rula_photo_decoders(int version) {
    return version == rula::kPhotoDecoderVersion ? &kTable : nullptr;
}
