#include "budget/quickfilter/BudgetQuickFilterDialog.h"
#include "host/gui/ShotTargets.h"
#include "platform/ui/settings/Settings.h"
#include <QDir>

namespace ksiega::host {

namespace {

// The window with its controller and settings, as one widget.
struct ControllerHolder {
    ControllerHolder(ShotContext& c, const QString& mode)
        : settings(QDir::temp().filePath(QStringLiteral("ksiega-shot-bt.ini"))),
          controller(c.db, c.session, state, settings, mode, QStringLiteral("W")) {}
    budget::BudgetFilterState state;
    Settings settings;
    budget::BudgetQuickFilterController controller;
};

class BudgetQuickFilterShot : private ControllerHolder, public budget::BudgetQuickFilterDialog {
public:
    BudgetQuickFilterShot(ShotContext& c, const QString& mode) : ControllerHolder(c, mode), BudgetQuickFilterDialog(ControllerHolder::controller) {}
};

} // namespace

// The budget quick filter as the expenditure view opens it.
KSIEGA_SHOT_TARGET("BT_SZYBKI_FILTR", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    auto dialog = std::make_unique<BudgetQuickFilterShot>(c, QString());
    dialog->adjustSize();
    return dialog;
});

// Its export mode, "Export do pliku".
KSIEGA_SHOT_TARGET("BT_SZYBKI_FILTR_EKSPORT", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    auto dialog = std::make_unique<BudgetQuickFilterShot>(c, budget::EXPORT_MODE);
    dialog->adjustSize();
    return dialog;
});

} // namespace ksiega::host
