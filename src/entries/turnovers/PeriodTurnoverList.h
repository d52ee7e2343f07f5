#pragma once
// The period-turnover list of an account (?LIST6 of the ledger browse, also what the
// account ledger printout prints): "BO", every month of the fiscal year, "BZ", each with
// its turnovers, the running sums from BO and the balance at the end of the period. The
// figures of each period come from OBLICZ_OBROTY_DLA_KONTA.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <vector>

namespace ksiega::entries {

struct PeriodTurnoverRow {
    QString okres;        // "BO", the month's label, "BZ"
    int dataOkresu = 0;   // day 1 BO, day 2 a month, day 28 BZ
    Money obrotyDt, obrotyCt;
    Money narastajacoDt, narastajacoCt;
    Money saldoDt, saldoCt;
};

struct PeriodTurnoverQuery {
    int64_t idFirmy = 0;          // DANE_ID_FIRMY
    int64_t idLataObrot = 0;      // DANE_LATA_OBROTOWE
    int poczatekRoku = 0;         // DANE_POCZATEK_ROKU
    int koniecRoku = 0;           // DANE_KONIEC_ROKU
    QString waluta;               // "" or "PLN" (any case) = the home currency
    QString konto;                // "" = no account chosen
    bool calyNumer = true;        // the exact account (true) or every account beginning with it
    int64_t customerVariant = 0;  // 1 or more: the alternative figures that count unposted documents
};

class PeriodTurnoverList {
public:
    // The list holds BO, at most this many months, and BZ.
    static constexpr int kMaxMonthRows = 24;
    static constexpr int kMaxRows = kMaxMonthRows + 2;

    explicit PeriodTurnoverList(db::Database& db) : m_db(db) {}

    // Rebuilds the list (on a change of account or currency). No account: every figure 0.
    void rebuild(const PeriodTurnoverQuery& query);
    const std::vector<PeriodTurnoverRow>& rows() const { return m_rows; }

private:
    void addRow(const PeriodTurnoverQuery& query, QString okres, int dataOkresu);

    db::Database& m_db;
    std::vector<PeriodTurnoverRow> m_rows;
    Money m_runningDt, m_runningCt;
};

} // namespace ksiega::entries
