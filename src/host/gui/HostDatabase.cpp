#include "host/gui/HostDatabase.h"
#include "platform/db/DbError.h"
#include "platform/db/Schema.h"
#include "platform/runtime/Date.h"
#include <QFileInfo>

namespace ksiega::host {

std::unique_ptr<db::Database> openExistingDatabase(const Arguments& args, db::OpenMode mode) {
    const QString url = args.option(QStringLiteral("db"), defaultDatabaseUrl());
    const QString howToCreate = QStringLiteral("create it with: ksiega demo") +
                                (url == defaultDatabaseUrl() ? QString() : QStringLiteral(" --db ") + url);
    if (url.startsWith(QLatin1String("sqlite:"))) {
        const QString path = url.mid(7);
        if (!QFileInfo(path).isFile()) throw UsageError(QStringLiteral("the database %1 does not exist; %2").arg(path, howToCreate));
    }
    auto open = [&](db::OpenMode m) {
        try {
            return db::openDatabase(url, m);
        } catch (const db::DbError& e) {
            throw UsageError(QStringLiteral("%1; %2").arg(e.message(), howToCreate));
        }
    };
    auto db = open(mode);
    auto holdsLedger = [&](db::Database& d) {
        try {
            return d.tableExists(QStringLiteral("FIRMA"));
        } catch (const db::DbError&) {
            return false; // not a database at all
        }
    };
    if (!holdsLedger(*db)) throw UsageError(QStringLiteral("the database %1 holds no ledger; %2").arg(url, howToCreate));
    // An older ledger is upgraded here; on a server only the schema's owner may do that, and
    // the application's role is told so instead of being shown the server's refusal.
    auto upgrade = [&](db::Database& d) {
        const int version = db::schemaVersion(d);
        try {
            db::upgradeSchema(d);
        } catch (const db::DbError& e) {
            if (version >= db::kSchemaVersion) throw;
            throw UsageError(QStringLiteral("the ledger in %1 has schema version %2 and this program needs %3; it could not be "
                                            "upgraded (%4): run the program once as the schema's owner (docs/deployment.md)")
                                 .arg(url).arg(version).arg(db::kSchemaVersion).arg(e.message()));
        }
    };
    if (mode != db::OpenMode::ReadOnly) {
        upgrade(*db);
    } else if (db::schemaVersion(*db) != db::kSchemaVersion) {
        db.reset();
        upgrade(*open(db::OpenMode::Existing));
        db = open(mode);
    }
    return db;
}

bool choiceComplete(const Arguments& args) {
    return args.option(QStringLiteral("company")) && args.option(QStringLiteral("year")) && args.option(QStringLiteral("user"));
}

SessionChoice choiceFromArguments(db::Database& db, const Arguments& args) {
    SessionChoice c;
    if (args.option(QStringLiteral("company"))) {
        c.company = companyArgument(db, args);
        if (args.option(QStringLiteral("year"))) c.year = yearArgument(db, c.company, args);
    }
    c.login = args.option(QStringLiteral("user"), QString()).trimmed();
    if (auto text = args.option(QStringLiteral("date"))) {
        c.workingDate = date::parseIso(*text);
        if (!c.workingDate) throw UsageError(QStringLiteral("--date must be YYYY-MM-DD, not %1").arg(*text));
    }
    return c;
}

} // namespace ksiega::host
