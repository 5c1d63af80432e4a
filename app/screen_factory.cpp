#include "app/screen_factory.h"

#include "chart/form10.h"
#include "screens/form1.h"
#include "screens/form2.h"
#include "screens/form3.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "screens/form6.h"
#include "screens/form7.h"
#include "screens/form8.h"
#include "screens/form9.h"

namespace rula {

std::unique_ptr<ScreenShell> CreateScreen(ScreenId id, ScreenSet& screens) {
    switch (id) {
    case ScreenId::Form1:
        return std::make_unique<Form1>(screens);
    case ScreenId::Form2:
        return std::make_unique<Form2>(screens);
    case ScreenId::Form3:
        return std::make_unique<Form3>(screens);
    case ScreenId::Form4:
        return std::make_unique<Form4>(screens);
    case ScreenId::Form5:
        return std::make_unique<Form5>(screens);
    case ScreenId::Form6:
        return std::make_unique<Form6>(screens);
    case ScreenId::Form7:
        return std::make_unique<Form7>(screens);
    case ScreenId::Form8:
        return std::make_unique<Form8>(screens);
    case ScreenId::Form9: {
        auto form9 = std::make_unique<Form9>(screens);
        Form9* finalScreen = form9.get();
        QObject::connect(finalScreen, &Form9::addToChartClicked, finalScreen,
                         [&screens, finalScreen] { screens.get<Form10>().addFrom(*finalScreen); });
        QObject::connect(finalScreen, &Form9::updateRowClicked, finalScreen,
                         [&screens, finalScreen](int row) {
                             screens.get<Form10>().updateRowFrom(*finalScreen, row);
                         });
        QObject::connect(finalScreen, &Form9::otherSideClicked, finalScreen,
                         [&screens](int row) { screens.get<Form10>().otherSide(row); });
        QObject::connect(finalScreen, &Form9::assessmentStarted, finalScreen, [&screens] {
            if (Form10* chart = screens.find<Form10>())
                chart->forgetPendingTask();
        });
        return form9;
    }
    case ScreenId::Form10:
        return std::make_unique<Form10>(screens);
    }
    return nullptr;
}

void OpenStudiesThroughTheChart(ScreenSet& screens) {
    screens.setStudyOpener([&screens](ScreenShell& from) { screens.get<Form10>().openFrom(from); });
}

UnsavedWork ChartWork(ScreenSet& screens) {
    return {[&screens] {
                const Form10* chart = screens.find<Form10>();
                return chart && chart->hasUnsavedChanges();
            },
            [&screens] { return screens.get<Form10>().saveForClosing(); }};
}

} // namespace rula
