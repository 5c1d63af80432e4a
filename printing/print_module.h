// The print system lives in a module of its own (print-cups.so), which the program opens
// the first time Print is pressed: a run that never prints maps nothing of it. The module
// exports one function, by the name below, that makes the default printer's
// PrintTarget; the program hands it what the module needs of the program itself.
#pragma once

#include "printing/printing.h"

namespace rula {

// What the module calls back into the program for. Lives as long as the program.
struct PrintModuleHost {
    QByteArray (*composePdf)(const ScreenRecording& page, const QPageLayout& paper);
    QPageLayout (*fallbackPaper)();
};

// Program and module come from one build; a module of another one is refused.
inline constexpr int kPrintModuleVersion = 3;
inline constexpr char kPrintModuleEntry[] = "rula_make_print_target";

// The entry point: a new target, or null when `version` is not the module's own.
using PrintModuleEntry = PrintTarget* (*)(int version, const PrintModuleHost* host);

} // namespace rula
