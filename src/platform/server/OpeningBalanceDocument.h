#pragma once
// The opening-balance document of a fiscal year: one header in NAG_DOK per company,
// fiscal year and currency, with czy_rk = 10 and the period date of BO (day 1 of the
// first month of the year).
#include "platform/db/Database.h"

namespace ksiega::server {

enum class OpeningBalanceMode { FindOrCreate = 0, FindOnly = 1 };

// Finds the opening-balance header of the company, year and currency, or creates it
// (status 2, posting and document date dataDokumentu, period date the year's BO whatever
// dataOkresu says, user login, currency; "PLN" and "" are the home currency, kept as an
// empty waluta like the lines). Returns its id_nag_dok; 0 when the company has no such
// year, or, with FindOnly, when no header exists. Concurrent calls for one year wait for
// each other, so they never make two headers.
//
// Called by name as PRZYGOTUJ_DOKUMENT_BO(company, year, login, date, period date,
// currency, mode): one row with the id (0 on failure).
int64_t PRZYGOTUJ_DOKUMENT_BO(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& login,
                              int dataDokumentu, int dataOkresu, const QString& waluta,
                              OpeningBalanceMode mode = OpeningBalanceMode::FindOrCreate);

} // namespace ksiega::server
