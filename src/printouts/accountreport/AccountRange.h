#pragma once
// A range of "Raport z konta": an account with a date range (or a single day), and the
// entry filter of the current range.
#include <QString>
#include <cstdint>

namespace ksiega::printouts {

// ?RODZAJ_DATY: which date of an entry the range compares.
enum class DateKind : int { Document = 0, Posting = 1 };

struct AccountRange {
    bool singleDay = false;
    int from = 0;          // day numbers; a single day has from == to
    int to = 0;
    QString account;

    // The row of the ranges list: account, "  od " date " do " date (at most 60 characters).
    QString text() const;
};

// The entries of the range in the framework's filter syntax: the account, a currency
// other than PLN, the dates of the chosen kind, the posted ledger lines (not the opening
// balance, which the summary carries in "Z przeniesienia"), the fiscal year. The account
// and currency enter quoted.
QString rangeEntryFilter(const AccountRange& range, DateKind kind, const QString& currency, int64_t fiscalYear);

} // namespace ksiega::printouts
