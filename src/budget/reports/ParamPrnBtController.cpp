#include "budget/reports/ParamPrnBtController.h"
#include "frame/SessionContext.h"
#include "platform/runtime/Date.h"
#include <QDate>

namespace ksiega::budget {

ParamPrnBtController::ParamPrnBtController(SessionContext& s, int64_t report) : m_session(s), m_report(report) {
    m_settings = budgetPrintSettings();
    if (m_settings.BT_PRN_DATA_OD == 0) m_settings.BT_PRN_DATA_OD = s.DANE_POCZATEK_ROKU;
    if (m_settings.BT_PRN_DATA_DO == 0) {
        const QDate today = date::toQDate(s.DANE_DATA_BIEZACA);
        if (today.isValid()) m_settings.BT_PRN_DATA_DO = date::fromYmd(today.year(), today.month(), today.daysInMonth());
    }
    if (!m_settings.BT_PRN_CZY_SYNTETYKI) m_settings.BT_PRN_POZIOM = 4;
    if (m_settings.BT_PRN_POZIOM < 1 || m_settings.BT_PRN_POZIOM > 4) m_settings.BT_PRN_POZIOM = 4;
    range = s.DANE_ZAKRES_PRN;
    heading = s.DANE_NAGLOWEK_WYDRUKU.left(kHeadingLength);
    description = s.DANE_OPIS_PRN.join('\n');
    printDate = s.DANE_DATA_WYDRUKU ? s.DANE_DATA_WYDRUKU : s.DANE_DATA_BIEZACA;
    wrap = m_settings.BT_PRN_ZAWIJAJ_WIERSZE;
    copies = s.GGG_NUMCOPY > 0 ? s.GGG_NUMCOPY : 1;
}

void ParamPrnBtController::setSubtotals(bool on) {
    m_settings.BT_PRN_CZY_SYNTETYKI = on;
    if (!on) m_settings.BT_PRN_POZIOM = 4;
}

uint8_t ParamPrnBtController::print(bool toPrinter) {
    m_error.clear();
    if (m_settings.BT_PRN_DATA_OD > m_settings.BT_PRN_DATA_DO) {
        m_error = QStringLiteral("Data początkowa jest późniejsza niż data końcowa.");
        return 0;
    }
    m_settings.BT_PRN_ZAWIJAJ_WIERSZE = wrap;
    if (!m_settings.BT_PRN_CZY_SYNTETYKI) m_settings.BT_PRN_POZIOM = 4;
    setBudgetPrintSettings(m_settings);
    m_session.DANE_ZAKRES_PRN = range;
    m_session.DANE_NAGLOWEK_WYDRUKU = heading.left(kHeadingLength);
    QStringList lines;
    for (const QString& line : description.split('\n', Qt::SkipEmptyParts)) {
        // A long line continues on the next one rather than losing its end.
        QString rest = line;
        while (rest.size() > kDescriptionLength) {
            lines << rest.left(kDescriptionLength);
            rest = rest.mid(kDescriptionLength);
        }
        lines << rest;
    }
    m_session.DANE_OPIS_PRN = lines;
    m_session.DANE_DATA_WYDRUKU = printDate;
    m_session.DANE_DRUKARKA_EKRAN = toPrinter ? 1 : 0;
    m_session.GGG_NUMCOPY = uint8_t(std::clamp(copies, 1, 255));
    return 1;
}

} // namespace ksiega::budget
