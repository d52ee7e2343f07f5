#pragma once
// The lines of an opening-balance document as every writer changes them: the amount entry
// windows, the year-end closing and the settlement imports. A writer claims the account's
// line, writes its settlements and its amounts, and the turnovers of the opening-balance
// period follow in the same transaction. Each function is one transaction (a savepoint
// inside the caller's transaction).
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include "platform/runtime/Rate.h"
#include <QString>
#include <map>
#include <vector>

namespace ksiega::server {

// ---- the line and its claim ---------------------------------------------------------

enum class LineClaimStatus {
    Claimed,         // the line is this user's until released
    LockedByOther,   // "Wybrana pozycja jest zablokowana przez innego użytkownika."
    ReadError        // "Wystąpił błąd odczytu z tabeli pozycji dokumentów."
};

struct LineClaim {
    LineClaimStatus status = LineClaimStatus::ReadError;
    int64_t idPozDok = 0;
    QString heldBy;   // the login holding the line when LockedByOther
};

// Finds the account's line in the opening-balance document idNagDok, creating it when the
// account has none, and claims it for `login` in BLOKADY_POZYCJI. When the account has
// several lines in the document (the closing, the imports and older data write one-sided
// lines), they are merged first into one line that carries the sums of both sides, with
// every partial entry, settlement, cost-centre split and dictionary value of the others;
// the merged lines disappear. The claim is an insert whose key decides a race between
// sessions. A line already claimed by the same login is claimed again. The transaction
// commits, so that other sessions see the claim. ReadError when the document is missing or
// does not belong to the company. A line of the account held by another login keeps every
// line of the account as it is (LockedByOther, with that line and its holder).
// Of a line that carries another account on its other side, only this account's side
// moves (with the settlements on this account and the cost-centre split of that side);
// the line keeps its other side and what describes it as a whole (partial entries,
// dictionary values, budget lines).
//
// Called by name as POZYCJE_BO_DODAJ(company, document, account, login, user number): one
// row (status, id_poz_dok), status 0 claimed, 1 held by another login, 2 read error.
LineClaim POZYCJE_BO_DODAJ(db::Database& db, int64_t idFirmy, int64_t idNagDok, const QString& konto,
                           const QString& login, int64_t userNumber);

// Releases the claim of the line when `login` holds it; any other claim stays.
// Called by name as POZYCJE_BO_ZWOLNIJ(line, login).
void POZYCJE_BO_ZWOLNIJ(db::Database& db, int64_t idPozDok, const QString& login);
// The login that holds the line, "" when nobody does.
QString lineClaimHolder(db::Database& db, int64_t idPozDok);

// Why a writer may not change a line, checked inside the writer's transaction.
enum class LineWriteRefusal {
    None,
    Approved,        // zamkniete_bo = 1 of the line's fiscal year
    NotClaimed,      // the line is not (or no longer) claimed by the login
    Missing          // the line no longer exists
};
// Reads the approval of the line's fiscal year and the claim inside the caller's
// transaction (on PostgreSQL the claim row and the year row are locked until it ends).
LineWriteRefusal checkLineWritable(db::Database& db, int64_t idPozDok, const QString& login);

// ---- partial entries ----------------------------------------------------------------

struct PartialEntry {
    int dataDok = 0;
    QString nrDok;
    QString opis;
    Money kwotaWn, kwotaWnW, kwotaMa, kwotaMaW;
    Rate kursWn, kursMa;          // exchange rates (POZ_DOK_CZASTKOWE keeps rate x 10 000)
    int mnoznikWn = 1, mnoznikMa = 1;
};

std::vector<PartialEntry> readPartialEntries(db::Database& db, int64_t idPozDok);
// Replaces the line's partial entries by `entries`, in their order.
void writePartialEntries(db::Database& db, int64_t idPozDok, const std::vector<PartialEntry>& entries);

// ---- settlements --------------------------------------------------------------------

struct OpeningSettlement {
    int64_t id = 0;               // id_rozrachunku; 0 for a new one
    QString symbol;
    int dataDok = 0;
    int terminPlatnosci = 0;
    QChar rodzaj = QChar('N');    // 'N' należność, 'Z' zobowiązanie, 'P' płatność
    QString strona = QStringLiteral("WN");   // "WN" (Dt) or "MA" (Ct)
    Money kwota, kwotaW;          // as stored: positive, a correction counts negative
    QString opis;
    bool korekta = false;
    int64_t idNagDokM = 0;        // the warehouse-system document; read only
    int aplikacjaStatus = 0;
    QString znacznikTransakcji;
    int64_t idKlasyfikacja = 0;   // id_rozrachunek_klasyfikacja
    bool hasClearings = false;    // read only: ROZLICZENIE rows exist for it

    // The signed amounts by side, as the checks of the entry window sum them.
    Money signedKwota() const { return korekta ? -kwota : kwota; }
    Money signedKwotaW() const { return korekta ? -kwotaW : kwotaW; }
};

// The settlements carried by the line (ROZRACHUNEK_BILANTOR_V.id_poz_dok_f), by id.
std::vector<OpeningSettlement> readLineSettlements(db::Database& db, int64_t idPozDok);

// Writes one settlement of the line. A new one (id 0, or an id that no longer exists) is
// inserted as an opening-balance settlement (czy_bo 1) of the account, the line's year and
// currency; an existing one is updated in place, keeping its id, and loses its clearings
// (both halves of each) only when its amount, currency amount or side changed. A warehouse
// settlement is never written. Returns the settlement's id. A settlement of another line is
// refused (db::DbError), as are an unknown kind or side and a negative amount.
//
// Called by name as POZYCJE_BO_ROZRACH(document, line, company, year, 'account', 'amount',
// 'currency amount', 'symbol', 'currency', document date, due date, 'kind' (N, Z, P),
// 'side' (WN, MA), user number, 'description', correction flag (0/1), settlement id (0 new),
// aplikacja_status, 'znacznik_transakcji', id_rozrachunek_klasyfikacja); amounts as decimal
// text ("1234.56"). One row: id_rozrachunku.
int64_t POZYCJE_BO_ROZRACH(db::Database& db, int64_t idNagDok, int64_t idPozDok, int64_t idFirmy, int64_t idLataObrot,
                           const QString& konto, const QString& waluta, int64_t userNumber,
                           const OpeningSettlement& settlement);

// Mode 1: removes those settlements of the line among `readIds` (what the window read) that
// the user's selection store does not list under browser 300 (what the window kept).
// Mode 0: removes every settlement of the line that the ledger keeps. Warehouse
// settlements (id_nag_dok_m <> 0) and settlements of other lines are never removed; the
// clearings of a removed settlement go with it, both halves. Returns how many were removed.
// Called by name as TG_BO_USUN_ROZRACH(user number, line, mode[, read id, ...]): the ids
// after the mode are `readIds` (without them mode 1 removes nothing). One row: the count.
int TG_BO_USUN_ROZRACH(db::Database& db, int64_t userNumber, int64_t idPozDok, int mode,
                       const std::vector<int64_t>& readIds = {});

// ---- amounts ------------------------------------------------------------------------

struct LineAmounts {
    Money kwotaWn, kwotaWnW, kwotaMa, kwotaMaW;
    bool isZero() const { return kwotaWn.isZero() && kwotaWnW.isZero() && kwotaMa.isZero() && kwotaMaW.isZero(); }
};

// Sets the line's amounts (the account stands on each side that has an amount; a line
// with no amount keeps the account on its Dt side), its currency, the header fields it
// repeats and the opening-balance period dataBo. A line left with no amount loses its
// partial entries and cost-centre split. The turnovers of OBROTY_I_SALDA that the line
// feeds take the line's change (TurnoverChange: its old figures out, its new ones in).
// `flag`: 1 from a card line's removal, 0 from the entry window (both write the same).
// A writer of many lines passes refreshTurnovers false and hands the lines to one
// TurnoverChange of its own, in the same transaction (leavingLines / arrivingLines).
void POZYCJE_BO_AKTUALIZUJ(db::Database& db, int64_t idNagDok, int dataBo, int64_t idFirmy, int64_t idLataObrot,
                           int64_t idPozDok, int flag, const QString& walutaWn, const QString& walutaMa,
                           const LineAmounts& amounts, int64_t userNumber, bool refreshTurnovers = true);

// ---- sums ---------------------------------------------------------------------------

struct OpeningSums {
    Money first, second, third, fourth;
};

// Mode 1: the opening-balance document of the currency: Dt, Dt in currency, Ct, Ct in
// currency. Mode 2: every opening-balance document of the year, in PLN: Dt, 0, Ct, 0.
// Mode 3: the same over off-balance accounts (type 'P'), Dt first; mode 4: the off-balance
// Ct first. One grouped statement each.
OpeningSums POZYCJE_BO_SUMUJ(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& waluta, int mode);

// What "Podsumowanie" shows, from one pass over the year's opening lines: per currency
// (keyed as lines store it, "" for PLN) what mode 1 answers, every document in PLN (mode 2)
// and the off-balance part of it (mode 3). A currency without a document is absent.
struct OpeningBalanceSummarySums {
    std::map<QString, OpeningSums> byCurrency;
    OpeningSums all, offBalance;
};
OpeningBalanceSummarySums openingBalanceSummary(db::Database& db, int64_t idFirmy, int64_t idLataObrot);

} // namespace ksiega::server
