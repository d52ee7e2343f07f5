#pragma once
// The rules of the host's main window: its title, the session shown in the status bar,
// the overview of the year, the menu built from the procedure catalogue, and calling
// a procedure.
#include "frame/SessionContext.h"
#include "host/gui/ProcedureCatalogue.h"
#include "platform/db/Database.h"
#include <optional>

namespace ksiega::host {

struct MenuItemView {
    QString name;
    QString caption;
};

struct MenuGroupView {
    QString caption;
    bool enabled = false;
    std::vector<MenuItemView> items;
};

struct YearOverview {
    int64_t documents = 0;
    int64_t lines = 0;
};

class MainWindowController {
public:
    MainWindowController(db::Database& db, SessionContext& session, const ProcedureCatalogue& catalogue);

    QString title() const;
    // Company, fiscal year, user, working date, currency.
    QStringList statusFields() const;
    // The module's groups in menu order. A group is disabled when nothing of it is
    // registered yet, and the budget and cost-centre groups also when the company does
    // not keep that edition.
    std::vector<MenuGroupView> menu() const;
    // Documents and their lines in the session's year (one query).
    YearOverview overview() const;

    // Calls a registered procedure. Returns the text to show when it cannot run or fails.
    std::optional<QString> run(const QString& name) const;
    // The session may change only while no window of the module is open.
    std::optional<QString> changeSessionRefusal() const;

private:
    db::Database& m_db;
    SessionContext& m_session;
    const ProcedureCatalogue& m_catalogue;
};

} // namespace ksiega::host
