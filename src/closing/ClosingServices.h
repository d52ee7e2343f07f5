#pragma once
// What the closing window asks of the rest of the system, in one injected interface: the
// next fiscal year, the creation and the removal of its opening balance (the server's
// procedures, one transaction each) and the two printouts. The procedure wires
// productionClosingServices(); controller tests may script it.
#include "platform/report/ReportDefinition.h"
#include "platform/server/YearClosing.h"
#include <optional>
#include <vector>

namespace ksiega::closing {

enum class Printout { Problems, Report };   // Prn_Raport_BO, Prn_Raport_BO2

class ClosingServices {
public:
    virtual ~ClosingServices() = default;
    virtual std::optional<server::FiscalYear> nextFiscalYear(db::Database& db, int64_t idFirmy, int64_t idLataObrot) = 0;
    // Throws server::ClosingRefused or an error; then nothing changed.
    virtual server::ClosingOutcome create(db::Database& db, const server::ClosingRequest& request) = 0;
    virtual server::FiscalYear remove(db::Database& db, int64_t idFirmy, int64_t idLataObrot, bool dryRun) = 0;
    // Lays the printout out with a progress window and delivers it as the session asks.
    virtual void print(Printout which, const std::vector<report::Row>& rows) = 0;
};

ClosingServices& productionClosingServices();
// The services in force: a replacement (tests), else the production ones.
ClosingServices& closingServices();
// Puts services in place (not owned); nullptr brings the production ones back.
void replaceClosingServices(ClosingServices* services);

} // namespace ksiega::closing
