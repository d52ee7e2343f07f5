#include "ledger/periods/PeriodsPrint.h"

namespace ksiega::ledger {

std::optional<QString> periodsPrintTitle(int code) {
    switch (code) {
    case 61:
    case 68: return QStringLiteral("Zestawienie zapisów księgowych w okresie");
    case 63: return QStringLiteral("Zestawienie obrotów i sald w okresie");
    case kCurrencyListingCode: return QStringLiteral("Zestawienie zapisów księgowych w okresie w walucie");
    default: return std::nullopt;
    }
}

entries::LedgerPrintJob periodsPrintJob(const PeriodsPrintInput& in, const QString& header) {
    entries::LedgerPrintJob job;
    job.parameters = QStringLiteral("%1,%2,%3,%4,0,%5")
                         .arg(in.code)
                         .arg(in.range)
                         .arg(in.sortChoice)
                         .arg(in.descending ? 1 : 0)
                         .arg(in.titleLine);
    job.filter = in.range == 2 ? entries::currentLineFilter(in.idPozDok, in.strona)
                               : in.listFilter;
    job.header = header;
    return job;
}

} // namespace ksiega::ledger
