// HEIC/HEIF through libheif, inside the decoder module: the file's primary image, with its
// own turns and mirrors (irot, imir: how phones store the orientation) applied by the
// library. libheif cannot decode at a reduced scale: the image decodes whole once, and is
// kept, to be scaled down to fit and to have regions cut from it when zoomed in. The file is
// read through the library's reader callbacks from the open file.
#include "photo/module_decoders.h"
#include "photo/photo_geometry.h"

#include <libheif/heif.h>

#include <cerrno>
#include <optional>
#include <sys/stat.h>

namespace rula {
namespace {

using namespace photo_message;

struct Reader {
    int fd;
    qint64 size;
    qint64 position = 0;
};

int64_t Position(void* user) {
    return static_cast<Reader*>(user)->position;
}

int Read(void* data, size_t size, void* user) {
    auto& r = *static_cast<Reader*>(user);
    size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(r.fd, static_cast<char*>(data) + done, size - done, off_t(r.position));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return 1;
        done += size_t(n);
        r.position += n;
    }
    return 0;
}

int Seek(int64_t position, void* user) {
    auto& r = *static_cast<Reader*>(user);
    if (position < 0 || position > r.size)
        return 1;
    r.position = position;
    return 0;
}

heif_reader_grow_status WaitForFileSize(int64_t target, void* user) {
    return target > static_cast<Reader*>(user)->size ? heif_reader_grow_status_size_beyond_eof
                                                     : heif_reader_grow_status_size_reached;
}

const heif_reader kReader{1, &Position, &Read, &Seek, &WaitForFileSize};

PhotoError Failure(const QString& name, const heif_error& e) {
    if (e.subcode == heif_suberror_End_of_data)
        return Truncated(name);
    return Damaged(name, QString::fromUtf8(e.message));
}

class HeifPhotoFile final : public PhotoFile {
public:
    HeifPhotoFile(std::unique_ptr<PhotoFileHandle> file, qint64 size)
        : file_(std::move(file))
        , reader_{file_->fd(), size} {}
    ~HeifPhotoFile() override {
        if (handle_)
            heif_image_handle_release(handle_);
        if (context_)
            heif_context_free(context_);
    }

    bool open(PhotoError& error) {
        context_ = heif_context_alloc();
        heif_error e = heif_context_read_from_reader(context_, &kReader, &reader_, nullptr);
        if (e.code == heif_error_Ok)
            e = heif_context_get_primary_image_handle(context_, &handle_);
        if (e.code != heif_error_Ok) {
            error = Failure(file_->name(), e);
            return false;
        }
        // The size with the image's turns applied.
        size_ = QSize(heif_image_handle_get_width(handle_), heif_image_handle_get_height(handle_));
        if (!WithinLimit(size_)) {
            error = TooLarge(file_->name(), size_);
            return false;
        }
        return true;
    }

    QSize uprightSize() const override { return size_; }

    // The first decode, to fit or of a region, decodes the whole image, which is kept in
    // memory (never anywhere else) while the photo is open, for every decode that follows:
    // fitting the view again as it grows, the regions as the user zooms and pans, the
    // printed page, the photo kept with the assessment. Decoding it takes a second or more
    // for a phone's photo; scaling or cutting the kept image takes a few milliseconds.
    std::variant<QImage, PhotoError> decodeToFit(QSize fit) override {
        if (auto error = decodeWhole())
            return *error;
        const QSize fitted = FittedSize(whole_.size(), fit);
        if (fitted != whole_.size())
            return whole_.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        return whole_.convertToFormat(QImage::Format_RGB32);
    }

    std::variant<QImage, PhotoError> decodeRegion(const QRect& region) override {
        const QRect within = region & QRect(QPoint(0, 0), size_);
        if (within.isEmpty())
            return QImage();
        if (auto error = decodeWhole())
            return *error;
        return whole_.copy(within).convertToFormat(QImage::Format_RGB32);
    }

private:
    // Decodes the whole image into `whole_` unless it is there.
    std::optional<PhotoError> decodeWhole() {
        if (!whole_.isNull())
            return std::nullopt;
        auto whole = decode();
        if (auto* error = std::get_if<PhotoError>(&whole))
            return *error;
        whole_ = std::get<QImage>(std::move(whole));
        return std::nullopt;
    }

    // The whole image, upright; its pixels are the library's until the image is dropped.
    // Four bytes a pixel, the fourth unused: Qt scales that layout as it is, where three
    // bytes a pixel had it convert the whole image first (150 ms for 12 megapixels, on
    // every fit). An alpha channel, rare in a photo, is dropped.
    std::variant<QImage, PhotoError> decode() {
        heif_decoding_options* options = heif_decoding_options_alloc();
        options->convert_hdr_to_8bit = 1;
        heif_image* image = nullptr;
        const heif_error e = heif_decode_image(handle_, &image, heif_colorspace_RGB,
                                               heif_chroma_interleaved_RGBA, options);
        heif_decoding_options_free(options);
        if (e.code != heif_error_Ok)
            return Failure(file_->name(), e);
        int stride = 0;
        uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        const QSize size(heif_image_get_width(image, heif_channel_interleaved),
                         heif_image_get_height(image, heif_channel_interleaved));
        if (!plane || size.isEmpty()) {
            heif_image_release(image);
            return NotAPhoto(file_->name());
        }
        if (heif_image_handle_has_alpha_channel(handle_))
            for (int y = 0; y < size.height(); ++y) {
                uint8_t* row = plane + qsizetype(y) * stride;
                for (int x = 0; x < size.width(); ++x)
                    row[4 * x + 3] = 0xFF;
            }
        return QImage(
            plane, size.width(), size.height(), stride, QImage::Format_RGBX8888,
            [](void* decoded) { heif_image_release(static_cast<heif_image*>(decoded)); }, image);
    }

    std::unique_ptr<PhotoFileHandle> file_;
    Reader reader_;
    heif_context* context_ = nullptr;
    heif_image_handle* handle_ = nullptr;
    QSize size_;
    QImage whole_;
};

} // namespace

std::unique_ptr<PhotoFile> OpenHeif(std::unique_ptr<PhotoFileHandle> file, PhotoError& error) {
    struct stat info {};
    const qint64 size = ::fstat(file->fd(), &info) == 0 ? info.st_size : 0;
    auto photo = std::make_unique<HeifPhotoFile>(std::move(file), size);
    if (!photo->open(error))
        return nullptr;
    return photo;
}

} // namespace rula
