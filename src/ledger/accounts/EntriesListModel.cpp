#include "ledger/accounts/EntriesListModel.h"
#include "ledger/accounts/EntryListColumns.h"

namespace ksiega::ledger {

QString EntriesListModel::periodLabel(int row) const {
    return entryPeriodLabel(int(valueAt(row, QStringLiteral("data_okresu")).toInt64()), m_twoYears);
}

QVariant EntriesListModel::data(const QModelIndex& index, int role) const {
    const int c = index.column() - firstColumn();
    if (index.isValid() && c >= 0 && c < query().columns.size() && query().columns[c].name == QLatin1String("data_okresu")) {
        if (role == Qt::DisplayRole) return periodLabel(index.row());
        if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return ui::PagedListModel::data(index, role);
}

} // namespace ksiega::ledger
