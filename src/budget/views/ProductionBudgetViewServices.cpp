// The production calls of the budget windows. Where the library of a call has not landed
// yet (the classification chooser, UP_BUDZET_DANE, the tree prompts) the call answers as
// a cancelled window does; the description and plan of a symbol are shown from the
// server functions.
#include "budget/views/BudgetViewServices.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "ksiega/ksiega.h"
#include "platform/runtime/Date.h"
#include "platform/server/budget/BudgetFunctions.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QCoreApplication>
#include <QTimer>

namespace ksiega::budget {

namespace {

class ProductionBudgetViewServices : public BudgetViewServices {
public:
    QString quickFilter(const QString& side) override { return BT_SZYBKI_FILTR(QString(), side, QStringLiteral("0")); }
    std::optional<QString> chooseClassification(const QString&) override { return std::nullopt; }
    void describeClassification(const QString& side, const QString& symbol) override {
        const SessionContext& s = session();
        const QString name = server::TG_Klasyfikacja_Info(moduleDatabase(), s.DANE_ID_FIRMY, symbol, s.DANE_DATA_BIEZACA,
                                                          s.GGG_BT_SEPARATOR, side, 4);
        ui::dialogs().information(symbol + QStringLiteral("|") + name);
    }
    void planSummary(const QString& side, const QString& symbol) override {
        const SessionContext& s = session();
        const Money plan = server::TG_BT_Plan_Sub(moduleDatabase(), s.DANE_ID_FIRMY, s.DANE_POCZATEK_ROKU, s.DANE_DATA_BIEZACA,
                                                  symbol, side, 2, s.GGG_BT_SEPARATOR);
        ui::dialogs().information(symbol + QStringLiteral("|") + plan.toString());
    }
    int editBudgetLine(int64_t) override { return 0; }
    int printParameters(int first, int second, int third, int64_t report) override {
        return PARAM_PRN_BT(uint8_t(first), uint8_t(second), uint8_t(third), report);
    }
    void startBudgetPrint(const QString& parameters, const QString& filter, const QString& heading) override {
        auto run = [parameters, filter, heading] { WYDRUK_BUDZET(parameters, filter, heading); };
        if (auto* app = QCoreApplication::instance()) QTimer::singleShot(0, app, run);
        else run();
    }
    std::optional<BranchRequest> askBranch() override { return std::nullopt; }
    QString askConfigurationName() override { return {}; }
    int64_t chooseConfiguration(const std::vector<filtertree::TreeConfiguration>&) override { return 0; }
};

BudgetViewServices* g_replacement = nullptr;

} // namespace

BudgetViewServices& budgetViewServices() {
    static ProductionBudgetViewServices production;
    return g_replacement ? *g_replacement : production;
}

void replaceBudgetViewServices(BudgetViewServices* services) { g_replacement = services; }

} // namespace ksiega::budget
