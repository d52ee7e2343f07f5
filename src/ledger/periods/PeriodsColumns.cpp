#include "ledger/periods/PeriodsColumns.h"
#include "ledger/accounts/EntriesFilter.h"
#include "platform/runtime/CurrencyCode.h"
#include "ledger/accounts/EntryListColumns.h"

namespace ksiega::ledger {

using ui::ColumnKind;

ui::ListColumns periodEntryColumns() {
    ui::ListColumns columns{{QStringLiteral("konto"), QStringLiteral("Nr konta"), ColumnKind::Text, 50}};
    columns += entryDocumentColumns();
    columns.append({QStringLiteral("nazwa_konta"), QStringLiteral("Nazwa konta"), ColumnKind::Text, 200});
    columns.append({QStringLiteral("id_uzyt_p"), QStringLiteral("Użytkownik"), ColumnKind::Text, 8});
    return columns;
}

ui::ListColumns turnoverColumns(const QString& currency, int64_t customerVariant) {
    ui::ListColumns cols{{QStringLiteral("nr_konta"), QStringLiteral("Nr konta"), ColumnKind::Text, 50}};
    const char* names[] = {"obr_wn", "obr_ma", "saldo_wn", "saldo_ma"};
    const char* titles[] = {"Obroty Dt", "Obroty Ct", "Saldo Dt", "Saldo Ct"};
    const bool home = isHomeCurrency(currency);
    const QString suffix = home ? (customerVariant >= 1 ? QStringLiteral("_2") : QString()) : QStringLiteral("_w");
    for (int i = 0; i < 4; ++i)
        cols.push_back({QString::fromLatin1(names[i]) + suffix,
                        QString::fromUtf8(titles[i]) + (home ? QString() : QStringLiteral(" /wal./")),
                        ColumnKind::Money, 19});
    return cols;
}

namespace {

struct Choice {
    const char* name;
    const char* column;
};

constexpr Choice kEntryChoices[] = {
    {"Nr ewidencyjny", "nr_ewid_dok"}, {"Data wpływu", "data_wplywu"},   {"Nr dokumentu", "nr_dok_org"},
    {"Data księgowania", "data_biezaca"}, {"Data dokumentu", "data_dok_org"}, {"Konto", "konto"},
    {"Dziennik", "sygnatura"},          {"Opis pozycji", "opis"},
};
constexpr Choice kTurnoverChoices[] = {
    {"Nr konta", "nr_konta"}, {"Obroty Dt", "obr_wn"}, {"Obroty Ct", "obr_ma"},
    {"Saldo Dt", "saldo_wn"}, {"Saldo Ct", "saldo_ma"},
};

template <size_t N>
QStringList namesOf(const Choice (&choices)[N]) {
    QStringList out;
    for (const Choice& c : choices) out << QString::fromUtf8(c.name);
    return out;
}

} // namespace

QStringList periodEntrySortNames() { return namesOf(kEntryChoices); }
QStringList turnoverSortNames() { return namesOf(kTurnoverChoices); }

int periodsSortChoices(int viewMode) {
    return viewMode == 1 ? int(std::size(kTurnoverChoices)) : int(std::size(kEntryChoices));
}

ui::SortOrder periodsSortOrder(int viewMode, int choice, bool descending) {
    if (choice < 0 || choice >= periodsSortChoices(viewMode)) choice = 0;
    const Choice& c = viewMode == 1 ? kTurnoverChoices[choice] : kEntryChoices[choice];
    QStringList keys{QString::fromLatin1(c.column)};
    // Turnover amounts tie often: the account breaks the tie before the row id.
    if (viewMode == 1 && choice > 0) keys << QStringLiteral("nr_konta");
    ui::SortOrder order = ui::SortOrder::ascending(QString::fromUtf8(c.name), keys);
    return descending ? order.reversed() : order;
}

} // namespace ksiega::ledger
