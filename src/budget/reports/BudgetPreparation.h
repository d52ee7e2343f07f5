#pragma once
// Data preparation of the budget printouts (BUDZET_PD for the four lists, BUDZET_PD_2 for
// the Rb forms). Everything is scoped by the company and fiscal year of the scope, outside
// the person's record filter, which reaches SQL only through the filter translator.
#include "budget/reports/BudgetPrintSettings.h"
#include "budget/reports/ClassificationQueue.h"
#include "platform/db/Database.h"
#include <QString>
#include <vector>

namespace ksiega {
struct SessionContext;
}

namespace ksiega::budget {

// What a report needs of the session, copied when it starts.
struct BudgetScope {
    int64_t company = 0;
    int64_t year = 0;
    int64_t user = 0;          // DANE_ID_UZYTKOWNIKA_NR
    int yearStart = 0;         // DANE_POCZATEK_ROKU
    int yearEnd = 0;
    int printDate = 0;         // DANE_DATA_WYDRUKU (names in force on it)
    QString separator = QStringLiteral("-");
    static BudgetScope of(const SessionContext& session);
};

// The record filter of a report in SQL: the person's filter (framework syntax, may be
// empty) translated, and the date range of the report (1 and 3: from..to; 2 and 4: up to
// `to`). error is set when the filter was refused.
struct RecordFilter {
    QString where;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
RecordFilter budgetRecordFilter(const BudgetPrintSettings& settings, const QString& filter, int report);

struct PreparedClassification {
    std::vector<ClassificationEntry> queue;
    QString error;   // a preparation that failed: nothing of it may print as complete
    bool ok() const { return error.isEmpty(); }
};

// BUDZET_PD's queue for reports 1, 2 and 4: symbols of the lines under the filter (and of
// the plan with BT_PRN_CZY_PLAN or report 1), with their figures and subtotal entries.
// The period figures equal the accumulated ones when the period starts with the year.
PreparedClassification prepareClassification(db::Database& db, const BudgetScope& scope, const BudgetPrintSettings& settings,
                                             const QString& side, const QString& filter, int report);

// BUDZET_PD_2: the symbols of the lines under the filter and of the plan of the fiscal
// year in which the period starts (of the same company), in symbol order, written to the
// user's ZESTAW_ZESTAW rows of `variant` in one transaction (old rows deleted first).
PreparedClassification prepareForms(db::Database& db, const BudgetScope& scope, const BudgetPrintSettings& settings,
                                    const QString& side, const QString& filter, int variant);

// A stand-in for the statement engine that fills the amount columns of the variant's rows
// from the plan and the execution of the period (revenue side): kol1 plan, kol2 accrued
// revenue (rodzaj_d), kol3 receipts (rodzaj_wp), kol4 receipts transferred (= kol3),
// kol5 0, kol6 kol2 - kol3 (receivables outstanding), kol7 0, kol8 0.
// The rows are those prepareForms wrote from `forms` (matched by lp). Returns an error text.
QString fillFormColumnsStandIn(db::Database& db, const BudgetScope& scope, const PreparedClassification& forms, int variant);

} // namespace ksiega::budget
