#include "frame/database/ModuleDatabase.h"
#include "host/SessionLoader.h"
#include "ksiega/ksiega.h"
#include "host/Subcommands.h"
#include "host/gui/HostDatabase.h"
#include "host/gui/MainWindow.h"
#include "host/gui/SessionChooserDialog.h"
#include "platform/runtime/Date.h"
#include <QApplication>
#include <QIcon>
#include <QMessageBox>

namespace ksiega::host {

// The desktop application: the session chooser (skipped when --company, --year and
// --user are all given), then the main window until it closes. The GUI thread keeps
// this one connection; windows that work on other threads open their own.
static int gui(const Arguments& args) {
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app/ksiega.svg")));
    auto db = openExistingDatabase(args);
    SessionChoice choice = choiceFromArguments(*db, args);
    const int today = date::fromQDate(QDate::currentDate());

    if (!choiceComplete(args)) {
        SessionChooserDialog chooser(*db, today, choice);
        if (chooser.exec() != QDialog::Accepted) return 0;
        choice = chooser.choice();
    }
    try {
        loadSession(*db, choice);
    } catch (const SessionError& e) {
        throw UsageError(e.text());
    }

    // The module starts once the session is loaded, before any procedure can be chosen.
    // The host keeps no error or settings object of its own, so the module's stay in use.
    // Module windows on this thread share the host's connection; other threads open theirs.
    session().databaseUrl = db->url();
    lendDatabase(db.get());
    KSIEGA_INIT(nullptr, nullptr);

    int rc = 0;
    {
        MainWindow window(*db, session(), catalogue());
        window.show();
        rc = QApplication::exec();
    }

    // Shut-down after every window has closed, while the connection is still open.
    KSIEGA_KILL();
    lendDatabase(nullptr);
    return rc;
}

KSIEGA_SUBCOMMAND(QStringLiteral("gui"),
                  QStringLiteral("open the application (the session chooser unless --company, --year and --user are given)"),
                  QString(), options::session(), gui);

} // namespace ksiega::host
