// The settlements of an opening-balance line: written in place or anew, removed with both
// halves of their clearings, never touching what belongs to others.
#include "platform/db/passthrough/PassThrough.h"
#include "platform/server/OpeningBalanceLines.h"
#include "support/LedgerTest.h"

using namespace ksiega;
using namespace ksiega::server;
using ksiega::test::zl;

namespace {

class OpeningLineSettlementsTest : public test::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        doc = f().openingPln;
        line = POZYCJE_BO_DODAJ(db(), f().company, doc, "202-01-001", "jkowal", 7).idPozDok;
        // A settlement of another account's line to clear against.
        otherLine = f().openingBalanceLine(f().year2026, "201-01-002", "", zl("500.00"));
        other = f().openSettlement(otherLine, "WN");
        payment = *db().scalarInt("select id_poz_dok from POZ_DOK where id_nag_dok=?", {f().postIn2026(2, "202-01-001", "130-01", zl("1.00"))});
    }
    int64_t write(const OpeningSettlement& s) {
        return POZYCJE_BO_ROZRACH(db(), doc, line, f().company, f().year2026, "202-01-001", "PLN", 7, s);
    }
    OpeningSettlement payable(const QString& symbol, const char* amount, const QString& strona = "MA") {
        OpeningSettlement s;
        s.symbol = symbol;
        s.dataDok = f().bo2026();
        s.terminPlatnosci = f().bo2026() + 14;
        s.rodzaj = QChar('Z');
        s.strona = strona;
        s.kwota = zl(amount);
        s.opis = "Saldo otwarcia";
        return s;
    }
    OpeningSettlement read(int64_t id) {
        for (const OpeningSettlement& s : readLineSettlements(db(), line))
            if (s.id == id) return s;
        ADD_FAILURE() << "settlement " << id << " is not on the line";
        return {};
    }
    int64_t clearingsOf(int64_t id) {
        return *db().scalarInt("select count(*) from ROZLICZENIE where id_rozrachunku=? or id_rozrachunku_rozl=?", {id, id});
    }
    bool exists(int64_t id) { return *db().scalarInt("select count(*) from ROZRACHUNEK where id_rozrachunku=?", {id}) == 1; }
    int64_t warehouse(int64_t onLine) {
        return db().insertReturningId("insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, strona, kwota, czy_bo, "
                                      "id_poz_dok_f, id_nag_dok_m) values (?, ?, '202-01-001', 'WZ/1', 'MA', 900, 1, ?, 77) "
                                      "returning id_rozrachunku",
                                      {f().company, f().year2026, onLine});
    }

    int64_t doc = 0, line = 0, otherLine = 0, other = 0, payment = 0;
};
KSIEGA_ON_BOTH_ENGINES(OpeningLineSettlementsTest);

TEST_P(OpeningLineSettlementsTest, aNewSettlementIsTheLinesOpeningSettlementAndItsTextsRoundTrip) {
    OpeningSettlement s = payable("FV/1/O'Brien", "123.45");
    s.opis = "Za 'towar'; -- nie SQL";
    s.korekta = true;
    s.znacznikTransakcji = "T'1";
    s.idKlasyfikacja = 42;
    s.aplikacjaStatus = 1;
    const int64_t id = write(s);
    const OpeningSettlement back = read(id);
    EXPECT_EQ(back.symbol, s.symbol);
    EXPECT_EQ(back.opis, s.opis);
    EXPECT_EQ(back.znacznikTransakcji, s.znacznikTransakcji);
    EXPECT_EQ(back.kwota, zl("123.45"));
    EXPECT_EQ(back.signedKwota(), zl("-123.45"));
    EXPECT_EQ(back.strona, QString("MA"));
    EXPECT_EQ(back.rodzaj, QChar('Z'));
    EXPECT_EQ(back.idKlasyfikacja, 42);
    EXPECT_EQ(back.aplikacjaStatus, 1);
    EXPECT_EQ(back.terminPlatnosci, f().bo2026() + 14);
    db::Rows r = db().select("select czy_bo, nr_konta, sym_waluty, id_lata_obrot from ROZRACHUNEK where id_rozrachunku=?", {id});
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.int64(0), 1);
    EXPECT_EQ(r.text(1), QString("202-01-001"));
    EXPECT_EQ(r.text(2), QString("PLN"));
    EXPECT_EQ(r.int64(3), f().year2026);

    // The same through the statement text the window sends, quotes doubled.
    db::PassThrough pt(db());
    db::PassResult byName = pt.EXECVAX(QStringLiteral("CALL POZYCJE_BO_ROZRACH(%1,%2,%3,%4,'202-01-001','10.50','0','O''Hara','PLN',%5,%6,"
                                                      "'Z','MA',7,'Opis z ''cudzysłowem''',0,0,0,'',0)")
                                           .arg(doc).arg(line).arg(f().company).arg(f().year2026).arg(f().bo2026()).arg(f().bo2026()));
    ASSERT_TRUE(byName.next()) << byName.error().toStdString();
    const OpeningSettlement viaText = read(byName.text(1).toLongLong());
    EXPECT_EQ(viaText.symbol, QString("O'Hara"));
    EXPECT_EQ(viaText.opis, QString("Opis z 'cudzysłowem'"));
    EXPECT_EQ(viaText.kwota, zl("10.50"));
}

TEST_P(OpeningLineSettlementsTest, anEditThatKeepsAmountAndSideKeepsTheClearingsAndOneThatChangesThemDropsBothHalves) {
    const int64_t s = write(payable("FV/1", "100.00", "WN"));
    f().settle(s, payment, zl("40.00"), {}, other);
    ASSERT_EQ(clearingsOf(s), 2);
    EXPECT_TRUE(read(s).hasClearings);

    OpeningSettlement edited = read(s);
    edited.symbol = "FV/1/popr";
    edited.opis = "Nowy opis";
    edited.terminPlatnosci += 30;
    EXPECT_EQ(write(edited), s) << "updated in place";
    EXPECT_EQ(clearingsOf(s), 2);
    EXPECT_EQ(read(s).symbol, QString("FV/1/popr"));

    edited.kwota = zl("90.00");
    write(edited);
    EXPECT_EQ(clearingsOf(s), 0);
    EXPECT_EQ(clearingsOf(other), 0) << "the other settlement's half goes too";
    EXPECT_TRUE(exists(other));

    const int64_t t = write(payable("FV/2", "50.00", "WN"));
    f().settle(t, payment, zl("10.00"), {}, other);
    OpeningSettlement sideChanged = read(t);
    sideChanged.strona = "MA";
    write(sideChanged);
    EXPECT_EQ(clearingsOf(t), 0);
    EXPECT_EQ(read(t).strona, QString("MA"));

    const int64_t u = write(payable("FV/3", "50.00"));
    f().settle(u, payment, zl("10.00"), zl("2.00"));
    OpeningSettlement currencyChanged = read(u);
    currencyChanged.kwotaW = zl("3.00");
    write(currencyChanged);
    EXPECT_EQ(clearingsOf(u), 0);
}

TEST_P(OpeningLineSettlementsTest, warehouseSettlementsAndOtherLinesSettlementsAreNeverWritten) {
    const int64_t w = warehouse(line);
    OpeningSettlement s = read(w);
    s.kwota = zl("1.00");
    EXPECT_EQ(write(s), w);
    EXPECT_EQ(*db().scalarInt("select kwota from ROZRACHUNEK where id_rozrachunku=?", {w}), 900);

    OpeningSettlement foreign = payable("X", "1.00");
    foreign.id = other;
    EXPECT_THROW(write(foreign), db::DbError);
    EXPECT_EQ(*db().scalarInt("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {other}), otherLine);

    // An id that no longer exists makes a new settlement.
    OpeningSettlement gone = payable("NEW", "5.00");
    gone.id = other + 1000;
    const int64_t id = write(gone);
    EXPECT_NE(id, gone.id);
    EXPECT_TRUE(exists(id));
}

TEST_P(OpeningLineSettlementsTest, removalBySelectionTakesOnlyWhatTheWindowReadAndDidNotKeep) {
    const int64_t removed = write(payable("A", "1.00"));
    const int64_t kept = write(payable("B", "2.00"));
    const int64_t notRead = write(payable("C", "3.00"));   // written meanwhile, e.g. by an import
    const int64_t w = warehouse(line);
    const int64_t foreignRead = other;
    f().settle(removed, payment, zl("1.00"), {}, other);
    db().execute("insert into ZAZNACZENIE (id_uzytkownika, id_browsera, id_elementu) values (7, 300, ?)", {kept});
    db().execute("insert into ZAZNACZENIE (id_uzytkownika, id_browsera, id_elementu) values (8, 300, ?)", {removed});   // another user's
    db().execute("insert into ZAZNACZENIE (id_uzytkownika, id_browsera, id_elementu) values (7, 30, ?)", {removed});    // another list

    EXPECT_EQ(TG_BO_USUN_ROZRACH(db(), 7, line, 1, {removed, kept, w, foreignRead}), 1);
    EXPECT_FALSE(exists(removed));
    EXPECT_EQ(clearingsOf(removed), 0);
    EXPECT_EQ(clearingsOf(other), 0) << "both halves of its clearing";
    for (int64_t stays : {kept, notRead, w, foreignRead}) EXPECT_TRUE(exists(stays)) << stays;

    // Mode 0: every settlement of the line that the ledger keeps.
    f().settle(notRead, payment, zl("1.00"), {}, other);
    EXPECT_EQ(TG_BO_USUN_ROZRACH(db(), 7, line, 0), 2);
    EXPECT_FALSE(exists(kept));
    EXPECT_FALSE(exists(notRead));
    EXPECT_TRUE(exists(w));
    EXPECT_TRUE(exists(other));
    EXPECT_EQ(clearingsOf(other), 0);

    EXPECT_THROW(TG_BO_USUN_ROZRACH(db(), 7, line, 2), db::DbError);
}

} // namespace
