#pragma once
// What the settlement commands that write share: the --ids list, the user's marks in the
// selection store, and how a failed run is told apart (a refusal of the procedure, exit 1,
// or an error of the database, exit 2).
#include "host/Subcommands.h"
#include "platform/db/DbError.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QTextStream>
#include <vector>

namespace ksiega::host::settlementcommands {

// --ids 1,2,3: positive ids, each once, in the order given.
inline std::vector<int64_t> idsArgument(const Arguments& args) {
    std::vector<int64_t> ids;
    for (const QString& part : args.option(QStringLiteral("ids"), QString()).split(QLatin1Char(','))) {
        const QString t = part.trimmed();
        if (t.isEmpty()) continue;
        bool ok = false;
        const int64_t id = t.toLongLong(&ok);
        if (!ok || id <= 0) throw UsageError(QStringLiteral("--ids: '%1' is not a settlement id").arg(t));
        if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
    }
    if (ids.empty()) throw UsageError(QStringLiteral("--ids needs at least one settlement id"));
    return ids;
}

// The user's marks of a browser replaced by the ids, as the window writes them.
inline void replaceMarks(db::Database& db, int64_t userNumber, int browser, const std::vector<int64_t>& ids) {
    db.execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=? and id_browsera=?"), {userNumber, browser});
    for (int64_t id : ids)
        db.execute(QStringLiteral("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values (?, ?, ?)"),
                   {browser, userNumber, id});
}

// A procedure refuses with its text alone; the database's own errors name their statement.
inline bool isRefusal(const db::DbError& e) { return e.statement().isEmpty(); }

inline void printError(const QString& text) { QTextStream(stderr) << ui::messageText(text) << "\n"; }

// Exit code of a failed run, its text (after `lead`) on standard error.
inline int failed(const db::DbError& e, const QString& lead) {
    printError(lead + e.message());
    return isRefusal(e) ? 1 : 2;
}

} // namespace ksiega::host::settlementcommands
