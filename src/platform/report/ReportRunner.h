#pragma once
// Runs a report's layout on a worker thread while the calling thread shows a progress
// window ("Anuluj" stops the layout; the pages laid out so far are kept and closed).
// The row source runs on the worker: a source that reads the database calls
// moduleDatabase() there and so gets the worker's own connection.
#include "platform/report/PageModel.h"
#include "platform/report/ReportDefinition.h"
#include <atomic>
#include <functional>

namespace ksiega::ui {
class Dialogs;
}

namespace ksiega::report {

class ReportLayout;

// What the row source hands its rows to.
class RowSink {
public:
    // How many rows the source expects (for the progress bar; 0 = unknown).
    void setTotal(long long rows) { m_total = rows; }
    // Lays the row out; false once the layout was stopped (the source should return).
    bool add(const Row& row);
    bool stopRequested() const { return m_stop.load(); }

private:
    friend class ReportRunnerAccess;
    explicit RowSink(ReportLayout& layout) : m_layout(layout) {}
    ReportLayout& m_layout;
    std::atomic<long long> m_total{0};
    std::atomic<long long> m_done{0};
    std::atomic<bool> m_stop{false};
};

using RowSource = std::function<void(RowSink&)>;

struct RunResult {
    Document document;
    QString error;  // the source failed: the report holds what it had (already shown as a warning)
};

// Lays the report out with a progress window of dialogs. An exception of the source is
// shown with a warning, and the report ends with the rows read up to then.
RunResult runReport(const ReportDefinition& definition, const RowSource& source, ui::Dialogs& dialogs);
// The same without a progress window, on the calling thread (command line, benchmarks).
RunResult layoutReport(const ReportDefinition& definition, const RowSource& source);

} // namespace ksiega::report
