#include "support/LedgerFixture.h"
#include "platform/db/BudgetLineCopies.h"
#include "platform/db/CostCentreLineCopies.h"
#include "platform/db/LineCopies.h"
#include "platform/runtime/Date.h"
#include "platform/server/OpeningBalanceDocument.h"
#include <stdexcept>

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
    const int64_t id = db.insertReturningId(
        "insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, kwota_ma, kwota_wn_w, "
        "kwota_ma_w, waluta, opis, nr_ewid_dok, data_okresu, status, czy_rk) "
        "select id_nag_dok, id_firmy, id_lata_obrot, ?, ?, ?, ?, ?, ?, ?, ?, opis, nr_ewid_dok, data_okresu, status, czy_rk "
        "from NAG_DOK where id_nag_dok=? returning id_poz_dok",
        {++m_lp, l.kontoWn, l.kontoMa, l.kwotaWn, l.kwotaMa, l.kwotaWnW, l.kwotaMaW, l.waluta, document});
    db::refreshLineCopiesOfLine(db, id);
    return id;
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

namespace {
[[noreturn]] void refuse(const QString& what) { throw std::invalid_argument(what.toStdString()); }
} // namespace

Money LedgerFixture::lineAmount(int64_t line, const QString& strona) {
    db::Rows r = db.select("select kwota_wn, kwota_ma from POZ_DOK where id_poz_dok=?", {line});
    if (!r.next()) refuse(QStringLiteral("no ledger line %1").arg(line));
    const int64_t wn = r.int64(0), ma = r.int64(1);
    if (strona == QLatin1String("WN")) return Money::fromMinor(wn);
    if (strona == QLatin1String("MA")) return Money::fromMinor(ma);
    return Money::fromMinor(std::max(wn, ma));
}

std::vector<int64_t> LedgerFixture::addBudgetLines(int64_t line, const std::vector<BudgetPart>& parts, QChar typ,
                                                   unsigned senses) {
    Money total;
    for (const BudgetPart& p : parts) total += p.kwota;
    if (total != lineAmount(line))
        refuse(QStringLiteral("budget lines of %1 add up to %2, the line is %3")
                   .arg(line).arg(total.toString(), lineAmount(line).toString()));
    db::Transaction tx(db);
    std::vector<int64_t> ids;
    int lp = 0;
    for (const BudgetPart& p : parts) {
        ids.push_back(db.insertReturningId(
            "insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, rodzaj_k, rodzaj_z, "
            "rodzaj_x, rodzaj_d, rodzaj_wp, kwota) select id_poz_dok, ?, id_firmy, id_lata_obrot, ?, ?, ?, ?, ?, ?, ?, ?, ? "
            "from POZ_DOK where id_poz_dok=? returning id_bt_dane",
            {++lp, p.klasyfikacja, QString(typ), int(bool(senses & Expenditure)), int(bool(senses & Cost)),
             int(bool(senses & Commitment)), int(bool(senses & Cash)), int(bool(senses & Revenue)),
             int(bool(senses & Receipt)), p.kwota, line}));
        if (!db.scalarInt("select count(*) from KLASYFIKACJA_BUDZETOWA where id_firmy=? and symbol=?", {company, p.klasyfikacja})
                 .value_or(0))
            db.execute("insert into KLASYFIKACJA_BUDZETOWA (id_firmy, symbol, typ, poziom, nazwa) values (?, ?, ?, ?, ?)",
                       {company, p.klasyfikacja, QString(typ), int(p.klasyfikacja.count('-')) + 1,
                        QStringLiteral("Klasyfikacja ") + p.klasyfikacja});
    }
    db::refreshBudgetLineCopiesOfLine(db, line);
    tx.commit();
    return ids;
}

int64_t LedgerFixture::addBudgetLine(int64_t line, const QString& klasyfikacja, QChar typ, unsigned senses) {
    return addBudgetLines(line, {{klasyfikacja, lineAmount(line)}}, typ, senses).front();
}

int64_t LedgerFixture::costCentre(int dimension, const QString& symbol, const QString& nazwa) {
    if (auto id = db.scalarInt("select id_wskaznika from MPK_WSKAZNIK where id_firmy=? and nr_wskaznika=? and symbol=?",
                               {company, dimension, symbol}))
        return *id;
    return db.insertReturningId(
        "insert into MPK_WSKAZNIK (id_firmy, nr_wskaznika, symbol, nazwa) values (?, ?, ?, ?) returning id_wskaznika",
        {company, dimension, symbol, nazwa.isEmpty() ? symbol : nazwa});
}

std::vector<int64_t> LedgerFixture::splitCostCentres(int64_t line, const QString& strona, const std::vector<CostSplit>& splits) {
    if (strona != QLatin1String("WN") && strona != QLatin1String("MA")) refuse(QStringLiteral("side %1").arg(strona));
    Money total;
    for (const CostSplit& s : splits) total += s.kwota;
    if (total != lineAmount(line, strona))
        refuse(QStringLiteral("cost-centre splits of %1 %2 add up to %3, the line is %4")
                   .arg(line).arg(strona, total.toString(), lineAmount(line, strona).toString()));
    db::Rows firm = db.select("select separator_mpk from FIRMA where id_firmy=?", {company});
    const QString separator = firm.next() ? firm.text(0) : QStringLiteral("-");
    db::Transaction tx(db);
    std::vector<int64_t> ids;
    for (const CostSplit& s : splits) {
        QString path;
        for (int64_t w : s.wskazniki)
            if (w) path += QString::number(w) + separator;
        if (!path.isEmpty()) path.prepend(separator);
        ids.push_back(db.insertReturningId(
            QStringLiteral("insert into MPK_DANE (id_poz_dok, id_firmy, id_lata_obrot, strona, konto, kwota, wskaznik_1_id, "
                           "wskaznik_2_id, wskaznik_3_id, wskaznik_4_id, wskaznik_5_id, drzewo_zbior_id) "
                           "select id_poz_dok, id_firmy, id_lata_obrot, ?, %1, ?, ?, ?, ?, ?, ?, ? from POZ_DOK "
                           "where id_poz_dok=? returning id_mpk_dane")
                .arg(strona == QLatin1String("WN") ? "konto_wn" : "konto_ma"),
            {strona, s.kwota, s.wskazniki[0], s.wskazniki[1], s.wskazniki[2], s.wskazniki[3], s.wskazniki[4], path, line}));
    }
    db::refreshCostCentreLineCopies(db, db::CostCentreCopyScope::line(line));
    tx.commit();
    return ids;
}

int64_t LedgerFixture::openSettlement(int64_t line, const QString& strona, const QString& symbol, int dueInDays) {
    const bool wn = strona == QLatin1String("WN");
    if (!wn && strona != QLatin1String("MA")) refuse(QStringLiteral("side %1").arg(strona));
    db::Rows r = db.select(
        "select p.id_firmy, p.id_lata_obrot, p.konto_wn, p.konto_ma, p.kwota_wn, p.kwota_ma, p.kwota_wn_w, p.kwota_ma_w, "
        "upper(p.waluta), p.opis, p.czy_rk, n.nr_dok_org, n.data_dok_org from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
        "where p.id_poz_dok=?",
        {line});
    if (!r.next()) refuse(QStringLiteral("no ledger line %1").arg(line));
    const QString account = r.text(wn ? 2 : 3);
    if (account.isEmpty()) refuse(QStringLiteral("line %1 has no account on side %2").arg(line).arg(strona));
    const QString waluta = r.text(8).isEmpty() ? QStringLiteral("PLN") : r.text(8);
    const int64_t year = r.int64(1);
    db::Rows card = db.select("select id_kartoteki, rodzaj_kartoteki from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? "
                              "and nr_konta=?",
                              {company, year, account});
    const bool hasCard = card.next();
    return db.insertReturningId(
        "insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, nr_dok, data_dok, termin_platnosci, rodzaj, strona, "
        "kwota, kwota_w, sym_waluty, opis, czy_bo, id_poz_dok_f, id_kartoteki, rodzaj_kartoteki) "
        "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) returning id_rozrachunku",
        {r.int64(0), year, account, symbol.isEmpty() ? r.text(11) : symbol, r.text(11), r.integer(12),
         r.integer(12) + dueInDays, wn ? "N" : "Z", strona, r.int64(wn ? 4 : 5), r.int64(wn ? 6 : 7), waluta,
         r.text(9).left(100), r.integer(10) == 10 ? 1 : 0, line, hasCard ? card.int64(0) : int64_t(0),
         hasCard ? card.text(1) : QString()});
}

int64_t LedgerFixture::settle(int64_t settlement, int64_t payingLine, Money kwota, Money kwotaW, int64_t against) {
    auto left = [&](int64_t id) {
        return Money::fromMinor(
            db.scalarInt("select r.kwota - coalesce(cast((select sum(z.kwota) from ROZLICZENIE z where z.id_rozrachunku=r.id_rozrachunku) "
                         "as bigint), 0) "
                         "from ROZRACHUNEK r where r.id_rozrachunku=?",
                         {id})
                .value_or(0));
    };
    for (int64_t id : {settlement, against})
        if (id && kwota > left(id))
            refuse(QStringLiteral("clearing %1 of settlement %2, only %3 is left").arg(kwota.toString()).arg(id).arg(left(id).toString()));
    const int64_t day = db.scalarInt("select n.data_biezaca from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                                     "where p.id_poz_dok=?",
                                     {payingLine})
                            .value_or(0);
    db::Transaction tx(db);
    auto clear = [&](int64_t id, int64_t other) {
        return db.insertReturningId("insert into ROZLICZENIE (id_rozrachunku, id_rozrachunku_rozl, id_firmy, data_rozliczenia, kwota, "
                                    "kwota_w, id_poz_dok) values (?, ?, ?, ?, ?, ?, ?) returning id_rozliczenia",
                                    {id, other, company, int(day), kwota, kwotaW, payingLine});
    };
    const int64_t id = clear(settlement, against);
    if (against) clear(against, settlement);
    tx.commit();
    return id;
}

int64_t LedgerFixture::openingBalanceLine(int64_t year, const QString& dt, const QString& ct, Money pln, Money currency,
                                          const QString& waluta) {
    const int64_t document = server::PRZYGOTUJ_DOKUMENT_BO(db, company, year, login, 0, 0, waluta);
    if (!document) refuse(QStringLiteral("no year %1 in the company").arg(year));
    const QString w = waluta.toUpper() == QLatin1String("PLN") ? QString() : waluta.toUpper();
    return post(document, dt, ct, pln, currency, w);
}

int64_t LedgerFixture::openingDocument(int64_t year, const QString& waluta) {
    return server::PRZYGOTUJ_DOKUMENT_BO(db, company, year, login, 0, 0, waluta, server::OpeningBalanceMode::FindOnly);
}

} // namespace ksiega::test
