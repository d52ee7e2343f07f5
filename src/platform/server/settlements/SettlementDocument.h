#pragma once
// A new ledger document made of the settlements the user marked (ZAZNACZENIE browser 30):
// typically the warehouse system's settlements that the ledger has not booked yet.
//
// How the lines are formed: one line per settlement, in the order of the settlements'
// ids, in the settlement's own currency (the header is in PLN, the lines carry their
// currency, so settlements in two currencies make one document). The settlement's account
// stands on its own side and the account given for the other side faces it: a settlement
// on the Dt side (a receivable) gives Dt its account / Ct `kontoMa`, one on the Ct side (a
// payable) gives Dt `kontoWn` / Ct its account. The amounts are the settlement's signed
// amount and currency amount (a correction books negative, red storno), the rate is their
// quotient; the line's description is `opis`, or the settlement's symbol when `opis` is
// empty. Each settlement is then carried by its line (id_poz_dok_f), and the turnovers of
// the touched synthetic accounts follow. The document is not posted (status 1): it waits
// in the journal for the accountant. Its number in the journal (nr_dziennik) is the next
// one there; nr_ewid_dok is "<journal code>/<number>", nr_dok_org "<type symbol>/<number>".
//
// Only settlements of the company and year that no line carries yet (id_poz_dok_f = 0)
// are taken, each by a conditional update: of two sessions posting the same settlement,
// one books it and the other does not see it.
//
// Refused, writing nothing (db::DbError with the text): no such settlement marked
// ("Proszę wybrać rozrachunki."), an account given for a side that some settlement needs
// that is empty, any account given that is not a posting account of the year, a settlement
// whose account the year's chart lacks, a period date outside the year, a journal of
// another company or year, a document type the journal does not take, an unknown user.
#include "platform/db/Database.h"
#include <QString>

namespace ksiega::server {

struct SettlementDocumentRequest {
    int64_t idFirmy = 0;
    int64_t idLataObrot = 0;
    int64_t userNumber = 0;       // DANE_ID_UZYTKOWNIKA_NR
    int64_t idTypDok = 0;
    int64_t idPaczka = 0;         // the journal
    int dataOkresu = 0;           // DANE_DATA_OKRESU
    int dataBiezaca = 0;          // DANE_DATA_BIEZACA: the posting and document date
    QString opis;
    QString kontoWn;
    QString kontoMa;
};

// Returns the new document's id_nag_dok. Called by name as
// TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI(company, year, user number, document type id, journal id,
// period date, posting date, 'description', 'debit account', 'credit account'): one row
// (id_nag_dok).
int64_t TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI(db::Database& db, const SettlementDocumentRequest& request);

} // namespace ksiega::server
