#include "printouts/accountledger/AccountLedgerReport.h"
#include "platform/runtime/Date.h"

namespace ksiega::printouts {

using namespace report;

QStringList accountLedgerDescription(const SessionContext& session, const entries::AccountPeriodQueue& queue,
                                     uint8_t noAccountName, const AccountNameLookup& lookupName) {
    QStringList lines;
    if (session.customerVariant < 1) lines << QStringLiteral("Wydruk operacyjny do użytku wewnętrznego");
    const QString waluta = queue.waluta.trimmed().isEmpty() ? QStringLiteral("PLN") : queue.waluta.trimmed();
    lines << QStringLiteral("Waluta: ") + waluta;
    QString konto = QStringLiteral("Konto: ") + queue.konto.trimmed();
    if (noAccountName == 0 && !queue.konto.trimmed().isEmpty() && lookupName) {
        const std::optional<QString> name = lookupName(queue.konto.trimmed());
        if (name && !name->trimmed().isEmpty()) konto += QStringLiteral("  ") + name->trimmed();
    }
    lines << konto.left(kTitleLength);
    for (const QString& line : session.DANE_OPIS_PRN) lines << line.left(kTitleLength);
    return lines;
}

ReportDefinition accountLedgerDefinition(const SessionContext& session, const entries::AccountPeriodQueue& queue,
                                         const QString& title, uint8_t noAccountName,
                                         const AccountNameLookup& lookupName) {
    ReportDefinition def;
    def.name = QStringLiteral("Prn_62_Ksiega_K");
    def.title = title.left(kTitleLength);
    for (const QString& line : {session.DANE_NAZWA_FIRMY, session.DANE_ADRES1_FIRMY, session.DANE_ADRES2_FIRMY})
        if (!line.trimmed().isEmpty()) def.heading << line.trimmed();
    if (!session.DANE_NIP_FIRMY.trimmed().isEmpty()) def.heading << QStringLiteral("NIP: ") + session.DANE_NIP_FIRMY.trimmed();
    def.heading << QStringLiteral("Rok obrotowy: ") + session.DANE_LATA_OBROT_NAZWA.trimmed();
    def.heading << QStringLiteral("Data wydruku: ") + date::toDisplay(session.DANE_DATA_WYDRUKU);
    def.description = accountLedgerDescription(session, queue, noAccountName, lookupName);
    def.pageHeading = session.DANE_NAGLOWEK_STRONY.trimmed();
    def.shading = session.DANE_WYLACZ_SZAROSC == 0;
    def.pageTotalsRunning = true;

    const unsigned where = PageTotal | FinalTotal;
    def.columns = {
        Column::text(QStringLiteral("Okres obrachunkowy"), 3.2),
        Column::money(QStringLiteral("Obroty w okresie\nDt"), 2, where),
        Column::money(QStringLiteral("Obroty w okresie\nCt"), 2, where),
        Column::money(QStringLiteral("Obroty narastająco\nDt"), 2, where, TotalMode::LastValue),
        Column::money(QStringLiteral("Obroty narastająco\nCt"), 2, where, TotalMode::LastValue),
        Column::money(QStringLiteral("Saldo\nDt"), 2, where, TotalMode::LastValue),
        Column::money(QStringLiteral("Saldo\nCt"), 2, where, TotalMode::LastValue),
    };
    def.closingLines = [](const std::vector<Money>& totals) {
        return std::vector<SummaryLine>{persaldo(totals, SaldoDt, SaldoCt)};
    };
    return def;
}

Row accountLedgerRow(const entries::PeriodTurnoverRow& r) {
    return {r.okres, r.obrotyDt, r.obrotyCt, r.narastajacoDt, r.narastajacoCt, r.saldoDt, r.saldoCt};
}

void feedAccountLedgerRows(const std::vector<entries::PeriodTurnoverRow>& rows, RowSink& sink) {
    sink.setTotal(static_cast<long long>(rows.size()));
    for (const auto& r : rows)
        if (!sink.add(accountLedgerRow(r))) return;
}

} // namespace ksiega::printouts
