// The exported procedures of the budget printouts.
#include "budget/reports/BudgetReportThreads.h"
#include "budget/reports/ParamPrnBtDialog.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "platform/siblings/functions/TextFields.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega {

using budget::startBudgetReport;
using budget::sessionBudgetJob;

uint8_t PARAM_PRN_BT(uint8_t, uint8_t, uint8_t, int64_t reportNumber) {
    uint8_t result = 0;
    runWindow({QStringLiteral("PARAM_PRN_BT"), QStringLiteral("Param_Prn_BT"), QString()}, [&](WindowProcedure& window) {
        budget::ParamPrnBtController controller(session(), reportNumber);
        budget::ParamPrnBtDialog dialog(controller);
        window.attach(&dialog);
        dialog.exec();
        result = dialog.result8();
    });
    return result;
}

void WYDRUK_BUDZET(const QString& parameters, const QString& filter, const QString& heading) {
    using functions::WYTNIJ_STR;
    const int report = WYTNIJ_STR(parameters, 1).trimmed().toInt();
    if (report < 1 || report > 4) return;
    const auto range = uint8_t(WYTNIJ_STR(parameters, 2).trimmed().toInt());
    const auto sort = uint8_t(WYTNIJ_STR(parameters, 3).trimmed().toInt());
    const bool descending = WYTNIJ_STR(parameters, 4).trimmed().toInt() == 1;
    const QString side = WYTNIJ_STR(parameters, 5).left(200).trimmed();
    functions::FILTR_INFO(36, filter);
    budget::BudgetPrintJob job = sessionBudgetJob(report, range, sort, descending, filter, side, heading);
    if (job.report.side != QLatin1String("W") && job.report.side != QLatin1String("D")) {
        ui::dialogs().warning(QStringLiteral("Wydruk nie został przygotowany: ") + QStringLiteral("side must be W or D"));
        return;
    }
    startBudgetReport(std::move(job));
}

QString BUDZET_PD(const QString&, const QString& filter, int64_t reportNumber) {
    const budget::RecordFilter f = budget::budgetRecordFilter(budget::budgetPrintSettings(), filter, int(reportNumber));
    if (!f.ok()) {
        ui::dialogs().warning(f.error);
        return {};
    }
    return f.where;
}

void BUDZET_PD_2(const QString& side, const QString& filter, int64_t variant) {
    const budget::PreparedClassification p = budget::prepareForms(moduleDatabase(), budget::BudgetScope::of(session()),
                                                                  budget::budgetPrintSettings(), side, filter, int(variant));
    if (!p.ok()) ui::dialogs().warning(p.error);
}

void PRN_BT_PLAN(uint8_t range, uint8_t sort, uint8_t desc, const QString& filter, const QString& side, const QString& heading) {
    startBudgetReport(sessionBudgetJob(budget::kPlanReport, range, sort, desc, filter, side, heading));
}
void PRN_BT_KLASYFIKACJA(uint8_t range, uint8_t sort, uint8_t desc, const QString& filter, const QString& side,
                         const QString& heading) {
    startBudgetReport(sessionBudgetJob(budget::kClassificationReport, range, sort, desc, filter, side, heading));
}
void PRN_BT_KLASYFIKACJA_PELNY(uint8_t range, uint8_t sort, uint8_t desc, const QString& filter, const QString& side,
                               const QString& heading) {
    startBudgetReport(sessionBudgetJob(budget::kFullClassificationReport, range, sort, desc, filter, side, heading));
}
void PRN_BT_DOWODY(uint8_t range, uint8_t sort, uint8_t desc, const QString& filter, const QString& side, const QString& heading) {
    startBudgetReport(sessionBudgetJob(budget::kEntriesReport, range, sort, desc, filter, side, heading));
}
// The forms print the user's prepared rows; until the statement engine fills their amounts,
// the job prepares them and fills them with plan and execution (the stand-in).
void PRN_BT_RB27(uint8_t range, uint8_t sort, uint8_t desc, const QString& filter, const QString& side, const QString& heading) {
    budget::BudgetPrintJob job = sessionBudgetJob(budget::kRb27Form, range, sort, desc, filter, side.isEmpty() ? "D" : side, heading);
    job.prepareForms = true;
    startBudgetReport(std::move(job));
}
void PRN_BT_RB30(uint8_t range, uint8_t sort, uint8_t desc, const QString& filter, const QString& side, const QString& heading) {
    budget::BudgetPrintJob job = sessionBudgetJob(budget::kRb30Form, range, sort, desc, filter, side.isEmpty() ? "D" : side, heading);
    job.prepareForms = true;
    startBudgetReport(std::move(job));
}

} // namespace ksiega
