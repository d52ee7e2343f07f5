#include "host/gui/ShotTargets.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "settlements/assignment/AssignmentController.h"
#include "settlements/assignment/AssignmentWindow.h"
#include "settlements/importwizard/ImportWizardController.h"
#include "settlements/importwizard/ImportWizardWindow.h"
#include <stdexcept>

namespace ksiega::host {

namespace {

// The windows own their controllers for as long as the picture is taken.
class ImportWizardShot : public settlements::ImportWizardWindow {
public:
    explicit ImportWizardShot(std::unique_ptr<settlements::ImportWizardController> c)
        : settlements::ImportWizardWindow(*c), m_controller(std::move(c)) {}

private:
    std::unique_ptr<settlements::ImportWizardController> m_controller;
};

class AssignmentShot : public settlements::AssignmentWindow {
public:
    explicit AssignmentShot(std::unique_ptr<settlements::AssignmentController> c)
        : settlements::AssignmentWindow(*c), m_controller(std::move(c)) {}

private:
    std::unique_ptr<settlements::AssignmentController> m_controller;
};

// The account of the first settlement that waits to be imported ("" none).
QString firstWaitingAccount(ShotContext& c) {
    return c.db
        .scalarText(QStringLiteral("select nr_konta from ROZRACHUNEK where id_firmy=? and id_lata_obrot=? and id_poz_dok_f=0 "
                                   "order by nr_konta limit 1"),
                    {c.session.DANE_ID_FIRMY, c.session.DANE_LATA_OBROTOWE})
        .value_or(QString());
}

} // namespace

// "Import rozrachunków do BO" on its second page, listing what the user's settlement marks
// hold; the account is --account, else the first one with a settlement waiting.
KSIEGA_SHOT_TARGET("IMPORT_ROZRACHUNKOW", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    ui::ScriptedDialogs quiet;
    ui::ScopedDialogs scoped(quiet);
    const QString account = c.account.isEmpty() ? firstWaitingAccount(c) : c.account;
    const QString name = c.db
                             .scalarText(QStringLiteral("select nazwa_konta from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? "
                                                        "and nr_konta=?"),
                                         {c.session.DANE_ID_FIRMY, c.session.DANE_LATA_OBROTOWE, account})
                             .value_or(QString());
    auto controller = std::make_unique<settlements::ImportWizardController>(
        c.db, c.session, settlements::productionSettlementServices(),
        settlements::ImportParameters{account + QLatin1Char(' ') + name, QString(), QStringLiteral("0"), account, 0});
    if (!controller->open()) throw std::runtime_error("IMPORT_ROZRACHUNKOW: no company or year");
    controller->setPage(settlements::ChoicePage);
    controller->showMarked();
    auto window = std::make_unique<ImportWizardShot>(std::move(controller));
    window->sync();
    return window;
});

// "Dodawanie nowego dokumentu" for the first journal of the year that takes a document type.
KSIEGA_SHOT_TARGET("PRZYPISZ_ROZRACHUNKI", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    ui::ScriptedDialogs quiet;
    ui::ScopedDialogs scoped(quiet);
    const int64_t journal =
        c.db.scalarInt(QStringLiteral("select min(p.id_paczka) from PACZKA p where p.id_firmy=? and p.id_lata_obrot=? "
                                      "and exists (select 1 from PACZKA_TYPDOK t where t.id_paczka=p.id_paczka)"),
                       {c.session.DANE_ID_FIRMY, c.session.DANE_LATA_OBROTOWE})
            .value_or(0);
    auto controller = std::make_unique<settlements::AssignmentController>(c.db, c.session, settlements::productionSettlementServices(),
                                                                          journal);
    if (!controller->open()) throw std::runtime_error(quiet.texts().join(QLatin1Char(' ')).toStdString());
    auto window = std::make_unique<AssignmentShot>(std::move(controller));
    window->sync();
    return window;
});

} // namespace ksiega::host
