// Keeping the chart's unsaved changes when the program ends without asking: the chart's
// record changes, and within a second the keeper writes the recovery copy (study/'s
// RecoveryCopy); it removes the copy once nothing unsaved is left (saved, opened,
// emptied, or the user agreed to close without saving). SIGTERM, SIGHUP and SIGINT
// write the copy at once and then end the program by that signal, as they did before;
// their handler only writes the signal's number into a pipe, which a QSocketNotifier
// reads on the event loop. When the X display goes away, Qt ends the program with
// exit(1): an atexit handler writes the copy then, and the timer's copy is at most a
// second old in any case. At the next start, the keeper offers the newest copy left by
// a program that no longer runs. The copy keeps no photo: a recovered row has its
// answers, scores, side and notes, but not the photo it was measured on.
#pragma once

#include "study/recovery_copy.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class QSocketNotifier;

namespace rula {

class Form10;
class ScreenSet;

class RecoveryKeeper final : public QObject {
    Q_OBJECT
public:
    explicit RecoveryKeeper(QString folder = RecoveryFolder());
    ~RecoveryKeeper() override;

    // The screens whose closing question tells when unsaved work may be lost; catches
    // the signals from now on.
    void keepFor(ScreenSet& screens);
    // Follows the chart's record, from when the chart is made.
    void watch(Form10& chart);
    // Asks, over the screen on view, whether to recover the newest copy left by a
    // program that no longer runs; Recover shows it on the chart, Discard removes it.
    void offerLeftCopy();
    // The program ends as the user agreed: no copy stays, and none is written after.
    void finish();

    // The copy written now, or removed when nothing unsaved is left.
    void writeNow();
    const RecoveryCopy& copy() const { return copy_; }

private:
    bool hasUnsavedRows() const;
    void changed();
    void signalled();

    QString folder_;
    RecoveryCopy copy_;
    ScreenSet* screens_ = nullptr;
    QPointer<Form10> chart_;
    QTimer timer_;
    std::unique_ptr<RecoveryCopy> offered_;
    QSocketNotifier* signals_ = nullptr;
    bool finished_ = false;
};

} // namespace rula
