#include "host/SessionLoader.h"
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
    const QStringList known{"db", "company", "year", "user", "date"};
    if (const QStringList unknown = args.unknownOptions(known); !unknown.isEmpty())
        throw UsageError(QStringLiteral("unknown option %1").arg(unknown.join(' ')));
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

    // TODO(lead): module initialisation. KSIEGA_INIT (src/frame) is called here, once,
    // after the session is loaded and before the first procedure can be chosen; the
    // module learns here where the database is (db->url()) so that its windows on
    // other threads can open connections of their own.

    int rc = 0;
    {
        MainWindow window(*db, session(), catalogue());
        window.show();
        rc = QApplication::exec();
    }

    // TODO(lead): module shutdown. KSIEGA_KILL is called here, after the main window
    // and every window of the module have closed, while the connection is still open.
    return rc;
}

KSIEGA_SUBCOMMAND(QStringLiteral("gui"), QStringLiteral("gui [--db URL] [--company C] [--year Y] [--user LOGIN] [--date YYYY-MM-DD]"),
                  gui);

} // namespace ksiega::host
