#include "platform/server/DocumentLocks.h"
#include "platform/runtime/Date.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"
#include <QDate>

namespace ksiega::server {

namespace {
// Logins are stored as the session keeps them, without padding.
QString loginKey(const QString& user) { return user.trimmed(); }
} // namespace

std::optional<int> Popraw_Dokument(db::Database& db, int64_t idNagDok, const QString& user) {
    const QString login = loginKey(user);
    const int64_t today = date::fromQDate(QDate::currentDate());
    db::Transaction tx(db);
    // The insert comes first, so the transaction writes before it reads: it either creates
    // the lock or meets the row of whoever holds it, and a session racing for the same
    // document waits for the other's commit and then does nothing.
    for (int attempt = 0; attempt < 3; ++attempt) {
        db.execute(QStringLiteral("insert into BLOKADY_DOKUMENTOW (id_nag_dok, id_uzyt, data_blokady) "
                                  "select id_nag_dok, cast(? as text), cast(? as integer) from NAG_DOK where id_nag_dok=? "
                                  "on conflict (id_nag_dok) do nothing"),
                   {login, today, idNagDok});
        if (auto holder = db.scalarText(QStringLiteral("select id_uzyt from BLOKADY_DOKUMENTOW where id_nag_dok=?"), {idNagDok})) {
            tx.commit();
            return holder->trimmed() == login ? 0 : 1;
        }
        // No lock row: no such document, or its holder released it in between.
        if (!db.scalarInt(QStringLiteral("select 1 from NAG_DOK where id_nag_dok=?"), {idNagDok})) break;
    }
    tx.commit();
    return std::nullopt;
}

bool releaseDocumentLock(db::Database& db, int64_t idNagDok, const QString& user) {
    return db.execute(QStringLiteral("delete from BLOKADY_DOKUMENTOW where id_nag_dok=? and id_uzyt=?"),
                      {idNagDok, loginKey(user)}) > 0;
}

int64_t releaseDocumentLocks(db::Database& db, const QString& user) {
    return db.execute(QStringLiteral("delete from BLOKADY_DOKUMENTOW where id_uzyt=?"), {loginKey(user)});
}

QString documentLockHolder(db::Database& db, int64_t idNagDok) {
    return db.scalarText(QStringLiteral("select id_uzyt from BLOKADY_DOKUMENTOW where id_nag_dok=?"), {idNagDok}).value_or(QString());
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("Popraw_Dokument"), [](db::Database& db, const db::Params& args) {
    ResultSet result{{QStringLiteral("wynik")}, {}};
    if (auto answer = Popraw_Dokument(db, intArg(args, 0), textArg(args, 1))) result.rows.push_back({int64_t(*answer)});
    return result;
});

} // namespace ksiega::server
