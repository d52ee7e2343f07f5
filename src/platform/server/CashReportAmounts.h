#pragma once
// One amount of an account for the cash-book style summary of the account report: the
// sum of one side of the account's lines up to and including a date.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"

namespace ksiega::server {

// kind: 1 PLN Dt, 2 PLN Ct, 3 currency Dt, 4 currency Ct.
// postingDate: the date of a line is its document's posting date (data_biezaca), else
// the document date (data_dok_org).
// Counted: the posted lines (status 2) of the company's fiscal year on exactly that
// account with a date up to and including `date`, and the opening-balance lines
// (czy_rk 10) whatever their date, since the opening balance precedes every day of the
// year. Currency "PLN" (any case, or empty): every line at its PLN value, and kinds 3 and
// 4 give 0; another currency: only that currency's lines.
Money OBLICZ_KWOTY_DLA_RK(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int date, const QString& konto, int kind,
                          bool postingDate, const QString& waluta);

// The kind argument as the statement writes it: the kind digit followed by the date-kind
// character, "1" for posting date and a blank for document date ("11", "1 "); a number
// 11 or 1 reads the same.
struct CashAmountKind {
    int kind = 0;
    bool postingDate = false;
};
CashAmountKind parseCashAmountKind(const QString& text);

} // namespace ksiega::server
