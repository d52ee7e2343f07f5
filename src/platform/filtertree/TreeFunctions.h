#pragma once
// The filter-tree functions of the function library, as the lists call them, and the
// procedure OBSLUGA_KONFIG_BROW. The list's columns come from its browser number (32: the
// cost-centre list); a number without a filter tree throws InvalidBranch.
//
// A list window uses them this way: branches() fills the tree, TREE_DODAJ_GALAZ adds a
// branch under the chosen one, TREE_DODAJ_KONFIG saves the tree under a name,
// TREE_WYBIERZ_KONFIG makes a saved one current, OBSLUGA_KONFIG_BROW removes the current
// one; treeFilter() gives the chosen branch's condition in the lists' filter syntax.
#include "platform/filtertree/TreeCondition.h"

namespace ksiega::filtertree {

inline constexpr int kCostCentreBrowser = 32;

const std::vector<TreeField>& fieldsOfList(int browser);

// The current tree of the scope, parents before children.
std::vector<TreeBranch> branches(db::Database& db, const TreeScope& scope);
std::vector<TreeConfiguration> configurations(db::Database& db, const TreeScope& scope);

// Adds a branch under `parent` (0 at the top); its id.
int64_t TREE_DODAJ_GALAZ(db::Database& db, const TreeScope& scope, int64_t parent, const QString& field, const QString& op,
                         const QString& value, const QString& label);
bool TREE_USUN_GALAZ(db::Database& db, const TreeScope& scope, int64_t branch);
// Saves the current tree under `name` and makes it current; its id.
int64_t TREE_DODAJ_KONFIG(db::Database& db, const TreeScope& scope, const QString& name);
// Makes a saved configuration current; false when the scope has none of that id.
bool TREE_WYBIERZ_KONFIG(db::Database& db, const TreeScope& scope, int64_t configuration);

// Removes the current configuration of the company's user's list, no other; the number
// removed (0 or 1). Called by name as "CALL OBSLUGA_KONFIG_BROW(company, user, browser)",
// it gives one row with that number.
int OBSLUGA_KONFIG_BROW(db::Database& db, int64_t company, int64_t user, int browser);

// The chosen branch of the current tree as a filter of the list (prefix "MPK" for the
// cost-centre list); "" for no branch.
QString treeFilter(db::Database& db, const TreeScope& scope, int64_t branch, const QString& separator);
// The same as a statement condition with bound values.
BoundCondition treeCondition(db::Database& db, const TreeScope& scope, int64_t branch, const QString& separator);

} // namespace ksiega::filtertree
