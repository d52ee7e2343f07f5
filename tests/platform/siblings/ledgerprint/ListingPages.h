#pragma once
// Reading a laid-out listing back: its detail rows and the amounts of a totals line.
#include "platform/report/PageModel.h"
#include "platform/runtime/Money.h"
#include "platform/runtime/Picture.h"
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace ksiega::test {

// Detail rows are the lines whose posting date stands alone in its column.
inline int listedRows(const report::Document& doc) {
    static const QRegularExpression date(QStringLiteral("^\\d\\d-\\d\\d-\\d{4}$"));
    int n = 0;
    for (const auto& page : doc.pages)
        for (const auto& item : page.items)
            if (item.kind == report::Item::Kind::Text && date.match(item.text).hasMatch()) ++n;
    return n;
}

inline int countText(const report::Document& doc, const QString& text) {
    int n = 0;
    for (const auto& page : doc.pages)
        for (const auto& item : page.items)
            if (item.kind == report::Item::Kind::Text && item.text == text) ++n;
    return n;
}

// The texts on the line that starts with label (its last occurrence in the document).
inline QStringList lineTexts(const report::Document& doc, const QString& label) {
    const report::Page* found = nullptr;
    double top = -1;
    for (const auto& page : doc.pages)
        for (const auto& item : page.items)
            if (item.kind == report::Item::Kind::Text && item.text == label) {
                found = &page;
                top = item.rect.top();
            }
    if (!found) return {};
    std::vector<const report::Item*> items;
    for (const auto& item : found->items)
        if (item.kind == report::Item::Kind::Text && qAbs(item.rect.top() - top) < 0.01) items.push_back(&item);
    std::sort(items.begin(), items.end(), [](auto* a, auto* b) { return a->rect.left() < b->rect.left(); });
    QStringList out;
    for (auto* item : items) out << item->text;
    return out;
}

inline QString shown(Money m) { return Picture("@N-14_`2").format(m).trimmed(); }

} // namespace ksiega::test
