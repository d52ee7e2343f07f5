#include "printouts/accountreport/CashSummary.h"

namespace ksiega::printouts {

namespace {

SummaryRow row(const char* label, Money dt, Money ct, Money dtW, Money ctW) {
    SummaryRow r;
    r.label = QString::fromUtf8(label);
    r.obrotyDt = dt;
    r.obrotyCt = ct;
    const Balance pln = Balance::of(dt, ct);
    r.saldoDt = pln.dt;
    r.saldoCt = pln.ct;
    r.obrotyDtW = dtW;
    r.obrotyCtW = ctW;
    const Balance cur = Balance::of(dtW, ctW);
    r.saldoDtW = cur.dt;
    r.saldoCtW = cur.ct;
    return r;
}

} // namespace

CashSummary makeCashSummary(const CashAmounts& before, const CashAmounts& atEnd) {
    CashSummary s;
    s.carriedIn = row("Z przeniesienia", before[0], before[1], before[2], before[3]);
    s.total = row("Razem", atEnd[0] - before[0], atEnd[1] - before[1], atEnd[2] - before[2], atEnd[3] - before[3]);
    s.carriedOut = row("Do przeniesienia", s.carriedIn.obrotyDt + s.total.obrotyDt, s.carriedIn.obrotyCt + s.total.obrotyCt,
                       s.carriedIn.obrotyDtW + s.total.obrotyDtW, s.carriedIn.obrotyCtW + s.total.obrotyCtW);
    return s;
}

} // namespace ksiega::printouts
