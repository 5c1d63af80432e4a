// The recovery copy's files, read and written by their own bytes (NativePath), as the
// study files are. The lock is flock on NAME.lock: taken without waiting, and checked
// afterwards to be on the file that still has that name, since a program removing its
// copy unlinks the lock file.
#include "study/recovery_copy.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace rula {
namespace {

constexpr char kStudyEnding[] = ".rula";
constexpr char kOriginEnding[] = ".origin";
constexpr char kLockEnding[] = ".lock";

// Makes the folder and those above it, for the user alone, as the XDG rules ask.
void MakeFolder(const QByteArray& folder) {
    for (qsizetype slash = folder.indexOf('/', 1); slash != -1;
         slash = folder.indexOf('/', slash + 1))
        ::mkdir(folder.left(slash).constData(), 0700);
    ::mkdir(folder.constData(), 0700);
}

// The file's bytes, or null when it cannot be read.
QByteArray ReadAll(const QString& path) {
    const int fd = ::open(NativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray bytes(0, '\0');
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bytes.append(buffer, n);
    }
    ::close(fd);
    return bytes;
}

// NAME.origin: the stamp's four numbers on the first line (empty without a stamp), the
// study's file by its bytes after it.
QByteArray OriginBytes(const QString& origin, const std::optional<FileStamp>& stamp) {
    QByteArray bytes;
    if (stamp)
        bytes = QByteArray::number(stamp->device) + ' ' + QByteArray::number(stamp->inode) + ' ' +
                QByteArray::number(stamp->size) + ' ' + QByteArray::number(stamp->modifiedNs);
    return bytes + '\n' + NativePath(origin);
}

void ReadOrigin(const QByteArray& bytes, RecoveredChart& chart) {
    const qsizetype end = bytes.indexOf('\n');
    if (end < 0)
        return;
    chart.origin = PathFromNative(bytes.mid(end + 1));
    const QList<QByteArray> numbers = bytes.left(end).split(' ');
    if (numbers.size() != 4)
        return;
    FileStamp stamp;
    bool ok[4] = {};
    stamp.device = numbers[0].toLongLong(&ok[0]);
    stamp.inode = numbers[1].toLongLong(&ok[1]);
    stamp.size = numbers[2].toLongLong(&ok[2]);
    stamp.modifiedNs = numbers[3].toLongLong(&ok[3]);
    if (std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }))
        chart.stamp = stamp;
}

} // namespace

QString RecoveryFolder() {
    const QByteArray state = qgetenv("XDG_STATE_HOME");
    if (state.startsWith('/'))
        return PathFromNative(state) + QLatin1String("/rula");
    const QByteArray home = qgetenv("HOME");
    const QString homePath = home.startsWith('/') ? PathFromNative(home) : QDir::homePath();
    return homePath + QLatin1String("/.local/state/rula");
}

RecoveryCopy::RecoveryCopy(QString folder)
    : RecoveryCopy(std::move(folder), QString::number(QCoreApplication::applicationPid())) {}

RecoveryCopy::RecoveryCopy(QString folder, QString name)
    : folder_(std::move(folder))
    , name_(std::move(name)) {}

RecoveryCopy::~RecoveryCopy() {
    if (lock_ >= 0)
        ::close(lock_);
}

QString RecoveryCopy::file(const char* ending) const {
    return folder_ + u'/' + name_ + QLatin1String(ending);
}

QString RecoveryCopy::path() const {
    return file(kStudyEnding);
}

bool RecoveryCopy::lock() {
    if (lock_ >= 0)
        return true;
    const QByteArray name = NativePath(file(kLockEnding));
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    struct stat held {
    }, named{};
    // Held by no one, and still the file of that name (not one just unlinked by its owner).
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &held) != 0 ||
        ::stat(name.constData(), &named) != 0 || held.st_ino != named.st_ino ||
        held.st_dev != named.st_dev) {
        ::close(fd);
        return false;
    }
    lock_ = fd;
    return true;
}

std::unique_ptr<RecoveryCopy> RecoveryCopy::NewestLeft(const QString& folder) {
    struct Found {
        QString name;
        qint64 modifiedNs;
    };
    std::vector<Found> found;
    if (DIR* dir = ::opendir(NativePath(folder).constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (!name.endsWith(kStudyEnding) || name.startsWith('.'))
                continue;
            const QString stem = PathFromNative(name.chopped(qstrlen(kStudyEnding)));
            if (const auto stamp = StampOf(folder + u'/' + stem + QLatin1String(kStudyEnding)))
                found.push_back({stem, stamp->modifiedNs});
        }
        ::closedir(dir);
    }
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return a.modifiedNs > b.modifiedNs; });
    for (const Found& candidate : found) {
        std::unique_ptr<RecoveryCopy> copy(new RecoveryCopy(folder, candidate.name));
        // Its program may have removed it between the listing and the lock.
        if (copy->lock() && copy->exists())
            return copy;
    }
    return nullptr;
}

std::optional<StudyError> RecoveryCopy::write(const Study& study, const QString& origin,
                                              const std::optional<FileStamp>& stamp) {
    if (lock_ < 0) {
        MakeFolder(NativePath(folder_));
        // A name held by a program of the same process id on another machine sharing the
        // folder, or holding a copy left by an earlier program of that id, is not taken.
        const QString pid = name_.section(u'-', 0, 0);
        for (int other = 1; other <= 100; ++other) {
            if (lock() && !exists())
                break;
            if (lock_ >= 0)
                ::close(lock_);
            lock_ = -1;
            name_ = pid + u'-' + QString::number(other);
        }
        if (lock_ < 0)
            return StudyError{QCoreApplication::translate("rula::RecoveryCopy",
                                                          "%1: no recovery copy can be kept there")
                                  .arg(ShownPath(folder_))};
        originWritten_.clear();
    }
    // The chart first: a copy without the name of its file still keeps every row. A
    // photo is written nowhere but into a study the user saves: the copy keeps each row
    // without its measurement.
    Study kept = study;
    for (ChartRow& row : kept.rows)
        row.measurement.reset();
    if (std::optional<StudyError> failed = WriteStudyFile(path(), kept))
        return failed;
    const QByteArray originBytes = OriginBytes(origin, stamp);
    if (originBytes == originWritten_)
        return std::nullopt;
    std::optional<StudyError> failed = WriteFileAtomically(file(kOriginEnding), originBytes);
    if (!failed)
        originWritten_ = originBytes;
    return failed;
}

std::variant<RecoveredChart, StudyError> RecoveryCopy::read() const {
    FileStamp written;
    std::variant<Study, StudyError> study = ReadStudyFile(path(), &written);
    if (const auto* refused = std::get_if<StudyError>(&study))
        return *refused;
    RecoveredChart chart;
    chart.study = std::get<Study>(std::move(study));
    chart.written = QDateTime::fromMSecsSinceEpoch(written.modifiedNs / 1'000'000);
    ReadOrigin(ReadAll(file(kOriginEnding)), chart);
    return chart;
}

void RecoveryCopy::remove() {
    ::unlink(NativePath(path()).constData());
    ::unlink(NativePath(file(kOriginEnding)).constData());
    originWritten_.clear();
    if (lock_ >= 0) {
        // Unlinked while still held: a program that opened it meanwhile sees that its
        // lock is no longer on the file of that name.
        ::unlink(NativePath(file(kLockEnding)).constData());
        ::close(lock_);
        lock_ = -1;
    }
}

bool RecoveryCopy::exists() const {
    return StampOf(path()).has_value();
}

} // namespace rula
