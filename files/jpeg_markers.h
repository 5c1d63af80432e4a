// What a JPEG's markers say before its first scan: the stored size from the frame header,
// the EXIF orientation, where the first scan starts, and whether the image's end follows
// it. Read through a function that reads bytes at an offset, so that a photo file is read
// where it lies (never whole) and a photo kept inside a study is read from memory by the
// same code. Nothing is decoded. Qt Core only.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>

namespace rula {

// A photo whose decoded pixels would pass this is refused before anything is decoded.
inline constexpr qint64 kMaxPhotoPixels = 100'000'000;

// Reads up to `size` bytes at `offset` into `data`; the count read, or -1.
using ReadBytesAt = std::function<qint64(void* data, qint64 size, qint64 offset)>;

struct JpegMarkers {
    int orientation = 1;   // EXIF orientation 1 to 8; 1 when there is none
    int width = 0;         // as stored, before the orientation: from the first frame
    int height = 0;        // header; 0 when there is none
    qint64 scanStart = -1; // offset of the first scan's marker; -1 when there is none
};

// The orientation tag (1 to 8, else 1) of an EXIF block: the TIFF structure after
// "Exif\0\0" in a JPEG's APP1 marker or a WebP's EXIF chunk.
int ExifOrientation(const QByteArray& tiff);

// Whether the bytes begin as a JPEG does (start of image, then a marker).
bool StartsAsJpeg(const char* head, qint64 size);

// The markers from after the start of image up to the first scan.
JpegMarkers ReadJpegMarkers(const ReadBytesAt& read, qint64 fileSize);

// Whether the end-of-image marker follows the first scan. Looked for from the end
// backwards, where it is found at once unless the file is cut short.
bool EndsWithImageEnd(const ReadBytesAt& read, qint64 fileSize, qint64 scanStart);

} // namespace rula
