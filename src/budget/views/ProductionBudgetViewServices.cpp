// The production calls of the budget windows: the budget quick filter and printouts of
// this module, the budget calls of the sibling libraries and the tree functions' prompts.
#include "budget/views/BudgetViewController.h"
#include "budget/views/BudgetViewServices.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "ksiega/ksiega.h"
#include "platform/filtertree/TreeFields.h"
#include "platform/siblings/budget/BudgetSiblings.h"
#include "platform/siblings/functions/TreeDialogs.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QCoreApplication>
#include <QTimer>

namespace ksiega::budget {

namespace {

class ProductionBudgetViewServices : public BudgetViewServices {
public:
    QString quickFilter(const QString& side) override { return BT_SZYBKI_FILTR(QString(), side, QStringLiteral("0")); }
    std::optional<QString> chooseClassification(const QString& side) override {
        const QString mask = siblings::budgetSiblings().BT_KLASYFIKACJIA_WYBOR(context(), side, QString());
        if (mask.isEmpty()) return std::nullopt;
        return mask;
    }
    void describeClassification(const QString& side, const QString& symbol) override {
        const SessionContext& s = session();
        siblings::budgetSiblings().KLASYFIKACJA_INFO(context(), side, symbol, s.DANE_DATA_BIEZACA, s.GGG_BT_SEPARATOR);
    }
    void planSummary(const QString& side, const QString& symbol) override {
        const SessionContext& s = session();
        siblings::budgetSiblings().BT_SUMA_PLAN(context(), side, symbol, s.DANE_DATA_BIEZACA, s.GGG_BT_SEPARATOR);
    }
    int editBudgetLine(int64_t id) override { return siblings::budgetSiblings().UP_BUDZET_DANE(context(), 2, id); }
    int printParameters(int first, int second, int third, int64_t report) override {
        return PARAM_PRN_BT(uint8_t(first), uint8_t(second), uint8_t(third), report);
    }
    void startBudgetPrint(const QString& parameters, const QString& filter, const QString& heading) override {
        auto run = [parameters, filter, heading] { WYDRUK_BUDZET(parameters, filter, heading); };
        if (auto* app = QCoreApplication::instance()) QTimer::singleShot(0, app, run);
        else run();
    }
    std::optional<BranchRequest> askBranch() override {
        QStringList fields;
        for (const filtertree::TreeField& f : budgetTreeFields()) fields << QStringLiteral("BTV:") + f.column.toUpper();
        const auto input = functions::treeDialogs().askBranch(fields, filtertree::treeOperators());
        if (!input) return std::nullopt;
        return BranchRequest{input->field, input->op, input->value, input->label};
    }
    QString askConfigurationName() override { return functions::treeDialogs().askConfigurationName().value_or(QString()); }
    int64_t chooseConfiguration(const std::vector<filtertree::TreeConfiguration>& configurations) override {
        std::vector<functions::ConfigurationChoice> choices;
        for (const filtertree::TreeConfiguration& c : configurations)
            if (!c.name.isEmpty()) choices.push_back({c.id, c.name, c.current});
        return functions::treeDialogs().chooseConfiguration(choices).value_or(0);
    }

private:
    static pickers::PickerContext context() {
        const SessionContext& s = session();
        return {moduleDatabase(), s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, s.DANE_ID_UZYTKOWNIKA_NR, s.DANE_DATA_BIEZACA};
    }
};

BudgetViewServices* g_replacement = nullptr;

} // namespace

BudgetViewServices& budgetViewServices() {
    static ProductionBudgetViewServices production;
    return g_replacement ? *g_replacement : production;
}

void replaceBudgetViewServices(BudgetViewServices* services) { g_replacement = services; }

} // namespace ksiega::budget
