#pragma once
// The module-wide settings of the budget printouts ("Parametry drukowania"), shared by
// the parameter window, the data preparation and the reports. A report started on a
// thread of its own takes a copy when it starts, so a later change of the window does
// not reach a report already running.
#include <QString>
#include <cstdint>

namespace ksiega::budget {

struct BudgetPrintSettings {
    uint8_t BT_PRN_KONTEKST_DATY = 0;       // 0 booking date, 1 document date
    int BT_PRN_DATA_OD = 0;                  // day numbers; 0 = not chosen yet
    int BT_PRN_DATA_DO = 0;
    bool BT_PRN_CZY_SYNTETYKI = false;       // "Drukuj podsumowania analityk"
    bool BT_PRN_CZY_PLAN = false;            // "Drukuj klasyfikację budżetową z planu budżetu"
    uint8_t BT_PRN_CZY_KONTA_KSIEGOWE = 0;   // full list: 0 "właściwości budżetowe", 1 "konta księgowe"
    int BT_PRN_POZIOM = 4;                   // 1 "Dział" .. 4 "Dział+rozdział+paragraf+subanalityka"
    bool BT_PRN_ZAWIJAJ_WIERSZE = false;     // "Zawijaj wiersze"
};

BudgetPrintSettings budgetPrintSettings();                 // a copy, taken under a lock
void setBudgetPrintSettings(const BudgetPrintSettings& settings);

} // namespace ksiega::budget
