#pragma once
// A read that may not run longer than a limit: on PostgreSQL the connection's statement
// timeout is set for the life of the object and then put back as it was, so a list page or a
// filtered sum whose filter makes the server work for ever is cancelled with an error. On
// SQLite (one local file, one user) nothing is done.
#include "platform/db/Database.h"

namespace ksiega::db {

class BoundedRead {
public:
    static constexpr int kLimitMs = 120000;

    explicit BoundedRead(Database& db, int limitMs = kLimitMs);
    ~BoundedRead();
    BoundedRead(const BoundedRead&) = delete;
    BoundedRead& operator=(const BoundedRead&) = delete;

private:
    Database& m_db;
    std::optional<QString> m_previous; // set only where a limit was put in place
};

} // namespace ksiega::db
