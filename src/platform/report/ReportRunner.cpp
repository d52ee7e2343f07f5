#include "platform/report/ReportRunner.h"
#include "platform/report/ReportLayout.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QCoreApplication>
#include <QThread>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace ksiega::report {

class ReportRunnerAccess {
public:
    static RowSink make(ReportLayout& layout) { return RowSink(layout); }
    static long long done(const RowSink& sink) { return sink.m_done.load(); }
    static long long total(const RowSink& sink) { return sink.m_total.load(); }
    static void stop(RowSink& sink) { sink.m_stop = true; }
};

bool RowSink::add(const Row& row) {
    if (m_stop.load()) return false;
    m_layout.addRow(row);
    ++m_done;
    return true;
}

namespace {

QString runSource(const RowSource& source, RowSink& sink) {
    try {
        source(sink);
        return {};
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Nieznany błąd");
    }
}

int percentOf(long long done, long long total) {
    if (total <= 0) return 0;
    return int(std::min<long long>(100, done * 100 / total));
}

} // namespace

RunResult runReport(const ReportDefinition& definition, const RowSource& source, ui::Dialogs& dialogs) {
    ReportLayout layout(definition);
    layout.begin();
    RowSink sink = ReportRunnerAccess::make(layout);

    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    QString error;
    auto progress = dialogs.progress(ui::PROSZE_CZEKAC, definition.title, true);
    std::thread worker([&] {
        QString e = runSource(source, sink);
        std::lock_guard lock(mutex);
        error = std::move(e);
        done = true;
        finished.notify_all();
    });

    const bool onEventThread = QCoreApplication::instance() &&
                               QThread::currentThread() == QCoreApplication::instance()->thread();
    bool stopped = false;
    for (;;) {
        {
            std::unique_lock lock(mutex);
            if (finished.wait_for(lock, std::chrono::milliseconds(25), [&] { return done; })) break;
        }
        progress->setValue(percentOf(ReportRunnerAccess::done(sink), ReportRunnerAccess::total(sink)));
        if (!stopped && progress->cancelled()) {
            ReportRunnerAccess::stop(sink);
            stopped = true;
        }
        if (onEventThread) QCoreApplication::processEvents();
    }
    worker.join();
    if (!stopped) progress->setValue(100);
    progress.reset();

    RunResult result;
    // A stopped or failed report ends with its last page, without "Razem" and
    // "Koniec wydruku": those would claim a whole report.
    const bool complete = error.isEmpty() && !stopped;
    result.document = layout.finish(complete);
    result.error = error;
    if (!error.isEmpty()) dialogs.warning(error);
    return result;
}

RunResult layoutReport(const ReportDefinition& definition, const RowSource& source) {
    ReportLayout layout(definition);
    layout.begin();
    RowSink sink = ReportRunnerAccess::make(layout);
    RunResult result;
    result.error = runSource(source, sink);
    result.document = layout.finish(result.error.isEmpty());
    return result;
}

} // namespace ksiega::report
