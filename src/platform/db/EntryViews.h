#pragma once
// The ledger-entry view POZ_DOK_VIEW_UNION and its twins _BT, _EXT and _BT_EXT, generated
// from one column list per side of a line, in the form the engine reads best.
#include "platform/db/Dialect.h"
#include <QString>
#include <QStringList>

namespace ksiega::db {

// The four views, base view first (the order of creation).
QStringList entryViewNames();
// CREATE VIEW statements of the four views, separated by semicolons.
QString entryViewsSql(const Dialect& dialect);
// DROP VIEW IF EXISTS of the four views, twins first.
QString dropEntryViewsSql();

} // namespace ksiega::db
