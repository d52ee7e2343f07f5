// ksiega budget-entries: the budget lines of a company and side as the budget windows
// list them (read a page at a time), or with --summary the figures of their
// "Podsumowanie" tab, or with --by-classification the same figures per symbol or level,
// or with --next/--previous the symbol the window's "+"/"-" steps to, or with --describe
// the printouts' description lines of the filter; as CSV or JSON.
#include "budget/views/BudgetFilter.h"
#include "budget/views/BudgetSummary.h"
#include "budget/views/BudgetTexts.h"
#include "host/BatchSession.h"
#include "host/ListRows.h"
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "ksiega/ksiega.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/ui/list/PagedListModel.h"
#include <QTextStream>

namespace ksiega::host {

namespace {

using budget::BudgetFigures;
using budget::BudgetSide;

int wholeNumber(const Arguments& args, const char* name, const char* fallback, int min, int max) {
    bool ok = false;
    const int n = args.option(QString::fromLatin1(name), QString::fromLatin1(fallback)).toInt(&ok);
    if (!ok || n < min || n > max)
        throw UsageError(QStringLiteral("--%1 must be a whole number from %2 to %3").arg(QString::fromLatin1(name)).arg(min).arg(max));
    return n;
}

const BudgetSide& sideArgument(const Arguments& args) {
    const QString side = args.option(QStringLiteral("side"), QString()).trimmed().toUpper();
    if (side != QLatin1String("W") && side != QLatin1String("D")) throw UsageError(QStringLiteral("--side must be W or D"));
    return BudgetSide::of(side);
}

void writeSummary(QTextStream& out, MachineTable::Format format, const BudgetSide& side, const BudgetFigures& f) {
    TextRowTable table(out, format, {QStringLiteral("label"), QStringLiteral("value")}, {false, true});
    table.add({budget::texts::SUM_COUNT, QString::number(f.count)});
    table.add({budget::texts::SUM_TOTAL, f.total.toString()});
    for (size_t i = 0; i < side.summaryFlags.size(); ++i) table.add({side.summaryFlags[i].summaryLabel, f.flags[i].toString()});
    table.finish();
}

void writeBySymbol(QTextStream& out, MachineTable::Format format, const BudgetSide& side,
                   const std::vector<budget::SymbolFigures>& rows) {
    QStringList header{QStringLiteral("symbol"), QStringLiteral("liczba"), QStringLiteral("kwota")};
    QVector<bool> numeric{false, true, true};
    for (const budget::BudgetFlag& f : side.summaryFlags) {
        header << f.column;
        numeric << true;
    }
    TextRowTable table(out, format, header, numeric);
    for (const budget::SymbolFigures& r : rows) {
        QStringList values{r.symbol, QString::number(r.figures.count), r.figures.total.toString()};
        for (const Money& m : r.figures.flags) values << m.toString();
        table.add(values);
    }
    table.finish();
}

// The list in the window's first order ("Nr ewidencyjny", then the line's id), a page at a
// time until `limit` rows are out.
void writeList(QTextStream& out, MachineTable::Format format, db::Database& db, int64_t company, const QString& where, int limit) {
    using ui::ColumnKind;
    const ui::ListColumns columns = {
        {QStringLiteral("bt_klasyfikacja"), QStringLiteral("bt_klasyfikacja"), ColumnKind::Text, 20},
        {QStringLiteral("nr_ewid_dok"), QStringLiteral("nr_ewid_dok"), ColumnKind::Text, 20},
        {QStringLiteral("data_biezaca"), QStringLiteral("data_biezaca"), ColumnKind::Date, 10},
        {QStringLiteral("konto_wn"), QStringLiteral("konto_wn"), ColumnKind::Text, 15},
        {QStringLiteral("konto_ma"), QStringLiteral("konto_ma"), ColumnKind::Text, 15},
        {QStringLiteral("kwota"), QStringLiteral("kwota"), ColumnKind::Money, 14},
        {QStringLiteral("rodzaj_wy"), QStringLiteral("rodzaj_wy"), ColumnKind::Integer, 2},
        {QStringLiteral("rodzaj_k"), QStringLiteral("rodzaj_k"), ColumnKind::Integer, 2},
        {QStringLiteral("rodzaj_z"), QStringLiteral("rodzaj_z"), ColumnKind::Integer, 2},
        {QStringLiteral("rodzaj_x"), QStringLiteral("rodzaj_x"), ColumnKind::Integer, 2},
        {QStringLiteral("rodzaj_d"), QStringLiteral("rodzaj_d"), ColumnKind::Integer, 2},
        {QStringLiteral("rodzaj_wp"), QStringLiteral("rodzaj_wp"), ColumnKind::Integer, 2},
    };
    TextRowTable table = listRowTable(out, format, QStringLiteral("id_bt_dane"), columns);

    ui::ListQuery q;
    q.source = QStringLiteral("BT_VIEW");
    q.columns = columns;
    q.idColumn = QStringLiteral("id_bt_dane");
    q.sort = ui::SortOrder::ascending(QStringLiteral("Nr ewidencyjny"), {QStringLiteral("nr_ewid_dok")});
    q.ranges = {{QStringLiteral("id_firmy"), company}};
    q.filter = {where.isEmpty() ? QStringLiteral("1=1") : where, {}};
    ui::PagedListModel model(db, std::move(q));
    model.setPageSize(std::clamp(limit, 1, 500));
    writeListRows(model, columns, limit, table);
}

int budgetEntries(const Arguments& args) {
    const auto format = MachineTable::formatArgument(args);
    const BudgetSide& side = sideArgument(args);
    const int limit = wholeNumber(args, "limit", "100", 0, 1 << 30);
    const bool summary = args.flag(QStringLiteral("summary"));
    const bool bySymbol = args.flag(QStringLiteral("by-classification"));
    const int level = args.given(QStringLiteral("level")) ? wholeNumber(args, "level", "4", 1, 4) : 0;
    const bool next = args.given(QStringLiteral("next")), previous = args.given(QStringLiteral("previous"));
    const bool describe = args.flag(QStringLiteral("describe"));
    if (int(summary) + int(bySymbol) + int(next) + int(previous) + int(describe) > 1)
        throw UsageError(QStringLiteral("--summary, --by-classification, --next, --previous and --describe go one at a time"));
    if (level && !bySymbol) throw UsageError(QStringLiteral("--level goes with --by-classification"));
    const QString userFilter = args.option(QStringLiteral("filter"), QString()).trimmed();
    if (!translateFilter(userFilter).ok()) throw UsageError(QStringLiteral("--filter: %1").arg(translateFilter(userFilter).error));

    BatchSession batch(args, BatchSession::Missing::FirstCompany);
    SessionContext& session = batch.session();
    FilterBuilder user;
    if (args.given(QStringLiteral("year"))) user.add(QStringLiteral("BTV:ID_LATA_OBROT=%1").arg(session.DANE_LATA_OBROTOWE));
    if (!userFilter.isEmpty()) user.add(QStringLiteral("(") + userFilter + QStringLiteral(")"));
    budget::BudgetFilterParts parts;
    parts.company = session.DANE_ID_FIRMY;
    parts.side = side.code;
    parts.quickOrSaved = user.text();
    const budget::ComposedFilter composed = budget::composeBudgetFilter(parts);
    if (composed.anythingDropped()) throw UsageError(budget::texts::FILTER_TOO_LONG.section(QLatin1Char('|'), 0, 0));
    const FilterTranslation where = translateFilter(composed.filter);
    if (!where.ok()) throw UsageError(QStringLiteral("--filter: %1").arg(where.error));
    const budget::BudgetSummaryQuery query{session.DANE_ID_FIRMY, &side, where.where, !user.isEmpty()};

    QTextStream out(stdout);
    if (summary) {
        writeSummary(out, format, side, budget::budgetFigures(batch.db(), query));
    } else if (bySymbol) {
        writeBySymbol(out, format, side, budget::budgetFiguresBySymbol(batch.db(), query, level));
    } else if (next || previous) {
        const QString from = args.option(next ? QStringLiteral("next") : QStringLiteral("previous"), QString()).trimmed();
        // Past the last symbol the window keeps the one it stands on.
        const QString symbol = budget::adjacentSymbol(batch.db(), query, from, next).value_or(from);
        TextRowTable table(out, format, {QStringLiteral("symbol")}, {false});
        table.add({symbol});
        table.finish();
    } else if (describe) {
        session.DANE_OPIS_PRN.clear();
        OPISY_WYDRUKOW_KSIEGA(WYTNIJ_PREFIX(composed.filter));
        TextRowTable table(out, format, {QStringLiteral("opis")}, {false});
        for (const QString& line : session.DANE_OPIS_PRN) table.add({line});
        table.finish();
    } else {
        writeList(out, format, batch.db(), session.DANE_ID_FIRMY, where.where, limit);
    }
    return 0;
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("budget-entries"),
                  QStringLiteral("the budget lines of a company and side as the budget windows list them, the figures of "
                                 "their summary tab, those figures per classification symbol or level, the next or previous "
                                 "symbol, or the printouts' description lines of the filter"),
                  QString(),
                  Options{options::database(), options::company().required(),
                          Option::value("side", "W|D", "W expenditure, D revenue").required(),
                          Option::value("year", "Y", "only this fiscal year, id_lata_obrot or its name (default: every year)"),
                          options::user(), options::workingDate(),
                          Option::value("filter", "EXPR", "a filter over the BTV: fields"),
                          Option::flag("summary", "the figures of the summary tab instead"),
                          Option::flag("by-classification", "the figures per classification symbol"),
                          Option::value("level", "1..4", "with --by-classification: per dział (1) .. whole symbol (4)"),
                          Option::value("next", "SYMBOL", "the symbol after SYMBOL"),
                          Option::value("previous", "SYMBOL", "the symbol before SYMBOL"),
                          Option::flag("describe", "the printouts' description lines of the filter"),
                          Option::value("limit", "N", "at most N lines").defaultsTo("100"), options::format()},
                  budgetEntries);

} // namespace ksiega::host
