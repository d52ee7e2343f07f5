#include "ListFixture.h"
#include "platform/ui/list/ListViewBinding.h"
#include "frame/marks/MarkColumnMarks.h"
#include "platform/ui/list/MarkColumn.h"
#include "platform/ui/list/PagedListModel.h"
#include "platform/runtime/Date.h"
#include "support/TestDatabase.h"
#include "support/SchemaOwner.h"
#include <algorithm>
#include <QCoreApplication>
#include <QScrollBar>
#include <QTableView>
#include <set>

using namespace ksiega;
using namespace ksiega::ui;

namespace {

constexpr int kRows = 100000;

// Reads the whole list through the model's window, downwards or upwards, collecting ids
// in list order; also reports the most rows ever held.
struct Walk {
    std::vector<int64_t> ids;
    int maxHeld = 0;
};

Walk walkDown(PagedListModel& m) {
    Walk w;
    m.toFirst();
    for (int r = 0; r < m.heldRows(); ++r) w.ids.push_back(m.idAt(r));
    while (m.canFetchMore()) {
        const int64_t last = w.ids.back();
        m.fetchMore();
        w.maxHeld = std::max(w.maxHeld, m.heldRows());
        int r = m.heldRows() - 1;
        while (r >= 0 && m.idAt(r) != last) --r;
        EXPECT_GE(r, 0) << "the last row read fell out of the window";
        for (++r; r < m.heldRows(); ++r) w.ids.push_back(m.idAt(r));
    }
    return w;
}

Walk walkUp(PagedListModel& m) {
    Walk w;
    m.toLast();
    std::vector<int64_t> reversed;
    for (int r = m.heldRows() - 1; r >= 0; --r) reversed.push_back(m.idAt(r));
    while (m.canFetchPrevious()) {
        const int added = m.fetchPrevious();
        w.maxHeld = std::max(w.maxHeld, m.heldRows());
        for (int r = added - 1; r >= 0; --r) reversed.push_back(m.idAt(r));
    }
    w.ids.assign(reversed.rbegin(), reversed.rend());
    return w;
}

// The list's expected order, computed apart from the database.
std::vector<int64_t> expected(bool (*keep)(const test::ListRow&), bool byDateDescending = false) {
    std::vector<test::ListRow> rows;
    for (int64_t i = 1; i <= kRows; ++i) {
        const auto r = test::listRow(i);
        if (r.firm == 1 && keep(r)) rows.push_back(r);
    }
    if (byDateDescending)
        std::sort(rows.begin(), rows.end(), [](auto& a, auto& b) { return std::tie(b.date, b.id) < std::tie(a.date, a.id); });
    else
        std::sort(rows.begin(), rows.end(), [](auto& a, auto& b) { return std::tie(a.name, a.id) < std::tie(b.name, b.id); });
    std::vector<int64_t> ids;
    for (auto& r : rows) ids.push_back(r.id);
    return ids;
}

bool everyRow(const test::ListRow&) { return true; }
bool positiveAmount(const test::ListRow& r) { return r.amount > 0; }

} // namespace

class PagedListModelTest : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        test::createListTable(*test::openAsOwner(url()), kRows);
    }
};
KSIEGA_ON_BOTH_ENGINES(PagedListModelTest);

TEST_P(PagedListModelTest, visitsEveryRowOnceInOrderDownAndUpWithAFilterAndBoundedMemory) {
    ListQuery q = test::listQuery();
    q.filter = {QStringLiteral("kwota > ?"), {0}};
    PagedListModel m(db(), q);
    m.setPageSize(700);
    m.setMaxPages(4);
    m.setQuery(q);
    const auto want = expected(positiveAmount);
    ASSERT_GT(want.size(), 20000u);

    const Walk down = walkDown(m);
    EXPECT_EQ(down.ids, want);
    EXPECT_LE(down.maxHeld, 4 * 700);

    const Walk up = walkUp(m);
    EXPECT_EQ(up.ids, want);
    EXPECT_LE(up.maxHeld, 4 * 700);
}

TEST_P(PagedListModelTest, descendingOrderBreaksTiesByIdAndReversesExactly) {
    ListQuery q = test::listQuery();
    q.sort = SortOrder::ascending(QStringLiteral("Data"), {"data"}).reversed();
    PagedListModel m(db(), q);
    m.setPageSize(997);
    m.setQuery(q);
    const auto want = expected(everyRow, true);
    EXPECT_EQ(walkDown(m).ids, want);
    EXPECT_EQ(walkUp(m).ids, want);
}

TEST_P(PagedListModelTest, refreshKeepsTheCurrentRowOrTakesTheNextWhenItIsGone) {
    PagedListModel m(db(), test::listQuery());
    m.setPageSize(300);
    m.setQuery(test::listQuery());
    for (int i = 0; i < 10; ++i) m.fetchMore();
    const int row = m.heldRows() - 100;
    const int64_t id = m.idAt(row);
    const QString name = m.valueAt(row, "nazwa").toText();
    // Rows appear above it meanwhile.
    for (int i = 0; i < 50; ++i)
        db().execute("insert into TEST_LISTA values (?, 1, 'A', 1, 1)", {qint64(kRows + 1 + i)});
    int now = m.refresh(row);
    ASSERT_GE(now, 0);
    EXPECT_EQ(m.idAt(now), id);
    EXPECT_GT(now, 0) << "rows above the current one stay reachable";

    const int64_t next = m.idAt(now + 1);
    db().execute("delete from TEST_LISTA where id = ?", {qint64(id)});
    now = m.refresh(now);
    EXPECT_EQ(m.idAt(now), next);
    EXPECT_EQ(m.valueAt(now, "nazwa").toText() >= name, true);
}

TEST_P(PagedListModelTest, locatorFindsTheFirstRowAtOrAfterTextOrDate) {
    PagedListModel m(db(), test::listQuery());
    // An existing name: the first of its ties (lowest id).
    int row = m.locate(QStringLiteral("N00100"));
    ASSERT_GE(row, 0);
    EXPECT_EQ(m.valueAt(row, "nazwa").toText(), "N00100");
    EXPECT_EQ(m.idAt(row), 100);
    EXPECT_EQ(m.valueAt(row - 1, "nazwa").toText(), "N00098") << "the page before is there to scroll to";
    // A name between two: the next one.
    row = m.locate(QStringLiteral("N00101x"));
    EXPECT_EQ(m.valueAt(row, "nazwa").toText(), "N00102");
    // Past the end: the last row.
    row = m.locate(QStringLiteral("Z"));
    EXPECT_EQ(row, m.heldRows() - 1);
    EXPECT_FALSE(m.canFetchMore());
    // Intuitive search: the first row containing the text, case folded.
    m.setIntuitiveSearch(true);
    row = m.locate(QStringLiteral("n0420"));
    EXPECT_EQ(m.valueAt(row, "nazwa").toText(), "N04200");

    ListQuery byDate = test::listQuery();
    byDate.sort = SortOrder::ascending(QStringLiteral("Data"), {"data"});
    m.setQuery(byDate);
    row = m.locateDate(40100);
    EXPECT_EQ(m.valueAt(row, "data").toInt64(), 40100);
    EXPECT_EQ(m.valueAt(row - 1, "data").toInt64(), 40099);
    // The date typed as the list shows it.
    row = m.locate(date::toDisplay(40200));
    EXPECT_EQ(m.valueAt(row, "data").toInt64(), 40200);
    // Descending: at or after in the list's direction means at or below.
    m.setSort(byDate.sort.reversed());
    row = m.locateDate(40100);
    EXPECT_EQ(m.valueAt(row, "data").toInt64(), 40100);
    EXPECT_EQ(m.valueAt(row + 1, "data").toInt64() <= 40100, true);
}

TEST_P(PagedListModelTest, markColumnShowsAndChangesTheMarksOfTheRows) {
    marks::MarksList list;          // the window's own marks, as the selection store saves them
    marks::MarkColumnMarks marks(list);
    PagedListModel m(db(), test::listQuery());
    m.setMarks(&marks);
    EXPECT_EQ(m.columnCount(), 5);
    EXPECT_EQ(m.headerData(1, Qt::Horizontal).toString(), "Nazwa");
    EXPECT_EQ(m.data(m.index(0, 2)).toString(), Money::fromMinor(m.valueAt(0, "kwota").toInt64()).toDisplay());
    m.toggleMark(3);
    EXPECT_TRUE(marks.isMarked(m.idAt(3)));
    int repaints = 0;
    QObject::connect(&m, &QAbstractItemModel::dataChanged, [&] { ++repaints; });
    auto items = markItems(marks, m);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text, "Zaznacz wszystko");
    EXPECT_EQ(items[1].text, "Odznacz wszystko");
    EXPECT_EQ(items[2].text, "Odwróć zaznaczone");
    items[2].run();
    EXPECT_FALSE(marks.isMarked(m.idAt(3)));
    EXPECT_TRUE(marks.isMarked(m.idAt(4)));
    EXPECT_TRUE(list.allMarked());
    items[1].run();
    EXPECT_FALSE(marks.isMarked(m.idAt(4)));
    EXPECT_EQ(list.entryCount(), 0u);
    EXPECT_EQ(repaints, 2);
}

TEST_P(PagedListModelTest, filterTextWithQuotesTravelsAsAParameter) {
    ListQuery q = test::listQuery();
    q.filter = {QStringLiteral("nazwa = ?"), {QStringLiteral("N'); delete from TEST_LISTA;--")}};
    PagedListModel m(db(), q);
    EXPECT_EQ(m.heldRows(), 0);
    EXPECT_FALSE(m.canFetchMore());
    EXPECT_EQ(m.locate("N"), m.heldRows() - 1);
    EXPECT_EQ(db().scalarInt("select count(*) from TEST_LISTA"), kRows);
}

TEST_P(PagedListModelTest, aTableViewScrollsThroughTheWholeListWithoutJumps) {
    PagedListModel m(db(), test::listQuery());
    m.setPageSize(40);
    m.setMaxPages(3);
    m.setQuery(test::listQuery());
    QTableView view;
    view.setModel(&m);
    ListViewBinding binding(view, m);
    view.resize(500, 300);
    view.show();
    QScrollBar* bar = view.verticalScrollBar();
    auto topId = [&] { return m.idAt(view.indexAt(QPoint(1, 1)).row()); };
    const auto order = expected(everyRow);
    auto position = [&](int64_t id) { return std::find(order.begin(), order.end(), id) - order.begin(); };

    int64_t last = position(topId());
    EXPECT_EQ(last, 0);
    for (int i = 0; i < 12; ++i) {
        bar->setValue(bar->maximum());
        QCoreApplication::processEvents();
        const int64_t now = position(topId());
        EXPECT_GT(now, last) << "scrolling down never goes back";
        last = now;
    }
    EXPECT_GT(last, 200);
    EXPECT_LE(m.heldRows(), 120);
    for (int i = 0; i < 40 && (m.canFetchPrevious() || bar->value() > 0); ++i) {
        bar->setValue(0);
        QCoreApplication::processEvents();
        const int64_t now = position(topId());
        EXPECT_LE(now, last) << "scrolling up never goes forward";
        last = now;
    }
    EXPECT_EQ(last, 0) << "back at the first row";

    m.locate(QStringLiteral("N02000"));
    EXPECT_EQ(m.valueAt(view.currentIndex().row(), "nazwa").toText(), "N02000");
}
