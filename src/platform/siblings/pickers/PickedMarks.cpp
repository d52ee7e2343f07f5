#include "platform/siblings/pickers/PickedMarks.h"

namespace ksiega::pickers {

void replacePickedMarks(db::Database& db, int64_t browser, int64_t user, const std::vector<PickedElement>& elements) {
    db::Transaction tx(db);
    db.execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=? and id_browsera=?"), {user, browser});
    for (const PickedElement& e : elements)
        db.execute(QStringLiteral("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu, opis_elementu) "
                                  "values (?, ?, ?, ?)"),
                   {browser, user, e.id, e.text.left(60)});
    tx.commit();
}

int64_t countPickedMarks(db::Database& db, int64_t browser, int64_t user) {
    return db.scalarInt(QStringLiteral("select count(*) from ZAZNACZENIE where id_uzytkownika=? and id_browsera=?"),
                        {user, browser})
        .value_or(0);
}

} // namespace ksiega::pickers
