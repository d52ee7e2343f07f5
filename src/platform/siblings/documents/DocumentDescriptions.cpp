#include "platform/siblings/documents/DocumentDescriptions.h"
#include "platform/siblings/pickers/PickerDialog.h"
#include <atomic>

namespace ksiega::documents {
namespace {

class DescriptionsStandIn : public DocumentDescriptions {
public:
    QString OPISY_DOKUMENTOW(db::Database& db, int64_t idFirmy, const QString& kind, const QString& current,
                             QWidget*) override {
        auto list = descriptionList(db, idFirmy, kind);
        if (!pickers::runPicker(*list)) return current;
        return finishDescriptionPick(*list, current);
    }
};

std::atomic<DocumentDescriptions*> g_replacement{nullptr};

} // namespace

DocumentDescriptions& documentDescriptions() {
    if (DocumentDescriptions* r = g_replacement.load()) return *r;
    static DescriptionsStandIn standIn;
    return standIn;
}

void replaceDocumentDescriptions(DocumentDescriptions* library) { g_replacement.store(library); }

std::unique_ptr<pickers::PickerList> descriptionList(db::Database& db, int64_t idFirmy, const QString& kind) {
    pickers::PickerDefinition picker;
    picker.objectName = QStringLiteral("OPISY_DOKUMENTOW");
    picker.title = QStringLiteral("Opisy standardowe");
    picker.query = pickers::pickerQuery(QStringLiteral("OPISY_STANDARDOWE"), QStringLiteral("id_opisu"),
                                        {{QStringLiteral("opis"), QStringLiteral("Opis"), ui::ColumnKind::Text, 60}},
                                        {QStringLiteral("opis")}, idFirmy);
    picker.query.ranges.push_back({QStringLiteral("rodzaj"), kind.trimmed().toUpper()});
    return std::make_unique<pickers::PickerList>(db, std::move(picker));
}

QString finishDescriptionPick(pickers::PickerList& list, const QString& current) {
    return list.chosen() ? list.chosenText(QStringLiteral("opis")) : current;
}

} // namespace ksiega::documents
