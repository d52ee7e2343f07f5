#pragma once
// The settlement commands run as the executable on the demo database, and what the tests
// compute on their own with plain SQL to check them.
#include "platform/db/demo/DemoDatabase.h"
#include "platform/runtime/Date.h"
#include "platform/server/Turnovers.h"
#include "support/TestDatabase.h"
#include "KsiegaProcess.h"
#include <QFileInfo>
#include <map>

namespace ksiega::test {

// "1234.50" -> 123450.
inline int64_t grosze(const QString& amount) {
    const bool negative = amount.startsWith('-');
    const QStringList parts = amount.mid(negative ? 1 : 0).split('.');
    const int64_t v = parts.value(0).toLongLong() * 100 + parts.value(1).leftJustified(2, '0').toLongLong();
    return negative ? -v : v;
}

class SettlementsCommandTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        if (!QFileInfo::exists(ksiegaProgram())) GTEST_SKIP() << "the ksiega executable is not built";
        db::demo::buildDemoDatabase(db());
        year = db().scalarInt("select id_lata_obrot from LATA_OBROTOWE where id_firmy=1 and rok_obrotowy='2026'").value_or(0);
    }
    Outcome run(const QString& command, const QStringList& more) {
        return runKsiega(args(command, more));
    }
    QStringList args(const QString& command, const QStringList& more) const {
        return QStringList{command, "--db", url(), "--company", "1", "--year", "2026", "--user", "admin", "--date", "2026-01-31"} + more;
    }
    // The ids of the company's 2026 settlements that satisfy `condition` (over ROZRACHUNEK r), as "1,2,3".
    QString ids(const QString& condition) {
        QStringList list;
        db::Rows r = db().select("select r.id_rozrachunku from ROZRACHUNEK r where r.id_firmy=1 and r.id_lata_obrot=? and " + condition +
                                 " order by r.id_rozrachunku", {year});
        while (r.next()) list << r.text(0);
        return list.join(',');
    }
    // What is left of a settlement on its side on `day` (0: now), signed, from its clearings.
    int64_t leftOn(int64_t id, int day, bool currency = false) {
        const QString amount = currency ? "kwota_w" : "kwota";
        return db().scalarInt("select (case when r.czy_korekta=1 then -1 else 1 end) * (r." + amount + " - coalesce((select sum(z." + amount +
                                  ") from ROZLICZENIE z where z.id_rozrachunku=r.id_rozrachunku and (? = 0 or z.data_rozliczenia <= ?)), 0)) "
                                  "from ROZRACHUNEK r where r.id_rozrachunku=?",
                              {day, day, id})
            .value_or(0);
    }
    // The turnovers of the year as the run left them equal a full recompute.
    QStringList turnovers() {
        QStringList rows;
        db::Rows r = db().select("select sym_waluty, data_okresu, nr_konta, obr_wn, obr_ma, saldo_wn, saldo_ma, obr_wn_w, obr_ma_w "
                                 "from OBROTY_I_SALDA where id_lata_obrot=? order by sym_waluty, data_okresu, nr_konta", {year});
        while (r.next()) {
            QStringList f;
            for (int c = 0; c < 9; ++c) f << r.text(c);
            rows << f.join('|');
        }
        return rows;
    }
    void expectTurnoversExact(const std::string& when) {
        const QStringList kept = turnovers();
        server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), 1, year, 0);
        EXPECT_EQ(kept, turnovers()) << when;
    }
    // The opening balance and the settlements of the year as text, ids of lines aside.
    QStringList openingState() {
        QStringList rows;
        db::Rows l = db().select("select n.waluta, p.konto_wn, p.konto_ma, p.kwota_wn, p.kwota_ma, p.kwota_wn_w, p.kwota_ma_w from POZ_DOK p "
                                 "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where p.id_lata_obrot=? and p.czy_rk=10 "
                                 "order by 1, 2, 3, 4, 5, 6, 7", {year});
        while (l.next()) {
            QStringList f;
            for (int c = 0; c < 7; ++c) f << l.text(c);
            rows << "line " + f.join('|');
        }
        db::Rows s = db().select("select r.id_rozrachunku, r.nr_konta, r.kwota, r.kwota_w, r.czy_bo, r.id_poz_dok_f <> 0, "
                                 "(select count(*) from ROZLICZENIE z where z.id_rozrachunku=r.id_rozrachunku) "
                                 "from ROZRACHUNEK r where r.id_lata_obrot=? order by 1", {year});
        while (s.next()) {
            QStringList f;
            for (int c = 0; c < 7; ++c) f << s.text(c);
            rows << "settlement " + f.join('|');
        }
        return rows;
    }
    // What the year's opening lines hold per "account|side|currency" (and "...|w" in the currency).
    using SideSums = std::map<QString, int64_t>;
    SideSums openingSides() {
        SideSums sums;
        db::Rows r = db().select("select p.konto_wn, p.konto_ma, p.kwota_wn, p.kwota_ma, n.waluta, p.kwota_wn_w, p.kwota_ma_w from POZ_DOK p join NAG_DOK n on "
                                 "n.id_nag_dok=p.id_nag_dok where p.id_lata_obrot=? and p.czy_rk=10", {year});
        while (r.next()) {
            const QString currency = r.text(4).isEmpty() ? "PLN" : r.text(4);
            if (!r.text(0).isEmpty()) sums[r.text(0) + "|WN|" + currency] += r.int64(2);
            if (!r.text(1).isEmpty()) sums[r.text(1) + "|MA|" + currency] += r.int64(3);
            if (currency != "PLN" && !r.text(0).isEmpty()) sums[r.text(0) + "|WN|" + currency + "|w"] += r.int64(5);
            if (currency != "PLN" && !r.text(1).isEmpty()) sums[r.text(1) + "|MA|" + currency + "|w"] += r.int64(6);
        }
        return sums;
    }

    int64_t year = 0;
};

} // namespace ksiega::test
