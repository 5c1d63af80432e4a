#include "screens/form1.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace rula {
namespace {

constexpr QSize kClient{7335, 2205};
constexpr Twips kText1{0, 0, 7335, 2295}; // reaches 90 twips below the client area
constexpr Twips kCommand1{2880, 1440, 1575, 615};
constexpr Twips kPicture1{4800, 1320, 2220, 870};

constexpr Drawing kLogo{
    ":/images/logo.svg",
    {144, 54},
    QT_TRANSLATE_NOOP("rula::PictureBox", "Rula logo"),
    QT_TRANSLATE_NOOP("rula::PictureBox", "The logo of the Rula posture assessment program")};

} // namespace

QString Form1::introductionText() {
    // One text for the translators, its line breaks where the box breaks the English
    // lines; it ends with the footer's two lines. The text box keeps CR LF line ends.
    //: Each line must fit the box without wrapping; the last sentence is the footer's two
    //: lines ("Rula posture assessment", "Free software") joined
    return tr("The attached program is based upon the standards recommended \"Rula: a survey "
              "method \n"
              "for the investigation of work-related upper limb disorders\", by L. McAtamney "
              "and\n"
              "E. N. Corlett in Applied Ergonomics 1993, 24(2), 91-99.\"  Every effort has been "
              "made to \n"
              "ensure the accuracy of the calculations, however, no warranty, either expressed "
              "or implied \n"
              "has been offered with this program.  Rula posture assessment, free software.\n")
        .replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

Form1::Form1(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Rula"), kClient, WindowStyle::FixedCloseOnly) {
    Text1 = new TextBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(kText1.pixels());
    Text1->setFont(TimesFont(9.75));
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Keep the carriage returns out of the document; each CR LF is one line break.
    Text1->setPlainText(introductionText().remove(QLatin1Char('\r')));
    Text1->setAccessibleName(tr("Introduction"));

    Command1 = addButton("Command1", tr("&Continue"), kCommand1, TimesFont(15.75, true));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Picture1 = addPicture("Picture1", kPicture1, kLogo);
    Picture1->setCursor(Qt::ArrowCursor);
    Text1->setFocus();
}

} // namespace rula
