#pragma once
// What a document import checks its rows against, read once per company and fiscal year:
// the year's dates, its accounts, journals, document types, currencies and the document
// numbers already used. Lookups are hash lookups, so that checking a row costs no query.
#include "platform/db/Database.h"
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace ksiega::db::import {

enum class AccountKind { Missing, Posting, Parent };

class LedgerCatalog {
public:
    // Throws DbError when the company has no such fiscal year.
    static LedgerCatalog load(Database& db, int64_t idFirmy, int64_t idLataObrot);

    int64_t idFirmy() const { return m_idFirmy; }
    int64_t idLataObrot() const { return m_idLataObrot; }
    int yearStart() const { return m_yearStart; }
    int yearEnd() const { return m_yearEnd; }

    AccountKind account(const std::string& nrKonta) const;
    bool hasSyntheticAccount(int nrKontaSyn) const { return m_synthetic.count(nrKontaSyn) > 0; }
    std::optional<int64_t> journal(const std::string& kodPaczki) const;
    std::optional<int64_t> documentType(const std::string& symbol) const;
    bool hasCurrency(const std::string& symbol) const { return m_currencies.count(symbol) > 0; }
    bool documentExists(const std::string& nrEwidDok) const { return m_documents.count(nrEwidDok) > 0; }

private:
    int64_t m_idFirmy = 0;
    int64_t m_idLataObrot = 0;
    int m_yearStart = 0;
    int m_yearEnd = 0;
    std::unordered_map<std::string, bool> m_accounts; // nr_konta -> takes postings
    std::unordered_set<int> m_synthetic;
    std::unordered_map<std::string, int64_t> m_journals;
    std::unordered_map<std::string, int64_t> m_types;
    std::unordered_set<std::string> m_currencies;
    std::unordered_set<std::string> m_documents;
};

} // namespace ksiega::db::import
