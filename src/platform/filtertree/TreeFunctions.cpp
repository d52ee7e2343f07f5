#include "platform/filtertree/TreeFunctions.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"

namespace ksiega::filtertree {
namespace {

FilterTreeStore storeOf(db::Database& db, const TreeScope& scope) { return FilterTreeStore(db, scope, fieldsOfList(scope.browser)); }

QString prefixOf(int browser) { return browser == kCostCentreBrowser ? QStringLiteral("MPK") : QString(); }

} // namespace

const std::vector<TreeField>& fieldsOfList(int browser) {
    if (browser == kCostCentreBrowser) return costCentreFields();
    throw InvalidBranch(QStringLiteral("Lista %1 nie ma drzewa filtrów").arg(browser));
}

std::vector<TreeBranch> branches(db::Database& db, const TreeScope& scope) { return storeOf(db, scope).branches(); }

std::vector<TreeConfiguration> configurations(db::Database& db, const TreeScope& scope) {
    return storeOf(db, scope).configurations();
}

int64_t TREE_DODAJ_GALAZ(db::Database& db, const TreeScope& scope, int64_t parent, const QString& field, const QString& op,
                         const QString& value, const QString& label) {
    return storeOf(db, scope).addBranch(parent, field, op, value, label);
}

bool TREE_USUN_GALAZ(db::Database& db, const TreeScope& scope, int64_t branch) { return storeOf(db, scope).removeBranch(branch); }

int64_t TREE_DODAJ_KONFIG(db::Database& db, const TreeScope& scope, const QString& name) {
    return storeOf(db, scope).saveConfiguration(name);
}

bool TREE_WYBIERZ_KONFIG(db::Database& db, const TreeScope& scope, int64_t configuration) {
    return storeOf(db, scope).chooseConfiguration(configuration);
}

int OBSLUGA_KONFIG_BROW(db::Database& db, int64_t company, int64_t user, int browser) {
    return storeOf(db, {company, browser, user}).removeCurrentConfiguration();
}

QString treeFilter(db::Database& db, const TreeScope& scope, int64_t branch, const QString& separator) {
    if (!branch) return {};
    return branchFilter(branches(db, scope), branch, fieldsOfList(scope.browser), separator, prefixOf(scope.browser));
}

BoundCondition treeCondition(db::Database& db, const TreeScope& scope, int64_t branch, const QString& separator) {
    if (!branch) return {};
    return branchCondition(branches(db, scope), branch, fieldsOfList(scope.browser), separator);
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("OBSLUGA_KONFIG_BROW"), [](db::Database& db, const db::Params& args) {
    using server::intArg;
    const int removed = OBSLUGA_KONFIG_BROW(db, intArg(args, 0), intArg(args, 1), int(intArg(args, 2)));
    return server::ResultSet{{QStringLiteral("usunieto")}, {{removed}}};
});

} // namespace ksiega::filtertree
