#include "platform/db/demo/BudgetLedger.h"
#include "platform/db/BudgetLineCopies.h"
#include "platform/runtime/Date.h"

namespace ksiega::db::demo {
namespace {

const char* const kDzialy[] = {"600", "700", "750", "801", "851", "852", "854", "900"};
const char* const kParagrafy[] = {"0690", "0750", "0830", "0920", "0970", "4010", "4040", "4110", "4120", "4170", "4210", "4220", "4240",
                                  "4260", "4270", "4280", "4300", "4360", "4410", "4430", "4440", "4700", "6050", "6060", "4480"};

} // namespace

QString benchmarkBudgetSymbol(int n) {
    const int paragraf = n % 25, rozdzial = (n / 25) % 10, dzial = n / 250;
    const QString d = QString::fromLatin1(kDzialy[dzial]);
    return d + QChar('-') + d + QStringLiteral("%1").arg(rozdzial + 1, 2, 10, QChar('0')) + QChar('-') + QString::fromLatin1(kParagrafy[paragraf]);
}

QChar benchmarkBudgetSide(int n) { return kParagrafy[n % 25][0] == '0' ? QChar('D') : QChar('W'); }

int64_t writeBudgetLines(Database& db, int64_t company, int64_t year, int64_t firstLine, int64_t lastLine) {
    db.execute(QStringLiteral("create temporary table BT_SYMBOLE_GEN (k integer primary key, symbol varchar(50), typ varchar(1))"));
    {
        auto symbols = db.bulkInsert(QStringLiteral("BT_SYMBOLE_GEN"), {"k", "symbol", "typ"});
        for (int n = 0; n < kBenchmarkBudgetSymbols; ++n) symbols->add({n, benchmarkBudgetSymbol(n), QString(benchmarkBudgetSide(n))});
        symbols->finish();
    }
    // q cycles through the flag combinations of the side: on the expenditure side every
    // combination of wy, k, z, x; on the revenue side of d, wp, x.
    const QString q = QStringLiteral("((p.id_poz_dok / %1) % 16)").arg(kBenchmarkBudgetSymbols);
    auto flag = [&](const char* side, int bit) {
        return QStringLiteral("case when s.typ='%1' then (%2 / %3) % 2 else 0 end").arg(QLatin1String(side), q).arg(bit);
    };
    const QString sql =
        QStringLiteral("insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, rodzaj_k, "
                       "rodzaj_z, rodzaj_x, rodzaj_d, rodzaj_wp, kwota, ") + budgetLineCopyColumns() +
        QStringLiteral(") select p.id_poz_dok, 1, p.id_firmy, p.id_lata_obrot, s.symbol, s.typ, ") +
        flag("W", 1) + QStringLiteral(", ") + flag("W", 2) + QStringLiteral(", ") + flag("W", 4) +
        QStringLiteral(", case when s.typ='W' then (") + q + QStringLiteral(" / 8) % 2 else (") + q + QStringLiteral(" / 4) % 2 end, ") +
        flag("D", 1) + QStringLiteral(", ") + flag("D", 2) +
        QStringLiteral(", case when p.kwota_wn <> 0 then p.kwota_wn else p.kwota_ma end, ") +
        budgetLineCopiesSelect(QStringLiteral("p"), QStringLiteral("n")) +
        QStringLiteral(" from POZ_DOK p join NAG_DOK n on n.id_nag_dok = p.id_nag_dok join BT_SYMBOLE_GEN s on s.k = p.id_poz_dok % ") +
        QString::number(kBenchmarkBudgetSymbols) + QStringLiteral(" where p.id_poz_dok between ? and ? and p.id_firmy=? and p.id_lata_obrot=?");
    const int64_t written = db.execute(sql, {firstLine, lastLine, company, year});

    const auto yearStart = db.scalarInt(QStringLiteral("select poczatek_roku from LATA_OBROTOWE where id_lata_obrot=?"), {year}).value_or(0);
    auto plan = db.bulkInsert(QStringLiteral("BT_PLAN"),
                              {"id_firmy", "id_lata_obrot", "bt_klasyfikacja", "typ", "data_planu", "rodzaj_zmiany", "kwota", "opis"});
    for (int n = 0; n < kBenchmarkBudgetSymbols; ++n) {
        const QString symbol = benchmarkBudgetSymbol(n), side(benchmarkBudgetSide(n));
        plan->add({company, year, symbol, side, yearStart + 1, 0, int64_t(100000 + n * 1000) * 100 + 50, QStringLiteral("Plan pierwotny")});
        if (n % 3 == 0)
            plan->add({company, year, symbol, side, yearStart + 180, 1, -int64_t(n + 1) * 1000, QStringLiteral("Zmiana planu")});
    }
    plan->finish();
    db.execute(QStringLiteral("drop table BT_SYMBOLE_GEN"));
    return written;
}

} // namespace ksiega::db::demo
