#include "ledger/accounts/AccountsPrint.h"

namespace ksiega::ledger {

QString accountsStatementSet(int viewMode) {
    return viewMode == 1 ? QStringLiteral("KSIEGA_K_2") : QStringLiteral("KSIEGA_K_1");
}

std::optional<QString> accountsPrintTitle(int code) {
    switch (code) {
    case 61:
    case 68: return QStringLiteral("Zestawienie zapisów księgowych dla konta");
    case 64: return QStringLiteral("Zestawienie zapisów księgowych dla konta w walucie");
    case kAccountTurnoverStatementCode: return QStringLiteral("Zestawienie obrotów i sald dla konta");
    default: return std::nullopt;
    }
}

entries::LedgerPrintJob accountsPrintJob(const AccountsPrintInput& in, const QString& header) {
    entries::LedgerPrintJob job;
    job.parameters = QString::number(in.code) + QLatin1Char(',') + QString::number(in.range) + QLatin1Char(',') +
                     QString::number(in.listRow) + QLatin1Char(',') + QString::number(in.sortOrder) +
                     QStringLiteral(",1,Konto: ") + in.accountDisplay;
    job.filter = in.range == 2 ? entries::currentLineFilter(in.idPozDok, in.strona) : in.listFilter;
    job.header = header;
    return job;
}

} // namespace ksiega::ledger
