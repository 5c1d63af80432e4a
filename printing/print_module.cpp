// The default printer as the program sees it: a stand-in that opens the print module on
// the first Print and hands every page on to the target the module makes. The module sits
// at the same place relative to the program in the build tree and where it is installed.
// Once opened it stays: its workers may outlive the target when the program closes.
#include "printing/print_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace rula {
namespace {

const PrintModuleHost kHost{&ComposePdf, &FallbackPaper};

class ModulePrinterTarget final : public PrintTarget {
public:
    void send(ScreenRecording page, Done done) override {
        if (!target_) {
            QString whyNot;
            target_ = open(whyNot);
            if (!target_) {
                done(whyNot);
                return;
            }
        }
        target_->send(std::move(page), std::move(done));
    }

private:
    static std::unique_ptr<PrintTarget> open(QString& whyNot) {
        const QString path = QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                                 .filePath(QStringLiteral(RULA_PRINT_MODULE)));
        // The loader, not finding a file, tries other names for it and reports the last.
        if (!QFileInfo::exists(path)) {
            whyNot = QCoreApplication::translate("Printing", "the print module %1 is missing.")
                         .arg(QDir::toNativeSeparators(path));
            return nullptr;
        }
        QLibrary module(path);
        module.setLoadHints(QLibrary::PreventUnloadHint);
        auto entry = reinterpret_cast<PrintModuleEntry>(module.resolve(kPrintModuleEntry));
        if (!entry) {
            whyNot = module.errorString();
            return nullptr;
        }
        std::unique_ptr<PrintTarget> target(entry(kPrintModuleVersion, &kHost));
        if (!target)
            whyNot = QCoreApplication::translate("Printing",
                                                 "the print module %1 belongs to another version.")
                         .arg(module.fileName());
        return target;
    }

    std::unique_ptr<PrintTarget> target_;
};

} // namespace

std::unique_ptr<PrintTarget> MakeDefaultPrinterTarget() {
    return std::make_unique<ModulePrinterTarget>();
}

} // namespace rula
