#pragma once
// The date pickers of the function library: KALENDARZ (one day, from a calendar) and
// GET_ZAKRES_DAT (two days). Days are day numbers; 0 = no date.
#include <QString>

namespace ksiega::pickers {

class DatePickers {
public:
    virtual ~DatePickers() = default;
    // The chosen day, or `day` unchanged when cancelled.
    virtual int KALENDARZ(int day) = 0;
    // Changes both days and returns true when the person confirmed.
    virtual bool GET_ZAKRES_DAT(int& from, int& to) = 0;
};

DatePickers& datePickers();
void replaceDatePickers(DatePickers* pickers);

// A range as the range window gives it back: an end left empty takes the other end's
// day, and ends given the wrong way round are swapped.
void normaliseDateRange(int& from, int& to);

} // namespace ksiega::pickers
