// Reading the values and records of an import file, without a database.
#include "platform/db/import/CsvReader.h"
#include "platform/db/import/FieldParsers.h"
#include "platform/runtime/Date.h"
#include <QBuffer>
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::db::import;

TEST(ImportFieldParsers, periodsOfAFiscalYearThatDoesNotStartInJanuary) {
    const int start = date::fromYmd(2025, 7, 1), end = date::fromYmd(2026, 6, 30);
    EXPECT_EQ(parsePeriod("BO", start, end).date, date::fromYmd(2025, 7, 1));
    EXPECT_EQ(parsePeriod("BZ", start, end).date, date::fromYmd(2026, 6, 28));
    EXPECT_EQ(parsePeriod("2026-01", start, end).date, date::fromYmd(2026, 1, 2));
    EXPECT_EQ(parsePeriod("2025-07", start, end).status, PeriodResult::Ok);
    EXPECT_EQ(parsePeriod("2025-06", start, end).status, PeriodResult::OutsideYear);
    EXPECT_EQ(parsePeriod("2026-07", start, end).status, PeriodResult::OutsideYear);
    for (const char* bad : {"2026-1", "2026-00", "B0", "", "2026/01"}) EXPECT_EQ(parsePeriod(bad, start, end).status, PeriodResult::Malformed) << bad;
}

TEST(ImportFieldParsers, amountsAreExactAndStrict) {
    EXPECT_EQ(parseAmount("0.1"), 10);
    EXPECT_EQ(parseAmount("-0.05"), -5);
    EXPECT_EQ(parseAmount("-9999999999999.99"), INT64_C(-999999999999999));
    for (const char* bad : {"", "-", ".5", "5.", "1.234", "1,00", "1 000", "+1", "1e2", "12345678901234567",
                            "10000000000000", "99999999999999.99"})
        EXPECT_FALSE(parseAmount(bad)) << bad;
    EXPECT_FALSE(parseDate("2026-02-29"));
    EXPECT_FALSE(parseDate("2026-3-15"));
    EXPECT_EQ(parseDate("2024-02-29"), date::fromYmd(2024, 2, 29));
}

TEST(ImportCsvReader, quotedFieldsLineEndsAndByteOrderMark) {
    QByteArray data("\xEF\xBB\xBF" "a,\"b,\"\"c\"\"\",\r\n\r\n\"multi\r\nline\",x\n,\n");
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(buffer);
    CsvRecord r;
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.line, 1);
    ASSERT_EQ(r.count, 3);
    EXPECT_EQ(r.field(0), "a");
    EXPECT_EQ(r.field(1), "b,\"c\"");
    EXPECT_EQ(r.field(2), "");
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.line, 3); // the blank line 2 is skipped
    EXPECT_EQ(r.field(0), "multi\r\nline");
    EXPECT_EQ(r.field(1), "x");
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.line, 5);
    EXPECT_EQ(r.count, 2);
    EXPECT_FALSE(reader.next(r));
}

TEST(ImportCsvReader, recordsLongerThanTheReadBuffer) {
    QByteArray big(3 << 20, 'x');
    QByteArray data = "\"" + big + "\"," + big + "\nnext\n";
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(buffer);
    CsvRecord r;
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.field(0).size(), size_t(big.size()));
    EXPECT_EQ(r.field(1).size(), size_t(big.size()));
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.field(0), "next");
    EXPECT_EQ(r.line, 2);
}
