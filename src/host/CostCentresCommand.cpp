// ksiega cost-centres: the company's cost-centre splits as the "MPK" window lists them
// (read a page at a time), or with --summary the figures of its "Podsumowanie" tab, or
// with --by the same figures per value of one indicator; as CSV or JSON.
#include "costcentres/CostCentreFigures.h"
#include "host/BatchSession.h"
#include "host/ListRows.h"
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/ui/list/PagedListModel.h"
#include <QTextStream>

namespace ksiega::host {

namespace {

using costcentres::SplitFigures;
using costcentres::SplitSelection;

int limitArgument(const Arguments& args) {
    bool ok = false;
    const int n = args.option(QStringLiteral("limit"), QStringLiteral("100")).toInt(&ok);
    if (!ok || n < 0) throw UsageError(QStringLiteral("--limit must be a whole number, 0 or more"));
    return n;
}

// --by wskaznik_N: N, or 0 when not given.
int indicatorArgument(const Arguments& args) {
    if (!args.given(QStringLiteral("by"))) return 0;
    const QString by = args.option(QStringLiteral("by"), QString()).trimmed().toLower();
    for (int n = 1; n <= 5; ++n)
        if (by == QStringLiteral("wskaznik_%1").arg(n)) return n;
    throw UsageError(QStringLiteral("--by must be one of wskaznik_1 .. wskaznik_5"));
}

void writeSummary(QTextStream& out, MachineTable::Format format, const SplitFigures& f) {
    TextRowTable table(out, format, {QStringLiteral("label"), QStringLiteral("value")}, {false, true});
    table.add({QStringLiteral("Kwota Dt"), f.dt.toString()});
    table.add({QStringLiteral("Kwota Ct"), f.ct.toString()});
    table.add({QStringLiteral("Razem (Dt+Ct)"), f.both().toString()});
    table.add({QStringLiteral("Liczba zapisów"), QString::number(f.count)});
    table.finish();
}

void writeByIndicator(QTextStream& out, MachineTable::Format format, const std::vector<costcentres::IndicatorFigures>& rows) {
    TextRowTable table(out, format, {QStringLiteral("wskaznik"), QStringLiteral("kwota_dt"), QStringLiteral("kwota_ct"), QStringLiteral("liczba")},
                 {false, true, true, true});
    for (const costcentres::IndicatorFigures& r : rows)
        table.add({r.value, r.figures.dt.toString(), r.figures.ct.toString(), QString::number(r.figures.count)});
    table.finish();
}

// The list in the window's first order ("Data księg.", then the split's id), read a page
// at a time until `limit` rows are out.
void writeList(QTextStream& out, MachineTable::Format format, db::Database& db, const SplitSelection& selection, int limit) {
    using ui::ColumnKind;
    const ui::ListColumns columns = {
        {QStringLiteral("nr_ewid_dok"), QStringLiteral("nr_ewid_dok"), ColumnKind::Text, 20},
        {QStringLiteral("data_biezaca"), QStringLiteral("data_biezaca"), ColumnKind::Date, 10},
        {QStringLiteral("konto"), QStringLiteral("konto"), ColumnKind::Text, 15},
        {QStringLiteral("strona"), QStringLiteral("strona"), ColumnKind::Text, 2},
        {QStringLiteral("kwota"), QStringLiteral("kwota"), ColumnKind::Money, 14},
        {QStringLiteral("wskaznik_1"), QStringLiteral("wskaznik_1"), ColumnKind::Text, 15},
        {QStringLiteral("wskaznik_2"), QStringLiteral("wskaznik_2"), ColumnKind::Text, 15},
        {QStringLiteral("wskaznik_3"), QStringLiteral("wskaznik_3"), ColumnKind::Text, 15},
        {QStringLiteral("wskaznik_4"), QStringLiteral("wskaznik_4"), ColumnKind::Text, 15},
        {QStringLiteral("wskaznik_5"), QStringLiteral("wskaznik_5"), ColumnKind::Text, 15},
    };
    TextRowTable table = listRowTable(out, format, QStringLiteral("id_mpk_dane"), columns);

    ui::ListQuery q;
    q.source = QStringLiteral("MPK_VIEW");
    q.columns = columns;
    q.idColumn = QStringLiteral("id_mpk_dane");
    q.sort = ui::SortOrder::ascending(QStringLiteral("Data księg."), {QStringLiteral("data_biezaca")});
    q.ranges = {{QStringLiteral("id_firmy"), selection.company}};
    q.filter = {selection.condition(), selection.params()};
    ui::PagedListModel model(db, std::move(q));
    model.setPageSize(std::clamp(limit, 1, 500));
    writeListRows(model, columns, limit, table);
}

int costCentres(const Arguments& args) {
    const auto format = MachineTable::formatArgument(args);
    const int limit = limitArgument(args);
    const int indicator = indicatorArgument(args);
    const bool summary = args.flag(QStringLiteral("summary"));
    if (summary && indicator) throw UsageError(QStringLiteral("--summary and --by go one at a time"));
    const FilterTranslation filter = translateFilter(args.option(QStringLiteral("filter"), QString()));
    if (!filter.ok()) throw UsageError(QStringLiteral("--filter: %1").arg(filter.error));

    BatchSession batch(args, BatchSession::Missing::FirstCompany, BatchSession::Access::Read);
    SplitSelection selection;
    selection.company = batch.session().DANE_ID_FIRMY;
    selection.year = args.given(QStringLiteral("year")) ? batch.session().DANE_LATA_OBROTOWE : 0;
    selection.where = filter.where;

    QTextStream out(stdout);
    if (summary) writeSummary(out, format, costcentres::splitFigures(batch.db(), selection));
    else if (indicator) writeByIndicator(out, format, costcentres::splitFiguresBy(batch.db(), selection, indicator));
    else writeList(out, format, batch.db(), selection, limit);
    return 0;
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("cost-centres"),
                  QStringLiteral("the company's cost-centre splits as the MPK window lists them, the figures of its summary "
                                 "tab, or those figures per indicator value"),
                  QString(),
                  Options{options::database(), options::company().required(),
                          Option::value("year", "Y", "only this fiscal year, id_lata_obrot or its name (default: every year)"),
                          options::user(), options::workingDate(),
                          Option::value("filter", "EXPR", "a filter over the MPK: fields"),
                          Option::value("by", "wskaznik_1..wskaznik_5", "Dt, Ct and count per value of this indicator"),
                          Option::flag("summary", "the figures of the summary tab instead"),
                          Option::value("limit", "N", "at most N splits").defaultsTo("100"), options::format()},
                  costCentres);

} // namespace ksiega::host
