// Every sort order of "Księga główna" over an account and over a synthetic-account prefix
// (which the list reads through the lines' synthetic account) lists the rows a plain ORDER BY
// over the entry view lists, page after page, ties broken by the row id.
#include "ledger/accounts/EntryListColumns.h"
#include "ledger/accounts/LedgerEntriesController.h"
#include "platform/runtime/Date.h"
#include "support/LedgerTest.h"
#include "support/ListedIds.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::ledger;
using ksiega::test::zl;

namespace {

class EntryOrdersTest : public test::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        session.DANE_ID_FIRMY = f().company;
        session.DANE_LATA_OBROTOWE = f().year2026;
        session.DANE_POCZATEK_ROKU = date::fromYmd(2026, 1, 1);
        session.DANE_KONIEC_ROKU = date::fromYmd(2026, 12, 31);
        session.DANE_ID_UZYTKOWNIKA_NR = 7;
        controller = std::make_unique<LedgerEntriesController>(db(), session);
        writeLedger();
    }

    // Documents of a few dates and numbers (ties on every header column), lines on both sides
    // of accounts under 201, a neighbouring synthetic 202, and lines the list leaves out (unposted).
    void writeLedger() {
        const char* accounts[] = {"201-01", "201-02-001", "201", "130-01", "700-01", "201-01"};
        for (int d = 0; d < 9; ++d) {
            const int64_t doc = f().addDocument({f().year2026, f().month2026(1 + d % 3), d == 7 ? 1 : 2, 0,
                                                 QStringLiteral("PK/%1").arg(9 - d % 4), ""});
            db().execute("update NAG_DOK set data_biezaca=?, nr_dok_org=?, data_dok_org=?, data_oper_gosp=?, data_zatwierdzenia=?, "
                         "nr_sys_dok=? where id_nag_dok=?",
                         {date::fromYmd(2026, 3, 1 + d % 2), QStringLiteral("FV %1").arg(d % 3), date::fromYmd(2026, 2, 1 + d % 4),
                          date::fromYmd(2026, 2, 9 - d % 3), date::fromYmd(2026, 4, 1 + d % 2), QStringLiteral("S%1").arg(d % 5),
                          doc});
            for (int l = 0; l < 4; ++l) {
                const QString dt = QString::fromLatin1(accounts[(d + l) % 6]), ct = QString::fromLatin1(accounts[(d + 2 * l + 1) % 6]);
                const Money amount = Money::fromMinor((10 + (d * l) % 4) * 100);
                f().addLine(doc, {dt, dt == ct ? QString() : ct, amount, dt == ct ? Money() : amount,
                                  l == 2 ? zl("3.00") : Money(), l == 2 && dt != ct ? zl("3.00") : Money(), l == 2 ? "EUR" : ""});
            }
            // The line's own description, as a person would have written it.
            db().execute("update POZ_DOK set opis=case when lp % 2 = 0 then 'Zapłata' else 'Sprzedaż' end where id_nag_dok=?", {doc});
        }
        f().postIn2026(5, "202-01", "130-01", zl("4.00"));
    }

    std::vector<int64_t> listed() {
        ui::PagedListModel& m = controller->entries();
        m.setPageSize(5);
        m.setMaxPages(1000);
        m.toFirst();
        return test::listedIdsToTheEnd(m);
    }

    std::vector<int64_t> plain(const QString& accountCondition, const QString& column, bool descending) {
        const QString dir = descending ? QStringLiteral(" desc") : QStringLiteral(" asc");
        db::Rows r = db().select(QStringLiteral("select id_dokument_pozycja from POZ_DOK_VIEW_UNION where id_firmy=? and id_lata_obrot=? "
                                                "and status=2 and czy_rk<>10 and %1 order by %2%3, id_dokument_pozycja%3")
                                     .arg(accountCondition, column, dir),
                                 {f().company, f().year2026});
        std::vector<int64_t> ids;
        while (r.next()) ids.push_back(r.int64(0));
        return ids;
    }

    SessionContext session;
    std::unique_ptr<LedgerEntriesController> controller;
};
KSIEGA_ON_BOTH_ENGINES(EntryOrdersTest);

TEST_P(EntryOrdersTest, everyOrderOfAnAccountAndOfAPrefixListsThePlainOrderByOfTheView) {
    struct Chosen {
        QString account;
        bool whole;
        QString condition;
    };
    for (const Chosen& c : {Chosen{"201-01", true, "konto = '201-01'"}, Chosen{"201", false, "konto like '201%'"},
                            Chosen{"20", false, "konto like '20%'"}, Chosen{"201-0", false, "konto like '201-0%'"}}) {
        controller->setAccount(c.account, c.whole);
        controller->rebuild();
        // The synthetic account names the prefix's rows only where it holds exactly them.
        EXPECT_EQ(controller->filter().contains(QLatin1String("syntetyka")), c.account == QLatin1String("201"))
            << c.account.toStdString();
        for (int number = 1; number <= kEntrySortOrders; ++number) {
            controller->setSortOrder(number);
            const ui::SortOrder order = entrySortOrder(number);
            const std::vector<int64_t> expected = plain(c.condition, order.keys[0].column, order.keys[0].descending);
            ASSERT_GT(expected.size(), 5u) << c.account.toStdString();
            EXPECT_EQ(listed(), expected) << c.account.toStdString() << " order " << number;
        }
    }
}

TEST_P(EntryOrdersTest, aLongerSyntheticAccountKeepsItsRowsInThePrefixList) {
    controller->setAccount("201", false);
    controller->rebuild();
    const size_t before = listed().size();
    EXPECT_TRUE(controller->filter().contains(QLatin1String("syntetyka")));
    // 2011 begins with 201: the prefix is no longer one synthetic account, and its rows join.
    f().postIn2026(6, "2011-01", "130-01", zl("1.00"));
    controller->rebuild();
    EXPECT_FALSE(controller->filter().contains(QLatin1String("syntetyka")));
    EXPECT_EQ(listed().size(), before + 1);
    EXPECT_EQ(int64_t(before + 1), db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_lata_obrot=? and konto like '201%' "
                                                  "and status=2 and czy_rk<>10", {f().year2026}).value_or(0));
}

} // namespace
