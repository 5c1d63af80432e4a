// The controls the screens are built from, where Qt's own differ from what users of
// this program expect: the whole area of an option button or check box takes the
// click (the drawings above caption-less options are their labels), captions wrap
// onto a second line where the control is designed two lines high, and a picture box
// shows a drawing at its pixel size inside a sunken border and reports clicks.
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSize>
#include <QString>

class QPainter;

namespace rula {

// Gives a control a background colour of its own together with the text colour that
// reads on it. The one rule for colours: nothing sets one without the other, and
// everything else follows the desktop's palette as a whole, so that no text stands in
// the desktop's colour on a background of the program's own.
void SetColours(QWidget* control, const QColor& background, const QColor& text);

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent* event) override;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent* event) override;
};

// A text box that shows it has the keyboard focus with a ring round its page, also when
// it is read-only and so shows no cursor. Where the box reaches past its window, the ring
// stops at the window's edge.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// A frame with its caption set into the top edge of an etched border. Its children are
// placed by hand, from the frame's top-left corner.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A drawing compiled into the program, and what it shows in words. Drawings are black
// on white paper, whatever the desktop's colours.
struct Drawing {
    const char* resource; // ":/images/…svg"
    QSize pixels;         // its size at 96 dpi
    const char* name;     // short, for screen readers: "Upper arm 20° to 45° forward"
    const char* description;
};

// The frame round a drawing's picture box (`picture`, in its parent's coordinates) that
// marks it: thick, in the highlight colour, while its posture is the one chosen; a ring
// in the text colour at its outer edge while its option or box has the keyboard focus.
// Drawn by the parent, round the box.
void PaintDrawingMark(QPainter& painter, const QRect& picture, const QPalette& palette, bool chosen,
                      bool focused);
// The area PaintDrawingMark() covers.
QRect DrawingMarkArea(const QRect& picture);

class PictureBox : public QFrame {
    Q_OBJECT
public:
    PictureBox(const Drawing& drawing, QWidget* parent);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const char* resource_;
    QSize pixels_;
    bool pressed_ = false;
};

} // namespace rula
