#include "budget/reports/BudgetPreparation.h"
#include "frame/SessionContext.h"
#include "platform/db/DbError.h"
#include "platform/runtime/FilterExpression.h"
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace ksiega::budget {

BudgetScope BudgetScope::of(const SessionContext& s) {
    BudgetScope scope;
    scope.company = s.DANE_ID_FIRMY;
    scope.year = s.DANE_LATA_OBROTOWE;
    scope.user = s.DANE_ID_UZYTKOWNIKA_NR;
    scope.yearStart = s.DANE_POCZATEK_ROKU;
    scope.yearEnd = s.DANE_KONIEC_ROKU;
    scope.printDate = s.DANE_DATA_WYDRUKU ? s.DANE_DATA_WYDRUKU : s.DANE_DATA_BIEZACA;
    scope.separator = s.GGG_BT_SEPARATOR.isEmpty() ? QStringLiteral("-") : s.GGG_BT_SEPARATOR;
    return scope;
}

namespace {

server::BudgetDateBasis basisOf(const BudgetPrintSettings& settings) {
    return settings.BT_PRN_KONTEKST_DATY == 0 ? server::BudgetDateBasis::Booking : server::BudgetDateBasis::Document;
}

QString checkedSide(const QString& side) {
    const QString s = side.trimmed().toUpper();
    if (s != QLatin1String("W") && s != QLatin1String("D")) throw std::invalid_argument("side must be W or D");
    return s;
}

// The classification condition of a record filter ("BTV:BT_KLASYFIKACJA='801-80101-4010'"
// or "... like '801%'"), as a bound condition on BT_PLAN's column; empty when there is none.
void planConditionOf(const QString& filter, QString& condition, db::Params& params) {
    static const QRegularExpression re(QStringLiteral("BT_KLASYFIKACJA\\s*(=|\\blike\\b)\\s*'((?:[^']|'')*)'"),
                                       QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(filter);
    if (!m.hasMatch()) return;
    const bool like = m.captured(1).compare(QLatin1String("like"), Qt::CaseInsensitive) == 0;
    condition = like ? QStringLiteral("bt_klasyfikacja like ?") : QStringLiteral("bt_klasyfikacja = ?");
    params.push_back(m.captured(2).replace(QStringLiteral("''"), QStringLiteral("'")));
}

QString translated(const QString& filter, QString& error) {
    if (filter.trimmed().isEmpty()) return {};
    const FilterTranslation t = translateFilter(filter);
    if (!t.ok()) error = t.error;
    return t.where;
}

server::BudgetFiguresRequest requestOf(const BudgetScope& scope, const BudgetPrintSettings& settings, const QString& side,
                                       const QString& where) {
    server::BudgetFiguresRequest r;
    r.company = scope.company;
    r.year = scope.year;
    r.side = side;
    r.from = settings.BT_PRN_DATA_OD ? settings.BT_PRN_DATA_OD : scope.yearStart;
    r.to = settings.BT_PRN_DATA_DO ? settings.BT_PRN_DATA_DO : scope.yearEnd;
    r.basis = basisOf(settings);
    r.where = where;
    r.nameDate = scope.printDate;
    r.separator = scope.separator;
    return r;
}

// The request of a printout's figures: the side checked, the person's filter translated;
// nothing (and the reason in `error`) when the filter does not translate.
std::optional<server::BudgetFiguresRequest> requestFor(const BudgetScope& scope, const BudgetPrintSettings& settings,
                                                       const QString& sideText, const QString& filter, QString& error) {
    const QString side = checkedSide(sideText);
    const QString where = translated(filter, error);
    if (!error.isEmpty()) return std::nullopt;
    return requestOf(scope, settings, side, where);
}

} // namespace

RecordFilter budgetRecordFilter(const BudgetPrintSettings& settings, const QString& filter, int report) {
    RecordFilter out;
    const QString where = translated(filter, out.error);
    if (!out.ok()) return out;
    const QString date = server::budgetDateColumn(basisOf(settings));
    QStringList parts;
    if (!where.isEmpty()) parts << '(' + where + ')';
    // Dates are whole day numbers written by the program, never text of the person.
    if (report == 1 || report == 3) parts << QStringLiteral("%1>=%2").arg(date).arg(settings.BT_PRN_DATA_OD);
    parts << QStringLiteral("%1<=%2").arg(date).arg(settings.BT_PRN_DATA_DO);
    out.where = parts.join(QStringLiteral(" AND "));
    return out;
}

PreparedClassification prepareClassification(db::Database& db, const BudgetScope& scope, const BudgetPrintSettings& settings,
                                             const QString& sideText, const QString& filter, int report) {
    PreparedClassification out;
    try {
        std::optional<server::BudgetFiguresRequest> request = requestFor(scope, settings, sideText, filter, out.error);
        if (!request) return out;
        server::BudgetFiguresRequest& r = *request;
        r.withPlan = settings.BT_PRN_CZY_PLAN || report == 1;
        planConditionOf(filter, r.planCondition, r.planParams);
        std::vector<server::BudgetSymbolFigures> figures = server::budgetSymbolFigures(db, r);
        // A period that starts with the year is the accumulated figures (document dates of
        // lines booked in this year may lie before its first day).
        if (r.from <= scope.yearStart)
            for (auto& f : figures) f.period = f.accumulated;
        const server::ClassificationNames names(db, scope.company, scope.printDate, r.side, scope.separator);
        out.queue = classificationQueue(figures, scope.separator, &names);
    } catch (const std::exception& e) {
        out.queue.clear();
        out.error = QString::fromUtf8(e.what());
    }
    return out;
}

PreparedClassification prepareForms(db::Database& db, const BudgetScope& scope, const BudgetPrintSettings& settings,
                                    const QString& sideText, const QString& filter, int variant) {
    PreparedClassification out;
    try {
        std::optional<server::BudgetFiguresRequest> request = requestFor(scope, settings, sideText, filter, out.error);
        if (!request) return out;
        server::BudgetFiguresRequest& r = *request;
        // The plan of the fiscal year in which the period starts, of this company.
        const auto planYear = db.scalarInt(QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=? "
                                                          "and koniec_roku>=? order by koniec_roku asc limit 1"),
                                           {scope.company, r.from});
        r.withPlan = planYear.has_value() && *planYear == scope.year;
        std::vector<server::BudgetSymbolFigures> figures = server::budgetSymbolFigures(db, r);
        if (planYear && *planYear != scope.year) {
            server::BudgetFiguresRequest other = r;
            other.year = *planYear;
            other.where = QStringLiteral("1=0");   // its plan symbols only
            other.withPlan = true;
            for (auto& f : server::budgetSymbolFigures(db, other)) {
                auto it = std::lower_bound(figures.begin(), figures.end(), f.symbol,
                                           [](const auto& a, const QString& s) { return a.symbol < s; });
                if (it == figures.end() || it->symbol != f.symbol) figures.insert(it, std::move(f));
            }
        }
        if (r.from <= scope.yearStart)
            for (auto& f : figures) f.period = f.accumulated;
        for (const auto& f : figures) {
            ClassificationEntry e;
            e.symbol = f.symbol;
            e.name = f.name;
            e.hasLines = f.hasLines;
            e.figures.plan = f.plan;
            e.figures.accumulated = f.accumulated;
            e.figures.period = f.period;
            out.queue.push_back(std::move(e));
        }

        db::Transaction tx(db);
        db.execute(QStringLiteral("delete from ZESTAW_ZESTAW where id_uzytkownika=? and id_zestaw_nag=0 and wariant_zestaw=?"),
                   {scope.user, variant});
        int lp = 0;
        for (const ClassificationEntry& e : out.queue) {
            ++lp;
            const QStringList parts = e.symbol.split(scope.separator);
            db.execute(QStringLiteral("insert into ZESTAW_ZESTAW (symbol, opis, info, poziom, lp, id_uzytkownika, id_zestaw_nag, "
                                      "wariant_zestaw, kol1, kol2, kol3, kol4, kol5, kol6, kol7, kol8, kol1s, kol2s, kol3s) "
                                      "values (?, '', '', 0, ?, ?, 0, ?, 0, 0, 0, 0, 0, 0, 0, 0, ?, ?, ?)"),
                       {QString::number(lp), lp, scope.user, variant, parts.value(0), parts.value(1), parts.value(2)});
        }
        tx.commit();
    } catch (const std::exception& e) {
        out.queue.clear();
        out.error = QString::fromUtf8(e.what());
    }
    return out;
}

QString fillFormColumnsStandIn(db::Database& db, const BudgetScope& scope, const PreparedClassification& forms, int variant) {
    try {
        db::Transaction tx(db);
        int lp = 0;
        for (const ClassificationEntry& e : forms.queue) {
            ++lp;
            const ClassificationFigures& f = e.figures;
            db.execute(QStringLiteral("update ZESTAW_ZESTAW set kol1=?, kol2=?, kol3=?, kol4=?, kol5=0, kol6=?, kol7=0, kol8=0 "
                                      "where id_uzytkownika=? and id_zestaw_nag=0 and wariant_zestaw=? and lp=?"),
                       {f.plan, f.period[0], f.period[1], f.period[1], f.period[0] - f.period[1], scope.user, variant, lp});
        }
        tx.commit();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

} // namespace ksiega::budget
