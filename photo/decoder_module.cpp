// The program's side of the decoder module: found at the same place relative to the
// program in the build tree and where it is installed, opened once and kept.
#include "photo/decoder_module.h"

#include <QDir>
#include <QLibrary>
#include <QMutex>

namespace rula {

const PhotoDecoderTable* PhotoDecoders(QString* whyNot) {
    static QMutex mutex;
    static bool tried = false;
    static const PhotoDecoderTable* table = nullptr;
    static QString failure;
    QMutexLocker lock(&mutex);
    if (!tried) {
        tried = true;
        QLibrary module(QDir(QCoreApplication::applicationDirPath())
                            .filePath(QStringLiteral(RULA_PHOTO_MODULE)));
        module.setLoadHints(QLibrary::PreventUnloadHint);
        auto entry = reinterpret_cast<PhotoDecoderEntry>(module.resolve(kPhotoDecoderEntry));
        if (!entry)
            failure = module.errorString();
        else if (!(table = entry(kPhotoDecoderVersion)))
            failure = PhotoFile::tr("the decoder module %1 belongs to another version.")
                          .arg(module.fileName());
    }
    if (!table && whyNot)
        *whyNot = failure;
    return table;
}

} // namespace rula
