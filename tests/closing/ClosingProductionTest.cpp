// The window with the production server services on a real database: what it shows is
// what the database then holds, checked from the document lines, not through the closing.
#include "ClosingFixture.h"
#include "platform/db/Database.h"

using namespace ksiega;
using namespace ksiega::closing;
using namespace ksiega::test;
namespace T = ksiega::closing::texts;

namespace {

using Kind = ui::ScriptedDialogs::Kind;

class ClosingProduction : public ClosingTest {
protected:
    // Net Dt - Ct of an account over the PLN lines the turnovers count: posted lines and
    // opening-balance lines (of one year; onlyOpening: the opening-balance lines only).
    int64_t net(int64_t year, const QString& account, bool onlyOpening) {
        const QString which = onlyOpening ? QStringLiteral("czy_rk = 10") : QStringLiteral("(status = 2 or czy_rk = 10)");
        const QString sql = QStringLiteral("select coalesce(sum(case when konto_wn = ? then kwota_wn else 0 end), 0) - "
                                           "coalesce(sum(case when konto_ma = ? then kwota_ma else 0 end), 0) "
                                           "from POZ_DOK where id_lata_obrot = ? and waluta in ('', 'PLN') and ") + which;
        return count(sql, {account, account, year});
    }
    int64_t status2026() { return count("select status from LATA_OBROTOWE where id_lata_obrot=?", {f().year2026}); }
};

TEST_P(ClosingProduction, creationCarriesTheBalancesAndRemovalTakesOnlyTheOpeningBalance) {
    const int64_t otherDocuments = count("select count(*) from NAG_DOK where id_lata_obrot=? and czy_rk<>10", {f().year18});
    ASSERT_GT(otherDocuments, 0);
    auto c = opened(productionClosingServices());
    ASSERT_TRUE(c);
    c->execute();
    EXPECT_TRUE(dialogs.texts(Kind::Warning).isEmpty()) << dialogs.texts().join(" / ").toStdString();
    EXPECT_TRUE(dialogs.texts(Kind::Information).contains(T::CREATE_DONE));
    EXPECT_FALSE(dialogs.texts().contains(ui::messageText(T::CREATE_FAILED)));
    EXPECT_GT(nextYearOpeningDocuments(), 0);
    for (const char* account : {"130-01", "010-01", "234-01", "234-02"})
        EXPECT_EQ(net(f().year18, account, true), net(f().year2026, account, false)) << account;
    EXPECT_EQ(status2026(), 1);

    // Removal: the opening-balance documents of the next year go, nothing else.
    dialogs.clear();
    auto d = opened(productionClosingServices());
    ASSERT_TRUE(d);
    d->setAction(Action::Remove);
    d->execute();
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{T::REMOVE_DONE});
    EXPECT_EQ(nextYearOpeningDocuments(), 0);
    EXPECT_EQ(count("select count(*) from NAG_DOK where id_lata_obrot=? and czy_rk<>10", {f().year18}), otherDocuments);
}

TEST_P(ClosingProduction, anApprovalByAnotherSessionAfterOpeningRefusesTheRun) {
    auto c = opened(productionClosingServices());
    ASSERT_TRUE(c);
    {
        auto other = db::Database::open(url());
        other->execute("update LATA_OBROTOWE set zamkniete_bo=1 where id_lata_obrot=?", {f().year18});
    }
    c->execute();
    EXPECT_TRUE(dialogs.texts().contains(ui::messageText(T::NEXT_YEAR_APPROVED))) << dialogs.texts().join(" / ").toStdString();
    EXPECT_FALSE(dialogs.texts().contains(T::CREATE_DONE));
    EXPECT_EQ(nextYearOpeningDocuments(), 0);
    EXPECT_EQ(status2026(), 0);
}

KSIEGA_ON_BOTH_ENGINES(ClosingProduction);

} // namespace
