#pragma once
// Whether a synthetic account (KONTA_SYNT) passes the account filter, as the account
// lists apply it while they build themselves.
#include "entries/accountfilter/AccountFilterSettings.h"
#include "platform/db/Rows.h"
#include <QChar>
#include <QString>
#include <cstdint>

namespace ksiega::entries {

struct SyntheticAccount {
    int32_t number = 0;     // synthetic number, 0..999 in practice
    QChar type;             // 'B' balance-sheet, 'W' profit-and-loss, 'P' off-balance
    bool currency = false;
    bool settlement = false;
    bool twoBalance = false;
    bool costCentre = false;
};

// The KONTA_SYNT columns a SyntheticAccount is read from, in the order syntheticAccountAt
// reads them; a statement selects them first and may add its own after them.
inline const QString SYNTHETIC_ACCOUNT_COLUMNS =
    QStringLiteral("nr_konta_syn, typ_konta, czy_walutowe, czy_rozrach, czy_dwusaldowe, czy_mpk");
// The account of the current row of such a statement (type upper-cased, blank for none).
SyntheticAccount syntheticAccountAt(const db::Rows& row);

// The ZSPOLY_KONT element of an account: the first decimal digit of its number, and 10
// (group 0) for numbers below 100.
int accountGroupElement(int32_t number);

// Uses the derived flags of settings as they were computed when the filter was applied.
// MPK counts only in the cost-centre version.
bool passesAccountFilter(const AccountFilterSettings& settings, const SyntheticAccount& account,
                         bool costCentreVersion);

} // namespace ksiega::entries
