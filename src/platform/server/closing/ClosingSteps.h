#pragma once
// The steps of the year-end closing, shared by its files. They work through temporary
// work tables of the connection (tmp_zr_*), created once and emptied by each run, and are
// part of the caller's transaction.
#include "platform/db/Database.h"
#include "platform/server/FiscalYear.h"
#include "platform/server/YearClosing.h"
#include <QString>
#include <QStringList>

namespace ksiega::server::closing {

// One currency's run: the closing year, the next one and the document written.
struct CurrencyRun {
    FiscalYear closingYear;
    FiscalYear nextYear;
    int64_t idNagDok = 0;
    QString currency;             // "PLN", "EUR": the key of the lines and settlements
    int64_t userNumber = 0;
    ClosingRange range = ClosingRange::All;
    bool skip980And998 = false;
    QString login;                // who splits a line that carries another account as well
};

// The key of a line's or a settlement's currency column: '' and any case of "pln" are "PLN".
QString currencyKey(const QString& column);

// Creates the work tables when the connection has none and empties them.
void prepareWorkTables(db::Database& db);
// Empties the tables of one currency's run (the balances stay).
void clearCurrencyTables(db::Database& db);

// The one grouped pass over the closing year's lines (posted or opening-balance, every
// period): per posted account and currency key, Dt, Ct and their currency amounts, into
// tmp_zr_saldo. `onlyCurrency` empty: every currency.
void readBalances(db::Database& db, const FiscalYear& closingYear, const QString& onlyCurrency = {});
// The currency keys found by readBalances: PLN first, then alphabetical.
QStringList balanceCurrencies(db::Database& db);

// Fills tmp_zr_src with the accounts of the run's currency and where each goes (type,
// plan change, 860, chosen), and tmp_zr_part with the amounts each target receives.
// Problem rows for what is not carried are written.
void mapAccounts(db::Database& db, const CurrencyRun& run);
// The open settlements at the closing year's end of the sources that go to settlement
// accounts (tmp_zr_rozr), and the parts of accounts whose change row moves only its
// attached settlements.
void collectSettlements(db::Database& db, const CurrencyRun& run);
// The target lines (tmp_zr_line) with their amounts; a settlement account's line carries its
// settlements per side and any difference to the ledger on its side (a problem row).
void computeLines(db::Database& db, const CurrencyRun& run);
// Gives every target that stands on a line of the document beside another account a line
// of its own (the other account's side stays where it is, untouched), as the amount entry
// does. A line claimed by another login refuses the run (db::DbError).
void splitSharedLines(db::Database& db, const CurrencyRun& run);
// Replaces the document's lines (all, or those of the rewritten targets) by tmp_zr_line,
// keeping the id of a line that stays; then the settlements and the cost-centre splits.
void writeLines(db::Database& db, const CurrencyRun& run);
void writeSettlements(db::Database& db, const CurrencyRun& run);
void writeCostCentres(db::Database& db, const CurrencyRun& run);
// What each plan-change row did in this currency, kept for the transfer report.
void noteTransfers(db::Database& db, const CurrencyRun& run);
// Writes the transfer report ("GEN_BO2", one row per plan-change row) from the notes of
// every currency run so far, and empties them.
void writeTransferReport(db::Database& db, const FiscalYear& closingYear, int64_t userNumber);

// Drops the parts whose target is not a posting account of the next year's chart, with a
// problem row for each account that had an amount there.
void validateTargets(db::Database& db, const CurrencyRun& run);
// "Dt 1 234,56" / "Ct 1 234,56" of a net amount in grosze.
QString amountText(int64_t net);

// A "GEN_BO" row of the user.
void addProblem(db::Database& db, int64_t userNumber, const QString& text, const QString& currency);

// Settlements of the next year that lost their line: those with clearings or of the
// warehouse system stay (detached, id_poz_dok_f 0), the rest are removed. They are the
// ids in the work table tmp_zr_old. Returns how many stayed detached.
int64_t dropOrDetachOldSettlements(db::Database& db, int64_t userNumber, const QString& currency);

} // namespace ksiega::server::closing
