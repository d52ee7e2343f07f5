#pragma once
// Writes demo documents in bulk: headers into NAG_DOK, then lines into POZ_DOK, with ids
// given out here, the journal numbers (nr_dziennik) of posted documents numbered per company
// and year, and the header's company, year, period, status and kind copied onto each line.
// Runs in the caller's transaction.
#include "platform/db/Database.h"
#include "platform/db/demo/DemoModel.h"

namespace ksiega::db::demo {

struct WrittenDocuments {
    std::vector<int64_t> headerIds;              // id_nag_dok of each document, in order
    std::vector<std::vector<int64_t>> lineIds;   // id_poz_dok of each line of each document
};

// Throws DbError when a document does not balance (Dt total != Ct total).
WrittenDocuments writeDocuments(Database& db, const std::vector<DemoDocument>& documents);

} // namespace ksiega::db::demo
