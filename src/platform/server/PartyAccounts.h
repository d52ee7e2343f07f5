#pragma once
// TG_GetKontaKontrahenta: the accounts of one contractor, employee or office in a fiscal
// year, as a comma-separated list of quoted SQL texts ('201-01-001','201-01-002') that a
// filter embeds in "KONTO in(...)". A party without accounts gives '' so that the list
// stays valid and matches nothing.
#include "platform/db/Database.h"

namespace ksiega::server {

// kind: "K" contractor, "P" employee, "U" office (WARTOSCI_KONT.rodzaj_kartoteki).
QString TG_GetKontaKontrahenta(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t idKartoteki,
                               const QString& kind);

} // namespace ksiega::server
