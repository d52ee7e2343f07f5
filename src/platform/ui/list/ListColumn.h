#pragma once
// One column of a paged list: the view's column name, the title shown in the header,
// how its values are kept and shown, and its default width in characters.
#include <QString>
#include <QVector>

namespace ksiega::ui {

enum class ColumnKind {
    Text,     // shown as stored
    Integer,  // whole number
    Money,    // BIGINT grosze, shown "1 234,56", right aligned
    Date      // day number, shown dd-mm-yyyy, right aligned; 0 shows blank
};

struct ListColumn {
    QString name;
    QString title;
    ColumnKind kind = ColumnKind::Text;
    int width = 0;

    bool isNumeric() const { return kind != ColumnKind::Text; }
};

using ListColumns = QVector<ListColumn>;

} // namespace ksiega::ui
