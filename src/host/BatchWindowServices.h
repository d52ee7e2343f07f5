#pragma once
// Window services where no person answers: screenshots and commands that drive a window's
// controller. Nothing is chosen, saved, opened or exported; a print asks for the statement
// code given (0: none) over the whole range and is laid out by the caller, not started.
#include "entries/services/WindowServices.h"

namespace ksiega::host {

class BatchWindowServices : public entries::WindowServices {
public:
    explicit BatchWindowServices(int statementCode = 0) : m_code(statementCode) {}

    void attach(QWidget*, const std::vector<entries::WindowList>&) override {}
    QString quickFilter(const QString&) override { return {}; }
    std::optional<entries::SavedFilter> chooseSavedFilter(int) override { return std::nullopt; }
    void saveFilter(int, const QString&) override {}
    void configureColumns(const entries::WindowList&) override {}
    void exportList(const entries::WindowList&) override {}
    void showFields(const entries::FieldList&) override {}
    void contractorContacts(int64_t) override {}
    bool openDocument(const entries::DrillDownEntry&) override { return false; }
    int chooseStatement(const QString&) override { return m_code; }
    bool askPrintRange() override { return m_code != 0; }
    void startListing(const entries::LedgerPrintJob&, const CurrencyCode&) override {}
    void startAccountLedger() override {}

private:
    int m_code;
};

// One for the windows a screenshot keeps.
inline BatchWindowServices& shotWindowServices() {
    static BatchWindowServices services;
    return services;
}

} // namespace ksiega::host
