#pragma once
// The column layout of a list: its columns in display order, each with its width and
// whether it is shown. As text (up to 3000 characters) one column per line,
// "title<TAB>width<TAB>0|1", so titles may hold any other character.
#include <QString>
#include <QVector>

class QHeaderView;

namespace ksiega {

struct ColumnLayoutEntry {
    QString title;
    int width = 0;
    bool visible = true;
    bool operator==(const ColumnLayoutEntry&) const = default;
};

class ColumnLayout {
public:
    static constexpr int MAX_TEXT = 3000;

    QVector<ColumnLayoutEntry> columns;

    static ColumnLayout parse(const QString& text);
    // Whole columns beyond MAX_TEXT characters are left out.
    QString text() const;

    // The layout a header shows now (titles from the model's horizontal header).
    static ColumnLayout capture(const QHeaderView& header);
    // Applies the layout to a header: order, widths, hidden columns; columns the layout
    // does not name keep their place after the named ones and stay shown.
    void apply(QHeaderView& header) const;
};

} // namespace ksiega
