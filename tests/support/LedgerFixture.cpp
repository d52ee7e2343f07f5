#include "support/LedgerFixture.h"
#include "platform/runtime/Date.h"

namespace ksiega::test {

namespace {
struct ChartAccount {
    const char* nr;
    const char* name;
};
struct ChartSynthetic {
    int nr;
    const char* text;
    const char* name;
    const char* typ;
    int walutowe, rozrach, dwusaldowe;
    const char* kartoteka;
    std::vector<ChartAccount> analytics;
};

const std::vector<ChartSynthetic>& chart() {
    static const std::vector<ChartSynthetic> all{
        {10, "010", "Środki trwałe", "B", 0, 0, 0, "", {{"010-01", "Budynki i lokale"}}},
        {130, "130", "Rachunek bieżący", "B", 0, 0, 0, "", {{"130-01", "Rachunek bieżący PKO"}}},
        {131, "131", "Rachunek walutowy", "B", 1, 0, 0, "",
         {{"131-01", "Rachunek walutowy EUR"}, {"131-02", "Rachunek walutowy USD"}}},
        {201, "201", "Rozrachunki z odbiorcami", "B", 1, 1, 0, "K",
         {{"201-01", "Odbiorcy krajowi"}, {"201-01-001", "Odbiorca Alfa sp. z o.o."}, {"201-01-002", "Odbiorca Beta S.A."}}},
        {202, "202", "Rozrachunki z dostawcami", "B", 0, 1, 0, "K",
         {{"202-01", "Dostawcy krajowi"}, {"202-01-001", "Dostawca Gamma"}}},
        {234, "234", "Pozostałe rozrachunki z pracownikami", "B", 0, 1, 1, "",
         {{"234-01", "Zaliczki"}, {"234-02", "Pożyczki"}}},
        {401, "401", "Zużycie materiałów i energii", "W", 0, 0, 0, "", {}},
        {700, "700", "Przychody ze sprzedaży", "W", 0, 0, 0, "", {{"700-01", "Sprzedaż krajowa"}}},
        {800, "800", "Kapitał podstawowy", "B", 0, 0, 0, "", {}},
        {990, "990", "Konta pozabilansowe", "P", 0, 0, 0, "", {}},
    };
    return all;
}
} // namespace

LedgerFixture::LedgerFixture(db::Database& database) : db(database) {
    db::Transaction tx(db);
    company = db.insertReturningId("insert into FIRMA (nazwa, skrot, nip) values (?, ?, ?) returning id_firmy",
                                   {"Przykładowa Spółka z o.o.", "PRZYKŁAD", "5270000000"});
    for (auto [sym, name] : {std::pair{"PLN", "złoty polski"}, {"EUR", "euro"}, {"USD", "dolar amerykański"}})
        db.execute("insert into WALUTY (sym_waluty, nazwa_waluty) values (?, ?)", {sym, name});
    year2026 = db.insertReturningId("insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) "
                                    "values (?, ?, ?, ?) returning id_lata_obrot",
                                    {company, "2026", date::fromYmd(2026, 1, 1), date::fromYmd(2026, 12, 31)});
    year18 = db.insertReturningId("insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) "
                                  "values (?, ?, ?, ?) returning id_lata_obrot",
                                  {company, "2027/2028", date::fromYmd(2027, 1, 1), date::fromYmd(2028, 6, 30)});
    addChart(year2026);
    addChart(year18);
    journal = db.insertReturningId("insert into PACZKA (id_firmy, id_lata_obrot, kod_paczki, opis_paczki) values (?, ?, ?, ?) "
                                   "returning id_paczka",
                                   {company, year2026, "DZ", "Dziennik główny"});
    documentType = db.insertReturningId("insert into TYP_DOK (id_firmy, sym_typ_dok_uz, naz_typ_dok_uz) values (?, ?, ?) "
                                        "returning id_typ_dok",
                                        {company, "PK", "Polecenie księgowania"});
    db.execute("insert into PACZKA_TYPDOK (id_paczka, id_typ_dok) values (?, ?)", {journal, documentType});
    db.execute("insert into UZYTKOWNICY (login, imie_nazwisko) values (?, ?)", {login, "Jan Kowalski"});

    // Opening balance of 2026: PLN and EUR documents.
    openingPln = addDocument({year2026, bo2026(), 2, 10, "BO", ""});
    post(openingPln, "130-01", "800", zl("10000.00"));
    post(openingPln, "201-01-001", "800", zl("2000.00"));
    post(openingPln, "234-01", "800", zl("500.00"));
    post(openingPln, "800", "234-02", zl("300.00"));
    post(openingPln, "010-01", "800", zl("50000.00"));
    openingEur = addDocument({year2026, bo2026(), 2, 10, "BO EUR", "EUR"});
    post(openingEur, "131-01", "800", zl("4300.00"), zl("1000.00"), "EUR");

    // The year's documents.
    postIn2026(1, "201-01-001", "700-01", zl("1230.00"));
    postIn2026(2, "130-01", "201-01-001", zl("1000.00"));
    const int64_t march = addDocument({year2026, month2026(3), 2, 0, "WB/03/1", "EUR"});
    post(march, "131-01", "201-01-002", zl("2150.00"), zl("500.00"), "EUR");
    postIn2026(3, "130-01", "234-01", zl("200.00"));
    postIn2026(3, "234-02", "130-01", zl("100.00"));
    postIn2026(5, "401", "202-01-001", zl("99.99"), 1);   // not posted yet
    postIn2026(7, "990", "", zl("15.00"));
    const int64_t usd = addDocument({year2026, month2026(9), 2, 0, "WB/09/1", "USD"});
    post(usd, "131-02", "700-01", zl("390.00"), zl("100.00"), "USD");

    // The 18-month year: a posting in its fourteenth month.
    const int64_t late = addDocument({year18, month18(2028, 2), 2, 0, "PK/2028/02", ""});
    post(late, "130-01", "700-01", zl("777.77"));
    tx.commit();
}

void LedgerFixture::addChart(int64_t year) {
    for (const ChartSynthetic& s : chart()) {
        db.execute("insert into KONTA_SYNT (id_firmy, id_lata_obrot, nr_konta_syn, nazwa, typ_konta, czy_walutowe, "
                   "czy_rozrach, czy_dwusaldowe, kartoteka) values (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                   {company, year, s.nr, s.name, s.typ, s.walutowe, s.rozrach, s.dwusaldowe, s.kartoteka});
        db.execute("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, "
                   "czy_analityka) values (?, ?, ?, ?, ?, 0, ?)",
                   {company, year, s.text, s.name, s.nr, s.analytics.empty() ? 1 : 0});
        for (size_t i = 0; i < s.analytics.size(); ++i) {
            const QString nr = QString::fromUtf8(s.analytics[i].nr);
            const int level = int(nr.count('-'));
            const QString parent = nr.left(nr.lastIndexOf('-'));
            const bool leaf = i + 1 == s.analytics.size() || !QString::fromUtf8(s.analytics[i + 1].nr).startsWith(nr + '-');
            const int64_t card = (level == 2 && QString::fromUtf8(s.kartoteka) == "K") ? int64_t(100 + i) : 0;
            db.execute("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, "
                       "nr_konta_nadrz, czy_analityka, id_kartoteki, rodzaj_kartoteki) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                       {company, year, nr, s.analytics[i].name, s.nr, level, parent, leaf ? 1 : 0, card,
                        card ? QString::fromUtf8(s.kartoteka) : QString()});
        }
    }
}

int LedgerFixture::bo2026() const { return date::fromYmd(2026, 1, 1); }
int LedgerFixture::month2026(int month) const { return date::monthPeriod(2026, month); }
int LedgerFixture::bz2026() const { return date::fromYmd(2026, 12, 28); }
int LedgerFixture::bo18() const { return date::fromYmd(2027, 1, 1); }
int LedgerFixture::month18(int year, int month) const { return date::monthPeriod(year, month); }
int LedgerFixture::bz18() const { return date::fromYmd(2028, 6, 28); }

int64_t LedgerFixture::addDocument(const NewDocument& s) {
    const int day = s.dataOkresu;
    return db.insertReturningId(
        "insert into NAG_DOK (id_firmy, id_lata_obrot, id_paczka, id_typ_dok, nr_ewid_dok, nr_dok_org, data_biezaca, "
        "data_dok_org, data_okresu, status, czy_rk, waluta, opis, id_uzyt_p) "
        "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) returning id_nag_dok",
        {company, s.idLataObrot, s.idLataObrot == year2026 ? db::SqlValue(journal) : db::SqlValue(), documentType, s.nrEwid,
         s.nrEwid, day, day, day, s.status, s.czyRk, s.waluta, QStringLiteral("Dokument ") + s.nrEwid, login});
}

int64_t LedgerFixture::addLine(int64_t document, const NewLine& l) {
    return db.insertReturningId(
        "insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, kwota_ma, kwota_wn_w, "
        "kwota_ma_w, waluta, opis, nr_ewid_dok, data_okresu, status, czy_rk) "
        "select id_nag_dok, id_firmy, id_lata_obrot, ?, ?, ?, ?, ?, ?, ?, ?, opis, nr_ewid_dok, data_okresu, status, czy_rk "
        "from NAG_DOK where id_nag_dok=? returning id_poz_dok",
        {++m_lp, l.kontoWn, l.kontoMa, l.kwotaWn, l.kwotaMa, l.kwotaWnW, l.kwotaMaW, l.waluta, document});
}

int64_t LedgerFixture::post(int64_t document, const QString& dt, const QString& ct, Money pln, Money currency,
                            const QString& waluta) {
    return addLine(document, {dt, ct, dt.isEmpty() ? Money() : pln, ct.isEmpty() ? Money() : pln,
                              dt.isEmpty() ? Money() : currency, ct.isEmpty() ? Money() : currency, waluta});
}

int64_t LedgerFixture::postIn2026(int month, const QString& dt, const QString& ct, Money pln, int status) {
    const int64_t doc = addDocument({year2026, month2026(month), status, 0, QStringLiteral("PK/%1/%2").arg(month).arg(m_lp + 1), ""});
    post(doc, dt, ct, pln);
    return doc;
}

} // namespace ksiega::test
