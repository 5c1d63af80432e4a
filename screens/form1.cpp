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
    ":/images/logo.svg", {144, 54}, "Rula logo", "The logo of the Rula posture assessment program"};

} // namespace

QString Form1::introductionText() {
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("The attached program is based upon the standards recommended "
                          "\"Rula: a survey method ") +
           crlf +
           QStringLiteral("for the investigation of work-related upper limb disorders\", by "
                          "L. McAtamney and") +
           crlf +
           QStringLiteral("E. N. Corlett in Applied Ergonomics 1993, 24(2), 91-99.\"  Every "
                          "effort has been made to ") +
           crlf +
           QStringLiteral("ensure the accuracy of the calculations, however, no warranty, "
                          "either expressed or implied ") +
           crlf + QStringLiteral("has been offered with this program.  ") +
           QLatin1String(kMakerNoticeLine1) + QStringLiteral(", ") +
           QString::fromLatin1(kMakerNoticeLine2).toLower() + QStringLiteral(".") + crlf;
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
