#include "costcentres/MpkQuickFilterDialog.h"
#include "costcentres/MpkWindow.h"
#include "costcentres/StoredFilterTree.h"
#include "frame/lifecycle/ModuleState.h"
#include "host/BatchWindowServices.h"
#include "host/gui/ShotTargets.h"
#include "platform/filtertree/TreeFunctions.h"

namespace ksiega::host {

namespace {
// The windows own their controllers (and the tree) for as long as the picture is taken.
class MpkViewShot : public costcentres::MpkWindow {
public:
    MpkViewShot(std::unique_ptr<costcentres::StoredFilterTree> tree, std::unique_ptr<costcentres::MpkViewController> c)
        : costcentres::MpkWindow(*c), m_tree(std::move(tree)), m_controller(std::move(c)) {}

private:
    std::unique_ptr<costcentres::StoredFilterTree> m_tree;
    std::unique_ptr<costcentres::MpkViewController> m_controller;
};

class MpkQuickFilterShot : public costcentres::MpkQuickFilterDialog {
public:
    explicit MpkQuickFilterShot(std::unique_ptr<costcentres::MpkQuickFilterController> c)
        : costcentres::MpkQuickFilterDialog(*c), m_controller(std::move(c)) {}

private:
    std::unique_ptr<costcentres::MpkQuickFilterController> m_controller;
};
} // namespace

// "MPK": the company's cost-centre splits with the user's stored filter tree.
KSIEGA_SHOT_TARGET("MPK_VIEW", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    auto tree = std::make_unique<costcentres::StoredFilterTree>(
        c.db, filtertree::TreeScope{c.session.DANE_ID_FIRMY, filtertree::kCostCentreBrowser, c.session.DANE_ID_UZYTKOWNIKA_NR});
    auto controller = std::make_unique<costcentres::MpkViewController>(c.db, c.session, shotWindowServices(), tree.get());
    controller->open();
    return std::make_unique<MpkViewShot>(std::move(tree), std::move(controller));
});

// The cost-centre quick filter "Filtr" as the "MPK" window opens it.
KSIEGA_SHOT_TARGET("MPK_SZYBKI_FILTR", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    auto dialog = std::make_unique<MpkQuickFilterShot>(
        std::make_unique<costcentres::MpkQuickFilterController>(c.db, c.session, moduleState().moduleSettings()));
    dialog->adjustSize();
    return dialog;
});

} // namespace ksiega::host
