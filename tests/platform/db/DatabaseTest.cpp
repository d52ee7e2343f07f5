#include "platform/db/Schema.h"
#include "platform/db/SqlText.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::db;

class DatabaseTest : public test::DbTest {};
KSIEGA_ON_BOTH_ENGINES(DatabaseTest);

TEST_P(DatabaseTest, boundTextWithQuotesArrivesIntactAndChangesNothing) {
    const QString evil = QStringLiteral("O'B'); delete from WALUTY;--");
    db().execute("insert into WALUTY (sym_waluty, nazwa_waluty) values (?, ?)", {"EUR", evil});
    db().execute("insert into WALUTY (sym_waluty, nazwa_waluty) values (?, ?)", {"USD", "dolar"});
    EXPECT_EQ(db().scalarText("select nazwa_waluty from WALUTY where sym_waluty=?", {"EUR"}), evil);
    EXPECT_EQ(db().scalarInt("select count(*) from WALUTY"), 2);
    // The quoting helper for filter text gives the same row.
    EXPECT_EQ(db().scalarInt("select count(*) from WALUTY where nazwa_waluty=" + quoted(evil)), 1);
}

TEST_P(DatabaseTest, nestedTransactionRollsBackOnlyItsOwnWork) {
    Transaction outer(db());
    db().execute("insert into WALUTY (sym_waluty) values ('EUR')");
    {
        Transaction inner(db());
        db().execute("insert into WALUTY (sym_waluty) values ('USD')");
    }
    outer.commit();
    EXPECT_EQ(db().scalarInt("select count(*) from WALUTY"), 1);
}

TEST_P(DatabaseTest, aFailedStatementReportsTheEngineMessage) {
    try {
        db().execute("insert into NO_SUCH_TABLE values (1)");
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_FALSE(e.message().isEmpty());
        EXPECT_TRUE(e.statement().contains("NO_SUCH_TABLE"));
    }
}

TEST_P(DatabaseTest, bulkLoadAndStreamingReadKeepEveryRow) {
    db().execute("insert into FIRMA (nazwa) values ('F')");
    Transaction tx(db());
    auto writer = db().bulkInsert("ZAZNACZENIE", {"id_browsera", "id_uzytkownika", "id_elementu", "opis_elementu"});
    for (int i = 0; i < 5000; ++i) writer->add({40, 1, i, i % 7 == 0 ? QStringLiteral("tab\there\\") : QString()});
    writer->finish();
    tx.commit();
    // A second statement while the first cursor is still open must not lose rows.
    Rows rows = db().select("select id_elementu, opis_elementu from ZAZNACZENIE order by id_elementu");
    int64_t expected = 0, sum = 0;
    while (rows.next()) {
        EXPECT_EQ(rows.int64(0), expected);
        if (expected == 7) {
            EXPECT_EQ(rows.text(1), "tab\there\\");
            EXPECT_EQ(db().scalarInt("select count(*) from ZAZNACZENIE"), 5000);
        }
        sum += rows.int64(0);
        ++expected;
    }
    EXPECT_EQ(expected, 5000);
    EXPECT_EQ(sum, 4999LL * 5000 / 2);
}

TEST_P(DatabaseTest, schemaIsCreatedOnceAndKnowsItsVersion) {
    EXPECT_EQ(schemaVersion(db()), kSchemaVersion);
    EXPECT_NO_THROW(createSchema(db()));
    EXPECT_TRUE(db().tableExists("POZ_DOK_VIEW_UNION") || db::engineOf(db()) == Engine::Postgres);
    EXPECT_EQ(db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION"), 0);
}
