#pragma once
// The rules of "Bilans otwarcia": the tree of accounts of the current fiscal year with
// their opening amounts in the chosen currency (or every currency summed in PLN), its
// totals, sorting, folding and search, the lock rules of "Popraw" and "VAT", the service
// function that unblocks entry, and the "Podsumowanie" page. No widgets: the view shows
// what this says and calls it.
#include "entries/accountfilter/AccountFilterSettings.h"
#include "frame/SessionContext.h"
#include "openingbalance/LineEditors.h"
#include "openingbalance/browse/AccountRows.h"
#include "platform/db/Database.h"
#include <QSet>
#include <functional>
#include <vector>

class QWidget;

namespace ksiega::openingbalance {

inline const QString BO_CAPTION = QStringLiteral("Bilans otwarcia");
inline const QString BLAD_ODCZYTU_BO = QStringLiteral("Wystąpił błąd przy odczycie bilansu otwarcia.");
inline const QString TITLE_FUNKCJA_SERWISOWA = QStringLiteral("Bilantor: Funkcja serwisowa");
inline const QString PYTANIE_ODBLOKUJ =
    QStringLiteral("Czy chcesz umożliwić wprowadzanie zapisów w BO w bieżącym roku obrotowym ?");

enum class SortKey { Number, Name, KwotaDt, KwotaCt, KwotaDtW, KwotaCtW };

// One currency of "Podsumowanie": Dt, Dt in the currency, Ct, Ct in the currency.
struct CurrencySum {
    QString symbol;
    QString name;
    Money dt, dtW, ct, ctW;
};

// The totals of "Podsumowanie", each beside its own label.
struct SummaryTotals {
    Money withOffBalanceDt, withOffBalanceCt;         // "Razem z uwzględnieniem kont pozabilansowych"
    Money withoutOffBalanceDt, withoutOffBalanceCt;   // "Razem bez uwzględnienia kont pozabilansowych"
};

class OpeningBalanceController {
public:
    static const QString SECTION;   // settings section of the window

    OpeningBalanceController(db::Database& db, SessionContext& session, LineEditors& editors);

    // FILTR_BO by default; tests and the command put their own.
    std::function<uint8_t()> filterWindow;
    // The window the opened windows belong to.
    QWidget* parentWindow = nullptr;

    // PLN, the lock flags of the year, option 224, the list.
    void open();
    // Reads the tree again under the current currency, aggregation and filter, then sorts.
    void load();

    // ---- state -----------------------------------------------------------------------
    const QString& currency() const { return m_currency; }
    void setCurrency(const QString& symbol);
    bool aggregate() const { return m_aggregate; }
    void setAggregate(bool on);
    // The currencies of WALUTY: symbol and name.
    std::vector<std::pair<QString, QString>> currencies();
    int64_t documentId() const { return m_idNagDok; }
    int openingDate() const { return m_openingDate; }
    bool entryBlocked() const { return m_entryBlocked; }
    bool approved() const { return m_approved; }
    // Option 224: the transaction-mark switch of the line settlements form.
    bool transactionMarks() const { return m_transactionMarks; }
    // The filter the list was read under: the module-wide one, "Walutowe" forced on for a
    // currency other than PLN.
    entries::AccountFilterSettings effectiveFilter() const;

    // ---- the list --------------------------------------------------------------------
    const std::vector<AccountRow>& rows() const { return m_rows.rows(); }
    // Indexes into rows() in display order (sorted siblings below their parent), without
    // the rows under a folded node.
    std::vector<int> visibleRows() const;
    // Indexes into rows() in display order, folded or not.
    const std::vector<int>& displayOrder() const { return m_order; }
    const std::vector<TotalLine>& totals() const { return m_totals; }
    // The level as the list keeps it: negative while the node is folded.
    int displayLevel(int row) const;

    int current() const { return m_current; }
    void setCurrent(int row);
    QString currentAccount() const;
    // Makes the account's row current (unfolding what hides it); false when not listed.
    bool selectAccount(const QString& account);

    void sortBy(SortKey key);
    void toggleDirection();
    SortKey sortKey() const { return m_sortKey; }
    bool descending() const { return m_descending; }
    // "+num", "-naz", "+kw_wn,+num", ...
    QString sortOrder() const;

    void collapseAll();
    void expandAll();
    void toggleNode(int row);
    bool folded(int row) const;

    // STRSZUKAJ: the first row (display order) whose account begins with the text becomes
    // current; false when none does.
    bool search(const QString& text);

    // ---- buttons ---------------------------------------------------------------------
    bool correctEnabled() const;
    bool vatEnabled() const;
    QString filterIcon() const;
    void runFilter();
    // "Popraw": the amount entry or the card window on the current row; reloads on 1 and
    // keeps the row current.
    void correct();
    void openVat();
    void print();
    // Ctrl+Shift+S.
    void serviceFunction();

    // ---- Podsumowanie ----------------------------------------------------------------
    void refreshSummary();
    const std::vector<CurrencySum>& summary() const { return m_summary; }
    const SummaryTotals& summaryTotals() const { return m_summaryTotals; }

private:
    void readYearFlags();
    void readOption224();
    void applySort();
    bool lessByKey(const AccountRow& a, const AccountRow& b) const;

    db::Database& m_db;
    SessionContext& m_session;
    LineEditors& m_editors;

    QString m_currency = QStringLiteral("PLN");
    bool m_aggregate = false;
    int64_t m_idNagDok = 0;
    int m_openingDate = 0;
    bool m_entryBlocked = false;
    bool m_approved = false;
    bool m_transactionMarks = true;

    AccountRows m_rows;
    std::vector<int> m_order;
    std::vector<TotalLine> m_totals;
    QSet<QString> m_folded;
    int m_current = -1;
    SortKey m_sortKey = SortKey::Number;
    bool m_descending = false;

    std::vector<CurrencySum> m_summary;
    SummaryTotals m_summaryTotals;
};

} // namespace ksiega::openingbalance
