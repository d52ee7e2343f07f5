#include "platform/siblings/contractors/SavedFilterChooserController.h"

namespace ksiega::contractors {

SavedFilterChooserController::SavedFilterChooserController(db::Database& db, int64_t idFirmy, int64_t idUzytkownika, int idBrowsera)
    : m_store(db, idFirmy, idUzytkownika), m_idUzytkownika(idUzytkownika), m_idBrowsera(idBrowsera) {
    ui::ListQuery q = m_store.listQuery(idBrowsera);
    // The owner is read along, so that shared filters can be told apart.
    q.columns.append({QStringLiteral("id_uzytkownika"), QStringLiteral("Użytkownik"), ui::ColumnKind::Integer, 6});
    m_list = std::make_unique<ui::PagedListModel>(db, q);
    m_list->toFirst();
}

QString SavedFilterChooserController::nameAt(int row) const {
    if (row < 0 || row >= m_list->heldRows()) return {};
    return m_list->valueAt(row, QStringLiteral("nazwa")).toText();
}

QString SavedFilterChooserController::expressionAt(int row) const {
    if (row < 0 || row >= m_list->heldRows()) return {};
    return m_list->valueAt(row, QStringLiteral("wyrazenie")).toText();
}

bool SavedFilterChooserController::choose(int row) {
    const QString name = nameAt(row);
    if (name.isEmpty()) return false;
    m_chosen = name;
    return true;
}

bool SavedFilterChooserController::remove(int row, ui::Dialogs& dialogs) {
    const QString name = nameAt(row);
    if (name.isEmpty()) return false;
    if (m_list->valueAt(row, QStringLiteral("id_uzytkownika")).toInt64() != m_idUzytkownika) {
        dialogs.information(QStringLiteral("Filtr wspólny nie może być usunięty."));
        return false;
    }
    if (dialogs.question(QStringLiteral("Czy usunąć filtr \"%1\" ?").arg(name)) != 1) return false;
    const bool removed = m_store.remove(m_idBrowsera, name);
    m_list->refresh(row);
    return removed;
}

} // namespace ksiega::contractors
