// The default printer through CUPS. Each job has a worker thread that talks to the print
// system: it connects, finds the default printer and its paper, asks the user-interface
// thread to compose the page for that paper, then creates the job and sends the page.
// A job counts as printed only when the print system has given it a job id and taken
// the whole document.
//
// Every wait on the print system gives up at the job's deadline or when the job is
// cancelled: libcups calls back every tenth of a second while it waits. The user-interface
// thread also keeps its own watch on the deadline, for waits that libcups does not hand
// back (name look-ups). Destroying the target cancels and joins every job, so closing
// the program ends a job at once. The page travels in memory: no file is written.
#include "screens/printing.h"

#include <QCoreApplication>
#include <QObject>
#include <QTimer>

#include <cups/cups.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <list>
#include <mutex>
#include <optional>
#include <thread>

namespace rula {
namespace {

using Clock = std::chrono::steady_clock;

// How long the print system may take before the user is told it did not answer.
constexpr int kPrintTimeoutMs = 10'000;

QString tr(const char* text) {
    return QCoreApplication::translate("Printing", text);
}

QString DidNotAnswer() {
    return tr("the printer did not answer.");
}

// What the worker and the user-interface thread share about one job.
struct JobState {
    explicit JobState(Clock::time_point until)
        : deadline(until) {}

    const Clock::time_point deadline;
    std::atomic<bool> cancelled{false};
    int cancelConnect = 0; // libcups polls it while connecting

    std::mutex mutex;
    std::condition_variable pageReady;
    std::optional<QByteArray> pdf; // set by the user-interface thread

    void cancel() {
        cancelled = true;
        std::atomic_ref<int>(cancelConnect).store(1);
        const std::lock_guard lock(mutex);
        pageReady.notify_all();
    }
    bool expired() const { return cancelled || Clock::now() >= deadline; }

    // Waits for the composed page; empty when the job was cancelled or ran out of time.
    std::optional<QByteArray> awaitPage() {
        std::unique_lock lock(mutex);
        pageReady.wait_until(lock, deadline, [this] { return pdf || cancelled; });
        if (cancelled)
            return std::nullopt;
        return std::move(pdf);
    }
    void offerPage(QByteArray bytes) {
        const std::lock_guard lock(mutex);
        pdf = std::move(bytes);
        pageReady.notify_all();
    }
};

int KeepWaiting(http_t*, void* state) {
    return static_cast<JobState*>(state)->expired() ? 0 : 1;
}

// No password prompts on the terminal from a worker thread.
const char* NoPassword(const char*, http_t*, const char*, const char*, void*) {
    return nullptr;
}

// The printer's default paper, and its name for the print system.
struct Paper {
    QPageLayout layout = FallbackPaper();
    QByteArray media;
};

Paper PaperOf(http_t* http, cups_dest_t* dest) {
    Paper paper;
    cups_dinfo_t* info = cupsCopyDestInfo(http, dest);
    cups_size_t size{};
    if (info && cupsGetDestMediaDefault(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT, &size) &&
        size.width > 0 && size.length > 0) {
        // Hundredths of a millimetre.
        paper.layout = QPageLayout(
            QPageSize(QSizeF(size.width, size.length) / 100.0, QPageSize::Millimeter),
            QPageLayout::Portrait, QMarginsF(size.left, size.top, size.right, size.bottom) / 100.0,
            QPageLayout::Millimeter);
        paper.media = size.media;
    }
    cupsFreeDestInfo(info);
    return paper;
}

// Talks to the print system on the worker thread. `askForPage` hands the paper to the
// user-interface thread, which composes the page and offers it to `state`.
class CupsJob {
public:
    CupsJob(JobState& state, QString title)
        : state_(state)
        , title_(std::move(title).toUtf8()) {}
    ~CupsJob() {
        cupsFreeDests(1, dest_);
        httpClose(http_);
    }

    // An empty text when the job was accepted, else why not.
    template <class AskForPage> QString run(AskForPage askForPage) {
        cupsSetPasswordCB2(&NoPassword, nullptr);
        http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             static_cast<int>(remainingMs()), &state_.cancelConnect);
        if (!http_) {
            if (state_.expired())
                return DidNotAnswer();
            return tr("the print system (%1) could not be reached.")
                .arg(QString::fromUtf8(cupsServer()));
        }
        httpSetTimeout(http_, 0.1, &KeepWaiting, &state_);

        dest_ = cupsGetNamedDest(http_, nullptr, nullptr);
        if (!dest_) {
            if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND && !state_.expired())
                return tr("no default printer is set up on this computer.");
            return lastError();
        }
        const Paper paper = PaperOf(http_, dest_);
        if (state_.expired())
            return DidNotAnswer();

        askForPage(paper.layout);
        const std::optional<QByteArray> pdf = state_.awaitPage();
        if (!pdf)
            return DidNotAnswer();
        return send(*pdf, paper.media);
    }

private:
    QString send(const QByteArray& pdf, const QByteArray& media) {
        // The user's options for the printer, and the paper the page was composed for.
        cups_option_t* options = nullptr;
        int count = 0;
        for (int i = 0; i < dest_->num_options; ++i)
            count = cupsAddOption(dest_->options[i].name, dest_->options[i].value, count, &options);
        if (!media.isEmpty())
            count = cupsAddOption("media", media.constData(), count, &options);
        const int id = cupsCreateJob(http_, dest_->name, title_.constData(), count, options);
        cupsFreeOptions(count, options);
        if (id <= 0)
            return lastError();
        const bool sent =
            cupsStartDocument(http_, dest_->name, id, title_.constData(), CUPS_FORMAT_PDF, 1) ==
                HTTP_STATUS_CONTINUE &&
            cupsWriteRequestData(http_, pdf.constData(), static_cast<size_t>(pdf.size())) ==
                HTTP_STATUS_CONTINUE &&
            cupsFinishDocument(http_, dest_->name) <= IPP_STATUS_OK_EVENTS_COMPLETE;
        if (sent)
            return {};
        const QString why = lastError();
        // A job without its whole page must not stay in the queue.
        if (!state_.expired())
            cupsCancelJob2(http_, dest_->name, id, 0);
        return why;
    }

    QString lastError() const {
        if (state_.expired() || (http_ && httpError(http_) == ETIMEDOUT))
            return DidNotAnswer();
        return QString::fromUtf8(cupsLastErrorString());
    }

    long long remainingMs() const {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(state_.deadline - Clock::now());
        return std::max<long long>(1, left.count());
    }

    JobState& state_;
    QByteArray title_;
    http_t* http_ = nullptr;
    cups_dest_t* dest_ = nullptr;
};

class CupsPrinterTarget final : public PrintTarget {
public:
    ~CupsPrinterTarget() override {
        for (Job& job : jobs_)
            job.state->cancel();
        for (Job& job : jobs_)
            job.worker.join();
    }

    void send(ScreenRecording page, Done done) override {
        Job& job = jobs_.emplace_back();
        job.page = std::move(page);
        job.done = std::move(done);
        job.state =
            std::make_shared<JobState>(Clock::now() + std::chrono::milliseconds(kPrintTimeoutMs));
        job.watch.setSingleShot(true);
        QObject::connect(&job.watch, &QTimer::timeout, &context_, [&job] {
            job.state->cancel();
            job.report(DidNotAnswer());
        });
        // A little after the worker's own deadline, so that the worker tells in time.
        job.watch.start(kPrintTimeoutMs + 500);

        Job* handle = &job;
        job.worker = std::thread([this, handle, state = job.state,
                                  title = job.page.caption]() mutable {
            CupsJob cups(*state, std::move(title));
            const QString whyNot = cups.run([this, handle](const QPageLayout& paper) {
                QMetaObject::invokeMethod(
                    &context_, [handle, paper] { handle->compose(paper); }, Qt::QueuedConnection);
            });
            QMetaObject::invokeMethod(
                &context_, [this, handle, whyNot] { finish(handle, whyNot); },
                Qt::QueuedConnection);
        });
    }

private:
    // A job as the user-interface thread keeps it, until its worker has ended.
    struct Job {
        ScreenRecording page;
        Done done;
        std::shared_ptr<JobState> state;
        QTimer watch;
        std::thread worker;

        void compose(const QPageLayout& paper) {
            if (!state->expired())
                state->offerPage(ComposePdf(page, paper));
        }
        void report(const QString& whyNot) {
            watch.stop();
            if (Done once = std::exchange(done, nullptr))
                once(whyNot);
        }
    };

    void finish(Job* job, const QString& whyNot) {
        job->worker.join();
        job->report(whyNot);
        jobs_.remove_if([job](const Job& j) { return &j == job; });
    }

    QObject context_; // the user-interface thread's end of every job
    std::list<Job> jobs_;
};

} // namespace

std::unique_ptr<PrintTarget> MakeDefaultPrinterTarget() {
    return std::make_unique<CupsPrinterTarget>();
}

} // namespace rula
