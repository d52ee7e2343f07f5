#include "platform/siblings/pickers/CardLists.h"
#include "platform/runtime/TextFunctions.h"
#include "platform/siblings/pickers/PartyPickers.h"
#include <optional>

namespace ksiega::pickers {
namespace {

// Where a kind's cards are and how they are named.
struct CardTable {
    QChar kind;
    const char* source;
    const char* id;
    const char* symbol;
    const char* name;
    const char* objectName;
    const char* title;
};

const CardTable kTables[] = {
    // The party kinds show the contractor library's party lists; their symbol and name columns.
    {QChar('K'), "KONTRAHENCI", "id_kontrahenta", "symbol", "nazwa", "", ""},
    {QChar('P'), "PRACOWNICY", "id_pracownika", "symbol", "nazwa", "", ""},
    {QChar('U'), "URZEDY", "id_urzedu", "symbol", "nazwa", "", ""},
    {QChar('R'), "RACHUNKI_BANKOWE", "id_rachunku", "symbol", "nazwa", "RACHUNKI_BANKOWE", "Rachunki bankowe"},
    {QChar('S'), "SRODKI_TRWALE", "id_srodka", "nr_inwentarzowy", "nazwa", "SRODKI_TRWALE_NEW", "Środki trwałe"},
    {QChar('X'), "KARTOTEKA_UZYTKOWNIKA_POZ", "id_kartoteki_poz", "kod", "wartosc", "KARTOT_UZYT_POZ", "Kartoteka"},
};

const CardTable* tableOf(QChar kind) {
    const QChar k = kind.toUpper();
    for (const CardTable& t : kTables)
        if (t.kind == k) return &t;
    return nullptr;
}

std::optional<PartyKind> partyKindOf(QChar kind) {
    if (kind == QChar('K')) return PartyKind::Contractor;
    if (kind == QChar('P')) return PartyKind::Employee;
    if (kind == QChar('U')) return PartyKind::Office;
    return std::nullopt;
}

QString latin(const char* s) { return QString::fromLatin1(s); }

// A LIKE pattern of the filter, with the characters LIKE itself reads escaped by "\".
QString likePattern(const QString& filter) {
    QString escaped;
    for (QChar c : filter.trimmed()) {
        if (c == QChar('\\') || c == QChar('%') || c == QChar('_')) escaped += QChar('\\');
        escaped += c;
    }
    if (!hasWildcards(escaped)) escaped += QChar('*');
    return ZAMIEN_ZNAKI(escaped).toLower();
}

// The list of a company-defined register: its values, by code.
std::unique_ptr<PickerList> registerList(const PickerContext& context, const CardTable& t, const QString& registerSymbol,
                                         const QString& filter) {
    db::Rows r = context.db.select(QStringLiteral("select id_kartoteki_uzytkownika, nazwa_kartoteki from KARTOTEKA_UZYTKOWNIKA "
                                                  "where id_firmy=? and symbol_kartoteki=?"),
                                   {context.company, registerSymbol.trimmed()});
    if (!r.next()) return nullptr;
    PickerDefinition picker;
    picker.objectName = latin(t.objectName);
    picker.title = r.text(1).isEmpty() ? QString::fromUtf8(t.title) : r.text(1);
    ui::ListQuery& q = picker.query;
    q.source = latin(t.source);
    q.idColumn = latin(t.id);
    q.columns = {{QStringLiteral("kod"), QStringLiteral("Kod"), ui::ColumnKind::Text, 20},
                 {QStringLiteral("wartosc"), QStringLiteral("Wartość"), ui::ColumnKind::Text, 60}};
    q.sort = ui::SortOrder::ascending(QString(), {QStringLiteral("kod")});
    q.ranges.push_back({QStringLiteral("id_kartoteki_uzytkownika"), r.int64(0)});
    q.filter = cardFilter(QStringLiteral("kod"), filter);
    return std::make_unique<PickerList>(context.db, std::move(picker));
}

} // namespace

ui::SqlFilter cardFilter(const QString& symbolColumn, const QString& filter) {
    if (filter.trimmed().isEmpty()) return {};
    return {QStringLiteral("lower(%1) like ? escape '\\'").arg(symbolColumn), {likePattern(filter)}};
}

std::unique_ptr<PickerList> cardList(const PickerContext& context, QChar kind, const QString& registerSymbol,
                                     const QString& filter) {
    const CardTable* t = tableOf(kind);
    if (!t) return nullptr;
    if (t->kind == QChar('X')) return registerList(context, *t, registerSymbol, filter);
    if (const auto party = partyKindOf(t->kind)) {
        // The contractor library's own party list, narrowed by the filter.
        auto list = partyList(context, *party);
        list->model().setFilter(cardFilter(latin(t->symbol), filter));
        list->setCurrentRow(list->model().heldRows() > 0 ? 0 : -1);
        return list;
    }

    const QString symbol = latin(t->symbol);
    PickerDefinition picker;
    picker.objectName = latin(t->objectName);
    picker.title = QString::fromUtf8(t->title);
    picker.query = pickerQuery(latin(t->source), latin(t->id),
                               {{symbol, QStringLiteral("Symbol"), ui::ColumnKind::Text, 20},
                                {latin(t->name), QStringLiteral("Nazwa"), ui::ColumnKind::Text, 50}},
                               {symbol}, context.company);
    picker.query.filter = cardFilter(symbol, filter);
    return std::make_unique<PickerList>(context.db, std::move(picker));
}

CardChoice finishCardPick(PickerList& list, QChar kind) {
    const CardTable* t = tableOf(kind);
    if (!t || !list.chosen()) return {};
    return {list.chosenId(), list.chosenText(latin(t->symbol)), list.chosenText(latin(t->name))};
}

} // namespace ksiega::pickers
