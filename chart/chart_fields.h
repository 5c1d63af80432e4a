// The chart's fields: one clean line of text counted in characters as the user sees
// them (the tasks and the study's details), a task drawn as words alone on paper, and a
// date field that stays light, with its calendar, whatever the desktop's colours.
#pragma once

#include "study/chart_record.h"

#include <QComboBox>
#include <QLineEdit>

#include <functional>

class QDateEdit;
class QMenu;
class QPalette;

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

// A row's task. On paper it is the words alone, without the field's frame, cursor or
// selection. Its context menu, by mouse or the keyboard's menu key, adds the row's
// commands under the editing ones.
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

// The side as the chart shows it: "L", "R" or nothing.
QString SideLetter(Side side);

// Colours the date field, and its calendar once the user first touches the field, from
// the light field colours.
void ShowLight(QDateEdit* date, const QPalette& fieldColours);

} // namespace rula
