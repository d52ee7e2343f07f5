// Every order of the "MPK" list, both directions, lists the rows a plain ORDER BY over the
// splits joined to their lines and headers lists, page after page, ties broken by the split's
// id.
#include "CostCentreFixture.h"
#include "costcentres/MpkViewController.h"
#include "platform/db/LineCopies.h"

using namespace ksiega;
using namespace ksiega::costcentres;
using ksiega::test::zl;

namespace {

class MpkOrdersTest : public test::CostCentreTest {
protected:
    void SetUp() override {
        CostCentreTest::SetUp();
        if (IsSkipped()) return;
        // Documents that share dates and numbers (ties on every header column), with splits
        // on both sides.
        for (int d = 0; d < 6; ++d) {
            const int64_t doc = f().addDocument({f().year2026, f().month2026(2 + d % 2), 2, 0, QStringLiteral("PK/%1").arg(7 - d % 3), ""});
            db().execute("update NAG_DOK set data_biezaca=?, nr_dok_org=?, data_dok_org=? where id_nag_dok=?",
                         {f().month2026(2) + d % 2, QStringLiteral("FV %1").arg(d % 2), f().month2026(1) + d % 3, doc});
            db::refreshLineCopies(db(), doc);
            const int64_t line = f().post(doc, d % 2 ? "401-01" : "402", "201-01-001", zl("20.00"));
            f().splitCostCentres(line, "WN", {{zl("5.00"), {admin}}, {zl("15.00"), {sales, car}}});
            f().splitCostCentres(line, "MA", {{zl("20.00"), {sales}}});
        }
    }

    std::vector<int64_t> listed(MpkViewController& c) {
        ui::PagedListModel& list = c.browser().list();
        list.setPageSize(4);
        list.setMaxPages(1000);
        list.toFirst();
        std::vector<int64_t> ids;
        for (int r = 0; r < list.heldRows(); ++r) ids.push_back(list.idAt(r));
        while (list.canFetchMore({})) {
            const int before = list.heldRows();
            list.fetchMore({});
            for (int r = before; r < list.heldRows(); ++r) ids.push_back(list.idAt(r));
        }
        return ids;
    }

    // The header's and the split's own columns, read from where they are kept.
    std::vector<int64_t> plain(const QString& column, bool descending) {
        const QString dir = descending ? QStringLiteral(" desc") : QStringLiteral(" asc");
        db::Rows r = db().select(QStringLiteral("select m.id_mpk_dane from MPK_DANE m join POZ_DOK p on p.id_poz_dok=m.id_poz_dok "
                                                "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where m.id_firmy=? "
                                                "order by %1%2, m.id_mpk_dane%2").arg(column, dir),
                                 {f().company});
        std::vector<int64_t> ids;
        while (r.next()) ids.push_back(r.int64(0));
        return ids;
    }
};
KSIEGA_ON_BOTH_ENGINES(MpkOrdersTest);

// The orders in the window's sequence, each with the column it orders by.
const char* const kOrderColumns[] = {"n.data_biezaca", "n.data_dok_org", "m.konto", "m.kwota", "n.nr_dok_org", "n.nr_ewid_dok"};

TEST_P(MpkOrdersTest, everyOrderListsThePlainOrderByOfTheSplitsHeaders) {
    MpkViewController c(db(), session(), services);
    c.open();
    ASSERT_EQ(MpkViewController::sortNames().size(), qsizetype(std::size(kOrderColumns)));
    for (int choice = 0; choice < int(std::size(kOrderColumns)); ++choice) {
        c.chooseSort(choice);
        for (bool descending : {false, true}) {
            if (descending != c.descending()) c.toggleSortDirection();
            const std::vector<int64_t> expected = plain(QLatin1String(kOrderColumns[choice]), descending);
            ASSERT_EQ(expected.size(), 22u);
            EXPECT_EQ(listed(c), expected) << kOrderColumns[choice] << (descending ? " desc" : "");
        }
        if (c.descending()) c.toggleSortDirection();
    }
}

} // namespace
