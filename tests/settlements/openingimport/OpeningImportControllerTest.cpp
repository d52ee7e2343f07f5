// The rules of the opening-balance settlements window without a screen: what the list
// holds and adds up, "Dodaj" and "Usuń", the settlement flag and the postponed update.
#include "OpeningImportFixture.h"
#include "settlements/openingimport/OpeningImportController.h"
#include "settlements/openingimport/OpeningImportTexts.h"
#include <QRegularExpression>

using namespace ksiega;
using namespace ksiega::settlements;
using Kind = ui::ScriptedDialogs::Kind;
using ksiega::test::zl;

namespace {

struct WizardCall {
    QString title, cardSymbol, cardFlag, account;
    int option = -1;
};

class OpeningImportControllerTest : public test::OpeningImportTest {
protected:
    std::unique_ptr<OpeningImportController> window(uint8_t wizardAnswer = 0) {
        auto c = std::make_unique<OpeningImportController>(db(), session(), services);
        c->importWizard = [this, wizardAnswer](const QString& t, const QString& s, const QString& f, const QString& a, uint8_t o) {
            wizard.push_back({t, s, f, a, o});
            return wizardAnswer;
        };
        c->accountFilterWindow = [] { return uint8_t(0); };
        c->open();
        return c;
    }
    QStringList listedIds(OpeningImportController& c) {
        QStringList out;
        auto& list = c.browser().list();
        while (list.canFetchMore({})) list.fetchMore({});
        for (int r = 0; r < list.heldRows(); ++r) out << QString::number(list.idAt(r));
        out.sort();
        return out;
    }
    QString turnovers() {
        QStringList out;
        db::Rows r = db().select("select sym_waluty, data_okresu, nr_konta, obr_wn, obr_ma, saldo_wn, saldo_ma from OBROTY_I_SALDA "
                                 "where id_lata_obrot=? order by sym_waluty, nr_konta, data_okresu",
                                 {f().year2026});
        while (r.next()) {
            QStringList row;
            for (int c = 0; c < 7; ++c) row << r.text(c);
            out << row.join('|');
        }
        return out.join('\n');
    }
    std::vector<WizardCall> wizard;
};
KSIEGA_ON_BOTH_ENGINES(OpeningImportControllerTest);

TEST_P(OpeningImportControllerTest, withoutAnAccountTheListHoldsOnlyOpeningBalanceSettlementsAndRemovalNeverReachesOthers) {
    auto c = window();
    EXPECT_TRUE(c->listFilter().contains("RNVA:CZY_BO=1"));
    EXPECT_EQ(c->browser().list().rowCount(), openingCount());
    EXPECT_FALSE(listedIds(*c).contains(QString::number(ordinary)));

    // Everything marked and removed: the opening balance's settlements go, the March one stays.
    c->popupAction(texts::POPUP_MARK_ALL);
    dialogs.answer(1);   // remove the marked ones
    dialogs.answer(1);   // those of the ledger's own opening balance too
    dialogs.answer(1);   // the update now
    c->remove();
    EXPECT_TRUE(dialogs.texts(Kind::Warning).isEmpty()) << dialogs.texts().join('\n').toStdString();
    EXPECT_EQ(dialogs.texts(Kind::Question),
              (QStringList{texts::REMOVE_MARKED, texts::REMOVE_OWN_TOO, QString(texts::UPDATE_NOW).replace('|', '\n')}));
    EXPECT_EQ(openingCount(), 0);
    EXPECT_TRUE(exists(ordinary));
    EXPECT_EQ(c->browser().list().rowCount(), 0);
}

TEST_P(OpeningImportControllerTest, withNoMarksOnlyTheCurrentSettlementIsRemoved) {
    auto c = window();
    dialogs.answer(1);   // the register's cards shown
    c->chooseAccount("201-01");
    c->chooseAccount("201-01-001");
    ASSERT_EQ(listedIds(*c), QStringList{QString::number(boAlfa)});
    c->setCurrentRow(0);
    dialogs.clear();
    dialogs.answer(1);
    dialogs.answer(1);
    dialogs.answer(1);
    c->remove();
    EXPECT_EQ(dialogs.texts(Kind::Question).value(0), texts::REMOVE_CURRENT);
    EXPECT_FALSE(exists(boAlfa));
    EXPECT_TRUE(exists(boBeta));
    EXPECT_TRUE(exists(boZaliczka));
    EXPECT_TRUE(exists(ordinary));
    // "Nie" to the first question changes nothing.
    c->chooseAccount("234-01");
    c->setCurrentRow(0);
    dialogs.answer(2);
    c->remove();
    EXPECT_TRUE(exists(boZaliczka));
}

TEST_P(OpeningImportControllerTest, summaryFiguresAreThoseOfPlainSumsOverTheSettlements) {
    // A clearing of an opening-balance settlement after the year began: the balance column
    // must show what is left.
    const int64_t pay = f().postIn2026(2, "130-01", "201-01-001", zl("70.25"));
    f().settle(boAlfa, pay, zl("70.25"));
    auto c = window();
    for (const QString& account : {QString(), QStringLiteral("201"), QStringLiteral("201-01-001"), QStringLiteral("234")}) {
        if (account == "201-01-001") {
            dialogs.answer(1);   // the register's cards shown
            c->chooseAccount("201-01");
        }
        if (!account.isEmpty()) c->chooseAccount(account);
        const auto rows = c->summaryRows();
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[0].left.label, texts::SUM_KWOTA_DT);
        EXPECT_EQ(rows[0].left.amount.minor(), amountSum(account, "WN")) << account.toStdString();
        EXPECT_EQ(rows[0].right.amount.minor(), amountSum(account, "MA")) << account.toStdString();
        EXPECT_EQ(rows[1].left.amount.minor(), leftSum(account, "WN")) << account.toStdString();
        EXPECT_EQ(rows[1].right.amount.minor(), leftSum(account, "MA")) << account.toStdString();
    }
    // The marked figures follow the marks.
    c->chooseAccount("201");
    c->popupAction(texts::POPUP_MARK_ALL);
    auto rows = c->summaryRows();
    EXPECT_EQ(rows[2].left.label, texts::SUM_MARKED_DT);
    EXPECT_EQ(rows[2].left.amount.minor(), amountSum("201", "WN"));
    EXPECT_EQ(rows[2].right.amount.minor(), amountSum("201", "MA"));
    c->popupAction(texts::POPUP_INVERT);
    rows = c->summaryRows();
    EXPECT_EQ(rows[2].left.amount.minor(), 0);
    c->browser().toggleMarkById(boBeta);
    rows = c->summaryRows();
    EXPECT_EQ(rows[2].right.amount.minor(), amountSum("201-01-002", "MA"));
}

TEST_P(OpeningImportControllerTest, dodajChecksTheAccountAndHandsTheWizardWhatTheTreeKeeps) {
    auto c = window(1);
    c->add();
    EXPECT_EQ(dialogs.texts(Kind::Warning), QStringList{texts::CHOOSE_ACCOUNT});
    c->chooseAccount("201");   // synthetic, with analytics below
    dialogs.clear();
    c->add();
    EXPECT_EQ(dialogs.texts(Kind::Warning), QStringList{texts::CHOOSE_LAST_LEVEL});
    EXPECT_TRUE(wizard.empty());

    // A register account kept on cards proceeds, with the card flag and its currency option.
    dialogs.answer(2);   // no card accounts
    c->chooseAccount("201-01");
    dialogs.clear();
    dialogs.answer(2);   // the update later
    c->add();
    ASSERT_EQ(wizard.size(), 1u);
    EXPECT_EQ(wizard[0].title, QStringLiteral("201-01 Odbiorcy krajowi"));
    EXPECT_EQ(wizard[0].cardFlag, "1");
    EXPECT_EQ(wizard[0].account, "201-01");
    EXPECT_EQ(wizard[0].option, 1);   // 201 is kept in currencies too
    EXPECT_TRUE(c->updatePostponed());

    // A last-level account: card flag 0.
    c->chooseAccount("234-01");
    c->add();
    ASSERT_EQ(wizard.size(), 2u);
    EXPECT_EQ(wizard[1].cardFlag, "0");
    EXPECT_EQ(wizard[1].option, 0);
    EXPECT_EQ(dialogs.texts(Kind::Question).size(), 1) << "declined once, the update is not asked again";
}

TEST_P(OpeningImportControllerTest, theFlagIsRefusedWhileAnotherWindowHoldsItAndHeldUntilTheWindowCloses) {
    session().DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW = 1;   // a document being corrected
    {
        auto c = window(1);
        c->chooseAccount("234-01");
        c->add();
        c->remove();
        EXPECT_EQ(dialogs.texts(Kind::Information), (QStringList{texts::LOCK_HELD, texts::LOCK_HELD}));
        EXPECT_TRUE(wizard.empty());
        EXPECT_TRUE(exists(boZaliczka));
        c->close();
        EXPECT_EQ(session().DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW, 1) << "not this window's to release";
    }
    session().DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW = 0;
    auto c = window(1);
    c->chooseAccount("234-01");
    dialogs.answer(1);
    c->add();
    EXPECT_TRUE(c->lockHeld());
    EXPECT_EQ(session().DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW, 1);
    c->add();   // the holder goes on
    EXPECT_EQ(wizard.size(), 2u);
    c->close();
    EXPECT_EQ(session().DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW, 0);
}

TEST_P(OpeningImportControllerTest, aPostponedUpdateRunsOnEveryWayOut) {
    // The turnovers are spoilt after the change: the full update on the way out must make
    // them whole again.
    for (bool closedByTheWindow : {true, false}) {
        {
            auto c = window();
            c->chooseAccount(closedByTheWindow ? "234-01" : "201-01-001");
            c->setCurrentRow(0);
            dialogs.clear();
            dialogs.answer(1);
            dialogs.answer(1);
            dialogs.answer(2);   // postpone
            c->remove();
            ASSERT_TRUE(c->updatePostponed());
            db().execute("delete from OBROTY_I_SALDA where id_lata_obrot=?", {f().year2026});
            if (closedByTheWindow) c->close();
            // otherwise the controller goes with its scope (a failing loop)
        }
        EXPECT_EQ(dialogs.texts(Kind::Information).value(0), texts::UPDATE_ON_CLOSE);
        EXPECT_EQ(session().DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW, 0);
        const QString after = turnovers();
        EXPECT_FALSE(after.isEmpty());
        recompute();
        EXPECT_EQ(turnovers(), after) << "the update on the way out is the full one";
    }
}

TEST_P(OpeningImportControllerTest, registerAccountOffersItsCardsWithOpeningBalanceTurnovers) {
    auto c = window();
    dialogs.answer(1);
    c->chooseAccount("201-01");
    EXPECT_EQ(dialogs.texts(Kind::Question), QStringList{texts::CARDS_QUESTION});
    const QStringList cards = c->tree().accounts().filter(QRegularExpression("^201-01-"));
    EXPECT_EQ(cards, (QStringList{"201-01-001", "201-01-002"}));
    // A register whose cards have no opening-balance turnovers.
    f().db.execute("delete from OBROTY_I_SALDA where nr_konta like '202-01-%'");
    dialogs.clear();
    dialogs.answer(1);
    c->chooseAccount("202-01");
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{texts::NO_CARD_ENTRIES});
}

} // namespace
