#include "platform/db/demo/DemoExtras.h"
#include "platform/db/BudgetLineCopies.h"
#include "platform/runtime/Date.h"
#include <algorithm>
#include <map>

namespace ksiega::db::demo {

void writeCards(Database& db, const std::vector<DemoCard>& cards) {
    for (const DemoCard& c : cards) {
        const QString symbol = QStringLiteral("%1%2").arg(c.kind).arg(c.number, 5, 10, QChar('0'));
        if (c.kind == QChar('K')) {
            db.execute(QStringLiteral("insert into KONTRAHENCI (id_kontrahenta, id_firmy, symbol, nazwa, nazwa_pelna, nip, ulica, "
                                      "miejscowosc) values (?, ?, ?, ?, ?, ?, ?, ?)"),
                       {c.id, c.company, symbol, c.name.left(200), c.name, c.nip, c.street, c.city});
        } else if (c.kind == QChar('P')) {
            const QString first = c.name.section(QChar(' '), 0, 0), last = c.name.section(QChar(' '), 1);
            db.execute(QStringLiteral("insert into PRACOWNICY (id_pracownika, id_firmy, symbol, nazwisko, imie, nazwa, ulica, miejscowosc) "
                                      "values (?, ?, ?, ?, ?, ?, ?, ?)"),
                       {c.id, c.company, symbol, last, first, c.name, c.street, c.city});
        } else {
            db.execute(QStringLiteral("insert into URZEDY (id_urzedu, id_firmy, symbol, nazwa, ulica, miejscowosc) values (?, ?, ?, ?, ?, ?)"),
                       {c.id, c.company, symbol, c.name, c.street, c.city});
        }
    }
    for (const auto& [table, id] : {std::pair{"KONTRAHENCI", "id_kontrahenta"}, std::pair{"PRACOWNICY", "id_pracownika"},
                                    std::pair{"URZEDY", "id_urzedu"}})
        syncIdentity(db, QString::fromLatin1(table), QString::fromLatin1(id));
}

void writeSettlements(Database& db, const std::vector<DemoDocument>& docs, const WrittenDocuments& written) {
    std::map<std::tuple<int64_t, QString, QString>, int64_t> open;   // year, account, key -> id_rozrachunku
    for (size_t i = 0; i < docs.size(); ++i) {
        const DemoDocument& d = docs[i];
        for (size_t k = 0; k < d.lines.size(); ++k) {
            const DemoLine& l = d.lines[k];
            if (l.settlement.isEmpty()) continue;
            const int64_t lineId = written.lineIds[i][k];
            const bool cardOnDt = l.accountDt.size() > 3 && l.accountDt.at(3) == QChar('-') &&
                                  QStringList{"201", "202", "203"}.contains(l.accountDt.left(3));
            const QString account = cardOnDt ? l.accountDt : l.accountCt;
            const auto key = std::make_tuple(d.year, account, l.settlement);
            auto it = open.find(key);
            const int64_t amount = cardOnDt ? l.amountDt : l.amountCt, amountW = cardOnDt ? l.amountDtW : l.amountCtW;
            if (it == open.end()) {
                open[key] = db.insertReturningId(
                    QStringLiteral("insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, nr_dok, data_dok, termin_platnosci, "
                                   "strona, kwota, kwota_w, sym_waluty, opis, czy_bo, id_poz_dok_f, id_nag_dok_m, id_kartoteki, "
                                   "rodzaj_kartoteki) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) returning id_rozrachunku"),
                    {d.company, d.year, account, l.settlement.left(30), l.settlement.left(30), d.documentDate, d.documentDate + 14,
                     cardOnDt ? "WN" : "MA", amount, amountW, l.currency.isEmpty() ? QStringLiteral("PLN") : l.currency,
                     l.description.left(100), d.kind == kOpeningBalanceKind, lineId, written.headerIds[i], d.cardId,
                     d.cardKind});
            } else {
                db.execute(QStringLiteral("insert into ROZLICZENIE (id_rozrachunku, id_firmy, data_rozliczenia, kwota, kwota_w, id_poz_dok) "
                                          "values (?, ?, ?, ?, ?, ?)"),
                           {it->second, d.company, d.postingDate, amount, amountW, lineId});
            }
        }
    }
}

void writeBudget(Database& db, int64_t company, const std::map<int, int64_t>& years, const std::vector<DemoDocument>& docs,
                 const WrittenDocuments& written) {
    auto lines = db.bulkInsert(QStringLiteral("BT_DANE"), {"id_poz_dok", "lp", "id_firmy", "id_lata_obrot", "bt_klasyfikacja", "typ",
                                                           "rodzaj_wy", "rodzaj_k", "rodzaj_z", "rodzaj_x", "rodzaj_d", "rodzaj_wp", "kwota"});
    for (size_t i = 0; i < docs.size(); ++i) {
        const DemoDocument& d = docs[i];
        if (d.company != company) continue;
        for (size_t k = 0; k < d.lines.size(); ++k) {
            const DemoLine& l = d.lines[k];
            if (l.budgetSymbol.isEmpty()) continue;
            const unsigned s = l.budgetSenses;
            lines->add({written.lineIds[i][k], 1, company, d.year, l.budgetSymbol, QString(l.budgetSide), bool(s & Expenditure),
                        bool(s & Cost), bool(s & Commitment), bool(s & Cash), bool(s & Revenue), bool(s & Receipt),
                        std::max(l.amountDt, l.amountCt)});
        }
    }
    lines->finish();
    if (!written.headerIds.empty()) {
        const auto [first, last] = std::minmax_element(written.headerIds.begin(), written.headerIds.end());
        refreshBudgetLineCopies(db, *first, *last);
    }
    auto plan = db.bulkInsert(QStringLiteral("BT_PLAN"), {"id_firmy", "id_lata_obrot", "bt_klasyfikacja", "typ", "data_planu",
                                                          "rodzaj_zmiany", "kwota", "opis"});
    for (const auto& [year, yearId] : years) {
        for (const PlanItem& p : budgetPlan(year)) {
            plan->add({company, yearId, p.symbol, QString(p.side), date::fromYmd(year, 1, 2), 0, p.amount, QStringLiteral("Plan pierwotny")});
            // A plan change in the autumn for the heaviest paragraph.
            if (p.symbol.endsWith(QLatin1String("4010")))
                plan->add({company, yearId, p.symbol, QString(p.side), date::fromYmd(year, 10, 15), 1, p.amount / 50,
                           QStringLiteral("Zwiększenie planu - uchwała rady gminy")});
        }
    }
    plan->finish();
}

} // namespace ksiega::db::demo
