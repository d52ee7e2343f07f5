#include "platform/siblings/budget/BudgetClassificationInfo.h"
#include "platform/server/budget/BudgetFunctions.h"

namespace ksiega::siblings {

namespace {

// A LIKE pattern for the symbols below `symbol`, its wildcards taken literally.
QString below(const QString& symbol, const QString& separator) {
    QString escaped;
    for (QChar c : symbol + separator) {
        if (c == '\\' || c == '%' || c == '_') escaped += '\\';
        escaped += c;
    }
    return escaped + '%';
}

} // namespace

QStringList classificationDescription(db::Database& db, int64_t company, const QString& side, const QString& symbol, int date,
                                      const QString& separator) {
    static const char* const levels[] = {"Dział", "Rozdział", "Paragraf", "Pozycja"};
    const QString sep = separator.isEmpty() ? QStringLiteral("-") : separator;
    const QStringList parts = symbol.trimmed().split(sep, Qt::SkipEmptyParts);
    QStringList out;
    for (int level = 0; level < parts.size() && level < 4; ++level) {
        const QString prefix = parts.mid(0, level + 1).join(sep);
        const QString name = level < 3 ? server::TG_Klasyfikacja_Info(db, company, prefix, date, sep, side, level)
                                       : server::TG_Klasyfikacja_Info(db, company, prefix, date, sep, side, 3);
        out << QStringLiteral("%1 %2: %3").arg(QString::fromUtf8(levels[level]), parts.at(level),
                                                name.isEmpty() ? QStringLiteral("<brak opisu>") : name);
    }
    return out;
}

PlanSummary planSummary(db::Database& db, int64_t company, int64_t year, const QString& side, const QString& symbol, int date,
                        const QString& separator) {
    const QString sep = separator.isEmpty() ? QStringLiteral("-") : separator;
    const QString s = symbol.trimmed();
    const db::Params scope{company, year, side, s, below(s, sep)};
    const QString symbolCondition = QStringLiteral("(bt_klasyfikacja=? or bt_klasyfikacja like ? escape '\\')");
    PlanSummary p;
    db::Rows r = db.select(QStringLiteral("select coalesce(sum(case when rodzaj_zmiany=0 then kwota else 0 end),0), "
                                          "coalesce(sum(case when rodzaj_zmiany<>0 then kwota else 0 end),0) from BT_PLAN "
                                          "where id_firmy=? and id_lata_obrot=? and typ=? and ") + symbolCondition +
                               QStringLiteral(" and data_planu<=?"),
                           {company, year, side, s, below(s, sep), date});
    if (r.next()) {
        p.adopted = Money::fromMinor(r.int64(0));
        p.changes = Money::fromMinor(r.int64(1));
    }
    p.afterChanges = server::TG_BT_Plan_Sub(db, company, 0, date, s, side, 2, sep);
    const QStringList flags = side == QStringLiteral("D") ? QStringList{"rodzaj_d", "rodzaj_wp", "rodzaj_x"}
                                                          : QStringList{"rodzaj_wy", "rodzaj_k", "rodzaj_z", "rodzaj_x"};
    QStringList sums;
    for (const QString& f : flags) sums << QStringLiteral("coalesce(sum(case when %1=1 then kwota else 0 end),0)").arg(f);
    db::Rows e = db.select(QStringLiteral("select ") + sums.join(QStringLiteral(", ")) +
                               QStringLiteral(" from BT_DANE where id_firmy=? and id_lata_obrot=? and typ=? and ") + symbolCondition,
                           scope);
    if (e.next())
        for (int i = 0; i < flags.size(); ++i) p.executed[size_t(i)] = Money::fromMinor(e.int64(i));
    return p;
}

QStringList PlanSummary::lines(const QString& side) const {
    QStringList out{QStringLiteral("Plan pierwotny: %1").arg(adopted.toDisplay()), QStringLiteral("Zmiany planu: %1").arg(changes.toDisplay()),
                    QStringLiteral("Plan po zmianach: %1").arg(afterChanges.toDisplay())};
    const QStringList labels = side == QStringLiteral("D") ? QStringList{"Dochód", "Wpływ", "Środki pieniężne"}
                                                           : QStringList{"Wydatek", "Koszt", "Zaangażowanie", "Środki pieniężne"};
    for (int i = 0; i < labels.size(); ++i) out << QStringLiteral("%1: %2").arg(labels.at(i), executed[size_t(i)].toDisplay());
    return out;
}

} // namespace ksiega::siblings
