#include "platform/ui/columns/ColumnConfigController.h"
#include <algorithm>

namespace ksiega::ui {

ColumnConfigController::ColumnConfigController(ColumnLayout layout, QHash<QString, QString> titles, int fixedColumns)
    : m_layout(std::move(layout)), m_titles(std::move(titles)), m_fixed(qBound(0, fixedColumns, int(m_layout.columns.size()))) {}

QString ColumnConfigController::title(int i) const {
    const QString& name = m_layout.columns[i].name;
    const QString t = m_titles.value(name);
    return t.isEmpty() ? name : t;
}

bool ColumnConfigController::moveUp(int i) {
    if (!canMoveUp(i)) return false;
    std::swap(m_layout.columns[i], m_layout.columns[i - 1]);
    return true;
}

bool ColumnConfigController::moveDown(int i) {
    if (!canMoveDown(i)) return false;
    std::swap(m_layout.columns[i], m_layout.columns[i + 1]);
    return true;
}

bool ColumnConfigController::setHidden(int i, bool hidden) {
    if (i < 0 || i >= count() || isFixed(i)) return false;
    if (hidden && !m_layout.columns[i].hidden) {
        const int visible = int(std::count_if(m_layout.columns.begin(), m_layout.columns.end(),
                                              [](const ColumnState& c) { return !c.hidden; }));
        if (visible <= 1) return false;
    }
    m_layout.columns[i].hidden = hidden;
    return true;
}

bool ColumnConfigController::setWidth(int i, int width) {
    if (i < 0 || i >= count() || width < 1 || width > 2000) return false;
    m_layout.columns[i].width = width;
    return true;
}

} // namespace ksiega::ui
