#include "platform/ui/columns/ColumnLayout.h"
#include <QHeaderView>

namespace ksiega::ui {

namespace {
const QString kTag = QStringLiteral("K1");
}

QString ColumnLayout::toText() const {
    QString text = kTag;
    for (const ColumnState& c : columns) {
        if (c.name.isEmpty() || c.name.contains(QLatin1Char(':')) || c.name.contains(QLatin1Char(';'))) continue;
        const QString entry = QStringLiteral(";%1:%2:%3").arg(c.name).arg(qMax(0, c.width)).arg(c.hidden ? 1 : 0);
        if (text.size() + entry.size() > kMaxTextLength) break;
        text += entry;
    }
    return text;
}

std::optional<ColumnLayout> ColumnLayout::fromText(const QString& text) {
    ColumnLayout layout;
    if (text.trimmed().isEmpty()) return layout;
    const QStringList parts = text.trimmed().split(QLatin1Char(';'));
    if (parts.first() != kTag) return std::nullopt;
    for (int i = 1; i < parts.size(); ++i) {
        if (parts[i].isEmpty()) continue;
        const QStringList f = parts[i].split(QLatin1Char(':'));
        bool okWidth = false, okHidden = false;
        if (f.size() != 3 || f[0].isEmpty()) return std::nullopt;
        const int width = f[1].toInt(&okWidth);
        const int hidden = f[2].toInt(&okHidden);
        if (!okWidth || !okHidden || width < 0) return std::nullopt;
        layout.columns.push_back({f[0], width, hidden != 0});
    }
    return layout;
}

ColumnLayout captureLayout(const QHeaderView& header, const QStringList& names) {
    ColumnLayout layout;
    for (int v = 0; v < header.count(); ++v) {
        const int logical = header.logicalIndex(v);
        if (logical < 0 || logical >= names.size()) continue;
        layout.columns.push_back({names[logical], header.sectionSize(logical), header.isSectionHidden(logical)});
    }
    return layout;
}

void applyLayout(QHeaderView& header, const QStringList& names, const ColumnLayout& layout) {
    int target = 0;
    for (const ColumnState& c : layout.columns) {
        const int logical = int(names.indexOf(c.name));
        if (logical < 0 || logical >= header.count()) continue;
        const int visual = header.visualIndex(logical);
        if (visual != target) header.moveSection(visual, target);
        if (c.width > 0) header.resizeSection(logical, c.width);
        header.setSectionHidden(logical, c.hidden);
        ++target;
    }
}

} // namespace ksiega::ui
