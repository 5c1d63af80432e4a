// An opened photo: its size upright (the EXIF orientation applied) and decoding at the
// resolution it is shown. JPEG decodes at the decoder's own 1/2, 1/4 or 1/8 scale, never
// in full to be scaled afterwards; a region decodes at full resolution when the user
// zooms in. HEIC/HEIF, JPEG and the other formats' decoders are loaded on the first open,
// so that a run that never opens a photo maps none of them. Nothing is written, sent or
// cached: the file is only read.
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>
#include <variant>

namespace rula {

struct PhotoError {
    QString message; // for the user: "… is not a photo this program can open: …"
};

// A PhotoFile is used by one thread at a time: it may be handed to another thread and
// back (the Photo window decodes on a worker thread), never used by two at once.
class PhotoFile {
    // The messages about photo files, the decoder module's among them.
    Q_DECLARE_TR_FUNCTIONS(rula::PhotoFile)

public:
    virtual ~PhotoFile() = default;

    // Looks at the file before it opens it (a directory, a named pipe or a device is
    // refused at once and never blocks); refuses an empty, unreadable, truncated or
    // unknown file, and one whose declared size would need too much memory.
    static std::variant<std::unique_ptr<PhotoFile>, PhotoError> open(const QString& path);

    // The photo's size in pixels as it is to be seen, upright.
    virtual QSize uprightSize() const = 0;
    // The whole photo, upright, decoded at the smallest scale the decoder offers that is
    // at least `fit` (or whole, when smaller), its proportions kept. A JPEG's reduced
    // scale may come out up to a tenth smaller than `fit` (6000 x 4000 for 1600 x 1066
    // decodes at a quarter, 1500 x 1000); the view scales it the rest of the way. A
    // truncated file may show only here, with its message.
    virtual std::variant<QImage, PhotoError> decodeToFit(QSize fit) = 0;
    // `region` of the upright photo, in full-resolution pixels, decoded at full resolution.
    virtual std::variant<QImage, PhotoError> decodeRegion(const QRect& region) = 0;
};

} // namespace rula
