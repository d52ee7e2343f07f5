#pragma once
// The settings of the ledger quick filter "Filtr księgi głównej", kept for as long as the
// module is loaded (quickFilterSettings()). The window edits a working copy and copies it
// back only when "Wykonaj" succeeds. Lists are remembered by their unchecked rows, so
// that rows added since then start checked.
#include <QString>
#include <array>
#include <cstdint>
#include <set>

namespace ksiega::ledger {

enum class DocumentChoice { Dowolny = 0, Wybrany = 1 };
enum class AccountScope { Wszystkie = 0, Zakres = 1, Maska = 2, Wybrane = 3, Kartoteka = 4 };
enum class DateChoice { Dowolny = 0, Okreslony = 1 };
enum class ClassificationChoice { Maska = 0, Wybrana = 1 };

// The six budget kinds in the order their conditions are written.
enum BudgetKind { Dochody, Wplywy, Wydatki, Koszty, Zaangazowanie, SrodkiPieniezne, BudgetKindCount };

struct DateRange {
    DateChoice choice = DateChoice::Dowolny;
    int first = 0;    // day numbers, 0 = no date
    int second = 0;
    bool operator==(const DateRange&) const = default;
};

// One part of the classification mask (dział, rozdział, paragraf, pozycja) with its
// "dowolny" flag; a part marked "dowolny" matches anything.
struct MaskPart {
    QString text = QStringLiteral("*");
    bool any = true;
    bool operator==(const MaskPart&) const = default;
};

struct QuickFilterSettings {
    std::set<int64_t> uncheckedJournals;       // PACZKA.id_paczka
    std::set<int64_t> uncheckedDocumentTypes;  // TYP_DOK.id_typ_dok
    std::set<int> uncheckedPeriods;            // period dates

    DocumentChoice document = DocumentChoice::Dowolny;
    QString documentId = QStringLiteral("0");
    QString documentText;                      // 50 characters
    bool severalDocuments = false;

    bool sideDt = true;                        // L_STRONA_WN
    bool sideCt = true;                        // L_STRONA_MA

    AccountScope account = AccountScope::Wszystkie;
    QString rangeFirst, rangeSecond;           // L_ZAKRES_KONT_1/2, 60 characters
    QString accountMask;                       // L_MASKA_KONT, 70
    QString chosenAccount;                     // L_WYBRANE_KONTO, 70
    bool severalAccounts = false;
    int64_t partyId = 0;
    QString partyKind;                         // "K", "P", "U"
    QString partyText;                         // L_ELEMENT_KARTOTEKI_NAZWA, 100

    DateRange documentDates;                   // F_LOK_DATA_DOKUMENTU
    DateRange bookingDates;                    // F_LOK_DATA_KSIEGOWANIA

    std::array<bool, BudgetKindCount> budgetKinds{true, true, true, true, true, true};
    ClassificationChoice classification = ClassificationChoice::Maska;
    MaskPart dzial, rozdzial, paragraf, pozycja;
    QString chosenClassification;              // 50
    bool severalSymbols = false;

    // Everything back to "Dowolny"/"Wszystkie", all rows checked. The sides stay as they are.
    void clear();
    bool operator==(const QuickFilterSettings&) const = default;
};

// The module-wide settings and the text listing the checked periods ("Styczeń; Luty; ")
// when not all are checked; the ledger by periods shows it.
struct QuickFilterState {
    QuickFilterSettings settings;
    QString periodDescription;   // at most 120 characters
};

QuickFilterState& quickFilterState();

} // namespace ksiega::ledger
