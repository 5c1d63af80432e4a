// The recovery copy: while the chart has unsaved changes, the program keeps them in the
// user's state folder, so that a program ended by a signal, a lost display or a crash
// loses nothing, and the next start can offer them back. A copy is a study file,
// `NAME.rula`, written atomically; `NAME.origin` beside it names the study's own file
// and its stamp when it was opened or saved; `NAME.lock` is held (flock) by the program
// that owns the copy for as long as it runs. NAME is the process id, so two programs
// never write the same copy, and a copy whose lock nobody holds was left by a program
// that no longer runs: the kernel drops the lock when a process ends however it ends.
// A program offering a left copy holds its lock too, so two starts never offer the same
// one. No GUI: Qt Core only.
#pragma once

#include "files/regular_file.h"
#include "study/chart_record.h"
#include "study/study_file.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>
#include <variant>

namespace rula {

// $XDG_STATE_HOME/rula, or ~/.local/state/rula when XDG_STATE_HOME is not set to an
// absolute path.
QString RecoveryFolder();

// What a copy holds.
struct RecoveredChart {
    Study study;
    QString origin;                 // the study's file; empty for a chart never saved
    std::optional<FileStamp> stamp; // the study's file when it was opened or last saved
    QDateTime written;              // when the copy was last written
};

class RecoveryCopy {
public:
    // This program's copy in `folder`; nothing is written or locked until write().
    explicit RecoveryCopy(QString folder);
    ~RecoveryCopy(); // lets go of the lock; the copy stays for the next start
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // The copy left by a program that no longer runs, the most recently written first;
    // its lock is held until the returned object goes. Null when there is none.
    static std::unique_ptr<RecoveryCopy> NewestLeft(const QString& folder);

    // Writes the chart, each row without its measurement (no photo is kept here), and
    // the study's file it belongs to (empty for none), each atomically; the first write
    // makes the folder and takes the lock.
    std::optional<StudyError> write(const Study& study, const QString& origin,
                                    const std::optional<FileStamp>& stamp);
    std::variant<RecoveredChart, StudyError> read() const;
    // The copy, the name of its study's file and its lock go.
    void remove();
    bool exists() const;
    // The copy's study file.
    QString path() const;

private:
    RecoveryCopy(QString folder, QString name);
    bool lock();
    QString file(const char* ending) const;

    QString folder_;
    QString name_;
    int lock_ = -1; // the lock file, held with flock; -1 while not held
    QByteArray originWritten_;
};

} // namespace rula
