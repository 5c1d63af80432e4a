// A JPEG is a sequence of segments, each a marker (0xFF and a code) mostly followed by a
// two-byte length; the frame header (SOF) gives the size, an APP1 segment beginning
// "Exif" the orientation; the entropy-coded data begins at the first scan (SOS).
#include "files/jpeg_markers.h"

#include <QByteArray>

#include <algorithm>
#include <array>

namespace rula {

namespace {

// Start of frame: C0 to CF, but for C4 (Huffman tables), C8 (reserved) and CC (arithmetic
// coding conditions).
bool IsFrameHeader(unsigned char code) {
    return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

} // namespace

int ExifOrientation(const QByteArray& tiff) {
    if (tiff.size() < 8)
        return 1;
    const bool little = tiff.startsWith("II");
    if (!little && !tiff.startsWith("MM"))
        return 1;
    auto at = [&](qint64 offset, int bytes) -> quint32 {
        if (offset < 0 || offset + bytes > tiff.size())
            return 0;
        quint32 value = 0;
        for (int i = 0; i < bytes; ++i) {
            const auto byte = quint8(tiff[offset + (little ? bytes - 1 - i : i)]);
            value = (value << 8) | byte;
        }
        return value;
    };
    const qint64 ifd = at(4, 4);
    const quint32 entries = at(ifd, 2);
    for (quint32 i = 0; i < entries; ++i) {
        const qint64 entry = ifd + 2 + 12 * qint64(i);
        if (entry + 12 > tiff.size())
            break;
        if (at(entry, 2) == 0x0112 && at(entry + 2, 2) == 3) { // Orientation, SHORT
            const quint32 value = at(entry + 8, 2);
            return value >= 1 && value <= 8 ? int(value) : 1;
        }
    }
    return 1;
}

bool StartsAsJpeg(const char* head, qint64 size) {
    return size >= 3 && quint8(head[0]) == 0xFF && quint8(head[1]) == 0xD8 &&
           quint8(head[2]) == 0xFF;
}

JpegMarkers ReadJpegMarkers(const ReadBytesAt& read, qint64 fileSize) {
    JpegMarkers markers;
    qint64 at = 2; // after the start of image
    while (at + 4 <= fileSize) {
        unsigned char m[4];
        if (read(m, 4, at) != 4 || m[0] != 0xFF)
            break;
        if (m[1] == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (m[1] == 0xDA) {
            markers.scanStart = at;
            break;
        }
        if (m[1] == 0x01 || (m[1] >= 0xD0 && m[1] <= 0xD8)) { // no length follows
            at += 2;
            continue;
        }
        const int length = (m[2] << 8) | m[3];
        if (length < 2)
            break;
        if (IsFrameHeader(m[1]) && markers.width == 0 && length >= 8) {
            unsigned char frame[5]; // precision, height, width
            if (read(frame, 5, at + 4) == 5) {
                markers.height = (frame[1] << 8) | frame[2];
                markers.width = (frame[3] << 8) | frame[4];
            }
        }
        if (m[1] == 0xE1 && length > 16) { // APP1: EXIF, the first one found counts
            QByteArray segment(length - 2, Qt::Uninitialized);
            if (read(segment.data(), segment.size(), at + 4) == segment.size() &&
                segment.startsWith(QByteArray("Exif\0\0", 6)) && markers.orientation == 1)
                markers.orientation = ExifOrientation(segment.mid(6));
        }
        at += 2 + length;
    }
    return markers;
}

bool EndsWithImageEnd(const ReadBytesAt& read, qint64 fileSize, qint64 scanStart) {
    constexpr qint64 kBlock = 64 * 1024;
    std::array<unsigned char, kBlock + 1> buffer;
    qint64 end = fileSize;
    while (end > scanStart) {
        const qint64 begin = std::max(scanStart, end - kBlock);
        // One byte more than the block, so a marker across two blocks is seen.
        const qint64 length = std::min(end + 1, fileSize) - begin;
        if (read(buffer.data(), length, begin) != length)
            return false;
        for (qint64 i = length - 2; i >= 0; --i)
            if (buffer[size_t(i)] == 0xFF && buffer[size_t(i) + 1] == 0xD9)
                return true;
        end = begin;
    }
    return false;
}

} // namespace rula
