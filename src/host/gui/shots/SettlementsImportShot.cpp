#include "host/BatchWindowServices.h"
#include "host/gui/ShotTargets.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "settlements/openingimport/OpeningImportWindow.h"

namespace ksiega::host {

namespace {
// The window owns its controller for as long as the picture is taken.
class SettlementsImportShot : public settlements::OpeningImportWindow {
public:
    explicit SettlementsImportShot(std::unique_ptr<settlements::OpeningImportController> c)
        : settlements::OpeningImportWindow(*c), m_controller(std::move(c)) {}

private:
    std::unique_ptr<settlements::OpeningImportController> m_controller;
};
} // namespace

// "BO - Import rozrachunków z programu TOVARIX" on the account given with --account (its
// opening-balance settlements and their sums), else on every settlement of the opening
// balance. A register account's cards are not asked for.
KSIEGA_SHOT_TARGET("BO_IMPORT_ROZRACHUNKOW", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    ui::ScriptedDialogs quiet;
    ui::ScopedDialogs scoped(quiet);
    quiet.answer(2);
    auto controller = std::make_unique<settlements::OpeningImportController>(c.db, c.session, shotWindowServices());
    controller->open();
    auto window = std::make_unique<SettlementsImportShot>(std::move(controller));
    if (!c.account.isEmpty()) window->chooseAccount(c.account.trimmed());
    window->sync();
    return window;
});

} // namespace ksiega::host
