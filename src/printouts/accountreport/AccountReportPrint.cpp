#include "printouts/accountreport/AccountReportPrint.h"
#include "frame/SessionContext.h"
#include "ledger/accounts/EntriesFilter.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"

namespace ksiega::printouts {

using namespace report;

namespace {
// Column positions of the amounts.
constexpr int kDt = 4, kCt = 5, kDtW = 6, kCtW = 7;
} // namespace

ReportDefinition accountReportDefinition(AccountReportController& controller, int code, const CashSummary& summary) {
    const SessionContext& s = session();
    const bool currency = !controller.homeCurrency();
    ReportDefinition def;
    def.name = QStringLiteral("Raport_dla_konta");
    def.title = AccountReportController::reportTitle(code);
    for (const QString& line : {s.DANE_NAZWA_FIRMY, s.DANE_ADRES1_FIRMY, s.DANE_ADRES2_FIRMY})
        if (!line.trimmed().isEmpty()) def.heading << line.trimmed();
    def.description = controller.descriptionLines();
    def.shading = s.DANE_WYLACZ_SZAROSC == 0;
    const unsigned totals = PageTotal | FinalTotal;
    def.columns = {
        Column::text(QStringLiteral("Nr ewidencyjny"), 3),
        Column::text(controller.dateKind() == DateKind::Posting ? QStringLiteral("Data księg.") : QStringLiteral("Data dok."), 2,
                     Align::Right),
        Column::text(QStringLiteral("Nr dokumentu"), 3),
        Column::text(QStringLiteral("Opis pozycji"), currency ? 4 : 6),
        Column::money(QStringLiteral("Kwota Dt"), 2.5, totals),
        Column::money(QStringLiteral("Kwota Ct"), 2.5, totals),
    };
    if (currency) {
        def.columns.push_back(Column::money(QStringLiteral("Kwota Dt\n/wal./"), 2.5, totals));
        def.columns.push_back(Column::money(QStringLiteral("Kwota Ct\n/wal./"), 2.5, totals));
        def.orientation = Orientation::Landscape;
    }
    // After "Razem" (the range): what the account carried in, what it carries out, and the
    // balance of what it carries out.
    def.closingLines = [summary, currency](const std::vector<Money>&) {
        auto line = [currency](const SummaryRow& r, bool balance, const QString& label) {
            SummaryLine l;
            l.label = label;
            l.amounts[kDt] = balance ? r.saldoDt : r.obrotyDt;
            l.amounts[kCt] = balance ? r.saldoCt : r.obrotyCt;
            if (currency) {
                l.amounts[kDtW] = balance ? r.saldoDtW : r.obrotyDtW;
                l.amounts[kCtW] = balance ? r.saldoCtW : r.obrotyCtW;
            }
            return l;
        };
        return std::vector<SummaryLine>{line(summary.carriedIn, false, summary.carriedIn.label),
                                        line(summary.carriedOut, false, summary.carriedOut.label),
                                        line(summary.carriedOut, true, QStringLiteral("Saldo"))};
    };
    return def;
}

RowSource accountReportRows(db::Database& db, const AccountReportController& controller) {
    const QString filter = controller.entryFilter();
    const bool posting = controller.dateKind() == DateKind::Posting;
    const bool currency = !controller.homeCurrency();
    const QString view = ledger::entryViewName(session().DANE_CZY_WERSJA_BUDZET != 0);
    return [&db, filter, posting, currency, view](RowSink& sink) {
        if (filter.isEmpty()) return;
        const FilterTranslation where = translateFilter(filter);
        if (!where.ok()) throw db::DbError(where.error);
        const QString dateColumn = posting ? QStringLiteral("data_biezaca") : QStringLiteral("data_dok_org");
        const QString from = QStringLiteral(" from ") + view + QStringLiteral(" where ") + where.where;
        sink.setTotal(db.scalarInt(QStringLiteral("select count(*)") + from).value_or(0));
        db::Rows r = db.select(QStringLiteral("select nr_ewid_dok, ") + dateColumn +
                               QStringLiteral(", nr_dok_org, opis, kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w") + from +
                               QStringLiteral(" order by ") + dateColumn + QStringLiteral(", nr_ewid_dok, id_dokument_pozycja"));
        while (r.next()) {
            Row row{r.text(0), date::toDisplay(int(r.integer(1))), r.text(2), r.text(3),
                    Money::fromMinor(r.int64(4)), Money::fromMinor(r.int64(5))};
            if (currency) {
                row.emplace_back(Money::fromMinor(r.int64(6)));
                row.emplace_back(Money::fromMinor(r.int64(7)));
            }
            if (!sink.add(row)) return;
        }
    };
}

RunResult layoutAccountReport(db::Database& db, AccountReportController& controller, int code) {
    const CashSummary summary = controller.summary();
    return layoutReport(accountReportDefinition(controller, code, summary), accountReportRows(db, controller));
}

} // namespace ksiega::printouts
