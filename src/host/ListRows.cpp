#include "host/ListRows.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/Money.h"
#include "platform/ui/list/PagedListModel.h"

namespace ksiega::host {

using ui::ColumnKind;

TextRowTable listRowTable(QTextStream& out, MachineTable::Format format, const QString& idColumn, const ui::ListColumns& columns) {
    QStringList header{idColumn};
    QVector<bool> numeric{true};
    for (const ui::ListColumn& c : columns) {
        header << c.name;
        numeric << (c.kind == ColumnKind::Money || c.kind == ColumnKind::Integer);
    }
    return TextRowTable(out, format, header, numeric);
}

void forEachListRow(ui::PagedListModel& model, int limit, const std::function<void(int row)>& visit) {
    model.toFirst();
    int visited = 0;
    int64_t lastId = 0;
    int from = 0;
    while (visited < limit) {
        for (int row = from; row < model.heldRows() && visited < limit; ++row) {
            visit(row);
            lastId = model.idAt(row);
            ++visited;
        }
        if (visited >= limit || !model.canFetchMore()) break;
        model.fetchMore();
        from = model.heldRows();
        for (int row = 0; row < model.heldRows(); ++row)
            if (model.idAt(row) == lastId) {
                from = row + 1;
                break;
            }
    }
}

void writeListRows(ui::PagedListModel& model, const ui::ListColumns& columns, int limit, TextRowTable& table) {
    forEachListRow(model, limit, [&](int row) {
        QStringList values{QString::number(model.idAt(row))};
        for (const ui::ListColumn& c : columns) {
            const db::SqlValue v = model.valueAt(row, c.name);
            switch (c.kind) {
            case ColumnKind::Money: values << Money::fromMinor(v.toInt64()).toString(); break;
            case ColumnKind::Date: values << date::toIso(int(v.toInt64())); break;
            case ColumnKind::Integer: values << QString::number(v.toInt64()); break;
            default: values << (v.isNull() ? QString() : v.toText()); break;
            }
        }
        table.add(values);
    });
    table.finish();
}

} // namespace ksiega::host
