#include "ledger/periods/PeriodsFilter.h"
#include "frame/marks/SelectionStore.h"
#include "ledger/accounts/EntriesFilter.h"
#include "platform/runtime/CurrencyCode.h"
#include "platform/runtime/FilterExpression.h"

namespace ksiega::ledger {

namespace {

QString symbolOf(const QString& currency) {
    return CurrencyCode::of(currency).symbol();
}

PeriodsFilter entriesFilter(const PeriodsFilterInput& in) {
    const bool home = isHomeCurrency(in.currency);
    FilterBuilder b;
    if (in.periodDate == 0) {
        b.add(home ? QStringLiteral("PDU:waluta=''") : fieldEquals(QStringLiteral("PDU:waluta"), symbolOf(in.currency)));
    } else {
        b.add(fieldEquals(QStringLiteral("PDU:data_okresu"), int64_t(in.periodDate)));
        if (!home) b.add(fieldEquals(QStringLiteral("PDU:waluta"), symbolOf(in.currency)));
    }
    b.add(in.activeFilter.trimmed());
    if (in.customerVariant < 1) {
        b.add(QStringLiteral("PDU:status=2"));
        b.add(QStringLiteral("PDU:czy_rk<>10"));
    }
    if (in.showMarked) b.add(marks::markedOnlyCondition(in.userNumber, marks::BrowserLedgerByPeriods));

    PeriodsFilter out;
    QString body = b.text();
    if (body.size() >= kPeriodsFilterLimit) {
        out.tooLong = true;
        body = in.customerVariant < 1 ? QStringLiteral("PDU:status=2 AND PDU:czy_rk<>10") : QString();
    }
    FilterBuilder full;
    full.add(fieldEquals(QStringLiteral("PDU:id_lata_obrot"), in.fiscalYear));
    full.add(body);
    out.filter = full.text();
    out.rawFilter = WYTNIJ_PREFIX(out.filter);
    return out;
}

PeriodsFilter turnoverFilter(const PeriodsFilterInput& in) {
    FilterBuilder scope;
    scope.add(fieldEquals(QStringLiteral("OBR:ID_LATA_OBROT"), in.fiscalYear));
    scope.add(fieldEquals(QStringLiteral("OBR:SYM_WALUTY"), symbolOf(in.currency)));
    if (in.periodDate != 0) scope.add(fieldEquals(QStringLiteral("OBR:DATA_OKRESU"), int64_t(in.periodDate)));
    FilterBuilder b = scope;
    b.add(in.activeFilter.trimmed());

    PeriodsFilter out;
    out.filter = b.text();
    if (out.filter.size() >= kPeriodsFilterLimit) {
        out.tooLong = true;
        out.filter = scope.text();
    }
    out.rawFilter = WYTNIJ_PREFIX(out.filter);
    return out;
}

} // namespace

PeriodsFilter buildPeriodsFilter(const PeriodsFilterInput& in) {
    return in.viewMode == 1 ? turnoverFilter(in) : entriesFilter(in);
}

} // namespace ksiega::ledger
