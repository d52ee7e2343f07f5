#pragma once
// The year-end closing: the opening balance of the next fiscal year made from the closing
// balances of this one, and its removal. Both are one transaction each: every currency,
// the problem and transfer-report rows (KOMUNIKAT "GEN_BO" / "GEN_BO2" of the user), the
// next year's turnovers and the closed year's status commit together or not at all.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include "platform/server/FiscalYear.h"
#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace ksiega::server {

// The fiscal year of the company that follows `idLataObrot` (the first one that begins
// after it), nullopt when there is none.
std::optional<FiscalYear> nextFiscalYear(db::Database& db, int64_t idFirmy, int64_t idLataObrot);

enum class ClosingRange { All = 0, Chosen = 1 };

struct ClosingRequest {
    int64_t idFirmy = 0;
    int64_t idLataObrot = 0;          // the year being closed
    QString login;                    // DANE_ID_UZYT: the documents' user, the line claims
    int64_t userNumber = 0;           // DANE_ID_UZYTKOWNIKA_NR: KOMUNIKAT, ZAZNACZENIE browser 11,
                                      // ZMIANA_PLANU_KONT_ROZRACHUNKI
    int today = 0;                    // DANE_DATA_BIEZACA: the documents' posting date
    ClosingRange range = ClosingRange::All;   // Chosen: the accounts in browser 11 of the user
    bool skip980And998 = false;       // POMIN_KONTA_BT
    bool dryRun = false;              // everything is computed and read back, then rolled back

    // Asked inside the transaction, after the years are locked: a non-empty text refuses
    // the run with that text (the window passes the single-window rule here).
    std::function<QString()> refusalInside;
    // 0..100 as the run goes on (10 at the start, 10 + 50 * done / currencies, 90 before
    // the turnovers).
    std::function<void(int)> progress;
    // Called after each currency's lines are written, with its symbol; what it throws
    // rolls the whole run back (tests inject failures here).
    std::function<void(const QString&)> afterCurrency;
};

// The opening-balance document written for one currency ("PLN" for the home currency).
struct ClosingCurrency {
    QString symbol;
    int64_t idNagDok = 0;
    int64_t lines = 0;                // lines of the document after the run
};

struct ClosingProblem {               // a "GEN_BO" row
    QString currency;                 // tekst2
    QString description;              // tekst1
};

struct TransferRow {                  // a "GEN_BO2" row, one per plan-change row
    QString fromAccount;              // tekst1
    QString toAccount;                // tekst2
    QString remarks;                  // tekst3
};

struct ClosingOutcome {
    FiscalYear nextYear;
    std::vector<ClosingCurrency> currencies;   // in the order they were processed
    std::vector<ClosingProblem> problems;      // as read back from KOMUNIKAT
    std::vector<TransferRow> report;           // as read back, sorted
};

// Why the closing or the removal refused to run; nothing was changed.
class ClosingRefused : public std::runtime_error {
public:
    enum class Reason {
        NoNextYear,             // "Nie można wykonać tej operacji.|Następny rok obrotowy nie jest zdefiniowany."
        NextYearApproved,       // "Nie można wykonać tej operacji.|Bilans otwarcia w następnym roku obrotowym jest zatwierdzony."
        LineLockedByOther,      // a next-year opening line is claimed by another login
        RefusedInside           // refusalInside() answered with a text
    };
    ClosingRefused(Reason reason, const QString& text)
        : std::runtime_error(text.toStdString()), m_reason(reason), m_text(text) {}
    Reason reason() const { return m_reason; }
    QString text() const { return m_text; }

private:
    Reason m_reason;
    QString m_text;
};

// Creates (or regenerates) the next year's opening balance. One transaction; throws
// ClosingRefused or db::DbError, and then nothing has changed.
ClosingOutcome createNextYearOpeningBalance(db::Database& db, const ClosingRequest& request);

// Removes every opening-balance document (czy_rk 10) of the year after idLataObrot and
// recomputes that year's turnovers. Carried settlements that have clearings in that year
// are kept (detached from the removed lines) so that a later closing attaches them again.
// One transaction; throws ClosingRefused or db::DbError. Returns the next year.
FiscalYear removeNextYearOpeningBalance(db::Database& db, int64_t idFirmy, int64_t idLataObrot, bool dryRun = false);

// Writes the opening-balance lines of one currency into document idNagDok of the next
// year, from the closing year's lines (see YearClosing.cpp for the rules). Part of the
// caller's transaction. Returns the number of lines the document holds afterwards.
// Called by name as DODAJ_POZYCJE_ZAMKNIECIE_ROKU(company, year, next year, document,
// 'currency', today, user number, range (0 all, 1 chosen), skip 980/998 (0/1)).
int64_t DODAJ_POZYCJE_ZAMKNIECIE_ROKU(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t idNastepnegoRoku,
                                      int64_t idNagDok, const QString& waluta, int today, int64_t userNumber,
                                      ClosingRange range, bool skip980And998);

} // namespace ksiega::server
