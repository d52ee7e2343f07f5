#include "budget/export/ExportFigures.h"
#include "budget/export/ExportCodes.h"
#include <QRegularExpression>
#include <map>

namespace ksiega::budget {

namespace {

// Symbols listed in the refusal at most; the rest are counted.
constexpr int kListedSymbols = 20;

class SymbolShape {
public:
    explicit SymbolShape(const QString& separator) {
        if (separator.size() == 1) {
            const QString s = QRegularExpression::escape(separator);
            m_shape.setPattern(QStringLiteral("^[0-9]{3}%1[0-9]{5}%1[0-9]{4}(%1.+)?$").arg(s));
        }
    }
    bool matches(const QString& symbol) const { return m_shape.isValid() && !m_shape.pattern().isEmpty() && m_shape.match(symbol).hasMatch(); }

private:
    QRegularExpression m_shape;
};

} // namespace

std::vector<ExportSymbolFigures> gatherFigures(db::Database& db, const ExportScope& scope, const QString& side, int from, int to,
                                         const QString& sqlFilter) {
    const bool expenditure = side == QLatin1String("W");
    const QString first = expenditure ? QStringLiteral("rodzaj_wy") : QStringLiteral("rodzaj_d");
    const QString second = expenditure ? QStringLiteral("rodzaj_z") : QStringLiteral("rodzaj_wp");
    const QString filter = sqlFilter.trimmed();

    std::map<QString, ExportSymbolFigures> bySymbol;
    QStringList malformed;
    const SymbolShape shape(scope.separator);
    auto entry = [&](const QString& symbol) -> ExportSymbolFigures* {
        if (!shape.matches(symbol)) {
            if (!malformed.contains(symbol)) malformed << symbol;
            return nullptr;
        }
        const QString key = symbol.left(14);
        ExportSymbolFigures& f = bySymbol[key];
        if (f.symbol.isEmpty()) {
            f.symbol = key;
            f.dzial = key.mid(0, 3);
            f.rozdzial = key.mid(4, 5);
            f.paragraf = key.mid(10, 4);
        }
        return &f;
    };

    // Both statements read one snapshot: the plan and the lines of the same moment.
    db::Transaction tx(db);

    // The symbols of the period's lines and both execution sums, the person's filter applied
    // to the sums as to the list.
    db::Rows lines = db.select(QStringLiteral("select bt_klasyfikacja, sum(case when %1=1 then kwota else 0 end), "
                                              "sum(case when %2=1 then kwota else 0 end) from BT_VIEW "
                                              "where id_firmy=? and id_lata_obrot=? and typ=? and data_biezaca>=? and data_biezaca<=?%3 "
                                              "group by bt_klasyfikacja")
                                   .arg(first, second, filter.isEmpty() ? QString() : QStringLiteral(" and (%1)").arg(filter)),
                               {scope.idFirmy, scope.idLataObrot, side, from, to});
    while (lines.next()) {
        if (ExportSymbolFigures* f = entry(lines.text(0))) {
            f->execution += lines.money(1);
            f->second += lines.money(2);
        }
    }

    // Every symbol of the year's plan, with the plan in force at the end of the period: the
    // adopted plan and the changes dated up to then.
    db::Rows plan = db.select(QStringLiteral("select bt_klasyfikacja, sum(case when data_planu<=? then kwota else 0 end) from BT_PLAN "
                                             "where id_firmy=? and id_lata_obrot=? and typ=? group by bt_klasyfikacja"),
                              {to, scope.idFirmy, scope.idLataObrot, side});
    while (plan.next()) {
        if (ExportSymbolFigures* f = entry(plan.text(0))) f->plan += plan.money(1);
    }
    tx.commit();

    if (!malformed.isEmpty()) {
        malformed.sort();
        QStringList shown = malformed.mid(0, kListedSymbols);
        for (QString& s : shown) s = QStringLiteral("\"%1\"").arg(s);
        QString text = QStringLiteral("Symbole klasyfikacji budżetowej bez postaci dział%1rozdział%1paragraf:|%2")
                           .arg(scope.separator, shown.join(QStringLiteral(", ")));
        if (malformed.size() > kListedSymbols) text += QStringLiteral(" i %1 innych").arg(malformed.size() - kListedSymbols);
        throw ExportRefused(text + QStringLiteral(".|Eksport nie został wykonany."));
    }

    std::vector<ExportSymbolFigures> figures;
    figures.reserve(bySymbol.size());
    for (auto& [key, f] : bySymbol) figures.push_back(std::move(f));
    return figures;
}

Money roundAmount(Money amount, ExportRounding rounding) {
    switch (rounding) {
    case ExportRounding::None: return amount;
    case ExportRounding::Whole: return Money::fromWhole(int64_t(roundedQuotient(amount.minor(), 100, Rounding::HalfUp)));
    case ExportRounding::Truncate: return Money::fromWhole(int64_t(roundedQuotient(amount.minor(), 100, Rounding::Down)));
    }
    return amount;
}

} // namespace ksiega::budget
