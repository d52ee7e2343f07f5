#pragma once
// The database's stored procedures and server functions, by name. Each is a C++ function
// of its own file; it registers here so that a statement sent as text ("CALL NAME(...)",
// "select dbo.NAME(...)") reaches it with its arguments. Typed C++ callers call the
// functions directly.
#include "platform/db/Database.h"
#include <functional>

namespace ksiega::server {

// What a procedure gives back: named columns and rows (a scalar function: one row, one column).
struct ResultSet {
    QStringList columns;
    std::vector<db::Params> rows;
};

using Procedure = std::function<ResultSet(db::Database&, const db::Params& args)>;

// Names compare case-insensitively; a "dbo." prefix is ignored. A name registered twice
// throws std::logic_error.
bool registerProcedure(const QString& name, Procedure procedure);
const Procedure* findProcedure(const QString& name);
// The registered names, upper case, sorted.
QStringList procedureNames();
// Throws db::DbError for an unknown name.
ResultSet callProcedure(db::Database& db, const QString& name, const db::Params& args);

} // namespace ksiega::server

#define KSIEGA_SERVER_PROC_CAT2(a, b) a##b
#define KSIEGA_SERVER_PROC_CAT(a, b) KSIEGA_SERVER_PROC_CAT2(a, b)
// The procedure may be a lambda written in place (its commas are taken care of).
#define KSIEGA_SERVER_PROCEDURE(name, ...) \
    static const bool KSIEGA_SERVER_PROC_CAT(registeredProcedure_, __LINE__) = ::ksiega::server::registerProcedure(name, __VA_ARGS__)
