// PRN_62_KSIEGA_K: the account ledger printout of the account period-turnover queue, and
// its thread entry PRN_62_KSIEGA_K_THREAD.
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "platform/report/Report.h"
#include "platform/server/Accounts.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "printouts/accountledger/AccountLedgerReport.h"
#include "entries/print/LedgerListingStart.h"
#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <ksiega/ksiega.h>

namespace ksiega {

namespace {

bool onGuiThread() {
    auto* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

} // namespace

void PRN_62_KSIEGA_K(const QString& title, uint8_t noAccountName) {
    SessionContext& s = session();
    const entries::AccountPeriodQueue queue = entries::accountPeriodQueue();
    const int64_t firm = s.DANE_ID_FIRMY, year = s.DANE_LATA_OBROTOWE;
    // The account text is bound as a parameter of the name look-up.
    const report::ReportDefinition def = printouts::accountLedgerDefinition(
        s, queue, title, noAccountName,
        [&](const QString& konto) { return server::USTAL_NAZWE_KONTA(moduleDatabase(), firm, year, konto); });
    s.DANE_OPIS_PRN.clear();

    const auto source = [&](report::RowSink& sink) { printouts::feedAccountLedgerRows(queue.rows, sink); };
    if (onGuiThread()) {
        const report::RunResult result = report::runReport(def, source, ui::dialogs());
        report::deliver(result.document, entries::sessionOutputChoice(s));
        return;
    }
    // On a thread of its own the pages are laid out here and shown by the GUI thread:
    // windows can only live there.
    report::RunResult result = report::layoutReport(def, source);
    auto* app = QCoreApplication::instance();
    if (!app) return;
    QMetaObject::invokeMethod(
        app, [document = std::move(result.document)] { report::deliver(document, entries::sessionOutputChoice(session())); },
        Qt::QueuedConnection);
}

void PRN_62_KSIEGA_K_THREAD(const QString& byteText) {
    bool ok = false;
    const int value = byteText.trimmed().toInt(&ok);
    PRN_62_KSIEGA_K(session().DANE_NAGLOWEK_WYDRUKU, ok ? uint8_t(value) : uint8_t(0));
}

} // namespace ksiega
