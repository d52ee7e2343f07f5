#pragma once
// A list over an SQL view or table that reads one page at a time by key (see KeysetSql.h)
// and keeps only a bounded window of pages in memory. Rows of the model are the rows of
// that window: scrolling down appends a page (fetchMore) and drops the page farthest up;
// scrolling up prepends a page (fetchPrevious) and drops the page farthest down. Lists
// show a scroll position, not a row count.
//
// With a marks list attached, column 0 is the mark column ("~BoxOn.ico"/"~boxoff.ico").
#include "platform/db/Database.h"
#include "platform/ui/list/KeysetSql.h"
#include "platform/ui/list/MarksList.h"
#include <QAbstractTableModel>
#include <deque>

namespace ksiega::ui {

class PagedListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    PagedListModel(db::Database& db, ListQuery query, QObject* parent = nullptr);

    const ListQuery& query() const { return m_query; }
    db::Database& database() const { return m_db; }
    // Each of these re-reads the list from its first page.
    void setQuery(ListQuery query);
    void setSort(const SortOrder& sort);
    void setFilter(const SqlFilter& filter);
    void setPageSize(int rows) { m_pageSize = qMax(1, rows); }
    void setMaxPages(int pages) { m_maxPages = qMax(2, pages); }
    int pageSize() const { return m_pageSize; }

    void setMarks(MarksList* marks);
    bool hasMarkColumn() const { return m_marks != nullptr; }
    void toggleMark(int row);
    // The marks changed wholesale ("Zaznacz wszystko" ...): repaint the mark column.
    void marksChanged();

    void toFirst();
    void toLast();
    bool canFetchMore(const QModelIndex& parent = {}) const override;
    void fetchMore(const QModelIndex& parent = {}) override;
    bool canFetchPrevious() const { return !m_atStart && !m_busy; }
    // Reads the page before the first held row; returns how many rows came in on top.
    int fetchPrevious();
    bool atStart() const { return m_atStart; }
    bool atEnd() const { return m_atEnd; }

    // Re-reads the list around the row's key; returns the row's new index (or that of the
    // row now in its place when it is gone), -1 when the list is empty.
    int refresh(int currentRow);

    // The locator: the first row whose first sort column is at or after `text` (in the
    // list's direction), or, with intuitive search on, the first row containing it. The
    // text is read as the column's kind (amount, date dd-mm-yyyy or ISO, number). Returns
    // the row's index; when no row qualifies, the last row. -1 when the list is empty.
    int locate(const QString& text);
    int locateDate(int dayNumber);
    void setIntuitiveSearch(bool on) { m_intuitive = on; }
    bool intuitiveSearch() const { return m_intuitive; }

    int heldRows() const { return int(m_rows.size()); }
    int64_t idAt(int row) const;
    db::SqlValue valueAt(int row, const QString& column) const;
    int firstColumn() const { return m_marks ? 1 : 0; }   // first data column

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A locator or refresh wants this row to become the current one.
    void currentRowSuggested(int row);
    // Rows are about to leave the window of held rows (before the model's own removal
    // signals): a view can note what it shows.
    void rowsAboutToBeDropped(int first, int last);

private:
    using Row = QVector<db::SqlValue>;
    keyset::KeyValues keyOf(const Row& row) const;
    std::vector<Row> read(const Statement& s) const;
    std::vector<Row> readPage(const SortOrder& order, const std::optional<keyset::KeyValues>& key, bool inclusive) const;
    void appendRows(std::vector<Row> rows);
    void prependRows(std::vector<Row> rows);
    void trimTop();
    void trimBottom();
    int seekFrom(std::vector<Row> firstRows);
    void resetRows();
    std::optional<db::SqlValue> locatorValue(const QString& text) const;

    db::Database& m_db;
    ListQuery m_query;
    QStringList m_fetched;
    QVector<int> m_keyIndex;
    QVector<ColumnKind> m_fetchedKinds;
    std::deque<Row> m_rows;
    int m_pageSize = 200;
    int m_maxPages = 5;
    bool m_atStart = true;
    bool m_atEnd = true;
    bool m_intuitive = false;
    MarksList* m_marks = nullptr;
    struct Busy;
    bool m_busy = false;
};

} // namespace ksiega::ui
