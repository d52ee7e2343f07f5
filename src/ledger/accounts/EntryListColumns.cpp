#include "ledger/accounts/EntryListColumns.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/MonthNames.h"

namespace ksiega::ledger {

using ui::ColumnKind;

ui::ListColumns entryDocumentColumns() {
    return {
        {QStringLiteral("nr_ewid_dok"), QStringLiteral("Nr ewidencyjny"), ColumnKind::Text, 25},
        {QStringLiteral("kwota_wn"), QStringLiteral("Kwota Dt"), ColumnKind::Money, 14},
        {QStringLiteral("kwota_wn_w"), QStringLiteral("Kwota Dt/wal./"), ColumnKind::Money, 14},
        {QStringLiteral("kwota_ma"), QStringLiteral("Kwota Ct"), ColumnKind::Money, 14},
        {QStringLiteral("kwota_ma_w"), QStringLiteral("Kwota Ct/wal./"), ColumnKind::Money, 14},
        {QStringLiteral("sygnatura"), QStringLiteral("Dziennik"), ColumnKind::Text, 6},
        {QStringLiteral("data_biezaca"), QStringLiteral("Data księgowania"), ColumnKind::Date, 10},
        {QStringLiteral("data_zatwierdzenia"), QStringLiteral("Data zatwierdz."), ColumnKind::Date, 10},
        {QStringLiteral("nr_dok_org"), QStringLiteral("Nr dokumentu"), ColumnKind::Text, 20},
        {QStringLiteral("data_dok_org"), QStringLiteral("Data dokumentu"), ColumnKind::Date, 10},
        {QStringLiteral("data_oper_gosp"), QStringLiteral("Data oper. gosp."), ColumnKind::Date, 10},
        {QStringLiteral("opis"), QStringLiteral("Opis pozycji"), ColumnKind::Text, 50},
    };
}

ui::ListColumns entryListColumns() {
    ui::ListColumns columns{{QStringLiteral("data_okresu"), QStringLiteral("Okres"), ColumnKind::Integer, 20}};
    columns += entryDocumentColumns();
    columns.append({QStringLiteral("id_uzyt_p"), QStringLiteral("Użytkownik"), ColumnKind::Text, 8});
    return columns;
}

QStringList entryColumnTitles() {
    QStringList titles;
    for (const ui::ListColumn& c : entryListColumns()) titles << c.title;
    return titles;
}

namespace {

struct Pair {
    const char* column;
    const char* name;
};

// Orders 1..11 (ascending) and their descending twins 12..22, then 23/24.
constexpr Pair kPairs[] = {
    {"nr_ewid_dok", "Nr ewidencyjny"},
    {"data_biezaca", "Data księgowania"},
    {"data_okresu", "Okres obrotowy"},
    {"nr_dok_org", "Nr dokumentu"},
    {"data_dok_org", "Data dokumentu"},
    {"data_oper_gosp", "Data oper. gosp."},
    {"kwota_wn", "Kwota Dt"},
    {"kwota_ma", "Kwota Ct"},
    {"kwota_wn_w", "Kwota Dt w walucie"},
    {"kwota_ma_w", "Kwota Ct w walucie"},
    {"opis", "Opis pozycji"},
    {"data_zatwierdzenia", "Data zatwierdzenia"},
};
constexpr int kPairCount = 11;

} // namespace

ui::SortOrder entrySortOrder(int number) {
    if (number < 1 || number > kEntrySortOrders) number = 1;
    if (number == 25) return ui::SortOrder::ascending(QString(), {QStringLiteral("nr_sys_dok")});
    const int index = entrySortChoiceIndex(number);
    const Pair& p = kPairs[index];
    ui::SortOrder order = ui::SortOrder::ascending(QString::fromUtf8(p.name), {QString::fromLatin1(p.column)});
    return entrySortDescending(number) ? order.reversed() : order;
}

QStringList entrySortNames() {
    QStringList names;
    for (const Pair& p : kPairs) names << QString::fromUtf8(p.name);
    return names;
}

int entrySortChoiceIndex(int number) {
    if (number >= 1 && number <= kPairCount) return number - 1;
    if (number > kPairCount && number <= 2 * kPairCount) return number - kPairCount - 1;
    if (number == 23 || number == 24) return kPairCount;
    return -1;
}

bool entrySortDescending(int number) {
    return (number > kPairCount && number <= 2 * kPairCount) || number == 24;
}

int entrySortNumber(int choiceIndex, bool descending) {
    if (choiceIndex >= 0 && choiceIndex < kPairCount) return choiceIndex + 1 + (descending ? kPairCount : 0);
    if (choiceIndex == kPairCount) return descending ? 24 : 23;
    return 1;
}

int entrySortToggled(int number) {
    const int index = entrySortChoiceIndex(number);
    return index < 0 ? number : entrySortNumber(index, !entrySortDescending(number));
}

QString entryPeriodLabel(int dataOkresu, bool twoCalendarYears) {
    if (dataOkresu <= 0) return QString();
    switch (date::periodKind(dataOkresu)) {
    case date::PeriodKind::OpeningBalance: return QStringLiteral("BO");
    case date::PeriodKind::ClosingBalance: return QStringLiteral("BZ");
    default: return periodMonthLabel(date::year(dataOkresu), date::month(dataOkresu), twoCalendarYears);
    }
}

} // namespace ksiega::ledger
