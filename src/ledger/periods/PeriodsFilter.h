#pragma once
// The list filter of "Przeglądanie stanu kont" for its two views, in the framework's
// expression syntax (the raw twin has the table prefixes cut).
//
// Entries view: the period and currency part ("Wszystkie" in PLN lists the lines without a
// currency, a period in PLN every line of the period, another currency only its lines),
// the active saved or quick filter, the posted-only condition (unless the customer variant
// lists every status) and the marked-only condition of browser 41. An expression of 400
// characters or more is dropped for the posted-only condition, with a warning; the fiscal
// year always leads.
//
// Turnover view: fiscal year, currency (PLN included) and period of OBROTY_I_SALDA, then
// the active filter. Too long, the active filter is dropped (year, currency and period
// stay, so that the amounts of different currencies never meet in one list).
#include <QString>
#include <cstdint>

namespace ksiega::ledger {

inline constexpr int kPeriodsFilterLimit = 400;

struct PeriodsFilterInput {
    int viewMode = 0;            // 0 entries, 1 turnovers
    int periodDate = 0;          // 0 = "Wszystkie"
    QString currency;            // "PLN" or a symbol
    QString activeFilter;        // saved or quick filter expression ("" = none)
    int64_t customerVariant = 0;
    bool showMarked = false;
    int64_t userNumber = 0;
    int64_t fiscalYear = 0;
};

struct PeriodsFilter {
    QString filter;       // prefixes kept
    QString rawFilter;    // prefixes cut
    bool tooLong = false; // the warning is due
};

PeriodsFilter buildPeriodsFilter(const PeriodsFilterInput& in);

} // namespace ksiega::ledger
