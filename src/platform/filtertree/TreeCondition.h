#pragma once
// The condition a chosen filter-tree branch stands for: the branch's own test joined with
// " AND " to the tests of the branches above it. Columns and operators come from the
// list's fixed ones only, values never enter the text: they are bound parameters (the
// statement form) or written by the one quoting helper (the filter-expression form that
// the lists take). A set test looks for the id between separators, so that set 5 does
// not find the rows of sets 15 or 51.
#include "platform/db/SqlValue.h"
#include "platform/filtertree/FilterTreeStore.h"

namespace ksiega::filtertree {

struct BoundCondition {
    QString sql;          // over the list's columns, without WHERE; "" for no condition
    db::Params params;
    bool isEmpty() const { return sql.isEmpty(); }
};

// No branch (0, "<Bez filtra>") gives no condition; a branch not in the tree or naming
// what the fields do not allow throws InvalidBranch. An empty separator counts as "-".
BoundCondition branchCondition(const std::vector<TreeBranch>& tree, int64_t branch, const std::vector<TreeField>& fields,
                               const QString& separator);

// The same condition in the lists' filter syntax, each column with `prefix` ("MPK").
QString branchFilter(const std::vector<TreeBranch>& tree, int64_t branch, const std::vector<TreeField>& fields,
                     const QString& separator, const QString& prefix);

} // namespace ksiega::filtertree
