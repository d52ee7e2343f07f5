#pragma once
// The chart of accounts of a fiscal year as the server sees it: account names and the
// resolution of a typed account number.
#include "platform/db/Database.h"
#include <optional>

namespace ksiega::server {

// The name of an account of the year (WARTOSCI_KONT; a synthetic account missing there is
// looked up in KONTA_SYNT). nullopt for an account the year does not have. Surrounding
// blanks and quotes of the account text are ignored. Called by name: one row with the
// name, or no row.
std::optional<QString> USTAL_NAZWE_KONTA(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& konto);

// The server function behind "select dbo.TG_GetNazwaKonta(...)": the name, or "" for an
// unknown account (a scalar function always answers).
QString TG_GetNazwaKonta(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& konto);

struct FoundAccount {
    QString nrKonta;
    QString nazwaKonta;
    bool czyAnalityka = false;   // a leaf that takes postings
};

// Resolves a typed account text in the chart of the year. With tryb 1 the text must name
// an account exactly (after trimming); with any other tryb a text that is the beginning
// of exactly one account number resolves to that account too. nullopt when nothing (or
// more than one account) matches. Called by name: one row (1, nr_konta, nazwa_konta,
// czy_analityka) when found, no row otherwise.
std::optional<FoundAccount> SZUKAJ_KONTA(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& tekst,
                                         int tryb);

} // namespace ksiega::server
