#include "photo/photo_window.h"

#include "photo/angle_words.h"
#include "photo/kept_photo.h"
#include "photo/measurement_drawing.h"
#include "photo/photo_file.h"
#include "photo/photo_view.h"
#include "printing/printing.h"
#include "screens/caption_fit.h"
#include "screens/live_assessment.h"
#include "screens/measured_posture.h"
#include "screens/screen_set.h"
#include "screens/screen_shell.h"
#include "screens/twips.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace rula {
namespace {

// The window's geometry in twips. The view takes what the side panel leaves.
constexpr QSize kWindowTwips{15000, 11400};
constexpr int kPanelWidthTwips = 4200;
constexpr int kMarginTwips = 180;
constexpr int kSpacingTwips = 90;
constexpr int kGapToScreenTwips = 120;
// Narrower than tall, the window has its panel under the photo; beside a screen it may be
// as narrow as the panel's controls allow. The photo is not shown smaller than this.
constexpr int kSmallestViewTwips = 2400;
// The shape the view takes before a photo is opened: a camera's 3:2, held level.
constexpr QSize kCameraShape{3, 2};
// The printed page: the photo fitted into this box, the facing and the angles under it.
constexpr QSize kPrintedPhotoTwips{10500, 13500};

// When the program closes, how long it waits for a photo still decoding (a phone's
// 12-megapixel HEIC takes about two seconds) before it leaves the worker to finish alone.
constexpr auto kClosingWait = std::chrono::seconds(3);

// The workers decoding photos, counted so that the program can let them end before it
// does. Never destroyed: a worker left running still counts itself out.
class DecodeWorkers {
public:
    static DecodeWorkers& Get() {
        static auto* workers = new DecodeWorkers;
        return *workers;
    }
    void started() {
        const std::lock_guard lock(mutex_);
        ++running_;
    }
    void ended() {
        const std::lock_guard lock(mutex_);
        --running_;
        ended_.notify_all();
    }
    bool awaitAll(std::chrono::milliseconds within) {
        std::unique_lock lock(mutex_);
        return ended_.wait_for(lock, within, [this] { return running_ == 0; });
    }

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    int running_ = 0;
};

// The scroll area of the angles and their words: it asks for this many lines, gets at
// least the fewer, and takes whatever height more the layout gives it.
constexpr int kReadingLines = 12;
constexpr int kReadingLeastLines = 8;

class ReadingArea final : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        return {QScrollArea::sizeHint().width(), kReadingLines * fontMetrics().lineSpacing()};
    }
};

QSize PixelsOf(QSize twips) {
    return ToPixels(twips.width(), twips.height());
}

QString Prompt(const PhotoMeasurement& measurement, const PhotoView& view) {
    if (!view.hasPhoto())
        return PhotoWindow::tr("Open a photo of the worker seen from the side.");
    if (view.drawingPlumb())
        return view.shown().plumbStart
                   ? PhotoWindow::tr("Click the other end of the plumb line, or move the cross "
                                     "there with the arrow keys and press Enter")
                   : PhotoWindow::tr("Click one end of something vertical for the plumb line, "
                                     "or move the cross there with the arrow keys and press "
                                     "Enter");
    switch (measurement.step()) {
    case PhotoMeasurement::Step::Facing:
        return PhotoWindow::tr("Which way does the worker face?");
    case PhotoMeasurement::Step::Point: {
        // With a point selected the arrow keys move that point; Esc lets go of it.
        const QString name = QCoreApplication::translate("rula::PhotoWindow",
                                                         LandmarkName(*measurement.wantedPoint()));
        return view.selected()
                   ? PhotoWindow::tr("Click the %1, or press Esc, move the cross with the arrow "
                                     "keys and press Enter")
                         .arg(name)
                   : PhotoWindow::tr("Click the %1, or move the cross with the arrow keys and "
                                     "press Enter")
                         .arg(name);
    }
    case PhotoMeasurement::Step::Done:
        break;
    }
    return PhotoWindow::tr("Drag a point to move it, or select it (N and P select from the "
                           "keyboard) and use the arrow keys.");
}

QString FacingWords(std::optional<Facing> facing) {
    if (!facing)
        return PhotoWindow::tr("Facing not chosen");
    return *facing == Facing::Left ? PhotoWindow::tr("Facing left")
                                   : PhotoWindow::tr("Facing right");
}

// The panel's scroll area: it asks for the whole panel at the width it is given, so that
// under the photo the panel shows whole where the window has room, and scrolls where not.
class PanelArea final : public QScrollArea {
public:
    explicit PanelArea(QWidget* parent)
        : QScrollArea(parent) {
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFocusPolicy(Qt::NoFocus); // the panel's controls are the tab stops
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return PanelHeight(widget(), width); }
    QSize sizeHint() const override {
        return {widget()->sizeHint().width(), PanelHeight(widget(), width())};
    }
    QSize minimumSizeHint() const override { return {0, 0}; }

    // The height `panel` takes at `width`, all of it on view.
    static int PanelHeight(const QWidget* panel, int width) {
        const int height = panel->hasHeightForWidth() ? panel->heightForWidth(width) : -1;
        return height > 0 ? height : panel->sizeHint().height();
    }
};

// A line of words broken where needed to fit `width`, at spaces.
QStringList Wrapped(const QString& line, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString current;
    for (const QString& word : line.split(QLatin1Char(' '))) {
        const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << current;
            current = word;
        } else {
            current = longer;
        }
    }
    return lines << current;
}

// The page that Print records: the photo with its measurement, the facing and the
// angles in words, each line broken to the photo's width where it is longer. Never
// shown; RecordScreen draws it.
class PrintedPhoto final : public QWidget {
public:
    PrintedPhoto(const QImage& photo, QSize photoSize, MeasurementShown shown,
                 const QStringList& lines)
        : photo_(photo)
        , photoSize_(photoSize)
        , shown_(std::move(shown)) {
        font_ = TimesFont(10);
        const QSize box = PixelsOf(kPrintedPhotoTwips);
        for (const QString& line : lines)
            lines_ << Wrapped(line, QFontMetrics(font_), box.width());
        scale_ = std::min(box.width() / double(photoSize.width()),
                          box.height() / double(photoSize.height()));
        photoRect_ = QRectF(0, 0, photoSize.width() * scale_, photoSize.height() * scale_);
        const int lineHeight = QFontMetrics(font_).lineSpacing();
        resize(box.width(),
               int(photoRect_.height()) + lineHeight / 2 + lineHeight * int(lines_.size()) + 2);
        setWindowTitle(PhotoWindow::tr("Photo - Rula"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(photoRect_, photo_);
        PaintMeasurement(painter, shown_, QTransform::fromScale(scale_, scale_), photoRect_);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(photoRect_.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.setFont(font_);
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics metrics(font_);
        double y = photoRect_.bottom() + metrics.lineSpacing() / 2.0 + metrics.ascent();
        for (const QString& line : lines_) {
            painter.drawText(QPointF(0, y), line);
            y += metrics.lineSpacing();
        }
    }

private:
    QImage photo_;
    QSize photoSize_;
    MeasurementShown shown_;
    QStringList lines_;
    QFont font_;
    double scale_ = 1;
    QRectF photoRect_;
};

} // namespace

// What the window and a worker share about one photo being decoded: where the result
// goes, until the window gives the photo up. The worker holds nothing else of the
// window's: the PhotoFile and the image are its own until they are handed back.
class PhotoWindow::HandOver {
public:
    explicit HandOver(QObject* home)
        : home_(home) {}
    // Runs `call` on the window's thread, unless the window has given the photo up.
    template <class Call> void post(Call call) {
        const std::lock_guard lock(mutex_);
        if (home_)
            QMetaObject::invokeMethod(home_, std::move(call), Qt::QueuedConnection);
    }
    void giveUp() {
        const std::lock_guard lock(mutex_);
        home_ = nullptr;
    }

private:
    std::mutex mutex_;
    QObject* home_;
};

struct PhotoWindow::Opening {
    std::shared_ptr<HandOver> handOver;
    QSize size;                        // upright: the window has taken its shape
    QString prompt;                    // what the panel says meanwhile
    std::optional<MeasuredPhoto> kept; // the measurement a kept photo comes with
};

struct PhotoWindow::Decoded {
    std::unique_ptr<PhotoFile> file;
    std::variant<QImage, PhotoError> image;
};

PhotoWindow::PhotoWindow(ScreenSet& screens)
    : QWidget(nullptr, Qt::Window)
    , screens_(screens) {
    setObjectName(QStringLiteral("PhotoWindow"));
    setWindowTitle(tr("Photo - Rula"));
    setAcceptDrops(true);
    resize(PixelsOf(kWindowTwips));

    view_ = new PhotoView(measurement_, this);
    connect(view_, &PhotoView::changed, this, [this] {
        used_->clear();
        refresh();
    });
    connect(view_, &PhotoView::selectionChanged, this, &PhotoWindow::refresh);

    auto* panel = panel_ = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(ToPixels(kSpacingTwips));
    const auto addLabel = [&](const char* name, const QString& text, QBoxLayout* into = nullptr) {
        auto* label = new QLabel(text, panel);
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
        (into ? into : column)->addWidget(label);
        return label;
    };
    const auto addButton = [&](const char* name, const QString& caption, QLayout* into) {
        auto* button = new QPushButton(caption, panel);
        button->setObjectName(QLatin1String(name));
        into->addWidget(button);
        return button;
    };

    auto* open = addButton("OpenPhoto", tr("&Open a Photo…"), column);
    connect(open, &QPushButton::clicked, this, &PhotoWindow::chooseFile);
    addLabel("Advice", tr("Take the photo from the side, with the camera at shoulder height and "
                          "square to the body, and the whole worker in the frame."));
    prompt_ = addLabel("Prompt", {});
    prompt_->setFont(TimesFont(12, true));

    auto* facing = new QHBoxLayout;
    facingLeft_ = addButton("FacingLeft", tr("Facing &left"), facing);
    facingRight_ = addButton("FacingRight", tr("Facing &right"), facing);
    for (QPushButton* button : {facingLeft_, facingRight_})
        button->setCheckable(true);
    column->addLayout(facing);
    connect(facingLeft_, &QPushButton::clicked, this, [this] { chooseFacing(Facing::Left); });
    connect(facingRight_, &QPushButton::clicked, this, [this] { chooseFacing(Facing::Right); });

    auto* tools = new QHBoxLayout;
    plumb_ = addButton("PlumbLine", tr("Draw a Plum&b Line"), tools);
    undo_ = addButton("Undo", tr("Un&do"), tools);
    column->addLayout(tools);
    connect(plumb_, &QPushButton::clicked, this, [this] {
        view_->startPlumbLine();
        view_->setFocus(Qt::OtherFocusReason);
    });
    connect(undo_, &QPushButton::clicked, this, &PhotoWindow::undo);

    // The angles, what Use These Angles did with them, and what they rest on: as tall as
    // the window allows, and scrolled beyond that.
    reading_ = new ReadingArea(panel);
    reading_->setObjectName(QStringLiteral("Reading"));
    reading_->setFrameShape(QFrame::NoFrame);
    reading_->setWidgetResizable(true);
    reading_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reading_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    reading_->setMinimumHeight(kReadingLeastLines * fontMetrics().lineSpacing());
    auto* page = new QWidget;
    auto* lines = new QVBoxLayout(page);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(ToPixels(kSpacingTwips));
    // Which side the photo shows: the facing says it, the user may say otherwise (a
    // photo taken from behind a screen, a mirror).
    sideChoice_ = new QComboBox(page);
    sideChoice_->setObjectName(QStringLiteral("Side"));
    sideChoice_->addItem(tr("Right side facing the camera"));
    sideChoice_->addItem(tr("Left side facing the camera"));
    // Above the angles, where it scrolls with them: the panel's size decides where the
    // window fits beside a screen.
    sideChoice_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    sideChoice_->setMinimumContentsLength(8);
    sideChoice_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto* sideLabel = addLabel("SideLabel", tr("&Side:"), lines);
    sideLabel->setBuddy(sideChoice_);
    lines->addWidget(sideChoice_);
    connect(sideChoice_, &QComboBox::activated, this,
            [this](int index) { side_ = index == 0 ? Side::Right : Side::Left; });
    QLabel* heading = addLabel("AnglesHeading", tr("Angles"), lines);
    heading->setFont(TimesFont(12, true));
    for (std::size_t i = 0; i < angles_.size(); ++i)
        angles_[i] = addLabel(qPrintable(QStringLiteral("Angle%1").arg(i + 1)), {}, lines);
    tilt_ = addLabel("Tilt", {}, lines);
    used_ = addLabel("Used", {}, lines);
    const QLocale locale;
    addLabel("Limits",
             tr("The upper arm is measured against the trunk line, as the shoulder's flexion "
                "is; so is the neck, from the shoulder to the ear, taking the ear to be over "
                "the shoulder when the neck is upright. Only the trunk is measured against "
                "the vertical.\n"
                "A side view cannot show a raised shoulder, abduction, a supported arm, "
                "working across the mid-line or out to the side, wrist deviation and twist, "
                "neck or trunk twist and side-bend, the legs' support, or whether a seated "
                "trunk is well supported: these stay yours to judge. A limb moving out of "
                "the photo's plane reads smaller than it is: an arm raised %1° in the "
                "scapular plane reads about %2°.")
                 .arg(locale.toString(60), locale.toString(41)),
             lines);
    lines->addStretch(1);
    reading_->setWidget(page);
    column->addWidget(reading_, 1);

    use_ = addButton("UseAngles", tr("&Use These Angles"), column);
    connect(use_, &QPushButton::clicked, this, &PhotoWindow::useTheseAngles);
    addLabel("UseNote", tr("Chooses the posture on the upper arm, lower arm, wrist, neck and "
                           "trunk screens; the frequency and force screen stays yours."));
    print_ = addButton("Print", tr("&Print"), column);
    connect(print_, &QPushButton::clicked, this, &PhotoWindow::printPhoto);

    auto* row = row_ = new QBoxLayout(QBoxLayout::LeftToRight, this);
    const int margin = ToPixels(kMarginTwips);
    row->setContentsMargins(margin, margin, margin, margin);
    row->setSpacing(margin);
    row->addWidget(view_, 1);
    panelArea_ = new PanelArea(this);
    panelArea_->setWidget(panel);
    row->addWidget(panelArea_);

    const auto addShortcut = [this](QKeySequence keys, auto handler) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    addShortcut(QKeySequence::Open, &PhotoWindow::chooseFile);
    addShortcut(QKeySequence::Undo, &PhotoWindow::undo);
    addShortcut(QKeySequence::Print, &PhotoWindow::printPhoto);
    // Esc gives up a photo still decoding; the photo shown before comes back. Enabled only
    // then: otherwise Esc is the view's.
    giveUp_ = new QAction(this);
    giveUp_->setShortcut(Qt::Key_Escape);
    connect(giveUp_, &QAction::triggered, this, [this] {
        if (!opening_)
            return;
        stopOpening();
        arrange(shape(), false);
    });
    addAction(giveUp_);
    refresh();
    // The prompt keeps room for two lines, so that the photo over the panel does not change
    // size each time a longer prompt wraps, and the window is sized for them from the start.
    prompt_->setMinimumHeight(2 * QFontMetrics(prompt_->font()).lineSpacing());
    // A screen coming on view where this window stands: the window steps aside.
    qApp->installEventFilter(this);
}

// The view reads the record and tells the window as it loses the keyboard, which closing
// the window makes it do: it goes first, while both are whole.
PhotoWindow::~PhotoWindow() {
    if (opening_)
        opening_->handOver->giveUp();
    delete view_;
}

bool PhotoWindow::openFile(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return showOpened(PhotoFile::open(path), name.isEmpty() ? path : name, std::nullopt);
}

bool PhotoWindow::showKept(const MeasuredPhoto& kept) {
    return showOpened(OpenKeptPhoto(kept.jpeg), {}, kept);
}

// The file is opened here (its header: the format, the size, the orientation), so that
// the window takes the photo's shape at once; the decode goes to a worker thread, which
// owns the PhotoFile until it hands it back with the image. Meanwhile the photo shown
// before stays this window's, and untouched: nothing is placed on it.
bool PhotoWindow::showOpened(std::variant<std::unique_ptr<PhotoFile>, PhotoError> opened,
                             const QString& name, std::optional<MeasuredPhoto> kept) {
    if (auto* error = std::get_if<PhotoError>(&opened)) {
        tell(error->message);
        return false;
    }
    stopOpening(); // a photo still decoding gives way to this one
    auto file = std::move(std::get<std::unique_ptr<PhotoFile>>(opened));
    // The window takes the photo's shape; the photo is decoded for the view's pixels as
    // it is laid out then.
    const QSize size = file->uprightSize();
    arrange(size, false);
    layout()->activate();
    const QSize fit = (QSizeF(view_->size()) * devicePixelRatioF()).toSize();

    const bool fromFile = !kept.has_value();
    opening_ = std::make_unique<Opening>(
        Opening{std::make_shared<HandOver>(this), size,
                fromFile ? tr("Opening %1… Esc gives up.").arg(name)
                         : tr("Opening the photo kept with the assessment… Esc gives up."),
                std::move(kept)});
    view_->startOpening(fromFile ? tr("Opening %1…").arg(name)
                                 : tr("Opening the photo kept with the assessment…"),
                        opening_->prompt);
    refresh();

    DecodeWorkers::Get().started();
    // `this` only travels with the result: the call runs on this thread, and only while
    // the window that is its context lives.
    std::thread([this, handOver = opening_->handOver, file = std::move(file), fit]() mutable {
        auto decoded = std::make_shared<Decoded>();
        decoded->image = file->decodeToFit(fit);
        decoded->file = std::move(file);
        // Not posted, the photo and its image go here, on this thread.
        handOver->post([this, handOver, decoded = std::move(decoded)] {
            finishOpening(*handOver, std::move(*decoded));
        });
        DecodeWorkers::Get().ended();
    }).detach();
    return true;
}

void PhotoWindow::finishOpening(const HandOver& which, Decoded decoded) {
    if (!opening_ || opening_->handOver.get() != &which)
        return; // given up: another photo, Esc or closing came first
    const std::unique_ptr<Opening> opening = std::move(opening_);
    if (auto* error = std::get_if<PhotoError>(&decoded.image)) {
        view_->endOpening();
        arrange(shape(), false);
        refresh();
        tell(error->message);
        return;
    }
    // The view lets go of the photo shown before on the next line.
    file_ = std::move(decoded.file);
    if (const auto& kept = opening->kept) {
        kept_ = kept->jpeg;
        measurement_.restore(kept->facing, kept->points, kept->plumb);
    } else {
        kept_.reset();
        measurement_.reset();
    }
    view_->setPhoto(file_.get(), std::move(std::get<QImage>(decoded.image)));
    side_.reset();
    used_->clear();
    refresh();
}

void PhotoWindow::stopOpening() {
    if (!opening_)
        return;
    opening_->handOver->giveUp();
    opening_.reset();
    view_->endOpening();
    refresh();
}

void PhotoWindow::chooseFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open a Photo"), QString(),
        tr("Photos (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif);;All files (*)"));
    if (!path.isEmpty())
        openFile(path);
}

void PhotoWindow::showBeside() {
    const ScreenShell* onView = screens_.onView();
    if (!shownBefore_ || (onView && frameGeometry().intersects(onView->frameGeometry()))) {
        shownBefore_ = true;
        arrange(shape(), false);
    }
    show();
    raise();
    activateWindow();
    if (!focusWidget())
        view_->setFocus(Qt::OtherFocusReason);
}

Side PhotoWindow::side() const {
    if (side_)
        return *side_;
    // Facing right in the photo, the worker's right side is toward the camera.
    if (const auto facing = measurement_.facing())
        return *facing == Facing::Right ? Side::Right : Side::Left;
    return Side::NotSaid;
}

QSize PhotoWindow::shape() const {
    if (opening_)
        return opening_->size;
    return file_ ? file_->uprightSize() : kCameraShape;
}

// Where the window stands: left or right of the screen on view (its frame and a gap
// apart), within the available area of the screen that shows it, with its panel beside
// the photo or under it, whichever shows the photo larger; the view takes the photo's
// shape, so that a landscape photo gets a wide view, and the panel shows whole where the
// area's height allows. Where neither side has room, the window gives way: with
// `giveWay` (another screen came on view) it stays where it is, behind the screen, which
// stays whole; at the user's own request it stands at the edge of the wider side, as
// large as the area allows, over part of the screen.
void PhotoWindow::arrange(QSize photo, bool giveWay) {
    const ScreenShell* onView = screens_.onView();
    const QScreen* screen = onView ? onView->screen() : QGuiApplication::primaryScreen();
    if (!screen || photo.isEmpty())
        return;
    const QRect area = screen->availableGeometry();
    // The window manager's frame: this window's once shown, else that of the screen on
    // view, else a title bar and thin edges (a screen just shown has no frame yet).
    const auto frameOf = [](const QWidget* w) {
        const QRect f = w->frameGeometry(), g = w->geometry();
        return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(),
                        f.bottom() - g.bottom());
    };
    QMargins frame = isVisible() ? frameOf(this) : onView ? frameOf(onView) : QMargins();
    if (frame.isNull() && !isVisible())
        frame = QMargins(2, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4, 2, 6);
    const int margin = ToPixels(kMarginTwips), gap = ToPixels(kGapToScreenTwips);
    const int panelWidth = WidthForCaptions(*panel_, ToPixels(kPanelWidthTwips));
    const int smallest = ToPixels(kSmallestViewTwips);
    const int narrowest = std::max(panel_->minimumSizeHint().width(), smallest) + 2 * margin;
    const auto panelHeight = [this](int width) { return PanelArea::PanelHeight(panel_, width); };

    // The window's client size that shows the photo largest within `room` (a frame's
    // room), and the view's area then; an empty size where the photo would be too small.
    const auto fit = [&](QSize room) {
        const QSize inside = room.shrunkBy(frame);
        QSize best;
        double shown = 0;
        for (bool under : {false, true}) {
            QSize view, size;
            if (under) {
                // The panel's height depends on its width, which is the photo's.
                int width = inside.width() - 2 * margin;
                for (int i = 0; i < 3; ++i) {
                    const int panel = std::max(width, narrowest - 2 * margin);
                    const QSize most(inside.width() - 2 * margin,
                                     inside.height() - 3 * margin - panelHeight(panel));
                    view = most.isEmpty() ? QSize() : photo.scaled(most, Qt::KeepAspectRatio);
                    size = QSize(std::max(view.width(), panel) + 2 * margin,
                                 view.height() + panelHeight(panel) + 3 * margin);
                    if (view.width() == width)
                        break;
                    width = view.width();
                }
                // The window puts its panel under the photo only while narrower than tall.
                if (size.width() >= size.height())
                    continue;
            } else {
                const QSize most(inside.width() - panelWidth - 3 * margin,
                                 inside.height() - 2 * margin);
                view = most.isEmpty() ? QSize() : photo.scaled(most, Qt::KeepAspectRatio);
                size = QSize(view.width() + panelWidth + 3 * margin,
                             std::min(std::max(view.height(), panelHeight(panelWidth)) + 2 * margin,
                                      inside.height()));
                if (size.width() < size.height())
                    continue;
            }
            if (view.width() < smallest || view.height() < smallest ||
                size.width() > inside.width() || size.height() > inside.height())
                continue;
            if (const double seen = double(view.width()) * view.height(); seen > shown) {
                shown = seen;
                best = size;
            }
        }
        return std::pair(best, shown);
    };

    // The rooms beside the screen on view, the side the window stands on first.
    struct Room {
        QRect frame; // where the window's frame may go
        bool left;   // left of the screen on view: the window stands at its right edge
    };
    std::vector<Room> rooms;
    if (onView) {
        const QRect screenFrame = onView->frameGeometry();
        rooms.push_back({QRect(QPoint(area.left(), area.top()),
                               QPoint(screenFrame.left() - gap - 1, area.bottom())),
                         true});
        rooms.push_back(
            {QRect(QPoint(screenFrame.right() + gap + 1, area.top()), area.bottomRight()), false});
        if (isVisible() && frameGeometry().center().x() > screenFrame.center().x())
            std::swap(rooms[0], rooms[1]);
    } else {
        rooms.push_back({area, true});
    }
    std::optional<Room> chosen;
    QSize client;
    double shown = 0;
    for (const Room& room : rooms) {
        // The first room unless the other shows the photo larger.
        if (const auto [size, seen] = fit(room.frame.size()); seen > shown * 1.02) {
            chosen = room;
            client = size;
            shown = seen;
        }
    }
    if (!chosen) {
        if (giveWay) {
            if (onView && frameGeometry().intersects(onView->frameGeometry()))
                lower();
            return;
        }
        const auto wider = std::max_element(rooms.begin(), rooms.end(), [](auto& a, auto& b) {
            return a.frame.width() < b.frame.width();
        });
        chosen = Room{area, !wider->left};
        client = fit(area.size()).first;
        if (client.isEmpty())
            client = QSize(narrowest, area.height()).shrunkBy(frame);
    }
    const QSize outer = client.grownBy(frame);
    const int x = chosen->left ? chosen->frame.right() + 1 - outer.width() : chosen->frame.left();
    const int y = area.top() + (area.height() - outer.height()) / 2;
    resize(client);
    move(std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - outer.width())), y);
}

bool PhotoWindow::eventFilter(QObject* watched, QEvent* event) {
    // The screen that comes on view is placed by then; once the one it follows has gone,
    // the window steps aside if the two meet.
    if (event->type() == QEvent::Show && isVisible() && qobject_cast<ScreenShell*>(watched))
        QTimer::singleShot(0, this, [this] {
            const ScreenShell* onView = screens_.onView();
            if (isVisible() && onView && frameGeometry().intersects(onView->frameGeometry()))
                arrange(shape(), true);
        });
    return QWidget::eventFilter(watched, event);
}

void PhotoWindow::chooseFacing(Facing facing) {
    if (view_->hasPhoto()) {
        measurement_.setFacing(facing);
        side_.reset();
        used_->clear();
    }
    view_->measurementChanged();
    refresh();
    view_->setFocus(Qt::OtherFocusReason);
}

void PhotoWindow::undo() {
    if (view_->hasPhoto() && measurement_.undo()) {
        used_->clear();
        view_->measurementChanged();
        refresh();
    }
}

void PhotoWindow::refresh() {
    // No photo to work on while one decodes: the one shown before waits untouched.
    const bool photo = view_->hasPhoto();
    prompt_->setText(opening_ ? opening_->prompt : Prompt(measurement_, *view_));
    giveUp_->setEnabled(opening_ != nullptr);
    const auto facing = measurement_.facing();
    facingLeft_->setChecked(facing == Facing::Left);
    facingRight_->setChecked(facing == Facing::Right);
    sideChoice_->setEnabled(photo && facing.has_value());
    sideChoice_->setCurrentIndex(side() == Side::Left ? 1 : 0);
    for (QPushButton* button : {facingLeft_, facingRight_, plumb_, print_})
        button->setEnabled(photo);
    undo_->setEnabled(photo && measurement_.canUndo());
    const BodyAngles angles = measurement_.angles();
    const auto lines = ListedAngles(angles);
    for (std::size_t i = 0; i < lines.size(); ++i)
        angles_[i]->setText(ListedLine(lines[i]));
    const QString tilt = tiltLine();
    tilt_->setText(tilt);
    tilt_->setVisible(!tilt.isEmpty());
    used_->setVisible(!used_->text().isEmpty());
    use_->setEnabled(photo && canUseAngles());
}

// All points placed, and at least one angle measured: six points on one pixel measure none.
bool PhotoWindow::canUseAngles() const {
    if (measurement_.step() != PhotoMeasurement::Step::Done)
        return false;
    const auto lines = ListedAngles(measurement_.angles());
    return std::any_of(lines.begin(), lines.end(),
                       [](const AngleLine& line) { return line.degrees.has_value(); });
}

QString PhotoWindow::tiltLine() const {
    const auto plumb = measurement_.plumb();
    const auto tilt = plumb ? PlumbTilt(*plumb) : std::nullopt;
    return tilt ? TiltWords(*tilt) : QString();
}

void PhotoWindow::useTheseAngles() {
    if (!view_->hasPhoto() || !canUseAngles())
        return;
    used_->setText(UsedLines(UsePostureAngles(screens_, measurement_.angles())).join('\n'));
    // The assessment takes the side the photo shows and keeps the photo it was measured on:
    // the one it came from when that was a kept photo, else the photo made small enough.
    LiveAssessment& live = screens_.assessment();
    live.edit([this](Assessment& a) { a.side = side(); });
    std::optional<MeasuredPhoto> photo = KeepPhoto(*file_, measurement_);
    if (photo && kept_ && QSize(photo->width, photo->height) == file_->uprightSize())
        photo->jpeg = *kept_;
    live.setPhoto(photo);
    used_->show();
    // Once the words are laid out.
    QTimer::singleShot(0, this, [this] { reading_->ensureWidgetVisible(used_); });
}

void PhotoWindow::printPhoto() {
    if (!view_->hasPhoto() || printing_)
        return;
    QStringList lines{FacingWords(measurement_.facing())};
    for (const AngleLine& line : ListedAngles(measurement_.angles()))
        lines << ListedLine(line);
    if (const QString tilt = tiltLine(); !tilt.isEmpty())
        lines << tilt;
    MeasurementShown shown = view_->shown();
    shown.selected.reset();
    shown.plumbStart.reset();
    shown.cross.reset();
    // Decoded afresh at twice the page's pixels, for the printer's finer dots.
    auto decoded = file_->decodeToFit(PixelsOf(kPrintedPhotoTwips) * 2);
    const QImage* forPaper = std::get_if<QImage>(&decoded);
    PrintedPhoto page(forPaper && !forPaper->isNull() ? *forPaper : view_->fitted(),
                      file_->uprightSize(), std::move(shown), lines);
    printing_ = true;
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    screens_.printTarget().send(RecordScreen(page, tr("Photo")), [this](const QString& whyNot) {
        printing_ = false;
        QGuiApplication::restoreOverrideCursor();
        if (!whyNot.isEmpty())
            tell(tr("Nothing was printed: %1").arg(whyNot));
    });
}

void PhotoWindow::tell(const QString& message) {
    const QString name = QStringLiteral("PhotoMessage");
    for (QMessageBox* older : findChildren<QMessageBox*>(name, Qt::FindDirectChildrenOnly))
        older->close();
    auto* box =
        new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    box->setObjectName(name);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

void PhotoWindow::closeEvent(QCloseEvent* event) {
    stopOpening(); // a photo still decoding is not shown once the window has gone
    QWidget::closeEvent(event);
}

void PhotoWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const bool narrow = width() < height();
    row_->setDirection(narrow ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    if (narrow) {
        panelArea_->setMinimumWidth(0);
        panelArea_->setMaximumWidth(QWIDGETSIZE_MAX);
    } else {
        panelArea_->setFixedWidth(WidthForCaptions(*panel_, ToPixels(kPanelWidthTwips)));
    }
}

void PhotoWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void PhotoWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    openFile(urls.first().toLocalFile());
}

PhotoWindowOnDemand::PhotoWindowOnDemand(ScreenSet& screens)
    : screens_(screens) {
    screens.setPhotoWindow([this] { window().showBeside(); },
                           [this] {
                               if (window_)
                                   window_->close();
                           });
    // A reviewed row's photo, with its points, beside the screens.
    screens.setMeasuredPhotoViewer([this] {
        if (const auto& photo = screens_.assessment().photo()) {
            window().showBeside();
            window().showKept(*photo);
        }
    });
}

PhotoWindowOnDemand::~PhotoWindowOnDemand() {
    screens_.setPhotoWindow({}, {});
    screens_.setMeasuredPhotoViewer({});
    window_.reset();
    // The program is closing: a photo still decoding is given a moment to end first.
    AwaitDecodes(kClosingWait);
}

bool PhotoWindowOnDemand::AwaitDecodes(std::chrono::milliseconds within) {
    return DecodeWorkers::Get().awaitAll(within);
}

PhotoWindow& PhotoWindowOnDemand::window() {
    if (!window_)
        window_ = std::make_unique<PhotoWindow>(screens_);
    return *window_;
}

} // namespace rula
