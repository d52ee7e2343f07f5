#pragma once
// The rows of the opening-balance tree: one per account of the year's chart that passes
// the account filter (card accounts of a register are no rows of their own), each with
// its opening amounts rolled up from the accounts below it, and the balances and totals
// computed from them.
#include "platform/runtime/Money.h"
#include <QChar>
#include <QHash>
#include <QString>
#include <vector>

namespace ksiega::openingbalance {

struct AccountRow {
    QString account;      // "201-01"; segments separated by "-"
    QString name;
    int level = 1;        // depth: 1 synthetic account, 2 its analytic accounts, ...
    QChar type;           // KONTA_SYNT.typ_konta: 'B', 'W', 'P' (off-balance)
    QString cardSymbol;   // the register's card symbol; "" when not kept on cards
    bool editable = false;
    bool hasChildren = false;
    Money saldoDt, saldoCt, kwotaDt, kwotaCt;
    Money saldoDtW, saldoCtW, kwotaDtW, kwotaCtW;

    bool offBalance() const { return type == QChar('P'); }
};

// What one grouped statement gives for an account: its amount and its currency amount.
struct AccountAmount {
    QString account;
    Money amount;
    Money amountW;
};

// The account one segment up: "201-01-003" -> "201-01"; "" for an account without "-".
QString parentAccount(const QString& account);

// The rows with their index by account number, in account order.
class AccountRows {
public:
    AccountRows() = default;
    explicit AccountRows(std::vector<AccountRow> rows);

    const std::vector<AccountRow>& rows() const { return m_rows; }
    std::vector<AccountRow>& rows() { return m_rows; }
    int indexOf(const QString& account) const { return m_index.value(account, -1); }
    bool empty() const { return m_rows.empty(); }

    // Adds each amount to the row of its own account and to every row above it, segment
    // by segment: 130-1 takes 130-1-5 but never 130-10. An account that is no row (a
    // card account) still reaches the rows above it.
    void addDebits(const std::vector<AccountAmount>& amounts);
    void addCredits(const std::vector<AccountAmount>& amounts);
    // Balances of every row from its amounts, PLN and currency alike.
    void computeBalances();

private:
    template <typename Add> void rollUp(const std::vector<AccountAmount>& amounts, Add add);

    std::vector<AccountRow> m_rows;
    QHash<QString, int> m_index;
};

// Dt - Ct > 0: Saldo Dt is the difference and Saldo Ct 0; otherwise Saldo Ct = Ct - Dt and
// Saldo Dt 0 (a zero balance shows 0 on both sides).
void balance(Money dt, Money ct, Money& saldoDt, Money& saldoCt);

// One line of LIST4.
struct TotalLine {
    QString label;
    Money saldoDt, saldoCt, kwotaDt, kwotaCt;
};

inline const QString RAZEM_Z_POZABILANSOWYMI = QStringLiteral("Razem z uwzględnieniem kont pozabilansowych");
inline const QString RAZEM_BEZ_POZABILANSOWYCH = QStringLiteral("Razem bez uwzględnienia kont pozabilansowych");
inline const QString W_WALUCIE = QStringLiteral(" w walucie");

// The four totals over the level-1 rows: with and without off-balance accounts, in PLN,
// then the same two on the currency columns.
std::vector<TotalLine> totalLines(const std::vector<AccountRow>& rows);

} // namespace ksiega::openingbalance
