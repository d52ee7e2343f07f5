#pragma once
// Document locks: a ledger document is held for correction by one user at a time. The
// lock is a row of BLOKADY_DOKUMENTOW keyed by the document; its primary key decides a
// race between two sessions, never a read followed by a write.
#include "platform/db/Database.h"
#include <optional>

namespace ksiega::server {

// Takes the lock of the document for the user (login). 0 when it was free or the same
// user already holds it (the user holds it afterwards), 1 when another user holds it.
// nullopt when there is no such document (no lock is taken). One transaction. Called by
// name ("CALL Popraw_Dokument(id,'login')") it gives one row with that number, or no row.
std::optional<int> Popraw_Dokument(db::Database& db, int64_t idNagDok, const QString& user);

// Releases the user's lock of one document; true when the user held it.
bool releaseDocumentLock(db::Database& db, int64_t idNagDok, const QString& user);
// Releases every document lock of the user; returns how many there were.
int64_t releaseDocumentLocks(db::Database& db, const QString& user);
// Who holds the document: the login, or "" when nobody does.
QString documentLockHolder(db::Database& db, int64_t idNagDok);

} // namespace ksiega::server
