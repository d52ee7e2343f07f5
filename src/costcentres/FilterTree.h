#pragma once
// The filter tree of the cost-centre window (LIST2): where its nodes come from, and the
// condition a chosen node makes together with the nodes above it.
//
// The tree, its branches and its saved configurations live in a store of their own; the
// window reaches it only through FilterTreeSource. Without a store the tree is empty and
// the list is not narrowed ("<Bez filtra>").
#include <QString>
#include <QStringList>
#include <vector>

namespace ksiega::costcentres {

struct FilterTreeNode {
    int64_t id = 0;
    int level = 1;     // 1 = a top branch
    QString text;      // what the tree shows
    QString field;     // a column of MPK_VIEW with its prefix, "MPK:WSKAZNIK_1"
    QString op;        // "=", "<>", "<", ">", "<=", ">=" or "like"
    QString value;
};

class FilterTreeSource {
public:
    virtual ~FilterTreeSource() = default;
    // The nodes in tree order (each node after its parent, with its level).
    virtual std::vector<FilterTreeNode> nodes() { return {}; }
    // "Dodaj gałąź": under the given node (0 = at the top); true when the tree changed.
    virtual bool addBranch(int64_t /*parent*/) { return false; }
    // "Usuń gałąź": the node and every node below it.
    virtual bool removeBranch(int64_t /*node*/) { return false; }
    // "Obsługa drzewa filtrów", "Zapisz konfigurację filtra", "Wybierz konfigurację filtra".
    virtual bool maintain() { return false; }
    virtual bool saveConfiguration() { return false; }
    virtual bool chooseConfiguration() { return false; }
    // "Usuń wybraną konfiguracje filtra": the current configuration only.
    virtual bool removeCurrentConfiguration() { return false; }
};

// The fields a node may test and the operators it may carry.
const QStringList& treeFields();
const QStringList& treeOperators();

// The path from the top branch down to the node at `index` of `nodes` (walking up the
// levels), empty for an index out of range.
std::vector<FilterTreeNode> pathTo(const std::vector<FilterTreeNode>& nodes, int index);

// The condition of one node: a node on the set path ("MPK:DRZEWO_ZBIOR_ID") tests that the
// set id stands in the path as a whole element between separators, so set 5 never matches
// set 15 or 51; other nodes compare their field with their value, the value quoted. A node
// with a field or an operator outside the fixed lists, or a set id that is not a number,
// matches nothing.
QString nodeCondition(const FilterTreeNode& node, const QString& separator);
// The conditions of a path joined with " AND " ("" for no path).
QString pathCondition(const std::vector<FilterTreeNode>& path, const QString& separator);

} // namespace ksiega::costcentres
