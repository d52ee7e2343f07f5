#include "platform/db/demo/DemoStandInData.h"
#include "platform/db/demo/DemoCompanies.h"
#include "platform/runtime/Date.h"
#include <iterator>
#include <tuple>

namespace ksiega::db::demo {
namespace {

void writeBankAccounts(Database& db) {
    struct Account { int64_t company; const char* symbol; const char* name; const char* number; const char* bank; const char* currency; };
    static const Account accounts[] = {
        {kTradeCompany, "RB-PLN", "Rachunek bieżący", "12 1020 1097 0000 7102 0123 4567", "Bank Polski S.A.", "PLN"},
        {kTradeCompany, "RB-EUR", "Rachunek walutowy EUR", "34 1020 1097 0000 7102 0123 9876", "Bank Polski S.A.", "EUR"},
        {kTradeCompany, "RB-VAT", "Rachunek VAT", "56 1140 2004 0000 3402 7654 3210", "Bank Handlowy S.A.", "PLN"},
        {kBudgetUnit, "RB-DOCH", "Rachunek dochodów", "78 1130 1017 0020 1234 5620 0001", "Bank Gospodarstwa", "PLN"},
        {kBudgetUnit, "RB-WYD", "Rachunek wydatków", "90 1130 1017 0020 1234 5620 0002", "Bank Gospodarstwa", "PLN"},
    };
    for (const Account& a : accounts)
        db.execute(QStringLiteral("insert into RACHUNKI_BANKOWE (id_firmy, symbol, nazwa, nr_rachunku, nazwa_banku, sym_waluty) "
                                  "values (?, ?, ?, ?, ?, ?)"),
                   {a.company, a.symbol, a.name, a.number, a.bank, a.currency});
}

void writeFixedAssets(Database& db) {
    struct Asset { int64_t company; const char* number; const char* name; int year, month; };
    static const Asset assets[] = {
        {kTradeCompany, "ST/001", "Magazyn wysokiego składowania", 2019, 5},
        {kTradeCompany, "ST/002", "Wózek widłowy elektryczny", 2022, 3},
        {kTradeCompany, "ST/003", "Samochód dostawczy WE 1234", 2023, 9},
        {kTradeCompany, "ST/004", "Serwer magazynowy", 2024, 11},
        {kBudgetUnit, "ST/B/01", "Budynek szkoły", 1998, 9},
        {kBudgetUnit, "ST/B/02", "Pracownia komputerowa", 2021, 8},
    };
    for (const Asset& a : assets)
        db.execute(QStringLiteral("insert into SRODKI_TRWALE (id_firmy, nr_inwentarzowy, nazwa, data_przyjecia) values (?, ?, ?, ?)"),
                   {a.company, a.number, a.name, date::fromYmd(a.year, a.month, 1)});
}

void writeDescriptions(Database& db) {
    static const char* settlements[] = {"Saldo z lat ubiegłych", "Faktura sprzedaży", "Faktura zakupu", "Nota odsetkowa",
                                        "Zaliczka na dostawę", "Kaucja gwarancyjna", "Przedpłata odbiorcy"};
    for (int64_t company : {kTradeCompany, kBudgetUnit}) {
        for (const char* text : settlements)
            db.execute(QStringLiteral("insert into OPISY_STANDARDOWE (id_firmy, rodzaj, opis) values (?, 'R', ?)"), {company, text});
        db.execute(QStringLiteral("insert into OPISY_STANDARDOWE (id_firmy, rodzaj, opis) values (?, 'D', ?)"),
                   {company, "Polecenie księgowania"});
    }
}

// Invoices of the last month before each year whose VAT falls into the new year, on the
// PLN opening balance of that year, with the company's first contractors.
void writeVatRegisters(Database& db) {
    std::vector<std::pair<QString, QString>> parties;
    Rows p = db.select(QStringLiteral("select nazwa, nip from KONTRAHENCI where id_firmy=? order by id_kontrahenta"), {kTradeCompany});
    while (p.next() && parties.size() < 6) parties.emplace_back(p.text(0), p.text(1));
    if (parties.empty()) return;

    std::vector<std::tuple<int64_t, int64_t, int>> documents;   // document, year, first day of the year
    Rows d = db.select(QStringLiteral("select n.id_nag_dok, n.id_lata_obrot, l.poczatek_roku from NAG_DOK n "
                                      "join LATA_OBROTOWE l on l.id_lata_obrot=n.id_lata_obrot where n.id_firmy=? "
                                      "and n.czy_rk=10 and (n.waluta='' or upper(n.waluta)='PLN') order by l.poczatek_roku"),
                       {kTradeCompany});
    while (d.next()) documents.emplace_back(d.int64(0), d.int64(1), d.integer(2));

    struct Invoice { char rejestr; const char* number; int dayBefore; const char* rate; int percent; int64_t netto; };
    static const Invoice invoices[] = {
        {'S', "FS/%1/12/118", 12, "23", 23, 1250000}, {'S', "FS/%1/12/131", 6, "23", 23, 384050},
        {'S', "FS/%1/12/140", 2, "8", 8, 97000},      {'Z', "FZ/%1/12/77", 9, "23", 23, 715020},
        {'Z', "FZ/%1/12/81", 4, "5", 5, 42000},       {'Z', "FZ/%1/12/84", 1, "zw", 0, 18000},
    };
    for (const auto& [document, year, firstDay] : documents) {
        const int previousYear = date::year(firstDay - 1);
        for (size_t i = 0; i < std::size(invoices); ++i) {
            const Invoice& v = invoices[i];
            const auto& [name, nip] = parties[i % parties.size()];
            const int64_t vat = (v.netto * v.percent + 50) / 100;
            db.execute(QStringLiteral("insert into REJESTR_VAT_BO (id_nag_dok, id_firmy, id_lata_obrot, rejestr, nr_dok, data_dok, "
                                      "nip, kontrahent, stawka, kwota_netto, kwota_vat) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {document, kTradeCompany, year, QString(QChar(v.rejestr)), QString::fromLatin1(v.number).arg(previousYear),
                        firstDay - v.dayBefore, nip, name, v.rate, v.netto, vat});
        }
    }
}

} // namespace

void writeStandInData(Database& db) {
    writeBankAccounts(db);
    writeFixedAssets(db);
    writeDescriptions(db);
    writeVatRegisters(db);
}

} // namespace ksiega::db::demo
