#pragma once
// What the import wizard and the document-from-settlements window ask of the server and of
// the printing, in one injected interface. The procedures wire
// productionSettlementServices(); a test may put its own in place.
#include "platform/report/ReportDefinition.h"
#include "platform/server/settlements/OpeningBalanceImport.h"
#include "platform/server/settlements/SettlementDocument.h"
#include <vector>

namespace ksiega::settlements {

class SettlementServices {
public:
    virtual ~SettlementServices() = default;
    // PRZYGOTUJ_DOKUMENT_BO: the opening-balance document of the currency (found or made).
    virtual int64_t prepareOpeningDocument(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& login,
                                           int date, const QString& currency) = 0;
    // TG_BO_IMPORT and TG_BO_IMPORT_OUT.
    virtual server::SettlementImportResult importLedger(db::Database& db, const server::SettlementImportRequest& request) = 0;
    virtual server::SettlementImportResult importWarehouse(db::Database& db, const server::SettlementImportRequest& request,
                                                           int dataSalda) = 0;
    // TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI: the new document's id.
    virtual int64_t makeDocument(db::Database& db, const server::SettlementDocumentRequest& request) = 0;
    // The result page's printout: progress window, then preview, printer or PDF.
    virtual void print(const QString& title, const std::vector<report::Row>& rows) = 0;
};

SettlementServices& productionSettlementServices();
// The services in force: a replacement (tests), else the production ones.
SettlementServices& settlementServices();
// Puts services in place (not owned); nullptr brings the production ones back.
void replaceSettlementServices(SettlementServices* services);

} // namespace ksiega::settlements
