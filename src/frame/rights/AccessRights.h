#pragma once
// Access rights to the module's functions, asked from the database per function code
// ("4_1_1_1" printing from the ledger browse, "4_1_1_2" opening documents from it, ...)
// with the stored procedure USTAL_PRAWO_DOSTEPU_FUNKCJA. An administrator is never asked:
// every right is 1. No row back means granted. A query that fails denies the right and
// keeps the engine's text in lastError(): a broken rights check must not open a door.
#include "frame/SessionContext.h"
#include "platform/db/passthrough/PassThrough.h"

namespace ksiega::rights {

class AccessRights {
public:
    AccessRights(db::PassThrough& passThrough, const SessionContext& session)
        : m_pt(passThrough), m_session(session) {}

    // 1 granted, 0 denied (the procedure's answer as it comes).
    int right(const QString& functionCode);
    bool granted(const QString& functionCode) { return right(functionCode) != 0; }
    const QString& lastError() const { return m_lastError; }

private:
    db::PassThrough& m_pt;
    const SessionContext& m_session;
    QString m_lastError;
};

} // namespace ksiega::rights
