#pragma once
// The figures of the "Podsumowanie" tab: the count and the four sums of the entries the
// list shows (one aggregate statement over the list's own filter), the same figures of the
// marked entries, their Dt/Ct balances, and the label/value rows the tab shows.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <QString>
#include <vector>

namespace ksiega::entries {

// Count and sums of a set of entries: home currency and the entries' currency.
struct EntryFigures {
    int64_t count = 0;
    Money dt, ct, dtW, ctW;

    EntryFigures& operator+=(const EntryFigures& o);
    EntryFigures& operator-=(const EntryFigures& o);
    bool operator==(const EntryFigures&) const = default;
};

// One label with its value: a count or an amount.
struct SummaryValue {
    QString label;
    bool isCount = false;
    int64_t count = 0;
    Money amount;
    static SummaryValue ofAmount(const QString& label, Money value) {
        SummaryValue v;
        v.label = label;
        v.amount = value;
        return v;
    }
    QString display() const;   // "12" or "1 234,56"
    QString machine() const;   // "12" or "1234.56"
};

// A row of the summary list: two label/value pairs.
struct SummaryRow {
    SummaryValue left, right;
};

// What the totals are taken over.
struct SummaryScope {
    int64_t fiscalYear = 0;    // DANE_LATA_OBROTOWE (a year belongs to one company)
    QString viewName;          // the entry view
    QString rawFilter;         // the list's raw filter ("" = the whole year)
};

class AccountSummary {
public:
    explicit AccountSummary(db::Database& db) : m_db(db) {}

    // Totals of the list: one aggregate over "id_lata_obrot=N AND raw filter". Sets the
    // computed flag. Returns false (figures untouched) when the filter cannot be read.
    bool computeTotals(const SummaryScope& scope);
    bool totalsComputed() const { return m_computed; }
    const QString& lastError() const { return m_error; }
    // A filter rebuild: totals are stale; with keepMarked false the marked figures go too.
    void invalidate(bool keepMarked = false);

    const EntryFigures& totals() const { return m_totals; }
    // Totals known without a query (nothing listed): set and marked computed.
    void setTotals(const EntryFigures& f) { m_totals = f; m_computed = true; }
    const EntryFigures& marked() const { return m_marked; }

    // Marked figures follow the marks of the list.
    void markAll() { m_marked = m_totals; }      // totals computed first by the caller
    void unmarkAll() { m_marked = {}; }
    void invert();                              // marked := totals - marked
    void addMarked(const EntryFigures& row) { m_marked += row; }
    void removeMarked(const EntryFigures& row) { m_marked -= row; }

    // Rows of "Podsumowanie": five in the home currency, nine in another one.
    std::vector<SummaryRow> rows(const QString& currency) const;

private:
    db::Database& m_db;
    EntryFigures m_totals, m_marked;
    bool m_computed = false;
    QString m_error;
};

} // namespace ksiega::entries
