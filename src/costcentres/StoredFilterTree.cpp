#include "costcentres/StoredFilterTree.h"
#include "platform/filtertree/TreeFunctions.h"
#include "platform/siblings/functions/TreeDialogs.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <functional>

namespace ksiega::costcentres {

namespace {
const QString kPrefix = QStringLiteral("MPK:");
}

std::vector<FilterTreeNode> StoredFilterTree::nodes() {
    // The store gives parents before children; the tree shows each branch directly under
    // its parent (depth first), which is also what walking up the levels expects.
    const std::vector<filtertree::TreeBranch> all = filtertree::branches(m_db, m_scope);
    std::vector<FilterTreeNode> out;
    std::function<void(int64_t)> under = [&](int64_t parent) {
        for (const filtertree::TreeBranch& b : all) {
            if (b.parent != parent) continue;
            FilterTreeNode n;
            n.id = b.id;
            n.level = b.level;
            n.field = kPrefix + b.field.toUpper();
            n.op = b.op;
            n.value = b.value;
            n.text = b.label.isEmpty() ? n.field + ' ' + b.op + ' ' + b.value : b.label;
            out.push_back(n);
            under(b.id);
        }
    };
    under(0);
    return out;
}

bool StoredFilterTree::addBranch(int64_t parent) {
    const std::optional<functions::BranchInput> input = functions::treeDialogs().askBranch(treeFields(), treeOperators());
    if (!input) return false;
    try {
        filtertree::TREE_DODAJ_GALAZ(m_db, m_scope, parent, input->field, input->op, input->value, input->label);
        return true;
    } catch (const filtertree::InvalidBranch& e) {
        ui::dialogs().information(e.why());
        return false;
    }
}

bool StoredFilterTree::removeBranch(int64_t node) { return filtertree::TREE_USUN_GALAZ(m_db, m_scope, node); }

bool StoredFilterTree::saveConfiguration() {
    const std::optional<QString> name = functions::treeDialogs().askConfigurationName();
    if (!name) return false;
    filtertree::TREE_DODAJ_KONFIG(m_db, m_scope, *name);
    return true;
}

bool StoredFilterTree::chooseConfiguration() {
    std::vector<functions::ConfigurationChoice> choices;
    for (const filtertree::TreeConfiguration& c : filtertree::configurations(m_db, m_scope))
        if (!c.name.isEmpty()) choices.push_back({c.id, c.name, c.current});
    const std::optional<int64_t> chosen = functions::treeDialogs().chooseConfiguration(choices);
    return chosen && filtertree::TREE_WYBIERZ_KONFIG(m_db, m_scope, *chosen);
}

bool StoredFilterTree::removeCurrentConfiguration() {
    return filtertree::OBSLUGA_KONFIG_BROW(m_db, m_scope.company, m_scope.user, m_scope.browser) > 0;
}

} // namespace ksiega::costcentres
