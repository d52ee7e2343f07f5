#include "host/gui/PagedListModel.h"

namespace ksiega::host {

PagedListModel::PagedListModel(QObject* parent, int pageSize) : QAbstractListModel(parent), m_pageSize(pageSize) {}

void PagedListModel::reset(PageFetch fetch) {
    beginResetModel();
    m_fetch = std::move(fetch);
    m_items.clear();
    m_atEnd = !m_fetch;
    endResetModel();
    if (!m_atEnd) fetchMore({});
}

int PagedListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_items.size()); }

QVariant PagedListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(m_items.size())) return {};
    const ListItem& it = m_items[size_t(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole) return it.text;
    if (role == IdRole) return QVariant::fromValue<qlonglong>(it.id);
    return {};
}

bool PagedListModel::canFetchMore(const QModelIndex& parent) const { return !parent.isValid() && !m_atEnd; }

void PagedListModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || m_atEnd) return;
    auto page = m_fetch(m_items.empty() ? nullptr : &m_items.back(), m_pageSize);
    if (int(page.size()) < m_pageSize) m_atEnd = true;
    if (page.empty()) return;
    const int first = int(m_items.size());
    beginInsertRows({}, first, first + int(page.size()) - 1);
    for (auto& it : page) m_items.push_back(std::move(it));
    endInsertRows();
}

int PagedListModel::rowOf(int64_t id) { return findRow([id](const ListItem& it) { return it.id == id; }); }
int PagedListModel::rowOfKey(const QString& key) { return findRow([&key](const ListItem& it) { return it.key == key; }); }

int PagedListModel::findRow(const std::function<bool(const ListItem&)>& match) {
    for (size_t i = 0;; ++i) {
        if (i == m_items.size()) {
            if (m_atEnd) return -1;
            fetchMore({});
            if (i == m_items.size()) return -1;
        }
        if (match(m_items[i])) return int(i);
    }
}

} // namespace ksiega::host
