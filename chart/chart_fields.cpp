#include "chart/chart_fields.h"

#include "printing/paper_drawing.h"
#include "study/delimited_text.h"
#include "study/text_rules.h"

#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextCharFormat>
#include <QTextLayout>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace rula {
namespace {

// Keeps a field's text one clean line of at most so many characters as the user sees
// them. Whatever arrives with line breaks (a paste, a drop) keeps its first line only;
// the text around the insertion stays. Too long, what was just inserted loses its end,
// never half a character. A tab becomes a space, so that the chart copied as
// tab-separated text keeps its columns; other control characters are dropped.
class OneLine final : public QValidator {
public:
    OneLine(QObject* parent, int maxCharacters)
        : QValidator(parent)
        , max_(maxCharacters) {}

    State validate(QString& input, int& pos) const override {
        qsizetype first = -1;
        qsizetype last = -1;
        for (qsizetype i = 0; i < input.size(); ++i)
            if (IsLineBreak(input.at(i).unicode())) {
                if (first < 0)
                    first = i;
                last = i;
            }
        if (first >= 0) {
            // The cursor stands at the end of what was just inserted.
            const qsizetype rest = std::max<qsizetype>(pos, last + 1);
            input = input.left(first) + input.mid(rest);
            pos = static_cast<int>(first);
        }
        if (const int excess = VisibleLength(input) - max_; excess > 0 && pos > 0) {
            QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, input);
            characters.setPosition(pos);
            qsizetype from = pos;
            for (int i = 0; i < excess && characters.toPreviousBoundary() >= 0; ++i)
                from = characters.position();
            input.remove(from, pos - from);
            pos = static_cast<int>(from);
        }
        const qsizetype before = CleanLine(input.left(pos), static_cast<int>(pos)).size();
        input = CleanLine(input, max_);
        pos = static_cast<int>(std::min(before, input.size()));
        return Acceptable;
    }

private:
    int max_;
};

// The date field and its calendar are light whatever the desktop, as the task fields
// are: its drop-down button, the calendar's row of day names, and weekend days in a red
// that reads on white. The calendar is a window of its own, which takes no colours from
// the field; it is made, and coloured, only when the user first presses a key or a mouse
// button on the field, which is when it can first be opened: a chart whose date is never
// touched carries no calendar.
class LightCalendar final : public QObject {
public:
    LightCalendar(QDateEdit* date, QPalette light)
        : QObject(date)
        , light_(std::move(light)) {
        date->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress ||
            type == QEvent::ShortcutOverride) {
            watched->removeEventFilter(this);
            colour(static_cast<QDateEdit*>(watched)->calendarWidget());
        }
        return false;
    }

private:
    void colour(QCalendarWidget* calendar) const {
        calendar->setPalette(light_);
        QTextCharFormat weekend = calendar->weekdayTextFormat(Qt::Sunday);
        weekend.setForeground(QColor(176, 0, 0));
        for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday})
            calendar->setWeekdayTextFormat(day, weekend);
        // Wide enough that no day's name is cut short in the chart's font.
        const QFontMetrics metrics(calendar->font());
        int widest = 0;
        for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
            widest = std::max(widest, metrics.horizontalAdvance(
                                          calendar->locale().dayName(day, QLocale::ShortFormat)));
        calendar->setMinimumWidth(std::max(calendar->sizeHint().width(), 7 * (widest + 12)));
    }

    QPalette light_;
};

// Lays `layout` out in lines of `width` at `pixels` with `wrap`; returns the height the
// lines take, or a negative value when a word is wider than a line.
double LayOut(QTextLayout& layout, const QFont& font, int pixels, QTextOption::WrapMode wrap,
              double width) {
    QFont sized = font;
    sized.setPixelSize(pixels);
    layout.setFont(sized);
    QTextOption option;
    option.setWrapMode(wrap);
    layout.setTextOption(option);
    layout.beginLayout();
    double height = 0;
    bool overflows = false;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
        overflows = overflows || line.naturalTextWidth() > width;
    }
    layout.endLayout();
    return overflows ? -1 : height;
}

} // namespace

void ShowLight(QDateEdit* date, const QPalette& fieldColours) {
    QPalette light = fieldColours;
    light.setColor(QPalette::Button, QColor(240, 240, 240));
    light.setColor(QPalette::ButtonText, Qt::black);
    light.setColor(QPalette::AlternateBase, QColor(240, 240, 240));
    date->setPalette(light);
    new LightCalendar(date, light);
}

OneLineField::OneLineField(QWidget* parent, int maxCharacters)
    : QLineEdit(parent) {
    // The validator counts characters; the field's own limit would count UTF-16 units.
    setValidator(new OneLine(this, maxCharacters));
}

bool OneLineField::event(QEvent* event) {
    // Copy without selected text is the chart's: the field lets its shortcut through.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) && !hasSelectedText()) {
            key->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void OneLineField::keyPressEvent(QKeyEvent* event) {
    // Where the window was not active for the shortcut, the key itself reaches the chart.
    if (event->matches(QKeySequence::Copy) && !hasSelectedText()) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

TaskField::TaskField(QWidget* parent)
    : OneLineField(parent, kMaxLength) {}

void TaskField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (rowCommands_) {
        menu->addSeparator();
        rowCommands_(menu);
    }
    menu->popup(event->globalPos());
}

SideField::SideField(QWidget* parent)
    : QComboBox(parent) {
    for (Side side : {Side::NotSaid, Side::Left, Side::Right})
        addItem(SideLetter(side));
    setItemData(0, tr("Side not said"), Qt::ToolTipRole);
    setItemData(1, tr("Left side"), Qt::ToolTipRole);
    setItemData(2, tr("Right side"), Qt::ToolTipRole);
}

void SideField::paintEvent(QPaintEvent* event) {
    if (!DrawingForPaper::active())
        return QComboBox::paintEvent(event);
    // The letter alone, at the left: the paper's side column is narrower than the field.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(rect().adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, currentText());
}

void TaskField::paintEvent(QPaintEvent* event) {
    if (!DrawingForPaper::active())
        QLineEdit::paintEvent(event);
}

TaskOnPaper::TaskOnPaper(const QString& text, const QFont& font, QPaintDevice* device, QSize room)
    : layout_(std::make_unique<QTextLayout>(text, font, device)) {
    const double width = room.width(), cell = room.height();
    // In whole pixels, which is how a page plays the recording's text back.
    const int largest = std::max(QFontInfo(QFont(font, device)).pixelSize(), kSmallestTaskPixels);
    textHeight_ = -1;
    // Whole words first, then broken where they must be, each from the largest size down.
    for (auto wrap : {QTextOption::WordWrap, QTextOption::WrapAtWordBoundaryOrAnywhere}) {
        for (int pixels = largest; pixels >= kSmallestTaskPixels; --pixels) {
            const double height = LayOut(*layout_, font, pixels, wrap, width);
            if (height >= 0 && height <= cell) {
                textHeight_ = height;
                break;
            }
        }
        if (textHeight_ >= 0)
            break;
    }
    if (textHeight_ < 0) // more lines than the cell holds, at the smallest size
        textHeight_ = LayOut(*layout_, font, kSmallestTaskPixels,
                             QTextOption::WrapAtWordBoundaryOrAnywhere, width);
    height_ = std::max(room.height(), int(std::ceil(textHeight_)));
}

TaskOnPaper::TaskOnPaper(TaskOnPaper&&) noexcept = default;
TaskOnPaper::~TaskOnPaper() = default;

void TaskOnPaper::draw(QPainter& painter, const QRect& area) const {
    layout_->draw(&painter, QPointF(area.left(), area.top() + (area.height() - textHeight_) / 2));
}

} // namespace rula
