#include "platform/siblings/pickers/DocumentPicker.h"
#include "platform/siblings/pickers/PickedMarks.h"
#include "platform/siblings/pickers/PickerDialog.h"

namespace ksiega::pickers {

namespace {

class StandInDocumentPicker : public DocumentPicker {
public:
    int64_t DOKUMENTY_PRZEG(const PickerContext& context, const QString&) override {
        auto list = documentList(context);
        if (!runPicker(*list)) return 0;
        return finishDocumentPick(*list, context);
    }
};

StandInDocumentPicker g_standIn;
DocumentPicker* g_replacement = nullptr;

} // namespace

DocumentPicker& documentPicker() { return g_replacement ? *g_replacement : g_standIn; }
void replaceDocumentPicker(DocumentPicker* picker) { g_replacement = picker; }

std::unique_ptr<PickerList> documentList(const PickerContext& context) {
    using ui::ColumnKind;
    PickerDefinition picker;
    picker.objectName = QStringLiteral("DOKUMENTY_PRZEG");
    picker.title = QStringLiteral("Dokumenty");
    picker.query = pickerQuery(QStringLiteral("NAG_DOK"), QStringLiteral("id_nag_dok"),
                             {{QStringLiteral("nr_ewid_dok"), QStringLiteral("Nr ewidencyjny"), ColumnKind::Text, 25},
                              {QStringLiteral("nr_dok_org"), QStringLiteral("Nr dokumentu"), ColumnKind::Text, 20},
                              {QStringLiteral("data_dok_org"), QStringLiteral("Data dokumentu"), ColumnKind::Date, 10},
                              {QStringLiteral("opis"), QStringLiteral("Opis"), ColumnKind::Text, 40}},
                             {QStringLiteral("nr_ewid_dok")}, context.company, context.year);
    picker.severalAllowed = true;
    return std::make_unique<PickerList>(context.db, std::move(picker));
}

int64_t finishDocumentPick(PickerList& list, const PickerContext& context) {
    std::vector<PickedElement> picked;
    for (int64_t id : list.markedIds()) picked.push_back({id, QString()});
    if (picked.empty() && list.chosen()) picked.push_back({list.chosenId(), QString()});
    replacePickedMarks(context.db, kDocumentBrowser, context.user, picked);
    if (list.chosen()) return list.chosenId();
    return picked.empty() ? 0 : picked.front().id;
}

} // namespace ksiega::pickers
