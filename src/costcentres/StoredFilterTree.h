#pragma once
// The cost-centre window's filter tree kept in the database: the branches and saved
// configurations of the company's user for list 32, changed through the tree functions
// (platform/filtertree) with the questions of the function library (TreeDialogs).
#include "costcentres/FilterTree.h"
#include "platform/db/Database.h"
#include "platform/filtertree/FilterTreeStore.h"

namespace ksiega::costcentres {

class StoredFilterTree : public FilterTreeSource {
public:
    StoredFilterTree(db::Database& db, filtertree::TreeScope scope) : m_db(db), m_scope(scope) {}

    std::vector<FilterTreeNode> nodes() override;
    bool addBranch(int64_t parent) override;
    bool removeBranch(int64_t node) override;
    // "Obsługa drzewa filtrów": the saved configurations to choose from.
    bool maintain() override { return chooseConfiguration(); }
    bool saveConfiguration() override;
    bool chooseConfiguration() override;
    bool removeCurrentConfiguration() override;

private:
    db::Database& m_db;
    filtertree::TreeScope m_scope;
};

} // namespace ksiega::costcentres
