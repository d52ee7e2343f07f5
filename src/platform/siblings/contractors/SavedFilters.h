#pragma once
// Saved filters of a list (FILTR_LISTA): a name and a filter expression per company, list
// (browser number) and user. A user sees their own filters and the company's shared ones
// (id_uzytkownika 0); their own one wins when both carry the name. Names and expressions
// only ever travel as bound values.
#include "platform/db/Database.h"
#include "platform/ui/list/ListQuery.h"
#include <optional>

namespace ksiega::contractors {

class SavedFilters {
public:
    static constexpr int NAME_LIMIT = 100;
    static constexpr int EXPRESSION_LIMIT = 3000;

    SavedFilters(db::Database& db, int64_t idFirmy, int64_t idUzytkownika)
        : m_db(db), m_idFirmy(idFirmy), m_idUzytkownika(idUzytkownika) {}

    // Saves (or overwrites) the user's filter of that name. "" when saved, else the reason.
    QString save(int idBrowsera, const QString& nazwa, const QString& wyrazenie);
    // Removes the user's own filter of that name; false when there was none.
    bool remove(int idBrowsera, const QString& nazwa);
    std::optional<QString> expression(int idBrowsera, const QString& nazwa) const;
    // The list of the filters the user sees, by name.
    ui::ListQuery listQuery(int idBrowsera) const;

private:
    db::Database& m_db;
    int64_t m_idFirmy;
    int64_t m_idUzytkownika;
};

} // namespace ksiega::contractors
