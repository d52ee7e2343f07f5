#pragma once
// The rules of "Lista filtrów": the saved filters of one list, paged by name; the one
// chosen is given back by name; the user's own filters can be removed.
#include "platform/siblings/contractors/SavedFilters.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/list/PagedListModel.h"
#include <memory>

namespace ksiega::contractors {

class SavedFilterChooserController {
public:
    SavedFilterChooserController(db::Database& db, int64_t idFirmy, int64_t idUzytkownika, int idBrowsera);

    ui::PagedListModel& filters() { return *m_list; }
    QString nameAt(int row) const;
    QString expressionAt(int row) const;

    // Chooses the row's filter; false when the row is not a filter.
    bool choose(int row);
    const QString& chosen() const { return m_chosen; }

    // Asks "Czy usunąć filtr ...?" and removes the user's own filter of the row. A shared
    // filter of the company is not removed ("Filtr wspólny nie może być usunięty.").
    // True when a filter was removed.
    bool remove(int row, ui::Dialogs& dialogs);

private:
    SavedFilters m_store;
    int64_t m_idUzytkownika;
    int m_idBrowsera;
    std::unique_ptr<ui::PagedListModel> m_list;
    QString m_chosen;
};

} // namespace ksiega::contractors
