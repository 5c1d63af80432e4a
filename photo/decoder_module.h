// The photo decoders that need libraries of their own (libjpeg for JPEG, libheif for
// HEIC/HEIF) live in a module, photo-decoders.so, which the program opens the first time a
// photo of one of those formats is opened: a run that never opens a photo maps none of
// them. The module exports one function, by the name below, that hands back its table of
// openers; each opener takes over an open file and makes the PhotoFile that decodes it.
// What both sides share lives here too: the file handle, the limit on a photo's size and
// the messages the user reads.
#pragma once

#include "files/jpeg_markers.h" // kMaxPhotoPixels
#include "photo/photo_file.h"

#include <QCoreApplication>
#include <QSize>

#include <memory>
#include <unistd.h>

namespace rula {

// An open file, closed with its owner.
class PhotoFileHandle {
public:
    PhotoFileHandle(int fd, QString name)
        : fd_(fd)
        , name_(std::move(name)) {}
    PhotoFileHandle(const PhotoFileHandle&) = delete;
    PhotoFileHandle& operator=(const PhotoFileHandle&) = delete;
    ~PhotoFileHandle() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int fd() const { return fd_; }
    // The file's name as the user's messages show it.
    const QString& name() const { return name_; }

private:
    int fd_;
    QString name_;
};

namespace photo_message {
inline PhotoError NotAPhoto(const QString& name) {
    return {PhotoFile::tr("%1 is not a photo Rula can open").arg(name)};
}
inline PhotoError Truncated(const QString& name) {
    return {PhotoFile::tr("%1 ends too early (truncated)").arg(name)};
}
inline PhotoError Damaged(const QString& name, const QString& why) {
    return {PhotoFile::tr("%1 cannot be decoded: %2").arg(name, why)};
}
inline PhotoError TooLarge(const QString& name, QSize size) {
    return {PhotoFile::tr("%1 is %2 × %3 pixels: too large to open (at most %4 megapixels)")
                .arg(name)
                .arg(size.width())
                .arg(size.height())
                .arg(kMaxPhotoPixels / 1'000'000)};
}
// What the decoder says when it runs out of memory.
inline PhotoError OutOfMemory(const QString& name) {
    return Damaged(name, PhotoFile::tr("out of memory"));
}
// Whether a photo of `size` decodes within the limit.
inline bool WithinLimit(QSize size) {
    return size.width() > 0 && size.height() > 0 &&
           qint64(size.width()) * size.height() <= kMaxPhotoPixels;
}
} // namespace photo_message

// The module's openers. `orientation` is the EXIF orientation (1-8) found in the file.
// On failure they return null and fill `error`.
struct PhotoDecoderTable {
    std::unique_ptr<PhotoFile> (*openJpeg)(std::unique_ptr<PhotoFileHandle> file, int orientation,
                                           PhotoError& error);
    std::unique_ptr<PhotoFile> (*openHeif)(std::unique_ptr<PhotoFileHandle> file,
                                           PhotoError& error);
};

// Program and module come from one build; a module of another one is refused.
inline constexpr int kPhotoDecoderVersion = 1;
inline constexpr char kPhotoDecoderEntry[] = "rula_photo_decoders";
// The entry point: the table, or null when `version` is not the module's own.
using PhotoDecoderEntry = const PhotoDecoderTable* (*)(int version);

// Opens the module on first use (it stays loaded); null when it cannot be opened, with
// the reason in `whyNot`.
const PhotoDecoderTable* PhotoDecoders(QString* whyNot = nullptr);

} // namespace rula
