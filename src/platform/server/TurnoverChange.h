#pragma once
// The turnovers that every writer of ledger lines keeps current in its own transaction.
#include "platform/db/Database.h"
#include "platform/server/FiscalYear.h"
#include <QStringList>
#include <vector>

namespace ksiega::server {

// A change of some documents' lines and what it does to OBROTY_I_SALDA:
//
//   TurnoverChange change(db, company, year);   // takes the year
//   change.leaving(ids);      // before the lines change or go: their old figures out
//   ... update / delete / insert the lines ...
//   change.arriving(ids);     // after: their new figures in
//   change.apply();
//
// apply() leaves OBROTY_I_SALDA exactly as the full recompute would, touching only the
// rows of the accounts (every level), currencies and periods that the lines reach, from the
// first changed period to the end of the year: the period turnovers take the difference,
// the netted balances of that and every later period take the cumulated difference, rows
// appear where an account gets its first turnover earlier than before and go where an
// account no longer has a line before a period. The synthetic level of a two-balance
// account takes the change of its posted accounts' netted balances. The cost follows the
// changed lines and the touched accounts' rows, not the year.
//
// The year stays taken until the writer's transaction ends, so concurrent writers and
// recomputes of a year wait for each other. Lines dated off the year's period grid make
// apply() fall back to the full recompute (such a date gives every account a row).
// The object must not outlive the writer's transaction; apply() is called at most once.
class TurnoverChange {
public:
    TurnoverChange(db::Database& db, int64_t idFirmy, int64_t idLataObrot);
    ~TurnoverChange();
    TurnoverChange(const TurnoverChange&) = delete;
    TurnoverChange& operator=(const TurnoverChange&) = delete;

    // The lines of these documents of the year as they stand now: out (before a change or a
    // removal) or in (after a change or an insertion).
    void leaving(const std::vector<int64_t>& documentIds) { collect(documentIds, -1); }
    void arriving(const std::vector<int64_t>& documentIds) { collect(documentIds, +1); }
    // The same for the documents whose ids lie in [first, last] (a batch just written).
    void leavingRange(int64_t first, int64_t last) { collectRange(first, last, -1); }
    void arrivingRange(int64_t first, int64_t last) { collectRange(first, last, +1); }

    // The same for single lines (id_poz_dok) that exist before and after the change.
    void leavingLines(const std::vector<int64_t>& lineIds) { collect(lineIds, -1, QStringLiteral("id_poz_dok")); }
    void arrivingLines(const std::vector<int64_t>& lineIds) { collect(lineIds, +1, QStringLiteral("id_poz_dok")); }
    // The same for the year's opening-balance documents (czy_rk 10), every currency.
    void leavingOpeningBalance() { collectOpeningBalance(-1); }
    void arrivingOpeningBalance() { collectOpeningBalance(+1); }

    void apply();

private:
    void collect(const std::vector<int64_t>& ids, int sign, const QString& idColumn = QStringLiteral("id_nag_dok"));
    void collectOpeningBalance(int sign);
    void collectRange(int64_t first, int64_t last, int sign);
    void collectWhere(const QString& documentCondition, const db::Params& params, int sign);

    db::Database& m_db;
    FiscalYear m_year;
    bool m_applied = false;
    int m_depth = 0;
    QString m_docs, m_lines;   // this change's work tables
};

// The turnovers of documents just written in [first, last] (an import, a batch): one
// TurnoverChange with those documents arriving.
void addTurnoversOfDocuments(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t firstDocument, int64_t lastDocument);

} // namespace ksiega::server
