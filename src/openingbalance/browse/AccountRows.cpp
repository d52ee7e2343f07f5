#include "openingbalance/browse/AccountRows.h"

namespace ksiega::openingbalance {

QString parentAccount(const QString& account) {
    const qsizetype dash = account.lastIndexOf(QChar('-'));
    return dash < 0 ? QString() : account.left(dash);
}

AccountRows::AccountRows(std::vector<AccountRow> rows) : m_rows(std::move(rows)) {
    m_index.reserve(qsizetype(m_rows.size()));
    for (int i = 0; i < int(m_rows.size()); ++i) m_index.insert(m_rows[size_t(i)].account, i);
}

template <typename Add> void AccountRows::rollUp(const std::vector<AccountAmount>& amounts, Add add) {
    for (const AccountAmount& a : amounts)
        for (QString account = a.account.trimmed(); !account.isEmpty(); account = parentAccount(account)) {
            const int at = indexOf(account);
            if (at >= 0) add(m_rows[size_t(at)], a);
        }
}

void AccountRows::addDebits(const std::vector<AccountAmount>& amounts) {
    rollUp(amounts, [](AccountRow& r, const AccountAmount& a) {
        r.kwotaDt += a.amount;
        r.kwotaDtW += a.amountW;
    });
}

void AccountRows::addCredits(const std::vector<AccountAmount>& amounts) {
    rollUp(amounts, [](AccountRow& r, const AccountAmount& a) {
        r.kwotaCt += a.amount;
        r.kwotaCtW += a.amountW;
    });
}

void balance(Money dt, Money ct, Money& saldoDt, Money& saldoCt) {
    const Money difference = dt - ct;
    if (difference > Money()) {
        saldoDt = difference;
        saldoCt = Money();
    } else {
        saldoCt = ct - dt;
        saldoDt = Money();
    }
}

void AccountRows::computeBalances() {
    for (AccountRow& r : m_rows) {
        balance(r.kwotaDt, r.kwotaCt, r.saldoDt, r.saldoCt);
        balance(r.kwotaDtW, r.kwotaCtW, r.saldoDtW, r.saldoCtW);
    }
}

std::vector<TotalLine> totalLines(const std::vector<AccountRow>& rows) {
    TotalLine all{RAZEM_Z_POZABILANSOWYMI, {}, {}, {}, {}};
    TotalLine onBalance{RAZEM_BEZ_POZABILANSOWYCH, {}, {}, {}, {}};
    TotalLine allW{RAZEM_Z_POZABILANSOWYMI + W_WALUCIE, {}, {}, {}, {}};
    TotalLine onBalanceW{RAZEM_BEZ_POZABILANSOWYCH + W_WALUCIE, {}, {}, {}, {}};
    auto add = [](TotalLine& t, Money sDt, Money sCt, Money kDt, Money kCt) {
        t.saldoDt += sDt;
        t.saldoCt += sCt;
        t.kwotaDt += kDt;
        t.kwotaCt += kCt;
    };
    for (const AccountRow& r : rows) {
        if (r.level != 1) continue;
        add(all, r.saldoDt, r.saldoCt, r.kwotaDt, r.kwotaCt);
        add(allW, r.saldoDtW, r.saldoCtW, r.kwotaDtW, r.kwotaCtW);
        if (r.offBalance()) continue;
        add(onBalance, r.saldoDt, r.saldoCt, r.kwotaDt, r.kwotaCt);
        add(onBalanceW, r.saldoDtW, r.saldoCtW, r.kwotaDtW, r.kwotaCtW);
    }
    return {all, onBalance, allW, onBalanceW};
}

} // namespace ksiega::openingbalance
