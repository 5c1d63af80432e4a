#include "app/recovery_keeper.h"

#include "chart/form10.h"
#include "screens/screen_set.h"
#include "screens/screen_shell.h"

#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace rula {
namespace {

// How long after a change the copy is written at the latest: a change made while a
// write is pending rides along with it.
constexpr int kCopyDelayMs = 1000;

constexpr int kCaughtSignals[] = {SIGTERM, SIGHUP, SIGINT};

int signalPipe[2] = {-1, -1};
RecoveryKeeper* keeperAtExit = nullptr;

// All a signal handler may do here: put the signal's number into the pipe.
void OnSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

// Qt ends the program with exit(1) when the X display goes away.
void AtExit() {
    if (keeperAtExit)
        keeperAtExit->writeNow();
}

} // namespace

RecoveryKeeper::RecoveryKeeper(QString folder)
    : folder_(std::move(folder))
    , copy_(folder_) {
    timer_.setSingleShot(true);
    timer_.setInterval(kCopyDelayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
}

RecoveryKeeper::~RecoveryKeeper() {
    if (keeperAtExit == this)
        keeperAtExit = nullptr;
    if (signals_)
        for (int number : kCaughtSignals)
            std::signal(number, SIG_DFL);
}

void RecoveryKeeper::keepFor(ScreenSet& screens) {
    screens_ = &screens;
    if (!signals_ && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        signals_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(signals_, &QSocketNotifier::activated, this, &RecoveryKeeper::signalled);
        struct sigaction action {};
        action.sa_handler = &OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int number : kCaughtSignals)
            ::sigaction(number, &action, nullptr);
    }
    if (!keeperAtExit) {
        keeperAtExit = this;
        // Qt's lazily made statics (the calendar that writes the date) are destroyed at
        // exit in the reverse order of their making: made now, they outlive the handler.
        const Study probe{{{}, {}, {}, QDate::currentDate()}, {}};
        ReadStudyJson(WriteStudyJson(probe));
        std::atexit(&AtExit);
    }
}

void RecoveryKeeper::watch(Form10& chart) {
    chart_ = &chart;
    connect(&chart.record(), &ChartRecord::changed, this, &RecoveryKeeper::changed);
    connect(&chart.record(), &ChartRecord::modifiedChanged, this, &RecoveryKeeper::changed);
}

bool RecoveryKeeper::hasUnsavedRows() const {
    // Nothing is kept for an empty chart, nor once the user has agreed to lose the
    // changes (the closing question answered, or the closing cascade begun).
    return !finished_ && chart_ && screens_ && screens_->hasUnsavedWork() &&
           chart_->record().isModified() && !chart_->record().isEmpty();
}

void RecoveryKeeper::changed() {
    if (!hasUnsavedRows()) {
        timer_.stop();
        copy_.remove();
    } else if (!timer_.isActive()) {
        timer_.start();
    }
}

void RecoveryKeeper::writeNow() {
    timer_.stop();
    if (!hasUnsavedRows()) {
        copy_.remove();
        return;
    }
    if (const std::optional<StudyError> failed =
            copy_.write(chart_->record().study(), chart_->filePath(), chart_->fileStamp()))
        qWarning("rula: the recovery copy was not written: %s", qPrintable(failed->message));
}

void RecoveryKeeper::finish() {
    timer_.stop();
    finished_ = true;
    copy_.remove();
}

void RecoveryKeeper::signalled() {
    char number = 0;
    if (::read(signalPipe[0], &number, 1) != 1)
        return;
    writeNow();
    // Ended by the signal, as without the copy: whoever sent it sees it so.
    std::signal(number, SIG_DFL);
    std::raise(number);
}

void RecoveryKeeper::offerLeftCopy() {
    ScreenShell* over = screens_ ? screens_->onView() : nullptr;
    if (!over || offered_)
        return;
    offered_ = RecoveryCopy::NewestLeft(folder_);
    if (!offered_)
        return;
    std::variant<RecoveredChart, StudyError> read = offered_->read();
    if (std::holds_alternative<StudyError>(read)) {
        offered_.reset(); // left for a later start: nothing is removed unread
        return;
    }
    const RecoveredChart left = std::get<RecoveredChart>(std::move(read));
    const QLocale locale;
    // Hours and minutes: some locales' short form has the seconds too.
    QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("[:.]ss")));
    const QString time = locale.toString(left.written.time(), timeFormat);
    const QString question =
        left.written.date() == QDate::currentDate()
            ? tr("Rula closed with unsaved changes at %1. Recover them?").arg(time)
            : tr("Rula closed with unsaved changes on %1 at %2. Recover them?")
                  .arg(locale.toString(left.written.date(), QLocale::ShortFormat), time);
    auto* box = new QMessageBox(QMessageBox::Question, over->windowTitle(), question,
                                QMessageBox::NoButton, over);
    box->setObjectName(QStringLiteral("RecoveryQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* recover = box->addButton(tr("&Recover"), QMessageBox::AcceptRole);
    QPushButton* discard = box->addButton(tr("&Discard"), QMessageBox::DestructiveRole);
    box->setDefaultButton(recover);
    connect(box, &QDialog::finished, this, [this, box, recover, discard, left] {
        if (box->clickedButton() == recover && !screens_->allClosed()) {
            Form10& chart = screens_->get<Form10>();
            chart.recover(left.study, left.origin, left.stamp);
            // This program's own copy first, then the old one goes.
            writeNow();
            offered_->remove();
            // Where the tab order starts, as for a study opened at start.
            QWidget* first = chart.task(1);
            if (!first->isEnabled())
                first = chart.Command1;
            first->setFocus(Qt::OtherFocusReason);
            if (ScreenShell* onView = screens_->onView(); onView && onView != &chart)
                onView->goTo(ScreenId::Form10);
        } else if (box->clickedButton() == discard) {
            offered_->remove();
        }
        offered_.reset();
    });
    AskWindowModal(box);
}

} // namespace rula
