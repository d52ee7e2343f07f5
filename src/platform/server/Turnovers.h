#pragma once
// Server procedures over the turnovers table OBROTY_I_SALDA.
#include "platform/db/Database.h"

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

} // namespace ksiega::server
