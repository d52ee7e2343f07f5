#pragma once
// An account-prefix condition "col like 'P%'" as the indexes can serve it. Inside a union
// view neither engine turns such a LIKE into an index range by itself (SQLite leaves it a
// filter on every line of both arms; PostgreSQL only under the C collation), so each one
// gets the range that holds the same rows beside it:
//   (col like 'P%' and col >= 'P' and col < 'Q')      Q = P with its last character + 1
// The LIKE stays, so what matches is still decided by LIKE. The range assumes that texts
// sort by their characters' codes (SQLite's BINARY, PostgreSQL under the C collation).
// Only a plain printable-ASCII prefix followed by a single "%" is rewritten, and only where
// the comparison stands as a condition of its own (after "(", AND, OR, NOT, WHERE or at the
// start; before ")", AND, OR or the end); anything else passes unchanged.
#include <QString>

namespace ksiega::db {

QString withPrefixRanges(const QString& sql);

} // namespace ksiega::db
