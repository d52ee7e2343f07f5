#include "ClosingChecker.h"

namespace ksiega::test {

namespace {
QString key(const QString& waluta) {
    const QString w = waluta.trimmed().toUpper();
    return w.isEmpty() ? QStringLiteral("PLN") : w;
}
} // namespace

namespace {
// Nets per account and currency of rows (Dt account, Ct account, Dt, Ct, Dt in currency, Ct
// in currency, currency).
Nets netsOf(db::Rows r) {
    Nets nets;
    while (r.next()) {
        const QString w = key(r.text(6));
        if (!r.text(0).isEmpty()) { auto& n = nets[{r.text(0), w}]; n.first += r.int64(2); n.second += r.int64(4); }
        if (!r.text(1).isEmpty()) { auto& n = nets[{r.text(1), w}]; n.first -= r.int64(3); n.second -= r.int64(5); }
    }
    return nets;
}
} // namespace

Nets closingBalances(db::Database& db, int64_t idLataObrot) {
    return netsOf(db.select("select konto_wn, konto_ma, kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w, waluta from POZ_DOK "
                            "where id_lata_obrot=? and (status=2 or czy_rk=10)",
                            {idLataObrot}));
}

Nets openingLines(db::Database& db, int64_t idLataObrot) {
    return netsOf(db.select("select p.konto_wn, p.konto_ma, p.kwota_wn, p.kwota_ma, p.kwota_wn_w, p.kwota_ma_w, n.waluta from POZ_DOK p "
                            "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where p.id_lata_obrot=? and p.czy_rk=10",
                            {idLataObrot}));
}

Nets mapped(const Nets& sources, const std::function<QString(const QString&)>& target) {
    Nets out;
    for (const auto& [k, v] : sources) {
        const QString t = target(k.first);
        if (t.isEmpty()) continue;
        auto& n = out[{t, k.second}];
        n.first += v.first;
        n.second += v.second;
    }
    return out;
}

std::set<QString> settlementMismatches(db::Database& db, int64_t idLataObrot) {
    std::map<int64_t, std::pair<QString, std::array<int64_t, 2>>> lines;   // line -> account, Dt, Ct
    db::Rows r = db.select("select id_poz_dok, konto_wn, konto_ma, kwota_wn, kwota_ma from POZ_DOK where id_lata_obrot=? and czy_rk=10 "
                           "and id_poz_dok in (select id_poz_dok_f from ROZRACHUNEK where id_lata_obrot=?)",
                           {idLataObrot, idLataObrot});
    while (r.next()) lines[r.int64(0)] = {r.text(1).isEmpty() ? r.text(2) : r.text(1), {r.int64(3), r.int64(4)}};
    std::map<int64_t, std::array<int64_t, 2>> sums;
    db::Rows s = db.select("select id_poz_dok_f, strona, kwota, czy_korekta from ROZRACHUNEK where id_lata_obrot=? and id_poz_dok_f<>0",
                           {idLataObrot});
    while (s.next()) sums[s.int64(0)][s.text(1) == "WN" ? 0 : 1] += (s.integer(3) == 1 ? -1 : 1) * s.int64(2);
    std::set<QString> out;
    for (const auto& [id, line] : lines)
        if (sums[id] != line.second) out.insert(line.first);
    return out;
}

std::set<QString> turnoverMismatches(db::Database& db, int64_t idFirmy, int64_t closing, int bz, int64_t next, int bo,
                                     const std::function<bool(const QString&)>& compare) {
    auto rows = [&](int64_t year, int period) {
        std::map<std::pair<QString, QString>, std::array<int64_t, 4>> m;
        db::Rows r = db.select("select nr_konta, sym_waluty, saldo_wn, saldo_ma, saldo_wn_w, saldo_ma_w from OBROTY_I_SALDA "
                               "where id_firmy=? and id_lata_obrot=? and data_okresu=?",
                               {idFirmy, year, period});
        while (r.next())
            if (compare(r.text(0)) && (r.int64(2) || r.int64(3) || r.int64(4) || r.int64(5)))
                m[{r.text(0), r.text(1)}] = {r.int64(2), r.int64(3), r.int64(4), r.int64(5)};
        return m;
    };
    const auto before = rows(closing, bz), after = rows(next, bo);
    std::set<QString> out;
    for (const auto& [k, v] : before)
        if (!after.count(k) || after.at(k) != v) out.insert(k.first + "/" + k.second);
    for (const auto& [k, v] : after)
        if (!before.count(k)) out.insert(k.first + "/" + k.second);
    return out;
}

QString differences(const Nets& expected, const Nets& actual) {
    QStringList out;
    std::set<std::pair<QString, QString>> keys;
    for (const auto& [k, v] : expected) if (v.first || v.second) keys.insert(k);
    for (const auto& [k, v] : actual) if (v.first || v.second) keys.insert(k);
    for (const auto& k : keys) {
        const auto e = expected.count(k) ? expected.at(k) : std::pair<int64_t, int64_t>{};
        const auto a = actual.count(k) ? actual.at(k) : std::pair<int64_t, int64_t>{};
        if (e != a) out << QString("%1/%2: expected %3/%4, got %5/%6").arg(k.first, k.second).arg(e.first).arg(e.second).arg(a.first).arg(a.second);
    }
    return out.join("; ");
}

} // namespace ksiega::test

namespace ksiega::test {

std::map<int64_t, SettlementState> openAtEnd(db::Database& db, int64_t idLataObrot, int end) {
    std::map<int64_t, SettlementState> out;
    db::Rows r = db.select("select id_rozrachunku, nr_konta, strona, czy_korekta, sym_waluty, kwota, kwota_w from ROZRACHUNEK "
                           "where id_lata_obrot=?",
                           {idLataObrot});
    while (r.next())
        out[r.int64(0)] = {r.text(1), r.text(2), r.integer(3) == 1, key(r.text(4)), r.int64(5), r.int64(6)};
    db::Rows z = db.select("select z.id_rozrachunku, z.kwota, z.kwota_w from ROZLICZENIE z join ROZRACHUNEK r "
                           "on r.id_rozrachunku=z.id_rozrachunku where r.id_lata_obrot=? and z.data_rozliczenia<=?",
                           {idLataObrot, end});
    while (z.next()) {
        SettlementState& s = out[z.int64(0)];
        s.kwota -= z.int64(1);
        s.kwotaW -= z.int64(2);
    }
    for (auto it = out.begin(); it != out.end();) it = it->second.kwota == 0 && it->second.kwotaW == 0 ? out.erase(it) : std::next(it);
    return out;
}

std::map<int64_t, SettlementState> carriedSettlements(db::Database& db, int64_t idLataObrot) {
    std::map<int64_t, SettlementState> out;
    db::Rows r = db.select("select r.id_rozrachunku, r.id_rozrachunku_zrodla, r.nr_konta, r.strona, r.czy_korekta, r.sym_waluty, r.kwota, "
                           "r.kwota_w, p.konto_wn, p.konto_ma, p.czy_rk, n.waluta from ROZRACHUNEK r "
                           "left join POZ_DOK p on p.id_poz_dok=r.id_poz_dok_f left join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                           "where r.id_lata_obrot=? and r.id_rozrachunku_zrodla<>0 and r.id_poz_dok_f<>0",
                           {idLataObrot});
    while (r.next()) {
        const QString account = r.text(2);
        const bool onItsLine = r.integer(10) == 10 && (r.text(8) == account || r.text(9) == account) && key(r.text(11)) == key(r.text(5));
        out[onItsLine ? r.int64(1) : -r.int64(0)] = {account, r.text(3), r.integer(4) == 1, key(r.text(5)), r.int64(6), r.int64(7)};
    }
    return out;
}

CostNets costCentreNets(db::Database& db, int64_t idLataObrot, bool openingOnly) {
    CostNets out;
    db::Rows r = db.select(QString("select m.konto, %1, m.strona, m.kwota, m.wskaznik_1_id, m.wskaznik_2_id, m.wskaznik_3_id, "
                                   "m.wskaznik_4_id, m.wskaznik_5_id, m.drzewo_zbior_id from MPK_DANE m "
                                   "join POZ_DOK p on p.id_poz_dok=m.id_poz_dok join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                                   "where p.id_lata_obrot=? and %2")
                               .arg(openingOnly ? "n.waluta" : "p.waluta", openingOnly ? "p.czy_rk=10" : "(p.status=2 or p.czy_rk=10)"),
                           {idLataObrot});
    while (r.next()) {
        const QString set = QStringList{r.text(4), r.text(5), r.text(6), r.text(7), r.text(8), r.text(9)}.join('/');
        out[{r.text(0), key(r.text(1)), set}] += (r.text(2) == "WN" ? 1 : -1) * r.int64(3);
    }
    for (auto it = out.begin(); it != out.end();) it = it->second == 0 ? out.erase(it) : std::next(it);
    return out;
}

QString yearState(db::Database& db, int64_t idLataObrot) {
    QStringList out;
    for (const QString& sql :
         {QString("select id_poz_dok, id_nag_dok, konto_wn, konto_ma, kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w, lp from POZ_DOK "
                  "where id_lata_obrot=? order by 1"),
          QString("select id_rozrachunku, nr_konta, kwota, kwota_w, id_poz_dok_f, id_rozrachunku_zrodla, strona, czy_korekta from ROZRACHUNEK "
                  "where id_lata_obrot=? order by 1"),
          QString("select z.id_rozliczenia, z.id_rozrachunku, z.kwota, z.kwota_w from ROZLICZENIE z join ROZRACHUNEK r "
                  "on r.id_rozrachunku=z.id_rozrachunku where r.id_lata_obrot=? order by 1"),
          QString("select id_poz_dok, strona, konto, kwota, wskaznik_1_id, wskaznik_2_id from MPK_DANE where id_lata_obrot=? order by 1, 2, 3, 4, 5, 6"),
          QString("select sym_waluty, data_okresu, nr_konta, obr_wn, obr_ma, saldo_wn, saldo_ma, saldo_wn_w, saldo_ma_w from OBROTY_I_SALDA "
                  "where id_lata_obrot=? order by 1, 2, 3"),
          QString("select id_nag_dok, waluta, czy_rk from NAG_DOK where id_lata_obrot=? order by 1")}) {
        db::Rows r = db.select(sql, {idLataObrot});
        while (r.next()) {
            QStringList row;
            for (int c = 0; c < r.columnCount(); ++c) row << r.text(c);
            out << row.join(',');
        }
        out << "--";
    }
    return out.join('\n');
}

} // namespace ksiega::test
