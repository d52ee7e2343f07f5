#pragma once
// PARAM_PRN_BRO's rules: the print range ("Wszystkie" 0, "Zaznaczone" 1, "Pojedynczy" 2),
// the device (screen or printer) and the number of copies. It starts from the session's
// values and writes them back only when the person confirms; a cancel leaves them as
// they were.
#include <QStringList>
#include <cstdint>

namespace ksiega::print {

// The session globals the window reads and writes (the caller lends them).
struct PrintGlobals {
    uint8_t& DANE_ZAKRES_PRN;
    uint8_t& DANE_DRUKARKA_EKRAN;   // 0 screen (preview), 1 printer
    uint8_t& GGG_NUMCOPY;
};

inline constexpr int MAX_COPIES = 99;

class PrintRangeController {
public:
    explicit PrintRangeController(PrintGlobals globals);

    static QStringList rangeNames();   // "Wszystkie", "Zaznaczone", "Pojedynczy"

    int range() const { return m_range; }
    void setRange(int range);
    bool toPrinter() const { return m_toPrinter; }
    void setToPrinter(bool printer) { m_toPrinter = printer; }
    int copies() const { return m_copies; }
    void setCopies(int copies);

    // 1: the globals now hold the choice, print. 0: cancelled, globals untouched.
    int accept();
    int cancel() const { return 0; }

private:
    PrintGlobals m_globals;
    int m_range = 0;
    bool m_toPrinter = false;
    int m_copies = 1;
};

} // namespace ksiega::print
