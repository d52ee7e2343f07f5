#include "platform/siblings/budget/BudgetClassificationInfo.h"
#include "platform/siblings/budget/BudgetLineDialog.h"
#include "platform/siblings/budget/BudgetSiblings.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/PickerDialog.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::siblings {

namespace {

class StandInBudgetSiblings : public BudgetSiblings {
public:
    void KLASYFIKACJA_INFO(const pickers::PickerContext& c, const QString& side, const QString& symbol, int date,
                           const QString& separator) override {
        const QStringList lines = classificationDescription(c.db, c.company, side, symbol, date, separator);
        ui::dialogs().information(lines.isEmpty() ? QStringLiteral("Brak opisu klasyfikacji.") : lines.join(QChar('|')));
    }
    void BT_SUMA_PLAN(const pickers::PickerContext& c, const QString& side, const QString& symbol, int date,
                      const QString& separator) override {
        const PlanSummary p = planSummary(c.db, c.company, c.year, side, symbol, date, separator);
        ui::dialogs().information(symbol + QChar('|') + p.lines(side).join(QChar('|')));
    }
    QString BT_KLASYFIKACJIA_WYBOR(const pickers::PickerContext& c, const QString&, const QString&) override {
        auto list = pickers::classificationList(c, false);
        if (!pickers::runPicker(*list)) return QString();
        return list->chosen() ? list->chosenText(QStringLiteral("symbol")) : QString();
    }
    int UP_BUDZET_DANE(const pickers::PickerContext& c, int, int64_t id) override {
        BudgetLineEditor editor(c.db, c.company);
        const auto line = editor.load(id);
        if (!line) return 0;
        BudgetLineDialog dialog(editor, *line);
        dialog.exec();
        return dialog.saved() ? 1 : 0;
    }
};

StandInBudgetSiblings g_standIn;
BudgetSiblings* g_replacement = nullptr;

} // namespace

BudgetSiblings& budgetSiblings() { return g_replacement ? *g_replacement : g_standIn; }
void replaceBudgetSiblings(BudgetSiblings* siblings) { g_replacement = siblings; }

} // namespace ksiega::siblings
