#pragma once
// Checks the accounts named on import rows, and, when asked to, plans the analytic
// accounts that are missing under an existing synthetic account (with the levels between
// them). Nothing is written until writeAccounts(), which runs only for a file without errors.
#include "platform/db/import/LedgerCatalog.h"
#include <QString>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace ksiega::db::import {

class AccountPlanner {
public:
    AccountPlanner(const LedgerCatalog& catalog, bool createMissing) : m_catalog(catalog), m_create(createMissing) {}

    // An account used for postings on `line`: nullopt when it is (or will be) a posting
    // account, otherwise the error message.
    std::optional<QString> use(const std::string& nrKonta, int line);

    int plannedCount() const { return int(m_planned.size()); }
    // Inserts the planned accounts into WARTOSCI_KONT, parents first.
    void writeAccounts(Database& db) const;

private:
    struct Planned {
        bool posting;  // a leaf that takes postings, or a level between synthetic and leaf
        int line;      // first line that needed it
        int order;
    };
    std::optional<QString> plan(const std::string& nrKonta, bool posting, int line);

    const LedgerCatalog& m_catalog;
    bool m_create;
    std::unordered_map<std::string, Planned> m_planned;
};

} // namespace ksiega::db::import
