#pragma once
// What a ledger window hands to the ledger print library (WYDRUK_KSIEGA): the parameter
// string, the data filter and the heading (DANE_NAGLOWEK_WYDRUKU).
#include <QString>
#include "platform/runtime/Money.h"
#include <cstdint>

namespace ksiega::entries {

struct LedgerPrintJob {
    QString parameters;
    QString filter;
    QString header;
    // What a report carries in above its first line ("Z przeniesienia"), Dt and Ct.
    Money broughtForwardDt, broughtForwardCt;
};

// Print range 2 ("Pojedynczy") prints the one side of the current line.
inline QString currentLineFilter(int64_t idPozDok, int strona) {
    return QStringLiteral("PDU:id_poz_dok=%1 AND PDU:strona=%2").arg(idPozDok).arg(strona);
}

} // namespace ksiega::entries
