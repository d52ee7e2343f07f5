#pragma once
// The roles of the PostgreSQL test server. A test works as the ledger's application role
// (KSIEGA_TEST_PG: no superuser, owns nothing, only the rights docs/postgresql-schema.sql
// gives it on the test's schema); the schema is created, filled with the ledger's tables and
// dropped by its owner (KSIEGA_TEST_PG_OWNER). Without KSIEGA_TEST_PG_OWNER the owner is
// "ksiega_owner" when KSIEGA_TEST_PG names "ksiega_app" (the roles scripts/pg start makes),
// else the one role of KSIEGA_TEST_PG does everything.
#include "platform/db/Database.h"
#include <QString>
#include <memory>

namespace ksiega::test {

enum class PgRole {
    App,         // what the program runs as; every test's own connection
    Owner,       // creates, upgrades and drops a ledger's schema (ksiega demo)
    Superuser,   // creates roles (only the test of the roles scripts)
};

// The test server's URL as `role`, in `schema` (none: no ?schema=).
QString postgresUrl(PgRole role, const QString& schema = {});

// A test database's URL (DbTest::url()) as its schema's owner; a SQLite URL as it is.
QString ownerUrl(const QString& url);

// A connection to a test database as its schema's owner, for what only an owner does
// (changing or upgrading the ledger's tables, replacing them with the demo).
std::unique_ptr<db::Database> openAsOwner(const QString& url);

} // namespace ksiega::test
