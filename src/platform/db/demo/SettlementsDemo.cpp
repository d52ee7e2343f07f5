#include "platform/db/demo/SettlementsDemo.h"
#include "platform/runtime/Date.h"

namespace ksiega::db::demo {
namespace {

struct Clearing {
    int date = 0;
    int64_t amount = 0, amountW = 0;
};

struct Open {
    QString account;
    QString symbol;
    int date = 0;
    QChar kind;
    QString side;
    int64_t amount = 0, amountW = 0;
    QString currency = QStringLiteral("PLN");
    bool correction = false;
    QString description;
    int64_t warehouseDocument = 0;   // 0: kept by the ledger
    std::vector<Clearing> clearings;
};

void write(Database& db, int64_t company, int64_t year, const Open& s) {
    const int64_t id = db.insertReturningId(
        QStringLiteral("insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, nr_dok, data_dok, termin_platnosci, rodzaj, "
                       "strona, kwota, kwota_w, sym_waluty, opis, czy_korekta, czy_bo, id_poz_dok_f, id_nag_dok_m, id_kartoteki, "
                       "rodzaj_kartoteki) select ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, ?, w.id_kartoteki, w.rodzaj_kartoteki "
                       "from WARTOSCI_KONT w where w.id_firmy=? and w.id_lata_obrot=? and w.nr_konta=? returning id_rozrachunku"),
        {company, year, s.account, s.symbol, s.symbol, s.date, s.kind == QLatin1Char('P') ? s.date : s.date + 30, QString(s.kind), s.side,
         s.amount, s.amountW, s.currency, s.description, s.correction ? 1 : 0, s.warehouseDocument, company, year, s.account});
    for (const Clearing& c : s.clearings)
        db.execute(QStringLiteral("insert into ROZLICZENIE (id_rozrachunku, id_firmy, data_rozliczenia, kwota, kwota_w, id_poz_dok) "
                                  "values (?, ?, ?, ?, ?, 0)"),
                   {id, company, c.date, c.amount, c.amountW});
}

// The deposit account 249, kept on the values of a register of the company's own.
void writeDepositRegister(Database& db, int64_t company, int64_t year) {
    const int64_t reg = db.insertReturningId(
        QStringLiteral("insert into KARTOTEKA_UZYTKOWNIKA (id_firmy, symbol_kartoteki, nazwa_kartoteki, rodzaj, filtr_kartoteka) "
                       "values (?, ?, ?, 'X', ?) returning id_kartoteki_uzytkownika"),
        {company, QString::fromLatin1(kDepositRegister), QStringLiteral("Kaucje za opakowania zwrotne"), QString::fromLatin1(kDepositFilter)});
    db.execute(QStringLiteral("insert into KONTA_SYNT (id_firmy, id_lata_obrot, nr_konta_syn, nazwa, typ_konta, czy_rozrach, kartoteka, "
                              "symbol_kartoteki) values (?, ?, 249, ?, 'B', 1, 'X', ?)"),
               {company, year, QStringLiteral("Rozrachunki z tytułu kaucji za opakowania"), QString::fromLatin1(kDepositRegister)});
    db.execute(QStringLiteral("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, "
                              "nr_konta_nadrz, czy_analityka) values (?, ?, '249', ?, 249, 0, '', 0)"),
               {company, year, QStringLiteral("Rozrachunki z tytułu kaucji za opakowania")});
    const std::pair<const char*, const char*> cards[] = {
        {"O'CONNOR", "O'Connor Beverages Ltd"}, {"O'HARA", "O'Hara Packaging Ltd"}, {"NOWAK", "Nowak Opakowania"}};
    int n = 0;
    for (const auto& [code, name] : cards) {
        const int64_t value = db.insertReturningId(
            QStringLiteral("insert into KARTOTEKA_UZYTKOWNIKA_POZ (id_kartoteki_uzytkownika, kod, wartosc) values (?, ?, ?) "
                           "returning id_kartoteki_poz"),
            {reg, QString::fromUtf8(code), QString::fromUtf8(name)});
        db.execute(QStringLiteral("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, "
                                  "nr_konta_nadrz, czy_analityka, id_kartoteki, rodzaj_kartoteki) values (?, ?, ?, ?, 249, 1, '249', 1, ?, 'X')"),
                   {company, year, QStringLiteral("249-%1").arg(++n, 2, 10, QLatin1Char('0')), QString::fromUtf8(name), value});
    }
}

} // namespace

void writeSettlementsDemo(Database& db, const std::map<int64_t, CompanyIds>& ids) {
    const int64_t company = kTradeCompany;
    const int64_t year = ids.at(company).years.at(kCurrentYear);
    writeDepositRegister(db, company, year);

    const auto day = [](int y, int m, int d) { return date::fromYmd(y, m, d); };
    const QString warehouse = QStringLiteral("Dokument z systemu magazynowego");
    std::vector<Open> open = {
        // Partly paid in December and again in January.
        {"201-00003", "FS/M/0412/2025", day(2025, 11, 20), 'N', "WN", 1000000, 0, "PLN", false, warehouse, 0,
         {{day(2025, 12, 10), 400000, 0}, {day(2026, 1, 15), 250000, 0}}},
        {"201-00003", "KFS/M/0031/2025", day(2025, 12, 5), 'N', "WN", 50000, 0, "PLN", true, "Korekta ceny do FS/M/0412/2025", 0, {}},
        {"201-00005", "FS/M/0430/2025", day(2025, 12, 18), 'N', "WN", 246000, 0, "PLN", false, warehouse, 0, {}},
        // Paid whole before the year began: nothing of it is open.
        {"201-00005", "FS/M/0390/2025", day(2025, 11, 28), 'N', "WN", 123000, 0, "PLN", false, warehouse, 0,
         {{day(2025, 12, 20), 123000, 0}}},
        {"202-00008", "FZ/M/0197/2025", day(2025, 12, 22), 'Z', "MA", 861000, 0, "PLN", false, "Dostawa towarów", 0,
         {{day(2026, 1, 10), 300000, 0}}},
        // The export invoice, a third paid after the year began.
        {"203-00016", "FSE/M/0044/2025", day(2025, 12, 12), 'N', "WN", 1275000, 300000, "EUR", false, "Eksport kawy", 0,
         {{day(2026, 1, 20), 425000, 100000}}},
        {"203-00017", "FZE/M/0012/2025", day(2025, 12, 29), 'Z', "MA", 516000, 120000, "EUR", false, "Import owoców", 0, {}},
        // Deposits for returnable packaging, per card of the deposit register.
        {"249-01", "KP/M/0101/2025", day(2025, 12, 2), 'Z', "MA", 150000, 0, "PLN", false, "Kaucja za skrzynki", 0, {}},
        {"249-02", "KP/M/0117/2025", day(2025, 12, 9), 'Z', "MA", 200000, 0, "PLN", false, "Kaucja za palety", 0, {}},
        {"249-03", "KP/M/0122/2025", day(2025, 12, 16), 'Z', "MA", 70000, 0, "PLN", false, "Kaucja za skrzynki", 0, {}},
    };
    int64_t document = kFirstWarehouseDocument;
    for (Open& s : open) s.warehouseDocument = document++;
    // A note the ledger keeps that no document carries yet.
    open.push_back({"240-03", "NK/17/2025", day(2025, 12, 30), 'N', "WN", 95000, 0, "PLN", false, "Kara umowna za opóźnienie dostawy",
                    0, {}});
    for (const Open& s : open) write(db, company, year, s);
}

} // namespace ksiega::db::demo
