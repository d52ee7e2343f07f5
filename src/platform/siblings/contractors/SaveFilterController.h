#pragma once
// The rules of "Zapisz filtr": the expression of a list saved under the name the user
// types; an existing filter of that name is replaced only when the user agrees.
#include "platform/siblings/contractors/SavedFilters.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::contractors {

class SaveFilterController {
public:
    SaveFilterController(SavedFilters& store, int idBrowsera, QString wyrazenie)
        : m_store(store), m_idBrowsera(idBrowsera), m_wyrazenie(std::move(wyrazenie)) {}

    // Saves under the name; shows why not (or asks before replacing) through dialogs.
    // True when saved.
    bool save(const QString& nazwa, ui::Dialogs& dialogs);
    const QString& savedName() const { return m_saved; }
    const QString& expression() const { return m_wyrazenie; }

private:
    SavedFilters& m_store;
    int m_idBrowsera;
    QString m_wyrazenie;
    QString m_saved;
};

} // namespace ksiega::contractors
