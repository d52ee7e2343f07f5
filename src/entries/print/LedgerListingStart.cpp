#include "entries/print/LedgerListingStart.h"
#include "frame/lifecycle/ModuleState.h"
#include "ksiega/ksiega.h"
#include "platform/siblings/ledgerprint/LedgerPrintLibrary.h"
#include "platform/siblings/print/PrintLibrary.h"
#include "platform/siblings/statements/StatementsLibrary.h"
#include <QCoreApplication>
#include <QTimer>

namespace ksiega::entries {

ledgerprint::ListingJob sessionListingJob(SessionContext& s, const QString& params, const QString& filter,
                                          const QString& heading) {
    ledgerprint::ListingJob job;
    job.params = params;
    job.filter = filter;
    job.heading = heading;
    job.databaseUrl = s.databaseUrl;
    job.company = s.DANE_ID_FIRMY;
    job.fiscalYear = s.DANE_LATA_OBROTOWE;
    job.userNumber = s.DANE_ID_UZYTKOWNIKA_NR;
    job.currency = s.activeCurrency().toUpper();
    job.budgetEdition = s.DANE_CZY_WERSJA_BUDZET != 0;
    job.customerVariant = s.customerVariant;
    for (const QString& line : {s.DANE_NAZWA_FIRMY, s.DANE_ADRES1_FIRMY, s.DANE_ADRES2_FIRMY})
        if (!line.trimmed().isEmpty()) job.companyLines << line.trimmed();
    if (!s.DANE_NIP_FIRMY.trimmed().isEmpty()) job.companyLines << QStringLiteral("NIP: ") + s.DANE_NIP_FIRMY.trimmed();
    job.description = s.DANE_OPIS_PRN;
    s.DANE_OPIS_PRN.clear();
    if (!s.DANE_KOLEJKA_VAX.empty()) {
        job.handedRows = std::make_shared<const ledgerprint::HandedRows>(std::move(s.DANE_KOLEJKA_VAX));
        s.DANE_KOLEJKA_VAX.clear();
    }
    job.fiscalYearName = s.DANE_LATA_OBROT_NAZWA.trimmed();
    job.printDate = s.DANE_DATA_WYDRUKU != 0 ? s.DANE_DATA_WYDRUKU : s.DANE_DATA_BIEZACA;
    job.shading = s.DANE_WYLACZ_SZAROSC == 0;
    job.output = sessionOutputChoice(s);
    return job;
}

report::OutputChoice sessionOutputChoice(SessionContext& s) {
    report::OutputChoice choice;
    choice.toPrinter = s.DANE_DRUKARKA_EKRAN;
    choice.copies = s.GGG_NUMCOPY > 0 ? s.GGG_NUMCOPY : 1;
    choice.emailPdfSaveAs = &s.GGG_EMAILPDFSAVEAS;
    choice.settings = &moduleState().moduleSettings();
    return choice;
}

namespace {
// Runs f on the GUI thread after the current event: the window's handler returns first.
void later(std::function<void()> f) {
    if (auto* app = QCoreApplication::instance()) QTimer::singleShot(0, app, std::move(f));
    else f();
}
} // namespace

void startLedgerListing(ledgerprint::ListingJob job) {
    later([job = std::move(job)] { ledgerprint::ledgerPrintLibrary().WYDRUK_KSIEGA(job); });
}

void startAccountLedgerPrintout(const QString& noAccountName) {
    later([noAccountName] { PRN_62_KSIEGA_K_THREAD(noAccountName); });
}

int chooseStatement(const QString& set, QWidget* parent) {
    return statements::statementsLibrary().ZESTAWIENIA_CRS(set, parent);
}

bool askPrintRange(SessionContext& s, QWidget* parent) {
    return print::printLibrary().PARAM_PRN_BRO({s.DANE_ZAKRES_PRN, s.DANE_DRUKARKA_EKRAN, s.GGG_NUMCOPY}, parent) == 1;
}

} // namespace ksiega::entries
