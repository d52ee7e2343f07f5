#pragma once
// Statement texts written in the server dialect of the original system, rewritten into
// the portable forms both engines run. Only the few forms that occur in statements are
// rewritten, and only outside quoted texts:
//   "with (NOLOCK)", "(NOLOCK)", "with (ROWLOCK)"   dropped (both engines read committed data)
//   isnull(                                         coalesce(
//   Substring(                                      substr(
//   Left(text, n)                                   substr(text,1, n)
//   select top N ...                                select ... limit N
// Everything else passes unchanged.
#include <QString>

namespace ksiega::db {

QString portableSql(const QString& statement);

} // namespace ksiega::db
