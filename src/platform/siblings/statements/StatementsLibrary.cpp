#include "platform/siblings/statements/StatementsLibrary.h"
#include "platform/siblings/statements/StatementChooserController.h"
#include "platform/siblings/statements/StatementChooserDialog.h"
#include <atomic>

namespace ksiega::statements {

namespace {

class StatementsStandIn : public StatementsLibrary {
public:
    int ZESTAWIENIA_CRS(const QString& context, QWidget* parent) override {
        StatementChooserController controller(context);
        if (controller.isEmpty()) return 0;
        StatementChooserDialog dialog(controller, parent);
        return dialog.exec() == QDialog::Accepted ? controller.accept() : controller.cancel();
    }
};

std::atomic<StatementsLibrary*> g_replacement{nullptr};

} // namespace

StatementsLibrary& statementsLibrary() {
    if (StatementsLibrary* r = g_replacement.load()) return *r;
    static StatementsStandIn standIn;
    return standIn;
}

void replaceStatementsLibrary(StatementsLibrary* library) { g_replacement.store(library); }

} // namespace ksiega::statements
