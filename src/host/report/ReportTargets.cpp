#include "host/report/ReportTargets.h"
#include <map>

namespace ksiega::host {

static std::map<QString, ReportTarget>& targets() {
    static std::map<QString, ReportTarget> all;
    return all;
}

bool registerReportTarget(ReportTarget target) {
    const QString name = target.name;
    targets()[name] = std::move(target);
    return true;
}

const ReportTarget* findReportTarget(const QString& name) {
    auto it = targets().find(name);
    return it == targets().end() ? nullptr : &it->second;
}

QStringList reportTargetNames() {
    QStringList names;
    for (const auto& [name, t] : targets()) names << name;
    return names;
}

QStringList commonReportOptions() {
    return {QStringLiteral("db"), QStringLiteral("company"), QStringLiteral("year"), QStringLiteral("user"),
            QStringLiteral("date"), QStringLiteral("pdf"), QStringLiteral("text"), QStringLiteral("png")};
}

} // namespace ksiega::host
