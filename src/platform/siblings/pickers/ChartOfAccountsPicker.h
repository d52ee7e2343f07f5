#pragma once
// The pickers of the chart-of-accounts library:
// - the chart-of-accounts window lists the accounts of the year (WARTOSCI_KONT); the
//   person picks one or marks several, whose numbers are left in selection browser 11
//   (opis_elementu); returns the chosen account number (DANE_NUMER_KONTA), "" when cancelled;
// - BT_SLOWNIK_KLASYFIKACJI(mode, current) lists the budget classification
//   (KLASYFIKACJA_BUDZETOWA); returns the chosen symbol, or "multiwybor" when, in mode
//   "multiwybor", several were marked (left in browser 36); cancelling returns current.
#include "platform/siblings/pickers/PickerContext.h"
#include "platform/siblings/pickers/PickerList.h"

namespace ksiega::pickers {

inline constexpr int64_t kAccountBrowser = 11;
inline constexpr int64_t kClassificationBrowser = 36;
inline const QString MULTIWYBOR = QStringLiteral("multiwybor");

class ChartOfAccountsPicker {
public:
    virtual ~ChartOfAccountsPicker() = default;
    virtual QString chooseAccounts(const PickerContext& context) = 0;
    virtual QString BT_SLOWNIK_KLASYFIKACJI(const PickerContext& context, const QString& mode, const QString& current) = 0;
};

ChartOfAccountsPicker& chartOfAccountsPicker();
void replaceChartOfAccountsPicker(ChartOfAccountsPicker* picker);

std::unique_ptr<PickerList> accountList(const PickerContext& context);
QString finishAccountPick(PickerList& list, const PickerContext& context);
std::unique_ptr<PickerList> classificationList(const PickerContext& context, bool several);
QString finishClassificationPick(PickerList& list, const PickerContext& context);

} // namespace ksiega::pickers
