#include "app/open_study.h"

#include "chart/form10.h"
#include "screens/screen_set.h"
#include "screens/screen_shell.h"

#include <QMessageBox>
#include <QPushButton>

namespace rula {

QString StudyArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (arguments.at(i).endsWith(QLatin1String(".rula"), Qt::CaseInsensitive))
            return arguments.at(i);
    return {};
}

bool OpenFromCommandLine(ScreenSet& screens, const QStringList& arguments) {
    const QString path = StudyArgument(arguments);
    if (path.isEmpty())
        return false;
    Form10& chart = screens.get<Form10>();
    const std::optional<QString> refused = chart.openStudy(path);
    if (!refused) {
        // Where the tab order starts.
        QWidget* first = chart.task(1);
        if (!first->isEnabled())
            first = chart.Command1;
        first->setFocus(Qt::OtherFocusReason);
        chart.showScreen();
        return true;
    }
    ScreenShell& introduction = screens.get(ScreenId::Form1);
    introduction.showScreen();
    auto* box = new QMessageBox(QMessageBox::Warning, introduction.windowTitle(), *refused,
                                QMessageBox::Ok, &introduction);
    box->setAttribute(Qt::WA_DeleteOnClose);
    AskWindowModal(box);
    return true;
}

} // namespace rula
