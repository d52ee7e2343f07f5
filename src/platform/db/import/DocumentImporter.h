#pragma once
// Import of ledger documents from a CSV file (one row per document line; the columns are
// described in docs/import.md). The whole file is one transaction: either every document
// is loaded, posted, and the turnovers recomputed, or nothing is written and the errors
// come back with their line numbers.
#include "platform/db/Database.h"
#include "platform/db/import/ImportErrors.h"
#include <QIODevice>
#include <QString>
#include <vector>

namespace ksiega::db::import {

struct ImportOptions {
    int64_t idFirmy = 0;
    int64_t idLataObrot = 0;
    QString user = QStringLiteral("import");  // id_uzyt_p of the documents
    bool createAccounts = false;               // create missing analytic accounts
    int maxErrors = 50;                        // errors kept for the report
};

struct ImportResult {
    bool ok() const { return errorCount == 0; }
    int documents = 0;
    int64_t lines = 0;
    int accountsCreated = 0;
    double seconds = 0;                // the whole import, turnover recompute included
    // Where the time went (a successful import): reading and checking the file, loading the
    // headers, loading the lines, building indexes again after the load, recomputing the
    // turnovers, and the commit.
    double checkSeconds = 0, headerSeconds = 0, lineSeconds = 0, indexSeconds = 0, turnoverSeconds = 0, commitSeconds = 0;
    int errorCount = 0;                // all errors found
    std::vector<ImportError> errors;   // the first maxErrors of them
};

// `csv` must be open for reading and seekable (a file, a buffer): it is read twice, once
// to check every row and once to load the lines, so that no more than the document
// headers is held in memory. Database failures throw DbError (and nothing is written).
ImportResult importDocuments(Database& db, QIODevice& csv, const ImportOptions& options);
ImportResult importDocumentsFromFile(Database& db, const QString& path, const ImportOptions& options);

} // namespace ksiega::db::import
