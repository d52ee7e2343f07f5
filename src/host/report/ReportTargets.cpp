#include "host/report/ReportTargets.h"

namespace ksiega::host {

static Registry<ReportTarget>& targets() {
    static Registry<ReportTarget> all(QStringLiteral("report"));
    return all;
}

bool registerReportTarget(ReportTarget target) {
    const QString name = target.name;
    targets().add(name, std::move(target));
    return true;
}

const ReportTarget* findReportTarget(const QString& name) { return targets().find(name); }

QStringList reportTargetNames() { return targets().names(); }

Options commonReportOptions() {
    return options::sessionOfCompanyAndYear() + Options{Option::value("pdf", "FILE", "write a PDF file"),
                                        Option::value("text", "FILE", "write a plain-text file"),
                                        Option::value("png", "FILE", "write the first page as a PNG image")};
}

} // namespace ksiega::host
