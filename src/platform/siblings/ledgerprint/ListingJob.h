#pragma once
// One print job of the ledger print library: the three strings of WYDRUK_KSIEGA and what
// the library reads of the calling session. The library reads no session of its own:
// the caller copies these values in before the job starts, so the job never looks at
// globals that the window may change meanwhile.
#include "platform/report/ReportOutput.h"
#include "platform/siblings/ledgerprint/HandedRows.h"
#include "platform/runtime/Money.h"
#include <QString>
#include <QStringList>
#include <cstdint>

namespace ksiega::db {
class Database;
}

namespace ksiega::ledgerprint {

// Amounts carried in at the start of a cash, bank or account report ("Z przeniesienia"),
// as the report window has them in its summary.
struct BroughtForward {
    Money dt;
    Money ct;
};

struct ListingJob {
    // WYDRUK_KSIEGA(params, filter, heading)
    QString params;
    QString filter;    // a filter expression over the listing's view (prefixes allowed)
    QString heading;   // DANE_NAGLOWEK_WYDRUKU

    // the caller's session
    QString databaseUrl;            // the job opens its own connection on its worker thread
    int64_t company = 0;            // DANE_ID_FIRMY
    int64_t fiscalYear = 0;         // DANE_LATA_OBROTOWE
    int64_t userNumber = 0;         // DANE_ID_UZYTKOWNIKA_NR (marks of range 1)
    int64_t currentEntry = 0;       // id_dokument_pozycja of the list's current line (range 2)
    QString currency = QStringLiteral("PLN");
    bool budgetEdition = false;     // DANE_CZY_WERSJA_BUDZET: read the _BT view
    int64_t customerVariant = 0;    // >= 1: the alternative PLN set of OBROTY_I_SALDA
    QStringList companyLines;       // company name, addresses, tax number
    QStringList description;        // DANE_OPIS_PRN
    QString fiscalYearName;
    int printDate = 0;              // DANE_DATA_WYDRUKU
    bool shading = true;            // false with DANE_WYLACZ_SZAROSC
    BroughtForward broughtForward;
    // DANE_KOLEJKA_VAX: rows the window handed over (code 63 prints them instead of the
    // turnovers); null when the window handed none.
    std::shared_ptr<const HandedRows> handedRows;
    report::OutputChoice output;
};

} // namespace ksiega::ledgerprint
