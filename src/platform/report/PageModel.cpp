#include "platform/report/PageModel.h"
#include <algorithm>

namespace ksiega::report {

QStringList Page::texts() const {
    std::vector<const Item*> texts;
    for (const Item& item : items)
        if (item.kind == Item::Kind::Text && !item.text.trimmed().isEmpty()) texts.push_back(&item);
    std::stable_sort(texts.begin(), texts.end(), [](const Item* a, const Item* b) {
        if (qAbs(a->rect.top() - b->rect.top()) > 0.01) return a->rect.top() < b->rect.top();
        return a->rect.left() < b->rect.left();
    });
    QStringList out;
    for (const Item* item : texts) out << item->text.trimmed();
    return out;
}

bool Page::hasText(const QString& text) const {
    return std::any_of(items.begin(), items.end(), [&](const Item& item) {
        return item.kind == Item::Kind::Text && item.text.trimmed() == text;
    });
}

QSizeF paperSize(Orientation orientation) {
    return orientation == Orientation::Portrait ? QSizeF(210.0, 297.0) : QSizeF(297.0, 210.0);
}

} // namespace ksiega::report
