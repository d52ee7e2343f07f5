#include "platform/server/budget/BudgetReportData.h"
#include <QHash>
#include <map>
#include <stdexcept>

namespace ksiega::server {

std::array<QString, 3> budgetSenseColumns(const QString& side) {
    if (side == QLatin1String("W")) return {QStringLiteral("rodzaj_wy"), QStringLiteral("rodzaj_k"), QStringLiteral("rodzaj_z")};
    if (side == QLatin1String("D")) return {QStringLiteral("rodzaj_d"), QStringLiteral("rodzaj_wp"), QString()};
    throw std::invalid_argument("budget side must be W or D");
}

QString budgetDateColumn(BudgetDateBasis basis) {
    return basis == BudgetDateBasis::Document ? QStringLiteral("data_dok_org") : QStringLiteral("data_biezaca");
}

namespace {

// BT_VIEW's rows with BT_DANE read from start to end rather than through an index; the
// columns are those of the view (07_budget.sql), so a record filter reads the same here.
QString budgetLinesReadInFull(db::Database& db) {
    return QStringLiteral(
               "(SELECT b.id_bt_dane, b.id_firmy, b.id_lata_obrot, p.id_nag_dok, b.id_poz_dok, b.bt_klasyfikacja, b.typ, "
               "b.rodzaj_wy, b.rodzaj_k, b.rodzaj_z, b.rodzaj_x, b.rodzaj_d, b.rodzaj_wp, b.kwota, p.konto_wn, p.konto_ma, "
               "n.nr_ewid_dok, n.nr_dok_org, p.lp AS nr_poz_dok, n.data_biezaca, n.data_dok_org, p.data_okresu, "
               "n.id_paczka, n.id_typ_dok, p.opis AS tresc_poz_dok, p.status, p.czy_rk "
               "FROM %1 JOIN POZ_DOK p ON p.id_poz_dok = b.id_poz_dok JOIN NAG_DOK n ON n.id_nag_dok = p.id_nag_dok) v")
        .arg(db.dialect().unindexed(QStringLiteral("BT_DANE b")));
}

} // namespace

std::vector<BudgetSymbolFigures> budgetSymbolFigures(db::Database& db, const BudgetFiguresRequest& r) {
    const std::array<QString, 3> flags = budgetSenseColumns(r.side);
    const QString date = budgetDateColumn(r.basis);

    // One grouped pass: three accumulated and three period sums per symbol.
    QStringList sums;
    db::Params params;
    for (const QString& f : flags)
        sums << (f.isEmpty() ? QStringLiteral("0") : QStringLiteral("sum(case when %1=1 then kwota else 0 end)").arg(f));
    for (const QString& f : flags) {
        if (f.isEmpty()) {
            sums << QStringLiteral("0");
            continue;
        }
        sums << QStringLiteral("sum(case when %1=1 and %2>=? then kwota else 0 end)").arg(f, date);
        params.push_back(r.from);
    }
    // A report over the whole classification reads the budget lines from start to end (each
    // line's ledger line and document then lie close by); a condition on the classification
    // keeps the view and its index.
    const QString source = r.planCondition.trimmed().isEmpty() ? budgetLinesReadInFull(db) : QStringLiteral("BT_VIEW");
    QString sql = QStringLiteral("select bt_klasyfikacja, ") + sums.join(QStringLiteral(", ")) +
                  QStringLiteral(" from %1 where id_firmy=? and id_lata_obrot=? and typ=? and %2<=?").arg(source, date);
    params.insert(params.end(), {r.company, r.year, r.side, r.to});
    if (!r.where.trimmed().isEmpty()) {
        sql += QStringLiteral(" and (") + r.where + ')';
        params.insert(params.end(), r.whereParams.begin(), r.whereParams.end());
    }
    sql += QStringLiteral(" group by bt_klasyfikacja");

    std::map<QString, BudgetSymbolFigures> bySymbol;
    db::Rows lines = db.select(sql, params);
    while (lines.next()) {
        BudgetSymbolFigures f;
        f.symbol = lines.text(0);
        f.hasLines = true;
        for (int i = 0; i < 3; ++i) {
            f.accumulated[size_t(i)] = lines.money(1 + i);
            f.period[size_t(i)] = lines.money(4 + i);
        }
        bySymbol.emplace(f.symbol, std::move(f));
    }

    // One grouped plan query: the plan after changes up to the end day, per symbol.
    QString planSql = QStringLiteral("select bt_klasyfikacja, sum(kwota) from BT_PLAN where id_firmy=? and id_lata_obrot=? "
                                     "and typ=? and data_planu<=?");
    db::Params planParams{r.company, r.year, r.side, r.to};
    if (r.withPlan && !r.planCondition.trimmed().isEmpty()) {
        planSql += QStringLiteral(" and (") + r.planCondition + ')';
        planParams.insert(planParams.end(), r.planParams.begin(), r.planParams.end());
    }
    planSql += QStringLiteral(" group by bt_klasyfikacja");
    db::Rows plan = db.select(planSql, planParams);
    while (plan.next()) {
        const QString symbol = plan.text(0);
        auto it = bySymbol.find(symbol);
        if (it == bySymbol.end()) {
            if (!r.withPlan) continue;
            BudgetSymbolFigures f;
            f.symbol = symbol;
            it = bySymbol.emplace(symbol, std::move(f)).first;
        }
        it->second.plan = plan.money(1);
    }
    if (r.withPlan) {
        // Plan symbols whose rows all lie after the end day still belong to the list.
        QString listSql = QStringLiteral("select distinct bt_klasyfikacja from BT_PLAN where id_firmy=? and id_lata_obrot=? and typ=?");
        db::Params listParams{r.company, r.year, r.side};
        if (!r.planCondition.trimmed().isEmpty()) {
            listSql += QStringLiteral(" and (") + r.planCondition + ')';
            listParams.insert(listParams.end(), r.planParams.begin(), r.planParams.end());
        }
        db::Rows symbols = db.select(listSql, listParams);
        while (symbols.next()) {
            const QString symbol = symbols.text(0);
            if (!bySymbol.count(symbol)) bySymbol.emplace(symbol, BudgetSymbolFigures{symbol, {}, false, {}, {}, {}});
        }
    }

    const ClassificationNames names(db, r.company, r.nameDate, r.side, r.separator);
    std::vector<BudgetSymbolFigures> out;
    out.reserve(bySymbol.size());
    for (auto& [symbol, f] : bySymbol) {
        f.name = names.ofSymbol(symbol);
        out.push_back(std::move(f));
    }
    return out;
}

ClassificationNames::ClassificationNames(db::Database& db, int64_t company, int date, const QString& side,
                                         const QString& separator)
    : m_separator(separator.isEmpty() ? QStringLiteral("-") : separator) {
    // Later rows win: the latest data_od (then the latest row) in force on the day.
    db::Rows r = db.select(QStringLiteral("select symbol, nazwa from KLASYFIKACJA_BUDZETOWA where id_firmy=? "
                                          "and (typ='' or typ=?) and data_od<=? and (data_do=0 or data_do>=?) "
                                          "order by data_od asc, id_klasyfikacji asc"),
                           {company, side, date, date});
    while (r.next()) m_names.insert(r.text(0), r.text(1));
}

QString ClassificationNames::ofPrefix(const QString& prefix) const {
    QString s = prefix.trimmed();
    if (s.endsWith(m_separator)) s.chop(m_separator.size());
    return m_names.value(s);
}

QString ClassificationNames::ofSymbol(const QString& symbol) const {
    QString s = symbol.trimmed();
    if (s.endsWith(m_separator)) return ofPrefix(s);
    QString name = m_names.value(s);
    if (name.isEmpty() && s.count(m_separator) >= 3) name = m_names.value(s.split(m_separator).mid(0, 3).join(m_separator));
    return name;
}

} // namespace ksiega::server
