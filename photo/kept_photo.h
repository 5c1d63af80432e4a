// A photo as a study keeps it, and back: the photo on view made into a JPEG of at most
// kKeptPhotoLongSide pixels on its long side, upright, with the measurement's points in
// its pixels; and a kept JPEG opened as a photo again, from memory. Nothing is written
// to disk either way: the kept photo is read through an anonymous memory file.
#pragma once

#include "angles/measured_photo.h"
#include "angles/photo_measurement.h"
#include "photo/photo_file.h"

#include <memory>
#include <optional>
#include <variant>

namespace rula {

// The photo and its measurement as a study keeps them; nothing while the photo cannot be
// decoded or no facing is chosen.
std::optional<MeasuredPhoto> KeepPhoto(PhotoFile& photo, const PhotoMeasurement& measurement);

// A kept photo's JPEG, opened as a photo with the same checks as a file.
std::variant<std::unique_ptr<PhotoFile>, PhotoError> OpenKeptPhoto(const std::string& jpeg);

} // namespace rula
