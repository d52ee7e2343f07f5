#pragma once
// What a typed account text is, for a window that holds an account typed exactly and opens
// the chart of accounts for anything else.
#include "platform/db/Database.h"
#include <QString>

namespace ksiega::server {

enum class AccountTextKind {
    PostingAccount = 0,   // exactly an account of the year that takes postings: held as typed
    HigherAccount = 1,    // exactly an account with accounts below it
    Beginning = 2,        // the beginning of one or more account numbers
    NoMatch = 3           // nothing (an empty text too)
};

// SZUKAJ_KONTA(company, year, 'text', 10): one row (wynik, nr_konta), wynik the kind's
// number, nr_konta the account when the text names one. The text is compared as typed
// (surrounding blanks aside); "%" and "_" are plain characters.
AccountTextKind accountTextKind(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& tekst);

} // namespace ksiega::server
