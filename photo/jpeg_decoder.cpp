// JPEG through libjpeg(-turbo), inside the decoder module. The whole photo decodes at the
// library's own 1/2, 1/4 or 1/8 scale, straight into the image's rows; a region decodes at
// full scale, only the needed columns (jpeg_crop_scanline) and rows (jpeg_skip_scanlines).
// The file is read through a small buffer, so memory stays that of the decoded image.
// libjpeg reports errors by a long jump back into the function that started the work;
// those functions hold no C++ objects that a jump would skip.
#include "photo/jpeg_coefficients.h"
#include "photo/module_decoders.h"
#include "photo/photo_geometry.h"

#include <QtEndian>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>

namespace rula {
namespace {

using namespace photo_message;

constexpr size_t kReadBuffer = 64 * 1024;

struct Session {
    jpeg_decompress_struct cinfo{};
    struct Errors {
        jpeg_error_mgr manager{};
        std::jmp_buf jump{};
        char message[JMSG_LENGTH_MAX]{};
    } errors;
    struct Source {
        jpeg_source_mgr manager{};
        int fd = -1;
        off_t offset = 0;
        bool endedEarly = false;
        JOCTET buffer[kReadBuffer];
    } source;
    CompactCoefficients coefficients; // a progressive file's, kept compact
    bool created = false;

    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session() {
        if (created)
            jpeg_destroy_decompress(&cinfo);
    }
};

Session::Errors& ErrorsOf(j_common_ptr cinfo) {
    return *reinterpret_cast<Session::Errors*>(cinfo->err);
}

void ErrorExit(j_common_ptr cinfo) {
    auto& errors = ErrorsOf(cinfo);
    (*cinfo->err->format_message)(cinfo, errors.message);
    std::longjmp(errors.jump, 1);
}

// Warnings (corrupt data the library works around) are not the user's business; the one
// that says the data ended early is seen by the source below.
void OutputMessage(j_common_ptr) {}

Session::Source& SourceOf(j_decompress_ptr cinfo) {
    return *reinterpret_cast<Session::Source*>(cinfo->src);
}

void InitSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr cinfo) {
    auto& source = SourceOf(cinfo);
    ssize_t n;
    do
        n = ::pread(source.fd, source.buffer, kReadBuffer, source.offset);
    while (n < 0 && errno == EINTR);
    if (n <= 0) {
        // As libjpeg's own sources do: an end-of-image marker lets the library finish,
        // and the photo is refused afterwards.
        source.endedEarly = true;
        source.buffer[0] = 0xFF;
        source.buffer[1] = JPEG_EOI;
        n = 2;
    } else {
        source.offset += n;
    }
    source.manager.next_input_byte = source.buffer;
    source.manager.bytes_in_buffer = size_t(n);
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count) {
    auto& source = SourceOf(cinfo);
    if (count <= 0)
        return;
    if (size_t(count) <= source.manager.bytes_in_buffer) {
        source.manager.next_input_byte += count;
        source.manager.bytes_in_buffer -= size_t(count);
        return;
    }
    source.offset += off_t(size_t(count) - source.manager.bytes_in_buffer);
    source.manager.bytes_in_buffer = 0;
}

void TermSource(j_decompress_ptr) {}

// Sets up a session from the file's start and reads the header; false with the message
// in the session on an error.
bool ReadHeader(Session& s, int fd) {
    s.cinfo.err = jpeg_std_error(&s.errors.manager);
    s.errors.manager.error_exit = &ErrorExit;
    s.errors.manager.output_message = &OutputMessage;
    if (setjmp(s.errors.jump))
        return false;
    jpeg_create_decompress(&s.cinfo);
    s.created = true;
    s.coefficients.install(s.cinfo);
    s.source.fd = fd;
    s.source.manager.init_source = &InitSource;
    s.source.manager.fill_input_buffer = &FillInputBuffer;
    s.source.manager.skip_input_data = &SkipInputData;
    s.source.manager.resync_to_restart = &jpeg_resync_to_restart;
    s.source.manager.term_source = &TermSource;
    s.cinfo.src = &s.source.manager;
    jpeg_read_header(&s.cinfo, TRUE);
    return true;
}

bool Cmyk(const jpeg_decompress_struct& cinfo) {
    return cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
}

// Chooses the output and works out its size.
bool Prepare(Session& s, unsigned denominator) {
    if (setjmp(s.errors.jump))
        return false;
    s.cinfo.scale_num = 1;
    s.cinfo.scale_denom = denominator;
    s.cinfo.dct_method = JDCT_ISLOW;
    if (Cmyk(s.cinfo))
        s.cinfo.out_color_space = JCS_CMYK;
    else
        s.cinfo.out_color_space =
            Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB; // = Format_RGB32
    jpeg_calc_output_dimensions(&s.cinfo);
    return true;
}

// Packed CMYK (Adobe's files store it inverted) to RGB32, in place.
void CmykToRgb(uchar* row, JDIMENSION width, bool inverted) {
    auto* out = reinterpret_cast<QRgb*>(row);
    for (JDIMENSION x = 0; x < width; ++x) {
        int c = row[4 * x], m = row[4 * x + 1], y = row[4 * x + 2], k = row[4 * x + 3];
        if (!inverted) {
            c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Decodes the rows [top, top + image height) and the columns [left, left + image width)
// of the output into `image`, whose format is RGB32.
bool Decode(Session& s, QImage& image, JDIMENSION left, JDIMENSION top) {
    if (setjmp(s.errors.jump))
        return false;
    jpeg_start_decompress(&s.cinfo);
    const auto width = JDIMENSION(image.width()), height = JDIMENSION(image.height());
    const bool whole = left == 0 && width == s.cinfo.output_width;
    JDIMENSION cropLeft = left, cropWidth = width;
    if (!whole)
        jpeg_crop_scanline(&s.cinfo, &cropLeft, &cropWidth); // widened to whole blocks
    // Rows go straight into the image, unless cropped or converted from CMYK.
    JSAMPARRAY row = nullptr;
    if (!whole || Cmyk(s.cinfo))
        row = (*s.cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&s.cinfo), JPOOL_IMAGE,
                                           cropWidth * 4, 1);
    if (top > 0)
        jpeg_skip_scanlines(&s.cinfo, top);
    const bool inverted = s.cinfo.saw_Adobe_marker;
    for (JDIMENSION y = 0; y < height; ++y) {
        uchar* line = image.scanLine(int(y));
        JSAMPROW target = row ? row[0] : line;
        if (jpeg_read_scanlines(&s.cinfo, &target, 1) != 1)
            return false;
        if (Cmyk(s.cinfo))
            CmykToRgb(target, cropWidth, inverted);
        if (row)
            std::memcpy(line, row[0] + 4 * (left - cropLeft), 4 * size_t(width));
    }
    if (s.cinfo.output_scanline == s.cinfo.output_height)
        jpeg_finish_decompress(&s.cinfo);
    else
        jpeg_abort_decompress(&s.cinfo);
    return true;
}

class JpegPhotoFile final : public PhotoFile {
public:
    JpegPhotoFile(std::unique_ptr<PhotoFileHandle> file, QSize stored, int orientation)
        : file_(std::move(file))
        , stored_(stored)
        , orientation_(orientation) {}

    QSize uprightSize() const override { return UprightSize(stored_, orientation_); }

    std::variant<QImage, PhotoError> decodeToFit(QSize fit) override {
        const int denominator = ReductionToFit(uprightSize(), fit);
        auto s = std::make_unique<Session>();
        if (!ReadHeader(*s, file_->fd()) || !Prepare(*s, unsigned(denominator)))
            return failure(*s);
        QImage image(int(s->cinfo.output_width), int(s->cinfo.output_height), QImage::Format_RGB32);
        if (image.isNull())
            return OutOfMemory(file_->name());
        if (!Decode(*s, image, 0, 0) || s->source.endedEarly)
            return failure(*s);
        return MakeUpright(image, orientation_);
    }

    std::variant<QImage, PhotoError> decodeRegion(const QRect& region) override {
        const QRect upright = region & QRect(QPoint(0, 0), uprightSize());
        if (upright.isEmpty())
            return QImage();
        const QRect stored = StoredRect(upright, stored_, orientation_);
        auto s = std::make_unique<Session>();
        if (!ReadHeader(*s, file_->fd()) || !Prepare(*s, 1))
            return failure(*s);
        QImage image(stored.size(), QImage::Format_RGB32);
        if (image.isNull())
            return OutOfMemory(file_->name());
        if (!Decode(*s, image, JDIMENSION(stored.x()), JDIMENSION(stored.y())) ||
            s->source.endedEarly)
            return failure(*s);
        return MakeUpright(image, orientation_);
    }

private:
    PhotoError failure(const Session& s) const {
        if (s.source.endedEarly)
            return Truncated(file_->name());
        return Damaged(file_->name(), QString::fromLocal8Bit(s.errors.message));
    }

    std::unique_ptr<PhotoFileHandle> file_;
    QSize stored_;
    int orientation_;
};

} // namespace

std::unique_ptr<PhotoFile> OpenJpeg(std::unique_ptr<PhotoFileHandle> file, int orientation,
                                    PhotoError& error) {
    auto s = std::make_unique<Session>();
    if (!ReadHeader(*s, file->fd())) {
        error = s->source.endedEarly
                    ? Truncated(file->name())
                    : Damaged(file->name(), QString::fromLocal8Bit(s->errors.message));
        return nullptr;
    }
    const QSize stored(int(s->cinfo.image_width), int(s->cinfo.image_height));
    if (!WithinLimit(stored)) {
        error = TooLarge(file->name(), UprightSize(stored, orientation));
        return nullptr;
    }
    return std::make_unique<JpegPhotoFile>(std::move(file), stored, orientation);
}

} // namespace rula
