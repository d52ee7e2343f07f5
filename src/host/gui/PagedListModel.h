#pragma once
// A list model that fills itself page by page from a PageFetch, as the view scrolls.
#include "host/gui/ListItem.h"
#include <QAbstractListModel>

namespace ksiega::host {

class PagedListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int IdRole = Qt::UserRole + 1;

    explicit PagedListModel(QObject* parent = nullptr, int pageSize = 100);
    // Starts again with another source (e.g. the years of another company).
    void reset(PageFetch fetch);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // Row of an id, fetching further pages until it turns up; -1 when it is not there.
    int rowOf(int64_t id);
    int rowOfKey(const QString& key);
    const ListItem& item(int row) const { return m_items.at(size_t(row)); }

private:
    int findRow(const std::function<bool(const ListItem&)>& match);

    PageFetch m_fetch;
    std::vector<ListItem> m_items;
    bool m_atEnd = true;
    int m_pageSize;
};

} // namespace ksiega::host
