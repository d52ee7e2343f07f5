#include "platform/siblings/pickers/PartyPickers.h"
#include "platform/siblings/pickers/PickerDialog.h"

namespace ksiega::pickers {

namespace {

PartyChoice pick(const PickerContext& context, PartyKind kind) {
    auto list = partyList(context, kind);
    if (!runPicker(*list)) return {};
    return finishPartyPick(*list);
}

class StandInPartyPickers : public PartyPickers {
public:
    PartyChoice KONTRAHENCI(const PickerContext& c, int64_t, const QString&, const QString&) override {
        return pick(c, PartyKind::Contractor);
    }
    PartyChoice PRACOWNICY(const PickerContext& c, int64_t, const QString&, const QString&) override {
        return pick(c, PartyKind::Employee);
    }
    PartyChoice URZEDY(const PickerContext& c, int64_t, const QString&, const QString&) override {
        return pick(c, PartyKind::Office);
    }
};

StandInPartyPickers g_standIn;
PartyPickers* g_replacement = nullptr;

} // namespace

PartyPickers& partyPickers() { return g_replacement ? *g_replacement : g_standIn; }
void replacePartyPickers(PartyPickers* pickers) { g_replacement = pickers; }

std::unique_ptr<PickerList> partyList(const PickerContext& context, PartyKind kind) {
    struct Table { const char* source; const char* id; const char* name; const char* title; };
    static const Table tables[] = {{"KONTRAHENCI", "id_kontrahenta", "KONTRAHENCI", "Kontrahenci"},
                                   {"PRACOWNICY", "id_pracownika", "PRACOWNICY", "Pracownicy"},
                                   {"URZEDY", "id_urzedu", "URZEDY", "Urzędy"}};
    const Table& t = tables[int(kind)];
    const QString id = QString::fromLatin1(t.id);
    PickerDefinition picker;
    picker.objectName = QString::fromLatin1(t.name);
    picker.title = QString::fromUtf8(t.title);
    picker.query = pickerQuery(QString::fromLatin1(t.source), id,
                             {{QStringLiteral("nazwa"), QStringLiteral("Nazwa"), ui::ColumnKind::Text, 50},
                              {QStringLiteral("symbol"), QStringLiteral("Symbol"), ui::ColumnKind::Text, 20},
                              {id, QStringLiteral("Id"), ui::ColumnKind::Integer, 8}},
                             {QStringLiteral("nazwa")}, context.company);
    return std::make_unique<PickerList>(context.db, std::move(picker));
}

PartyChoice finishPartyPick(PickerList& list) {
    if (!list.chosen()) return {};
    return {list.chosenId(), list.chosenText(QStringLiteral("nazwa"))};
}

} // namespace ksiega::pickers
