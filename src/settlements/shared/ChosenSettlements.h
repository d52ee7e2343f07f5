#pragma once
// The chosen settlements of the import wizard and of the document-from-settlements window:
// the settlements in selection browser 30 of the user, of the company and year, read from
// the list view of their source page by page (by id), with the amounts and what is left of
// them (on the balance date, for the warehouse system's list when a date is given).
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <QString>
#include <vector>

namespace ksiega::settlements {

struct ChosenRow {
    int64_t id = 0;
    QString nazwa;
    int dataDok = 0;
    QString nrDok;
    Money kwotaWn, saldoWn, kwotaMa, saldoMa;
    QString waluta;
    QString opis;
};

struct ChosenTotals {
    int64_t count = 0;
    Money kwotaWn, saldoWn, kwotaMa, saldoMa;
};

// Where the list reads: the ledger's list view (ROZRACHUNEK_VIEW) or the warehouse
// system's (ROZRACHUNEK_VIEW_TOVARIX), there with the balances on `balanceDate` when it is
// not 0.
struct ChosenSource {
    bool ledgerView = true;
    int balanceDate = 0;
};

class ChosenSettlements {
public:
    ChosenSettlements(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t userNumber);

    // Re-reads the count and totals under `source`; throws db::DbError (the list then
    // stays as it was).
    void reload(const ChosenSource& source);
    // The list emptied (after an import); the marks stay as the database holds them.
    void clear();

    int64_t count() const { return m_totals.count; }
    bool isEmpty() const { return m_totals.count == 0; }
    const ChosenTotals& totals() const { return m_totals; }
    // Up to `limit` rows after the settlement `afterId` (0 = from the first), by id.
    std::vector<ChosenRow> page(int64_t afterId, int limit) const;
    // Whether a chosen settlement is already carried by a ledger line (it will be left out).
    bool anyBooked() const;
    // The currencies of the chosen settlements that no ledger line carries yet, in
    // `sourceView` (ROZRACHUNEK_BILANTOR_V or ROZRACHUNEK_TOVARIX_V); those without a
    // currency symbol do not count.
    QStringList currenciesToImport(const QString& sourceView) const;
    // Bumped on every reload or clear: a view re-reads its rows when it changes.
    int generation() const { return m_generation; }

private:
    struct Select {
        QString sql;
        db::Params params;
    };
    Select select(const QString& columns, const QString& tail) const;

    db::Database& m_db;
    int64_t m_company, m_year, m_user;
    ChosenSource m_source;
    ChosenTotals m_totals;
    bool m_loaded = false;
    int m_generation = 0;
};

// The amounts of a list as they stand in its columns: "1 234,56" (the 14-position picture).
QString amountText(Money m);

} // namespace ksiega::settlements
