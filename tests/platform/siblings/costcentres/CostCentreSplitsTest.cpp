// The cost-centre split of a line: the window's rules (parts must add up to the side's
// amount), the stored split read back and replaced as a whole, and nothing stored without
// the cost-centre version; once through the window's controls.
#include "platform/siblings/costcentres/CostCentreSplitController.h"
#include "platform/siblings/costcentres/CostCentreSplits.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "support/LedgerTest.h"
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using namespace ksiega;
using namespace ksiega::costcentres;
using test::zl;

class CostCentreSplitsTest : public test::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        scoped = std::make_unique<ui::ScopedDialogs>(dialogs);
        document = f().postIn2026(5, "401", "202-01-001", zl("100.00"));
        lineId = db().scalarInt("select id_poz_dok from POZ_DOK where id_nag_dok=?", {document}).value();
        admin = f().costCentre(1, "ADM", "Administracja");
        sales = f().costCentre(1, "SPRZ", "Sprzedaż");
        car = f().costCentre(3, "WE 1234");
        line = {f().company, f().year2026, lineId, "401", "202-01-001", zl("100.00"), zl("100.00")};
    }
    void TearDown() override {
        scoped.reset();
        LedgerTest::TearDown();
    }
    static CostCentrePart part(const char* amount, std::array<int64_t, 5> w = {}) { return {w, zl(amount)}; }
    int64_t storedRows() { return db().scalarInt("select count(*) from MPK_DANE where id_poz_dok=?", {lineId}).value(); }
    // The stored parts of a side against the line's own amount of that side, by plain SQL.
    void expectSideAddsUp(const char* strona, const char* amountColumn, const char* accountColumn) {
        const QString sql = QStringLiteral("select count(*) from MPK_DANE m join POZ_DOK p on p.id_poz_dok=m.id_poz_dok "
                                           "where m.id_poz_dok=? and m.strona=? and (m.konto<>p.%1 or m.id_firmy<>p.id_firmy "
                                           "or m.id_lata_obrot<>p.id_lata_obrot)").arg(accountColumn);
        EXPECT_EQ(db().scalarInt(sql, {lineId, strona}), 0) << strona << ": account, company and year of the line";
        EXPECT_EQ(db().scalarInt("select sum(kwota) from MPK_DANE where id_poz_dok=? and strona=?", {lineId, strona}),
                  db().scalarInt(QStringLiteral("select %1 from POZ_DOK where id_poz_dok=?").arg(amountColumn), {lineId}))
            << strona;
    }

    ui::ScriptedDialogs dialogs;
    std::unique_ptr<ui::ScopedDialogs> scoped;
    int64_t document = 0, lineId = 0, admin = 0, sales = 0, car = 0;
    CostCentreLine line;
};
KSIEGA_ON_BOTH_ENGINES(CostCentreSplitsTest);

TEST_P(CostCentreSplitsTest, theWindowTakesOnlyPartsThatAddUpToTheSidesAmount) {
    f().costCentre(1, "OBCA");   // offered; an indicator of another company is not
    const int64_t otherFirm = db().insertReturningId("insert into FIRMA (nazwa) values ('Inna') returning id_firmy");
    db().execute("insert into MPK_WSKAZNIK (id_firmy, nr_wskaznika, symbol) values (?, 1, 'ZZZ')", {otherFirm});

    CostCentreSplitController c(db(), f().company, "WN", "401", zl("100.00"), {});
    ASSERT_EQ(c.choices(0).size(), 3u);
    EXPECT_EQ(c.choices(0)[0].symbol, QString("ADM"));
    EXPECT_EQ(c.choices(2).size(), 1u);
    EXPECT_TRUE(c.choices(1).empty());

    const int first = c.addRow();
    EXPECT_EQ(c.part(first).kwota, zl("100.00")) << "a new row offers what is left";
    c.setIndicator(first, 0, c.choiceIndex(0, sales));
    c.setIndicator(first, 2, 0);
    ASSERT_TRUE(c.setAmountText(first, "60,00"));
    const int second = c.addRow();
    EXPECT_EQ(c.part(second).kwota, zl("40.00"));
    ASSERT_TRUE(c.setAmountText(second, "39,99"));
    EXPECT_FALSE(c.setAmountText(second, "12,345"));
    EXPECT_EQ(c.part(second).kwota, zl("39.99")) << "an unreadable amount changes nothing";
    const int empty = c.addRow();
    EXPECT_EQ(c.part(empty).kwota, zl("0.01"));
    ASSERT_TRUE(c.setAmountText(empty, ""));

    dialogs.clear();
    EXPECT_FALSE(c.accept());
    ASSERT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Warning).size(), 1);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Suma podziału na miejsca powstawania kosztów (99,99) nie zgadza się z kwotą (100,00)."));
    EXPECT_EQ(c.rowCount(), 3) << "a refused split stays as it was being edited";

    ASSERT_TRUE(c.setAmountText(second, "40"));
    EXPECT_TRUE(c.accept());
    ASSERT_EQ(c.parts().size(), 2u) << "the row without an amount is dropped";
    EXPECT_EQ(c.parts()[0].wskazniki, (std::array<int64_t, 5>{sales, 0, car, 0, 0}));
    EXPECT_EQ(c.parts()[1].kwota, zl("40.00"));

    CostCentreSplitController none(db(), f().company, "MA", "202-01-001", zl("100.00"), {part("30.00")});
    none.removeRow(0);
    EXPECT_TRUE(none.accept()) << "no parts at all is no split";
    EXPECT_TRUE(none.parts().empty());
}

TEST_P(CostCentreSplitsTest, aStoredSplitIsReadBackAndReplacedNotAppended) {
    f().splitCostCentres(lineId, "WN", {{zl("100.00"), {admin}}});   // what an earlier save left
    CostCentreSplits& lib = costCentreSplits();
    EXPECT_EQ(lib.MPK_ODTWORZ_ZAPISY(db(), lineId, 1).wn, (std::vector<CostCentrePart>{part("100.00", {admin})}));

    CostCentreSplit split;
    split.wn = {part("70.00", {admin, 0, car}), part("30.00", {sales})};
    split.ma = {part("100.00", {0, 0, car})};
    {
        db::Transaction tx(db());
        lib.MPK_ZAPISZ_DANE(db(), line, split, true);
        tx.commit();
    }
    EXPECT_EQ(storedRows(), 3);
    EXPECT_EQ(lib.MPK_ODTWORZ_ZAPISY(db(), lineId, 1), split);
    expectSideAddsUp("WN", "kwota_wn", "konto_wn");
    expectSideAddsUp("MA", "kwota_ma", "konto_ma");
    EXPECT_EQ(db().scalarText("select drzewo_zbior_id from MPK_DANE where id_poz_dok=? and kwota=7000", {lineId}),
              QStringLiteral("-%1-%2-").arg(admin).arg(car));

    CostCentreSplit smaller;
    smaller.wn = {part("100.00", {sales})};
    lib.MPK_ZAPISZ_DANE(db(), line, smaller, true);
    EXPECT_EQ(storedRows(), 1);
    EXPECT_EQ(lib.MPK_ODTWORZ_ZAPISY(db(), lineId, 1), smaller);
    expectSideAddsUp("WN", "kwota_wn", "konto_wn");
}

TEST_P(CostCentreSplitsTest, nothingIsStoredWithoutTheVersionOrWhenASideDoesNotAddUp) {
    f().splitCostCentres(lineId, "WN", {{zl("100.00"), {admin}}});
    CostCentreSplit split;
    split.wn = {part("100.00", {sales})};
    costCentreSplits().MPK_ZAPISZ_DANE(db(), line, split, false);
    EXPECT_EQ(costCentreSplits().MPK_ODTWORZ_ZAPISY(db(), lineId, 1).wn, (std::vector<CostCentrePart>{part("100.00", {admin})}));

    // The amount was changed after the split was made: the save fails and keeps what was stored.
    CostCentreLine changed = line;
    changed.kwotaWn = zl("120.00");
    db::Transaction tx(db());
    EXPECT_THROW(costCentreSplits().MPK_ZAPISZ_DANE(db(), changed, split, true), std::exception);
    tx.commit();
    EXPECT_EQ(storedRows(), 1);
    EXPECT_EQ(db().scalarInt("select wskaznik_1_id from MPK_DANE where id_poz_dok=?", {lineId}), admin);

    // A side left without an amount keeps no split.
    CostCentreLine zeroed = line;
    zeroed.kwotaWn = Money();
    costCentreSplits().MPK_ZAPISZ_DANE(db(), zeroed, split, true);
    EXPECT_EQ(storedRows(), 0);
}

TEST_P(CostCentreSplitsTest, theWindowWarnsAndStaysOpenUntilThePartsAddUp) {
    CostCentreSplit split;
    split.ma = {part("100.00", {admin})};
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        auto* table = w->findChild<QTableWidget*>("LIST1");
        w->findChild<QPushButton*>("B_DODAJ")->click();
        ASSERT_EQ(table->rowCount(), 1);
        auto* amount = qobject_cast<QLineEdit*>(table->cellWidget(0, kDimensions));
        amount->setText("80,00");
        emit amount->editingFinished();
        w->findChild<QPushButton*>("OK")->click();
        stayedOpen = w->isVisible();
        amount->setText("100,00");
        emit amount->editingFinished();
        w->findChild<QPushButton*>("OK")->click();
    });
    EXPECT_TRUE(costCentreSplits().MPK_DANE(db(), "WN", line, split, nullptr));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Warning).size(), 1);
    EXPECT_EQ(split.wn, (std::vector<CostCentrePart>{part("100.00")}));
    EXPECT_EQ(split.ma, (std::vector<CostCentrePart>{part("100.00", {admin})})) << "the other side is left alone";
    EXPECT_EQ(storedRows(), 0) << "the window stores nothing";
}
