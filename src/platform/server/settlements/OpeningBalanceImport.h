#pragma once
// Open settlements brought into the opening balance of a fiscal year, and taken out again.
//
// An import takes the settlements the user marked in the settlements window (ZAZNACZENIE
// browser 30 of the user number) that belong to the company and year, are on no ledger
// line yet (id_poz_dok_f = 0) and are open, and makes each a settlement of its account's
// line in the opening-balance document of its currency (czy_bo 1, id_poz_dok_f = the
// line). The line is found, merged or created and claimed as the amount entry does it
// (POZYCJE_BO_DODAJ, under the login of the user number); its amounts grow on each side by
// the signed sum of what its new settlements bring, and the turnovers of the touched
// synthetic accounts follow, all in one transaction. A settlement is taken by a
// conditional update (... where id_poz_dok_f = 0): of two sessions importing the same
// settlement, one takes it and the other counts it as not imported.
//
// Which settlements count:
// - `konto`: with the card flag 0, the settlements of that account alone; with the card
//   flag 1 (the account is kept on cards), those of the account and of every account below
//   it ("konto-..."), each going to the line of its own account.
// - `filtrKartoteki` (KARTOTEKA_UZYTKOWNIKA.filtr_kartoteka of the account's card register):
//   with the card flag 1 it narrows the cards: the symbol of the card of the settlement's
//   account must fit it as the card pickers read it (a mask with "*" and "?", else the
//   beginning of the symbol; letters without regard to case). Empty: every card. It is a
//   bound value, never statement text; with the card flag 0 it is not read.
// - `opcjaImportu` (the account's currency property as the tree read it, 1 = a currency
//   account): settlements in a currency other than PLN are imported into the opening
//   balance of their currency only when it is 1 and the chart of the year agrees
//   (KONTA_SYNT.czy_walutowe = 1); otherwise they are left out (an account kept in PLN has
//   no opening balance in a currency). PLN settlements always count.
// - open: what is left of it on its side is not 0 (on the balance date, for the warehouse
//   system's settlements when a date is given).
//
// What a settlement brings to its line: from the ledger's import its signed amount and
// currency amount, as the amount entry checks the line against its settlements; from the
// warehouse system's import its balance on the date in PLN and in the currency (date 0:
// what is left of it now). What it brought is kept (ROZRACHUNEK_IMPORT_BO) for the undo.
//
// Refusals, each leaving everything as it was (db::DbError): an approved opening balance
// (read after the year is taken, inside the transaction), an unknown year or user.
// A line of an account that another login holds is skipped: its settlements stay where
// they were and are counted in `skippedLocked`.
#include "platform/db/Database.h"
#include <QString>

namespace ksiega::server {

struct SettlementImportRequest {
    int64_t idFirmy = 0;
    int64_t idLataObrot = 0;
    int64_t userNumber = 0;        // DANE_ID_UZYTKOWNIKA_NR
    QString konto;
    QString filtrKartoteki;
    bool kartoteka = false;        // the card flag
    int opcjaImportu = 0;
};

struct SettlementImportResult {
    int imported = 0;              // 0: "Brak odpowiednich rozrachunków do importu."
    int skippedLocked = 0;         // on lines another login holds
};

// Called by name as TG_BO_IMPORT(company, year, user number, 'account', 'card filter',
// card flag, import option): one row (zaimportowane, pominiete). Every settlement the
// ledger knows (ROZRACHUNEK_BILANTOR_V) may be imported.
SettlementImportResult TG_BO_IMPORT(db::Database& db, const SettlementImportRequest& request);

// Called by name as TG_BO_IMPORT_OUT(the same seven, balance date): the warehouse system's
// settlements only (id_nag_dok_m <> 0), each at its balance on the date (0: no date).
SettlementImportResult TG_BO_IMPORT_OUT(db::Database& db, const SettlementImportRequest& request, int dataSalda);

// Takes out of the opening balance the settlements listed in ZAZNACZENIE browser 34 of the
// user number that belong to an opening-balance line of the company (others in the list
// are left alone): an imported one and one of the warehouse system goes back to where it
// was (id_poz_dok_f 0, its former czy_bo; czy_bo 0 for one not imported here) with its
// clearings; any other (entered into the opening balance) is deleted. Each line loses on
// its side what the settlement brought (a ledger settlement: its signed amount now), a
// line left with no amount and nothing hanging on it goes, and the turnovers follow. One
// transaction. Refused as a whole (db::DbError, nothing changed) when a settlement it would
// delete has clearings, when the opening balance of a year it touches is approved, or
// when another login holds one of the lines. Returns how many settlements left the
// opening balance. Called by name as TG_BO_IMPORT_UNDO(company, user number): one row.
int TG_BO_IMPORT_UNDO(db::Database& db, int64_t idFirmy, int64_t userNumber);

} // namespace ksiega::server
