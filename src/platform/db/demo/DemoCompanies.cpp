#include "platform/db/demo/DemoCompanies.h"
#include "platform/db/demo/IdentitySync.h"
#include "platform/db/demo/TaxIds.h"
#include "platform/runtime/Date.h"

namespace ksiega::db::demo {
namespace {

struct CompanyData {
    int64_t id;
    const char* name;
    const char* shortName;
    const char* nip9;
    const char* regon8;
    const char* gus;
    int budget;
    int costCentres;
    const char* street;
    const char* house;
    const char* postCode;
    const char* city;
    const char* commune;
    const char* county;
};

const CompanyData kCompanies[] = {
    {kTradeCompany, "Hurtownia Spożywcza WISŁA-TRADE Sp. z o.o.", "WISŁA-TRADE", "525238417", "14325871", "1465011", 0, 1,
     "ul. Jana Kazimierza", "47", "01-248", "Warszawa", "Warszawa", "Warszawa"},
    {kBudgetUnit, "Szkoła Podstawowa nr 3 im. Marii Konopnickiej w Zielonce", "SP 3 Zielonka", "125094376", "01382745",
     "1434071", 1, 0, "ul. Szkolna", "2", "05-220", "Zielonka", "Zielonka", "wołomiński"},
};

struct JournalData {
    const char* code;
    const char* description;
    std::vector<std::pair<const char*, const char*>> types;   // symbol, name
};

const std::vector<JournalData>& journalsOf(int64_t company) {
    static const std::vector<JournalData> trade = {
        {"SPR", "Sprzedaż", {{"FS", "Faktura sprzedaży"}, {"FSE", "Faktura sprzedaży eksportowej"}}},
        {"ZAK", "Zakupy", {{"FZ", "Faktura zakupu"}, {"FZK", "Faktura kosztowa"}, {"FZI", "Faktura zakupu zagraniczna"}}},
        {"BANK", "Bank", {{"WB", "Wyciąg bankowy"}, {"WBW", "Wyciąg z rachunku walutowego"}}},
        {"KASA", "Kasa", {{"RK", "Raport kasowy"}}},
        {"PLACE", "Płace", {{"LP", "Lista płac"}}},
        {"PK", "Polecenia księgowania", {{"PK", "Polecenie księgowania"}, {"AM", "Amortyzacja"}, {"PZB", "Ewidencja pozabilansowa"}}},
        {"BO", "Bilans otwarcia", {{"BO", "Bilans otwarcia"}}},
    };
    static const std::vector<JournalData> budget = {
        {"WYD", "Wydatki", {{"FZ", "Faktura zakupu"}, {"RACH", "Rachunek"}}},
        {"DOCH", "Dochody", {{"NAL", "Nota naliczeniowa dochodów"}}},
        {"BANK", "Bank", {{"WB", "Wyciąg bankowy"}}},
        {"KASA", "Kasa", {{"RK", "Raport kasowy"}}},
        {"PLACE", "Płace", {{"LP", "Lista płac"}}},
        {"PK", "Polecenia księgowania", {{"PK", "Polecenie księgowania"}, {"AM", "Umorzenie"}, {"PF", "Plan finansowy"}, {"ZAA", "Zaangażowanie wydatków"}}},
        {"BO", "Bilans otwarcia", {{"BO", "Bilans otwarcia"}}},
    };
    return company == kBudgetUnit ? budget : trade;
}

} // namespace

std::map<int64_t, CompanyIds> createCompanies(Database& db) {
    const std::pair<const char*, const char*> currencies[] = {{"PLN", "złoty polski"}, {"EUR", "euro"}, {"USD", "dolar amerykański"}};
    for (const auto& [symbol, name] : currencies)
        db.execute(QStringLiteral("insert into WALUTY (sym_waluty, nazwa_waluty) values (?, ?)"), {symbol, name});
    db.execute(QStringLiteral("insert into UZYTKOWNICY (login, imie_nazwisko, czy_administrator) values (?, ?, 1)"),
               {kAdminLogin, "Administrator systemu"});
    db.execute(QStringLiteral("insert into UZYTKOWNICY (login, imie_nazwisko, czy_administrator) values (?, ?, 0)"),
               {kClerkLogin, "Anna Kowalska"});

    std::map<int64_t, CompanyIds> out;
    for (const CompanyData& c : kCompanies) {
        db.execute(QStringLiteral("insert into FIRMA (id_firmy, nazwa, skrot, nip, regon, kod_gus, czy_budzet, czy_mpk, separator_mpk) "
                                  "values (?, ?, ?, ?, ?, ?, ?, ?, '-')"),
                   {c.id, c.name, c.shortName, nipWithCheckDigit(c.nip9), regonWithCheckDigit(c.regon8), c.gus, c.budget,
                    c.costCentres});
        db.execute(QStringLiteral("insert into ADRESY_FIRMY (id_firmy, rodzaj, ulica, nr_domu, kod_pocztowy, miejscowosc, gmina, "
                                  "powiat, wojewodztwo) values (?, 1, ?, ?, ?, ?, ?, ?, 'mazowieckie')"),
                   {c.id, c.street, c.house, c.postCode, c.city, c.commune, c.county});
        CompanyIds& ids = out[c.id];
        for (int year = kFirstYear; year <= kCurrentYear; ++year) {
            // Neither opening balance is approved: the first year's is entered directly, the
            // current one comes from the closing and is open to corrections once unblocked.
            ids.years[year] = db.insertReturningId(
                QStringLiteral("insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku, status, zamkniete_bo) "
                               "values (?, ?, ?, ?, 0, ?) returning id_lata_obrot"),
                {c.id, QString::number(year), date::fromYmd(year, 1, 1), date::fromYmd(year, 12, 31), 0});
        }
        std::map<QString, int64_t> typeIds;
        for (const JournalData& j : journalsOf(c.id))
            for (const auto& [symbol, name] : j.types)
                typeIds[symbol] = db.insertReturningId(
                    QStringLiteral("insert into TYP_DOK (id_firmy, sym_typ_dok_uz, naz_typ_dok_uz) values (?, ?, ?) returning id_typ_dok"),
                    {c.id, symbol, name});
        for (const auto& [year, yearId] : ids.years) {
            for (const JournalData& j : journalsOf(c.id)) {
                const int64_t journal = db.insertReturningId(
                    QStringLiteral("insert into PACZKA (id_firmy, id_lata_obrot, kod_paczki, opis_paczki) values (?, ?, ?, ?) "
                                   "returning id_paczka"),
                    {c.id, yearId, j.code, QStringLiteral("%1 %2").arg(QString::fromUtf8(j.description)).arg(year)});
                for (const auto& [symbol, name] : j.types) {
                    db.execute(QStringLiteral("insert into PACZKA_TYPDOK (id_paczka, id_typ_dok) values (?, ?)"),
                               {journal, typeIds[symbol]});
                    ids.journals[year][symbol] = {journal, typeIds[symbol]};
                }
            }
        }
        // The clerk may not print from the ledger browse nor use the cost-centre printouts;
        // opening documents is granted explicitly.
        db.execute(QStringLiteral("insert into PRAWA_DOSTEPU (id_firmy, login, kod_funkcji, prawo) values (?, ?, ?, 0)"),
                   {c.id, kClerkLogin, kClerkDeniedRight});
        db.execute(QStringLiteral("insert into PRAWA_DOSTEPU (id_firmy, login, kod_funkcji, prawo) values (?, ?, '4_1_1_2', 1)"),
                   {c.id, kClerkLogin});
        if (c.costCentres)
            db.execute(QStringLiteral("insert into PRAWA_DOSTEPU (id_firmy, login, kod_funkcji, prawo) values (?, ?, '5_1_1_5', 0)"),
                       {c.id, kClerkLogin});
    }
    syncIdentity(db, QStringLiteral("FIRMA"), QStringLiteral("id_firmy"));
    return out;
}

} // namespace ksiega::db::demo
