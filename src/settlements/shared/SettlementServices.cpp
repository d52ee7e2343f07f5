#include "settlements/shared/SettlementServices.h"
#include "platform/server/OpeningBalanceDocument.h"
#include "settlements/shared/ResultPage.h"

namespace ksiega::settlements {

namespace {

class ProductionSettlementServices : public SettlementServices {
public:
    int64_t prepareOpeningDocument(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& login, int date,
                                   const QString& currency) override {
        return server::PRZYGOTUJ_DOKUMENT_BO(db, idFirmy, idLataObrot, login, date, date, currency);
    }
    server::SettlementImportResult importLedger(db::Database& db, const server::SettlementImportRequest& request) override {
        return server::TG_BO_IMPORT(db, request);
    }
    server::SettlementImportResult importWarehouse(db::Database& db, const server::SettlementImportRequest& request,
                                                   int dataSalda) override {
        return server::TG_BO_IMPORT_OUT(db, request, dataSalda);
    }
    int64_t makeDocument(db::Database& db, const server::SettlementDocumentRequest& request) override {
        return server::TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI(db, request);
    }
    void print(const QString& title, const std::vector<report::Row>& rows) override { printResult(title, rows); }
};

SettlementServices* g_replacement = nullptr;

} // namespace

SettlementServices& productionSettlementServices() {
    static ProductionSettlementServices services;
    return services;
}

SettlementServices& settlementServices() { return g_replacement ? *g_replacement : productionSettlementServices(); }
void replaceSettlementServices(SettlementServices* services) { g_replacement = services; }

} // namespace ksiega::settlements
