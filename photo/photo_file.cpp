// Opening a photo: the file is looked at before it is opened (only a regular file is
// opened, without blocking), its first bytes tell its format, and it goes to the decoder
// for that format: JPEG and HEIC/HEIF to the decoder module, the others (and JPEG when the
// module is missing) to Qt's image reader. A JPEG's markers are read here (by
// files/jpeg_markers.h, which reads a photo kept in a study too): the EXIF orientation,
// and whether the file ends with the image's end; so is a WebP's EXIF chunk, which Qt's
// reader leaves unread.
#include "photo/photo_file.h"

#include "files/jpeg_markers.h"
#include "files/regular_file.h"
#include "photo/decoder_module.h"
#include "photo/photo_geometry.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <array>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace rula {
namespace {

using namespace photo_message;

PhotoError CannotRead(const QString& name, int error) {
    return {PhotoFile::tr("%1 cannot be read: %2")
                .arg(name, QString::fromLocal8Bit(std::strerror(error)))};
}

// Reads up to `size` bytes at `offset`; the count read, or -1.
qint64 ReadAt(int fd, void* data, qint64 size, qint64 offset) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(fd, static_cast<char*>(data) + done, size_t(size - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

enum class Format { Unknown, Jpeg, Heif, Png, Webp, Bmp, Tiff };

Format Sniff(const QByteArray& head) {
    if (StartsAsJpeg(head.constData(), head.size()))
        return Format::Jpeg;
    if (head.size() >= 12 && head.mid(4, 4) == "ftyp") {
        static const std::array<const char*, 9> brands{"heic", "heix", "heim", "heis", "hevc",
                                                       "hevx", "mif1", "msf1", "avif"};
        const QByteArray brand = head.mid(8, 4);
        for (const char* b : brands)
            if (brand == b)
                return Format::Heif;
    }
    if (head.startsWith("\x89PNG\r\n\x1A\n"))
        return Format::Png;
    if (head.size() >= 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WEBP")
        return Format::Webp;
    if (head.size() >= 14 && head.startsWith("BM"))
        return Format::Bmp;
    if (head.startsWith(QByteArray("II*\0", 4)) || head.startsWith(QByteArray("MM\0*", 4)))
        return Format::Tiff;
    return Format::Unknown;
}

quint32 LittleEndian32(const QByteArray& bytes, int at) {
    return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 |
           quint32(quint8(bytes[at + 2])) << 16 | quint32(quint8(bytes[at + 3])) << 24;
}

// Whether a file Qt reads is shorter than its own structure says: a PNG's chunks must
// lie within the file up to its end chunk (a chunk that claims more would have the
// reader take that much memory), WebP and BMP files give their length in their header.
bool CutShort(Format format, int fd, qint64 fileSize, const QByteArray& head) {
    switch (format) {
    case Format::Png: {
        for (qint64 at = 8; at + 12 <= fileSize;) {
            unsigned char chunk[8];
            if (ReadAt(fd, chunk, 8, at) != 8)
                return true;
            const qint64 length =
                qint64(chunk[0]) << 24 | chunk[1] << 16 | chunk[2] << 8 | chunk[3];
            if (at + 12 + length > fileSize)
                return true;
            if (std::memcmp(chunk + 4, "IEND", 4) == 0)
                return false;
            at += 12 + length;
        }
        return true;
    }
    case Format::Webp:
        return 8 + qint64(LittleEndian32(head, 4)) > fileSize;
    case Format::Bmp:
        return qint64(LittleEndian32(head, 2)) > fileSize;
    default:
        return false;
    }
}

// The EXIF orientation of a WebP file, from its EXIF chunk (the TIFF structure, which
// some writers put after "Exif\0\0" as in a JPEG); Qt's WebP reader does not read it.
int WebpOrientation(int fd, qint64 fileSize) {
    for (qint64 at = 12; at + 8 <= fileSize;) {
        unsigned char chunk[8];
        if (ReadAt(fd, chunk, 8, at) != 8)
            break;
        const qint64 length =
            qint64(chunk[4]) | chunk[5] << 8 | chunk[6] << 16 | qint64(chunk[7]) << 24;
        if (std::memcmp(chunk, "EXIF", 4) == 0) {
            // The orientation lies in the first directory, near the start.
            QByteArray exif(int(std::min<qint64>(length, 64 * 1024)), Qt::Uninitialized);
            if (ReadAt(fd, exif.data(), exif.size(), at + 8) != exif.size())
                break;
            return ExifOrientation(exif.startsWith(QByteArray("Exif\0\0", 6)) ? exif.mid(6) : exif);
        }
        at += 8 + length + (length & 1); // chunks are padded to an even length
    }
    return 1;
}

// Formats Qt reads, and JPEG when the decoder module is missing. The image is turned
// upright here, by the orientation the reader reports or, for WebP, the one read above.
class QtPhotoFile final : public PhotoFile {
public:
    // `orientation` 0: the one the reader finds.
    static std::variant<std::unique_ptr<PhotoFile>, PhotoError>
    open(std::unique_ptr<PhotoFileHandle> handle, int orientation = 0) {
        auto photo = std::unique_ptr<QtPhotoFile>(new QtPhotoFile(std::move(handle)));
        QFile file;
        QImageReader reader;
        if (!photo->prepare(file, reader))
            return NotAPhoto(photo->file_->name());
        const QSize stored = reader.size();
        if (!WithinLimit(stored))
            return stored.isValid() ? TooLarge(photo->file_->name(), stored)
                                    : NotAPhoto(photo->file_->name());
        photo->format_ = reader.format();
        photo->stored_ = stored;
        photo->orientation_ = orientation ? orientation : Orientation(reader.transformation());
        return std::unique_ptr<PhotoFile>(std::move(photo));
    }

    QSize uprightSize() const override { return UprightSize(stored_, orientation_); }

    std::variant<QImage, PhotoError> decodeToFit(QSize fit) override {
        QFile file;
        QImageReader reader;
        if (!prepare(file, reader))
            return NotAPhoto(file_->name());
        const QSize storedFit = UprightSize(fit, orientation_);
        QSize scaled = FittedSize(stored_, storedFit);
        // Qt's JPEG reader scales in the decoder too: the same reduced scale as the module's.
        if (format_ == "jpeg") {
            const int d = ReductionToFit(stored_, storedFit);
            scaled = QSize((stored_.width() + d - 1) / d, (stored_.height() + d - 1) / d);
        }
        if (scaled != stored_)
            reader.setScaledSize(scaled);
        return read(reader);
    }

    std::variant<QImage, PhotoError> decodeRegion(const QRect& region) override {
        const QRect within = region & QRect(QPoint(0, 0), uprightSize());
        if (within.isEmpty())
            return QImage();
        QFile file;
        QImageReader reader;
        if (!prepare(file, reader))
            return NotAPhoto(file_->name());
        reader.setClipRect(StoredRect(within, stored_, orientation_));
        return read(reader);
    }

private:
    explicit QtPhotoFile(std::unique_ptr<PhotoFileHandle> handle)
        : file_(std::move(handle)) {}

    // The EXIF orientation that stands for the reader's transformation.
    static int Orientation(QImageIOHandler::Transformations transformation) {
        using T = QImageIOHandler;
        switch (int(transformation)) {
        case T::TransformationMirror:
            return 2;
        case T::TransformationRotate180:
            return 3;
        case T::TransformationFlip:
            return 4;
        case T::TransformationMirrorAndRotate90:
            return 5;
        case T::TransformationRotate90:
            return 6;
        case T::TransformationFlipAndRotate90:
            return 7;
        case T::TransformationRotate270:
            return 8;
        default:
            return 1;
        }
    }

    // A reader over the open file, from its start (the file object is the caller's).
    bool prepare(QFile& file, QImageReader& reader) {
        if (::lseek(file_->fd(), 0, SEEK_SET) != 0 ||
            !file.open(file_->fd(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
            return false;
        // Qt's own limit (128 MB) is below the photos this program opens; their pixel
        // count has been checked. Up to 8 bytes a pixel, for 16-bit channels. Set once:
        // it is global, and photos decode on more than one thread.
        static std::once_flag limit;
        std::call_once(
            limit, [] { QImageReader::setAllocationLimit(int((kMaxPhotoPixels * 8) >> 20) + 1); });
        reader.setDevice(&file);
        if (!format_.isEmpty())
            reader.setFormat(format_);
        reader.setAutoTransform(false);
        return reader.canRead();
    }

    std::variant<QImage, PhotoError> read(QImageReader& reader) {
        QImage image;
        if (!reader.read(&image) || image.isNull()) {
            if (reader.error() == QImageReader::InvalidDataError)
                return Damaged(file_->name(), reader.errorString());
            return NotAPhoto(file_->name());
        }
        // The formats the JPEG decoder gives too, which the view paints fastest.
        return MakeUpright(image.convertToFormat(image.hasAlphaChannel()
                                                     ? QImage::Format_ARGB32_Premultiplied
                                                     : QImage::Format_RGB32),
                           orientation_);
    }

    std::unique_ptr<PhotoFileHandle> file_;
    QByteArray format_;
    QSize stored_;
    int orientation_ = 1;
};

} // namespace

std::variant<std::unique_ptr<PhotoFile>, PhotoError> PhotoFile::open(const QString& path) {
    const QString name = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
    const OpenedFile file = OpenRegularFile(path);
    if (file.error != 0)
        return CannotRead(name, file.error);
    switch (file.kind) {
    case FileKind::Regular:
        break;
    case FileKind::Folder:
        return PhotoError{tr("%1 is a folder").arg(name)};
    case FileKind::NamedPipe:
        return PhotoError{tr("%1 is a named pipe").arg(name)};
    case FileKind::Device:
        return PhotoError{tr("%1 is a device").arg(name)};
    case FileKind::Socket:
        return PhotoError{tr("%1 is a socket").arg(name)};
    case FileKind::Other:
        return NotAPhoto(name);
    }
    const int fd = file.fd;
    auto handle = std::make_unique<PhotoFileHandle>(fd, name);
    if (file.size == 0)
        return PhotoError{tr("%1 is empty").arg(name)};

    QByteArray head(16, '\0');
    const qint64 got = ReadAt(fd, head.data(), head.size(), 0);
    if (got < 0)
        return CannotRead(name, errno);
    head.truncate(got);
    const Format format = Sniff(head);
    switch (format) {
    case Format::Unknown:
        return NotAPhoto(name);
    case Format::Png:
    case Format::Webp:
    case Format::Bmp:
    case Format::Tiff:
        if (CutShort(format, fd, file.size, head))
            return Truncated(name);
        return QtPhotoFile::open(std::move(handle),
                                 format == Format::Webp ? WebpOrientation(fd, file.size) : 0);
    case Format::Heif: {
        QString whyNot;
        const PhotoDecoderTable* decoders = PhotoDecoders(&whyNot);
        if (!decoders) { // a Qt image plugin for HEIF may be installed
            if (!QImageReader::supportedImageFormats().contains("heic"))
                return PhotoError{tr("%1 is a HEIC photo, and the decoder for HEIC is missing: %2")
                                      .arg(name, whyNot)};
            return QtPhotoFile::open(std::move(handle));
        }
        PhotoError error;
        if (auto photo = decoders->openHeif(std::move(handle), error))
            return photo;
        return error;
    }
    case Format::Jpeg: {
        const ReadBytesAt read = [fd](void* data, qint64 size, qint64 offset) {
            return ReadAt(fd, data, size, offset);
        };
        const JpegMarkers markers = ReadJpegMarkers(read, file.size);
        if (markers.scanStart < 0 || !EndsWithImageEnd(read, file.size, markers.scanStart))
            return Truncated(name);
        const PhotoDecoderTable* decoders = PhotoDecoders();
        if (!decoders)
            return QtPhotoFile::open(std::move(handle));
        PhotoError error;
        if (auto photo = decoders->openJpeg(std::move(handle), markers.orientation, error))
            return photo;
        return error;
    }
    }
    return NotAPhoto(name);
}

} // namespace rula
