// The standard descriptions: the company's descriptions of one kind, and the answer
// once the picker closes: the chosen text, or the current one when nothing was chosen.
#include "platform/siblings/documents/DocumentDescriptions.h"
#include "support/LedgerTest.h"

using namespace ksiega;
using namespace ksiega::documents;

class DocumentDescriptionsTest : public test::LedgerTest {
protected:
    int64_t add(int64_t company, const char* kind, const QString& text) {
        return db().insertReturningId("insert into OPISY_STANDARDOWE (id_firmy, rodzaj, opis) values (?, ?, ?) returning id_opisu",
                                      {company, kind, text});
    }
};
KSIEGA_ON_BOTH_ENGINES(DocumentDescriptionsTest);

TEST_P(DocumentDescriptionsTest, offersTheCompanysDescriptionsOfTheKindAndAnswersTheChosenOrTheCurrentText) {
    const int64_t other = db().insertReturningId("insert into FIRMA (nazwa) values ('Inna') returning id_firmy");
    const int64_t zaliczka = add(f().company, "R", "Zaliczka na dostawę");
    const int64_t saldo = add(f().company, "R", "Saldo z lat ubiegłych 'BO'");
    add(f().company, "D", "Polecenie księgowania");
    add(other, "R", "Opis innej firmy");

    auto list = descriptionList(db(), f().company, DESCRIPTIONS_SETTLEMENTS);
    ASSERT_EQ(list->model().heldRows(), 2);
    EXPECT_EQ(list->model().idAt(0), saldo) << "in the order of their text";
    EXPECT_EQ(list->model().idAt(1), zaliczka);
    EXPECT_EQ(finishDescriptionPick(*list, "bez zmian"), QString("bez zmian")) << "closed without a choice";

    list->setCurrentRow(1);
    ASSERT_TRUE(list->choose());
    EXPECT_EQ(finishDescriptionPick(*list, "bez zmian"), QString("Zaliczka na dostawę"));
    list->setCurrentRow(0);
    ASSERT_TRUE(list->choose());
    EXPECT_EQ(finishDescriptionPick(*list, ""), QString("Saldo z lat ubiegłych 'BO'"));

    auto none = descriptionList(db(), f().company, "X");
    EXPECT_EQ(none->model().heldRows(), 0);
    EXPECT_FALSE(none->choose());
    EXPECT_EQ(finishDescriptionPick(*none, "obecny"), QString("obecny"));
}
