#include "platform/db/demo/ClosingDemo.h"
#include "platform/db/demo/DocumentWriter.h"
#include "platform/db/demo/GeneratorContext.h"
#include "platform/runtime/Date.h"
#include <QDate>
#include <cstdlib>

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

// A payment booked on `line` clearing `amount` of settlement `settlement` on `date`.
void clear(Database& db, int64_t company, int64_t settlement, int64_t amount, int date, int64_t line) {
    db.execute(QStringLiteral("insert into ROZLICZENIE (id_rozrachunku, id_firmy, data_rozliczenia, kwota, kwota_w, id_poz_dok) "
                              "values (?, ?, ?, ?, 0, ?)"),
               {settlement, company, date, amount, line});
}

void addAccount(Database& db, int64_t company, int64_t year, const QString& number, const QString& name) {
    const QString parent = number.section(QLatin1Char('-'), 0, -2);
    db.execute(QStringLiteral("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, "
                              "nr_konta_nadrz, czy_analityka) values (?, ?, ?, ?, ?, ?, ?, 1)"),
               {company, year, number, name, number.left(3).toInt(), int(number.count(QLatin1Char('-'))), parent});
    // The parent is no longer a posting account.
    if (!parent.isEmpty())
        db.execute(QStringLiteral("update WARTOSCI_KONT set czy_analityka=0 where id_firmy=? and id_lata_obrot=? and nr_konta=?"),
                   {company, year, parent});
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
// currency with its net balance over the year's posted lines. A currency whose amounts
// net to nothing while its PLN amounts do not (an exchange difference) is closed in PLN.
DemoDocument closingEntries(GeneratorContext& ctx, const std::vector<DemoDocument>& year, const ChartOfAccounts& chart) {
    struct Net { int64_t pln = 0, currency = 0; };
    std::map<std::pair<QString, QString>, Net> nets;
    for (const DemoDocument& d : year) {
        if (d.status < 2 || d.company != ctx.company()) continue;
        for (const DemoLine& l : d.lines) {
            for (const auto& [account, pln, currency] : {std::tuple{l.accountDt, l.amountDt, l.amountDtW},
                                                         std::tuple{l.accountCt, -l.amountCt, -l.amountCtW}}) {
                if (account.isEmpty()) continue;
                const SyntheticAccount* a = chart.find(account.left(3).toInt());
                if (!a || a->type != QLatin1Char('W')) continue;
                Net& n = nets[{account, l.currency}];
                n.pln += pln;
                n.currency += currency;
            }
        }
    }
    const QDate end(ctx.year(), 12, 31);
    DemoDocument d = ctx.document(QStringLiteral("PK"), date::fromQDate(end), QStringLiteral("Przeksięgowanie wyniku finansowego"));
    d.registerNumber = d.originalNumber = QStringLiteral("PK/ZAM/%1").arg(ctx.year());
    d.periodDate = date::closingPeriod(date::fromQDate(end));
    for (const auto& [key, n] : nets) {
        const auto& [account, currency] = key;
        if (n.pln == 0 && n.currency == 0) continue;
        const bool debitBalance = n.pln > 0 || (n.pln == 0 && n.currency > 0);
        DemoLine& l = debitBalance ? d.post(QStringLiteral("860"), account, n.pln) : d.post(account, QStringLiteral("860"), -n.pln);
        if (!currency.isEmpty() && n.currency != 0) {
            l.currency = currency;
            l.amountDtW = l.amountCtW = debitBalance ? n.currency : -n.currency;
            l.rate = std::max<int64_t>(1, (std::abs(n.pln) * kRateScale + std::abs(n.currency) / 2) / std::abs(n.currency));
        }
    }
    return d;
}

struct Parties {
    QString customer, supplier, exporter;
};

Parties parties(const GeneratorContext& ctx) {
    const std::vector<DemoCard> domestic = ctx.contractors();
    const std::vector<DemoCard> foreign = ctx.contractors(QStringLiteral("EUR"));
    return {domestic.back().account(201), domestic.at(domestic.size() - 2).account(202), foreign.front().account(203)};
}

constexpr int64_t kEurRate = 42735;

struct BookedLine {
    int64_t id = 0;
    QString account;
};

// Line `lp` (from 1) of the wholesaler's document with that register number.
BookedLine bookedLine(Database& db, const QString& number, int lp) {
    Rows r = db.select(QStringLiteral("select id_poz_dok, konto_wn, konto_ma from POZ_DOK where id_firmy=? and nr_ewid_dok=? order by id_poz_dok"),
                       {kTradeCompany, number});
    for (int i = 1; r.next(); ++i)
        if (i == lp) return {r.int64(0), r.text(1).isEmpty() ? r.text(2) : r.text(1)};
    throw DbError(QStringLiteral("demo: no line %1 in %2").arg(lp).arg(number));
}

} // namespace

std::vector<DemoDocument> closingFirstYearDocuments(const CompanyIds& ids, const std::vector<DemoCard>& cards,
                                                    const std::vector<DemoDocument>& previous, const ChartOfAccounts& chart) {
    GeneratorContext ctx(kTradeCompany, kFirstYear, ids, cards, 0xC105E2025);
    const Parties p = parties(ctx);
    std::vector<DemoDocument> docs;
    {
        DemoDocument d = december(ctx, QStringLiteral("PK"), 10, QStringLiteral("PK/ZAM/01/12/2025"), QStringLiteral("Szkoda w transporcie"));
        d.post(QStringLiteral("240-04"), QStringLiteral("760"), 320000, QStringLiteral("Roszczenie wobec przewoźnika"));
        d.post(QStringLiteral("990"), QStringLiteral("998"), 5000000, QStringLiteral("Gwarancja bankowa udzielona kontrahentowi"));
        docs.push_back(d);
    }
    {
        DemoDocument d = december(ctx, QStringLiteral("FS"), 12, QStringLiteral("FS/ZAM/01/12/2025"), QStringLiteral("Sprzedaż towarów"));
        d.debit(p.customer, 1230000);
        d.credit(QStringLiteral("730-01"), 1000000);
        d.credit(QStringLiteral("221-01"), 230000);
        docs.push_back(d);
    }
    {
        DemoDocument d = december(ctx, QStringLiteral("WB"), 20, QStringLiteral("WB/ZAM/01/12/2025"), QStringLiteral("Częściowa zapłata"));
        d.post(QStringLiteral("130-01"), p.customer, 500000);
        docs.push_back(d);
    }
    {
        // A price correction of the invoice, booked in red.
        DemoDocument d = december(ctx, QStringLiteral("FS"), 22, QStringLiteral("KFS/ZAM/01/12/2025"), QStringLiteral("Korekta ceny"));
        d.debit(p.customer, -123000);
        d.credit(QStringLiteral("730-01"), -100000);
        d.credit(QStringLiteral("221-01"), -23000);
        docs.push_back(d);
    }
    {
        DemoDocument d = december(ctx, QStringLiteral("FZ"), 15, QStringLiteral("FZ/ZAM/01/12/2025"), QStringLiteral("Zakup towarów"));
        d.debit(QStringLiteral("330-01"), 1000000);
        d.debit(QStringLiteral("221-02"), 230000);
        d.credit(p.supplier, 1230000);
        docs.push_back(d);
    }
    {
        DemoDocument d = december(ctx, QStringLiteral("FSE"), 18, QStringLiteral("FSE/ZAM/01/12/2025"), QStringLiteral("Eksport towarów"));
        d.postInCurrency(p.exporter, QStringLiteral("730-02"), QStringLiteral("EUR"), 250000, kEurRate);
        docs.push_back(d);
    }
    {
        // The bank's charge on the EUR account, booked in PLN only.
        DemoDocument d = december(ctx, QStringLiteral("WBW"), 31, QStringLiteral("WBW/ZAM/01/12/2025"), QStringLiteral("Opłata bankowa"));
        d.post(QStringLiteral("751-02"), QStringLiteral("131-01"), 2500);
        docs.push_back(d);
    }
    std::vector<DemoDocument> year = previous;
    year.insert(year.end(), docs.begin(), docs.end());
    docs.push_back(closingEntries(ctx, year, chart));
    return docs;
}

std::vector<DemoDocument> closingNextYearDocuments(const CompanyIds& ids, const std::vector<DemoCard>& cards) {
    GeneratorContext ctx(kTradeCompany, kCurrentYear, ids, cards, 0xC105E2026);
    DemoDocument d = ctx.document(QStringLiteral("WB"), date::fromYmd(kCurrentYear, 1, 15), QStringLiteral("Zapłata za FZ/ZAM/01/12/2025"));
    d.registerNumber = d.originalNumber = QStringLiteral("WB/ZAM/01/01/2026");
    d.post(parties(ctx).supplier, QStringLiteral("130-01"), 1230000);
    return {d};
}

void writeClosingExtras(Database& db, const std::map<int64_t, CompanyIds>& ids) {
    const int64_t company = kTradeCompany;
    const CompanyIds& trade = ids.at(company);
    const int64_t first = trade.years.at(kFirstYear), next = trade.years.at(kCurrentYear);

    // Charts that differ: guarantees kept off the balance sheet only in 2025; the claims
    // account 240-04 in both years, and 240-09 that replaces it only in 2026.
    db.execute(QStringLiteral("insert into KONTA_SYNT (id_firmy, id_lata_obrot, nr_konta_syn, nazwa, typ_konta) values (?, ?, 990, ?, 'P')"),
               {company, first, QStringLiteral("Gwarancje i poręczenia udzielone")});
    addAccount(db, company, first, QStringLiteral("990"), QStringLiteral("Gwarancje i poręczenia udzielone"));
    for (int64_t year : {first, next})
        addAccount(db, company, year, QStringLiteral("240-04"), QStringLiteral("Roszczenia odszkodowawcze"));
    addAccount(db, company, next, QStringLiteral("240-09"), QStringLiteral("Rozrachunki z tytułu odszkodowań"));

    const int dec = date::fromYmd(kFirstYear, 12, 1) - 1;
    const BookedLine claimLine = bookedLine(db, QStringLiteral("PK/ZAM/01/12/2025"), 1);
    const BookedLine invoiceLine = bookedLine(db, QStringLiteral("FS/ZAM/01/12/2025"), 1);
    const BookedLine paymentLine = bookedLine(db, QStringLiteral("WB/ZAM/01/12/2025"), 1);
    const BookedLine correctionLine = bookedLine(db, QStringLiteral("KFS/ZAM/01/12/2025"), 1);
    const BookedLine billLine = bookedLine(db, QStringLiteral("FZ/ZAM/01/12/2025"), 3);
    const BookedLine exportLine = bookedLine(db, QStringLiteral("FSE/ZAM/01/12/2025"), 1);
    const BookedLine transferLine = bookedLine(db, QStringLiteral("WB/ZAM/01/01/2026"), 1);

    const int64_t claim = writeSettlement(db, company, first, {claimLine.id, claimLine.account, QStringLiteral("SZK/1/2025"), dec + 10,
                                                               QChar('N'), QStringLiteral("WN"), 320000, 0, QStringLiteral("PLN"), false,
                                                               QStringLiteral("Roszczenie wobec przewoźnika")});
    const int64_t invoice = writeSettlement(db, company, first, {invoiceLine.id, invoiceLine.account, QStringLiteral("FS/ZAM/01/12/2025"),
                                                                 dec + 12, QChar('N'), QStringLiteral("WN"), 1230000, 0,
                                                                 QStringLiteral("PLN"), false, QStringLiteral("Sprzedaż towarów")});
    clear(db, company, invoice, 500000, dec + 20, paymentLine.id);
    writeSettlement(db, company, first, {correctionLine.id, correctionLine.account, QStringLiteral("KFS/ZAM/01/12/2025"), dec + 22,
                                         QChar('N'), QStringLiteral("WN"), 123000, 0, QStringLiteral("PLN"), true,
                                         QStringLiteral("Korekta ceny do FS/ZAM/01/12/2025")});
    // Paid in January: at the end of 2025 the bill is wholly open.
    const int64_t bill = writeSettlement(db, company, first, {billLine.id, billLine.account, QStringLiteral("FZ/ZAM/01/12/2025"), dec + 15,
                                                              QChar('Z'), QStringLiteral("MA"), 1230000, 0, QStringLiteral("PLN"), false,
                                                              QStringLiteral("Zakup towarów")});
    clear(db, company, bill, 1230000, date::fromYmd(kCurrentYear, 1, 15), transferLine.id);
    writeSettlement(db, company, first, {exportLine.id, exportLine.account, QStringLiteral("FSE/ZAM/01/12/2025"), dec + 18, QChar('N'),
                                         QStringLiteral("WN"), plnValue(250000, kEurRate), 250000, QStringLiteral("EUR"), false,
                                         QStringLiteral("Eksport towarów")});

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
}

} // namespace ksiega::db::demo
