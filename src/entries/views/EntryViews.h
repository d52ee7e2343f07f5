#pragma once
// The entry views the lists read, by edition: a line with both sides gives two rows, each
// with its own id (db::EntryRowId). The budget-unit edition reads the budget twins.
#include <QString>

namespace ksiega::entries {

// POZ_DOK_VIEW_UNION, or POZ_DOK_VIEW_UNION_BT in the budget-unit edition.
inline QString entryViewName(bool budgetEdition) {
    return budgetEdition ? QStringLiteral("POZ_DOK_VIEW_UNION_BT") : QStringLiteral("POZ_DOK_VIEW_UNION");
}

// The same rows with the account name and the header's fields (POZ_DOK_VIEW_UNION_EXT or
// POZ_DOK_VIEW_UNION_BT_EXT).
inline QString extendedEntryViewName(bool budgetEdition) {
    return budgetEdition ? QStringLiteral("POZ_DOK_VIEW_UNION_BT_EXT") : QStringLiteral("POZ_DOK_VIEW_UNION_EXT");
}

// The id column of every entry view.
inline QString entryIdColumn() { return QStringLiteral("id_dokument_pozycja"); }

} // namespace ksiega::entries
