// A small file imported into a year with many documents and accounts reads what the file
// names, not the year; a file naming more documents and accounts than the importer probes
// one by one finds every existing one all the same.
#include "CountingDatabase.h"
#include "ImportLedger.h"
#include "platform/db/import/LedgerCatalog.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::test;

namespace {

constexpr int kOldDocuments = 3000;
constexpr int kOldAccounts = 2000;

class BigYearImportTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        ledger = ImportLedger::create(db());
        const int64_t type = *db().scalarInt(QStringLiteral("select id_typ_dok from TYP_DOK where sym_typ_dok_uz='PK'"));
        // OLD/1 .. OLD/3000 posted in 2026; analytic accounts 202-10001 .. 202-12000.
        db().execute(QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
                                    "insert into NAG_DOK (id_firmy, id_lata_obrot, id_typ_dok, nr_ewid_dok, status) "
                                    "select ?, ?, ?, 'OLD/' || i, 2 from n"),
                     {kOldDocuments, ledger.firma, ledger.year2026, type});
        db().execute(QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
                                    "insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nr_konta_syn, poziom, nr_konta_nadrz, "
                                    "czy_analityka) select ?, ?, '202-' || (10000 + i), 202, 1, '202', 1 from n"),
                     {kOldAccounts, ledger.firma, ledger.year2026});
    }
    int64_t imported(const QString& numberLike) {
        return *db().scalarInt(QStringLiteral("select count(*) from POZ_DOK where id_lata_obrot=? and nr_ewid_dok like ?"),
                               {ledger.year2026, numberLike});
    }
    ImportLedger ledger;
};
KSIEGA_ON_BOTH_ENGINES(BigYearImportTest);

// One document per row, posted from `dt` to `ct`.
QString row(const QString& nr, const QString& dt, const QString& ct) {
    return QStringLiteral("X,%1,2026-05-10,2026-05-10,2026-05,KP,PK,,%2,%3,12.34,,\n").arg(nr, dt, ct);
}

TEST_P(BigYearImportTest, aSmallFileReadsWhatItNamesNotTheYear) {
    {
        CountingDatabase counting(db());
        const auto result = importText(counting, ledger.options(),
                                       row(QStringLiteral("NEW/1"), QStringLiteral("202-10005"), QStringLiteral("201-01")) +
                                           row(QStringLiteral("NEW/2"), QStringLiteral("130-01"), QStringLiteral("202-11999")));
        ASSERT_TRUE(result.ok()) << errorTexts(result).join('\n').toStdString();
        EXPECT_LT(counting.rowsRead, 100) << "the year holds " << kOldDocuments << " documents and " << kOldAccounts << " accounts";
    }
    EXPECT_EQ(imported(QStringLiteral("NEW/%")), 2);
    EXPECT_EQ(*db().scalarInt(QStringLiteral("select sum(kwota_wn) + sum(kwota_ma) from POZ_DOK where id_lata_obrot=? and nr_ewid_dok like 'NEW/%'"),
                              {ledger.year2026}),
              4 * 1234);

    // Refused for an existing number, a number of another year is free, unknown accounts.
    CountingDatabase counting(db());
    const auto before = tableCounts(db());
    const auto result = importText(counting, ledger.options(),
                                   row(QStringLiteral("OLD/2999"), QStringLiteral("130-01"), QStringLiteral("201-01")) +
                                       row(QStringLiteral("PK/1"), QStringLiteral("202-99"), QStringLiteral("202")) +
                                       row(QStringLiteral("NEW/1"), QStringLiteral("130-01"), QStringLiteral("201-01")));
    EXPECT_EQ(errorTexts(result), (QStringList{"line 2: document OLD/2999 already exists in this fiscal year",
                                               "line 3: unknown account 202-99",
                                               "line 3: account 202 does not take postings (it has analytic accounts)",
                                               "line 4: document NEW/1 already exists in this fiscal year"}));
    EXPECT_LT(counting.rowsRead, 100);
    EXPECT_EQ(tableCounts(db()), before);
}

TEST_P(BigYearImportTest, aFileNamingMoreThanTheProbesFindsEveryExistingDocumentAndAccount) {
    // Enough new documents, each on its own account, that the importer stops probing and
    // reads the year's numbers and accounts whole part-way through the file.
    const int many = db::import::LedgerCatalog::kProbeLimit + 40;
    auto manyRows = [&](const QString& prefix) {
        QString rows;
        for (int i = 1; i <= many; ++i)
            rows += row(QStringLiteral("%1/%2").arg(prefix).arg(i), QStringLiteral("202-%1").arg(10000 + i), QStringLiteral("201-01"));
        return rows;
    };
    const QString early = row(QStringLiteral("OLD/3"), QStringLiteral("130-01"), QStringLiteral("201-01"));
    const QString late = row(QStringLiteral("OLD/2000"), QStringLiteral("202-10007"), QStringLiteral("201-01")) +
                         row(QStringLiteral("LATE/1"), QStringLiteral("130"), QStringLiteral("202-12001")) +
                         row(QStringLiteral("LATE/2"), QStringLiteral("202-12000"), QStringLiteral("201-02"));
    const auto before = tableCounts(db());
    const auto refused = importText(db(), ledger.options(), early + manyRows(QStringLiteral("A")) + late);
    const int lateLine = many + 3;
    EXPECT_EQ(errorTexts(refused),
              (QStringList{"line 2: document OLD/3 already exists in this fiscal year",
                           QStringLiteral("line %1: document OLD/2000 already exists in this fiscal year").arg(lateLine),
                           QStringLiteral("line %1: account 130 does not take postings (it has analytic accounts)").arg(lateLine + 1),
                           QStringLiteral("line %1: unknown account 202-12001").arg(lateLine + 1)}));
    EXPECT_EQ(tableCounts(db()), before);

    const auto result = importText(db(), ledger.options(), manyRows(QStringLiteral("B")));
    ASSERT_TRUE(result.ok()) << errorTexts(result).join('\n').toStdString();
    EXPECT_EQ(imported(QStringLiteral("B/%")), many);
    // The same numbers again, now all past the probes: every one refused.
    const auto again = importText(db(), ledger.options(), manyRows(QStringLiteral("B")));
    EXPECT_EQ(again.errorCount, many);
    EXPECT_EQ(imported(QStringLiteral("B/%")), many);
}

} // namespace
