#pragma once
// The filter expression of the quick filter over the ledger-entry view (PDU: fields),
// built from the window's state in a fixed order: journals, periods, document types,
// document, accounts, side, booking dates, document dates, budget kinds, classification.
// Texts a person typed (range ends, masks, account numbers, symbols) enter only through
// db::quoted().
#include "ledger/quickfilter/QuickFilterPeriods.h"
#include "ledger/quickfilter/QuickFilterSettings.h"
#include <vector>

namespace ksiega::ledger {

// A row of the journals or document-types list.
struct ListRow {
    int64_t id = 0;
    QString text;    // code + " " + description
    QString code;
    bool checked = true;
};

struct QuickFilterInput {
    const QuickFilterSettings& settings;
    const std::vector<ListRow>& journals;
    const std::vector<ListRow>& documentTypes;
    const std::vector<PeriodRow>& periods;
    bool accountsUsed = false;       // mode "1"
    bool budgetEdition = false;      // DANE_CZY_WERSJA_BUDZET = 1
    int64_t user = 0;                // DANE_ID_UZYTKOWNIKA_NR
    QString btSeparator = QStringLiteral("-");
    // For the party choice: the quoted account list of the party (TG_GetKontaKontrahenta).
    QString partyAccounts;
};

// Expressions of this length or longer are refused.
inline constexpr int kMaxExpressionLength = 1000;

QString buildQuickFilterExpression(const QuickFilterInput& input);

// A range end as the expression compares it: padded on the left with "0" to three characters.
QString paddedRangeEnd(const QString& end);

} // namespace ksiega::ledger
