// `ksiega report WYDRUK_KSIEGA --params P --filter F --title T [--currency X] [--entry N]
//  --pdf FILE | --text FILE`: a listing of the ledger print library for the session the
// command loaded (company, year, user).
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "host/report/ReportTargets.h"
#include "platform/siblings/ledgerprint/LedgerListing.h"

namespace ksiega::host {

namespace {

ReportTargetResult ledgerListingTarget(const Arguments& args) {
    const SessionContext& s = session();
    ledgerprint::ListingJob job;
    job.params = args.option(QStringLiteral("params"), QString());
    job.filter = args.option(QStringLiteral("filter"), QString());
    job.heading = args.option(QStringLiteral("title"), s.DANE_NAGLOWEK_WYDRUKU);
    if (job.params.isEmpty()) return ReportTargetResult::failed(QStringLiteral("--params is required"));
    job.company = s.DANE_ID_FIRMY;
    job.fiscalYear = s.DANE_LATA_OBROTOWE;
    job.userNumber = s.DANE_ID_UZYTKOWNIKA_NR;
    job.currentEntry = args.option(QStringLiteral("entry"), QStringLiteral("0")).toLongLong();
    job.currency = args.option(QStringLiteral("currency"), s.activeCurrency()).toUpper();
    job.budgetEdition = s.DANE_CZY_WERSJA_BUDZET != 0;
    job.customerVariant = s.customerVariant;
    for (const QString& line : {s.DANE_NAZWA_FIRMY, s.DANE_ADRES1_FIRMY, s.DANE_ADRES2_FIRMY})
        if (!line.trimmed().isEmpty()) job.companyLines << line.trimmed();
    if (!s.DANE_NIP_FIRMY.trimmed().isEmpty()) job.companyLines << QStringLiteral("NIP: ") + s.DANE_NIP_FIRMY.trimmed();
    job.description = s.DANE_OPIS_PRN;
    job.fiscalYearName = s.DANE_LATA_OBROT_NAZWA;
    job.printDate = s.DANE_DATA_WYDRUKU != 0 ? s.DANE_DATA_WYDRUKU : s.DANE_DATA_BIEZACA;
    job.shading = s.DANE_WYLACZ_SZAROSC == 0;

    const report::RunResult result = ledgerprint::layoutListing(job, moduleDatabase());
    if (!result.error.isEmpty() && result.document.pages.empty()) return ReportTargetResult::failed(result.error);
    return ReportTargetResult::pages(result.document);
}

} // namespace

KSIEGA_REPORT_TARGET("WYDRUK_KSIEGA", ledgerListingTarget,
                     QStringList{QStringLiteral("params"), QStringLiteral("filter"), QStringLiteral("title"),
                                 QStringLiteral("currency"), QStringLiteral("entry")},
                     QStringLiteral("--params CODE,RANGE,A,B,FLAG,TITLE [--filter F] [--title T] [--currency X] "
                                    "[--entry ID]"));

} // namespace ksiega::host
