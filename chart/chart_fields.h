// The chart's fields: one clean line of text counted in characters as the user sees
// them (the tasks and the study's details), a task as it prints (words alone, whole,
// wrapped and shrunk to fit its cell or taking more lines), and a date field that stays
// light, with its calendar, whatever the desktop's colours.
#pragma once

#include "study/chart_record.h"

#include <QComboBox>
#include <QLineEdit>

#include <functional>
#include <memory>

class QDateEdit;
class QMenu;
class QPalette;
class QTextLayout;

namespace rula {

// One line of plain text of at most so many characters as the user sees them; control
// characters never enter. The platform's Copy shortcut without selected text is left
// to the chart.
class OneLineField : public QLineEdit {
    Q_OBJECT
public:
    OneLineField(QWidget* parent, int maxCharacters);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A row's task. On paper the field draws nothing: the chart draws its words
// (TaskOnPaper), without the field's frame, cursor or selection. Its context menu, by
// mouse or the keyboard's menu key, adds the row's commands under the editing ones.
class TaskField final : public OneLineField {
    Q_OBJECT
public:
    static constexpr int kMaxLength = kTaskMaxCharacters;
    explicit TaskField(QWidget* parent);

    void setRowCommands(std::function<void(QMenu*)> addCommands) {
        rowCommands_ = std::move(addCommands);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::function<void(QMenu*)> rowCommands_;
};

// A row's side: not said, "L" or "R", from a short list (typing L or R chooses). On paper
// the letter alone.
class SideField final : public QComboBox {
    Q_OBJECT
public:
    explicit SideField(QWidget* parent);
    Side side() const { return static_cast<Side>(currentIndex()); }
    void setSide(Side side) { setCurrentIndex(static_cast<int>(side)); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A task as it prints: always whole, never below kSmallestTaskPixels. At the field's own
// size where it fits the cell on as many lines as the cell holds, else smaller; broken
// inside a word only where no size fits it at word boundaries; and where not even that
// fits the cell at the smallest size, on as many lines as it takes, taller than the cell.
class TaskOnPaper {
public:
    // 7.5 points on paper, which shows 96 of the recording's pixels to the inch: text
    // plays back at whole pixels, and 7 points would be 9.33 of them.
    static constexpr int kSmallestTaskPixels = 10;

    // `room`: the cell's room for the words, in `device`'s pixels.
    TaskOnPaper(const QString& text, const QFont& font, QPaintDevice* device, QSize room);
    TaskOnPaper(TaskOnPaper&&) noexcept;
    ~TaskOnPaper();

    // The height the words take in pixels: the cell's, or more.
    int height() const { return height_; }
    // Draws the words in `area` (as wide as the room, at least as high as height()), in the
    // painter's pen, centred on its height.
    void draw(QPainter& painter, const QRect& area) const;

private:
    std::unique_ptr<QTextLayout> layout_;
    int height_ = 0;
    double textHeight_ = 0;
};

// Colours the date field, and its calendar once the user first touches the field, from
// the light field colours.
void ShowLight(QDateEdit* date, const QPalette& fieldColours);

} // namespace rula
