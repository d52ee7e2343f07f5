#include "openingbalance/cards/CardLines.h"
#include <algorithm>
#include <map>

namespace ksiega::openingbalance {

namespace {

// One side of the document's lines on the account and below it, grouped by account. The
// segment test is a range on the account column, which its index serves: an account
// below A begins with A + "-", and every such text sorts between A + "-" and A + ".".
QString sideStatement(const char* konto, const char* kwota, const char* kwotaW) {
    return QStringLiteral(
               "select g.konto, coalesce(w.nazwa_konta, ''), g.kwota, g.kwota_w from ("
               "select %1 as konto, cast(sum(%2) as bigint) as kwota, cast(sum(%3) as bigint) as kwota_w from POZ_DOK "
               "where id_nag_dok=? and id_firmy=? and id_lata_obrot=? and (%1=? or (%1>=? and %1<?)) group by %1) g "
               "left join WARTOSCI_KONT w on w.id_firmy=? and w.id_lata_obrot=? and w.nr_konta=g.konto")
        .arg(QLatin1String(konto), QLatin1String(kwota), QLatin1String(kwotaW));
}

} // namespace

std::vector<CardLine> readCardLines(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t idNagDok,
                                    const QString& account) {
    std::map<QString, CardLine> byAccount;
    const db::Params params{idNagDok, idFirmy, idLataObrot, account, account + QLatin1Char('-'), account + QLatin1Char('.'),
                            idFirmy, idLataObrot};
    for (int side = 0; side < 2; ++side) {
        db::Rows r = db.select(side == 0 ? sideStatement("konto_wn", "kwota_wn", "kwota_wn_w")
                                         : sideStatement("konto_ma", "kwota_ma", "kwota_ma_w"),
                               params);
        while (r.next()) {
            CardLine& line = byAccount[r.text(0)];
            line.account = r.text(0);
            line.name = r.text(1);
            (side == 0 ? line.kwotaWn : line.kwotaMa) += r.money(2);
            (side == 0 ? line.kwotaWnW : line.kwotaMaW) += r.money(3);
        }
    }
    std::vector<CardLine> out;
    for (auto& [account, line] : byAccount)
        if (!line.isZero()) out.push_back(std::move(line));
    return out;
}

QString cardSortOrder(CardSortColumn column, bool descending) {
    const QChar sign = descending ? QLatin1Char('-') : QLatin1Char('+');
    auto key = [&](const char* name) { return sign + QLatin1String(name); };
    switch (column) {
    case CardSortColumn::Number: return key("disp_k");
    case CardSortColumn::Name: return key("naz_k");
    case CardSortColumn::Dt: return key("kw_wn_k") + QLatin1Char(',') + key("disp_k");
    case CardSortColumn::DtW: return key("kw_wn_w_k") + QLatin1Char(',') + key("disp_k");
    case CardSortColumn::Ct: return key("kw_ma_k") + QLatin1Char(',') + key("disp_k");
    case CardSortColumn::CtW: return key("kw_ma_w_k") + QLatin1Char(',') + key("disp_k");
    }
    return key("disp_k");
}

void sortCardLines(std::vector<CardLine>& lines, CardSortColumn column, bool descending) {
    auto amount = [column](const CardLine& l) {
        switch (column) {
        case CardSortColumn::Dt: return l.kwotaWn;
        case CardSortColumn::DtW: return l.kwotaWnW;
        case CardSortColumn::Ct: return l.kwotaMa;
        case CardSortColumn::CtW: return l.kwotaMaW;
        default: return Money();
        }
    };
    auto less = [&](const CardLine& a, const CardLine& b) {
        if (column == CardSortColumn::Name) {
            const int c = QString::localeAwareCompare(a.name, b.name);
            if (c != 0) return c < 0;
        } else if (column != CardSortColumn::Number && amount(a) != amount(b)) {
            return amount(a) < amount(b);
        }
        return a.account < b.account;
    };
    std::stable_sort(lines.begin(), lines.end(),
                     [&](const CardLine& a, const CardLine& b) { return descending ? less(b, a) : less(a, b); });
}

} // namespace ksiega::openingbalance
