#include "closing/ClosingPrintouts.h"
#include "closing/ClosingServices.h"

namespace ksiega::closing {

namespace {

class ProductionClosingServices : public ClosingServices {
public:
    std::optional<server::FiscalYear> nextFiscalYear(db::Database& db, int64_t idFirmy, int64_t idLataObrot) override {
        return server::nextFiscalYear(db, idFirmy, idLataObrot);
    }
    server::ClosingOutcome create(db::Database& db, const server::ClosingRequest& request) override {
        return server::createNextYearOpeningBalance(db, request);
    }
    server::FiscalYear remove(db::Database& db, int64_t idFirmy, int64_t idLataObrot, bool dryRun) override {
        return server::removeNextYearOpeningBalance(db, idFirmy, idLataObrot, dryRun);
    }
    void print(Printout which, const std::vector<report::Row>& rows) override {
        if (which == Printout::Problems) Prn_Raport_BO(rows);
        else Prn_Raport_BO2(rows);
    }
};

ClosingServices* g_replacement = nullptr;

} // namespace

ClosingServices& productionClosingServices() {
    static ProductionClosingServices services;
    return services;
}

ClosingServices& closingServices() { return g_replacement ? *g_replacement : productionClosingServices(); }
void replaceClosingServices(ClosingServices* services) { g_replacement = services; }

} // namespace ksiega::closing
