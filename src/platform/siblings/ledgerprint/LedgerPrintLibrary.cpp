#include "platform/siblings/ledgerprint/LedgerPrintLibrary.h"
#include "platform/db/Database.h"
#include "platform/report/ReportRunner.h"
#include "platform/siblings/ledgerprint/LedgerListing.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <atomic>
#include <memory>

namespace ksiega::ledgerprint {

namespace {

class LedgerPrintStandIn : public LedgerPrintLibrary {
public:
    bool WYDRUK_KSIEGA(const ListingJob& job) override {
        // The rows are read on the report's worker thread with a connection of its own.
        auto own = std::make_shared<std::unique_ptr<db::Database>>();
        const QString url = job.databaseUrl;
        PreparedListing listing = prepareListing(job, [own, url]() -> db::Database& {
            if (!*own) *own = db::Database::open(url);
            return **own;
        });
        if (!listing.ok()) {
            ui::dialogs().warning(listing.error);
            return false;
        }
        const report::RunResult result = report::runReport(listing.definition, listing.source, ui::dialogs());
        if (result.document.pages.empty()) return false;
        return report::deliver(result.document, job.output).how != report::Delivered::NotDelivered;
    }
};

std::atomic<LedgerPrintLibrary*> g_replacement{nullptr};

} // namespace

LedgerPrintLibrary& ledgerPrintLibrary() {
    if (LedgerPrintLibrary* r = g_replacement.load()) return *r;
    static LedgerPrintStandIn standIn;
    return standIn;
}

void replaceLedgerPrintLibrary(LedgerPrintLibrary* library) { g_replacement.store(library); }

} // namespace ksiega::ledgerprint
