#pragma once
// Server procedures over the turnovers table OBROTY_I_SALDA.
#include "platform/db/Database.h"

namespace ksiega::server {

// Recomputes OBROTY_I_SALDA of a company and fiscal year from the document lines: per
// currency, period and account level. dataOkresu 0 recomputes the whole year, otherwise
// the given period (and the balances of the periods after it). One transaction.
void UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int dataOkresu);

} // namespace ksiega::server
