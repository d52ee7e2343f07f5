#include "platform/ui/settings/ColumnLayout.h"
#include <QAbstractItemModel>
#include <QHeaderView>

namespace ksiega {

ColumnLayout ColumnLayout::parse(const QString& text) {
    ColumnLayout layout;
    for (const QString& line : text.split(QChar('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QChar('\t'));
        if (f.size() < 3 || f[0].isEmpty()) continue;
        bool ok = false;
        const int width = f[1].toInt(&ok);
        layout.columns.push_back({f[0], ok ? std::max(0, width) : 0, f[2].trimmed() != QStringLiteral("0")});
    }
    return layout;
}

QString ColumnLayout::text() const {
    QString out;
    for (const ColumnLayoutEntry& c : columns) {
        QString title = c.title;
        title.replace(QChar('\t'), QChar(' ')).replace(QChar('\n'), QChar(' '));
        const QString line = title + QChar('\t') + QString::number(c.width) + QChar('\t') + (c.visible ? '1' : '0') + '\n';
        if (out.size() + line.size() > MAX_TEXT) break;
        out += line;
    }
    return out;
}

static QString titleOf(const QHeaderView& header, int logical) {
    return header.model() ? header.model()->headerData(logical, header.orientation()).toString() : QString();
}

ColumnLayout ColumnLayout::capture(const QHeaderView& header) {
    ColumnLayout layout;
    for (int visual = 0; visual < header.count(); ++visual) {
        const int logical = header.logicalIndex(visual);
        layout.columns.push_back({titleOf(header, logical), header.sectionSize(logical), !header.isSectionHidden(logical)});
    }
    return layout;
}

void ColumnLayout::apply(QHeaderView& header) const {
    int target = 0;
    for (const ColumnLayoutEntry& c : columns) {
        int logical = -1;
        for (int i = 0; i < header.count(); ++i)
            if (titleOf(header, i) == c.title) logical = i;
        if (logical < 0) continue;
        header.moveSection(header.visualIndex(logical), target++);
        if (c.width > 0) header.resizeSection(logical, c.width);
        header.setSectionHidden(logical, !c.visible);
    }
}

} // namespace ksiega
