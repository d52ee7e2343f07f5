#include "printouts/accountreport/AccountRange.h"
#include "platform/runtime/CurrencyCode.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"

namespace ksiega::printouts {

QString AccountRange::text() const {
    return (account + QStringLiteral("  od ") + date::toDisplay(from) + QStringLiteral(" do ") + date::toDisplay(to)).left(60);
}

QString rangeEntryFilter(const AccountRange& range, DateKind kind, const QString& currency, int64_t fiscalYear) {
    const QString field = kind == DateKind::Posting ? QStringLiteral("PDU:data_biezaca") : QStringLiteral("PDU:data_dok_org");
    FilterBuilder f;
    f.add(fieldEquals(QStringLiteral("PDU:konto"), range.account));
    if (!isHomeCurrency(currency)) f.add(fieldEquals(QStringLiteral("PDU:waluta"), currency.trimmed().toUpper()));
    if (range.singleDay)
        f.add(fieldEquals(field, int64_t(range.from)));
    else
        f.add(field + QStringLiteral(">=") + QString::number(range.from))
            .add(field + QStringLiteral("<=") + QString::number(range.to));
    f.add(QStringLiteral("PDU:status=2")).add(QStringLiteral("PDU:czy_rk<>10"));
    f.add(fieldEquals(QStringLiteral("PDU:id_lata_obrot"), fiscalYear));
    return f.text();
}

} // namespace ksiega::printouts
