#pragma once
// What a document import checks its rows against, for one company and fiscal year: the
// year's dates, its journals, document types, synthetic accounts and currencies (read once:
// they are the size of the chart), and its accounts and the document numbers already used,
// looked up by key as the file names them (see YearKeys), so that checking a small file
// costs a few index probes however large the year is.
//
// The catalog reads through the importer's connection and must not outlive its transaction.
#include "platform/db/Database.h"
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace ksiega::db::import {

enum class AccountKind { Missing, Posting, Parent };

// Rows of the year looked up by a text key, each key at most once. While few keys have been
// asked for, each is one index probe; after `probeLimit` probes every key of the year is read
// in one statement and the rest answered from memory, so that a file naming many keys pays
// one pass over the year instead of a round trip per key.
class YearKeys {
public:
    // `probeSql` takes the scope's parameters and the key, `allSql` the scope's parameters;
    // both select the key's value (an integer) first: probeSql alone, allSql after the key.
    YearKeys(QString probeSql, QString allSql, int probeLimit)
        : m_probeSql(std::move(probeSql)), m_allSql(std::move(allSql)), m_probeLimit(probeLimit) {}

    std::optional<int64_t> find(Database& db, const Params& scope, const std::string& key);

    int probes() const { return m_probes; }
    bool readWhole() const { return m_whole; }

private:
    QString m_probeSql, m_allSql;
    int m_probeLimit;
    int m_probes = 0;
    bool m_whole = false;
    std::unordered_map<std::string, std::optional<int64_t>> m_known;
};

class LedgerCatalog {
public:
    // Probes per kind of key before the whole year's keys are read instead.
    static constexpr int kProbeLimit = 256;

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
    bool documentExists(const std::string& nrEwidDok) const;

private:
    LedgerCatalog();

    Database* m_db = nullptr;
    int64_t m_idFirmy = 0;
    int64_t m_idLataObrot = 0;
    int m_yearStart = 0;
    int m_yearEnd = 0;
    // Looked up on demand: the lookups are const, what they learn is a cache.
    mutable YearKeys m_accounts;   // nr_konta -> czy_analityka
    mutable YearKeys m_documents;  // nr_ewid_dok -> 1
    std::unordered_set<int> m_synthetic;
    std::unordered_map<std::string, int64_t> m_journals;
    std::unordered_map<std::string, int64_t> m_types;
    std::unordered_set<std::string> m_currencies;
};

} // namespace ksiega::db::import
