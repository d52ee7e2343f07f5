#pragma once
// The state behind a list's sort choice ("Sortuj wg... (F6)") and its direction button
// ("Sortuj rosnąco/malejąco (Ctrl+F6)"): the orders offered, the chosen one and the
// direction. Ascending shows "~up.ico", descending "~down.ico". The index and the
// direction are what the window stores in its settings.
#include "platform/ui/list/SortOrder.h"
#include <functional>

namespace ksiega::ui {

class SortChoice {
public:
    explicit SortChoice(QVector<SortOrder> orders = {});

    const QVector<SortOrder>& orders() const { return m_orders; }
    void setOrders(QVector<SortOrder> orders);   // keeps the index when it still fits
    QStringList names() const;

    int index() const { return m_index; }
    bool descending() const { return m_descending; }
    void choose(int index);
    void setDescending(bool on);
    void toggleDirection() { setDescending(!m_descending); }

    // The chosen order in the chosen direction.
    SortOrder current() const;
    QString directionIcon() const;

    // Called after every change of order or direction.
    std::function<void(const SortOrder&)> onChanged;

private:
    void changed();
    QVector<SortOrder> m_orders;
    int m_index = 0;
    bool m_descending = false;
};

} // namespace ksiega::ui
