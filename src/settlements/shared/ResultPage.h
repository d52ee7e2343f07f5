#pragma once
// The page "Raport automatycznego księgowania" of both windows: what the last run did, as
// label/value lines, and its printout (heading from the session, a line per row).
#include "frame/SessionContext.h"
#include "platform/report/PageModel.h"
#include "platform/report/ReportDefinition.h"
#include <QString>
#include <utility>
#include <vector>

namespace ksiega::settlements {

class ResultPage {
public:
    void clear() { m_lines.clear(); }
    void add(const QString& label, const QString& value) { m_lines.emplace_back(label, value); }
    const std::vector<std::pair<QString, QString>>& lines() const { return m_lines; }
    bool isEmpty() const { return m_lines.empty(); }
    // One line per entry, "label: value".
    QString text() const;
    std::vector<report::Row> rows() const;

private:
    std::vector<std::pair<QString, QString>> m_lines;
};

report::ReportDefinition resultReportDefinition(const SessionContext& session, const QString& title);
report::Document layoutResultReport(const SessionContext& session, const QString& title, const std::vector<report::Row>& rows);
// The printout as the window runs it: progress window, then preview, printer or PDF.
void printResult(const QString& title, const std::vector<report::Row>& rows);

} // namespace ksiega::settlements
