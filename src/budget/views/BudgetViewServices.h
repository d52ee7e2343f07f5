#pragma once
// What a budget window asks of the libraries around it beyond the entry windows' common
// services: the budget quick filter, the classification chooser, the description and plan
// summary of a symbol, the budget properties of a line, the budget print hand-over and
// the filter tree's prompts. The procedures use budgetViewServices(): the production
// calls, or what a test put in their place with replaceBudgetViewServices().
#include "platform/filtertree/FilterTreeStore.h"
#include <QString>
#include <optional>
#include <vector>

namespace ksiega::budget {

// A branch the person described for the filter tree.
struct BranchRequest {
    QString field, op, value, label;
};

class BudgetViewServices {
public:
    virtual ~BudgetViewServices() = default;

    // BT_SZYBKI_FILTR("", side, "0"): the expression, "" when cancelled.
    virtual QString quickFilter(const QString& side) = 0;
    // BT_KLASYFIKACJIA_WYBOR(side): the chosen symbol or mask, none when cancelled.
    virtual std::optional<QString> chooseClassification(const QString& side) = 0;
    // KLASYFIKACJA_INFO and BT_SUMA_PLAN of a symbol on the side.
    virtual void describeClassification(const QString& side, const QString& symbol) = 0;
    virtual void planSummary(const QString& side, const QString& symbol) = 0;
    // UP_BUDZET_DANE(2, id): 1 when the line's budget properties were saved.
    virtual int editBudgetLine(int64_t idBtDane) = 0;
    // PARAM_PRN_BT(first, second, third, report): 1 when the person chose "Drukuj".
    virtual int printParameters(int first, int second, int third, int64_t report) = 0;
    // WYDRUK_BUDZET(parameters, filter, heading), started once the window's handler is done.
    virtual void startBudgetPrint(const QString& parameters, const QString& filter, const QString& heading) = 0;
    // The filter tree's prompts: a new branch, the name to save the tree under, the
    // configuration to take (0 = none chosen).
    virtual std::optional<BranchRequest> askBranch() = 0;
    virtual QString askConfigurationName() = 0;
    virtual int64_t chooseConfiguration(const std::vector<filtertree::TreeConfiguration>& configurations) = 0;
};

// The services in force: the replacement when one is set, else the production calls.
BudgetViewServices& budgetViewServices();
// Puts services in place of the production ones (nullptr restores them).
void replaceBudgetViewServices(BudgetViewServices* services);

} // namespace ksiega::budget
