#pragma once
// The parameter string of WYDRUK_KSIEGA: "code,range,a,b,flag,title".
//   code   the statement: 61/68 entries, 64 entries in currency, 63 turnovers and
//          balances, 81 account report, 66 cash report, 67 bank report;
//   range  DANE_ZAKRES_PRN: 0 every listed line, 1 the marked lines, 2 the current line;
//   a, b   the caller's sort: the ledger by periods (flag 0) gives its sort choice and
//          direction (1 descending); the account, cash and bank reports the sort
//          choice of their list (1 posting date, 2 document date, 3 register number,
//          4 document number; the date column shows the document date only for 2) and
//          the direction; the ledger by accounts
//          (flag 1) its list row and sort order, which leave the posting-date order;
//   flag   for the entry listings the browse the call comes from (1 ledger by accounts,
//          marks of browser 40; 0 ledger by periods, browser 41); for 81/66/67 the
//          currency switch (0 PLN, 1 the line's currency);
//   title  the second title line ("Konto: 201-01  Odbiorcy"); may hold commas.
#include <QString>
#include <optional>

namespace ksiega::ledgerprint {

enum class ListingKind { Entries, CurrencyEntries, Turnovers, AccountReport, CashReport, BankReport };

struct ListingParameters {
    int code = 0;
    ListingKind kind = ListingKind::Entries;
    int range = 0;
    int first = 0;
    int second = 0;
    int flag = 0;
    QString titleLine;

    // The selection store browser whose marks range 1 prints.
    int marksBrowser() const { return flag == 1 ? 40 : 41; }
    bool inCurrency() const {
        return kind == ListingKind::CurrencyEntries ||
               ((kind == ListingKind::AccountReport || kind == ListingKind::CashReport ||
                 kind == ListingKind::BankReport) && flag == 1);
    }
};

struct ParsedParameters {
    std::optional<ListingParameters> parameters;
    QString error;
};

ParsedParameters parseListingParameters(const QString& text);

} // namespace ksiega::ledgerprint
