#pragma once
// The entries filter of "Księga główna": which ledger entries the list shows for the
// chosen account, currency, saved filter, show-marked switch, fiscal year and quick
// filter. The filter is text in the framework's expression syntax; the raw filter is the
// same text with the table prefixes cut. Lists, sums and the selection store translate
// the same text (translateFilter), so what the list shows and what the summary adds up
// are the same rows.
#include <QString>
#include <cstdint>

namespace ksiega::ledger {

// The account named before any choice: it matches no entry.
inline constexpr const char* kNoAccount = "000-XX-YY-ZZ";
// The longest account number the chart holds (KONTA.konto).
inline constexpr int kMaxAccountLength = 60;
// The account, status and currency piece may not reach this length.
inline constexpr int kMaxAccountPieceLength = 400;
inline constexpr const char* kFilterTooLongText = "Wyrażenie filtrujące jest za długie.|Filtr będzie zignorowany.";

struct EntriesFilterInput {
    QString account;            // unquoted; "" = no account chosen
    bool wholeAccount = true;   // exact account (true) or every account beginning with it
    bool oneSynthetic = false;  // the prefix is one synthetic account (db::prefixIsOneSynthetic)
    QString currency;           // "" or "PLN" in any case = the home currency
    int64_t customerVariant = 0;// 1 or more: entries of every status are listed
    QString savedFilter;        // expression of the saved filter in force ("" = none)
    bool showMarked = false;    // "Pokaż zaznaczone"
    int64_t userNumber = 0;     // DANE_ID_UZYTKOWNIKA_NR (the selection store's key)
    int64_t fiscalYear = 0;     // DANE_LATA_OBROTOWE
    bool quickFilterOn = false;
    QString quickFilter;        // the quick filter's expression
    QString viewName;           // POZ_DOK_VIEW_UNION or its budget twin
};

struct EntriesFilter {
    QString filter;      // for the list, prefixes kept
    QString rawFilter;   // the same with the prefixes cut
    bool tooLong = false;// the account piece was too long and was left out
};

EntriesFilter buildEntriesFilter(const EntriesFilterInput& input);

} // namespace ksiega::ledger
