// Files with bad rows are refused as a whole: every error comes back with its line number
// and the database keeps exactly what it had.
#include "ImportLedger.h"
#include "support/TestDatabase.h"
#include <QBuffer>
#include <atomic>
#include <chrono>
#include <thread>

using namespace ksiega;
using namespace ksiega::test;

namespace {

class ImportRefusalTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (!IsSkipped()) ledger = ImportLedger::create(db());
    }
    ImportLedger ledger;
};
KSIEGA_ON_BOTH_ENGINES(ImportRefusalTest);

TEST_P(ImportRefusalTest, everyKindOfBadRowIsReportedWithItsLineAndNothingIsWritten) {
    const auto before = tableCounts(db());
    const auto result = importFixture(db(), ledger.options(), QStringLiteral("bad.csv"));
    EXPECT_FALSE(result.ok());
    // Line 2-3 is one good record over two lines: later line numbers count physical lines.
    // Errors come in line order, the balance of a document at its first line.
    EXPECT_EQ(errorTexts(result),
              (QStringList{"line 4: unknown account 202-99",
                           "line 5: document D/3 is unbalanced: Dt 10.00, Ct 9.99",
                           "line 7: malformed amount in kwota: '10,00'",
                           "line 8: malformed date in data_biezaca: '2026-02-30'",
                           "line 9: period 2025-12 is outside the fiscal year",
                           "line 10: unknown journal XX",
                           "line 11: unknown document type ZZ",
                           "line 12: expected 13 columns, found 12",
                           "line 13: document ISTN/1 already exists in this fiscal year",
                           "line 14: document D/1: data_biezaca differs from its first row (line 4)",
                           "line 15: missing kwota_w for currency EUR",
                           "line 16: account 201 does not take postings (it has analytic accounts)",
                           "line 17: no account: konto_wn and konto_ma are both empty",
                           "line 18: unknown currency XYZ",
                           "line 19: malformed period '2026-13' (BO, BZ or YYYY-MM)"}));
    EXPECT_EQ(tableCounts(db()), before);
}

TEST_P(ImportRefusalTest, amountAndCurrencyRules) {
    auto check = [&](const char* row, const QString& expected) {
        SCOPED_TRACE(row);
        const auto before = tableCounts(db());
        EXPECT_EQ(errorTexts(importText(db(), ledger.options(), QString::fromUtf8(row))), QStringList{expected});
        EXPECT_EQ(tableCounts(db()), before);
    };
    check("X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,,,", "line 2: missing amount in kwota");
    check("X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,PLN,100,700,1.00,1.00,", "line 2: kwota_w must be empty for the home currency");
    check("X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,EUR,100,700,1.00,x,", "line 2: malformed amount in kwota_w: 'x'");
    // PLN totals agree but the currency totals do not.
    check("X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,EUR,100,,4.30,1.00,\n"
          "X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,EUR,,700,4.30,1.01,",
          "line 2: document A/1 is unbalanced in EUR: Dt 1.00, Ct 1.01");
    // Every row of a document must carry the same currency.
    check("X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,EUR,100,,4.30,1.00,\n"
          "X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,,,700,4.30,,",
          "line 3: document A/1: waluta differs from its first row (line 2)");
}

TEST_P(ImportRefusalTest, fieldsLongerThanTheirColumnsAreRefusedOnBothEngines) {
    const QString opis(251, QChar(u'ż'));
    const auto result = importText(db(), ledger.options(),
                                   "X,A234567890123456789012345678901,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,1.00,,\n"
                                   "X,A/2,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,1.00,," + opis + "\n");
    EXPECT_EQ(errorTexts(result), (QStringList{"line 2: nr_ewid_dok is longer than 30 characters",
                                               "line 3: opis is longer than 250 characters"}));
}

TEST_P(ImportRefusalTest, malformedCsvAndHeaderAreRefused) {
    EXPECT_EQ(errorTexts(importText(db(), ledger.options(), "X,\"A/1\"x,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,1.00,,\n")),
              QStringList{"line 2: unexpected text after a closing quote"});
    EXPECT_EQ(errorTexts(importText(db(), ledger.options(), "X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,1.00,,\"open\n")),
              QStringList{"line 2: unterminated quoted field"});

    QByteArray data("nr_dok_org;nr_ewid_dok\nX;A/1\n");
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const auto wrongHeader = db::import::importDocuments(db(), buffer, ledger.options());
    ASSERT_EQ(wrongHeader.errors.size(), 1u);
    EXPECT_TRUE(wrongHeader.errors[0].text().startsWith("line 1: the first line must be the header nr_dok_org,nr_ewid_dok,"));
}

TEST_P(ImportRefusalTest, reportsTheFirstFiftyErrorsAndCountsTheRest) {
    QString rows;
    for (int i = 0; i < 120; ++i) rows += QStringLiteral("X,A/%1,2026-01-05,2026-01-05,2026-01,KP,PK,,100,777,1.00,,\n").arg(i);
    const auto result = importText(db(), ledger.options(), rows);
    EXPECT_EQ(result.errorCount, 120);
    ASSERT_EQ(result.errors.size(), 50u);
    EXPECT_EQ(result.errors.back().text(), "line 51: unknown account 777");
}

} // namespace

namespace {

class ImportConcurrencyTest : public DbTest {};
KSIEGA_ON_BOTH_ENGINES(ImportConcurrencyTest);

TEST_P(ImportConcurrencyTest, aSecondImportWaitsForTheFirstAndTheirIdsDoNotCollide) {
    const ImportLedger ledger = ImportLedger::create(db());
    auto first = db::Database::open(url());
    db::Transaction open(*first);
    ASSERT_TRUE(importText(*first, ledger.options(), "X,C/1,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,1.00,,\n").ok());

    // The second import runs on its own connection and thread while the first is uncommitted.
    std::atomic<bool> done{false};
    db::import::ImportResult second;
    std::thread other([&] {
        second = importText(db(), ledger.options(), "X,C/2,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,2.00,,\n");
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(done);
    open.commit();
    other.join();
    EXPECT_TRUE(second.ok()) << errorTexts(second).join('\n').toStdString();
    EXPECT_EQ(*db().scalarInt(QStringLiteral("select count(distinct id_nag_dok) from NAG_DOK where nr_ewid_dok like 'C/%'")), 2);
    EXPECT_EQ(*db().scalarInt(QStringLiteral("select count(*) from POZ_DOK p join NAG_DOK n on n.id_nag_dok = p.id_nag_dok "
                                             "where n.nr_ewid_dok like 'C/%'")),
              2);
}

} // namespace

TEST_P(ImportRefusalTest, amountsOverThirteenDigitsAndTotalsPastSixtyFourBitsAreRefusedByLine) {
    EXPECT_EQ(errorTexts(importText(db(), ledger.options(), "X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,10000000000000.00,,\n")),
              QStringList{"line 2: malformed amount in kwota: '10000000000000.00'"});

    // Lines of the largest amount: the 9224th pushes the Dt total past 2^63-1 grosze.
    const int64_t largest = INT64_C(999999999999999);
    const int fitting = int(INT64_MAX / largest);
    QString rows;
    for (int i = 0; i <= fitting; ++i) rows += QStringLiteral("X,BIG/1,2026-01-05,2026-01-05,2026-01,KP,PK,,100,,9999999999999.99,,\n");
    const auto before = tableCounts(db());
    EXPECT_EQ(errorTexts(importText(db(), ledger.options(), rows)),
              QStringList{QStringLiteral("line %1: document BIG/1: its total no longer fits an amount").arg(fitting + 2)});
    EXPECT_EQ(tableCounts(db()), before);
}

TEST_P(ImportRefusalTest, nulCharactersAndLoneCarriageReturnsAreRefusedByLine) {
    const auto before = tableCounts(db());
    QByteArray nul("X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,1.00,,a#b\n"
                   "X,A#/2,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,1.00,,\n");
    nul.replace('#', '\0');
    EXPECT_EQ(errorTexts(importText(db(), ledger.options(), QString::fromUtf8(nul))),
              (QStringList{"line 2: opis contains a NUL character", "line 3: nr_ewid_dok contains a NUL character"}));
    EXPECT_EQ(errorTexts(importText(db(), ledger.options(), "X,A/1,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,1.00,,a\rb\n")),
              QStringList{"line 2: a carriage return outside quotes that does not end the line"});
    EXPECT_EQ(tableCounts(db()), before);

    // Inside quotes a CR is text and kept; CRLF still ends a line.
    ASSERT_TRUE(importText(db(), ledger.options(), "X,A/9,2026-01-05,2026-01-05,2026-01,KP,PK,,100,700,1.00,,\"a\rb\"\r\n").ok());
    EXPECT_EQ(db().scalarText("select opis from POZ_DOK where nr_ewid_dok='A/9'"), QStringLiteral("a\rb"));
}
