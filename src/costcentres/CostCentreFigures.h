#pragma once
// The figures of the company's cost-centre splits, each one statement over MPK_VIEW: the
// "Podsumowanie" totals (Dt, Ct and the count) and the same per value of one indicator.
// The company (and a year, when one is given) is a bound condition outside the filter
// text, so an empty filter still reads only the company's splits and no filter can widen
// the scope. The "MPK" window and `ksiega cost-centres` both add up here.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <QString>
#include <vector>

namespace ksiega::costcentres {

struct SplitFigures {
    Money dt, ct;
    int64_t count = 0;
    Money both() const { return dt + ct; }   // "Razem (Dt+Ct)"
    bool operator==(const SplitFigures&) const = default;
};

// The splits to add up: the company's, of one year or of all (year 0), narrowed by a
// translated filter (translateFilter of a filter over the MPK: fields; "" for none).
struct SplitSelection {
    int64_t company = 0;
    int64_t year = 0;
    QString where;
    // The WHERE text over MPK_VIEW (scope first) and its bound values.
    QString condition() const;
    db::Params params() const;
};

// Throws db::DbError when the statement fails.
SplitFigures splitFigures(db::Database& db, const SplitSelection& selection);

struct IndicatorFigures {
    QString value;   // the indicator's symbol; "" for the splits without one
    SplitFigures figures;
};

// One row per value of indicator `indicator` (1..5), in the order of the values.
// Throws std::invalid_argument for another number, db::DbError when the statement fails.
std::vector<IndicatorFigures> splitFiguresBy(db::Database& db, const SplitSelection& selection, int indicator);

} // namespace ksiega::costcentres
