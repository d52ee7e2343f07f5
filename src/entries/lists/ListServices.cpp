#include "entries/lists/ListServices.h"
#include "platform/ui/columns/ColumnLayout.h"
#include "platform/ui/columns/WindowConfiguration.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QHeaderView>
#include <QTableView>

namespace ksiega::entries {

namespace {
// The name of the mark column in a stored layout.
const QString MARK_COLUMN = QStringLiteral("flaga");
} // namespace

QStringList layoutColumnNames(const ui::PagedListModel& model) {
    QStringList names;
    if (model.hasMarkColumn()) names << MARK_COLUMN;
    for (const ui::ListColumn& column : model.query().columns) names << column.name;
    return names;
}

void applyStoredColumns(const ListOnScreen& list) {
    ui::WindowConfiguration config(list.model.database(), list.userNumber);
    if (const auto layout = ui::ColumnLayout::fromText(config.KONFIGURACJA_OKNA(2, list.browser, QString())))
        ui::applyLayout(*list.view.horizontalHeader(), layoutColumnNames(list.model), *layout);
}

void configureColumns(const ListOnScreen& list) {
    ui::WindowConfiguration config(list.model.database(), list.userNumber);
    QHash<QString, QString> titles;
    for (const ui::ListColumn& column : list.model.query().columns) titles.insert(column.name, column.title);
    config.setTitles(list.browser, titles);
    config.KONFIGURACJA_OKNA_PUNKTY(list.model.hasMarkColumn() ? 1 : 0, list.browser);
    const QStringList names = layoutColumnNames(list.model);
    const QString before = ui::captureLayout(*list.view.horizontalHeader(), names).toText();
    const QString after = config.KONFIGURACJA_OKNA(3, list.browser, before);
    if (after == before) return;
    if (const auto layout = ui::ColumnLayout::fromText(after)) ui::applyLayout(*list.view.horizontalHeader(), names, *layout);
}

ui::ExportResult exportList(ui::PagedListModel& model, QString path) {
    if (!path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) path += QLatin1String(".xlsx");
    std::unique_ptr<ui::Progress> progress = ui::dialogs().progress(QStringLiteral("Eksport do Excela"));
    ui::ExportResult result = ui::EXPORT2EXCEL(model, path, [&](int percent) {
        progress->setValue(percent);
        return !progress->cancelled();
    });
    progress.reset();
    if (!result.error.isEmpty()) ui::dialogs().warning(result.error);
    return result;
}

std::vector<std::pair<QString, QString>> rowFields(ui::PagedListModel& model, int row) {
    std::vector<std::pair<QString, QString>> out;
    if (row < 0 || row >= model.heldRows()) return out;
    const ui::ListColumns& columns = model.query().columns;
    for (int c = 0; c < columns.size(); ++c)
        out.emplace_back(columns[c].name, model.index(row, model.firstColumn() + c).data().toString().trimmed());
    return out;
}

} // namespace ksiega::entries
