#include "budget/reports/BudgetReportThreads.h"
#include "entries/print/LedgerListingStart.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace ksiega::budget {

namespace {

// The progress window of a report being prepared: caption and text.
const QString kPreparing = QStringLiteral("Przygotowanie danych do wydruku...");
const QString kPleaseWait = QStringLiteral("Proszę czekać. Trwa przygotowanie danych do wydruku.");

std::mutex g_lock;
std::condition_variable g_idle;
int g_running = 0;
BudgetReportDelivery g_delivery;

void deliverOnGui(const BudgetReportResult& result) {
    BudgetReportDelivery delivery;
    {
        std::lock_guard guard(g_lock);
        delivery = g_delivery;
    }
    if (delivery) {
        delivery(result);
        return;
    }
    if (!result.document) {
        ui::dialogs().warning(QStringLiteral("Wydruk nie został przygotowany: ") + result.error);
        return;
    }
    report::deliver(*result.document, entries::sessionOutputChoice(session()));
}

void finished() {
    std::lock_guard guard(g_lock);
    --g_running;
    g_idle.notify_all();
}

BudgetReportResult run(db::Database& db, const BudgetPrintJob& job) {
    if (job.prepareForms) {
        const PreparedClassification forms =
            prepareForms(db, job.report.scope, job.report.settings, job.report.side, job.report.filter, 50);
        if (!forms.ok()) return {std::nullopt, forms.error};
        const QString error = fillFormColumnsStandIn(db, job.report.scope, forms, 50);
        if (!error.isEmpty()) return {std::nullopt, error};
    }
    return layOutBudgetReport(db, job.report);
}

} // namespace

void setBudgetReportDelivery(BudgetReportDelivery delivery) {
    std::lock_guard guard(g_lock);
    g_delivery = std::move(delivery);
}

void startBudgetReport(BudgetPrintJob job) {
    auto* app = QCoreApplication::instance();
    if (!app || job.databaseUrl.isEmpty()) {
        deliverOnGui(run(moduleDatabase(), job));
        return;
    }
    {
        std::lock_guard guard(g_lock);
        ++g_running;
    }
    // Shown on the GUI thread until the pages are delivered.
    std::shared_ptr<ui::Progress> progress(ui::dialogs().progress(kPreparing + '|' + kPleaseWait, ui::TITLE_INFORMACJA, false).release());
    if (progress) progress->setValue(10);
    std::thread([job = std::move(job), app, progress] {
        BudgetReportResult result;
        try {
            auto db = db::Database::open(job.databaseUrl);
            result = run(*db, job);
        } catch (const std::exception& e) {
            result = {std::nullopt, QString::fromUtf8(e.what())};
        }
        QMetaObject::invokeMethod(
            app, [result = std::move(result), progress]() mutable {
                if (progress) progress->setValue(100);
                progress.reset();
                deliverOnGui(result);
                finished();
            },
            Qt::QueuedConnection);
    }).detach();
}

void waitForBudgetReports() {
    auto* app = QCoreApplication::instance();
    const bool onGui = app && QThread::currentThread() == app->thread();
    std::unique_lock lock(g_lock);
    while (g_running > 0) {
        if (onGui) {
            lock.unlock();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            lock.lock();
        } else {
            g_idle.wait_for(lock, std::chrono::milliseconds(20));
        }
    }
}

BudgetPrintJob sessionBudgetJob(int report, uint8_t range, uint8_t sort, bool descending, const QString& filter,
                                const QString& side, const QString& heading) {
    SessionContext& s = session();
    BudgetPrintJob job;
    job.databaseUrl = s.databaseUrl;
    BudgetReportJob& r = job.report;
    r.report = report;
    r.range = range;
    r.sortOrder = sort;
    r.descending = descending;
    r.filter = filter;
    r.side = side.trimmed().toUpper();
    r.heading = heading;
    r.settings = budgetPrintSettings();
    r.scope = BudgetScope::of(s);
    r.description = s.DANE_OPIS_PRN;
    s.DANE_OPIS_PRN.clear();
    return job;
}

} // namespace ksiega::budget
