#include "platform/siblings/pickers/PickedMarks.h"
#include <set>

namespace ksiega::pickers {

namespace {
// Browser 36 also holds the revenue view's row marks (by id, opis_elementu ''): the chosen
// symbols are only its rows with a text, so neither kind wipes the other.
constexpr int64_t kSharedSymbolBrowser = 36;
} // namespace

void replacePickedMarks(db::Database& db, int64_t browser, int64_t user, const std::vector<PickedElement>& elements) {
    const bool symbols = browser == kSharedSymbolBrowser;
    db::Transaction tx(db);
    db.execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=? and id_browsera=?") +
                   (symbols ? QStringLiteral(" and opis_elementu<>''") : QString()),
               {user, browser});
    std::set<QString> seen;
    for (const PickedElement& e : elements) {
        const QString text = e.text.left(60);
        if (symbols && (text.isEmpty() || !seen.insert(text).second)) continue;
        db.execute(QStringLiteral("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu, opis_elementu) "
                                  "values (?, ?, ?, ?)"),
                   {browser, user, symbols ? int64_t(0) : e.id, text});
    }
    tx.commit();
}

int64_t countPickedMarks(db::Database& db, int64_t browser, int64_t user) {
    return db.scalarInt(QStringLiteral("select count(*) from ZAZNACZENIE where id_uzytkownika=? and id_browsera=?") +
                            (browser == kSharedSymbolBrowser ? QStringLiteral(" and opis_elementu<>''") : QString()),
                        {user, browser})
        .value_or(0);
}

} // namespace ksiega::pickers
