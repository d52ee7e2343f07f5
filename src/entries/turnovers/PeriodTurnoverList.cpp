#include "entries/turnovers/PeriodTurnoverList.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/MonthNames.h"
#include "platform/server/AccountTurnovers.h"

namespace ksiega::entries {

void PeriodTurnoverList::rebuild(const PeriodTurnoverQuery& query) {
    m_rows.clear();
    m_runningDt = m_runningCt = Money();
    const int startYear = date::year(query.poczatekRoku), startMonth = date::month(query.poczatekRoku);
    const int endYear = date::year(query.koniecRoku), endMonth = date::month(query.koniecRoku);
    const bool withYear = startYear != endYear;

    addRow(query, QStringLiteral("BO"), date::fromYmd(startYear, startMonth, 1));
    int year = startYear, month = startMonth;
    // BO and at most 24 months: the month rows stop when the list holds 25 rows.
    while ((year < endYear || (year == endYear && month <= endMonth)) && int(m_rows.size()) <= kMaxMonthRows) {
        addRow(query, periodMonthLabel(year, month, withYear), date::monthPeriod(year, month));
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    addRow(query, QStringLiteral("BZ"), date::fromYmd(endYear, endMonth, 28));
}

void PeriodTurnoverList::addRow(const PeriodTurnoverQuery& query, QString okres, int dataOkresu) {
    PeriodTurnoverRow row;
    row.okres = std::move(okres);
    row.dataOkresu = dataOkresu;
    if (!query.konto.isEmpty()) {
        const server::AccountTurnover t = server::OBLICZ_OBROTY_DLA_KONTA(
            m_db, query.idFirmy, query.idLataObrot, dataOkresu, query.waluta.trimmed().isEmpty() ? QStringLiteral("PLN") : query.waluta,
            query.konto, query.calyNumer ? 1 : 0, query.customerVariant >= 1 ? 0 : 1);
        row.obrotyDt = t.obrotyDt;
        row.obrotyCt = t.obrotyCt;
        row.saldoDt = t.saldoDt;
        row.saldoCt = t.saldoCt;
    }
    m_runningDt += row.obrotyDt;
    m_runningCt += row.obrotyCt;
    row.narastajacoDt = m_runningDt;
    row.narastajacoCt = m_runningCt;
    m_rows.push_back(std::move(row));
}

} // namespace ksiega::entries
