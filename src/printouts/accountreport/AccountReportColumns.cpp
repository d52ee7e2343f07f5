#include "printouts/accountreport/AccountReportColumns.h"

namespace ksiega::printouts {

using ui::ColumnKind;

ui::ListColumns accountReportColumns() {
    return {
        {QStringLiteral("nr_ewid_dok"), QStringLiteral("Nr ewidencyjny"), ColumnKind::Text, 25},
        {QStringLiteral("data_biezaca"), QStringLiteral("Data księg."), ColumnKind::Date, 10},
        {QStringLiteral("data_dok_org"), QStringLiteral("Data dok."), ColumnKind::Date, 10},
        {QStringLiteral("kwota_wn"), QStringLiteral("Kwota Dt"), ColumnKind::Money, 14},
        {QStringLiteral("kwota_wn_w"), QStringLiteral("Kwota Dt /wal./"), ColumnKind::Money, 14},
        {QStringLiteral("kwota_ma"), QStringLiteral("Kwota Ct"), ColumnKind::Money, 14},
        {QStringLiteral("kwota_ma_w"), QStringLiteral("Kwota Ct /wal./"), ColumnKind::Money, 14},
        {QStringLiteral("nr_dziennik"), QStringLiteral("Nr w dzienniku"), ColumnKind::Integer, 14},
        {QStringLiteral("nr_dok_org"), QStringLiteral("Nr dokumentu"), ColumnKind::Text, 20},
        {QStringLiteral("data_oper_gosp"), QStringLiteral("Data oper. gosp."), ColumnKind::Date, 10},
        {QStringLiteral("nr_poz_dok"), QStringLiteral("Nr poz."), ColumnKind::Integer, 4},
        {QStringLiteral("opis"), QStringLiteral("Opis pozycji"), ColumnKind::Text, 50},
        {QStringLiteral("id_uzyt_p"), QStringLiteral("Użytkownik"), ColumnKind::Text, 8},
    };
}

namespace {
struct Choice {
    const char* name;
    const char* column;
};
constexpr Choice kChoices[kEntrySortChoices] = {
    {"Data księgowania", "data_biezaca"},
    {"Data dokumentu", "data_dok_org"},
    {"Nr ewidencyjny", "nr_ewid_dok"},
    {"Nr dokumentu", "nr_dok_org"},
};
} // namespace

QStringList accountReportSortNames() {
    QStringList out;
    for (const Choice& c : kChoices) out << QString::fromUtf8(c.name);
    return out;
}

EntrySort defaultEntrySort(DateKind kind) {
    return kind == DateKind::Posting ? EntrySort::PostingDate : EntrySort::DocumentDate;
}

ui::SortOrder accountReportSortOrder(EntrySort choice, bool descending) {
    int i = int(choice);
    if (i < 0 || i >= kEntrySortChoices) i = 0;
    QStringList keys{QString::fromLatin1(kChoices[i].column)};
    // Within one date, number or document the lines follow their posting date.
    if (choice != EntrySort::PostingDate) keys << QStringLiteral("data_biezaca");
    ui::SortOrder order = ui::SortOrder::ascending(QString::fromUtf8(kChoices[i].name), keys);
    return descending ? order.reversed() : order;
}

bool isDateSort(EntrySort choice) { return choice == EntrySort::PostingDate || choice == EntrySort::DocumentDate; }

} // namespace ksiega::printouts
