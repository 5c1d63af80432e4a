// The introduction: what the program is based on, the disclaimer, the maker's logo,
// and Continue to the upper arm screen.
#pragma once

#include "screens/screen_shell.h"

class QPlainTextEdit;

namespace rula {

class Form1 final : public ScreenShell {
    Q_OBJECT
public:
    static constexpr ScreenId kId = ScreenId::Form1;
    explicit Form1(ScreenSet& screens);

    static QString introductionText();

    QPlainTextEdit* Text1 = nullptr;
    PictureBox* Picture1 = nullptr;

protected:
    void Command1_Click() override { goTo(ScreenId::Form2); }
};

} // namespace rula
