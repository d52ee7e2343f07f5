#include "platform/siblings/print/PrintRangeController.h"
#include <algorithm>

namespace ksiega::print {

PrintRangeController::PrintRangeController(PrintGlobals globals) : m_globals(globals) {
    setRange(globals.DANE_ZAKRES_PRN);
    m_toPrinter = globals.DANE_DRUKARKA_EKRAN != 0;
    setCopies(globals.GGG_NUMCOPY);
}

QStringList PrintRangeController::rangeNames() {
    return {QStringLiteral("Wszystkie"), QStringLiteral("Zaznaczone"), QStringLiteral("Pojedynczy")};
}

void PrintRangeController::setRange(int range) { m_range = (range >= 0 && range <= 2) ? range : 0; }

void PrintRangeController::setCopies(int copies) { m_copies = std::clamp(copies, 1, MAX_COPIES); }

int PrintRangeController::accept() {
    m_globals.DANE_ZAKRES_PRN = uint8_t(m_range);
    m_globals.DANE_DRUKARKA_EKRAN = m_toPrinter ? 1 : 0;
    m_globals.GGG_NUMCOPY = uint8_t(m_copies);
    return 1;
}

} // namespace ksiega::print
