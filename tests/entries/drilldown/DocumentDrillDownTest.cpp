// The "Dokument" button: which message, which call of the documents library, and when
// the list is refreshed.
#include "entries/drilldown/DocumentDrillDown.h"
#include "platform/server/DocumentLocks.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using ksiega::test::zl;

namespace {

// Records the calls; answers the rights question and UP_DOKUMENTY as told.
class RecordingDocumentsLibrary : public documents::DocumentsLibrary {
public:
    int rightsAnswer = 0;
    int windowAnswer = 0;
    QStringList calls;

    int UPRAWNIENIA_POPRAW_DOKUMENT(const documents::DocumentCaller& c, int kind, int64_t id1, int64_t id2) override {
        calls << QStringLiteral("UPRAWNIENIA(%1,%2,%3,%4)").arg(c.login).arg(kind).arg(id1).arg(id2);
        return rightsAnswer;
    }
    int UP_DOKUMENTY(const documents::DocumentCaller&, int64_t id, int mode, int64_t id2, int64_t flags) override {
        calls << QStringLiteral("UP_DOKUMENTY(%1,%2,%3,%4)").arg(id).arg(mode).arg(id2).arg(flags);
        return windowAnswer;
    }
    void DOKUMENTY_RK_DEL(const documents::DocumentCaller& c, const QString& mode) override {
        calls << QStringLiteral("DOKUMENTY_RK_DEL(%1)").arg(mode);
        server::releaseDocumentLocks(c.db, c.login);
    }
};

} // namespace

class DocumentDrillDownTest : public test::DbTest {
protected:
    void SetUp() override {
        test::DbTest::SetUp();
        fixture = std::make_unique<test::LedgerFixture>(db());
        session.DANE_ID_FIRMY = fixture->company;
        session.DANE_LATA_OBROTOWE = fixture->year2026;
        session.DANE_ID_UZYT = QStringLiteral("jkowal");
    }
    bool open(const entries::DrillDownEntry& e) {
        return entries::DocumentDrillDown(db(), session, dialogs, library).open(e);
    }

    std::unique_ptr<test::LedgerFixture> fixture;
    SessionContext session;
    ui::ScriptedDialogs dialogs;
    RecordingDocumentsLibrary library;
};
KSIEGA_ON_BOTH_ENGINES(DocumentDrillDownTest);

TEST_P(DocumentDrillDownTest, anOpeningBalanceLineIsRefusedWithoutTakingALock) {
    auto& f = *fixture;
    const int64_t line = f.post(f.openingPln, "130-01", "800", zl("50.00"));
    EXPECT_FALSE(open({f.openingPln, line, f.bo2026()}));
    EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Information), QStringList{"Zapis pochodzi z bilansu otwarcia."});
    EXPECT_EQ(dialogs.last().title, QString("Bilantor: Informacja"));
    EXPECT_TRUE(library.calls.isEmpty());
    EXPECT_EQ(db().scalarInt("select count(*) from BLOKADY_DOKUMENTOW"), 0);
}

TEST_P(DocumentDrillDownTest, aDocumentLockedByAnotherUserOpensNothing) {
    auto& f = *fixture;
    const int64_t doc = f.postIn2026(3, "130-01", "700-01", zl("10.00"));
    auto other = db::Database::open(url());
    ASSERT_EQ(server::Popraw_Dokument(*other, doc, "anowak"), 0);

    EXPECT_FALSE(open({doc, 0, f.month2026(3)}));
    EXPECT_EQ(dialogs.texts(), QStringList{"Wybrany dokument jest zablokowany przez innego użytkownika."});
    EXPECT_TRUE(library.calls.isEmpty());
    EXPECT_EQ(server::documentLockHolder(db(), doc), QString("anowak"));
}

TEST_P(DocumentDrillDownTest, theRightsDecideBetweenCorrectionAndViewing) {
    auto& f = *fixture;
    const int64_t doc = f.postIn2026(3, "130-01", "700-01", zl("10.00"));
    const int64_t line = db().scalarInt("select id_poz_dok from POZ_DOK where id_nag_dok=?", {doc}).value();
    const QString ids = QStringLiteral("%1,%2").arg(doc).arg(line);

    // Allowed and saved: the user's locks are released afterwards.
    library.windowAnswer = 1;
    EXPECT_TRUE(open({doc, line, f.month2026(3)}));
    EXPECT_EQ(library.calls, QStringList({"UPRAWNIENIA(jkowal,1," + ids + ")", QStringLiteral("UP_DOKUMENTY(%1,2,%2,0)").arg(doc).arg(line),
                                          "DOKUMENTY_RK_DEL(U)"}));
    EXPECT_EQ(server::documentLockHolder(db(), doc), QString());

    // Allowed, closed without saving: no release call (the document window releases its own).
    library.calls.clear();
    library.windowAnswer = 0;
    EXPECT_TRUE(open({doc, line, f.month2026(3)}));
    EXPECT_EQ(library.calls.size(), 2);
    EXPECT_EQ(library.calls.last(), QStringLiteral("UP_DOKUMENTY(%1,2,%2,0)").arg(doc).arg(line));

    // Not allowed: view only.
    library.calls.clear();
    library.rightsAnswer = 1;
    EXPECT_TRUE(open({doc, line, f.month2026(3)}));
    EXPECT_EQ(library.calls.last(), QStringLiteral("UP_DOKUMENTY(%1,4,%2,0)").arg(doc).arg(line));
    EXPECT_TRUE(dialogs.empty());

    // A document that is gone: the call gives no row and nothing happens.
    library.calls.clear();
    EXPECT_FALSE(open({doc + 1000, 0, f.month2026(3)}));
    EXPECT_TRUE(library.calls.isEmpty());
    EXPECT_TRUE(dialogs.empty());
}
