// The card window "Kartoteka": the sub-accounts it lists, adding one by its card, and the
// removal that zeroes a line and always gives its claim back.
#include "CardsFixture.h"
#include "openingbalance/cards/CardWindowController.h"
#include "platform/server/OpeningBalanceLines.h"

using namespace ksiega;
using openingbalance::CardWindowController;
using test::zl;
using Kind = ui::ScriptedDialogs::Kind;

namespace {
const QString LOCKED = QStringLiteral("Wybrana pozycja jest zablokowana przez innego użytkownika.");
const QString FROM_WAREHOUSE = QStringLiteral(
    "Nie można usunąć wybranej pozycji ponieważ istnieją powiązane z nią rozrachunki pochodzące z programu TOVARIX.");
} // namespace

class CardWindow : public test::CardsTest {
protected:
    CardWindowController loaded() {
        CardWindowController c(db(), session(), request, editors);
        c.load();
        return c;
    }
    int rowOf(const CardWindowController& c, const QString& account) {
        for (size_t i = 0; i < c.lines().size(); ++i)
            if (c.lines()[i].account == account) return int(i);
        return -1;
    }
    test::RecordingDocuments documents;
};
KSIEGA_ON_BOTH_ENGINES(CardWindow);

TEST_P(CardWindow, listsTheAccountAndItsSubAccountsByWholeSegmentsWithTheirSums) {
    for (auto [nr, name, parent] : {std::tuple{"130-1", "Rachunek 1", "130"}, {"130-1-01", "Rachunek 1 PLN", "130-1"},
                                    {"130-10", "Rachunek 10", "130"}, {"130-10-01", "Rachunek 10 PLN", "130-10"}})
        db().execute("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, "
                     "nr_konta_nadrz) values (?, ?, ?, ?, 130, ?, ?)",
                     {f().company, f().year2026, nr, name, int(QString(nr).count('-')), parent});
    const int64_t doc = f().openingPln;
    f().post(doc, "130-1-01", "800", zl("100.00"));
    f().post(doc, "800", "130-1-01", zl("40.00"));
    f().post(doc, "130-1", "", zl("7.00"));
    f().post(doc, "130-10-01", "800", zl("999.00"));
    f().post(doc, "130-10", "", zl("1.00"));
    f().openingBalanceLine(f().year2026, "130-1-01", "", zl("5.00"), {}, "EUR");   // another currency's document

    auto sum = [&](const char* column, const char* account, const char* side) {
        return Money::fromMinor(count(QStringLiteral("select cast(coalesce(sum(%1), 0) as bigint) from POZ_DOK where id_nag_dok=? "
                                                     "and %2=?").arg(column, side),
                                      {doc, account}));
    };
    for (const char* account : {"130-1", "130-10"}) {
        request.account = account;
        const auto c = loaded();
        EXPECT_EQ(c.header(), QStringLiteral("Analityka konta: ") + account);
        QStringList listed;
        for (const auto& l : c.lines()) {
            listed << l.account;
            const QByteArray a = l.account.toUtf8();
            EXPECT_EQ(l.kwotaWn, sum("kwota_wn", a, "konto_wn")) << a.constData();
            EXPECT_EQ(l.kwotaMa, sum("kwota_ma", a, "konto_ma")) << a.constData();
            EXPECT_EQ(l.name, db().scalarText("select nazwa_konta from WARTOSCI_KONT where id_lata_obrot=? and nr_konta=?",
                                              {f().year2026, l.account}));
        }
        EXPECT_EQ(listed, QString(account) == "130-1" ? (QStringList{"130-1", "130-1-01"}) : (QStringList{"130-10", "130-10-01"}));
    }
}

TEST_P(CardWindow, removingASubAccountZeroesItsLineAndKeepsIt) {
    ASSERT_EQ(count("select id_nag_dok from POZ_DOK where id_poz_dok=?", {line002}), f().openingPln);
    const int64_t s = f().openSettlement(line002);
    const int64_t paying = f().post(f().addDocument({f().year2026, f().month2026(2), 2, 0, "WB/02/9", ""}), "130-01",
                                    "201-01-002", zl("50.00"));
    f().settle(s, paying, zl("50.00"));
    db().execute("insert into POZ_DOK_CZASTKOWE (id_poz_dok, data_dok, nr_dok, opis, kwota_wn) values (?, ?, 'FV/1', 'część', ?)",
                 {line002, f().bo2026(), zl("750.00")});
    const std::vector<Money> other = amountsOf(f().post(f().openingPln, "201-01-001", "", zl("11.00")));
    documents::replaceDocumentsLibrary(&documents);

    auto c = loaded();
    const int row = rowOf(c, "201-01-002");
    ASSERT_GE(row, 0);
    c.remove(row, nullptr);
    documents::replaceDocumentsLibrary(nullptr);

    EXPECT_EQ(dialogs.texts(Kind::Question), QStringList{"Czy chcesz usunąć wybraną pozycję?"});
    EXPECT_TRUE(dialogs.texts(Kind::Warning).isEmpty()) << dialogs.texts().join('\n').toStdString();
    EXPECT_EQ(amountsOf(line002), (std::vector<Money>{{}, {}, {}, {}})) << "the line stays, with zeros";
    EXPECT_EQ(count("select count(*) from ROZRACHUNEK where id_poz_dok_f=?", {line002}), 0);
    EXPECT_EQ(count("select count(*) from ROZLICZENIE where id_rozrachunku=?", {s}), 0);
    EXPECT_EQ(count("select count(*) from POZ_DOK_CZASTKOWE where id_poz_dok=?", {line002}), 0);
    EXPECT_EQ(claims(), 0);
    EXPECT_EQ(c.result(), 1);
    EXPECT_EQ(rowOf(c, "201-01-002"), -1) << "a zeroed sub-account is no longer listed";
    EXPECT_EQ(documents.released, QStringList{f().login + "|U"});
    EXPECT_EQ(c.lines().at(size_t(rowOf(c, "201-01-001"))).kwotaWn,
              zl("2000.00") + other[0]) << "the other sub-account keeps its amounts";
}

TEST_P(CardWindow, aLineWithWarehouseSettlementsIsNotRemovedAndItsClaimIsGivenBack) {
    const int64_t s = f().openSettlement(line002);
    db().execute("update ROZRACHUNEK set id_nag_dok_m=5 where id_rozrachunku=?", {s});
    auto c = loaded();
    c.remove(rowOf(c, "201-01-002"), nullptr);
    EXPECT_EQ(dialogs.last().kind, Kind::Warning);
    EXPECT_EQ(dialogs.last().text, FROM_WAREHOUSE);
    EXPECT_EQ(amountsOf(line002)[0], zl("750.00"));
    EXPECT_EQ(count("select count(*) from ROZRACHUNEK where id_poz_dok_f=?", {line002}), 1);
    EXPECT_EQ(claims(), 0);
    EXPECT_EQ(c.result(), 0);
}

TEST_P(CardWindow, aLineClaimedByAnotherUserIsRefusedAndTheirClaimStays) {
    auto other = db::Database::open(url());
    const auto held = server::POZYCJE_BO_DODAJ(*other, f().company, f().openingPln, "201-01-002", "anowak", 8);
    ASSERT_EQ(held.status, server::LineClaimStatus::Claimed);

    auto c = loaded();
    dialogs.answer(2);
    c.remove(rowOf(c, "201-01-002"), nullptr);
    EXPECT_EQ(dialogs.shown().size(), 1u) << "Nie: nothing is claimed";
    c.remove(rowOf(c, "201-01-002"), nullptr);
    EXPECT_EQ(dialogs.last().kind, Kind::Information);
    EXPECT_EQ(dialogs.last().text, LOCKED);
    EXPECT_EQ(amountsOf(line002)[0], zl("750.00"));
    EXPECT_EQ(count("select count(*) from BLOKADY_POZYCJI where id_uzyt='anowak'"), 1);
    EXPECT_EQ(claims(), 1);
    EXPECT_EQ(c.result(), 0);
}

TEST_P(CardWindow, addingTakesTheSubAccountOfTheChosenCardUnderThisRegisterAccount) {
    auto c = loaded();
    cards.choice = {101, "ALFA", "Odbiorca Alfa"};   // card 101 also has 202-01-001 under the suppliers
    editors.answer = 1;
    const int row = c.add(nullptr);
    EXPECT_EQ(cards.calls, QStringList{"K|ODB|KON:czy_aktywny=1|0|2"});
    EXPECT_EQ(editors.amounts, QStringList{QStringLiteral("201-01-001|PLN|%1").arg(f().openingPln)});
    EXPECT_EQ(c.lines().at(size_t(row)).account, "201-01-001");
    EXPECT_EQ(c.result(), 1);

    // A card without a sub-account under 201-01, and a picker left without a choice.
    auto again = loaded();
    editors.amounts.clear();
    cards.choice = {555, "NOWY", "Nowy odbiorca"};
    EXPECT_EQ(again.add(nullptr), -1);
    EXPECT_EQ(dialogs.last().kind, Kind::Information);
    EXPECT_TRUE(dialogs.last().text.contains("201-01")) << dialogs.last().text.toStdString();
    cards.choice = {};
    again.add(nullptr);
    EXPECT_TRUE(editors.amounts.isEmpty());
    EXPECT_EQ(again.result(), 0);
}

TEST_P(CardWindow, correctingOpensTheAmountEntryOfTheRowAndTheSettlementsOnlyModeOnlyCorrects) {
    auto c = loaded();
    c.correct(rowOf(c, "201-01-002"), nullptr);
    EXPECT_EQ(editors.amounts, QStringList{QStringLiteral("201-01-002|PLN|%1").arg(f().openingPln)});
    EXPECT_EQ(c.result(), 0) << "the amount entry saved nothing";

    request.settlementsOnly = true;
    auto locked = loaded();
    EXPECT_FALSE(locked.editingEnabled());
    cards.choice = {102, "BETA", "Odbiorca Beta"};
    locked.add(nullptr);
    locked.correct(0, nullptr);
    locked.remove(0, nullptr);
    EXPECT_EQ(editors.amounts.size(), 2);
    EXPECT_TRUE(editors.amounts.last().endsWith("|rozrachunki")) << "the amount entry opens for the settlements only";
    EXPECT_TRUE(cards.calls.isEmpty());
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(amountsOf(line002)[0], zl("750.00"));
}
