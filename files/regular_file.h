// Opening a file that the user named, for reading, without ever blocking on it: what the
// path is gets looked at before it is opened, so a folder, a named pipe, a device or a
// socket is told apart and never opened, and the file is opened without blocking and
// looked at once more, so that one swapped for a pipe in between cannot hang the program.
// The study reader and the photo reader word what they find each in their own terms.
//
// A path is held as a QString, but a file name on Linux is bytes and need not be valid
// UTF-8: PathFromNative keeps each byte that is not part of a UTF-8 character as a lone
// surrogate (U+DC80 to U+DCFF), and NativePath turns it back into that byte, so that
// such a file is opened, and saved over, by its own name. Qt's own file classes would
// replace those bytes with U+FFFD and miss the file. Qt Core only.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace rula {

enum class FileKind { Regular, Folder, NamedPipe, Device, Socket, Other };

// What a file was when it was read or written: another program that changes or replaces
// it changes at least one of these.
struct FileStamp {
    qint64 device = 0;
    qint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0; // nanoseconds since the epoch
    bool operator==(const FileStamp&) const = default;
};

struct OpenedFile {
    int fd = -1;                     // open for reading (blocking); -1 when not opened
    FileKind kind = FileKind::Other; // what the path is, when it could be looked at
    int error = 0;                   // errno when looking or opening failed
    qint64 size = 0;
    FileStamp stamp; // of the open file
};

// Opens `path` for reading when it is a regular file; the caller closes `fd`.
OpenedFile OpenRegularFile(const QString& path);

// The file's name as the system knows it, and back; see above.
QByteArray NativePath(const QString& path);
QString PathFromNative(const QByteArray& native);
// The path for the user to read: bytes that are no UTF-8 show as U+FFFD.
QString ShownPath(const QString& path);

// The stamp of the file at `path` now; nothing when it cannot be looked at (gone).
std::optional<FileStamp> StampOf(const QString& path);
// The stamp of an open file.
FileStamp StampOfOpen(int fd);

} // namespace rula
