// BO opened as the host opens it: every button and the service function reach their
// service (the line editors, the VAT library, the print libraries, FILTR_BO, dialogs),
// and the summary's totals stand beside their own labels.
#include "openingbalance/browse/BrowseLineEditors.h"
#include "OpeningBalanceFixture.h"
#include "ksiega/ksiega.h"
#include "platform/siblings/vat/VatLibrary.h"
#include "support/WiringFixture.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

using namespace ksiega;
using namespace ksiega::test;

namespace {

struct RecordingVat : vat::VatLibrary {
    std::vector<std::pair<int64_t, bool>> calls;
    void REJESTR_BO(db::Database&, int64_t idNagDok, bool approved, QWidget*) override { calls.emplace_back(idNagDok, approved); }
};

class OpeningBalanceWiring : public WiringTest {
protected:
    void SetUp() override {
        WiringTest::SetUp();
        if (IsSkipped()) return;
        openingbalance::replaceBrowseLineEditors(&editors);
        vat::replaceVatLibrary(&vatLibrary);
    }
    void TearDown() override {
        openingbalance::replaceBrowseLineEditors(nullptr);
        vat::replaceVatLibrary(nullptr);
        WiringTest::TearDown();
    }
    static bool selectAccount(QDialog& w, const QString& account) {
        auto* list = w.findChild<QTableWidget*>("LIST1");
        for (int r = 0; r < list->rowCount(); ++r)
            if (list->item(r, 0)->text().trimmed().endsWith(" " + account) || list->item(r, 0)->text().trimmed() == account) {
                list->setCurrentCell(r, 0);
                return true;
            }
        return false;
    }
    static void serviceKey(QDialog& w) {
        for (auto* s : w.findChildren<QShortcut*>())
            if (s->key() == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)) emit s->activated();
    }

    RecordingLineEditors editors;
    RecordingVat vatLibrary;
};

TEST_P(OpeningBalanceWiring, everyButtonReachesItsService) {
    const bool ran = whileOpen([] { BO(); }, [&](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Bilans otwarcia"));
        ASSERT_TRUE(selectAccount(w, "130-01"));
        button(w, "B_POPRAW")->click();
        ASSERT_EQ(editors.amounts.size(), 1u);
        EXPECT_EQ(editors.amounts[0].account, "130-01");
        ASSERT_TRUE(selectAccount(w, "201-01"));
        button(w, "B_POPRAW")->click();
        ASSERT_EQ(editors.cards.size(), 1u);

        ASSERT_TRUE(button(w, "B_VAT")->isEnabled());
        button(w, "B_VAT")->click();
        ASSERT_EQ(vatLibrary.calls.size(), 1u);
        EXPECT_EQ(vatLibrary.calls[0].first, f().openingPln);
        EXPECT_FALSE(vatLibrary.calls[0].second);

        button(w, "B_DRUKUJ")->click();
        QApplication::processEvents();
        EXPECT_TRUE(libraries.reached.contains("PARAM_PRN_BRO"));
        EXPECT_TRUE(libraries.reached.contains("WYDRUK_KSIEGA 63"));

        EXPECT_EQ(windowOpenedBy([&] { button(w, "B_FILTR_2")->click(); }), "FILTR_BO");

        serviceKey(w);   // entry is not blocked in the first year: nothing to ask
        EXPECT_TRUE(dialogs.empty());
    });
    EXPECT_TRUE(ran);
}

TEST_P(OpeningBalanceWiring, theServiceKeyUnblocksALaterYear) {
    session().DANE_LATA_OBROTOWE = f().year18;
    session().DANE_POCZATEK_ROKU = f().bo18();
    const bool ran = whileOpen([] { BO(); }, [&](QDialog& w) {
        ASSERT_TRUE(selectAccount(w, "130-01"));
        EXPECT_FALSE(button(w, "B_POPRAW")->isEnabled());
        EXPECT_FALSE(button(w, "B_VAT")->isEnabled());
        dialogs.answer(1);
        serviceKey(w);
        EXPECT_EQ(dialogs.last().text, QStringLiteral("Czy chcesz umożliwić wprowadzanie zapisów w BO w bieżącym roku obrotowym ?"));
        EXPECT_TRUE(button(w, "B_POPRAW")->isEnabled());
        EXPECT_TRUE(button(w, "B_VAT")->isEnabled());
    });
    EXPECT_TRUE(ran);
}

TEST_P(OpeningBalanceWiring, theSummaryTotalsStandBesideTheirOwnLabels) {
    f().openingBalanceLine(f().year2026, "990", "", zl("15.00"));
    const bool ran = whileOpen([] { BO(); }, [&](QDialog& w) {
        w.findChild<QTabWidget*>("SHEET1")->setCurrentIndex(1);
        EXPECT_EQ(w.findChild<QTableWidget*>("LIST3")->rowCount(), 3);
        auto* with = w.findChild<QLabel*>("RAZEM_Z_POZABILANSOWYMI");
        auto* without = w.findChild<QLabel*>("RAZEM_BEZ_POZABILANSOWYCH");
        ASSERT_TRUE(with && without);
        EXPECT_EQ(with->text(), QStringLiteral("Razem z uwzględnieniem kont pozabilansowych"));
        EXPECT_EQ(without->text(), QStringLiteral("Razem bez uwzględnienia kont pozabilansowych"));
        // The Dt field in the label's own row of the grid.
        auto dtBeside = [](QLabel* label) {
            auto* grid = qobject_cast<QGridLayout*>(label->parentWidget()->layout());
            int row = 0, column = 0, rs = 0, cs = 0;
            grid->getItemPosition(grid->indexOf(label), &row, &column, &rs, &cs);
            return qobject_cast<QLineEdit*>(grid->itemAtPosition(row, 1)->widget())->text();
        };
        auto sum = [&](const QString& condition) {
            auto r = db().select("select coalesce(sum(p.kwota_wn),0) from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                                 "where n.czy_rk=10 and n.id_lata_obrot=?" + condition,
                                 {f().year2026});
            r.next();
            return r.money(0).toDisplay();
        };
        EXPECT_EQ(dtBeside(with), sum(QString()));
        EXPECT_EQ(dtBeside(without), sum(" and p.konto_wn<>'990'"));
    });
    EXPECT_TRUE(ran);
}

KSIEGA_ON_BOTH_ENGINES(OpeningBalanceWiring);

} // namespace

// Without a stand-in, "Popraw" opens the real windows: the amount entry on an ordinary
// account, the card window on a register account.
TEST_P(OpeningBalanceWiring, poprawOpensTheAmountEntryAndTheCardWindowThemselves) {
    openingbalance::replaceBrowseLineEditors(nullptr);
    const bool ran = whileOpen([] { BO(); }, [&](QDialog& w) {
        ASSERT_TRUE(selectAccount(w, "130-01"));
        EXPECT_EQ(windowOpenedBy([&] { button(w, "B_POPRAW")->click(); }), "BO_KWOTY");
        ASSERT_TRUE(selectAccount(w, "201-01"));
        EXPECT_EQ(windowOpenedBy([&] { button(w, "B_POPRAW")->click(); }), "KARTOTEKA");
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(db().scalarInt("select count(*) from BLOKADY_POZYCJI"), 0);
}
