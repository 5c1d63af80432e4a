#include "files/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rula {
namespace {

FileStamp StampFrom(const struct stat& status) {
    return {static_cast<qint64>(status.st_dev), static_cast<qint64>(status.st_ino),
            static_cast<qint64>(status.st_size),
            static_cast<qint64>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

// The length of the UTF-8 character starting at `at`, or 0 when the bytes there are not
// one (a stray or cut sequence, an overlong form, a surrogate, beyond U+10FFFF).
int Utf8CharacterAt(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    int length = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool IsEscapedByte(QChar c) {
    return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF;
}

FileKind KindOf(const struct stat& status) {
    if (S_ISREG(status.st_mode))
        return FileKind::Regular;
    if (S_ISDIR(status.st_mode))
        return FileKind::Folder;
    if (S_ISFIFO(status.st_mode))
        return FileKind::NamedPipe;
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return FileKind::Device;
    if (S_ISSOCK(status.st_mode))
        return FileKind::Socket;
    return FileKind::Other;
}

} // namespace

OpenedFile OpenRegularFile(const QString& path) {
    OpenedFile file;
    const QByteArray name = NativePath(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) {
        file.error = errno;
        return file;
    }
    file.kind = KindOf(status);
    if (file.kind != FileKind::Regular)
        return file;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        file.error = errno;
        return file;
    }
    if (::fstat(fd, &status) != 0) {
        file.error = errno;
        ::close(fd);
        return file;
    }
    file.kind = KindOf(status);
    if (file.kind != FileKind::Regular) {
        ::close(fd);
        return file;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.fd = fd;
    file.size = status.st_size;
    file.stamp = StampFrom(status);
    return file;
}

QByteArray NativePath(const QString& path) {
    QByteArray native;
    native.reserve(path.size());
    qsizetype from = 0; // the start of the text not yet encoded
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path.at(i);
        const bool paired = i > 0 && path.at(i - 1).isHighSurrogate();
        if (IsEscapedByte(c) && !paired) {
            native += path.mid(from, i - from).toUtf8();
            native += static_cast<char>(c.unicode() - 0xDC00);
            from = i + 1;
        }
    }
    return native + path.mid(from).toUtf8();
}

QString PathFromNative(const QByteArray& native) {
    QString path;
    path.reserve(native.size());
    qsizetype from = 0; // the start of the bytes not yet decoded
    for (qsizetype i = 0; i < native.size();) {
        const int length = Utf8CharacterAt(native, i);
        if (length > 0) {
            i += length;
            continue;
        }
        path += QString::fromUtf8(native.mid(from, i - from));
        path += QChar(0xDC00 + static_cast<unsigned char>(native.at(i)));
        from = ++i;
    }
    return path + QString::fromUtf8(native.mid(from));
}

QString ShownPath(const QString& path) {
    QString shown = path;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (IsEscapedByte(shown.at(i)) && !(i > 0 && shown.at(i - 1).isHighSurrogate()))
            shown[i] = QChar::ReplacementCharacter;
    return shown;
}

std::optional<FileStamp> StampOf(const QString& path) {
    struct stat status {};
    if (::stat(NativePath(path).constData(), &status) != 0)
        return std::nullopt;
    return StampFrom(status);
}

FileStamp StampOfOpen(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return {};
    return StampFrom(status);
}

} // namespace rula
