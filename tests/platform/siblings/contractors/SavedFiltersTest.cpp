// Saved filters of a list: per company, list and user, shared ones, any characters.
#include "platform/siblings/contractors/ContractorContacts.h"
#include "platform/siblings/contractors/ContractorsLibrary.h"
#include "platform/siblings/contractors/SaveFilterController.h"
#include "platform/siblings/contractors/SavedFilterChooserController.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::contractors;

class SavedFiltersTest : public test::DbTest {
protected:
    void SetUp() override {
        test::DbTest::SetUp();
        f = std::make_unique<test::LedgerFixture>(db());
    }
    std::unique_ptr<test::LedgerFixture> f;
};
KSIEGA_ON_BOTH_ENGINES(SavedFiltersTest);

TEST_P(SavedFiltersTest, filtersRoundTripPerListAndUserWhateverTheirNames) {
    SavedFilters mine(db(), f->company, 7), theirs(db(), f->company, 8);
    const QString quoted = "Klient 'Alfa'; drop table FILTR_LISTA; --";
    const QString expression = "PDU:opis='O''Neil' AND PDU:kwota_wn>100";
    EXPECT_EQ(mine.save(40, quoted, expression), QString());
    EXPECT_EQ(mine.save(41, quoted, "PDU:konto='130'"), QString());
    EXPECT_EQ(theirs.save(40, quoted, "PDU:konto='201'"), QString());

    auto& library = contractorsLibrary();
    EXPECT_EQ(library.GET_FILTR_LISTA({db(), f->company, 7}, 40, quoted), expression);
    EXPECT_EQ(library.GET_FILTR_LISTA({db(), f->company, 7}, 41, quoted), QString("PDU:konto='130'"));
    EXPECT_EQ(library.GET_FILTR_LISTA({db(), f->company, 8}, 40, quoted), QString("PDU:konto='201'"));
    EXPECT_EQ(library.GET_FILTR_LISTA({db(), f->company, 9}, 40, quoted), QString());
    EXPECT_EQ(library.GET_FILTR_LISTA({db(), f->company + 1, 7}, 40, quoted), QString());

    // Saving again under the name replaces; a shared filter is seen by all, one's own wins.
    EXPECT_EQ(mine.save(40, quoted + "  ", "PDU:status=2"), QString());
    EXPECT_EQ(mine.expression(40, quoted), QString("PDU:status=2"));
    db().execute("insert into FILTR_LISTA (id_firmy, id_browsera, id_uzytkownika, nazwa, wyrazenie) values (?, 40, 0, ?, ?)",
                 {f->company, "Wspólny", "PDU:waluta='EUR'"});
    db().execute("insert into FILTR_LISTA (id_firmy, id_browsera, id_uzytkownika, nazwa, wyrazenie) values (?, 40, 0, ?, ?)",
                 {f->company, quoted, "shared"});
    EXPECT_EQ(theirs.expression(40, "Wspólny"), QString("PDU:waluta='EUR'"));
    EXPECT_EQ(mine.expression(40, quoted), QString("PDU:status=2"));
    EXPECT_EQ(db().scalarInt("select count(*) from FILTR_LISTA where id_uzytkownika=7 and id_browsera=40"), 1);

    // What cannot be kept is refused, on both engines alike.
    EXPECT_FALSE(mine.save(40, "  ", "x").isEmpty());
    EXPECT_FALSE(mine.save(40, QString(101, 'n'), "x").isEmpty());
    EXPECT_FALSE(mine.save(40, "pusty", "").isEmpty());
    EXPECT_FALSE(mine.save(40, "długi", QString(3001, 'x')).isEmpty());
    EXPECT_EQ(mine.save(40, QString(100, QChar(0x0142)), QString(3000, QChar(0x0105))), QString());
}

TEST_P(SavedFiltersTest, theChooserListsWhatTheUserSeesAndRemovesOnlyTheirOwn) {
    SavedFilters mine(db(), f->company, 7);
    mine.save(40, "B mój", "PDU:konto='130'");
    mine.save(40, "A mój", "PDU:konto='201'");
    mine.save(41, "Inna lista", "x");
    SavedFilters(db(), f->company, 8).save(40, "Cudzy", "y");
    db().execute("insert into FILTR_LISTA (id_firmy, id_browsera, id_uzytkownika, nazwa, wyrazenie) values (?, 40, 0, 'C wspólny', 'z')",
                 {f->company});

    ui::ScriptedDialogs dialogs;
    SavedFilterChooserController chooser(db(), f->company, 7, 40);
    QStringList names;
    for (int row = 0; row < chooser.filters().heldRows(); ++row) names << chooser.nameAt(row);
    EXPECT_EQ(names, QStringList({"A mój", "B mój", "C wspólny"}));
    EXPECT_TRUE(chooser.choose(1));
    EXPECT_EQ(chooser.chosen(), QString("B mój"));
    EXPECT_FALSE(chooser.choose(7));

    EXPECT_FALSE(chooser.remove(2, dialogs)) << "the shared filter stays";
    dialogs.answer(2);
    EXPECT_FALSE(chooser.remove(0, dialogs)) << "Nie";
    dialogs.answer(1);
    EXPECT_TRUE(chooser.remove(0, dialogs));
    EXPECT_EQ(chooser.nameAt(0), QString("B mój"));
    EXPECT_EQ(mine.expression(40, "A mój"), std::nullopt);

    // Saving under an existing name asks first; "Nie" keeps the old expression.
    SaveFilterController save(mine, 40, "PDU:konto='999'");
    dialogs.answer(2);
    EXPECT_FALSE(save.save("B mój", dialogs));
    EXPECT_EQ(mine.expression(40, "B mój"), QString("PDU:konto='130'"));
    dialogs.answer(1);
    EXPECT_TRUE(save.save("B mój", dialogs));
    EXPECT_EQ(mine.expression(40, "B mój"), QString("PDU:konto='999'"));
    EXPECT_FALSE(save.save("", dialogs));
    EXPECT_EQ(dialogs.last().kind, ui::ScriptedDialogs::Kind::Warning);
}

TEST_P(SavedFiltersTest, contactsAreThoseOfTheCompanysContractor) {
    const int64_t id = db().insertReturningId(
        "insert into KONTRAHENCI (id_firmy, symbol, nazwa, nip, ulica, kod_pocztowy, miejscowosc, telefon, email) "
        "values (?, 'ALFA', 'Alfa Sp. z o.o.', '123-456-32-18', 'Długa 1', '00-001', 'Warszawa', '22 123 45 67', 'biuro@alfa.pl') "
        "returning id_kontrahenta", {f->company});
    ContractorContactsController c(db(), f->company, id);
    ASSERT_TRUE(c.load());
    EXPECT_EQ(c.caption(), QString("Kontakty kontrahenta: Alfa Sp. z o.o."));
    QStringList values;
    for (const auto& [label, value] : c.fields()) values << label + "=" + value;
    EXPECT_TRUE(values.contains("Miejscowość=00-001 Warszawa"));
    EXPECT_TRUE(values.contains("Telefon=22 123 45 67"));
    EXPECT_TRUE(values.contains("E-mail=biuro@alfa.pl"));
    EXPECT_FALSE(ContractorContactsController(db(), f->company + 1, id).load());

    ui::ScriptedDialogs dialogs;
    ui::ScopedDialogs scoped(dialogs);
    contractorsLibrary().KONTAKTY_KONTRAHENTA({db(), f->company, 7}, 0);
    EXPECT_EQ(dialogs.texts(), QStringList{"Zapis nie jest powiązany z kontrahentem."});
}
