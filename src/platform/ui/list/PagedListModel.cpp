#include "platform/ui/list/PagedListModel.h"
#include "platform/db/BoundedRead.h"
#include "platform/runtime/Date.h"
#include "platform/ui/icons/IconSet.h"
#include <algorithm>

namespace ksiega::ui {

PagedListModel::PagedListModel(db::Database& db, ListQuery query, QObject* parent)
    : QAbstractTableModel(parent), m_db(db) {
    setQuery(std::move(query));
}

void PagedListModel::setQuery(ListQuery query) {
    m_query = std::move(query);
    m_fetched = m_query.fetchedColumns();
    m_fetchedKinds.clear();
    for (const QString& c : m_fetched) m_fetchedKinds << m_query.kindOf(c);
    m_keyIndex.clear();
    for (const SortKey& k : m_query.totalSort().keys) m_keyIndex << int(m_fetched.indexOf(k.column));
    beginResetModel();
    m_rows.clear();
    endResetModel();
    toFirst();
}

void PagedListModel::setSort(const SortOrder& sort) {
    ListQuery q = m_query;
    q.sort = sort;
    setQuery(std::move(q));
}

void PagedListModel::setFilter(const SqlFilter& filter) {
    ListQuery q = m_query;
    q.filter = filter;
    setQuery(std::move(q));
}

void PagedListModel::setMarks(MarksList* marks) {
    beginResetModel();
    m_marks = marks;
    endResetModel();
}

void PagedListModel::toggleMark(int row) {
    if (!m_marks || row < 0 || row >= heldRows()) return;
    m_marks->toggle(idAt(row));
    emit dataChanged(index(row, 0), index(row, 0), {Qt::DecorationRole});
}

void PagedListModel::marksChanged() {
    if (m_marks && !m_rows.empty()) emit dataChanged(index(0, 0), index(heldRows() - 1, 0), {Qt::DecorationRole});
}

// ---- reading ----

keyset::KeyValues PagedListModel::keyOf(const Row& row) const {
    keyset::KeyValues key;
    for (int i : m_keyIndex) key.push_back(row[i]);
    return key;
}

std::vector<PagedListModel::Row> PagedListModel::read(const Statement& s) const {
    std::vector<Row> out;
    const db::BoundedRead bounded(m_db); // a filter may not keep the server busy for ever
    db::Rows rows = m_db.select(s.sql, s.params);
    const int n = int(m_fetched.size());
    while (rows.next()) {
        Row r(n);
        for (int c = 0; c < n; ++c) {
            if (rows.isNull(c)) continue;
            r[c] = m_fetchedKinds[c] == ColumnKind::Text ? db::SqlValue(rows.text(c)) : db::SqlValue(qint64(rows.int64(c)));
        }
        out.push_back(std::move(r));
    }
    return out;
}

std::vector<PagedListModel::Row> PagedListModel::readPage(const SortOrder& order,
                                                          const std::optional<keyset::KeyValues>& key,
                                                          bool inclusive) const {
    return read(keyset::page(m_query, order, key, inclusive, m_pageSize));
}

void PagedListModel::resetRows() {
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void PagedListModel::appendRows(std::vector<Row> rows) {
    if (rows.empty()) return;
    const int first = heldRows();
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    for (Row& r : rows) m_rows.push_back(std::move(r));
    endInsertRows();
}

void PagedListModel::prependRows(std::vector<Row> rows) {
    if (rows.empty()) return;
    beginInsertRows({}, 0, int(rows.size()) - 1);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) m_rows.push_front(std::move(*it));
    endInsertRows();
}

void PagedListModel::trimTop() {
    const int excess = heldRows() - m_maxPages * m_pageSize;
    if (excess <= 0) return;
    emit rowsAboutToBeDropped(0, excess - 1);
    beginRemoveRows({}, 0, excess - 1);
    m_rows.erase(m_rows.begin(), m_rows.begin() + excess);
    endRemoveRows();
    m_atStart = false;
}

void PagedListModel::trimBottom() {
    const int excess = heldRows() - m_maxPages * m_pageSize;
    if (excess <= 0) return;
    emit rowsAboutToBeDropped(heldRows() - excess, heldRows() - 1);
    beginRemoveRows({}, heldRows() - excess, heldRows() - 1);
    m_rows.erase(m_rows.end() - excess, m_rows.end());
    endRemoveRows();
    m_atEnd = false;
}

void PagedListModel::toFirst() {
    resetRows();
    m_atStart = true;
    m_atEnd = false;
    auto rows = readPage(m_query.totalSort(), std::nullopt, false);
    m_atEnd = int(rows.size()) < m_pageSize;
    appendRows(std::move(rows));
}

void PagedListModel::toLast() {
    resetRows();
    m_atEnd = true;
    m_atStart = false;
    auto rows = readPage(m_query.totalSort().reversed(), std::nullopt, false);
    m_atStart = int(rows.size()) < m_pageSize;
    std::reverse(rows.begin(), rows.end());
    appendRows(std::move(rows));
}

bool PagedListModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !m_atEnd && !m_busy;
}

// Views react to the model's own signals by scrolling, and a scroll may ask for another
// page while the window is still changing; such requests wait for the next scroll.
struct PagedListModel::Busy {
    explicit Busy(bool& flag) : m_flag(flag) { m_flag = true; }
    ~Busy() { m_flag = false; }
    bool& m_flag;
};

void PagedListModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || m_atEnd || m_busy) return;
    Busy busy(m_busy);
    std::optional<keyset::KeyValues> key;
    if (!m_rows.empty()) key = keyOf(m_rows.back());
    auto rows = readPage(m_query.totalSort(), key, false);
    m_atEnd = int(rows.size()) < m_pageSize;
    appendRows(std::move(rows));
    trimTop();
}

int PagedListModel::fetchPrevious() {
    if (m_atStart || m_busy) return 0;
    Busy busy(m_busy);
    if (m_rows.empty()) {
        m_busy = false;
        toLast();
        return heldRows();
    }
    auto rows = readPage(m_query.totalSort().reversed(), keyOf(m_rows.front()), false);
    m_atStart = int(rows.size()) < m_pageSize;
    std::reverse(rows.begin(), rows.end());
    const int added = int(rows.size());
    prependRows(std::move(rows));
    trimBottom();
    return added;
}

// Puts `firstRows` (the rows from a found row on) into a fresh window with one page of
// context above them; returns the found row's index.
int PagedListModel::seekFrom(std::vector<Row> firstRows) {
    if (firstRows.empty()) {
        toLast();
        return heldRows() - 1;
    }
    resetRows();
    m_atEnd = int(firstRows.size()) < m_pageSize;
    m_atStart = false;
    appendRows(std::move(firstRows));
    return fetchPrevious();
}

int PagedListModel::refresh(int currentRow) {
    if (currentRow < 0 || currentRow >= heldRows()) {
        toFirst();
        return m_rows.empty() ? -1 : 0;
    }
    const keyset::KeyValues key = keyOf(m_rows[currentRow]);
    const int row = seekFrom(readPage(m_query.totalSort(), key, true));
    emit currentRowSuggested(row);
    return row;
}

std::optional<db::SqlValue> PagedListModel::locatorValue(const QString& text) const {
    const QString column = m_query.totalSort().keys[0].column;
    switch (m_query.kindOf(column)) {
    case ColumnKind::Text:
        return db::SqlValue(text);
    case ColumnKind::Integer: {
        bool ok = false;
        const qint64 v = text.trimmed().toLongLong(&ok);
        if (!ok) return std::nullopt;
        return db::SqlValue(v);
    }
    case ColumnKind::Money: {
        auto m = Money::parse(text);
        if (!m) return std::nullopt;
        return db::SqlValue(*m);
    }
    case ColumnKind::Date: {
        if (auto d = date::parseIso(text.trimmed())) return db::SqlValue(*d);
        const QDate q = QDate::fromString(text.trimmed(), QStringLiteral("dd-MM-yyyy"));
        if (!q.isValid()) return std::nullopt;
        return db::SqlValue(date::fromQDate(q));
    }
    }
    return std::nullopt;
}

int PagedListModel::locate(const QString& text) {
    if (text.isEmpty()) return m_rows.empty() ? -1 : 0;
    int row;
    if (m_intuitive && m_query.kindOf(m_query.totalSort().keys[0].column) == ColumnKind::Text) {
        auto found = read(keyset::locateContaining(m_query, text, 1));
        if (found.empty()) return -1;   // nothing contains it: stay where the list is
        row = seekFrom(readPage(m_query.totalSort(), keyOf(found.front()), true));
    } else {
        auto value = locatorValue(text);
        if (!value) return -1;
        row = seekFrom(read(keyset::locate(m_query, *value, m_pageSize)));
    }
    if (row >= 0) emit currentRowSuggested(row);
    return row;
}

int PagedListModel::locateDate(int dayNumber) {
    const int row = seekFrom(read(keyset::locate(m_query, db::SqlValue(dayNumber), m_pageSize)));
    if (row >= 0) emit currentRowSuggested(row);
    return row;
}

// ---- model ----

int64_t PagedListModel::idAt(int row) const {
    return m_rows.at(row).at(m_fetched.indexOf(m_query.idColumn)).toInt64();
}

db::SqlValue PagedListModel::valueAt(int row, const QString& column) const {
    const int c = int(m_fetched.indexOf(column));
    if (c < 0 || row < 0 || row >= heldRows()) return {};
    return m_rows[row][c];
}

int PagedListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : heldRows();
}

int PagedListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_query.columns.size()) + firstColumn();
}

QVariant PagedListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= heldRows()) return {};
    const Row& row = m_rows[index.row()];
    if (m_marks && index.column() == 0) {
        if (role == Qt::DecorationRole)
            return icons::byName(m_marks->isMarked(idAt(index.row())) ? QStringLiteral("~BoxOn.ico") : QStringLiteral("~boxoff.ico"));
        return {};
    }
    const int c = index.column() - firstColumn();
    if (c < 0 || c >= m_query.columns.size()) return {};
    const ListColumn& col = m_query.columns[c];
    const db::SqlValue& v = row[c];
    switch (role) {
    case Qt::DisplayRole:
        if (v.isNull()) return QString();
        switch (col.kind) {
        case ColumnKind::Text: return v.toText();
        case ColumnKind::Integer: return QString::number(v.toInt64());
        case ColumnKind::Money: return Money::fromMinor(v.toInt64()).toDisplay();
        case ColumnKind::Date: return date::toDisplay(int(v.toInt64()));
        }
        return {};
    case Qt::EditRole:
        if (v.isNull()) return {};
        return col.kind == ColumnKind::Text ? QVariant(v.toText()) : QVariant(qint64(v.toInt64()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(col.kind == ColumnKind::Text ? (Qt::AlignLeft | Qt::AlignVCenter)
                                                                : (Qt::AlignRight | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant PagedListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const int c = section - firstColumn();
    if (c < 0 || c >= m_query.columns.size()) return QString();
    return m_query.columns[c].title;
}

} // namespace ksiega::ui
