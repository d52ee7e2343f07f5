#include "platform/ui/list/SortChoice.h"
#include <QStringList>

namespace ksiega::ui {

SortChoice::SortChoice(QVector<SortOrder> orders) : m_orders(std::move(orders)) {}

void SortChoice::setOrders(QVector<SortOrder> orders) {
    m_orders = std::move(orders);
    if (m_index >= m_orders.size()) m_index = 0;
    changed();
}

QStringList SortChoice::names() const {
    QStringList n;
    for (const SortOrder& o : m_orders) n << o.name;
    return n;
}

void SortChoice::choose(int index) {
    if (index < 0 || index >= m_orders.size() || index == m_index) return;
    m_index = index;
    changed();
}

void SortChoice::setDescending(bool on) {
    if (on == m_descending) return;
    m_descending = on;
    changed();
}

SortOrder SortChoice::current() const {
    if (m_orders.isEmpty()) return {};
    const SortOrder& o = m_orders[m_index];
    return m_descending ? o.reversed() : o;
}

QString SortChoice::directionIcon() const {
    return m_descending ? QStringLiteral("~down.ico") : QStringLiteral("~up.ico");
}

void SortChoice::changed() {
    if (onChanged && !m_orders.isEmpty()) onChanged(current());
}

} // namespace ksiega::ui
