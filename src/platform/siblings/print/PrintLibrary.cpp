#include "platform/siblings/print/PrintLibrary.h"
#include "platform/siblings/print/PrintRangeDialog.h"
#include <atomic>

namespace ksiega::print {

namespace {

class PrintStandIn : public PrintLibrary {
public:
    int PARAM_PRN_BRO(PrintGlobals globals, QWidget* parent) override {
        PrintRangeController controller(globals);
        PrintRangeDialog dialog(controller, parent);
        return dialog.exec() == QDialog::Accepted ? controller.accept() : controller.cancel();
    }
};

std::atomic<PrintLibrary*> g_replacement{nullptr};

} // namespace

PrintLibrary& printLibrary() {
    if (PrintLibrary* r = g_replacement.load()) return *r;
    static PrintStandIn standIn;
    return standIn;
}

void replacePrintLibrary(PrintLibrary* library) { g_replacement.store(library); }

} // namespace ksiega::print
