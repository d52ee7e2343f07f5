#include "settlements/shared/ChosenListModel.h"
#include "platform/runtime/Date.h"
#include "settlements/shared/SettlementTexts.h"

namespace ksiega::settlements {

ChosenListModel::ChosenListModel(const ChosenSettlements& chosen, QObject* parent) : QAbstractTableModel(parent), m_chosen(chosen) {}

void ChosenListModel::refresh() {
    if (m_generation == m_chosen.generation()) return;
    beginResetModel();
    m_generation = m_chosen.generation();
    m_rows.clear();
    m_atEnd = m_chosen.isEmpty();
    endResetModel();
    if (!m_atEnd) fetchMore();
}

int ChosenListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }
int ChosenListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 10; }

bool ChosenListModel::canFetchMore(const QModelIndex& parent) const { return !parent.isValid() && !m_atEnd; }

void ChosenListModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || m_atEnd) return;
    std::vector<ChosenRow> more = m_chosen.page(m_rows.empty() ? 0 : m_rows.back().id, kPageSize);
    m_atEnd = int(more.size()) < kPageSize;
    if (more.empty()) return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + more.size()) - 1);
    m_rows.insert(m_rows.end(), more.begin(), more.end());
    endInsertRows();
}

QVariant ChosenListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(m_rows.size())) return {};
    const ChosenRow& r = m_rows[size_t(index.row())];
    if (role == Qt::TextAlignmentRole) {
        const int c = index.column();
        return (c == 0 || (c >= 4 && c <= 7)) ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case 0: return QString::number(index.row() + 1);
    case 1: return r.nazwa;
    case 2: return r.nrDok;
    case 3: return date::toDisplay(r.dataDok);
    case 4: return r.kwotaWn.toDisplay();
    case 5: return r.saldoWn.toDisplay();
    case 6: return r.kwotaMa.toDisplay();
    case 7: return r.saldoMa.toDisplay();
    case 8: return r.waluta;
    case 9: return r.opis;
    }
    return {};
}

QVariant ChosenListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const QStringList headings{texts::COL_LP,       texts::COL_NAZWA,    texts::COL_NR_DOK,   texts::COL_DATA_DOK,
                                      texts::COL_KWOTA_DT, texts::COL_SALDO_DT, texts::COL_KWOTA_CT, texts::COL_SALDO_CT,
                                      texts::COL_WALUTA,   texts::COL_OPIS};
    return section >= 0 && section < headings.size() ? QVariant(headings[section]) : QVariant();
}

} // namespace ksiega::settlements
