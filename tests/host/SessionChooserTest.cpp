#include "HostFixture.h"
#include "host/gui/PagedListModel.h"
#include "host/gui/SessionChooserController.h"
#include "host/gui/SessionChooserDialog.h"
#include "support/TestDatabase.h"
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTest>

using namespace ksiega;
using namespace ksiega::host;

namespace {

class SessionChooserTest : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        alfa = test::addCompany(db(), "Alfa");
        alfa2025 = test::addYear(db(), alfa, "2025", QDate(2025, 1, 1), QDate(2025, 12, 31));
        alfa2026 = test::addYear(db(), alfa, "2026", QDate(2026, 1, 1), QDate(2026, 12, 31));
        beta = test::addCompany(db(), "Beta");
        beta2024 = test::addYear(db(), beta, "2024", QDate(2024, 4, 1), QDate(2025, 3, 31));
        test::addCompany(db(), "Gamma bez lat");
        test::addUser(db(), "jan", 0, "Jan Kowalski");
        test::addUser(db(), "admin", 1);
    }

    std::vector<int64_t> ids(const std::vector<ListItem>& items) {
        std::vector<int64_t> out;
        for (const auto& it : items) out.push_back(it.id);
        return out;
    }

    int64_t alfa = 0, alfa2025 = 0, alfa2026 = 0, beta = 0, beta2024 = 0;
    const int today = date::fromYmd(2026, 6, 15);
};
KSIEGA_ON_BOTH_ENGINES(SessionChooserTest);

TEST_P(SessionChooserTest, listsOnlyTheYearsOfTheChosenCompanyNewestFirst) {
    SessionChooserController c(db(), today);
    c.chooseCompany(alfa);
    EXPECT_EQ(ids(c.yearPage(nullptr, 10)), (std::vector<int64_t>{alfa2026, alfa2025}));
    EXPECT_EQ(c.year(), alfa2026);
    EXPECT_EQ(c.workingDate(), today);

    c.chooseCompany(beta);
    EXPECT_EQ(ids(c.yearPage(nullptr, 10)), (std::vector<int64_t>{beta2024}));
    EXPECT_EQ(c.year(), beta2024);
    EXPECT_EQ(c.workingDate(), date::fromYmd(2025, 3, 31));  // today clamped into the year
    // A year of another company is refused and changes nothing.
    EXPECT_FALSE(c.chooseYear(alfa2025));
    EXPECT_EQ(c.year(), beta2024);
}

TEST_P(SessionChooserTest, aCompanyWithoutYearsCannotBeAccepted) {
    SessionChooserController c(db(), today);
    const int64_t gamma = *db().scalarInt("select id_firmy from FIRMA where nazwa='Gamma bez lat'");
    c.chooseCompany(gamma);
    ASSERT_TRUE(c.chooseUser("jan"));
    EXPECT_EQ(c.year(), 0);
    EXPECT_FALSE(c.complete());
    c.chooseCompany(alfa);
    EXPECT_TRUE(c.complete());
    EXPECT_FALSE(c.chooseUser("nikt"));
    EXPECT_EQ(c.user(), "jan");
}

TEST_P(SessionChooserTest, pagesFollowOneAnotherWithoutGapsOrRepeats) {
    // Two companies of the same name must both appear, once each.
    test::addCompany(db(), "Alfa");
    SessionChooserController c(db(), today);
    std::vector<int64_t> all;
    std::vector<ListItem> page = c.companyPage(nullptr, 2);
    while (!page.empty()) {
        for (const auto& it : page) all.push_back(it.id);
        const ListItem last = page.back();
        page = c.companyPage(&last, 2);
    }
    EXPECT_EQ(all.size(), 4u);
    EXPECT_EQ(*db().scalarInt("select count(*) from FIRMA"), 4);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::unique(all.begin(), all.end()), all.end());

    auto users = c.userPage(nullptr, 1);
    ASSERT_EQ(users.size(), 1u);
    EXPECT_EQ(users[0].key, "admin");
    users = c.userPage(&users[0], 5);
    ASSERT_EQ(users.size(), 1u);
    EXPECT_EQ(users[0].text, "jan — Jan Kowalski");
}

TEST_P(SessionChooserTest, dialogPreselectsAndAcceptsFromTheKeyboard) {
    SessionChooserDialog dialog(db(), today, {beta, 0, "jan", {}});
    EXPECT_EQ(dialog.windowTitle(), "Wybór firmy i roku obrotowego");
    auto* year = dialog.findChild<QComboBox*>("ROK_OBROTOWY");
    auto* company = dialog.findChild<QComboBox*>("FIRMA");
    ASSERT_TRUE(year && company);
    EXPECT_EQ(company->currentText(), "Beta");
    EXPECT_EQ(year->count(), 1);

    // Choosing Alfa in the list brings its years, the newest selected.
    company->setCurrentIndex(0);
    EXPECT_EQ(company->currentText(), "Alfa");
    EXPECT_EQ(year->count(), 2);
    EXPECT_TRUE(year->currentText().startsWith("2026"));
    EXPECT_EQ(dialog.findChild<QDateEdit*>("DATA_BIEZACA")->date(), QDate(2026, 6, 15));

    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const SessionChoice choice = dialog.choice();
    EXPECT_EQ(choice.company, alfa);
    EXPECT_EQ(choice.year, alfa2026);
    EXPECT_EQ(choice.login, "jan");
}

} // namespace

namespace {

class PagedListTest : public test::DbTest {};
KSIEGA_ON_BOTH_ENGINES(PagedListTest);

TEST_P(PagedListTest, findsARowBeyondTheLoadedPagesAndStopsAtTheEnd) {
    for (int i = 0; i < 7; ++i) test::addCompany(db(), QStringLiteral("Firma %1").arg(i));
    const int64_t last = *db().scalarInt("select id_firmy from FIRMA where nazwa='Firma 6'");
    SessionChooserController c(db(), date::fromYmd(2026, 1, 1));
    PagedListModel model(nullptr, 3);
    model.reset([&c](const ListItem* after, int limit) { return c.companyPage(after, limit); });
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_TRUE(model.canFetchMore({}));
    EXPECT_EQ(model.rowOf(last), 6);
    EXPECT_EQ(model.rowOf(-5), -1);
    EXPECT_EQ(model.rowCount(), 7);
    EXPECT_FALSE(model.canFetchMore({}));
}

TEST_P(PagedListTest, escapeCancelsTheChooser) {
    test::addCompany(db(), "Alfa");
    SessionChooserDialog dialog(db(), date::fromYmd(2026, 1, 1));
    dialog.show();
    // Nothing complete yet: OK is off, Escape still leaves.
    EXPECT_FALSE(dialog.findChild<QPushButton*>("OK")->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
