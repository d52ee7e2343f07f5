#pragma once
// The stored filter trees of the lists (DRZEWO_FILTRA_KONFIG, DRZEWO_FILTRA): for one
// company, list (browser number) and user, the saved configurations and the branches of
// the current one. Every statement is limited to that scope, so an id of another user's
// branch or configuration changes nothing. Each change is one transaction.
#include "platform/db/Database.h"
#include "platform/filtertree/TreeFields.h"

namespace ksiega::filtertree {

struct TreeScope {
    int64_t company = 0;
    int browser = 0;
    int64_t user = 0;      // the user number (the key of the selection store)
};

struct TreeBranch {
    int64_t id = 0;
    int64_t parent = 0;    // 0 for a top branch
    int level = 1;
    QString field;         // the column, lower case
    QString op;
    QString value;
    QString label;
};

struct TreeConfiguration {
    int64_t id = 0;
    QString name;          // "" for the working tree not saved yet
    bool current = false;
};

class FilterTreeStore {
public:
    FilterTreeStore(db::Database& db, TreeScope scope, const std::vector<TreeField>& fields)
        : m_db(db), m_scope(scope), m_fields(fields) {}

    // The configurations of the scope, by name; the current one flagged.
    std::vector<TreeConfiguration> configurations();
    // 0 when the user has none.
    int64_t currentConfiguration();
    // The branches of the current configuration, parents before their children.
    std::vector<TreeBranch> branches();

    // Adds a branch under `parent` (0: at the top) of the current configuration, made
    // first (unnamed) when there is none. The field and operator are checked against the
    // list's fixed ones and the value against the field (InvalidBranch). Returns its id.
    int64_t addBranch(int64_t parent, const QString& field, const QString& op, const QString& value, const QString& label);
    // Removes the branch and everything under it; false when the current tree has no such branch.
    bool removeBranch(int64_t id);

    // Saves the current tree under `name`: an unnamed working tree takes the name, a named
    // one is copied to a new configuration; the saved one becomes current. Returns its id.
    int64_t saveConfiguration(const QString& name);
    // Makes the configuration current; false when the scope has no such configuration.
    bool chooseConfiguration(int64_t id);
    // Removes the current configuration with its branches, and no other. Returns the
    // number of configurations removed (0 or 1).
    int removeCurrentConfiguration();

private:
    int64_t ensureCurrent();
    db::Database& m_db;
    TreeScope m_scope;
    const std::vector<TreeField>& m_fields;
};

// The value as the column holds it (an id, a day number, grosze, a text with trailing
// spaces cut); throws InvalidBranch when the column cannot hold it.
db::SqlValue typedValue(const TreeField& field, const QString& value);

} // namespace ksiega::filtertree
