#include "ClosingChecker.h"

namespace ksiega::test {

namespace {
QString key(const QString& waluta) {
    const QString w = waluta.trimmed().toUpper();
    return w.isEmpty() ? QStringLiteral("PLN") : w;
}
} // namespace

Nets closingBalances(db::Database& db, int64_t idLataObrot) {
    Nets nets;
    db::Rows r = db.select("select konto_wn, konto_ma, kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w, waluta from POZ_DOK "
                           "where id_lata_obrot=? and (status=2 or czy_rk=10)",
                           {idLataObrot});
    while (r.next()) {
        const QString w = key(r.text(6));
        if (!r.text(0).isEmpty()) { auto& n = nets[{r.text(0), w}]; n.first += r.int64(2); n.second += r.int64(4); }
        if (!r.text(1).isEmpty()) { auto& n = nets[{r.text(1), w}]; n.first -= r.int64(3); n.second -= r.int64(5); }
    }
    return nets;
}

Nets openingLines(db::Database& db, int64_t idLataObrot) {
    Nets nets;
    db::Rows r = db.select("select p.konto_wn, p.konto_ma, p.kwota_wn, p.kwota_ma, p.kwota_wn_w, p.kwota_ma_w, n.waluta from POZ_DOK p "
                           "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where p.id_lata_obrot=? and p.czy_rk=10",
                           {idLataObrot});
    while (r.next()) {
        const QString w = key(r.text(6));
        if (!r.text(0).isEmpty()) { auto& n = nets[{r.text(0), w}]; n.first += r.int64(2); n.second += r.int64(4); }
        if (!r.text(1).isEmpty()) { auto& n = nets[{r.text(1), w}]; n.first -= r.int64(3); n.second -= r.int64(5); }
    }
    return nets;
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
