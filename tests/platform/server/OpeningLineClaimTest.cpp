// The account's line of an opening-balance document: found, created or merged into one,
// and held by one login at a time, across connections and under a race.
#include "platform/server/OpeningBalanceLines.h"
#include "platform/server/Procedures.h"
#include "support/LedgerTest.h"
#include <map>
#include <thread>

using namespace ksiega;
using namespace ksiega::server;
using ksiega::test::zl;

namespace {

using SideSums = std::map<QString, std::pair<int64_t, int64_t>>;   // account -> (Dt, Ct)

class OpeningLineClaimTest : public test::LedgerTest {
protected:
    // What every account of a document carries on each side, summed straight from the lines.
    SideSums sums(int64_t document) {
        SideSums all;
        db::Rows r = db().select("select konto_wn, kwota_wn, konto_ma, kwota_ma from POZ_DOK where id_nag_dok=?", {document});
        while (r.next()) {
            if (!r.text(0).isEmpty()) all[r.text(0)].first += r.int64(1);
            if (!r.text(2).isEmpty()) all[r.text(2)].second += r.int64(3);
        }
        return all;
    }
    int64_t linesOf(int64_t document, const QString& account) {
        return *db().scalarInt("select count(*) from POZ_DOK where id_nag_dok=? and (konto_wn=? or konto_ma=?)",
                               {document, account, account});
    }
    int64_t count(const QString& sql, const db::Params& params) { return *db().scalarInt(sql, params); }
};
KSIEGA_ON_BOTH_ENGINES(OpeningLineClaimTest);

TEST_P(OpeningLineClaimTest, severalLinesOfAnAccountBecomeOneWithTheirSumsAndEverythingThatHangsOnThem) {
    const QString acc = "201-01-002";
    const int64_t doc = f().openingPln;
    const int64_t a = f().post(doc, acc, "", zl("100.00"));
    const int64_t b = f().post(doc, "", acc, zl("30.00"));
    const int64_t c = f().post(doc, acc, "", zl("20.00"));
    writePartialEntries(db(), b, {{f().bo2026(), "FV/1", "część", {}, {}, zl("30.00"), {}, {}, {}, 1, 1}});
    writePartialEntries(db(), c, {{f().bo2026(), "FV/2", "część", zl("20.00"), {}, {}, {}, {}, {}, 1, 1}});
    const int64_t settlementA = f().openSettlement(a, "WN");
    const int64_t settlementB = f().openSettlement(b, "MA");
    f().splitCostCentres(a, "WN", {{zl("100.00"), {f().costCentre(1, "DZ1")}}});
    f().addBudgetLine(a, "801-80101-4010");
    f().addBudgetLine(c, "801-80101-4210");
    const int64_t payment = f().postIn2026(2, "130-01", acc, zl("5.00"));
    const int64_t paymentLine = *db().scalarInt("select id_poz_dok from POZ_DOK where id_nag_dok=?", {payment});
    f().settle(settlementA, paymentLine, zl("5.00"));
    db().execute("update ROZLICZENIE set id_poz_dok=? where id_rozrachunku=?", {c, settlementA});   // booked on line c
    const SideSums before = sums(doc);

    const LineClaim claim = POZYCJE_BO_DODAJ(db(), f().company, doc, acc, "jkowal", 1);
    ASSERT_EQ(claim.status, LineClaimStatus::Claimed);
    EXPECT_EQ(claim.idPozDok, a) << "the oldest line of the account alone is kept";
    EXPECT_EQ(linesOf(doc, acc), 1);
    EXPECT_EQ(sums(doc), before) << "no amount is lost or doubled";
    db::Rows line = db().select("select konto_wn, konto_ma, kwota_wn, kwota_ma from POZ_DOK where id_poz_dok=?", {a});
    ASSERT_TRUE(line.next());
    EXPECT_EQ(line.text(0), acc);
    EXPECT_EQ(line.text(1), acc);
    EXPECT_EQ(line.money(2), zl("120.00"));
    EXPECT_EQ(line.money(3), zl("30.00"));

    EXPECT_EQ(readPartialEntries(db(), a).size(), 2u);
    EXPECT_EQ(count("select count(*) from ROZRACHUNEK where id_poz_dok_f=?", {a}), 2);
    EXPECT_EQ(count("select count(*) from ROZRACHUNEK where id_rozrachunku in (?, ?)", {settlementA, settlementB}), 2);
    EXPECT_EQ(count("select count(*) from MPK_DANE where id_poz_dok=?", {a}), 1);
    EXPECT_EQ(count("select count(*) from BT_DANE where id_poz_dok=?", {a}), 2) << "budget lines keep distinct numbers";
    EXPECT_EQ(count("select count(*) from ROZLICZENIE where id_poz_dok=?", {a}), 1);
    for (int64_t gone : {b, c}) {
        EXPECT_EQ(count("select count(*) from POZ_DOK where id_poz_dok=?", {gone}), 0);
        EXPECT_EQ(count("select count(*) from POZ_DOK_CZASTKOWE where id_poz_dok=?", {gone}), 0);
    }
    EXPECT_EQ(lineClaimHolder(db(), a), QString("jkowal"));
}

TEST_P(OpeningLineClaimTest, aLineOfTwoAccountsKeepsTheOtherSideAndGivesUpOnlyThisAccountsSide) {
    const int64_t doc = f().openingPln;
    // The fixture's opening lines put 800 against another account on every line.
    const int64_t mixed = *db().scalarInt("select id_poz_dok from POZ_DOK where id_nag_dok=? and konto_wn='800'", {doc});
    const int64_t own = f().openSettlement(mixed, "WN", "S-800");
    const int64_t others = f().openSettlement(mixed, "MA", "S-234");
    f().splitCostCentres(mixed, "WN", {{zl("300.00"), {f().costCentre(1, "DZ1")}}});
    f().splitCostCentres(mixed, "MA", {{zl("300.00"), {f().costCentre(1, "DZ2")}}});
    const SideSums before = sums(doc);
    const int64_t linesBefore = count("select count(*) from POZ_DOK where id_nag_dok=?", {doc});

    const LineClaim claim = POZYCJE_BO_DODAJ(db(), f().company, doc, "800", "jkowal", 1);
    ASSERT_EQ(claim.status, LineClaimStatus::Claimed);
    EXPECT_EQ(linesOf(doc, "800"), 1);
    EXPECT_EQ(sums(doc), before);
    EXPECT_EQ(count("select count(*) from POZ_DOK where id_nag_dok=?", {doc}), linesBefore + 1) << "a new line, nothing removed";
    EXPECT_EQ(count("select count(*) from POZ_DOK where id_nag_dok=? and konto_wn='' and konto_ma=''", {doc}), 0);

    db::Rows other = db().select("select konto_wn, kwota_wn, konto_ma, kwota_ma from POZ_DOK where id_poz_dok=?", {mixed});
    ASSERT_TRUE(other.next());
    EXPECT_EQ(other.text(0), QString());
    EXPECT_EQ(other.int64(1), 0);
    EXPECT_EQ(other.text(2), QString("234-02"));
    EXPECT_EQ(other.money(3), zl("300.00"));
    EXPECT_EQ(count("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {own}), claim.idPozDok);
    EXPECT_EQ(count("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {others}), mixed);
    EXPECT_EQ(count("select count(*) from MPK_DANE where id_poz_dok=? and strona='WN'", {claim.idPozDok}), 1);
    EXPECT_EQ(count("select count(*) from MPK_DANE where id_poz_dok=? and strona='MA'", {mixed}), 1);

    // The new line repeats its document's fields.
    db::Rows fields = db().select("select case when p.id_firmy=n.id_firmy and p.id_lata_obrot=n.id_lata_obrot and p.nr_ewid_dok=n.nr_ewid_dok "
                                  "and p.data_okresu=n.data_okresu and p.status=n.status and p.czy_rk=n.czy_rk and p.waluta=n.waluta "
                                  "then 1 else 0 end from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where p.id_poz_dok=?",
                                  {claim.idPozDok});
    ASSERT_TRUE(fields.next());
    EXPECT_EQ(fields.int64(0), 1);
}

TEST_P(OpeningLineClaimTest, aLineIsHeldByOneLoginAcrossConnectionsUntilItsHolderReleasesIt) {
    const int64_t doc = f().openingPln;
    auto other = db::Database::open(url());
    const LineClaim mine = POZYCJE_BO_DODAJ(db(), f().company, doc, "202-01-001", "jkowal", 1);
    ASSERT_EQ(mine.status, LineClaimStatus::Claimed);

    const LineClaim theirs = POZYCJE_BO_DODAJ(*other, f().company, doc, "202-01-001", "anowak", 2);
    EXPECT_EQ(theirs.status, LineClaimStatus::LockedByOther);
    EXPECT_EQ(theirs.idPozDok, mine.idPozDok);
    EXPECT_EQ(theirs.heldBy, QString("jkowal"));
    const ResultSet byName = callProcedure(*other, "POZYCJE_BO_DODAJ", {f().company, doc, "202-01-001", "anowak", 2});
    ASSERT_EQ(byName.rows.size(), 1u);
    EXPECT_EQ(byName.rows[0][0].toInt64(), 1);
    EXPECT_EQ(POZYCJE_BO_DODAJ(db(), f().company, doc, "202-01-001", "jkowal ", 1).status, LineClaimStatus::Claimed)
        << "the holder takes it again";

    POZYCJE_BO_ZWOLNIJ(*other, mine.idPozDok, "anowak");
    EXPECT_EQ(lineClaimHolder(db(), mine.idPozDok), QString("jkowal")) << "only the holder releases";
    POZYCJE_BO_ZWOLNIJ(db(), mine.idPozDok, "jkowal");
    EXPECT_EQ(lineClaimHolder(db(), mine.idPozDok), QString());
    EXPECT_EQ(POZYCJE_BO_DODAJ(*other, f().company, doc, "202-01-001", "anowak", 2).status, LineClaimStatus::Claimed);
    EXPECT_EQ(linesOf(doc, "202-01-001"), 1);

    // A document of another company, or none at all: a read error, and nothing written.
    const int64_t stranger = db().insertReturningId("insert into FIRMA (nazwa) values ('Inna') returning id_firmy");
    EXPECT_EQ(POZYCJE_BO_DODAJ(db(), stranger, doc, "401", "jkowal", 1).status, LineClaimStatus::ReadError);
    EXPECT_EQ(POZYCJE_BO_DODAJ(db(), f().company, doc + 1000, "401", "jkowal", 1).status, LineClaimStatus::ReadError);
    EXPECT_EQ(callProcedure(db(), "POZYCJE_BO_DODAJ", {f().company, doc + 1000, "401", "jkowal", 1}).rows[0][0].toInt64(), 2);
    EXPECT_EQ(linesOf(doc, "401"), 0);
}

TEST_P(OpeningLineClaimTest, aLineHeldByAnotherLoginIsNotMergedAway) {
    const int64_t doc = f().openingPln;
    const LineClaim held = POZYCJE_BO_DODAJ(db(), f().company, doc, "202-01-001", "anowak", 2);
    const int64_t extra = f().post(doc, "202-01-001", "", zl("7.00"));   // e.g. written by an import meanwhile
    const LineClaim refused = POZYCJE_BO_DODAJ(db(), f().company, doc, "202-01-001", "jkowal", 1);
    EXPECT_EQ(refused.status, LineClaimStatus::LockedByOther);
    EXPECT_EQ(count("select count(*) from POZ_DOK where id_poz_dok in (?, ?)", {held.idPozDok, extra}), 2);
}

TEST_P(OpeningLineClaimTest, aWriterMayWriteOnlyAClaimedLineOfAnOpenYear) {
    const int64_t doc = f().openingPln;
    const int64_t line = POZYCJE_BO_DODAJ(db(), f().company, doc, "401", "jkowal", 1).idPozDok;
    {
        db::Transaction tx(db());
        EXPECT_EQ(checkLineWritable(db(), line, "jkowal"), LineWriteRefusal::None);
        EXPECT_EQ(checkLineWritable(db(), line, "anowak"), LineWriteRefusal::NotClaimed);
        EXPECT_EQ(checkLineWritable(db(), line + 1000, "jkowal"), LineWriteRefusal::Missing);
    }
    POZYCJE_BO_ZWOLNIJ(db(), line, "jkowal");
    {
        db::Transaction tx(db());
        EXPECT_EQ(checkLineWritable(db(), line, "jkowal"), LineWriteRefusal::NotClaimed) << "a released claim is gone";
    }
    POZYCJE_BO_DODAJ(db(), f().company, doc, "401", "jkowal", 1);
    db().execute("update LATA_OBROTOWE set zamkniete_bo=1 where id_lata_obrot=?", {f().year2026});
    db::Transaction tx(db());
    EXPECT_EQ(checkLineWritable(db(), line, "jkowal"), LineWriteRefusal::Approved);
}

TEST_P(OpeningLineClaimTest, twoSessionsRacingToCreateAnAccountsLineMakeOneLineWithOneHolder) {
    const int64_t doc = f().openingPln;
    const QStringList accounts{"202-01-001", "401", "700-01", "990", "131-02", "234-02", "010-01", "202-01"};
    std::vector<LineClaim> answers[2];
    auto race = [&](int who) {
        auto conn = db::Database::open(url());
        const QString login = who == 0 ? QStringLiteral("jkowal") : QStringLiteral("anowak");
        for (const QString& account : accounts) answers[who].push_back(POZYCJE_BO_DODAJ(*conn, f().company, doc, account, login, who + 1));
    };
    std::thread t0(race, 0), t1(race, 1);
    t0.join();
    t1.join();
    for (int i = 0; i < accounts.size(); ++i) {
        EXPECT_EQ(linesOf(doc, accounts[i]), 1) << accounts[i].toStdString();
        const int claimed = (answers[0][i].status == LineClaimStatus::Claimed) + (answers[1][i].status == LineClaimStatus::Claimed);
        EXPECT_EQ(claimed, 1) << accounts[i].toStdString();
        EXPECT_EQ(answers[0][i].idPozDok, answers[1][i].idPozDok);
    }
}

} // namespace
