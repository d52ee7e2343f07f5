#include "platform/db/demo/BudgetUnitDemo.h"
#include "platform/db/BudgetLineCopies.h"
#include "platform/runtime/Date.h"
#include <algorithm>
#include <map>
#include <set>

namespace ksiega::db::demo {
namespace {

const QString kSplitText = QStringLiteral("Remont sali gimnastycznej z materiałami");
const QString kStornoText = QStringLiteral("Storno - korekta faktury za energię");
const QString kServicesSymbol = kFlagsExpenditureSymbol;
const QString kMaterials = QStringLiteral("801-80101-4210");
const QString kEnergy = QStringLiteral("801-80101-4260");

DemoLine& classify(DemoLine& l, const QString& symbol, QChar side, unsigned senses) {
    l.budgetSymbol = symbol;
    l.budgetSide = side;
    l.budgetSenses = senses;
    return l;
}

// Names of the paragrafs by their four digits.
const std::map<QString, QString>& paragrafNames() {
    static const std::map<QString, QString> names = {
        {"0750", "Wpływy z najmu i dzierżawy składników majątkowych"},
        {"0830", "Wpływy z usług"},
        {"4010", "Wynagrodzenia osobowe pracowników"},
        {"4110", "Składki na ubezpieczenia społeczne"},
        {"4170", "Wynagrodzenia bezosobowe"},
        {"4210", "Zakup materiałów i wyposażenia"},
        {"4220", "Zakup środków żywności"},
        {"4240", "Zakup środków dydaktycznych i książek"},
        {"4260", "Zakup energii"},
        {"4270", "Zakup usług remontowych"},
        {"4280", "Zakup usług zdrowotnych"},
        {"4300", "Zakup usług pozostałych"},
    };
    return names;
}

QString levelName(const QStringList& parts) {
    static const std::map<QString, QString> upper = {
        {"801", "Oświata i wychowanie"}, {"80101", "Szkoły podstawowe"}, {"80148", "Stołówki szkolne i przedszkolne"}};
    if (parts.size() <= 2) {
        auto it = upper.find(parts.last());
        return it != upper.end() ? it->second : QStringLiteral("Klasyfikacja %1").arg(parts.last());
    }
    if (parts.size() == 3) {
        auto it = paragrafNames().find(parts.at(2));
        return it != paragrafNames().end() ? it->second : QStringLiteral("Paragraf %1").arg(parts.at(2));
    }
    return QStringLiteral("%1 - pozycja %2").arg(levelName(parts.mid(0, 3)), parts.at(3));
}

void writeClassificationNames(Database& db, int64_t company, int year) {
    std::set<QString> prefixes;
    for (const char* table : {"BT_DANE", "BT_PLAN"}) {
        Rows r = db.select(QStringLiteral("select distinct bt_klasyfikacja from %1 where id_firmy=?").arg(QLatin1String(table)), {company});
        while (r.next()) {
            const QStringList parts = r.text(0).split(QChar('-'));
            for (int n = 1; n <= parts.size(); ++n) prefixes.insert(parts.mid(0, n).join(QChar('-')));
        }
    }
    const QString insert = QStringLiteral("insert into KLASYFIKACJA_BUDZETOWA (id_firmy, symbol, typ, poziom, nazwa, data_od, data_do) "
                                          "values (?, ?, ?, ?, ?, ?, ?)");
    for (const QString& p : prefixes) {
        const QStringList parts = p.split(QChar('-'));
        const QString side = parts.size() < 3 ? QString() : (parts.at(2).startsWith(QChar('4')) ? QStringLiteral("W") : QStringLiteral("D"));
        if (p == kRenamedSymbol) {
            // Renamed from April of the current year.
            const int renamed = date::fromYmd(year, 4, 1);
            db.execute(insert, {company, p, side, 3, QStringLiteral("Składki na Fundusz Pracy"), 0, renamed - 1});
            db.execute(insert, {company, p, side, 3, QStringLiteral("Składki na Fundusz Pracy oraz Fundusz Solidarnościowy"), renamed, 0});
            continue;
        }
        db.execute(insert, {company, p, side, int(parts.size()), levelName(parts), 0, 0});
    }
}

void writePlanChanges(Database& db, int64_t company, int year, int64_t yearId) {
    struct Row { QString symbol; const char* side; int month, day, kind; int64_t amount; const char* text; };
    const std::vector<Row> rows = {
        {kMaterials, "W", 5, 12, 1, -300000, "Zmniejszenie planu - przeniesienie między paragrafami"},
        {kAnalyticOne, "W", 1, 2, 0, 500050, "Plan pierwotny"},
        {kAnalyticTwo, "W", 1, 2, 0, 250000, "Plan pierwotny"},
        {kAnalyticTwo, "W", 6, 15, 1, 120050, "Zwiększenie planu - zarządzenie dyrektora"},
        {kSplitSecondSymbol, "W", 1, 2, 0, 800000, "Plan pierwotny"},
        {kPlanOnlySymbol, "W", 1, 2, 0, 120000, "Plan pierwotny"},
        {kPlanOnlySymbol, "W", 6, 1, 1, 30050, "Zwiększenie planu - uchwała rady gminy"},
        {kFlagsRevenueSymbol, "D", 9, 1, 1, 500000, "Zwiększenie planu dochodów"},
        {kServicesSymbol, "W", 3, 2, 1, 1000000, "Zwiększenie planu - zarządzenie wójta"},
    };
    for (const Row& r : rows)
        db.execute(QStringLiteral("insert into BT_PLAN (id_firmy, id_lata_obrot, bt_klasyfikacja, typ, data_planu, rodzaj_zmiany, kwota, opis) "
                                  "values (?, ?, ?, ?, ?, ?, ?, ?)"),
                   {company, yearId, r.symbol, r.side, date::fromYmd(year, r.month, r.day), r.kind, r.amount, QString::fromUtf8(r.text)});
}

// Lines split over two symbols: the first part stays on the line's symbol, the rest goes
// to the second budget line (lp 2).
void splitLines(Database& db, const std::vector<DemoDocument>& docs, const WrittenDocuments& written, int64_t company) {
    for (size_t i = 0; i < docs.size(); ++i) {
        if (docs[i].company != company) continue;
        for (size_t k = 0; k < docs[i].lines.size(); ++k) {
            const DemoLine& l = docs[i].lines[k];
            if (l.description != kSplitText) continue;
            const int64_t first = l.amountDt * 3 / 5, rest = l.amountDt - first;
            const int64_t line = written.lineIds[i][k];
            db.execute(QStringLiteral("update BT_DANE set kwota=? where id_poz_dok=? and lp=1"), {first, line});
            db.execute(QStringLiteral("insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, "
                                      "rodzaj_k, rodzaj_z, rodzaj_x, rodzaj_d, rodzaj_wp, kwota) "
                                      "select id_poz_dok, 2, id_firmy, id_lata_obrot, cast(? as varchar(50)), typ, rodzaj_wy, rodzaj_k, rodzaj_z, rodzaj_x, "
                                      "rodzaj_d, rodzaj_wp, cast(? as bigint) from BT_DANE where id_poz_dok=? and lp=1"),
                       {kSplitSecondSymbol, rest, line});
        }
    }
}

// Commitments carried over and revenue due from last year, as budget lines of the opening
// balance's lines.
void openingBalanceLines(Database& db, int64_t company, int64_t yearId) {
    Rows r = db.select(QStringLiteral("select p.id_poz_dok, p.kwota_wn, p.kwota_ma from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                                      "where n.id_firmy=? and n.id_lata_obrot=? and n.czy_rk=? and (p.kwota_wn<>0 or p.kwota_ma<>0) "
                                      "order by p.id_poz_dok"),
                       {company, yearId, kOpeningBalanceKind});
    std::vector<std::pair<int64_t, int64_t>> lines;
    while (r.next() && lines.size() < 2) lines.emplace_back(r.int64(0), std::max(r.int64(1), r.int64(2)));
    const QString insert = QStringLiteral("insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, "
                                          "rodzaj_k, rodzaj_z, rodzaj_x, rodzaj_d, rodzaj_wp, kwota) values (?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (lines.size() > 0)
        db.execute(insert, {lines[0].first, company, yearId, kServicesSymbol, "W", 0, 0, 1, 0, 0, 0, lines[0].second});
    if (lines.size() > 1)
        db.execute(insert, {lines[1].first, company, yearId, kFlagsRevenueSymbol, "D", 0, 0, 0, 0, 1, 0, lines[1].second});
}

// The task budget: two registers of the company attached to the budget lines' ledger lines.
void writeTaskBudget(Database& db, int64_t company, int64_t previousYear, int64_t yearId) {
    db.execute(QStringLiteral("insert into OPCJE_SYSTEMOWE (id_firmy, id_lata_obrot, id_opcje, nazwa_wartosci) values (?, ?, 305, 'tradycyjny')"),
               {company, previousYear});
    db.execute(QStringLiteral("insert into OPCJE_SYSTEMOWE (id_firmy, id_lata_obrot, id_opcje, nazwa_wartosci) values (?, ?, 305, 'zadaniowy')"),
               {company, yearId});
    struct Value { const char* code; const char* text; const char* pattern; };
    struct Register { const char* symbol; const char* name; int lp; std::vector<Value> values; };
    const std::vector<Register> registers = {
        {"ZADANIA", "Zadania budżetu zadaniowego", 1,
         {{"1.1.1.1", "Kształcenie ogólne w szkołach podstawowych", "801-80101-40%"},
          {"1.1.2.1", "Dożywianie uczniów", "801-80148-%"},
          {"16.1.1.1", "Utrzymanie infrastruktury szkoły", "801-%"}}},
        {"ZRODLA", "Źródła finansowania", 2,
         {{"S", "Subwencja oświatowa", "801-80101-4%"}, {"G", "Środki własne gminy", "801-%"}}},
    };
    for (const Register& reg : registers) {
        const int64_t registerId = db.insertReturningId(
            QStringLiteral("insert into KARTOTEKA_UZYTKOWNIKA (id_firmy, symbol_kartoteki, nazwa_kartoteki, rodzaj) values (?, ?, ?, 'X') "
                           "returning id_kartoteki_uzytkownika"),
            {company, reg.symbol, QString::fromUtf8(reg.name)});
        for (const Value& v : reg.values) {
            const int64_t value = db.insertReturningId(
                QStringLiteral("insert into KARTOTEKA_UZYTKOWNIKA_POZ (id_kartoteki_uzytkownika, kod, wartosc) values (?, ?, ?) "
                               "returning id_kartoteki_poz"),
                {registerId, v.code, QString::fromUtf8(v.text)});
            // The first matching value of the register wins for a ledger line.
            db.execute(QStringLiteral("insert into SLOW_DANE (id_poz_dok, id_kartoteki_poz, lp) select distinct b.id_poz_dok, cast(? as bigint), cast(? as integer) "
                                      "from BT_DANE b where b.id_firmy=? and b.id_lata_obrot=? and b.bt_klasyfikacja like ? "
                                      "and not exists (select 1 from SLOW_DANE s where s.id_poz_dok=b.id_poz_dok and s.lp=?)"),
                       {value, reg.lp, company, yearId, v.pattern, reg.lp});
        }
    }
}

void writeUnitIdentity(Database& db, int64_t company, int year) {
    const std::pair<const char*, const char*> params[] = {
        {"BeKodW", "14"}, {"BeKodP", "34"}, {"BeKodG", "07"}, {"BeTypG", "1"}, {"BeTypP", "1"}};
    for (const auto& [name, value] : params)
        db.execute(QStringLiteral("insert into PARAMETRY_GLOBALNE (id_firmy, nazwa_parametru, wartosc) values (?, ?, ?)"), {company, name, value});
    db.execute(QStringLiteral("update FIRMA set fk_id_jb=1234, separator_bt='-' where id_firmy=?"), {company});
    const QString rio = QStringLiteral("Regionalna Izba Obrachunkowa w Warszawie");
    db.execute(QStringLiteral("update ADRESY_FIRMY set typ_adresu='S', fk_rio=?, fk_kod_gus_1='14', fk_kod_gus_2='34', fk_kod_gus_3='07', "
                              "fk_kod_gus_4='1' where id_firmy=?"),
               {rio, company});
    // The school moved to its new building in September.
    db.execute(QStringLiteral("insert into ADRESY_FIRMY (id_firmy, rodzaj, ulica, nr_domu, kod_pocztowy, miejscowosc, gmina, powiat, "
                              "wojewodztwo, typ_adresu, data_od, fk_rio, fk_kod_gus_1, fk_kod_gus_2, fk_kod_gus_3, fk_kod_gus_4) "
                              "values (?, 1, 'ul. Poniatowskiego', '12', '05-220', 'Zielonka', 'Zielonka', 'wołomiński', 'mazowieckie', "
                              "'S', ?, ?, '14', '34', '07', '1')"),
               {company, date::fromYmd(year, 9, 1), rio});
}

} // namespace

std::vector<DemoDocument> budgetUnitDocuments(GeneratorContext& c) {
    std::vector<DemoDocument> docs;
    const int y = c.year();

    // Every combination of the expenditure senses (wydatek, koszt, zaangażowanie, środki).
    DemoDocument expenditure = c.document(QStringLiteral("PK"), date::fromYmd(y, 3, 16), QStringLiteral("Przeksięgowanie wydatków wg rodzajów"));
    for (unsigned mask = 0; mask < 16; ++mask)
        classify(expenditure.post(QStringLiteral("402"), QStringLiteral("223"), int64_t(10000 + 700 * mask) * 100 + 50,
                                  QStringLiteral("Usługi - rodzaje %1").arg(mask)),
                 kFlagsExpenditureSymbol, 'W', mask);
    docs.push_back(expenditure);

    // Every combination of the revenue senses (dochód, wpływ, środki).
    DemoDocument revenue = c.document(QStringLiteral("NAL"), date::fromYmd(y, 3, 17), QStringLiteral("Dochody wg rodzajów"));
    for (unsigned mask = 0; mask < 8; ++mask) {
        const unsigned senses = (mask & 1 ? Revenue : 0) | (mask & 2 ? Receipt : 0) | (mask & 4 ? Cash : 0);
        classify(revenue.post(QStringLiteral("130-02"), QStringLiteral("720-01"), int64_t(500 + 30 * mask) * 100 + 50,
                              QStringLiteral("Opłaty za wyżywienie - rodzaje %1").arg(mask)),
                 kFlagsRevenueSymbol, 'D', senses);
    }
    docs.push_back(revenue);

    // Analytic symbols under one paragraf.
    DemoDocument analytic = c.document(QStringLiteral("FZ"), date::fromYmd(y, 4, 8), QStringLiteral("Materiały wg pozycji planu"));
    analytic.originalNumber = QStringLiteral("FV/417/%1").arg(y);
    classify(analytic.post(QStringLiteral("401-01"), QStringLiteral("130-01"), 123450, QStringLiteral("Papier i tonery")), kAnalyticOne, 'W',
             Expenditure | Cost | Cash);
    classify(analytic.post(QStringLiteral("401-01"), QStringLiteral("130-01"), 234500, QStringLiteral("Środki czystości")), kAnalyticTwo, 'W',
             Expenditure | Cost | Cash);
    classify(analytic.post(QStringLiteral("401-01"), QStringLiteral("130-01"), 45650, QStringLiteral("Artykuły biurowe")), kAnalyticOne, 'W',
             Cost | Commitment);
    docs.push_back(analytic);

    // A symbol that is booked but not planned.
    DemoDocument contract = c.document(QStringLiteral("RACH"), date::fromYmd(y, 5, 20), QStringLiteral("Umowa zlecenia - zajęcia dodatkowe"));
    classify(contract.post(QStringLiteral("404"), QStringLiteral("231"), 150000), kEntryOnlySymbol, 'W', Expenditure | Cost | Commitment);
    docs.push_back(contract);

    // Lines split over two symbols.
    DemoDocument split = c.document(QStringLiteral("FZ"), date::fromYmd(y, 7, 14), QStringLiteral("Remont sali gimnastycznej"));
    split.originalNumber = QStringLiteral("FV/702/%1").arg(y);
    classify(split.post(QStringLiteral("402"), QStringLiteral("130-01"), 1000050, kSplitText), kServicesSymbol, 'W', Expenditure | Cost | Cash);
    classify(split.post(QStringLiteral("402"), QStringLiteral("130-01"), 433350, kSplitText), kServicesSymbol, 'W', Cost | Commitment);
    docs.push_back(split);

    // A storno of an energy invoice (a negative amount); this document is also locked.
    DemoDocument storno = c.document(QStringLiteral("PK"), date::fromYmd(y, 8, 3), QStringLiteral("Korekta faktury za energię"));
    classify(storno.post(QStringLiteral("401-02"), QStringLiteral("130-01"), -45050, kStornoText), kEnergy, 'W', Expenditure | Cost | Cash);
    docs.push_back(storno);
    return docs;
}

void writeBudgetUnitDemo(Database& db, int64_t company, const std::map<int, int64_t>& years, const std::vector<DemoDocument>& docs,
                         const WrittenDocuments& written) {
    const int year = years.rbegin()->first;
    const int64_t yearId = years.rbegin()->second, previousId = years.begin()->second;
    splitLines(db, docs, written, company);
    openingBalanceLines(db, company, yearId);
    if (!written.headerIds.empty()) {
        const auto [first, last] = std::minmax_element(written.headerIds.begin(), written.headerIds.end());
        refreshBudgetLineCopies(db, *first, *last);
    }
    writePlanChanges(db, company, year, yearId);
    writeTaskBudget(db, company, previousId, yearId);
    writeUnitIdentity(db, company, year);
    for (size_t i = 0; i < docs.size(); ++i)
        if (docs[i].company == company && !docs[i].lines.empty() && docs[i].lines.front().description == kStornoText)
            db.execute(QStringLiteral("insert into BLOKADY_DOKUMENTOW (id_nag_dok, id_uzyt, data_blokady) values (?, ?, ?)"),
                       {written.headerIds[i], QString::fromLatin1(kClerkLogin), date::fromYmd(year, 8, 3)});
    writeClassificationNames(db, company, year);
}

} // namespace ksiega::db::demo
