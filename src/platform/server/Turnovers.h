#pragma once
// Server procedures over the turnovers table OBROTY_I_SALDA.
#include "platform/db/Database.h"
#include <QStringList>

namespace ksiega::server {

// Recomputes OBROTY_I_SALDA of a company and fiscal year from the document lines: per
// currency, period and account level (every prefix of an account number at its dashes,
// from the synthetic account down to the posted account).
//
// - obr_wn/obr_ma/saldo_wn/saldo_ma: posted lines (status 2) and the opening-balance
//   documents (czy_rk 10, whatever their status), in PLN;
// - the *_2 set: every line of the year, posted or not, in PLN;
// - the *_w set: posted lines in the row's currency.
// The 'PLN' rows carry every line at its PLN value (their *_w set repeats the PLN set);
// the rows of another currency carry only the lines kept in that currency. Lines of an
// opening-balance document count in the BO period whatever period date they carry.
// An account has a row in every period from its first turnover to the end of the year;
// the balance is that of the cumulative turnovers from BO, netted, except at the
// synthetic level of a two-balance account, where it is the sum of the Dt balances and
// the sum of the Ct balances of the posted accounts below it.
//
// The whole year is always recomputed: the lines are read in one pass whatever the
// period, so dataOkresu (0 = the whole year, else the first changed period) only says
// where changes began. One transaction; concurrent recomputes of a year wait for each
// other. Throws db::DbError when the company has no such year.
void UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int dataOkresu);

// The turnovers that the writers of ledger lines keep current in their own transaction:
// the rows of OBROTY_I_SALDA of the given synthetic accounts (each with every level below
// it, every period, every currency, all three sets) become exactly what the full
// recompute above would make of them, and no other row changes. Only those accounts' lines
// are read (through the account indexes), so the cost follows the accounts' lines, not the
// year's. An account number given instead of a synthetic one counts as its synthetic
// account. Waits for, and holds off, every other recompute of the year until the
// transaction ends. Throws db::DbError when the company has no such year.
//
// A period date off the year's grid that only other accounts' lines carry is taken from
// their stored rows; the full recompute remains the repair when those rows are stale.
void refreshTurnoversOfSynthetic(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QStringList& syntheticAccounts);

// The synthetic account of an account number: its part before the first dash.
QString syntheticOf(const QString& account);

} // namespace ksiega::server
