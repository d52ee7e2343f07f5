#pragma once
// The session of a batch command, loaded exactly as the application window loads it:
// --db opened (an embedded database must exist) and brought up to date, --company and
// --year resolved, --user (else the first administrator) and --date (else today), then
// every session value, the edition switches (budget, cost centres) among them, read from
// the company through loadSession into the process session. While the object lives the
// connection is lent to the calling thread, so module code that reaches for
// moduleDatabase() finds it.
#include "frame/SessionContext.h"
#include "host/Subcommands.h"
#include <memory>

namespace ksiega::host {

class BatchSession {
public:
    enum class Missing {
        Refuse,         // --company and --year are required
        FirstCompany,   // the first company and its newest year where they are not given
    };

    enum class Access {
        Write,  // the command changes the ledger
        Read,   // it only reads: the database is opened read-only
    };

    // Throws UsageError for a missing or unknown database, company, year or user. The
    // command must declare options::session(). Nothing is ever created.
    explicit BatchSession(const Arguments& args, Missing missing = Missing::Refuse, Access access = Access::Write);
    BatchSession(const Arguments& args, Access access) : BatchSession(args, Missing::Refuse, access) {}
    ~BatchSession();
    BatchSession(const BatchSession&) = delete;
    BatchSession& operator=(const BatchSession&) = delete;

    db::Database& db() { return *m_db; }
    SessionContext& session();

private:
    std::unique_ptr<db::Database> m_db;
};

} // namespace ksiega::host
