#include "photo/kept_photo.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>

#include <cerrno>
#include <sys/mman.h>
#include <unistd.h>

namespace rula {
namespace {

constexpr int kKeptQuality = 90;

PhotoPoint Scaled(PhotoPoint p, double scale) {
    return {p.x * scale, p.y * scale};
}

} // namespace

std::optional<MeasuredPhoto> KeepPhoto(PhotoFile& photo, const PhotoMeasurement& measurement) {
    if (!measurement.facing())
        return std::nullopt;
    const QSize upright = photo.uprightSize();
    if (upright.isEmpty())
        return std::nullopt;
    const QSize kept =
        upright.scaled(QSize(kKeptPhotoLongSide, kKeptPhotoLongSide), Qt::KeepAspectRatio)
            .boundedTo(upright);
    std::variant<QImage, PhotoError> decoded = photo.decodeToFit(kept);
    auto* image = std::get_if<QImage>(&decoded);
    if (!image || image->isNull())
        return std::nullopt;
    const QImage sized = image->size() == kept
                             ? *image
                             : image->scaled(kept, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kKeptQuality);
    if (!writer.write(sized.convertToFormat(QImage::Format_RGB32)))
        return std::nullopt;

    MeasuredPhoto measured;
    measured.jpeg.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    measured.width = kept.width();
    measured.height = kept.height();
    measured.facing = *measurement.facing();
    // One scale both ways: the kept size keeps the photo's proportions to the pixel.
    const double scale = static_cast<double>(kept.width()) / upright.width();
    for (std::size_t i = 0; i < kLandmarkCount; ++i)
        if (const auto& p = measurement.points()[i])
            measured.points[i] = Scaled(*p, scale);
    if (const auto& plumb = measurement.plumb())
        measured.plumb = PlumbLine{Scaled(plumb->top, scale), Scaled(plumb->bottom, scale)};
    return measured;
}

std::variant<std::unique_ptr<PhotoFile>, PhotoError> OpenKeptPhoto(const std::string& jpeg) {
    const int fd = memfd_create("rula-kept-photo", MFD_CLOEXEC);
    if (fd < 0)
        return PhotoError{
            PhotoFile::tr("The kept photo cannot be opened: %1").arg(qt_error_string(errno))};
    std::size_t written = 0;
    while (written < jpeg.size()) {
        const ssize_t n = ::write(fd, jpeg.data() + written, jpeg.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = errno;
            ::close(fd);
            return PhotoError{
                PhotoFile::tr("The kept photo cannot be opened: %1").arg(qt_error_string(error))};
        }
        written += static_cast<std::size_t>(n);
    }
    // Opened by its own path, as any photo is; the photo keeps a descriptor of its own.
    auto opened = PhotoFile::open(QStringLiteral("/proc/self/fd/%1").arg(fd));
    ::close(fd);
    return opened;
}

} // namespace rula
