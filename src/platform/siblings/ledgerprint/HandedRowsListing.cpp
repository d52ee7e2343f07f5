// The statement of code 63 over rows the window handed over: account, name and the eight
// amounts of each row as the window showed them. The parameters' title field carries the
// currency ("PLN,1"), which the description repeats. The rows are a tree (a synthetic
// account holds the sums of the accounts below it), so no column is totalled.
#include "platform/siblings/ledgerprint/ListingParts.h"

namespace ksiega::ledgerprint::detail {

PreparedListing handedRowsListing(const ListingJob& job, const ListingParameters& p) {
    using report::Column;
    PreparedListing out;
    ListingParameters described = p;
    const QString currency = p.titleLine.section(QChar(','), 0, 0).trimmed();
    described.titleLine = currency.isEmpty() ? QString() : QStringLiteral("Waluta: ") + currency;
    out.definition = baseDefinition(job, described, QStringLiteral("Wydruk_Bilans_Otwarcia"));
    auto money = [](const char* heading) {
        return Column::money(QString::fromUtf8(heading), 1.2, report::NoTotal);
    };
    out.definition.columns = {Column::text(QStringLiteral("Numer konta"), 1.6),
                              Column::text(QStringLiteral("Nazwa konta"), 2.6),
                              money("Saldo Dt"),
                              money("Saldo Ct"),
                              money("Kwota Dt"),
                              money("Kwota Ct"),
                              money("Saldo Dt\n/wal./"),
                              money("Saldo Ct\n/wal./"),
                              money("Kwota Dt\n/wal./"),
                              money("Kwota Ct\n/wal./")};
    std::shared_ptr<const HandedRows> rows = job.handedRows;
    out.source = [rows](report::RowSink& sink) {
        sink.setTotal(static_cast<long long>(rows->size()));
        for (const HandedRow& r : *rows) {
            const QString indent(2 * std::max(0, r.level - 1), QChar(' '));
            if (!sink.add(report::Row{indent + r.account, r.name, r.saldoDt, r.saldoCt, r.kwotaDt, r.kwotaCt,
                                      r.saldoDtW, r.saldoCtW, r.kwotaDtW, r.kwotaCtW}))
                return;
        }
    };
    return out;
}

} // namespace ksiega::ledgerprint::detail
