#include "openingbalance/entry/AmountEntryServices.h"
#include "openingbalance/partials/PartialEntriesDialog.h"

namespace ksiega::openingbalance {
namespace {

class ProductionAmountEntryServices : public AmountEntryServices {
public:
    void editSettlements(db::Database& db, const SessionContext& session, const LineSettlementsContext& context,
                         std::vector<SettlementRow>& rows, QWidget* parent) override {
        editLineSettlements(db, session, context, rows, parent);
    }
    void editPartialEntries(const PartialEntriesContext& context, std::vector<server::PartialEntry>& entries,
                            QWidget* parent) override {
        PartialEntriesController controller(context, entries);
        PartialEntriesDialog dialog(controller, parent);
        dialog.exec();
    }
    bool editCostCentres(db::Database& db, const QString& strona, const costcentres::CostCentreLine& line,
                         costcentres::CostCentreSplit& split, QWidget* parent) override {
        return costcentres::costCentreSplits().MPK_DANE(db, strona, line, split, parent);
    }
};

} // namespace

AmountEntryServices& productionAmountEntryServices() {
    static ProductionAmountEntryServices services;
    return services;
}

} // namespace ksiega::openingbalance
