#pragma once
// The statements of a paged list. A page is read by key, never by offset: the rows after
// (or at) the key of a known row, in the list's order, limited to one page. The keyset
// condition (k1,k2,id) > (v1,v2,v3) is written as nested comparisons that both engines
// turn into index range scans:
//   k1 >= v1 AND (k1 > v1 OR (k1 = v1 AND (k2 > v2 OR (k2 = v2 AND id > v3))))
// with < for descending keys.
#include "platform/ui/list/ListQuery.h"
#include <optional>

namespace ksiega::ui::keyset {

// Values of the total sort's keys, in the order of ListQuery::totalSort().
using KeyValues = db::Params;

// The condition that places a row after `key` in `order` (at or after when inclusive).
Statement afterCondition(const SortOrder& order, const KeyValues& key, bool inclusive);

// range limits AND filter: the WHERE part shared by every statement of the list ("" = none).
Statement baseCondition(const ListQuery& q);

// One page in `order` (the list's total order or its reverse), after `key` when given.
Statement page(const ListQuery& q, const SortOrder& order, const std::optional<KeyValues>& key,
               bool inclusive, int limit);

// The first rows whose first sort column is at or after `value` (by the list's direction).
Statement locate(const ListQuery& q, const db::SqlValue& value, int limit);
// The first rows whose first sort column contains `text`, case folded (intuitive search).
Statement locateContaining(const ListQuery& q, const QString& text, int limit);

// Every row of the list in its order, for streaming (export).
Statement all(const ListQuery& q);
Statement count(const ListQuery& q);

} // namespace ksiega::ui::keyset
