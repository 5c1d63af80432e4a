// The default printer through CUPS: the print module (printing/print_module.h), the only
// code that links libcups. Each job has a worker thread that talks to the print system: it
// connects, finds the default printer and the paper the user chose for it, asks the
// user-interface thread to compose the page for that paper, then creates the job and sends
// the page. The page travels in memory: no file is written.
//
// A job counts as printed only when the print system has answered Send-Document, or says
// that it holds the whole document. The job has a deadline; each wait on the print system
// lasts at most until then, and at the deadline the user-interface thread shuts the
// connection down, which ends any wait on it at once. A job given up after it was created
// is taken back out of the queue over a fresh connection. Closing the program gives every
// worker a moment for that, then leaves behind any that is stuck where nothing can
// interrupt it (a name look-up): a worker shares nothing with the target but its JobState.
#include "printing/print_module.h"

#include <QCoreApplication>
#include <QObject>
#include <QTimer>
#include <QUuid>

#include <cups/cups.h>
#include <sys/socket.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <list>
#include <mutex>
#include <optional>
#include <thread>

namespace rula {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// How long a whole job may take before the user is told that the printer did not answer.
constexpr auto kPrintTimeout = 10s;
// After that, how long taking a job back out of the queue may take.
constexpr auto kTakeBackTimeout = 2s;
// When the program closes, how long a worker may go on with that.
constexpr auto kClosingTimeout = 400ms;

const PrintModuleHost* host = nullptr;

// How a job ended, as the worker knows it. It is put into words on the user-interface
// thread: a worker left behind when the program closes must not touch the application.
struct Outcome {
    enum Kind { Printed, NoAnswer, MayStillComeOut, Unreachable, NoDefaultPrinter, Refused };
    Outcome(Kind k = Printed, const char* about = "")
        : kind(k)
        , detail(QString::fromUtf8(about)) {}

    Kind kind;
    QString detail; // the print server (Unreachable), the print system's words (Refused)

    QString words() const {
        switch (kind) {
        case Printed:
            return {};
        case NoAnswer:
            return QCoreApplication::translate("Printing", "the printer did not answer.");
        case MayStillComeOut:
            return QCoreApplication::translate("Printing",
                                               "the printer did not answer. The page may still "
                                               "come out when the printer answers again.");
        case Unreachable:
            return QCoreApplication::translate("Printing",
                                               "the print system (%1) could not be reached.")
                .arg(detail);
        case NoDefaultPrinter:
            return QCoreApplication::translate("Printing",
                                               "no default printer is set up on this computer.");
        case Refused:
            return detail;
        }
        return {};
    }
};

// What the worker and the user-interface thread share about one job.
class JobState {
public:
    JobState(Clock::time_point deadline, QObject* home)
        : deadline_(deadline)
        , end_((deadline + kTakeBackTimeout).time_since_epoch().count())
        , home_(home) {}

    Clock::time_point deadline() const { return deadline_; }
    // Nothing at all is tried after this, not even taking the job back.
    Clock::time_point end() const { return Clock::time_point(Clock::duration(end_.load())); }
    // The page is no longer to be sent: past the deadline, or the program is closing.
    bool givenUp() const { return givenUp_ || Clock::now() >= deadline_; }
    int* connectCancelled() { return &connectCancelled_; }

    void giveUp() {
        givenUp_ = true;
        std::atomic_ref<int>(connectCancelled_).store(1); // libcups polls it while connecting
        const std::lock_guard lock(mutex_);
        if (socket_ >= 0)
            ::shutdown(socket_, SHUT_RDWR);
        changed_.notify_all();
    }

    // The program is closing: nothing more goes back to the user-interface thread, and
    // the worker has until `until`.
    void close(Clock::time_point until) {
        {
            const std::lock_guard lock(mutex_);
            home_ = nullptr;
        }
        const Clock::rep last = until.time_since_epoch().count();
        Clock::rep current = end_.load();
        while (last < current && !end_.compare_exchange_weak(current, last)) {
        }
        giveUp();
    }

    // Runs `call` on the user-interface thread, unless the program is closing.
    template <class Call> void post(Call call) {
        const std::lock_guard lock(mutex_);
        if (home_)
            QMetaObject::invokeMethod(home_, std::move(call), Qt::QueuedConnection);
    }

    // The connection the page goes over: shut down when the page is given up.
    void sendingOn(int socket) {
        const std::lock_guard lock(mutex_);
        socket_ = socket;
        if (givenUp_)
            ::shutdown(socket_, SHUT_RDWR);
    }
    void doneSending() {
        const std::lock_guard lock(mutex_);
        socket_ = -1;
    }

    // A job exists in the queue that has not been answered for, or taken back.
    void setInQueue(bool inQueue) { inQueue_ = inQueue; }
    bool inQueue() const { return inQueue_; }

    // Waits for the composed page; empty when the page was given up meanwhile.
    std::optional<QByteArray> awaitPage() {
        std::unique_lock lock(mutex_);
        changed_.wait_until(lock, deadline_, [this] { return pdf_ || givenUp_; });
        if (givenUp())
            return std::nullopt;
        return std::move(pdf_);
    }
    void offerPage(QByteArray bytes) {
        const std::lock_guard lock(mutex_);
        pdf_ = std::move(bytes);
        changed_.notify_all();
    }

    void workerEnded() {
        const std::lock_guard lock(mutex_);
        workerEnded_ = true;
        changed_.notify_all();
    }
    bool awaitWorker(Clock::time_point until) {
        std::unique_lock lock(mutex_);
        return changed_.wait_until(lock, until, [this] { return workerEnded_; });
    }

private:
    const Clock::time_point deadline_;
    std::atomic<Clock::rep> end_;
    std::atomic<bool> givenUp_{false};
    std::atomic<bool> inQueue_{false};
    int connectCancelled_ = 0;

    std::mutex mutex_;
    std::condition_variable changed_;
    QObject* home_;
    int socket_ = -1;
    std::optional<QByteArray> pdf_;
    bool workerEnded_ = false;
};

// How long the waits on one connection may last. libcups waits for each part of a reply
// as long as the connection's timeout, and asks the callback only for some waits: the
// timeout is set to the time left before each request.
struct Patience {
    JobState* state;
    bool sending; // the waits of the page's own connection also end when it is given up

    Clock::time_point until() const {
        return sending ? std::min(state->deadline(), state->end()) : state->end();
    }
    bool keepWaiting() const { return !(sending && state->givenUp()) && Clock::now() < until(); }
    void limit(http_t* http) {
        const double left = std::chrono::duration<double>(until() - Clock::now()).count();
        httpSetTimeout(http, std::max(0.01, left), &KeepWaiting, this);
    }
    static int KeepWaiting(http_t*, void* patience) {
        return static_cast<const Patience*>(patience)->keepWaiting() ? 1 : 0;
    }
};

http_t* Connect(Clock::time_point until, int* cancelled) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    if (ms.count() <= 0)
        return nullptr;
    return httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                        static_cast<int>(ms.count()), cancelled);
}

// No password prompts on the terminal from a worker thread.
const char* NoPassword(const char*, http_t*, const char*, const char*, void*) {
    return nullptr;
}

// A paper size: hundredths of a millimetre, and its PWG name.
struct PaperSize {
    int width;
    int length;
    QByteArray pwg;
};

// A paper's size by any of the names users and printers give it: PWG names
// ("iso_a4_210x297mm"), IPP legacy names ("na-letter") and PPD names ("A4", "Letter"). A
// media option may name a tray or a kind of paper as well, after a comma.
std::optional<PaperSize> Resolve(const char* media) {
    const QList<QByteArray> names = QByteArray(media).split(',');
    for (const QByteArray& name : names) {
        const pwg_media_t* size = pwgMediaForPWG(name.constData());
        if (!size)
            size = pwgMediaForLegacy(name.constData());
        if (!size)
            size = pwgMediaForPPD(name.constData());
        // Copied at once: libcups keeps a size it made up in a buffer of its own.
        if (size && size->width > 0 && size->length > 0)
            return PaperSize{size->width, size->length, size->pwg};
    }
    return std::nullopt;
}

// The paper to compose the page for, and its name for the job (empty: none asked for).
struct Paper {
    QPageLayout layout;
    QByteArray media;
};

// A request to the printer on behalf of this user.
ipp_t* NewRequest(ipp_op_t operation, const char* printer) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", printer);
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    return request;
}

void AskFor(ipp_t* request, std::initializer_list<const char*> attributes) {
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(attributes.size()), nullptr, std::data(attributes));
}

bool Successful(ipp_t* answer) {
    return answer && ippGetStatusCode(answer) <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

// Sends a request about job `id` of the printer; the answer, or null when none came.
ipp_t* AskAboutJob(http_t* http, ipp_op_t operation, const char* printer, int id) {
    ipp_t* request = NewRequest(operation, printer);
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", id);
    if (operation == IPP_OP_GET_JOB_ATTRIBUTES)
        AskFor(request, {"job-state", "job-state-reasons"});
    return cupsDoRequest(http, request, "/jobs/");
}

// The id of this user's unfinished job on the printer that has the given UUID: 0 when
// there is none, -1 when the print system did not answer.
int FindJob(http_t* http, const char* printer, const QByteArray& uuid) {
    ipp_t* request = NewRequest(IPP_OP_GET_JOBS, printer);
    ippAddBoolean(request, IPP_TAG_OPERATION, "my-jobs", 1);
    AskFor(request, {"job-id", "job-uuid"});
    ipp_t* answer = cupsDoRequest(http, request, "/");
    int id = Successful(answer) ? 0 : -1;
    // One group of attributes per job, in no set order, between separators.
    int job = 0;
    bool ours = false;
    const auto endOfJob = [&] {
        if (ours && id == 0)
            id = job;
        job = 0;
        ours = false;
    };
    for (ipp_attribute_t* a = ippFirstAttribute(answer); a; a = ippNextAttribute(answer)) {
        const char* name = ippGetName(a);
        if (!name)
            endOfJob();
        else if (!std::strcmp(name, "job-id"))
            job = ippGetInteger(a, 0);
        else if (!std::strcmp(name, "job-uuid"))
            ours = uuid == ippGetString(a, 0, nullptr);
    }
    endOfJob();
    ippDelete(answer);
    return id;
}

// Whether the print system holds the whole document of a job whose answer was lost.
enum class Held { Whole, Gone, NotWhole, Unknown };

Held WhatIsHeld(http_t* http, const char* printer, int id) {
    ipp_t* answer = AskAboutJob(http, IPP_OP_GET_JOB_ATTRIBUTES, printer, id);
    Held held = answer && ippGetStatusCode(answer) == IPP_STATUS_ERROR_NOT_FOUND ? Held::Gone
                                                                                 : Held::Unknown;
    if (Successful(answer)) {
        ipp_attribute_t* state = ippFindAttribute(answer, "job-state", IPP_TAG_ENUM);
        ipp_attribute_t* reasons = ippFindAttribute(answer, "job-state-reasons", IPP_TAG_KEYWORD);
        const bool incoming = reasons && ippContainsString(reasons, "job-incoming");
        switch (state ? static_cast<ipp_jstate_t>(ippGetInteger(state, 0)) : IPP_JSTATE_HELD) {
        case IPP_JSTATE_CANCELED:
        case IPP_JSTATE_ABORTED:
            held = Held::Gone;
            break;
        case IPP_JSTATE_PROCESSING:
        case IPP_JSTATE_COMPLETED:
            held = Held::Whole;
            break;
        default:
            held = incoming || !state ? Held::NotWhole : Held::Whole;
            break;
        }
    }
    ippDelete(answer);
    return held;
}

// Talks to the print system on the worker thread. `askForPage` hands the paper to the
// user-interface thread, which composes the page and offers it to the job's state.
class CupsJob {
public:
    CupsJob(JobState& state, const QString& title)
        : state_(state)
        , title_(title.toUtf8()) {}
    ~CupsJob() {
        closeSending();
        cupsFreeDestInfo(info_);
        cupsFreeDests(1, dest_);
    }
    CupsJob(const CupsJob&) = delete;
    CupsJob& operator=(const CupsJob&) = delete;

    template <class AskForPage> Outcome run(AskForPage askForPage) {
        cupsSetPasswordCB2(&NoPassword, nullptr);
        http_ = Connect(sending_.until(), state_.connectCancelled());
        if (!http_) {
            if (state_.givenUp())
                return {Outcome::NoAnswer};
            return {Outcome::Unreachable, cupsServer()};
        }
        state_.sendingOn(httpGetFd(http_));

        sending_.limit(http_);
        dest_ = cupsGetNamedDest(http_, nullptr, nullptr);
        if (!dest_) {
            // Only the print system's own answer says that there is no default printer.
            if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND && httpError(http_) == 0 &&
                !state_.givenUp())
                return {Outcome::NoDefaultPrinter};
            return failure();
        }
        sending_.limit(http_);
        info_ = cupsCopyDestInfo(http_, dest_);
        const Paper paper = chosenPaper();
        if (state_.givenUp())
            return {Outcome::NoAnswer};

        askForPage(paper.layout);
        const std::optional<QByteArray> pdf = state_.awaitPage();
        if (!pdf)
            return {Outcome::NoAnswer};
        return send(*pdf, paper.media);
    }

private:
    // The paper the destination's own media option names (the user's choice, or the
    // printer's default as the print system reports it), else the printer's
    // media-default; its margins are the printer's unprintable edges on it.
    Paper chosenPaper() {
        std::optional<PaperSize> size;
        if (const char* media = cupsGetOption("media", dest_->num_options, dest_->options))
            size = Resolve(media);
        if (!size && info_)
            if (ipp_attribute_t* media = cupsFindDestDefault(http_, dest_, info_, "media"))
                size = Resolve(ippGetString(media, 0, nullptr));
        if (!size)
            return {host->fallbackPaper(), {}};

        // Hundredths of a millimetre. Of the printer's entries for this size, the one with
        // the widest edges; the others print without a border.
        QMarginsF edges;
        const int count = info_ ? cupsGetDestMediaCount(http_, dest_, info_, 0) : 0;
        for (int i = 0; i < count; ++i) {
            cups_size_t entry{};
            if (cupsGetDestMediaByIndex(http_, dest_, info_, i, 0, &entry) &&
                std::abs(entry.width - size->width) <= 100 &&
                std::abs(entry.length - size->length) <= 100 &&
                entry.left + entry.right + entry.top + entry.bottom >
                    edges.left() + edges.right() + edges.top() + edges.bottom())
                edges = QMarginsF(entry.left, entry.top, entry.right, entry.bottom);
        }
        return {
            QPageLayout(QPageSize(QSizeF(size->width, size->length) / 100.0, QPageSize::Millimeter),
                        QPageLayout::Portrait, edges / 100.0, QPageLayout::Millimeter),
            size->pwg};
    }

    Outcome send(const QByteArray& pdf, const QByteArray& media) {
        // The user's options for the printer, with the paper the page was composed for.
        cups_option_t* options = nullptr;
        int count = 0;
        for (int i = 0; i < dest_->num_options; ++i)
            if (std::strcmp(dest_->options[i].name, "media") != 0)
                count =
                    cupsAddOption(dest_->options[i].name, dest_->options[i].value, count, &options);
        if (!media.isEmpty())
            count = cupsAddOption("media", media.constData(), count, &options);
        // The job's own UUID finds it again should the answer to Create-Job be lost.
        const QByteArray uuid = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
        ipp_t* request = NewRequest(IPP_OP_CREATE_JOB, dest_->name);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
                     title_.constData());
        for (ipp_tag_t group : {IPP_TAG_OPERATION, IPP_TAG_JOB})
            cupsEncodeOptions2(request, count, options, group);
        cupsFreeOptions(count, options);
        ippAddString(request, IPP_TAG_JOB, IPP_TAG_URI, "job-uuid", nullptr,
                     ("urn:uuid:" + uuid).constData());
        sending_.limit(http_);
        ipp_t* created = cupsDoRequest(http_, request, resource().constData());
        ipp_attribute_t* job = ippFindAttribute(created, "job-id", IPP_TAG_INTEGER);
        const int id = Successful(created) && job ? ippGetInteger(job, 0) : 0;
        const bool answered = created;
        ippDelete(created);
        if (id <= 0) {
            const Outcome why = failure();
            // Unanswered, the job may have been created all the same: without its page.
            if (!answered)
                takeBack(0, "urn:uuid:" + uuid);
            return why;
        }
        state_.setInQueue(true);

        sending_.limit(http_);
        ipp_t* answer = nullptr;
        if (cupsStartDocument(http_, dest_->name, id, title_.constData(), CUPS_FORMAT_PDF, 1) ==
                HTTP_STATUS_CONTINUE &&
            cupsWriteRequestData(http_, pdf.constData(), static_cast<size_t>(pdf.size())) ==
                HTTP_STATUS_CONTINUE)
            answer = cupsGetResponse(http_, resource().constData());
        const bool taken = Successful(answer);
        const Outcome refused = answer && !taken ? Outcome{Outcome::Refused, cupsLastErrorString()}
                                                 : Outcome{Outcome::NoAnswer};
        ippDelete(answer);
        if (taken) {
            state_.setInQueue(false);
            return {};
        }
        // A job without its whole page must not stay in the queue.
        switch (takeBack(id, {})) {
        case Held::Whole:
            return {};
        case Held::Gone:
            return refused;
        default:
            return {Outcome::MayStillComeOut};
        }
    }

    // Over a fresh connection: if the print system holds the whole page, the job is
    // printed; otherwise it is cancelled. Gone when it is no longer in the queue, NotWhole
    // when it could not be cancelled. A job whose id never came is found by its UUID.
    Held takeBack(int id, const QByteArray& uuid) {
        closeSending();
        Patience patience{&state_, false};
        http_t* http = Connect(patience.until(), nullptr);
        if (!http)
            return Held::NotWhole;
        patience.limit(http);
        if (id == 0)
            id = FindJob(http, dest_->name, uuid);
        Held held = id > 0    ? WhatIsHeld(http, dest_->name, id)
                    : id == 0 ? Held::Gone
                              : Held::NotWhole;
        if (id > 0 && (held == Held::NotWhole || held == Held::Unknown)) {
            patience.limit(http);
            ipp_t* answer = AskAboutJob(http, IPP_OP_CANCEL_JOB, dest_->name, id);
            held = Successful(answer) ? Held::Gone : Held::NotWhole;
            ippDelete(answer);
        }
        httpClose(http);
        if (held != Held::NotWhole)
            state_.setInQueue(false);
        return held;
    }

    QByteArray resource() const { return "/printers/" + QByteArray(dest_->name); }

    void closeSending() {
        state_.doneSending();
        httpClose(std::exchange(http_, nullptr));
    }

    // Why a request failed: the print system's own reason when it gave one.
    Outcome failure() const {
        if (!state_.givenUp() && httpError(http_) == 0 &&
            cupsLastError() >= IPP_STATUS_REDIRECTION_OTHER_SITE)
            return {Outcome::Refused, cupsLastErrorString()};
        return {Outcome::NoAnswer};
    }

    JobState& state_;
    Patience sending_{&state_, true};
    QByteArray title_;
    http_t* http_ = nullptr;
    cups_dest_t* dest_ = nullptr;
    cups_dinfo_t* info_ = nullptr;
};

class CupsPrinterTarget final : public PrintTarget {
public:
    ~CupsPrinterTarget() override {
        const Clock::time_point until = Clock::now() + kClosingTimeout;
        for (Job& job : jobs_)
            job.state->close(until);
        for (Job& job : jobs_) {
            if (job.state->awaitWorker(until + 100ms))
                job.worker.join();
            else
                job.worker.detach(); // it holds its own share of the state
        }
    }

    void send(ScreenRecording page, Done done) override {
        Job& job = jobs_.emplace_back();
        job.page = std::move(page);
        job.done = std::move(done);
        job.state = std::make_shared<JobState>(Clock::now() + kPrintTimeout, &context_);
        // At the deadline the page is given up, whatever the worker is waiting on; a little
        // after the time for taking the job back the user is told, should the worker still
        // be stuck (in a name look-up).
        for (QTimer* timer : {&job.deadline, &job.watch}) {
            timer->setSingleShot(true);
            timer->setTimerType(Qt::PreciseTimer); // a coarse one may end the job early
        }
        QObject::connect(&job.deadline, &QTimer::timeout, &context_,
                         [state = job.state] { state->giveUp(); });
        QObject::connect(&job.watch, &QTimer::timeout, &context_, [&job] {
            job.report(Outcome{job.state->inQueue() ? Outcome::MayStillComeOut : Outcome::NoAnswer}
                           .words());
        });
        job.deadline.start(kPrintTimeout);
        job.watch.start(kPrintTimeout + kTakeBackTimeout + 500ms);

        Job* handle = &job;
        job.worker = std::thread([this, handle, state = job.state, title = job.page.caption] {
            {
                CupsJob cups(*state, title);
                const Outcome outcome = cups.run([this, handle, &state](const QPageLayout& paper) {
                    state->post([this, handle, paper] { compose(handle, paper); });
                });
                state->post([this, handle, outcome] { finish(handle, outcome.words()); });
            }
            state->workerEnded();
        });
    }

private:
    // A job as the user-interface thread keeps it, until its worker has ended.
    struct Job {
        ScreenRecording page;
        Done done;
        std::shared_ptr<JobState> state;
        QTimer deadline;
        QTimer watch;
        std::thread worker;

        void report(const QString& whyNot) {
            deadline.stop();
            watch.stop();
            if (Done once = std::exchange(done, nullptr))
                once(whyNot);
        }
    };

    static void compose(Job* job, const QPageLayout& paper) {
        if (!job->state->givenUp())
            job->state->offerPage(host->composePdf(job->page, paper));
    }

    void finish(Job* job, const QString& whyNot) {
        job->worker.join();
        job->report(whyNot);
        jobs_.remove_if([job](const Job& j) { return &j == job; });
    }

    QObject context_; // the user-interface thread's end of every job
    std::list<Job> jobs_;
};

} // namespace
} // namespace rula

extern "C" Q_DECL_EXPORT rula::PrintTarget*
rula_make_print_target(int version, const rula::PrintModuleHost* host) {
    if (version != rula::kPrintModuleVersion || !host)
        return nullptr;
    rula::host = host;
    return new rula::CupsPrinterTarget;
}
