#include "openingbalance/entry/EntryChecks.h"

namespace ksiega::openingbalance {

Money& amountOf(server::LineAmounts& amounts, AmountField field) {
    switch (field) {
    case AmountField::Wn: return amounts.kwotaWn;
    case AmountField::WnW: return amounts.kwotaWnW;
    case AmountField::Ma: return amounts.kwotaMa;
    case AmountField::MaW: break;
    }
    return amounts.kwotaMaW;
}

Money amountOf(const server::LineAmounts& amounts, AmountField field) {
    return amountOf(const_cast<server::LineAmounts&>(amounts), field);
}

server::LineAmounts partialSums(const std::vector<server::PartialEntry>& partials) {
    server::LineAmounts s;
    for (const server::PartialEntry& p : partials) {
        s.kwotaWn += p.kwotaWn;
        s.kwotaWnW += p.kwotaWnW;
        s.kwotaMa += p.kwotaMa;
        s.kwotaMaW += p.kwotaMaW;
    }
    return s;
}

server::LineAmounts settlementSums(const std::vector<SettlementRow>& settlements) {
    server::LineAmounts s;
    for (const SettlementRow& row : settlements) {
        const server::OpeningSettlement& r = row.settlement;
        if (r.strona.trimmed().compare(QLatin1String("MA"), Qt::CaseInsensitive) == 0) {
            s.kwotaMa += r.signedKwota();
            s.kwotaMaW += r.signedKwotaW();
        } else {
            s.kwotaWn += r.signedKwota();
            s.kwotaWnW += r.signedKwotaW();
        }
    }
    return s;
}

std::optional<AmountMismatch> firstMismatch(const server::LineAmounts& amounts,
                                            const std::vector<server::PartialEntry>& partials,
                                            const std::vector<SettlementRow>& settlements, bool currencyAmounts) {
    struct Check {
        AmountField field;
        bool currency;
        const char* text;
    };
    auto first = [&](const server::LineAmounts& sums, std::initializer_list<Check> checks) -> std::optional<AmountMismatch> {
        for (const Check& c : checks) {
            if (c.currency && !currencyAmounts) continue;
            const Money sum = amountOf(sums, c.field);
            if (amountOf(amounts, c.field) != sum) return AmountMismatch{QString::fromUtf8(c.text), c.field, sum};
        }
        return std::nullopt;
    };
    if (!partials.empty()) {
        if (auto m = first(partialSums(partials),
                           {{AmountField::WnW, true, "Kwota Dt w walucie nie zgadza się z sumą zapisów cząstkowych."},
                            {AmountField::Wn, false, "Kwota Dt w PLN nie zgadza się z sumą zapisów cząstkowych."},
                            {AmountField::MaW, true, "Kwota Ct w walucie nie zgadza się z sumą zapisów cząstkowych."},
                            {AmountField::Ma, false, "Kwota Ct w PLN nie zgadza się z sumą zapisów cząstkowych."}}))
            return m;
    }
    if (!settlements.empty()) {
        if (auto m = first(settlementSums(settlements),
                           {{AmountField::Wn, false, "Kwota Dt nie zgadza się z zapisem w rozrachunkach."},
                            {AmountField::Ma, false, "Kwota Ct nie zgadza się z zapisem w rozrachunkach."},
                            {AmountField::WnW, true, "Kwota Dt w walucie nie zgadza się z zapisem w rozrachunkach."},
                            {AmountField::MaW, true, "Kwota Ct w walucie nie zgadza się z zapisem w rozrachunkach."}}))
            return m;
    }
    return std::nullopt;
}

} // namespace ksiega::openingbalance
