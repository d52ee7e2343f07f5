// The document window: corrections of a line, saved with the turnovers following, under
// the document's lock; driven through its controller and once through its controls.
#include "entries/drilldown/DocumentDrillDown.h"
#include "platform/server/DocumentLocks.h"
#include "platform/server/Turnovers.h"
#include "platform/siblings/documents/DocumentWindowController.h"
#include "platform/siblings/documents/DocumentsStandIn.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "support/LineCopiesCheck.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include "support/TurnoverCheck.h"
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

using namespace ksiega;
using namespace ksiega::documents;
using ksiega::test::zl;

class DocumentWindowTest : public test::DbTest {
protected:
    void SetUp() override {
        test::DbTest::SetUp();
        f = std::make_unique<test::LedgerFixture>(db());
        doc = f->postIn2026(3, "130-01", "700-01", zl("100.00"));
        line = db().scalarInt("select id_poz_dok from POZ_DOK where id_nag_dok=?", {doc}).value();
        server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f->company, f->year2026, 0);
    }
    // PLN turnover (Dt, Ct) of an account in March 2026.
    std::pair<Money, Money> march(const QString& account) {
        db::Rows r = db().select("select obr_wn, obr_ma from OBROTY_I_SALDA where id_firmy=? and id_lata_obrot=? "
                                 "and sym_waluty='PLN' and data_okresu=? and nr_konta=?",
                                 {f->company, f->year2026, f->month2026(3), account});
        if (!r.next()) return {};
        return {r.money(0), r.money(1)};
    }
    Money storedAmount() { return Money::fromMinor(db().scalarInt("select kwota_wn from POZ_DOK where id_poz_dok=?", {line}).value()); }

    std::unique_ptr<test::LedgerFixture> f;
    int64_t doc = 0;
    int64_t line = 0;
};
KSIEGA_ON_BOTH_ENGINES(DocumentWindowTest);

TEST_P(DocumentWindowTest, aCorrectedAmountIsSavedAndTheTurnoversFollowByTheDifference) {
    const auto bank = march("130-01"), sales = march("700-01"), synthetic = march("130");
    {
        DocumentWindowController c(db(), "jkowal", doc, MODE_CORRECT, line);
        ASSERT_TRUE(c.open());
        EXPECT_TRUE(c.editable());
        EXPECT_EQ(server::documentLockHolder(db(), doc), QString("jkowal"));
        ASSERT_EQ(c.lines().heldRows(), 1);
        EXPECT_EQ(c.initialRow(), 0);
        EXPECT_EQ(c.changeLine(0, "Poprawiona", "130,25", "130,25"), QString());
        EXPECT_EQ(c.line(0).kwotaWn, zl("130.25"));
        EXPECT_EQ(storedAmount(), zl("100.00")) << "nothing is written before Zapisz";
        EXPECT_EQ(c.save(), QString());
        EXPECT_EQ(c.result(), 1);
    }
    EXPECT_EQ(storedAmount(), zl("130.25"));
    EXPECT_EQ(db().scalarText("select opis from POZ_DOK where id_poz_dok=?", {line}), QString("Poprawiona"));
    EXPECT_EQ(db().scalarInt("select kwota_ma_w from POZ_DOK where id_poz_dok=?", {line}), 13025) << "a PLN line's currency twin follows";
    EXPECT_EQ(march("130-01").first - bank.first, zl("30.25"));
    EXPECT_EQ(march("130").first - synthetic.first, zl("30.25"));
    EXPECT_EQ(march("700-01").second - sales.second, zl("30.25"));
    EXPECT_TURNOVERS_CURRENT(db(), f->company, f->year2026);
    EXPECT_EQ(server::documentLockHolder(db(), doc), QString()) << "closing released the lock";
    // What every line repeats from its header and accounts is current after the write.
    EXPECT_EQ(test::staleLineCopies(db()), QStringList());
}

TEST_P(DocumentWindowTest, refusedChangesLeaveTheDocumentAsItWas) {
    const int64_t split = f->postIn2026(4, "130-01", "", zl("40.00"));
    f->post(split, "", "700-01", zl("40.00"));
    DocumentWindowController c(db(), "jkowal", doc, MODE_CORRECT);
    ASSERT_TRUE(c.open());
    EXPECT_FALSE(c.changeLine(0, "x", "130,00", "120,00").isEmpty()) << "a line with both accounts posts one amount";
    EXPECT_FALSE(c.changeLine(0, "x", "12,345", "12,345").isEmpty());
    EXPECT_FALSE(c.changeLine(0, "x", "abc", "").isEmpty());
    EXPECT_FALSE(c.changeLine(0, QString(251, 'x'), "1", "1").isEmpty());
    EXPECT_FALSE(c.modified());
    // Changing back to the stored values is no change.
    EXPECT_EQ(c.changeLine(0, "y", "1", "1"), QString());
    EXPECT_EQ(c.changeLine(0, c.lines().valueAt(0, "opis").toText(), "100,00", "100,00"), QString());
    EXPECT_FALSE(c.modified());

    // One side of a balanced document alone would unbalance it.
    DocumentWindowController s(db(), "jkowal", split, MODE_CORRECT);
    ASSERT_TRUE(s.open());
    EXPECT_FALSE(s.changeLine(0, "x", "", "5,00").isEmpty()) << "no Ct account on this line";
    EXPECT_EQ(s.changeLine(0, "x", "45,00", ""), QString());
    EXPECT_FALSE(s.save().isEmpty());
    EXPECT_EQ(s.changeLine(1, "x", "", "45,00"), QString());
    EXPECT_EQ(s.save(), QString());
    EXPECT_EQ(db().scalarInt("select sum(kwota_wn) - sum(kwota_ma) from POZ_DOK where id_nag_dok=?", {split}), 0);
    EXPECT_EQ(db().scalarInt("select sum(kwota_wn) from POZ_DOK where id_nag_dok=?", {split}), 4500);

    // Another user's lock makes correction view only, and a lost lock refuses the save.
    auto other = db::Database::open(url());
    c.close();
    ASSERT_EQ(server::Popraw_Dokument(*other, doc, "anowak"), 0);
    DocumentWindowController v(db(), "jkowal", doc, MODE_CORRECT);
    ASSERT_TRUE(v.open());
    EXPECT_FALSE(v.editable());
    EXPECT_EQ(v.notice(), QString("Wybrany dokument jest zablokowany przez innego użytkownika."));
    EXPECT_FALSE(v.changeLine(0, "x", "1", "1").isEmpty());
    v.close();
    EXPECT_EQ(server::documentLockHolder(db(), doc), QString("anowak")) << "a viewer does not release another's lock";
    EXPECT_EQ(storedAmount(), zl("100.00"));
}

TEST_P(DocumentWindowTest, theDrillDownOpensTheWindowWhichSavesOrCancelsAndAlwaysReleasesTheLock) {
    SessionContext session;
    session.DANE_ID_FIRMY = f->company;
    session.DANE_LATA_OBROTOWE = f->year2026;
    session.DANE_ID_UZYT = QStringLiteral("jkowal");
    ui::ScriptedDialogs dialogs;
    ui::ScopedDialogs scoped(dialogs);
    auto other = db::Database::open(url());
    const auto before = march("130-01");

    struct Seen { QString caption, number, holder; int otherAnswer = -1, sameAnswer = -1; bool found = false; } seen;
    auto drive = [&](bool save) {
        QTimer::singleShot(0, [&, save] {
            auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!w || w->objectName() != "UP_DOKUMENTY") return;
            seen.found = true;
            seen.caption = w->windowTitle();
            seen.number = w->findChild<QLabel*>("POLE_1")->text();
            seen.holder = server::documentLockHolder(*other, doc);
            seen.otherAnswer = server::Popraw_Dokument(*other, doc, "anowak").value_or(-1);
            seen.sameAnswer = server::Popraw_Dokument(*other, doc, "jkowal").value_or(-1);
            auto* list = w->findChild<QTableView*>("LIST1");
            list->selectRow(0);
            w->findChild<QLineEdit*>("KWOTA_WN")->setText("99,99");
            w->findChild<QLineEdit*>("KWOTA_MA")->setText("99,99");
            w->findChild<QPushButton*>("B_POPRAW_POZ")->click();
            w->findChild<QPushButton*>(save ? "B_ZAPISZ" : "CLOSE")->click();
        });
    };
    entries::DocumentDrillDown drill(db(), session, dialogs, documentsLibrary());

    drive(false);
    EXPECT_TRUE(drill.open({doc, line, f->month2026(3)}));
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.number, f->db.scalarText("select nr_ewid_dok from NAG_DOK where id_nag_dok=?", {doc}).value());
    EXPECT_TRUE(seen.caption.startsWith("Dokument księgowy - poprawa")) << seen.caption.toStdString();
    EXPECT_EQ(seen.holder, QString("jkowal"));
    EXPECT_EQ(seen.otherAnswer, 1);
    EXPECT_EQ(seen.sameAnswer, 0) << "the same user asking again gets the document";
    EXPECT_EQ(storedAmount(), zl("100.00")) << "Anuluj saves nothing";
    EXPECT_EQ(server::documentLockHolder(db(), doc), QString());

    seen = {};
    drive(true);
    EXPECT_TRUE(drill.open({doc, line, f->month2026(3)}));
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(storedAmount(), zl("99.99"));
    EXPECT_EQ(march("130-01").first - before.first, zl("-0.01"));
    EXPECT_EQ(server::documentLockHolder(db(), doc), QString());
    EXPECT_TRUE(dialogs.texts().isEmpty()) << dialogs.texts().join("; ").toStdString();

    // In a closed year the document is only shown, and closing it still frees the lock.
    db().execute("update LATA_OBROTOWE set status=1 where id_lata_obrot=?", {f->year2026});
    bool viewOnly = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!w) return;
        viewOnly = w->windowTitle().startsWith("Dokument księgowy - podgląd") && w->findChild<QPushButton*>("B_ZAPISZ")->isHidden();
        seen.holder = server::documentLockHolder(*other, doc);
        w->findChild<QPushButton*>("CLOSE")->click();
    });
    EXPECT_TRUE(drill.open({doc, line, f->month2026(3)}));
    EXPECT_TRUE(viewOnly);
    EXPECT_EQ(seen.holder, QString("jkowal"));
    EXPECT_EQ(server::documentLockHolder(db(), doc), QString());
}
