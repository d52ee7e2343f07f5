#pragma once
// The choices of the budget quick filter "Filtr klasyfikacji budżetowej" and of its export
// form, kept for as long as the module is loaded (budgetFilterState()) and under
// "BT_szybki_filtr" of the module's settings. The window edits a working copy and copies it
// back only when "Wykonaj" succeeds. Lists are remembered by their unchecked rows, so that
// rows added since then start checked.
#include "budget/export/BudgetExport.h"
#include <QStringList>
#include <array>
#include <set>

namespace ksiega {
class Settings;
}

namespace ksiega::budget {

enum class DateChoice { Dowolny = 0, Okreslony = 1 };
enum class AccountScope { Wszystkie = 0, Zakres = 1, Maska = 2, Wybrane = 3 };
enum class ClassificationChoice { Maska = 0, Wybrana = 1 };

// The senses of a side in the order their conditions are written.
enum ExpenditureFlag { Wydatki, Koszty, Zaangazowanie, SrodkiW, ExpenditureFlagCount };
enum RevenueFlag { Dochody, Wplywy, SrodkiD, RevenueFlagCount };

struct DateRange {
    DateChoice choice = DateChoice::Dowolny;
    int first = 0, second = 0;   // day numbers
    bool operator==(const DateRange&) const = default;
};

// A part of the classification mask with its "dowolny" check.
struct MaskPart {
    QString text;
    bool any = true;
    // Matches anything: "dowolny", or nothing typed.
    bool unrestricted() const { return any || text.trimmed().isEmpty(); }
    bool operator==(const MaskPart&) const = default;
};

struct BudgetFilterSettings {
    std::array<bool, ExpenditureFlagCount> expenditure{true, true, true, true};  // L_WYDATKI, L_KOSZTY, L_ZAANGAZOWANIE, L_SRODKI
    std::array<bool, RevenueFlagCount> revenue{true, true, true};                // L_DOCHODY, L_WPLYWY, L_SRODKI

    ClassificationChoice classification = ClassificationChoice::Maska;   // F_LOK_KLASYFIKACJA
    MaskPart dzial, rozdzial, paragraf, pozycja;                          // L_DZIAL .. L_POZYCJA
    QString chosenClassification;                                         // L_WYBRANA_KLASYFIKACJA, 50
    bool severalSymbols = false;                                          // chosen symbols left in browser 36

    DateRange documentDates;   // F_LOK_DATA_DOKUMENTU
    DateRange bookingDates;    // F_LOK_DATA_KSIEGOWANIA

    int64_t year = -1;         // FO:NAZWA_ROKU: id_lata_obrot, 0 "<wszystkie>", -1 the session's year
    std::set<int64_t> uncheckedJournals, uncheckedDocumentTypes;
    std::set<int> uncheckedPeriods;

    bool sideDt = true, sideCt = true;   // L_STRONA_WN, L_STRONA_MA
    AccountScope account = AccountScope::Wszystkie;
    QString rangeFirst, rangeSecond;     // L_ZAKRES_KONT_1/2
    QString accountMask;                 // L_MASKA_KONT
    QString chosenAccount;               // L_WYBRANE_KONTO
    bool severalAccounts = false;        // chosen accounts left in browser 11

    BudgetExportForm exportForm;         // tab "Podstawowe" of "Export do pliku"
    int exportMonth = 0, exportQuarter = 0;   // 1..12, 1..4; 0 = the current one

    // "Czyść ustawienia filtra": everything back to its default.
    void clear() { *this = BudgetFilterSettings{}; }

    void store(Settings& settings) const;
    void restore(const Settings& settings);
};

// What the printout descriptions read of the filter that was last applied: the six kinds
// in the order expenditure, costs, commitment, cash, income, receipts (and which of them
// the side offers), the mask parts with their "unrestricted" switches, the classification
// mode (0 mask, 1 chosen) and the chosen symbols.
struct BudgetFilterSwitches {
    enum Kind { KindWydatki, KindKoszty, KindZaangazowanie, KindSrodki, KindDochody, KindWplywy, KindCount };
    std::array<bool, KindCount> kinds{true, true, true, true, true, true};
    std::array<bool, KindCount> offered{true, true, true, true, true, true};
    std::array<bool, 4> unrestricted{true, true, true, true};
    std::array<QString, 4> maskParts;
    int classificationMode = 0;
    bool chosenUnrestricted = true;
    QStringList chosenSymbols;
};

// The module-wide state of the budget quick filter.
struct BudgetFilterState {
    BudgetFilterSettings settings;
    bool restored = false;        // read from "BT_szybki_filtr" once per load
    BudgetFilterSwitches switches;
};

BudgetFilterState& budgetFilterState();

inline const QString BT_SZYBKI_FILTR_SECTION = QStringLiteral("BT_szybki_filtr");

} // namespace ksiega::budget
