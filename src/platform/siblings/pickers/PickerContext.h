#pragma once
// What a picker of a sibling library is given: the connection and the session's company,
// fiscal year, user number and working date. The pickers never read the module's
// globals; the caller hands them in and writes the answers back where the module keeps them.
#include "platform/db/Database.h"

namespace ksiega::pickers {

struct PickerContext {
    db::Database& db;
    int64_t company = 0;     // DANE_ID_FIRMY
    int64_t year = 0;        // DANE_LATA_OBROTOWE
    int64_t user = 0;        // DANE_ID_UZYTKOWNIKA_NR
    int today = 0;           // DANE_DATA_BIEZACA
};

} // namespace ksiega::pickers
