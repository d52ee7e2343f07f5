#include "platform/siblings/settlements/SettlementsWindow.h"
#include "platform/db/SqlText.h"
#include "platform/siblings/pickers/PickedMarks.h"
#include "platform/siblings/pickers/PickerDialog.h"

namespace ksiega::settlements {

QString escapeLike(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QChar('\\') || c == QChar('%') || c == QChar('_')) out += QChar('\\');
        out += c;
    }
    return out;
}

QString SettlementFilter::text() const {
    return QStringLiteral("spcSQL(NR_KONTA like %1 AND ID_LATA_OBROT=%2)")
        .arg(db::quoted(accountPrefix + QChar('%')))
        .arg(year);
}

ui::SqlFilter SettlementFilter::sql() const {
    ui::SqlFilter f;
    if (accountPrefix.isEmpty()) return f;
    f.where = QStringLiteral("nr_konta like ? escape '\\'");
    f.params = {escapeLike(accountPrefix) + QChar('%')};
    return f;
}

namespace {

class StandInSettlementsWindow : public SettlementsWindow {
public:
    int ROZRACHUNKI(const pickers::PickerContext& context, const SettlementFilter& filter) override {
        auto list = settlementList(context, filter);
        if (!pickers::runPicker(*list)) return 0;
        return storeMarkedSettlements(*list, context) > 0 ? 1 : 0;
    }
};

StandInSettlementsWindow g_standIn;
SettlementsWindow* g_replacement = nullptr;

} // namespace

SettlementsWindow& settlementsWindow() { return g_replacement ? *g_replacement : g_standIn; }
void replaceSettlementsWindow(SettlementsWindow* window) { g_replacement = window; }

std::unique_ptr<pickers::PickerList> settlementList(const pickers::PickerContext& context, const SettlementFilter& filter) {
    pickers::PickerDefinition picker;
    picker.objectName = QStringLiteral("ROZRACHUNKI");
    picker.title = QStringLiteral("Rozrachunki");
    picker.query = pickers::pickerQuery(
        QStringLiteral("ROZRACHUNEK_VIEW"), QStringLiteral("id_rozrachunku"),
        {{QStringLiteral("nr_konta"), QStringLiteral("Numer konta"), ui::ColumnKind::Text, 20},
         {QStringLiteral("symbol"), QStringLiteral("Symbol"), ui::ColumnKind::Text, 16},
         {QStringLiteral("data_dok"), QStringLiteral("Data dok."), ui::ColumnKind::Date, 10},
         {QStringLiteral("sym_waluty"), QStringLiteral("Waluta"), ui::ColumnKind::Text, 4},
         {QStringLiteral("pozostalo_wn"), QStringLiteral("Pozostało Dt"), ui::ColumnKind::Money, 14},
         {QStringLiteral("pozostalo_ma"), QStringLiteral("Pozostało Ct"), ui::ColumnKind::Money, 14},
         {QStringLiteral("opis"), QStringLiteral("Opis"), ui::ColumnKind::Text, 30}},
        {QStringLiteral("nr_konta")}, context.company, filter.year);
    picker.query.filter = filter.sql();
    picker.severalAllowed = true;
    return std::make_unique<pickers::PickerList>(context.db, std::move(picker));
}

int64_t storeMarkedSettlements(pickers::PickerList& list, const pickers::PickerContext& context) {
    std::vector<pickers::PickedElement> picked;
    for (int64_t id : list.markedIds()) picked.push_back({id, QString()});
    if (picked.empty() && list.chosen()) picked.push_back({list.chosenId(), QString()});
    pickers::replacePickedMarks(context.db, kSettlementBrowser, context.user, picked);
    return int64_t(picked.size());
}

} // namespace ksiega::settlements
