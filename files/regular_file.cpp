#include "files/regular_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rula {
namespace {

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
    const QByteArray name = QFile::encodeName(path);
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
    return file;
}

} // namespace rula
