#pragma once
// The rules of the column configuration dialog: show, hide, reorder and resize the
// columns of a list. The leading fixed columns (the mark column, ...) neither move nor
// hide, nothing moves in front of them, and at least one column stays visible.
#include "platform/ui/columns/ColumnLayout.h"
#include <QHash>

namespace ksiega::ui {

class ColumnConfigController {
public:
    // `layout` is the list's current layout, `titles` the headers to show by name.
    ColumnConfigController(ColumnLayout layout, QHash<QString, QString> titles = {}, int fixedColumns = 0);

    int count() const { return int(m_layout.columns.size()); }
    const ColumnState& column(int i) const { return m_layout.columns[i]; }
    QString title(int i) const;
    bool isFixed(int i) const { return i < m_fixed; }

    bool canMoveUp(int i) const { return i > m_fixed && i < count(); }
    bool canMoveDown(int i) const { return i >= m_fixed && i < count() - 1; }
    bool moveUp(int i);
    bool moveDown(int i);
    // False when refused (a fixed column, or the last visible one).
    bool setHidden(int i, bool hidden);
    bool setWidth(int i, int width);   // 1..2000 pixels

    const ColumnLayout& layout() const { return m_layout; }

private:
    ColumnLayout m_layout;
    QHash<QString, QString> m_titles;
    int m_fixed;
};

} // namespace ksiega::ui
