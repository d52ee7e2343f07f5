#pragma once
// Whether a synthetic account (KONTA_SYNT) passes the account filter, as the account
// lists apply it while they build themselves.
#include "entries/accountfilter/AccountFilterSettings.h"
#include <QChar>
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

// The ZSPOLY_KONT element of an account: the first decimal digit of its number, and 10
// (group 0) for numbers below 100.
int accountGroupElement(int32_t number);

// Uses the derived flags of settings as they were computed when the filter was applied.
// MPK counts only in the cost-centre version.
bool passesAccountFilter(const AccountFilterSettings& settings, const SyntheticAccount& account,
                         bool costCentreVersion);

} // namespace ksiega::entries
