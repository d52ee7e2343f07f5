// The entry listings: every line of the entry view under the caller's filter, in posting
// date order, with page totals, carried totals and "Razem". The cash, bank and account
// reports print what was carried in above "Razem" and what is carried out below it.
#include "platform/db/Database.h"
#include "platform/report/Texts.h"
#include "platform/runtime/Date.h"
#include "platform/siblings/ledgerprint/ListingParts.h"

namespace ksiega::ledgerprint::detail {

namespace {

using report::Align;
using report::Column;

QString reportName(ListingKind kind) {
    switch (kind) {
    case ListingKind::CurrencyEntries: return QStringLiteral("Wydruk_Ksiega_Waluta");
    case ListingKind::AccountReport: return QStringLiteral("Wydruk_Raport_Konto");
    case ListingKind::CashReport: return QStringLiteral("Wydruk_Raport_Kasowy");
    case ListingKind::BankReport: return QStringLiteral("Wydruk_Raport_Bankowy");
    default: return QStringLiteral("Wydruk_Ksiega");
    }
}

bool isCashBook(ListingKind kind) {
    return kind == ListingKind::AccountReport || kind == ListingKind::CashReport || kind == ListingKind::BankReport;
}

// The conditions of the job besides the filter, with their bound values.
struct Scope {
    QString where;
    db::Params params;
};

Scope scopeOf(const ListingJob& job, const ListingParameters& p, const QString& filterWhere) {
    Scope s;
    s.where = QStringLiteral("id_firmy = ? AND id_lata_obrot = ?");
    s.params = {job.company, job.fiscalYear};
    if (!filterWhere.isEmpty()) s.where += QStringLiteral(" AND (") + filterWhere + QStringLiteral(")");
    if (p.range == 1) {
        s.where += QStringLiteral(" AND id_dokument_pozycja IN (SELECT id_elementu FROM ZAZNACZENIE"
                                  " WHERE id_uzytkownika = ? AND id_browsera = ?)");
        s.params.push_back(job.userNumber);
        s.params.push_back(int64_t(p.marksBrowser()));
    } else if (p.range == 2 && job.currentEntry != 0) {
        s.where += QStringLiteral(" AND id_dokument_pozycja = ?");
        s.params.push_back(job.currentEntry);
    }
    return s;
}

// The order of the lines: what the calling list was sorted by, as the parameters say.
struct ListingSort {
    QString column;
    bool descending = false;
};

// The account, cash and bank reports of a range of document dates show and sort by them.
bool byDocumentDate(const ListingParameters& p) { return isCashBook(p.kind) && p.first == 2; }

ListingSort listingSort(const ListingParameters& p) {
    if (isCashBook(p.kind)) {
        // a: 1 posting date, 2 document date, 3 register number, 4 document number; b: descending.
        switch (p.first) {
        case 2: return {QStringLiteral("data_dok_org"), p.second == 1};
        case 3: return {QStringLiteral("nr_ewid_dok"), p.second == 1};
        case 4: return {QStringLiteral("coalesce(nr_dok_org, '')"), p.second == 1};
        default: return {QStringLiteral("data_biezaca"), p.second == 1};
        }
    }
    if (p.flag != 0) return {QStringLiteral("data_biezaca"), false};   // a, b: the caller's row and sort order
    // The ledger by periods: a is its sort choice, b its direction.
    // Texts that may be missing sort as empty on both engines.
    static const char* const columns[] = {"nr_ewid_dok",  "data_wplywu", "coalesce(nr_dok_org, '')", "data_biezaca",
                                          "data_dok_org", "konto",       "coalesce(sygnatura, '')",  "coalesce(opis, '')"};
    const QString column = p.first >= 1 && p.first <= 8 ? QString::fromLatin1(columns[p.first - 1]) : QStringLiteral("data_biezaca");
    return {column, p.second == 1};
}

} // namespace

PreparedListing entryListing(const ListingJob& job, const ListingParameters& p, const QString& filterWhere,
                             ConnectionProvider connection) {
    PreparedListing out;
    out.definition = baseDefinition(job, p, reportName(p.kind));
    report::ReportDefinition& def = out.definition;
    const bool currency = p.inCurrency();
    const bool both = p.kind == ListingKind::CurrencyEntries;
    def.columns = {Column::text(QStringLiteral("Lp."), 0.8, Align::Right),
                   Column::text(byDocumentDate(p) ? QStringLiteral("Data dok.") : QStringLiteral("Data księg."), 1.5),
                   Column::text(QStringLiteral("Nr ewidencyjny"), 2.2),
                   Column::text(QStringLiteral("Nr dokumentu"), 2.2),
                   Column::text(QStringLiteral("Konto"), 1.8),
                   Column::text(QStringLiteral("Opis pozycji"), 3.5)};
    const int firstAmount = int(def.columns.size());
    if (both) {
        def.orientation = report::Orientation::Landscape;
        def.columns.push_back(Column::text(QStringLiteral("Waluta"), 0.8));
        def.columns.push_back(Column::money(QStringLiteral("Kwota Dt"), 2));
        def.columns.push_back(Column::money(QStringLiteral("Kwota Ct"), 2));
        def.columns.push_back(Column::money(QStringLiteral("Kwota Dt\n/wal./"), 2));
        def.columns.push_back(Column::money(QStringLiteral("Kwota Ct\n/wal./"), 2));
    } else if (currency) {
        def.columns.push_back(Column::money(QStringLiteral("Kwota Dt\n/wal./"), 2));
        def.columns.push_back(Column::money(QStringLiteral("Kwota Ct\n/wal./"), 2));
    } else {
        def.columns.push_back(Column::money(QStringLiteral("Kwota Dt"), 2));
        def.columns.push_back(Column::money(QStringLiteral("Kwota Ct"), 2));
    }

    if (isCashBook(p.kind)) {
        // Around "Razem": what was carried in before it; what is carried out and its
        // balance after it.
        const int dtColumn = firstAmount, ctColumn = firstAmount + 1;
        const BroughtForward in = job.broughtForward;
        def.carriedIn = {{dtColumn, in.dt}, {ctColumn, in.ct}};
        def.closingLines = [in, dtColumn, ctColumn](const std::vector<Money>& totals) {
            const Money outDt = in.dt + totals[dtColumn], outCt = in.ct + totals[ctColumn];
            const Balance balance = Balance::of(outDt, outCt);
            return std::vector<report::SummaryLine>{
                {report::Z_PRZENIESIENIA, {{dtColumn, in.dt}, {ctColumn, in.ct}}, true},
                {report::DO_PRZENIESIENIA, {{dtColumn, outDt}, {ctColumn, outCt}}},
                {QStringLiteral("Saldo"), {{dtColumn, balance.dt}, {ctColumn, balance.ct}}},
            };
        };
    }

    const QString view = job.budgetEdition ? QStringLiteral("POZ_DOK_VIEW_UNION_BT") : QStringLiteral("POZ_DOK_VIEW_UNION");
    const Scope scope = scopeOf(job, p, filterWhere);
    const ListingSort sort = listingSort(p);
    const QString dateColumn = byDocumentDate(p) ? QStringLiteral("data_dok_org") : QStringLiteral("data_biezaca");
    out.source = [view, scope, sort, dateColumn, both, currency, connection](report::RowSink& sink) {
        db::Database& db = connection();
        sink.setTotal(db.scalarInt(QStringLiteral("SELECT count(*) FROM ") + view + QStringLiteral(" WHERE ") + scope.where,
                                   scope.params)
                          .value_or(0));
        // One statement, its rows streamed to the layout as they come.
        const QString direction = sort.descending ? QStringLiteral(" DESC") : QString();
        db::Rows rows = db.select(
            QStringLiteral("SELECT id_dokument_pozycja, ") + dateColumn + QStringLiteral(", nr_ewid_dok, nr_dok_org, konto, opis, waluta,"
                           " kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w FROM ") +
                view + QStringLiteral(" WHERE ") + scope.where + QStringLiteral(" ORDER BY ") + sort.column + direction +
                QStringLiteral(", data_biezaca") + direction + QStringLiteral(", id_dokument_pozycja") + direction,
            scope.params);
        long long number = 0;
        while (rows.next()) {
            report::Row row{QString::number(++number), date::toDisplay(int(rows.int64(1))), rows.text(2).trimmed(),
                            rows.text(3).trimmed(), rows.text(4).trimmed(), rows.text(5).trimmed()};
            if (both) {
                const QString waluta = rows.text(6).trimmed();
                row.push_back(waluta.isEmpty() ? QStringLiteral("PLN") : waluta);
                row.insert(row.end(), {rows.money(7), rows.money(8), rows.money(9), rows.money(10)});
            } else if (currency) {
                row.insert(row.end(), {rows.money(9), rows.money(10)});
            } else {
                row.insert(row.end(), {rows.money(7), rows.money(8)});
            }
            if (!sink.add(row)) return;
        }
    };
    return out;
}

} // namespace ksiega::ledgerprint::detail
