#pragma once
// The documents of an import file, checked row by row: rows with the same nr_ewid_dok form
// one document whose header comes from its first row. Keeps one header and the Dt/Ct
// totals per document (not the lines), and every error with its line number.
#include "platform/db/import/AccountPlanner.h"
#include "platform/db/import/CsvReader.h"
#include "platform/db/import/ImportErrors.h"
#include "platform/db/import/LedgerCatalog.h"
#include "platform/runtime/Money.h"
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace ksiega::db::import {

struct ImportedDocument {
    std::string nrEwidDok;
    std::string nrDokOrg;
    int dataBiezaca = 0;
    int dataDokOrg = 0;
    int dataOkresu = 0;
    int64_t idPaczka = 0;
    int64_t idTypDok = 0;
    std::string waluta;     // "" = home currency
    bool currencyKnown = true;
    int firstLine = 0;
    int lineCount = 0;
    bool headerValid = true;
    bool linesValid = true;
    Money sumWn, sumMa, sumWnW, sumMaW; // added with overflow checks
};

class DocumentSet {
public:
    DocumentSet(const LedgerCatalog& catalog, AccountPlanner& accounts, ImportErrors& errors)
        : m_catalog(catalog), m_accounts(accounts), m_errors(errors) {}

    // One data row of the file (the header line is checked by the caller).
    void addRow(const CsvRecord& row);
    // Checks what can only be checked once every row is in: the balance of each document.
    void finish();

    const std::vector<ImportedDocument>& documents() const { return m_documents; }
    // Index of the document of a row, by its nr_ewid_dok; -1 when unknown.
    int indexOf(const std::string& nrEwidDok) const;
    int64_t lineCount() const { return m_lines; }

private:
    bool readHeader(const CsvRecord& row, ImportedDocument& doc);
    bool compareHeader(const CsvRecord& row, const ImportedDocument& first, const ImportedDocument& again);
    void error(int line, const QString& message) { m_errors.add(line, message); }

    const LedgerCatalog& m_catalog;
    AccountPlanner& m_accounts;
    ImportErrors& m_errors;
    std::vector<ImportedDocument> m_documents;
    std::unordered_map<std::string, int> m_index;
    std::unordered_set<std::string> m_unreadable; // documents with a row that could not be read
    int64_t m_lines = 0;
};

} // namespace ksiega::db::import
