#pragma once
// Budget lines of 2026 on both sides, under symbols with and without an analytic part,
// a line split over two symbols, every sense used, and another company's line that no
// filter may reach; the quick filter's controller opened on them.
#include "budget/quickfilter/BudgetQuickFilterController.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/ui/settings/Settings.h"
#include "support/WindowFixture.h"
#include <QTemporaryDir>

namespace ksiega::test {

class BudgetFilterTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (IsSkipped()) return;
        session().DANE_DATA_BIEZACA = date::fromYmd(2026, 5, 20);
        session().DANE_CZY_WERSJA_BUDZET = 1;
        const int64_t d1 = f().addDocument({f().year2026, f().month2026(3), 2, 0, "FZ/3/1", ""});
        f().addBudgetLine(f().post(d1, "401-01", "201-01-001", zl("120.50")), "801-80101-4210", QChar('W'), Expenditure | Cost);
        f().addBudgetLine(f().post(d1, "401-01", "130-01", zl("30.00")), "801-80101-4210-01", QChar('W'), Commitment);
        f().addBudgetLine(f().post(d1, "402", "130-01", zl("80.00")), "801-80101-4300", QChar('W'), Cash);
        f().addBudgetLines(f().post(d1, "040", "130-01", zl("100.00")), {{"801-80101-4260", zl("60.00")}, {"801-80148-4220", zl("40.00")}},
                           QChar('W'), Expenditure | Cash);
        const int64_t d2 = f().addDocument({f().year2026, f().month2026(6), 2, 0, "NAL/6/1", ""});
        f().addBudgetLine(f().post(d2, "130-01", "720-01", zl("55.55")), "801-80148-0830", QChar('D'), Revenue | Receipt);
        f().addBudgetLine(f().post(d2, "201-01-001", "720-01", zl("12.00")), "801-80101-0750", QChar('D'), Receipt);
        // Another company's budget line over one of our ledger lines.
        db().execute("insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, kwota) "
                     "select id_poz_dok, 9, ?, id_lata_obrot, '801-80101-4210', 'W', 1, 777 from POZ_DOK where id_firmy=? "
                     "order by id_poz_dok limit 1",
                     {f().company + 1000, f().company});
        settings = std::make_unique<Settings>(iniDir.filePath(QStringLiteral("ksiega.ini")));
    }
    void TearDown() override {
        settings.reset();
        WindowTest::TearDown();
    }

    std::unique_ptr<budget::BudgetQuickFilterController> open(const QString& mode = {}, const QString& side = QStringLiteral("W")) {
        return std::make_unique<budget::BudgetQuickFilterController>(db(), session(), state, *settings, mode, side);
    }
    // Budget lines of the company and side that a filter selects, counted and summed.
    std::pair<int64_t, int64_t> selected(const QString& filter, const QString& side = QStringLiteral("W")) {
        const FilterTranslation t = translateFilter(filter);
        EXPECT_TRUE(t.ok()) << t.error.toStdString() << " " << filter.toStdString();
        db::Rows r = db().select("select count(*), coalesce(sum(kwota),0) from BT_VIEW where id_firmy=? and typ=?" +
                                     (t.where.isEmpty() ? QString() : " and (" + t.where + ")"),
                                 {f().company, side});
        r.next();
        return {r.int64(0), r.int64(1)};
    }
    // The same figures from a plain condition over BT_DANE and the ledger line.
    std::pair<int64_t, int64_t> direct(const QString& where, const QString& side = QStringLiteral("W")) {
        db::Rows r = db().select("select count(*), coalesce(sum(b.kwota),0) from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok "
                                 "where b.id_firmy=? and b.typ=? and " + where,
                                 {f().company, side});
        r.next();
        return {r.int64(0), r.int64(1)};
    }

    budget::BudgetFilterState state;
    QTemporaryDir iniDir;
    std::unique_ptr<Settings> settings;
};

} // namespace ksiega::test
