// The partial entries of a line (POZ_DOK_CZASTKOWE), in entry order.
#include "platform/server/OpeningBalanceLines.h"

namespace ksiega::server {

namespace {

// The table keeps an exchange rate with four decimals (times 10 000).
constexpr int64_t kStoredRateStep = Rate::kScale / 10'000;

Rate rateFromTable(int64_t stored) { return Rate::fromScaled(stored * kStoredRateStep); }

int64_t rateForTable(const Rate& rate) {
    if (rate.scaled() % kStoredRateStep != 0)
        throw db::DbError(QStringLiteral("Kurs %1 ma więcej niż cztery miejsca po przecinku.").arg(rate.toString()));
    return rate.scaled() / kStoredRateStep;
}

} // namespace

std::vector<PartialEntry> readPartialEntries(db::Database& db, int64_t idPozDok) {
    db::Rows r = db.select(QStringLiteral("select data_dok, nr_dok, opis, kwota_wn, kwota_wn_w, kwota_ma, kwota_ma_w, kurs_waluty_wn, "
                                          "kurs_waluty_ma, mnoznik_wn, mnoznik_ma from POZ_DOK_CZASTKOWE where id_poz_dok=? "
                                          "order by id_poz_dok, id_poz_dok_czastkowe"),
                           {idPozDok});
    std::vector<PartialEntry> entries;
    while (r.next()) {
        PartialEntry e;
        e.dataDok = r.integer(0);
        e.nrDok = r.text(1);
        e.opis = r.text(2);
        e.kwotaWn = r.money(3);
        e.kwotaWnW = r.money(4);
        e.kwotaMa = r.money(5);
        e.kwotaMaW = r.money(6);
        e.kursWn = rateFromTable(r.int64(7));
        e.kursMa = rateFromTable(r.int64(8));
        e.mnoznikWn = r.integer(9);
        e.mnoznikMa = r.integer(10);
        entries.push_back(e);
    }
    return entries;
}

void writePartialEntries(db::Database& db, int64_t idPozDok, const std::vector<PartialEntry>& entries) {
    db::Transaction tx(db);
    db.execute(QStringLiteral("delete from POZ_DOK_CZASTKOWE where id_poz_dok=?"), {idPozDok});
    for (const PartialEntry& e : entries)
        db.execute(QStringLiteral("insert into POZ_DOK_CZASTKOWE (id_poz_dok, data_dok, nr_dok, opis, kwota_wn, kwota_wn_w, kwota_ma, "
                                  "kwota_ma_w, kurs_waluty_wn, kurs_waluty_ma, mnoznik_wn, mnoznik_ma) "
                                  "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {idPozDok, e.dataDok, e.nrDok.left(30), e.opis.left(100), e.kwotaWn, e.kwotaWnW, e.kwotaMa, e.kwotaMaW,
                    rateForTable(e.kursWn), rateForTable(e.kursMa), e.mnoznikWn, e.mnoznikMa});
    tx.commit();
}

} // namespace ksiega::server
