#include "host/gui/ShotTargets.h"
#include "ledger/quickfilter/QuickFilterDialog.h"

namespace ksiega::host {

// The ledger quick filter as the ledger by periods opens it (accounts shown).
KSIEGA_SHOT_TARGET("KSIEGA_O_SZYBKI_FILTR", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    auto dialog = std::make_unique<ledger::QuickFilterDialog>(std::make_unique<ledger::QuickFilterController>(
        c.db, c.session, ledger::quickFilterState(), QStringLiteral("1")));
    dialog->adjustSize();
    return dialog;
});

} // namespace ksiega::host
