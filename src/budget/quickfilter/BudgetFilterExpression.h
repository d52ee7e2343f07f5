#pragma once
// The record filter over the budget view (BTV: fields) built from the quick filter's
// choices, in a fixed order: fiscal year, the side's senses, booking dates, document
// dates, accounts, classification, journals, periods, document types. Texts a person typed
// (range ends, masks, accounts, symbols) enter only through db::quoted(); numbers are
// written as numbers.
#include "budget/quickfilter/BudgetFilterSettings.h"
#include <vector>

namespace ksiega::budget {

// A row of the journals, periods or document-types list.
struct ListRow {
    int64_t id = 0;     // id_paczka, period date, id_typ_dok
    QString text;
    bool checked = true;
};

struct BudgetFilterInput {
    const BudgetFilterSettings& settings;
    QString side = QStringLiteral("W");   // "W" or "D"
    int64_t year = 0;                     // id_lata_obrot chosen, 0 = every year
    const std::vector<ListRow>& journals;
    const std::vector<ListRow>& periods;
    const std::vector<ListRow>& documentTypes;
    int64_t user = 0;                     // DANE_ID_UZYTKOWNIKA_NR
    QString separator = QStringLiteral("-");
    // The export's record filter: without the year, senses, dates and periods, which the
    // export sets itself.
    bool forExport = false;
};

// Expressions of this length or longer are refused.
inline constexpr int kMaxExpressionLength = 1000;

QString buildBudgetFilterExpression(const BudgetFilterInput& input);

// A range end as the expression compares it: padded on the left with "0" to three characters.
QString paddedRangeEnd(const QString& end);

// The classification mask of four parts; "" when every part is unrestricted. Unrestricted
// parts match anything; trailing unrestricted parts are one "*", so that a symbol with or
// without an analytic part matches ("801-80101-4210*").
QString classificationMask(const MaskPart& dzial, const MaskPart& rozdzial, const MaskPart& paragraf, const MaskPart& pozycja,
                           const QString& separator);

} // namespace ksiega::budget
