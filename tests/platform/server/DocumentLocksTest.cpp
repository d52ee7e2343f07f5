// Document locks: one holder per document, across connections and under a race.
#include "platform/db/passthrough/PassThrough.h"
#include "platform/server/DocumentLocks.h"
#include "platform/siblings/documents/DocumentsStandIn.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include <thread>

using namespace ksiega;
using ksiega::test::zl;

class DocumentLocksTest : public test::DbTest {};
KSIEGA_ON_BOTH_ENGINES(DocumentLocksTest);

TEST_P(DocumentLocksTest, aDocumentIsHeldByOneUserUntilReleased) {
    test::LedgerFixture f(db());
    const int64_t doc = f.postIn2026(3, "130-01", "700-01", zl("100.00"));
    auto other = db::Database::open(url());

    EXPECT_EQ(server::Popraw_Dokument(db(), doc, "jkowal"), 0);
    EXPECT_EQ(server::Popraw_Dokument(db(), doc, "jkowal "), 0) << "the holder asking again keeps it";
    // The second user, on a connection of their own and through the pass-through as the browse sends it.
    db::PassThrough pt(*other);
    db::PassResult r = pt.EXECVAX(QStringLiteral("CALL Popraw_Dokument(%1,'anowak')").arg(doc));
    ASSERT_TRUE(r.next()) << r.error().toStdString();
    EXPECT_EQ(r.text(1), QString("1"));
    EXPECT_EQ(server::documentLockHolder(*other, doc), QString("jkowal"));

    // Only the holder's release frees it.
    EXPECT_FALSE(server::releaseDocumentLock(*other, doc, "anowak"));
    EXPECT_TRUE(server::releaseDocumentLock(db(), doc, "jkowal"));
    EXPECT_EQ(server::Popraw_Dokument(*other, doc, "anowak"), 0);
    EXPECT_EQ(server::Popraw_Dokument(db(), doc, "jkowal"), 1);

    // No document, no lock and no row from the call.
    EXPECT_EQ(server::Popraw_Dokument(db(), doc + 1000, "jkowal"), std::nullopt);
    EXPECT_FALSE(pt.EXECVAX(QStringLiteral("CALL Popraw_Dokument(?,?)"), {doc + 1000, "jkowal"}).next());
    EXPECT_EQ(db().scalarInt("select count(*) from BLOKADY_DOKUMENTOW"), 1);
}

TEST_P(DocumentLocksTest, releasingAUsersLocksLeavesOtherUsersLocks) {
    test::LedgerFixture f(db());
    const int64_t a = f.postIn2026(3, "130-01", "700-01", zl("1.00"));
    const int64_t b = f.postIn2026(4, "130-01", "700-01", zl("2.00"));
    const int64_t c = f.postIn2026(5, "130-01", "700-01", zl("3.00"));
    server::Popraw_Dokument(db(), a, "jkowal");
    server::Popraw_Dokument(db(), b, "jkowal");
    server::Popraw_Dokument(db(), c, "anowak");

    auto& library = documents::documentsLibrary();
    library.DOKUMENTY_RK_DEL({db(), "jkowal"}, "X");
    EXPECT_EQ(db().scalarInt("select count(*) from BLOKADY_DOKUMENTOW"), 3) << "only mode U releases";
    library.DOKUMENTY_RK_DEL({db(), "jkowal"}, "U");
    EXPECT_EQ(server::documentLockHolder(db(), a), QString());
    EXPECT_EQ(server::documentLockHolder(db(), b), QString());
    EXPECT_EQ(server::documentLockHolder(db(), c), QString("anowak"));
}

TEST_P(DocumentLocksTest, twoSessionsRacingForTheSameDocumentsGetOneHolderEach) {
    test::LedgerFixture f(db());
    std::vector<int64_t> docs;
    for (int i = 0; i < 20; ++i) docs.push_back(f.postIn2026(1 + i % 12, "130-01", "700-01", zl("1.00")));

    std::vector<int> answers[2];
    auto race = [&](int who) {
        auto conn = db::Database::open(url());
        const QString login = who == 0 ? QStringLiteral("jkowal") : QStringLiteral("anowak");
        for (int64_t doc : docs) answers[who].push_back(server::Popraw_Dokument(*conn, doc, login).value_or(-1));
    };
    std::thread t0(race, 0), t1(race, 1);
    t0.join();
    t1.join();
    for (size_t i = 0; i < docs.size(); ++i) {
        EXPECT_EQ(answers[0][i] + answers[1][i], 1) << "document " << i << ": exactly one session holds it";
        const QString holder = server::documentLockHolder(db(), docs[i]);
        EXPECT_EQ(holder, answers[0][i] == 0 ? QString("jkowal") : QString("anowak"));
    }
}
