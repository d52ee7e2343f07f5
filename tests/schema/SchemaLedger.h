#pragma once
// A tiny ledger for the schema tests: one company, one year, one journal and document type,
// one posted document, and helpers to add lines, budget lines, cost-centre splits and
// settlements with only the columns a test cares about.
#include "support/TestDatabase.h"

namespace ksiega::test {

class SchemaLedgerTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        firm = db().insertReturningId("insert into FIRMA (nazwa) values ('Gmina') returning id_firmy");
        year = db().insertReturningId(
            "insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) values (?, '2026', 82000, 82364)"
            " returning id_lata_obrot", {firm});
        journal = db().insertReturningId(
            "insert into PACZKA (id_firmy, id_lata_obrot, kod_paczki, opis_paczki) values (?, ?, 'BANK', 'Wyciągi')"
            " returning id_paczka", {firm, year});
        docType = db().insertReturningId(
            "insert into TYP_DOK (id_firmy, sym_typ_dok_uz, naz_typ_dok_uz) values (?, 'WB', 'Wyciąg bankowy')"
            " returning id_typ_dok", {firm});
        document = db().insertReturningId(
            "insert into NAG_DOK (id_firmy, id_lata_obrot, id_paczka, id_typ_dok, nr_ewid_dok, nr_dok_org, data_biezaca,"
            " data_dok_org, data_okresu, status, id_uzyt_p) values (?, ?, ?, ?, 'WB/1', 'WB 1/2026', 82040, 82039, 82033, 2, 'jan')"
            " returning id_nag_dok", {firm, year, journal, docType});
    }

    int64_t addLine(const QString& dt, const QString& ct, int64_t amount, int lp = 1, const QString& opis = "zapłata") {
        return db().insertReturningId(
            "insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, kwota_ma,"
            " kwota_wn_w, kwota_ma_w, opis, nr_ewid_dok, data_okresu, status) values (?, ?, ?, ?, ?, ?, ?, ?, 0, 0, ?, 'WB/1', 82033, 2)"
            " returning id_poz_dok",
            {document, firm, year, lp, dt, ct, dt.isEmpty() ? 0 : amount, ct.isEmpty() ? 0 : amount, opis});
    }

    void addAccount(const QString& number, const QString& name) {
        db().execute("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn)"
                     " values (?, ?, ?, ?, ?)", {firm, year, number, name, number.left(3).toInt()});
    }

    int64_t firm = 0, year = 0, journal = 0, docType = 0, document = 0;
};

} // namespace ksiega::test
