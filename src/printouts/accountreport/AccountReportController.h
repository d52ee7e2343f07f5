#pragma once
// The rules of the window "Raport z konta" (RAPORT_DLA_KONTA): the list of ranges and the
// current one, the date kind and currency, the entry filter, the summary, the
// description lines of a printout and the printing of the account, cash and bank reports.
#include "platform/db/Database.h"
#include "printouts/accountreport/AccountRange.h"
#include "printouts/accountreport/CashSummary.h"
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace ksiega::printouts {

// Report codes of the statement chooser for "KSIEGA_R".
inline constexpr int kAccountReport = 65;   // "Raport z konta"
inline constexpr int kCashReport = 66;      // "Raport kasowy - RK Nr"
inline constexpr int kBankReport = 67;      // "Raport bankowy"

// What a print hands over (for the caller and for tests).
struct PrintRequest {
    int code = 0;
    QString parameters;
    QString filter;
    QString heading;
    // "Z przeniesienia" of the summary: the turnovers before the range, in PLN or, when a
    // currency is chosen, in that currency.
    Money carriedInDt, carriedInCt;
};

// The pieces of other libraries that printing calls. Until they are wired in, the
// chooser answers 0 (cancelled) and nothing is printed.
struct AccountReportHooks {
    // ZESTAWIENIA_CRS: the report code chosen for the given statement set, 0 = cancelled.
    std::function<int(const QString& set)> chooseStatement = [](const QString&) { return 0; };
    // PARAM_PRN_BRO: 1 when the person confirmed the print range.
    std::function<int()> choosePrintRange = [] { return 1; };
    // WYDRUK_KSIEGA on a thread of its own: parameters, entry filter, heading, and what
    // the range carries in.
    std::function<void(const PrintRequest&)> startPrint = [](const PrintRequest&) {};
};
AccountReportHooks& accountReportHooks();

class AccountReportController {
public:
    // Company and fiscal year come from the session at construction.
    explicit AccountReportController(db::Database& db);

    const std::vector<AccountRange>& ranges() const { return m_ranges; }
    // The added range joins the list and becomes current.
    void addRange(const AccountRange& range);
    void replaceRange(int index, const AccountRange& range);
    void removeRange(int index);
    void setCurrent(int index);
    int currentIndex() const { return m_current; }
    const AccountRange* current() const;

    void setDateKind(DateKind kind) { m_dateKind = kind; }
    DateKind dateKind() const { return m_dateKind; }
    void setCurrency(const QString& currency);
    const QString& currency() const { return m_currency; }
    bool homeCurrency() const;

    // Entry filter of the current range ("" without a range: the list stays empty).
    QString entryFilter() const;
    // Name of the current range's account ("" when none).
    QString accountName();
    // The summary of the current range; zeros without a range.
    CashSummary summary();
    // "Konto: ...", "Zakres: od ... do ..." / "Na dzień: ...", "Waluta: ...".
    QStringList descriptionLines();

    // One amount through the pass-through call of the database procedure.
    Money amountAt(int date, int kind);

    // "Drukuj": asks the report, the range, and starts the printout; nullopt when cancelled.
    std::optional<PrintRequest> print(int64_t currentEntry, int sortChoice, bool descending);

    static QString reportTitle(int code);

private:
    db::Database& m_db;
    int64_t m_firm = 0;
    int64_t m_year = 0;
    std::vector<AccountRange> m_ranges;
    int m_current = -1;
    DateKind m_dateKind = DateKind::Document;
    QString m_currency = QStringLiteral("PLN");
};

} // namespace ksiega::printouts
