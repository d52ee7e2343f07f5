#include "platform/siblings/settlements/SettlementsWindow.h"
#include "platform/db/SqlText.h"
#include "platform/siblings/pickers/PickedMarks.h"
#include "platform/siblings/pickers/CardLists.h"
#include "platform/siblings/pickers/PickerDialog.h"
#include "platform/server/settlements/CardFilter.h"

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

QString SettlementChoice::view() const {
    return ledgerView() ? QStringLiteral("ROZRACHUNEK_VIEW") : QStringLiteral("ROZRACHUNEK_VIEW_TOVARIX");
}

ui::SqlFilter SettlementChoice::sql() const {
    ui::SqlFilter f;
    QStringList where{QStringLiteral("id_poz_dok_f = 0")};
    if (warehouseOnly()) where << QStringLiteral("id_nag_dok_m <> 0");
    const QString konto = account.trimmed();
    if (!konto.isEmpty()) {
        if (cardAccount) {
            where << QStringLiteral("(nr_konta = ? or nr_konta like ? escape '\\')");
            f.params.push_back(konto);
            f.params.push_back(escapeLike(konto + QLatin1Char('-')) + QLatin1Char('%'));
            // The card symbol is read through the listed row itself (the list's source).
            const ui::SqlFilter cards = pickers::cardFilter(server::settlements::cardSymbolOfAccountSql(view()), cardFilter);
            if (!cards.isEmpty()) {
                where << cards.where;
                f.params.insert(f.params.end(), cards.params.begin(), cards.params.end());
            }
        } else {
            where << QStringLiteral("nr_konta = ?");
            f.params.push_back(konto);
        }
    }
    f.where = where.join(QStringLiteral(" and "));
    return f;
}

int SettlementsWindow::ROZRACHUNKI(const pickers::PickerContext& context, const SettlementChoice& choice) {
    auto list = settlementList(context, choice);
    if (!pickers::runPicker(*list)) return 0;
    if (storeMarkedSettlements(*list, context) == 0) return 0;
    if (choice.withClearing()) addClearingSettlements(context);
    return 1;
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

namespace {

pickers::PickerDefinition listDefinition(const pickers::PickerContext& context, const QString& view, int64_t year) {
    pickers::PickerDefinition picker;
    picker.objectName = QStringLiteral("ROZRACHUNKI");
    picker.title = QStringLiteral("Rozrachunki");
    picker.query = pickers::pickerQuery(
        view, QStringLiteral("id_rozrachunku"),
        {{QStringLiteral("nr_konta"), QStringLiteral("Numer konta"), ui::ColumnKind::Text, 20},
         {QStringLiteral("symbol"), QStringLiteral("Symbol"), ui::ColumnKind::Text, 16},
         {QStringLiteral("data_dok"), QStringLiteral("Data dok."), ui::ColumnKind::Date, 10},
         {QStringLiteral("sym_waluty"), QStringLiteral("Waluta"), ui::ColumnKind::Text, 4},
         {QStringLiteral("pozostalo_wn"), QStringLiteral("Pozostało Dt"), ui::ColumnKind::Money, 14},
         {QStringLiteral("pozostalo_ma"), QStringLiteral("Pozostało Ct"), ui::ColumnKind::Money, 14},
         {QStringLiteral("opis"), QStringLiteral("Opis"), ui::ColumnKind::Text, 30}},
        {QStringLiteral("nr_konta")}, context.company, year);
    picker.severalAllowed = true;
    return picker;
}

} // namespace

std::unique_ptr<pickers::PickerList> settlementList(const pickers::PickerContext& context, const SettlementFilter& filter) {
    pickers::PickerDefinition picker = listDefinition(context, QStringLiteral("ROZRACHUNEK_VIEW"), filter.year);
    picker.query.filter = filter.sql();
    return std::make_unique<pickers::PickerList>(context.db, std::move(picker));
}

std::unique_ptr<pickers::PickerList> settlementList(const pickers::PickerContext& context, const SettlementChoice& choice) {
    pickers::PickerDefinition picker = listDefinition(context, choice.view(), context.year);
    picker.query.filter = choice.sql();
    return std::make_unique<pickers::PickerList>(context.db, std::move(picker));
}

int64_t addClearingSettlements(const pickers::PickerContext& context) {
    const int64_t before = context.db
                               .scalarInt(QStringLiteral("select count(*) from ZAZNACZENIE where id_browsera=? and id_uzytkownika=?"),
                                          {kSettlementBrowser, context.user})
                               .value_or(0);
    // Both directions of a clearing, each settlement once, none already marked.
    context.db.execute(
        QStringLiteral(
            "insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) "
            "select distinct cast(? as integer), cast(? as bigint), c.id from ("
            "  select z.id_rozrachunku_rozl as id from ROZLICZENIE z join ZAZNACZENIE m on m.id_elementu = z.id_rozrachunku "
            "   where m.id_browsera = ? and m.id_uzytkownika = ? and z.id_firmy = ? and z.id_rozrachunku_rozl <> 0 "
            "  union "
            "  select z.id_rozrachunku as id from ROZLICZENIE z join ZAZNACZENIE m on m.id_elementu = z.id_rozrachunku_rozl "
            "   where m.id_browsera = ? and m.id_uzytkownika = ? and z.id_firmy = ?) c "
            "join ROZRACHUNEK r on r.id_rozrachunku = c.id and r.id_firmy = ? "
            "where not exists (select 1 from ZAZNACZENIE e where e.id_browsera = ? and e.id_uzytkownika = ? and e.id_elementu = c.id)"),
        {kSettlementBrowser, context.user, kSettlementBrowser, context.user, context.company, kSettlementBrowser, context.user,
         context.company, context.company, kSettlementBrowser, context.user});
    const int64_t after = context.db
                              .scalarInt(QStringLiteral("select count(*) from ZAZNACZENIE where id_browsera=? and id_uzytkownika=?"),
                                         {kSettlementBrowser, context.user})
                              .value_or(0);
    return after - before;
}

int64_t storeMarkedSettlements(pickers::PickerList& list, const pickers::PickerContext& context) {
    std::vector<pickers::PickedElement> picked;
    for (int64_t id : list.markedIds()) picked.push_back({id, QString()});
    if (picked.empty() && list.chosen()) picked.push_back({list.chosenId(), QString()});
    pickers::replacePickedMarks(context.db, kSettlementBrowser, context.user, picked);
    return int64_t(picked.size());
}

} // namespace ksiega::settlements
