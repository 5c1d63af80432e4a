#include "screens/caption_fit.h"

#include "screens/controls.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace rula {
namespace {

// Kept between a grown control and the next one, and between a control and the edge of
// its window (the screens' own margin, 120 twips) or frame.
constexpr int kGap = 4;
constexpr int kWindowEdge = 8;
constexpr int kFrameEdge = 6;
// How far two controls designed to meet may overlap (twips rounded to pixels): a control
// that reaches no further into this one lies beyond its edge.
constexpr int kMeeting = 2;
// How far a line may reach past its room on either side.
constexpr int kSideBearing = 1;
// Kept free on each side of a button's caption, inside the style's contents rectangle.
constexpr int kButtonPadding = 3;
// Where the designed geometry is kept, on the window and on each of its controls.
constexpr char kDesigned[] = "rulaDesignedGeometry";
// The window's size as last fitted: another size is the user's.
constexpr char kFitted[] = "rulaFittedSize";
// The captions as last fitted.
constexpr char kFittedCaptions[] = "rulaFittedCaptions";

enum class Edge { Left, Right, Bottom };
enum class Growth { Rightwards, Leftwards, BothWays };

// A control's caption as the control lays it out: the font, the flags it is drawn with,
// and the margins from the control's edges to the area it is drawn in.
struct Caption {
    QFont font;
    QString text;
    int flags = 0;
    QMargins around;
    bool wraps = false;
    bool widthOnly = false; // a frame's title, drawn over its top edge
    Growth growth = Growth::Rightwards;
};

bool IsRule(const QWidget* w) {
    return w->metaObject() == &QWidget::staticMetaObject;
}

// A control that keeps others clear of it. Hidden labels hold working values, never
// shown; a hidden button is shown in some states (Update Row while reviewing). A label
// without a frame shows nothing while it is empty: a line that says something only at
// times leaves its room to the line above meanwhile (and takes it back by a strip).
bool Obstacle(const QWidget* w) {
    if (w->isWindow())
        return false;
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return !label->isHidden() &&
               (label->frameWidth() || !label->text().isEmpty() || !label->pixmap().isNull());
    return !w->isHidden() || qobject_cast<const QAbstractButton*>(w);
}

// What a control covers for the others: a drawing with the frame drawn round it.
QRect Area(const QWidget* w) {
    if (qobject_cast<const PictureBox*>(w))
        return DrawingMarkArea(w->geometry());
    return w->geometry();
}

// Controls that a strip crossing them stretches: those whose contents flow or fill (a
// framed label is a box for a value, which keeps its size).
bool Stretches(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->wordWrap() && !label->frameWidth();
    return qobject_cast<const QGroupBox*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QLineEdit*>(w) || IsRule(w);
}

std::vector<QWidget*> Controls(QWidget* parent) {
    std::vector<QWidget*> controls;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow())
            controls.push_back(w);
    return controls;
}

Growth GrowthFor(Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight)
        return Growth::Leftwards;
    if (alignment & Qt::AlignHCenter)
        return Growth::BothWays;
    return Growth::Rightwards;
}

std::optional<Caption> CaptionOf(const QWidget* w) {
    Caption caption;
    caption.font = w->font();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->isHidden() || label->text().isEmpty() || !label->pixmap().isNull())
            return std::nullopt;
        caption.text = label->text();
        caption.wraps = label->wordWrap();
        caption.flags = int(label->alignment()) | (caption.wraps ? Qt::TextWordWrap : 0) |
                        (label->buddy() ? Qt::TextShowMnemonic : 0);
        const QRect inside = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                            -label->margin(), -label->margin());
        caption.around = QMargins(inside.left(), inside.top(), label->width() - inside.right() - 1,
                                  label->height() - inside.bottom() - 1);
        caption.growth = GrowthFor(label->alignment());
        return caption;
    }
    if (const auto* option = qobject_cast<const OptionButton*>(w);
        option || qobject_cast<const CheckBox*>(w)) {
        const auto* button = static_cast<const QAbstractButton*>(w);
        if (button->text().isEmpty())
            return std::nullopt;
        const QStyle* style = w->style();
        const int indicator =
            option ? style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
                         style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w)
                   : style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                         style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
        caption.text = button->text();
        caption.wraps = true;
        caption.flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        caption.around = QMargins(indicator, 0, 0, 0);
        return caption;
    }
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        if (button->text().isEmpty())
            return std::nullopt;
        const QRect inside =
            PushButtonContents(*button).adjusted(kButtonPadding, 0, -kButtonPadding, 0);
        caption.text = button->text();
        caption.flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        caption.around = QMargins(inside.left(), inside.top(), w->width() - inside.right() - 1,
                                  w->height() - inside.bottom() - 1);
        caption.growth = Growth::BothWays;
        return caption;
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
        if (frame->title().isEmpty())
            return std::nullopt;
        // The title stands in a gap of the top edge, from 6 pixels in, with 3 either side.
        caption.text = frame->title();
        caption.flags = Qt::AlignLeft | Qt::AlignTop;
        caption.around = QMargins(9, 0, 9, 0);
        caption.widthOnly = true;
        return caption;
    }
    return std::nullopt;
}

QRect AreaFor(const Caption& caption, QSize size) {
    return QRect(QPoint(), size).marginsRemoved(caption.around);
}

// A caption may reach a pixel into either side: a line's advance ends with its last
// letter's side bearing.
bool FitsIn(const Caption& caption, QSize size) {
    const QRect area = AreaFor(caption, size);
    const QRect needed = QFontMetrics(caption.font).boundingRect(area, caption.flags, caption.text);
    if (caption.widthOnly)
        return needed.width() <= area.width() + 2 * kSideBearing;
    return area.adjusted(-kSideBearing, 0, kSideBearing, 0).contains(needed);
}

// A wrapping caption laid out in `width` from the top: the lines' height and the widest
// line (wider than `width` where a word is).
QSize WrappedSize(const Caption& caption, int width) {
    const int flags = (caption.flags & ~Qt::AlignVertical_Mask) | Qt::AlignTop;
    return QFontMetrics(caption.font)
        .boundingRect(QRect(0, 0, width, 1 << 20), flags, caption.text)
        .size();
}

// The free room beside or below a control within its parent: up to a gap before the
// nearest control across from that edge, or the parent's edge; less than none where such
// a control already comes closer. A control that lies on it or under it by design (a
// button on a text box) is no obstacle. `at` is where a strip for more room goes: at the
// edge, or where such a control starts if that is nearer.
struct Free {
    int room;
    int at;
};

Free FreeAt(const QWidget* control, Edge edge) {
    const QWidget* parent = control->parentWidget();
    const QRect r = control->geometry();
    const int margin = parent->isWindow() ? kWindowEdge : kFrameEdge;
    Free free{0, 0};
    switch (edge) {
    case Edge::Right:
        free = {parent->width() - margin - (r.right() + 1), r.right() + 1};
        break;
    case Edge::Left:
        free = {r.left() - margin, r.left()};
        break;
    case Edge::Bottom:
        free = {parent->height() - margin - (r.bottom() + 1), r.bottom() + 1};
        break;
    }
    for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == control || !Obstacle(other))
            continue;
        const QRect a = Area(other);
        if (a.contains(r) || r.contains(a))
            continue;
        const bool acrossRows = a.top() <= r.bottom() && a.bottom() >= r.top();
        const bool acrossColumns = a.left() <= r.right() && a.right() >= r.left();
        if (edge == Edge::Right && acrossRows && a.left() > r.right() - kMeeting) {
            free.room = std::min(free.room, a.left() - (r.right() + 1) - kGap);
            free.at = std::min(free.at, a.left());
        } else if (edge == Edge::Left && acrossRows && a.right() < r.left() + kMeeting) {
            free.room = std::min(free.room, r.left() - (a.right() + 1) - kGap);
        } else if (edge == Edge::Bottom && acrossColumns && a.top() > r.bottom() - kMeeting) {
            free.room = std::min(free.room, a.top() - (r.bottom() + 1) - kGap);
            free.at = std::min(free.at, a.top());
        }
    }
    return free;
}

int Room(const QWidget* control, Edge edge) {
    return std::max(0, FreeAt(control, edge).room);
}

void MakeRoom(QWidget* control, Edge edge, int amount);

// Moves every control of `parent` that starts at or beyond `at` over by `amount`, and
// stretches those that the strip crosses and whose contents flow or fill (but `growing`,
// which takes the room itself); a frame's own controls beyond the strip move with it.
void Shift(QWidget* parent, Qt::Orientation across, int at, int amount,
           const QWidget* growing = nullptr) {
    const bool horizontal = across == Qt::Horizontal;
    for (QWidget* w : Controls(parent)) {
        const QRect r = w->geometry();
        const int start = horizontal ? r.x() : r.y();
        const int end = start + (horizontal ? r.width() : r.height());
        if (start >= at) {
            w->move(r.topLeft() + (horizontal ? QPoint(amount, 0) : QPoint(0, amount)));
        } else if (end > at && w != growing && Stretches(w)) {
            w->resize(r.size() + (horizontal ? QSize(amount, 0) : QSize(0, amount)));
            if (qobject_cast<QGroupBox*>(w))
                Shift(w, across, at - start, amount);
        }
    }
}

// Opens a strip `amount` wide across `parent` at `at`, and grows the parent by it: a
// window by itself, a frame by making room in its own parent.
void OpenStrip(QWidget* parent, Qt::Orientation across, int at, int amount,
               const QWidget* growing = nullptr) {
    Shift(parent, across, at, amount, growing);
    if (!parent->isWindow()) {
        MakeRoom(parent, across == Qt::Horizontal ? Edge::Right : Edge::Bottom, amount);
        return;
    }
    const QSize grown =
        parent->size() + (across == Qt::Horizontal ? QSize(amount, 0) : QSize(0, amount));
    if (parent->minimumSize() == parent->maximumSize())
        parent->setFixedSize(grown);
    else
        parent->resize(grown);
}

// Grows the control by `amount` at its edge: into the free room there, and by a strip
// for what that room lacks. (Growing left, the control moves over with the strip.)
void MakeRoom(QWidget* control, Edge edge, int amount) {
    if (amount <= 0)
        return;
    const Free free = FreeAt(control, edge);
    if (const int lacking = amount - free.room; lacking > 0)
        OpenStrip(control->parentWidget(), edge == Edge::Bottom ? Qt::Vertical : Qt::Horizontal,
                  free.at, lacking, control);
    QRect r = control->geometry();
    switch (edge) {
    case Edge::Right:
        r.setWidth(r.width() + amount);
        break;
    case Edge::Left:
        r.setLeft(r.left() - amount);
        break;
    case Edge::Bottom:
        r.setHeight(r.height() + amount);
        break;
    }
    control->setGeometry(r);
}

int FreeWidth(const QWidget* control, Growth growth) {
    switch (growth) {
    case Growth::Rightwards:
        return Room(control, Edge::Right);
    case Growth::Leftwards:
        return Room(control, Edge::Left);
    case Growth::BothWays:
        break;
    }
    return Room(control, Edge::Left) + Room(control, Edge::Right);
}

void Widen(QWidget* control, int amount, Growth growth) {
    switch (growth) {
    case Growth::Rightwards:
        MakeRoom(control, Edge::Right, amount);
        return;
    case Growth::Leftwards:
        MakeRoom(control, Edge::Left, amount);
        return;
    case Growth::BothWays:
        break;
    }
    // Half each way where there is room, more on the side that has it.
    const int right = Room(control, Edge::Right);
    const int left = std::min(Room(control, Edge::Left), std::max(amount / 2, amount - right));
    MakeRoom(control, Edge::Left, left);
    MakeRoom(control, Edge::Right, amount - left);
}

// Where a control's caption is drawn, in its parent's coordinates.
QRect Drawn(const QWidget* control, const Caption& caption) {
    const QRect area = AreaFor(caption, control->size());
    return QFontMetrics(caption.font)
        .boundingRect(area, caption.flags, caption.text)
        .translated(control->pos());
}

// What shows of a control for a caption beside it: a label without a frame only its
// caption, a drawing with the frame drawn round it.
QRect Covered(const QWidget* other) {
    if (const auto* label = qobject_cast<const QLabel*>(other); label && !label->frameWidth())
        if (const std::optional<Caption> caption = CaptionOf(other))
            return Drawn(other, *caption);
    return Area(other);
}

// A caption that lies over a control beside or below it (a heading that reaches further
// right than designed) moves that control away by a strip. A box holds the font's ascent
// and descent, more than the letters reach: a meeting of two pixels is none.
void ClearCaption(QWidget* control, const Caption& caption) {
    const QRect r = control->geometry();
    const auto meets = [](const QRect& a, const QRect& b) {
        const QRect overlap = a & b;
        return overlap.width() > 2 && overlap.height() > 2;
    };
    // The strips open beyond the control's start: it neither moves nor stretches.
    const QRect drawn = Drawn(control, caption);
    for (const QWidget* other : Controls(control->parentWidget())) {
        if (other == control || !Obstacle(other) || Area(other).contains(r) ||
            r.contains(Area(other)))
            continue;
        if (!meets(drawn, Area(other)))
            continue; // nothing of it there, caption or not
        const QRect a = Covered(other);
        if (!meets(drawn, a))
            continue;
        if (a.left() > r.left())
            OpenStrip(control->parentWidget(), Qt::Horizontal, a.left(),
                      drawn.right() + 1 + kGap - a.left(), control);
        else if (a.top() > r.top())
            OpenStrip(control->parentWidget(), Qt::Vertical, a.top(),
                      drawn.bottom() + 1 + kGap - a.top(), control);
    }
}

void FitCaption(QWidget* control, const Caption& caption) {
    if (FitsIn(caption, control->size()))
        return;
    const int width = control->width() - caption.around.left() - caption.around.right();
    const int height = control->height() - caption.around.top() - caption.around.bottom();
    if (!caption.wraps) {
        const QSize needed =
            QFontMetrics(caption.font).size(caption.flags & Qt::TextShowMnemonic, caption.text);
        Widen(control, needed.width() - width, caption.growth);
        if (!caption.widthOnly)
            MakeRoom(control, Edge::Bottom, needed.height() - height);
        return;
    }
    // The least width beside it at which the caption fits in the lines it has room for;
    // else all that room, and as wide as its longest word, with more lines below.
    const int free = FreeWidth(control, caption.growth);
    for (int extra = 1; extra <= free; ++extra)
        if (FitsIn(caption, control->size() + QSize(extra, 0))) {
            Widen(control, extra, caption.growth);
            return;
        }
    const int extra = std::max(free, WrappedSize(caption, width + free).width() - width);
    Widen(control, extra, caption.growth);
    MakeRoom(control, Edge::Bottom, WrappedSize(caption, width + extra).height() - height);
}

// A control that runs off its parent's right or bottom edge (a heading reaching further
// right) grows the parent, to the margin of its edge.
void KeepInside(QWidget* control) {
    QWidget* parent = control->parentWidget();
    const int margin = parent->isWindow() ? kWindowEdge : kFrameEdge;
    const QRect r = control->geometry();
    if (r.right() >= parent->width())
        OpenStrip(parent, Qt::Horizontal, parent->width(),
                  r.right() + 1 + margin - parent->width());
    if (r.bottom() >= parent->height())
        OpenStrip(parent, Qt::Vertical, parent->height(),
                  r.bottom() + 1 + margin - parent->height());
}

void FitControl(QWidget* control) {
    const std::optional<Caption> caption = CaptionOf(control);
    if (!caption)
        return;
    FitCaption(control, *caption);
    ClearCaption(control, *caption);
    KeepInside(control);
}

// The height the text of a read-only text box takes, laid out as the box lays it out.
int TextHeight(const QPlainTextEdit* box) {
    const double margin = box->document()->documentMargin();
    const double width = box->contentsRect().width() - 2 * margin;
    QTextOption option;
    option.setWrapMode(box->wordWrapMode());
    double height = 2 * margin;
    QStringList paragraphs = box->toPlainText().split(QLatin1Char('\n'));
    while (!paragraphs.isEmpty() && paragraphs.back().isEmpty())
        paragraphs.removeLast(); // no text shows there
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, box->font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            height += line.height();
        }
        layout.endLayout();
    }
    return int(std::ceil(height));
}

// The controls placed over a read-only text box move down, by a strip, until its text
// ends above them.
void FitTextBox(QPlainTextEdit* box) {
    if (!box->isReadOnly() || box->toPlainText().isEmpty())
        return;
    QWidget* parent = box->parentWidget();
    const QRect r = box->geometry();
    // The introduction's box reaches past the window's bottom edge by design.
    int free = std::min(r.y() + r.height(), parent->height());
    for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != box && Obstacle(other) && r.intersects(other->geometry()) &&
            other->y() > r.y())
            free = std::min(free, other->y());
    const int needed = r.y() + box->contentsRect().top() + TextHeight(box);
    if (needed > free)
        OpenStrip(parent, Qt::Vertical, free, needed - free);
}

void FitChildren(QWidget* parent) {
    std::vector<QWidget*> controls = Controls(parent);
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (QWidget* control : controls) {
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            FitChildren(frame);
        if (auto* box = qobject_cast<QPlainTextEdit*>(control))
            FitTextBox(box);
        else
            FitControl(control);
    }
}

// Puts the controls placed by hand (the window's and its frames') where they were
// designed, kept the first time.
void RestoreDesign(QWidget* parent) {
    for (QWidget* w : Controls(parent)) {
        const QVariant designed = w->property(kDesigned);
        if (designed.isValid())
            w->setGeometry(designed.toRect());
        else
            w->setProperty(kDesigned, w->geometry());
        if (qobject_cast<QGroupBox*>(w))
            RestoreDesign(w);
    }
}

// What the rule depends on besides the design: every caption and whether it shows.
QString Captions(const QWidget* parent) {
    QString captions;
    for (const QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow())
            continue;
        captions += QLatin1Char(w->isHidden() ? '-' : '+');
        if (const auto* label = qobject_cast<const QLabel*>(w))
            captions += label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            captions += button->text();
        else if (const auto* box = qobject_cast<const QPlainTextEdit*>(w); box && box->isReadOnly())
            captions += box->toPlainText();
        else if (const auto* frame = qobject_cast<const QGroupBox*>(w))
            captions += frame->title() + Captions(frame);
        captions += QChar::Null;
    }
    return captions;
}

} // namespace

QRect PushButtonContents(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    if (button.isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    if (button.autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
}

void FitCaptions(QWidget& window) {
    // Nothing to do while the captions are those fitted last.
    QString captions = Captions(&window);
    if (window.property(kFittedCaptions).toString() == captions)
        return;
    window.setProperty(kFittedCaptions, std::move(captions));
    // Shown, the window is redrawn once, when every control has its place.
    const bool updates = window.updatesEnabled();
    window.setUpdatesEnabled(false);
    // A window the user has sized since it was last fitted keeps at least that size.
    const bool fixed = window.minimumSize() == window.maximumSize();
    const QSize before = window.size();
    const QVariant fitted = window.property(kFitted);
    const bool userSized = !fixed && fitted.isValid() && fitted.toSize() != before;
    const QVariant designed = window.property(kDesigned);
    if (!designed.isValid())
        window.setProperty(kDesigned, before);
    else if (fixed)
        window.setFixedSize(designed.toSize());
    else
        window.resize(designed.toSize());
    RestoreDesign(&window);
    window.ensurePolished();
    FitChildren(&window);
    window.setProperty(kFitted, window.size());
    if (userSized)
        window.resize(window.size().expandedTo(before));
    window.setUpdatesEnabled(updates);
}

int WidthForCaptions(const QWidget& panel, int designed) {
    return std::max(designed, panel.minimumSizeHint().width());
}

} // namespace rula
