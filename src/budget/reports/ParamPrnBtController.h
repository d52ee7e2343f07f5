#pragma once
// The rules of "Parametry drukowania" (PARAM_PRN_BT): the module-wide budget print
// settings and the print globals of the session, their defaults on opening, which
// controls are offered for the chosen report, and what the buttons store.
#include "budget/reports/BudgetPrintSettings.h"
#include <QStringList>

namespace ksiega {
struct SessionContext;
}

namespace ksiega::budget {

class ParamPrnBtController {
public:
    static constexpr int kHeadingLength = 150;   // "Nagłówek"
    static constexpr int kDescriptionLength = 149;  // a line of "Opis"

    // Reads the module-wide settings and the session's print globals and applies the
    // opening rules for `report` (1..4).
    ParamPrnBtController(SessionContext& session, int64_t report);

    BudgetPrintSettings& settings() { return m_settings; }
    const BudgetPrintSettings& settings() const { return m_settings; }
    int64_t report() const { return m_report; }

    // "Drukuj podsumowania analityk": off disables the level option and sets it to 4.
    void setSubtotals(bool on);
    bool levelEnabled() const { return m_settings.BT_PRN_CZY_SYNTETYKI; }
    // The accounts/properties option belongs to the full classification report only.
    bool accountsOptionVisible() const { return m_report == 4; }

    uint8_t range = 0;       // DANE_ZAKRES_PRN
    QString heading;         // DANE_NAGLOWEK_WYDRUKU
    QString description;     // "Opis": lines of DANE_OPIS_PRN joined by new lines
    int printDate = 0;       // DANE_DATA_WYDRUKU
    bool wrap = false;       // mirrors BT_PRN_ZAWIJAJ_WIERSZE
    QString printerName;
    int copies = 1;          // "Ilość kopii"

    // "Drukuj" (toPrinter) or "Podgląd": stores the settings and globals; 1. Refuses
    // (returns 0 and sets error()) a range whose start lies after its end.
    uint8_t print(bool toPrinter);
    // "Anuluj": nothing is stored; 0.
    uint8_t cancel() { return 0; }
    const QString& error() const { return m_error; }

private:
    SessionContext& m_session;
    int64_t m_report;
    BudgetPrintSettings m_settings;
    QString m_error;
};

} // namespace ksiega::budget
