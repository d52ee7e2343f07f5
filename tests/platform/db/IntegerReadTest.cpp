// A value read where a whole number is expected is one exactly, or the read fails naming
// the column: a fraction is never cut off.
#include "platform/db/ExactInteger.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::db;

class IntegerReadTest : public test::DbTest {
protected:
    int64_t readInteger(const QString& expression) {
        Rows r = db().select(QStringLiteral("select %1 as wartosc").arg(expression));
        EXPECT_TRUE(r.next());
        return r.int64(0);
    }
    // The error names the column and the value.
    void expectRefused(const QString& expression, const char* shown) {
        try {
            readInteger(expression);
            ADD_FAILURE() << expression.toStdString() << " was read as a whole number";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.message().contains("wartosc")) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(shown))) << e.message().toStdString();
        }
    }
};
KSIEGA_ON_BOTH_ENGINES(IntegerReadTest);

TEST_P(IntegerReadTest, wholeNumbersAreReadFromIntegersNumericsTextsAndReals) {
    EXPECT_EQ(readInteger("123"), 123);
    EXPECT_EQ(readInteger("cast(123.00 as numeric(12,2))"), 123);
    EXPECT_EQ(readInteger("cast(-500 as numeric(12,2))"), -500);
    EXPECT_EQ(readInteger("' -5 '"), -5);
    EXPECT_EQ(readInteger("cast(12 as real)"), 12);
    EXPECT_EQ(readInteger("cast(9223372036854775807 as bigint)"), INT64_MAX);
    EXPECT_EQ(readInteger("null"), 0);
    // The sum of amounts comes back as a numeric on the server.
    db().execute("insert into WALUTY (sym_waluty) values ('EUR'), ('USD')");
    EXPECT_EQ(readInteger("(select sum(cast(length(sym_waluty) as bigint)) from WALUTY)"), 6);
}

TEST_P(IntegerReadTest, aFractionOrATextThatIsNoNumberIsRefusedNamingTheColumn) {
    expectRefused("cast(123.50 as numeric(12,2))", "123.5");
    expectRefused("'12.5'", "12.5");
    expectRefused("cast(12.5 as real)", "12.5");
    expectRefused("'12abc'", "12abc");
    expectRefused("'9223372036854775808'", "9223372036854775808");
}

TEST(ExactInteger, acceptsOnlyTextThatIsExactlyAWholeNumberIn64Bits) {
    EXPECT_EQ(exactInteger(QByteArrayView("0")), 0);
    EXPECT_EQ(exactInteger(QByteArrayView("+7")), 7);
    EXPECT_EQ(exactInteger(QByteArrayView("-9223372036854775808")), INT64_MIN);
    EXPECT_EQ(exactInteger(QByteArrayView("9223372036854775807")), INT64_MAX);
    EXPECT_EQ(exactInteger(QByteArrayView("42.000")), 42);
    EXPECT_EQ(exactInteger(QByteArrayView("42.")), 42);
    for (const char* refused : {"", " ", "-", ".5", "42.001", "4 2", "1e3", "0x10", "9223372036854775808",
                                "-9223372036854775809", "--1"})
        EXPECT_FALSE(exactInteger(QByteArrayView(refused)).has_value()) << refused;
    EXPECT_EQ(exactInteger(-3.0), -3);
    EXPECT_FALSE(exactInteger(0.5).has_value());
    EXPECT_FALSE(exactInteger(9223372036854775808.0).has_value());
}

TEST(SqlValueInteger, aTextValueIsReadExactlyOrRefused) {
    EXPECT_EQ(SqlValue(QStringLiteral(" 42 ")).toInt64(), 42);
    EXPECT_EQ(SqlValue(QStringLiteral("42.00")).toInt64(), 42);
    EXPECT_THROW(SqlValue(QStringLiteral("12.5")).toInt64(), DbError);
    EXPECT_THROW(SqlValue(QStringLiteral("abc")).toInt64(), DbError);
    EXPECT_EQ(SqlValue().toInt64(), 0);
}
