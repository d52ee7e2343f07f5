#include "platform/db/demo/OpeningBalanceExtras.h"
#include "platform/db/CostCentreLineCopies.h"
#include "platform/runtime/Date.h"
#include <QStringList>

namespace ksiega::db::demo {
namespace {

struct OpeningLine {
    int64_t id = 0;
    QString account;
    bool debit = true;
    int64_t amount = 0, amountW = 0;
    QString currency;
};

// The opening lines of the year in account order; one-sided, as the demo writes them.
std::map<QString, std::vector<OpeningLine>> openingLines(Database& db, int64_t company, int64_t year) {
    std::map<QString, std::vector<OpeningLine>> out;
    Rows rows = db.select(QStringLiteral("select id_poz_dok, konto_wn, konto_ma, kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w, waluta "
                                         "from POZ_DOK where id_firmy = ? and id_lata_obrot = ? and czy_rk = 10 order by id_poz_dok"),
                          {company, year});
    while (rows.next()) {
        OpeningLine l;
        l.id = rows.int64(0);
        l.debit = !rows.text(1).isEmpty();
        l.account = l.debit ? rows.text(1) : rows.text(2);
        l.amount = l.debit ? rows.int64(3) : rows.int64(4);
        l.amountW = l.debit ? rows.int64(5) : rows.int64(6);
        l.currency = rows.text(7).isEmpty() ? QStringLiteral("PLN") : rows.text(7);
        out[l.account].push_back(l);
    }
    return out;
}

struct Settlement {
    QString symbol;
    QChar kind;
    int64_t amount = 0, amountW = 0;
    bool correction = false;
    int64_t warehouseDocument = 0;
    QString description;
};

int64_t writeSettlement(Database& db, int64_t company, int64_t year, const OpeningLine& line, const Settlement& s, int date) {
    return db.insertReturningId(
        QStringLiteral("insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, nr_dok, data_dok, termin_platnosci, rodzaj, "
                       "strona, kwota, kwota_w, sym_waluty, opis, czy_korekta, czy_bo, id_poz_dok_f, id_nag_dok_m) "
                       "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?) returning id_rozrachunku"),
        {company, year, line.account, s.symbol, s.symbol, date, date + 21, QString(s.kind), line.debit ? "WN" : "MA", s.amount,
         s.amountW, line.currency, s.description, s.correction, line.id, s.warehouseDocument});
}

void clearPair(Database& db, int64_t company, int64_t a, int64_t b, int64_t amount, int date) {
    for (const auto& [own, other] : {std::pair{a, b}, std::pair{b, a}})
        db.execute(QStringLiteral("insert into ROZLICZENIE (id_rozrachunku, id_rozrachunku_rozl, id_firmy, data_rozliczenia, kwota, kwota_w) "
                                  "values (?, ?, ?, ?, ?, 0)"),
                   {own, other, company, date, amount});
}

void writePartial(Database& db, int64_t line, int date, const QString& number, const QString& description, int64_t dt, int64_t dtW,
                  int64_t rate) {
    db.execute(QStringLiteral("insert into POZ_DOK_CZASTKOWE (id_poz_dok, data_dok, nr_dok, opis, kwota_wn, kwota_wn_w, kurs_waluty_wn, "
                              "mnoznik_wn) values (?, ?, ?, ?, ?, ?, ?, 1)"),
               {line, date, number, description, dt, dtW, rate});
}

} // namespace

void writeCardRegisters(Database& db) {
    const std::pair<const char*, const char*> registers[] = {{"K", "KONTR"}, {"P", "PRAC"}, {"U", "URZ"}};
    const std::map<QString, QString> names = {{"K", "Kontrahenci"}, {"P", "Pracownicy"}, {"U", "Urzędy"}};
    Rows companies = db.select(QStringLiteral("select id_firmy from FIRMA order by id_firmy"));
    std::vector<int64_t> ids;
    while (companies.next()) ids.push_back(companies.int64(0));
    for (int64_t company : ids) {
        for (const auto& [kind, symbol] : registers) {
            db.execute(QStringLiteral("insert into KARTOTEKA_UZYTKOWNIKA (id_firmy, symbol_kartoteki, nazwa_kartoteki, rodzaj, filtr_kartoteka) "
                                      "values (?, ?, ?, ?, '')"),
                       {company, symbol, names.at(QString::fromLatin1(kind)), kind});
            db.execute(QStringLiteral("update KONTA_SYNT set symbol_kartoteki = ? where id_firmy = ? and kartoteka = ?"),
                       {symbol, company, kind});
        }
    }
}

void writeOpeningBalanceExtras(Database& db, int64_t company, int64_t firstYear) {
    const auto lines = openingLines(db, company, firstYear);
    const int date = db.scalarInt(QStringLiteral("select poczatek_roku from LATA_OBROTOWE where id_lata_obrot = ?"), {firstYear})
                         .value_or(0) - 20;
    auto line = [&](const char* account) -> const OpeningLine* {
        auto it = lines.find(QString::fromLatin1(account));
        return it == lines.end() ? nullptr : &it->second.front();
    };

    // One settlement per opening line of a settlement account, named after the invoice behind it.
    int n = 0;
    for (const auto& [account, accountLines] : lines) {
        const QString synthetic = account.left(3);
        if (!QStringList{"201", "202", "203", "229"}.contains(synthetic) || account == QLatin1String("201-00004")) continue;
        for (const OpeningLine& l : accountLines) {
            Settlement s;
            s.symbol = QStringLiteral("%1 %2/12/2024").arg(l.debit ? "FS" : "FZ").arg(++n * 7);
            s.kind = synthetic == QLatin1String("229") ? QChar('Z') : (l.debit ? QChar('N') : QChar('Z'));
            s.amount = l.amount;
            s.amountW = l.amountW;
            s.description = QStringLiteral("Bilans otwarcia");
            // The foreign customer's invoice came from the warehouse system.
            if (account == QLatin1String("203-00016")) s.warehouseDocument = 900016;
            writeSettlement(db, company, firstYear, l, s, date);
        }
    }
    // A customer with two invoices and a correction cleared against one of them.
    if (const OpeningLine* l = line("201-00004")) {
        writeSettlement(db, company, firstYear, *l, {QStringLiteral("FS 301/12/2024"), QChar('N'), 5000000, 0, false, 0,
                                                     QStringLiteral("Dostawa towarów")}, date);
        const int64_t invoice = writeSettlement(db, company, firstYear, *l,
            {QStringLiteral("FS 315/12/2024"), QChar('N'), l->amount - 5000000 + 200000, 0, false, 0, QStringLiteral("Dostawa towarów")},
            date + 5);
        const int64_t correction = writeSettlement(db, company, firstYear, *l,
            {QStringLiteral("KFS 12/12/2024"), QChar('N'), 200000, 0, true, 0, QStringLiteral("Korekta ceny do FS 315/12/2024")}, date + 9);
        clearPair(db, company, correction, invoice, 200000, date + 9);
    }
    // Partial entries: the invoices that make up a customer's balance (one description has
    // an apostrophe), and a currency receivable with its rate.
    if (const OpeningLine* l = line("201-00001")) {
        writePartial(db, l->id, date - 30, QStringLiteral("FS 101/11/2024"), QStringLiteral("Dostawa do sklepu 'Pod Lipami'"), 1500000, 0, 0);
        writePartial(db, l->id, date, QStringLiteral("FS 140/12/2024"), QStringLiteral("Dostawa świąteczna"), l->amount - 1500000, 0, 0);
    }
    if (const OpeningLine* l = line("203-00017"))
        writePartial(db, l->id, date, QStringLiteral("FSE 9/12/2024"), QStringLiteral("Eksport do Niemiec"), l->amount, l->amountW,
                     l->amountW ? l->amount * 10000 / l->amountW : 0);
    // Construction in progress shared between the two branches.
    if (const OpeningLine* l = line("080")) {
        const QStringList centres{QStringLiteral("WAW"), QStringLiteral("RAD")};
        const int64_t parts[] = {l->amount * 70 / 100, l->amount - l->amount * 70 / 100};
        for (int i = 0; i < 2; ++i) {
            const int64_t centre = db.scalarInt(QStringLiteral("select id_wskaznika from MPK_WSKAZNIK where id_firmy = ? and symbol = ?"),
                                                {company, centres[i]}).value_or(0);
            db.execute(QStringLiteral("insert into MPK_DANE (id_poz_dok, id_firmy, id_lata_obrot, strona, konto, kwota, wskaznik_1_id, "
                                      "drzewo_zbior_id) values (?, ?, ?, 'WN', ?, ?, ?, ?)"),
                       {l->id, company, firstYear, l->account, parts[i], centre, QStringLiteral("-%1-").arg(centre)});
        }
        refreshCostCentreLineCopies(db, CostCentreCopyScope::line(l->id));
    }
    // Default payment term and the transaction-mark switch of every company and year.
    Rows years = db.select(QStringLiteral("select id_firmy, id_lata_obrot from LATA_OBROTOWE order by id_lata_obrot"));
    std::vector<std::pair<int64_t, int64_t>> all;
    while (years.next()) all.emplace_back(years.int64(0), years.int64(1));
    for (const auto& [c, y] : all) {
        db.execute(QStringLiteral("insert into OPCJE_SYSTEMOWE (id_firmy, id_lata_obrot, id_opcje, nazwa_wartosci) values (?, ?, 180, ?)"),
                   {c, y, c == company ? QStringLiteral("21") : QStringLiteral("30")});
        db.execute(QStringLiteral("insert into OPCJE_SYSTEMOWE (id_firmy, id_lata_obrot, id_opcje, nazwa_wartosci) values (?, ?, 224, 'TAK')"),
                   {c, y});
    }
}

} // namespace ksiega::db::demo
