#include "platform/siblings/pickers/PickerList.h"

namespace ksiega::pickers {

void PickerMarks::toggle(int64_t id) {
    if (!m_ids.erase(id)) m_ids.insert(id);
}

PickerList::PickerList(db::Database& db, PickerDefinition definition)
    : m_db(db), m_definition(std::move(definition)), m_model(std::make_unique<ui::PagedListModel>(m_db, m_definition.query)) {
    if (m_definition.severalAllowed) m_model->setMarks(&m_marks);
    m_model->toFirst();
    if (m_model->heldRows() > 0) m_current = 0;
}

bool PickerList::choose() {
    if (m_current >= 0 && m_current < m_model->heldRows()) {
        m_chosenId = m_model->idAt(m_current);
    } else if (m_marks.ids().size() == 1) {
        m_chosenId = *m_marks.ids().begin();
    } else {
        return false;
    }
    return true;
}

QString PickerList::chosenText(const QString& column) const { return textOf(m_chosenId, column); }

QString PickerList::textOf(int64_t id, const QString& column) const {
    // Column and table names come from the stand-in's own definition, never from a person.
    return m_db
        .scalarText(QStringLiteral("select %1 from %2 where %3=?").arg(column, m_definition.query.source, m_definition.query.idColumn),
                    {id})
        .value_or(QString());
}

ui::ListQuery pickerQuery(const QString& source, const QString& idColumn, const ui::ListColumns& columns,
                          const QStringList& sortColumns, int64_t company, int64_t year) {
    ui::ListQuery q;
    q.source = source;
    q.idColumn = idColumn;
    q.columns = columns;
    q.sort = ui::SortOrder::ascending(QString(), sortColumns);
    q.ranges.push_back({QStringLiteral("id_firmy"), company});
    if (year != 0) q.ranges.push_back({QStringLiteral("id_lata_obrot"), year});
    return q;
}

} // namespace ksiega::pickers
