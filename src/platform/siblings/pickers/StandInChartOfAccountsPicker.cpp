#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/PickedMarks.h"
#include "platform/siblings/pickers/PickerDialog.h"

namespace ksiega::pickers {

namespace {

class StandInChartOfAccountsPicker : public ChartOfAccountsPicker {
public:
    QString chooseAccounts(const PickerContext& context) override {
        auto list = accountList(context);
        if (!runPicker(*list)) return QString();
        return finishAccountPick(*list, context);
    }
    QString BT_SLOWNIK_KLASYFIKACJI(const PickerContext& context, const QString& mode, const QString& current) override {
        auto list = classificationList(context, mode.trimmed().compare(MULTIWYBOR, Qt::CaseInsensitive) == 0);
        if (!runPicker(*list)) return current;
        return finishClassificationPick(*list, context);
    }
};

StandInChartOfAccountsPicker g_standIn;
ChartOfAccountsPicker* g_replacement = nullptr;

// Leaves the texts of the marked elements (or of the chosen one) in a browser.
int64_t storeMarkedTexts(PickerList& list, const PickerContext& context, int64_t browser, const QString& column) {
    std::vector<PickedElement> picked;
    for (int64_t id : list.markedIds()) picked.push_back({id, list.textOf(id, column)});
    if (picked.empty() && list.chosen()) picked.push_back({list.chosenId(), list.chosenText(column)});
    replacePickedMarks(context.db, browser, context.user, picked);
    return int64_t(picked.size());
}

} // namespace

ChartOfAccountsPicker& chartOfAccountsPicker() { return g_replacement ? *g_replacement : g_standIn; }
void replaceChartOfAccountsPicker(ChartOfAccountsPicker* picker) { g_replacement = picker; }

std::unique_ptr<PickerList> accountList(const PickerContext& context) {
    PickerDefinition picker;
    picker.objectName = QStringLiteral("PLAN_KONT");
    picker.title = QStringLiteral("Plan kont");
    picker.query = pickerQuery(QStringLiteral("WARTOSCI_KONT"), QStringLiteral("id_wartosci_kont"),
                             {{QStringLiteral("nr_konta"), QStringLiteral("Numer konta"), ui::ColumnKind::Text, 25},
                              {QStringLiteral("nazwa_konta"), QStringLiteral("Nazwa konta"), ui::ColumnKind::Text, 50}},
                             {QStringLiteral("nr_konta")}, context.company, context.year);
    picker.severalAllowed = true;
    return std::make_unique<PickerList>(context.db, std::move(picker));
}

QString finishAccountPick(PickerList& list, const PickerContext& context) {
    storeMarkedTexts(list, context, kAccountBrowser, QStringLiteral("nr_konta"));
    if (list.chosen()) return list.chosenText(QStringLiteral("nr_konta"));
    return list.markedIds().empty() ? QString() : list.textOf(*list.markedIds().begin(), QStringLiteral("nr_konta"));
}

std::unique_ptr<PickerList> classificationList(const PickerContext& context, bool several) {
    PickerDefinition picker;
    picker.objectName = QStringLiteral("BT_SLOWNIK_KLASYFIKACJI");
    picker.title = QStringLiteral("Klasyfikacja budżetowa");
    picker.query = pickerQuery(QStringLiteral("KLASYFIKACJA_BUDZETOWA"), QStringLiteral("id_klasyfikacji"),
                             {{QStringLiteral("symbol"), QStringLiteral("Symbol"), ui::ColumnKind::Text, 20},
                              {QStringLiteral("nazwa"), QStringLiteral("Nazwa"), ui::ColumnKind::Text, 60}},
                             {QStringLiteral("symbol"), QStringLiteral("data_od")}, context.company);
    picker.severalAllowed = several;
    return std::make_unique<PickerList>(context.db, std::move(picker));
}

QString finishClassificationPick(PickerList& list, const PickerContext& context) {
    if (list.markedIds().size() > 1) {
        storeMarkedTexts(list, context, kClassificationBrowser, QStringLiteral("symbol"));
        return MULTIWYBOR;
    }
    if (list.chosen()) return list.chosenText(QStringLiteral("symbol"));
    return list.markedIds().empty() ? QString() : list.textOf(*list.markedIds().begin(), QStringLiteral("symbol"));
}

} // namespace ksiega::pickers
