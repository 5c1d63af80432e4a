// Opening a file that the user named, for reading, without ever blocking on it: what the
// path is gets looked at before it is opened, so a folder, a named pipe, a device or a
// socket is told apart and never opened, and the file is opened without blocking and
// looked at once more, so that one swapped for a pipe in between cannot hang the program.
// The study reader and the photo reader word what they find each in their own terms.
// Qt Core only.
#pragma once

#include <QString>

namespace rula {

enum class FileKind { Regular, Folder, NamedPipe, Device, Socket, Other };

struct OpenedFile {
    int fd = -1;                     // open for reading (blocking); -1 when not opened
    FileKind kind = FileKind::Other; // what the path is, when it could be looked at
    int error = 0;                   // errno when looking or opening failed
    qint64 size = 0;
};

// Opens `path` for reading when it is a regular file; the caller closes `fd`.
OpenedFile OpenRegularFile(const QString& path);

} // namespace rula
