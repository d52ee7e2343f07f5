#pragma once
// What the filter-tree functions of the function library ask the user: a new branch
// (TREE_DODAJ_GALAZ), the name of a configuration to save (TREE_DODAJ_KONFIG) and the
// saved configuration to make current (TREE_WYBIERZ_KONFIG). The storing is done by
// platform/filtertree; these only ask. treeDialogs() is the one in force; a test puts its
// own in place.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ksiega::functions {

struct BranchInput {
    QString field;   // one of the offered fields ("MPK:KONTO")
    QString op;      // one of the offered operators
    QString value;
    QString label;   // what the tree shows; "" lets the caller make one
};

struct ConfigurationChoice {
    int64_t id = 0;
    QString name;
    bool current = false;
};

class TreeDialogs {
public:
    virtual ~TreeDialogs() = default;
    // nullopt when the user cancels.
    virtual std::optional<BranchInput> askBranch(const QStringList& fields, const QStringList& operators) = 0;
    virtual std::optional<QString> askConfigurationName() = 0;
    virtual std::optional<int64_t> chooseConfiguration(const std::vector<ConfigurationChoice>& configurations) = 0;
};

TreeDialogs& treeDialogs();
// Puts dialogs in place (not owned); nullptr brings the stand-in back.
void replaceTreeDialogs(TreeDialogs* dialogs);

} // namespace ksiega::functions
