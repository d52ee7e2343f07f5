// A ledger document booked from chosen settlements: its lines against plain sums, its
// refusals writing nothing, racing sessions; the account search of its window; the
// schema step of the imports.
#include "SettlementTest.h"
#include "platform/db/Schema.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/server/Turnovers.h"
#include "platform/server/settlements/AccountChoice.h"
#include "platform/server/settlements/SettlementDocument.h"
#include "support/SchemaOwner.h"
#include <thread>

using namespace ksiega;
using namespace ksiega::server;
using ksiega::test::zl;

namespace {

class SettlementDocumentTest : public test::SettlementTest {
protected:
    SettlementDocumentRequest request(const QString& dt = "130-01", const QString& ct = "700-01", int64_t user = 0) {
        return {f().company, f().year2026, user ? user : jkowal, f().documentType, f().journal, f().month2026(4),
                f().month2026(4) + 10, "Faktury z magazynu", dt, ct};
    }
    int64_t documents() { return scalar("select count(*) from NAG_DOK"); }
};
KSIEGA_ON_BOTH_ENGINES(SettlementDocumentTest);

TEST_P(SettlementDocumentTest, settlementsInTwoCurrenciesAndOnBothSidesBecomeOneLineEachFacingTheGivenAccounts) {
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year2026, 0);
    const int64_t receivable = settlement("201-01-001", "WN", "123.45", 5);
    const int64_t payable = settlement("202-01-001", "MA", "430.00", 6, "EUR", "100.00");
    const int64_t correction = settlement("201-01-002", "WN", "10.00", 7, "PLN", "0", true);
    const int64_t booked = settlement("201-01-002", "WN", "99.00", 8);
    db().execute("update ROZRACHUNEK set id_poz_dok_f=1 where id_rozrachunku=?", {booked});
    mark(jkowal, 30, {receivable, payable, correction, booked});

    const int64_t doc = TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI(db(), request());
    EXPECT_EQ(scalar("select count(*) from POZ_DOK where id_nag_dok=?", {doc}), 3);
    EXPECT_EQ(scalar("select status from NAG_DOK where id_nag_dok=?", {doc}), 1);
    // Each settlement is carried by a line that has its account on its side and the
    // given account facing it, with its signed amount.
    for (int64_t id : {receivable, payable, correction}) {
        db::Rows r = db().select("select case when r.strona='WN' then p.konto_wn else p.konto_ma end, "
                                 "case when r.strona='WN' then p.konto_ma else p.konto_wn end, p.kwota_wn, p.kwota_ma, p.kwota_wn_w, "
                                 "(case when r.czy_korekta=1 then -1 else 1 end) * r.kwota, (case when r.czy_korekta=1 then -1 else 1 end) * r.kwota_w, "
                                 "r.nr_konta, r.strona, p.waluta, r.sym_waluty "
                                 "from ROZRACHUNEK r join POZ_DOK p on p.id_poz_dok=r.id_poz_dok_f where r.id_rozrachunku=? and p.id_nag_dok=?",
                                 {id, doc});
        ASSERT_TRUE(r.next()) << id;
        EXPECT_EQ(r.text(0), r.text(7));
        EXPECT_EQ(r.text(1), r.text(8) == "WN" ? "700-01" : "130-01");
        EXPECT_EQ(r.int64(2), r.int64(5));
        EXPECT_EQ(r.int64(3), r.int64(5));
        EXPECT_EQ(r.int64(4), r.int64(6));
        EXPECT_EQ(r.text(9), r.text(10) == "PLN" ? "" : r.text(10));
    }
    EXPECT_EQ(scalar("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {booked}), 1);
    // The document balances in PLN; per currency its lines sum to their settlements.
    EXPECT_EQ(scalar("select sum(kwota_wn) - sum(kwota_ma) from POZ_DOK where id_nag_dok=?", {doc}), 0);
    EXPECT_EQ(scalar("select sum(kwota_ma_w) from POZ_DOK where id_nag_dok=? and waluta='EUR'", {doc}), zl("100.00").minor());
    // The turnovers kept in the transaction are those of a full recompute.
    const QString kept = turnovers();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year2026, 0);
    EXPECT_EQ(turnovers().toStdString(), kept.toStdString());
    // The window reads the number it announces.
    db::PassThrough pt(db());
    EXPECT_EQ(pt.FUNCVAY("select nr_dok_org from NAG_DOK where id_nag_dok=?", {doc}), QString("PK/1"));
}

TEST_P(SettlementDocumentTest, everyRefusalLeavesNoDocumentAndTheSettlementsUntouched) {
    const int64_t receivable = settlement("201-01-001", "WN", "10.00", 5);
    const QString before = books();
    const int64_t docs = documents();
    auto refused = [&](const SettlementDocumentRequest& q, const char* what) {
        EXPECT_THROW(TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI(db(), q), db::DbError) << what;
        EXPECT_EQ(documents(), docs) << what;
        EXPECT_EQ(books().toStdString(), before.toStdString()) << what;
    };
    mark(jkowal, 30, {});
    refused(request(), "empty selection");
    mark(jkowal, 30, {receivable});
    refused(request("130-01", ""), "the credit account a receivable needs is empty");
    refused(request("130-01", "799"), "unknown credit account");
    refused(request("13'0", "700-01"), "unknown debit account, quote included");
    refused(request("130-01", "201-01"), "an account with accounts below it");
    SettlementDocumentRequest outside = request();
    outside.dataOkresu = f().month18(2027, 2);
    refused(outside, "period of another year");
    SettlementDocumentRequest type = request();
    type.idTypDok = 999;
    refused(type, "type the journal does not take");
    db::PassThrough pt(db());
    EXPECT_TRUE(pt.EXECVAX("CALL TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI(?,?,?,?,?,?,?,'Opis','','')",
                           {f().company, f().year2026, jkowal, f().documentType, f().journal, f().month2026(4), f().month2026(4)})
                    .failed());
    EXPECT_EQ(documents(), docs);
    // Only the debit account is needed for payables: an empty credit account is fine then.
    const int64_t payable = settlement("202-01-001", "MA", "5.00", 6);
    mark(jkowal, 30, {payable});
    db::PassResult ok = pt.EXECVAX("CALL TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI(?,?,?,?,?,?,?,'Za ''towar''','130-01','')",
                                   {f().company, f().year2026, jkowal, f().documentType, f().journal, f().month2026(4), f().month2026(4)});
    ASSERT_FALSE(ok.failed()) << ok.error().toStdString();
    ASSERT_TRUE(ok.next());
    EXPECT_EQ(db().scalarText("select opis from POZ_DOK where id_nag_dok=?", {ok.integer(1)}), QString("Za 'towar'"));
}

TEST_P(SettlementDocumentTest, twoSessionsPostingTheSameSettlementsBookEachOnce) {
    std::vector<int64_t> ids;
    for (int i = 0; i < 15; ++i) ids.push_back(settlement("202-01-001", "MA", "3.00", 100 + i));
    mark(jkowal, 30, ids);
    mark(anowak, 30, ids);
    int64_t made[2] = {0, 0};
    auto run = [&](int who) {
        auto conn = db::Database::open(url());
        try {
            made[who] = TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI(*conn, request("130-01", "700-01", who == 0 ? jkowal : anowak));
        } catch (const db::DbError&) {
        }
    };
    std::thread t0(run, 0), t1(run, 1);
    t0.join();
    t1.join();
    EXPECT_TRUE((made[0] == 0) != (made[1] == 0));
    EXPECT_EQ(scalar("select count(*) from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where n.opis=?",
                     {"Faktury z magazynu"}),
              15);
    EXPECT_EQ(scalar("select count(distinct id_poz_dok_f) from ROZRACHUNEK where id_poz_dok_f>0"), 15);
}

TEST_P(SettlementDocumentTest, accountSearchModeTenHoldsAPostingAccountTypedExactly) {
    EXPECT_EQ(accountTextKind(db(), f().company, f().year2026, " 130-01 "), AccountTextKind::PostingAccount);
    EXPECT_EQ(accountTextKind(db(), f().company, f().year2026, "201-01"), AccountTextKind::HigherAccount);
    EXPECT_EQ(accountTextKind(db(), f().company, f().year2026, "20"), AccountTextKind::Beginning);
    EXPECT_EQ(accountTextKind(db(), f().company, f().year2026, "2%"), AccountTextKind::NoMatch);
    EXPECT_EQ(accountTextKind(db(), f().company, f().year2026, ""), AccountTextKind::NoMatch);
    db::PassThrough pt(db());
    EXPECT_EQ(pt.FUNCVAY("CALL SZUKAJ_KONTA (?,?,'130-01',10)", {f().company, f().year2026}), QString("0"));
    EXPECT_EQ(pt.FUNCVAY("CALL SZUKAJ_KONTA (?,?,'13''0',10)", {f().company, f().year2026}), QString("3"));
    // Mode 1 answers as before.
    db::PassResult one = pt.EXECVAX("CALL SZUKAJ_KONTA (?,?,'130-01',1)", {f().company, f().year2026});
    ASSERT_TRUE(one.next());
    EXPECT_EQ(one.text(2), QString("130-01"));
}

TEST_P(SettlementDocumentTest, aVersionFiveDatabaseGetsTheRecordOfImports) {
    const auto owner = test::openAsOwner(url());   // changing the tables is the owner's work
    const int64_t s = settlement("202-01-001", "MA", "1.00");
    db().execute("delete from WERSJA_SCHEMATU");
    db().execute("insert into WERSJA_SCHEMATU (wersja, opis) values (5, 'schemat utworzony')");
    owner->executeScript("DROP TABLE ROZRACHUNEK_IMPORT_BO");
    db::upgradeSchema(*owner);
    EXPECT_EQ(db::schemaVersion(db()), db::kSchemaVersion);
    mark(jkowal, 30, {s});
    EXPECT_EQ(scalar("select count(*) from ROZRACHUNEK_IMPORT_BO"), 0);
    // Run again on the current version: nothing to do, nothing fails.
    db::upgradeSchema(*owner);
    EXPECT_EQ(db::schemaVersion(db()), db::kSchemaVersion);
}

} // namespace
