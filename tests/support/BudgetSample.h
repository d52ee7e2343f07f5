#pragma once
// A small budget ledger on LedgerFixture's company for the budget printouts' tests, and
// the figures of a symbol summed independently with plain SQL over BT_DANE, the ledger
// lines and BT_PLAN.
//
// Expenditure (W), fiscal year 2026:
//   801-80101-4010     100.00 Jan + 100.00 Mar (wydatek+koszt), plan 300.00 + change 100.00 (10 May): 50%
//   801-80101-4010-01  30.00 Mar (wydatek+zaangażowanie), plan 30.00: 100% (a detail under a detail)
//   801-80104-4210     200.00 booked 2 Apr, document dated 28 Mar (wydatek): no plan
//   852-85202-4300     plan 500.00 only
// Revenue (D): 756-75615-0310 75.50 Feb (dochód+wpływ), plan 151.00.
#include "platform/runtime/Date.h"
#include "support/LedgerFixture.h"
#include <QStringList>

namespace ksiega::test {

struct BudgetSample {
    LedgerFixture& f;
    int64_t movingDocument = 0;   // booked 2 Apr, dated 28 Mar

    explicit BudgetSample(LedgerFixture& fixture) : f(fixture) {
        line(1, "801-80101-4010", "100.00", 'W', Expenditure | Cost);
        line(3, "801-80101-4010", "100.00", 'W', Expenditure | Cost);
        line(3, "801-80101-4010-01", "30.00", 'W', Expenditure | Commitment);
        const int64_t moving = line(4, "801-80104-4210", "200.00", 'W', Expenditure);
        movingDocument = *f.db.scalarInt("select id_nag_dok from POZ_DOK where id_poz_dok=?", {moving});
        f.db.execute("update NAG_DOK set data_biezaca=?, data_dok_org=? where id_nag_dok=?",
                     {date::fromYmd(2026, 4, 2), date::fromYmd(2026, 3, 28), movingDocument});
        line(2, "756-75615-0310", "75.50", 'D', Revenue | Receipt);
        plan("801-80101-4010", 'W', date::fromYmd(2026, 1, 1), 0, "300.00");
        plan("801-80101-4010", 'W', date::fromYmd(2026, 5, 10), 1, "100.00");
        plan("801-80101-4010-01", 'W', date::fromYmd(2026, 1, 1), 0, "30.00");
        plan("852-85202-4300", 'W', date::fromYmd(2026, 1, 1), 0, "500.00");
        plan("756-75615-0310", 'D', date::fromYmd(2026, 1, 1), 0, "151.00");
    }

    int64_t line(int month, const char* symbol, const char* amount, char side, unsigned senses) {
        const int64_t doc = f.postIn2026(month, "401-01", "130-01", zl(amount));
        const int64_t id = *f.db.scalarInt("select max(id_poz_dok) from POZ_DOK where id_nag_dok=?", {doc});
        f.addBudgetLine(id, QString::fromUtf8(symbol), QChar(side), senses);
        return id;
    }
    void plan(const char* symbol, char side, int day, int change, const char* amount) {
        f.db.execute("insert into BT_PLAN (id_firmy, id_lata_obrot, bt_klasyfikacja, typ, data_planu, rodzaj_zmiany, kwota) "
                     "values (?, ?, ?, ?, ?, ?, ?)",
                     {f.company, f.year2026, QString::fromUtf8(symbol), QString(QChar(side)), day, change, zl(amount)});
    }
};

// Figures of a symbol (or, with subtree, of the symbol and all below it) by plain SQL.
struct PlainBudgetSums {
    db::Database& db;
    int64_t company;
    int64_t year;
    QString side;
    QString dateColumn = QStringLiteral("n.data_biezaca");

    QString symbolCondition(const QString& column, bool subtree) const {
        return subtree ? QStringLiteral("(%1=? or %1 like ?)").arg(column) : QStringLiteral("%1=?").arg(column);
    }
    db::Params symbolParams(const QString& symbol, bool subtree) const {
        if (subtree) return {symbol, symbol + QStringLiteral("-%")};
        return {symbol};
    }
    Money lines(const QString& symbol, bool subtree, const QString& flag, int from, int to) const {
        db::Params p{company, year, side, from, to};
        for (const auto& v : symbolParams(symbol, subtree)) p.push_back(v);
        return Money::fromMinor(
            db.scalarInt(QStringLiteral("select coalesce(sum(b.kwota),0) from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok "
                                        "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where b.id_firmy=? and b.id_lata_obrot=? "
                                        "and b.typ=? and b.%1=1 and %2>=? and %2<=? and ")
                             .arg(flag, dateColumn) +
                             symbolCondition(QStringLiteral("b.bt_klasyfikacja"), subtree),
                         p)
                .value_or(0));
    }
    Money plan(const QString& symbol, bool subtree, int to) const {
        db::Params p{company, year, side, to};
        for (const auto& v : symbolParams(symbol, subtree)) p.push_back(v);
        return Money::fromMinor(db.scalarInt(QStringLiteral("select coalesce(sum(kwota),0) from BT_PLAN where id_firmy=? and "
                                                            "id_lata_obrot=? and typ=? and data_planu<=? and ") +
                                                 symbolCondition(QStringLiteral("bt_klasyfikacja"), subtree),
                                             p)
                                    .value_or(0));
    }
};

} // namespace ksiega::test
