#include "budget/reports/BudgetPrintSettings.h"
#include <mutex>

namespace ksiega::budget {

namespace {
std::mutex& lock() {
    static std::mutex m;
    return m;
}
BudgetPrintSettings& stored() {
    static BudgetPrintSettings s;
    return s;
}
} // namespace

BudgetPrintSettings budgetPrintSettings() {
    std::lock_guard guard(lock());
    return stored();
}

void setBudgetPrintSettings(const BudgetPrintSettings& settings) {
    std::lock_guard guard(lock());
    stored() = settings;
}

} // namespace ksiega::budget
