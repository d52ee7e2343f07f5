#include "platform/db/demo/ClosingDemo.h"
#include "platform/db/demo/DocumentWriter.h"
#include "platform/db/demo/GeneratorContext.h"
#include "platform/runtime/Date.h"

namespace ksiega::db::demo {
namespace {

struct Settlement {
    int64_t line = 0;          // id_poz_dok_f
    QString account;
    QString symbol;
    int date = 0;
    QChar kind;                // N, Z, P
    QString side;              // WN, MA
    int64_t amount = 0, amountW = 0;
    QString currency = QStringLiteral("PLN");
    bool correction = false;
    QString description;
};

int64_t writeSettlement(Database& db, int64_t company, int64_t year, const Settlement& s) {
    return db.insertReturningId(
        QStringLiteral("insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, nr_dok, data_dok, termin_platnosci, rodzaj, "
                       "strona, kwota, kwota_w, sym_waluty, opis, czy_korekta, czy_bo, id_poz_dok_f) "
                       "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?) returning id_rozrachunku"),
        {company, year, s.account, s.symbol, s.symbol, s.date, s.kind == QLatin1Char('P') ? s.date : s.date + 14, QString(s.kind),
         s.side, s.amount, s.amountW, s.currency, s.description, s.correction ? 1 : 0, s.line});
}

// Two settlements cleared against each other on `date`, one row for each.
void clearPair(Database& db, int64_t company, int64_t a, int64_t b, int64_t amount, int date, int64_t line) {
    for (const auto& [own, other] : {std::pair{a, b}, std::pair{b, a}})
        db.execute(QStringLiteral("insert into ROZLICZENIE (id_rozrachunku, id_rozrachunku_rozl, id_firmy, data_rozliczenia, kwota, "
                                  "kwota_w, id_poz_dok) values (?, ?, ?, ?, ?, 0, ?)"),
                   {own, other, company, date, amount, line});
}

void addAccount(Database& db, int64_t company, int64_t year, const QString& number, const QString& name) {
    const QString parent = number.section(QLatin1Char('-'), 0, -2);
    db.execute(QStringLiteral("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, "
                              "nr_konta_nadrz, czy_analityka) values (?, ?, ?, ?, ?, ?, ?, 1)"),
               {company, year, number, name, number.left(3).toInt(), int(number.count(QLatin1Char('-'))), parent});
}

int64_t addPlanChange(Database& db, int64_t company, int64_t year, const QString& from, const QString& to, const QString& remark) {
    return db.insertReturningId(QStringLiteral("insert into ZMIANA_PLANU_KONT (id_firmy, id_lata_obrot, z_konta, na_konto, uwagi) "
                                               "values (?, ?, ?, ?, ?) returning id_zmiana_planu_kont"),
                                {company, year, from, to, remark});
}

// A posted December document of the wholesaler with a register number of its own.
DemoDocument december(GeneratorContext& ctx, const QString& type, int day, const QString& number, const QString& description) {
    DemoDocument d = ctx.document(type, date::fromYmd(ctx.year(), 12, day), description);
    d.registerNumber = d.originalNumber = number;
    return d;
}

// The profit-and-loss accounts closed to 860 in the BZ period: one line per account and
// currency with its net balance over the year's posted and opening lines.
DemoDocument closingEntries(Database& db, GeneratorContext& ctx, int64_t year) {
    const int end = db.scalarInt(QStringLiteral("select koniec_roku from LATA_OBROTOWE where id_lata_obrot=?"), {year}).value_or(0);
    DemoDocument d = ctx.document(QStringLiteral("PK"), end, QStringLiteral("Przeksięgowanie wyniku finansowego"));
    d.registerNumber = d.originalNumber = QStringLiteral("PK/ZAM/%1").arg(ctx.year());
    d.periodDate = date::closingPeriod(end);
    Rows rows = db.select(
        QStringLiteral("select b.konto, b.waluta, sum(b.dt), sum(b.dt_w) from ("
                       " select konto_wn as konto, waluta, kwota_wn as dt, kwota_wn_w as dt_w from POZ_DOK"
                       "  where id_firmy=? and id_lata_obrot=? and konto_wn<>'' and (status=2 or czy_rk=10)"
                       " union all"
                       " select konto_ma, waluta, -kwota_ma, -kwota_ma_w from POZ_DOK"
                       "  where id_firmy=? and id_lata_obrot=? and konto_ma<>'' and (status=2 or czy_rk=10)) b"
                       " join WARTOSCI_KONT w on w.id_firmy=? and w.id_lata_obrot=? and w.nr_konta=b.konto"
                       " join KONTA_SYNT k on k.id_firmy=w.id_firmy and k.id_lata_obrot=w.id_lata_obrot and k.nr_konta_syn=w.nr_konta_syn"
                       " where k.typ_konta='W' group by b.konto, b.waluta order by b.konto, b.waluta"),
        {ctx.company(), year, ctx.company(), year, ctx.company(), year});
    while (rows.next()) {
        const QString account = rows.text(0), currency = rows.text(1);
        const int64_t net = rows.int64(2), netW = rows.int64(3);
        if (net == 0 && netW == 0) continue;
        const bool debitBalance = net > 0 || (net == 0 && netW > 0);
        DemoLine& l = debitBalance ? d.post(QStringLiteral("860"), account, debitBalance ? net : -net)
                                   : d.post(account, QStringLiteral("860"), -net);
        if (!currency.isEmpty()) {
            l.currency = currency;
            l.amountDtW = l.amountCtW = debitBalance ? netW : -netW;
        }
    }
    return d;
}

} // namespace

void writeClosingDemo(Database& db, const std::map<int64_t, CompanyIds>& ids, const std::vector<DemoCard>& cards) {
    const int64_t company = kTradeCompany;
    const CompanyIds& trade = ids.at(company);
    const int64_t first = trade.years.at(kFirstYear), next = trade.years.at(kCurrentYear);

    // Charts that differ: a claim account and a leasehold improvement kept only in 2025, the
    // renamed claim account only in 2026.
    addAccount(db, company, first, QStringLiteral("240-04"), QStringLiteral("Roszczenia odszkodowawcze"));
    addAccount(db, company, first, QStringLiteral("010-06"), QStringLiteral("Inwestycje w obcych środkach trwałych"));
    addAccount(db, company, next, QStringLiteral("240-09"), QStringLiteral("Rozrachunki z tytułu odszkodowań"));

    GeneratorContext ctx(company, kFirstYear, trade, cards, 0xC105E2025);
    const std::vector<DemoCard> domestic = ctx.contractors();
    const std::vector<DemoCard> foreign = ctx.contractors(QStringLiteral("EUR"));
    const QString customer = domestic.back().account(201), supplier = domestic.at(domestic.size() - 2).account(202);
    const QString exporter = foreign.front().account(203);
    const int64_t eurRate = 42735;

    std::vector<DemoDocument> docs;
    {
        DemoDocument d = december(ctx, QStringLiteral("PK"), 10, QStringLiteral("PK/ZAM/01/12/2025"), QStringLiteral("Szkoda w transporcie"));
        d.post(QStringLiteral("240-04"), QStringLiteral("760"), 320000, QStringLiteral("Roszczenie wobec przewoźnika"));
        d.post(QStringLiteral("010-06"), QStringLiteral("130-01"), 1500000, QStringLiteral("Adaptacja wynajętego magazynu"));
        docs.push_back(d);
    }
    {
        DemoDocument d = december(ctx, QStringLiteral("FS"), 12, QStringLiteral("FS/ZAM/01/12/2025"), QStringLiteral("Sprzedaż towarów"));
        d.debit(customer, 1230000);
        d.credit(QStringLiteral("730-01"), 1000000);
        d.credit(QStringLiteral("221-01"), 230000);
        docs.push_back(d);
    }
    {
        DemoDocument d = december(ctx, QStringLiteral("WB"), 20, QStringLiteral("WB/ZAM/01/12/2025"), QStringLiteral("Częściowa zapłata"));
        d.post(QStringLiteral("130-01"), customer, 500000);
        docs.push_back(d);
    }
    {
        // A price correction of the invoice, booked in red.
        DemoDocument d = december(ctx, QStringLiteral("FS"), 22, QStringLiteral("KFS/ZAM/01/12/2025"), QStringLiteral("Korekta ceny"));
        d.debit(customer, -123000);
        d.credit(QStringLiteral("730-01"), -100000);
        d.credit(QStringLiteral("221-01"), -23000);
        docs.push_back(d);
    }
    {
        DemoDocument d = december(ctx, QStringLiteral("FZ"), 15, QStringLiteral("FZ/ZAM/01/12/2025"), QStringLiteral("Zakup towarów"));
        d.debit(QStringLiteral("330-01"), 1000000);
        d.debit(QStringLiteral("221-02"), 230000);
        d.credit(supplier, 1230000);
        docs.push_back(d);
    }
    {
        DemoDocument d = december(ctx, QStringLiteral("FSE"), 18, QStringLiteral("FSE/ZAM/01/12/2025"), QStringLiteral("Eksport towarów"));
        d.postInCurrency(exporter, QStringLiteral("730-02"), QStringLiteral("EUR"), 250000, eurRate);
        docs.push_back(d);
    }
    {
        // The bank's charge on the EUR account, booked in PLN only.
        DemoDocument d = december(ctx, QStringLiteral("WBW"), 31, QStringLiteral("WBW/ZAM/01/12/2025"), QStringLiteral("Opłata bankowa"));
        d.post(QStringLiteral("751-02"), QStringLiteral("131-01"), 2500);
        docs.push_back(d);
    }
    GeneratorContext ctxNext(company, kCurrentYear, trade, cards, 0xC105E2026);
    DemoDocument payment = ctxNext.document(QStringLiteral("WB"), date::fromYmd(kCurrentYear, 1, 15), QStringLiteral("Zapłata za FZ/ZAM/01/12/2025"));
    payment.registerNumber = payment.originalNumber = QStringLiteral("WB/ZAM/01/01/2026");
    payment.post(supplier, QStringLiteral("130-01"), 1230000);
    docs.push_back(payment);
    const WrittenDocuments written = writeDocuments(db, docs);
    auto line = [&](size_t doc, size_t l) { return written.lineIds.at(doc).at(l); };
    const int dec = date::fromYmd(kFirstYear, 12, 1) - 1;

    const int64_t claim = writeSettlement(db, company, first, {line(0, 0), QStringLiteral("240-04"), QStringLiteral("SZK/1/2025"), dec + 10,
                                                               QChar('N'), QStringLiteral("WN"), 320000, 0, QStringLiteral("PLN"), false,
                                                               QStringLiteral("Roszczenie wobec przewoźnika")});
    const int64_t invoice = writeSettlement(db, company, first, {line(1, 0), customer, QStringLiteral("FS/ZAM/01/12/2025"), dec + 12,
                                                                 QChar('N'), QStringLiteral("WN"), 1230000, 0, QStringLiteral("PLN"), false,
                                                                 QStringLiteral("Sprzedaż towarów")});
    const int64_t paid = writeSettlement(db, company, first, {line(2, 0), customer, QStringLiteral("WB/ZAM/01/12/2025"), dec + 20,
                                                              QChar('P'), QStringLiteral("MA"), 500000, 0, QStringLiteral("PLN"), false,
                                                              QStringLiteral("Częściowa zapłata")});
    clearPair(db, company, invoice, paid, 500000, dec + 20, line(2, 0));
    writeSettlement(db, company, first, {line(3, 0), customer, QStringLiteral("KFS/ZAM/01/12/2025"), dec + 22, QChar('N'),
                                         QStringLiteral("WN"), 123000, 0, QStringLiteral("PLN"), true,
                                         QStringLiteral("Korekta ceny do FS/ZAM/01/12/2025")});
    const int64_t bill = writeSettlement(db, company, first, {line(4, 2), supplier, QStringLiteral("FZ/ZAM/01/12/2025"), dec + 15,
                                                              QChar('Z'), QStringLiteral("MA"), 1230000, 0, QStringLiteral("PLN"), false,
                                                              QStringLiteral("Zakup towarów")});
    writeSettlement(db, company, first, {line(5, 0), exporter, QStringLiteral("FSE/ZAM/01/12/2025"), dec + 18, QChar('N'),
                                         QStringLiteral("WN"), plnValue(250000, eurRate), 250000, QStringLiteral("EUR"), false,
                                         QStringLiteral("Eksport towarów")});
    // Paid in January: at the end of 2025 the bill is wholly open.
    const int64_t transfer = writeSettlement(db, company, next, {line(7, 0), supplier, QStringLiteral("WB/ZAM/01/01/2026"),
                                                                 date::fromYmd(kCurrentYear, 1, 15), QChar('P'), QStringLiteral("WN"),
                                                                 1230000, 0, QStringLiteral("PLN"), false,
                                                                 QStringLiteral("Zapłata za FZ/ZAM/01/12/2025")});
    clearPair(db, company, bill, transfer, 1230000, date::fromYmd(kCurrentYear, 1, 15), line(7, 0));

    // The plan changes of 2025; the administrator attached the claim to the rename.
    const int64_t rename = addPlanChange(db, company, first, QStringLiteral("240-04"), QStringLiteral("240-09"),
                                         QStringLiteral("Zmiana nazwy konta"));
    addPlanChange(db, company, first, QStringLiteral("100-02"), QStringLiteral("100-01"), QStringLiteral("Likwidacja kasy oddziału"));
    addPlanChange(db, company, first, QStringLiteral("330-01"), QStringLiteral("330-02"), QStringLiteral("Zamiana magazynów"));
    addPlanChange(db, company, first, QStringLiteral("330-02"), QStringLiteral("330-01"), QStringLiteral("Zamiana magazynów"));
    const int64_t admin = db.scalarInt(QStringLiteral("select id_uzytkownika from UZYTKOWNICY where login=?"),
                                       {QString::fromLatin1(kAdminLogin)}).value_or(0);
    db.execute(QStringLiteral("insert into ZMIANA_PLANU_KONT_ROZRACHUNKI (id_uzytkownika, id_zmiana_planu_kont, id_rozrachunku) "
                              "values (?, ?, ?)"),
               {admin, rename, claim});

    // Closing entries for the wholesaler only: the school's result stays on its accounts.
    writeDocuments(db, {closingEntries(db, ctx, first)});
}

} // namespace ksiega::db::demo
