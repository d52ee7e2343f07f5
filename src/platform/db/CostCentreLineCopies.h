#pragma once
// What a cost-centre split (MPK_DANE) repeats from its document header, so that the "MPK"
// list reads each of its orders off an index of MPK_DANE alone instead of sorting every
// split of the company: nr_ewid_dok, data_biezaca, nr_dok_org and data_dok_org (the list's
// own konto and kwota are the split's). Every writer of MPK_DANE, and every writer of a
// header or line (through refreshLineCopies), calls refreshCostCentreLineCopies for what it
// wrote, in its own transaction, after the write. One set-based statement; splits already
// equal are left untouched; returns how many splits it changed.
#include "platform/db/Database.h"
#include <cstdint>

namespace ksiega::db {

// Which splits to bring up to date.
struct CostCentreCopyScope {
    enum class By { Documents, Lines, All };
    By by = By::All;
    int64_t first = 0;
    int64_t last = 0;

    // The splits of the lines of the documents id_nag_dok in [first, last].
    static CostCentreCopyScope documents(int64_t first, int64_t last) { return {By::Documents, first, last}; }
    static CostCentreCopyScope document(int64_t id) { return documents(id, id); }
    // The splits of the lines id_poz_dok in [first, last].
    static CostCentreCopyScope lines(int64_t first, int64_t last) { return {By::Lines, first, last}; }
    static CostCentreCopyScope line(int64_t id) { return lines(id, id); }
    // Every split of the database.
    static CostCentreCopyScope all() { return {}; }
};

int64_t refreshCostCentreLineCopies(Database& db, const CostCentreCopyScope& scope);

} // namespace ksiega::db
