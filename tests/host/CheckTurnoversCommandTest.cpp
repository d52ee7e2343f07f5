// ksiega check-turnovers run as the executable: silent agreement with exit 0, every
// difference of a corrupted table printed with exit 1, and nothing written.
#include "platform/runtime/Date.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerFixture.h"
#include "support/LineSums.h"
#include "support/TestDatabase.h"
#include "KsiegaProcess.h"
#include <QFileInfo>

using namespace ksiega;

namespace {

class CheckTurnoversCommand : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        if (!QFileInfo::exists(test::ksiegaProgram())) GTEST_SKIP() << "the ksiega executable is not built";
    }
    test::Outcome check() {
        return test::runKsiega({"check-turnovers", "--db", url(), "--company", QString::number(f->company), "--year", "2026"});
    }
    QString state() {
        QStringList rows;
        db::Rows r = db().select("select nr_konta, sym_waluty, data_okresu, obr_wn, saldo_wn, saldo_ma from OBROTY_I_SALDA "
                                 "order by 1, 2, 3");
        while (r.next()) rows << QStringLiteral("%1 %2 %3 %4 %5 %6").arg(r.text(0), r.text(1)).arg(r.int64(2)).arg(r.int64(3)).arg(r.int64(4)).arg(r.int64(5));
        return rows.join('\n');
    }
    std::unique_ptr<test::LedgerFixture> f;
};
KSIEGA_ON_BOTH_ENGINES(CheckTurnoversCommand);

TEST_P(CheckTurnoversCommand, agreesWithTheLinesThenPrintsEveryDifferenceOfACorruptedTable) {
    f = std::make_unique<test::LedgerFixture>(db());
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f->company, f->year2026, 0);
    const test::Outcome good = check();
    EXPECT_EQ(good.exitCode, 0) << good.err.toStdString();
    EXPECT_EQ(good.err, QString());
    EXPECT_EQ(good.out, QString("OBROTY_I_SALDA zgodne z dokumentami.\n"));

    // One figure off by 7 grosze, one row gone, one row that no line makes.
    const test::LineSums sums(db(), f->year2026, f->bo2026());
    const int64_t bank = sums.figures("130-01", "PLN", f->month2026(3)).obrotyDt.minor();
    ASSERT_GT(bank, 0);
    db().execute("update OBROTY_I_SALDA set obr_wn=obr_wn+7 where id_lata_obrot=? and nr_konta='130-01' and sym_waluty='PLN' "
                 "and data_okresu=?", {f->year2026, f->month2026(3)});
    ASSERT_EQ(db().execute("delete from OBROTY_I_SALDA where id_lata_obrot=? and nr_konta='131-01' and sym_waluty='EUR' "
                           "and data_okresu=?", {f->year2026, f->month2026(4)}), 1);
    db().execute("insert into OBROTY_I_SALDA (id_firmy, id_lata_obrot, sym_waluty, data_okresu, nr_konta, obr_wn) "
                 "values (?, ?, 'PLN', ?, '999', 5)", {f->company, f->year2026, f->month2026(6)});
    const QString corrupted = state();

    const test::Outcome bad = check();
    EXPECT_EQ(bad.exitCode, 1) << bad.err.toStdString();
    EXPECT_EQ(bad.err, QString());
    const QStringList lines = bad.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.first(), QString("konto,waluta,okres,kolumna,zapisane,przeliczone"));
    const QString march = date::toIso(f->month2026(3)), april = date::toIso(f->month2026(4)), june = date::toIso(f->month2026(6));
    EXPECT_TRUE(lines.contains(QStringLiteral("130-01,PLN,%1,obr_wn,%2,%3").arg(march).arg(bank + 7).arg(bank))) << bad.out.toStdString();
    // The missing row: its twelve figures, the balance in euro from the lines among them.
    const int64_t euro = sums.figures("131-01", "EUR", f->month2026(4)).saldoDt.minor();
    ASSERT_GT(euro, 0);
    EXPECT_EQ(lines.filter(QStringLiteral("131-01,EUR,%1,").arg(april)).size(), 12);
    EXPECT_TRUE(lines.contains(QStringLiteral("131-01,EUR,%1,saldo_wn_w,(brak wiersza),%2").arg(april).arg(euro))) << bad.out.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("999,PLN,%1,obr_wn,5,(brak wiersza)").arg(june))) << bad.out.toStdString();
    // Nothing else differs: header, 1 + 12 + 12 differences, the closing line.
    EXPECT_EQ(lines.size(), 1 + 25 + 1) << bad.out.toStdString();
    EXPECT_EQ(lines.last(), QString::fromUtf8("OBROTY_I_SALDA niezgodne z dokumentami: 25 różnic."));
    EXPECT_EQ(state(), corrupted) << "the check writes nothing";
}

TEST_P(CheckTurnoversCommand, aYearTheCompanyDoesNotHaveIsAnError) {
    f = std::make_unique<test::LedgerFixture>(db());
    const test::Outcome r = test::runKsiega({"check-turnovers", "--db", url(), "--company", "99", "--year", "2026"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.exitCode, 1) << "an error is not a difference";
    EXPECT_NE(r.err, QString());
}

} // namespace
