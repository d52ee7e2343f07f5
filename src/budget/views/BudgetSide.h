#pragma once
// What makes the expenditure window ("W") and the revenue window ("D") differ: captions,
// the flag columns and their summary rows, the selection-store browser, the statement
// set, the settings section and the help page. Everything else the two share.
#include <QString>
#include <QStringList>
#include <vector>

namespace ksiega::budget {

// A budget-sense flag of a side: its BT_VIEW column, the list's display column and
// caption, the summary label, and the quick filter's field.
struct BudgetFlag {
    QString column;        // rodzaj_wy
    QString displayColumn; // bro_wydatek
    QString title;         // "Wydatek"
    int width = 4;
    QString summaryLabel;  // "Wydatek"
};

struct BudgetSide {
    QString code;              // "W" / "D"
    QString procedure;         // BT_VIEW_W / BT_VIEW_D
    QString captionSuffix;     // " - Wydatki"
    QString prompt;            // "Wydatki"
    std::vector<BudgetFlag> listFlags;     // the list's flag columns, in order
    std::vector<BudgetFlag> summaryFlags;  // the summary rows after the count and total
    int browser = 0;           // 38 / 36
    QString statement;         // "BTW" / "BTD"
    QString section;           // "BT_view_W" / "BT_view_D"
    QString help;
    bool sharedBrowser = false;   // browser 36 also holds chosen symbols

    // The side of a code; anything but "D" is expenditure.
    static const BudgetSide& of(const QString& code);
    static const BudgetSide& expenditure();
    static const BudgetSide& revenue();
};

} // namespace ksiega::budget
