#include "platform/db/Schema.h"
#include "platform/db/BudgetLineCopies.h"
#include "platform/db/CostCentreLineCopies.h"
#include "platform/db/Engine.h"
#include "platform/db/EntryViews.h"
#include "platform/db/LineCopies.h"
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace ksiega::db {

QString schemaFile(const QString& name) {
    QFile f(QStringLiteral(":/schema/") + name);
    if (!f.open(QIODevice::ReadOnly)) throw DbError(QStringLiteral("missing schema file %1").arg(name));
    return QString::fromUtf8(f.readAll());
}

QString schemaSql(const Dialect& dialect) {
    QDir dir(QStringLiteral(":/schema"));
    QStringList files = dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    // "NN_name.sql" serves both engines; "NN_name.<engine>.sql" one, where the two read the
    // same definition best in different forms.
    QString script;
    for (const QString& name : files) {
        const bool oneEngine = name.count(QLatin1Char('.')) > 1;
        if (oneEngine && !name.endsWith(dialect.schemaFileSuffix())) continue;
        script += schemaFile(name) + QLatin1Char('\n');
    }
    script.replace(QStringLiteral("{{ID}}"), dialect.identityKey());
    script.replace(QStringLiteral("{{ENTRY_VIEWS}}"), entryViewsSql(dialect));
    return script;
}

int schemaVersion(Database& db) {
    if (!db.tableExists(QStringLiteral("WERSJA_SCHEMATU"))) return 0;
    return int(db.scalarInt(QStringLiteral("select max(wersja) from WERSJA_SCHEMATU")).value_or(0));
}

namespace {

// Whether the table has the column; the probe runs in a savepoint of its own, so that a
// failing one leaves the caller's transaction usable on PostgreSQL.
bool columnExists(Database& db, const QString& table, const QString& column) {
    Transaction probe(db);
    try {
        // Reading is what raises the error on PostgreSQL, whose rows come lazily.
        db.scalarInt(QStringLiteral("select count(%1) from %2 where 1=0").arg(column, table));
    } catch (const DbError&) {
        return false;
    }
    probe.commit();
    return true;
}

// Whether an index of that name exists (in the connection's schema on PostgreSQL).
bool indexExists(Database& db, const QString& name) {
    if (engineOf(db) == Engine::Sqlite)
        return db.scalarInt(QStringLiteral("select count(*) from sqlite_master where type='index' and lower(name)=lower(?)"), {name})
                   .value_or(0) > 0;
    return db.scalarInt(QStringLiteral("select count(*) from pg_indexes where schemaname=current_schema() and lower(indexname)=lower(?)"),
                        {name})
               .value_or(0) > 0;
}

// One statement of a schema file: from its beginning `start` up to its semicolon.
QString schemaStatement(const QString& file, const QString& start) {
    const QString script = schemaFile(file);
    const qsizetype from = script.indexOf(start);
    const qsizetype end = from < 0 ? -1 : script.indexOf(QLatin1Char(';'), from);
    if (end < 0) throw DbError(QStringLiteral("missing statement %1 in schema file %2").arg(start, file));
    return script.mid(from, end - from + 1);
}

// The selection store in its keyed form (25_marks.*.sql), with the marks it held; an
// element stored twice is kept once.
void rebuildMarksStore(Database& db) {
    db.executeScript(QStringLiteral("ALTER TABLE ZAZNACZENIE RENAME TO ZAZNACZENIE_DAWNE"));
    const QString file = QStringLiteral("25_marks") + db.dialect().schemaFileSuffix();
    db.executeScript(schemaFile(file));
    db.execute(QStringLiteral("INSERT INTO ZAZNACZENIE (id_uzytkownika, id_browsera, id_elementu, opis_elementu) "
                              "SELECT DISTINCT id_uzytkownika, id_browsera, id_elementu, opis_elementu FROM ZAZNACZENIE_DAWNE"));
    db.executeScript(QStringLiteral("DROP TABLE ZAZNACZENIE_DAWNE"));
}

// Statistics of the indexes a schema file makes, where the engine keeps them per index and
// the database has some: without their own, SQLite takes a new index for one that reads the
// list's order (an equality on the company then looks ten rows wide). PostgreSQL's are per
// table: the file's tables are analysed.
void analyzeIndexesOf(Database& db, const QString& file) {
    static const QRegularExpression createIndex(QStringLiteral("CREATE INDEX (\\w+) ON (\\w+)"));
    QStringList indexes, tables;
    for (auto it = createIndex.globalMatch(schemaFile(file)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        indexes << m.captured(1);
        if (!tables.contains(m.captured(2))) tables << m.captured(2);
    }
    if (engineOf(db) == Engine::Sqlite) {
        if (!db.tableExists(QStringLiteral("sqlite_stat1"))) return;
        for (const QString& index : indexes) db.executeScript(QStringLiteral("ANALYZE ") + index);
    } else {
        for (const QString& table : tables) db.executeScript(QStringLiteral("ANALYZE ") + table);
    }
}

} // namespace

void createSchema(Database& db) {
    const int version = schemaVersion(db);
    if (version == kSchemaVersion) return;
    if (version > kSchemaVersion)
        throw DbError(QStringLiteral("Baza danych ma nowszy schemat (%1) niż program (%2).").arg(version).arg(kSchemaVersion));
    Transaction tx(db);
    if (version == 0) {
        db.executeScript(schemaSql(db.dialect()));
        db.executeScript(QStringLiteral("CREATE TABLE WERSJA_SCHEMATU (wersja INTEGER NOT NULL, opis VARCHAR(100) NOT NULL DEFAULT '')"));
    }
    // Migrations from older versions, one step per version.
    if (version == 1) {
        // 2: the entry views in the engine's form (PostgreSQL had the joined form before).
        db.executeScript(dropEntryViewsSql());
        db.executeScript(entryViewsSql(db.dialect()));
    }
    if ((version == 1 || version == 2) && !db.tableExists(QStringLiteral("REJESTR_VAT_BO"))) {
        // 3: the registers the sibling stand-ins keep for the opening balance.
        QString script = schemaFile(QStringLiteral("14_stand_in_registers.sql"));
        script.replace(QStringLiteral("{{ID}}"), db.dialect().identityKey());
        db.executeScript(script);
    }
    if (version >= 1 && version <= 3) {
        // 4: the partial indexes of the opening-balance sums, where they are not there yet.
        QString script = schemaFile(QStringLiteral("15_opening_balance_sums.sql"));
        script.replace(QStringLiteral("CREATE INDEX "), QStringLiteral("CREATE INDEX IF NOT EXISTS "));
        db.executeScript(script);
    }
    if (version >= 1 && version <= 4 && !columnExists(db, QStringLiteral("ROZRACHUNEK"), QStringLiteral("id_rozrachunku_zrodla"))) {
        // 5: the source of a settlement the year-end closing carried.
        db.executeScript(schemaFile(QStringLiteral("16_year_closing.sql")));
    }
    if (version >= 1 && version <= 5 && !db.tableExists(QStringLiteral("ROZRACHUNEK_IMPORT_BO"))) {
        // 6: what the settlement imports added to the opening balance, for their undo.
        db.executeScript(schemaFile(QStringLiteral("17_settlement_imports.sql")));
    }
    if (version >= 1 && version <= 6) {
        // 7: the filter trees of the lists; only what is not there yet.
        QString script = schemaFile(QStringLiteral("21_filter_trees.sql"));
        script.replace(QStringLiteral("{{ID}}"), db.dialect().identityKey());
        script.replace(QStringLiteral("CREATE TABLE "), QStringLiteral("CREATE TABLE IF NOT EXISTS "));
        script.replace(QStringLiteral("CREATE INDEX "), QStringLiteral("CREATE INDEX IF NOT EXISTS "));
        db.executeScript(script);
        // and the cost-centre splits with their amounts by side.
        if (!db.tableExists(QStringLiteral("MPK_VIEW_KWOTY"))) db.executeScript(schemaFile(QStringLiteral("22_cost_centre_amounts.sql")));
    }
    if (version >= 1 && version <= 7) {
        // 8: the company-wide orders of the cost-centre list.
        QString script = schemaFile(QStringLiteral("23_cost_centre_orders.sql"));
        script.replace(QStringLiteral("CREATE INDEX "), QStringLiteral("CREATE INDEX IF NOT EXISTS "));
        db.executeScript(script);
    }
    if (version >= 1 && version <= 8 && !db.tableExists(QStringLiteral("BT_VIEW_KWOTY"))) {
        // 9: the budget lines as the budget windows list them, and their list indexes.
        QString script = schemaFile(QStringLiteral("24_budget_views.sql"));
        script.replace(QStringLiteral("CREATE INDEX "), QStringLiteral("CREATE INDEX IF NOT EXISTS "));
        db.executeScript(script);
    }
    if (version >= 1 && version <= 9 && indexExists(db, QStringLiteral("ZAZNACZENIE_UZYT_BROWSER_OPIS"))) {
        // 10: the selection store keyed by user, browser and element, in one narrow index.
        rebuildMarksStore(db);
    }
    if (version >= 1 && version <= 12 && !columnExists(db, QStringLiteral("MPK_DANE"), QStringLiteral("nr_ewid_dok"))) {
        // 13: the header's sort columns on the cost-centre splits, filled from the headers, the
        // splits' view reading them, and their indexes. Before 11, whose refresh of the lines'
        // copies refreshes the splits' copies too.
        for (const char* column : {"nr_ewid_dok VARCHAR(30) NOT NULL DEFAULT ''", "data_biezaca INTEGER NOT NULL DEFAULT 0",
                                   "nr_dok_org VARCHAR(40) NOT NULL DEFAULT ''", "data_dok_org INTEGER NOT NULL DEFAULT 0"})
            db.execute(QStringLiteral("ALTER TABLE MPK_DANE ADD COLUMN ") + QLatin1String(column));
        refreshCostCentreLineCopies(db, CostCentreCopyScope::all());
        db.executeScript(QStringLiteral("DROP VIEW IF EXISTS MPK_VIEW_KWOTY;\nDROP VIEW IF EXISTS MPK_VIEW;\n"));
        db.executeScript(schemaStatement(QStringLiteral("08_costcentres.sql"), QStringLiteral("CREATE VIEW MPK_VIEW AS")));
        db.executeScript(schemaFile(QStringLiteral("22_cost_centre_amounts.sql")));
        QString script = schemaFile(QStringLiteral("28_cost_centre_sort_keys.sql"));
        script.replace(QStringLiteral("CREATE INDEX "), QStringLiteral("CREATE INDEX IF NOT EXISTS "));
        db.executeScript(script);
        analyzeIndexesOf(db, QStringLiteral("28_cost_centre_sort_keys.sql"));
    }
    if (version >= 1 && version <= 10 && !columnExists(db, QStringLiteral("POZ_DOK"), QStringLiteral("syntetyka_wn"))) {
        // 11: the header's sort columns and each side's synthetic account on the lines, filled
        // from the headers, their indexes, and the entry views reading them from the line.
        for (const char* column : {"data_biezaca INTEGER NOT NULL DEFAULT 0", "nr_dok_org VARCHAR(40) NOT NULL DEFAULT ''",
                                   "data_dok_org INTEGER NOT NULL DEFAULT 0", "data_oper_gosp INTEGER NOT NULL DEFAULT 0",
                                   "data_zatwierdzenia INTEGER NOT NULL DEFAULT 0", "nr_sys_dok VARCHAR(30) NOT NULL DEFAULT ''",
                                   "syntetyka_wn VARCHAR(60) NOT NULL DEFAULT ''", "syntetyka_ma VARCHAR(60) NOT NULL DEFAULT ''"})
            db.execute(QStringLiteral("ALTER TABLE POZ_DOK ADD COLUMN ") + QLatin1String(column));
        refreshAllLineCopies(db);
        // The default order's indexes are made again after the new ones (the file says why).
        db.executeScript(QStringLiteral("DROP INDEX IF EXISTS POZ_DOK_KONTO_WN;\nDROP INDEX IF EXISTS POZ_DOK_KONTO_MA;\n"));
        QString script = schemaFile(QStringLiteral("26_line_sort_keys.sql"));
        script.replace(QStringLiteral("CREATE INDEX "), QStringLiteral("CREATE INDEX IF NOT EXISTS "));
        db.executeScript(script);
        db.executeScript(dropEntryViewsSql());
        db.executeScript(entryViewsSql(db.dialect()));
    }
    if (version >= 1 && version <= 11 && !columnExists(db, QStringLiteral("BT_DANE"), QStringLiteral("konto_wn"))) {
        // 12: the budget line's copies of its document's and ledger line's sort columns, filled
        // from them, their indexes, and the budget views reading them from the budget line.
        for (const char* column : {"nr_ewid_dok VARCHAR(30) NOT NULL DEFAULT ''", "data_biezaca INTEGER NOT NULL DEFAULT 0",
                                   "nr_dok_org VARCHAR(40) NOT NULL DEFAULT ''", "data_dok_org INTEGER NOT NULL DEFAULT 0",
                                   "konto_wn VARCHAR(60) NOT NULL DEFAULT ''", "konto_ma VARCHAR(60) NOT NULL DEFAULT ''"})
            db.execute(QStringLiteral("ALTER TABLE BT_DANE ADD COLUMN ") + QLatin1String(column));
        refreshAllBudgetLineCopies(db);
        db.executeScript(QStringLiteral("DROP VIEW IF EXISTS BT_VIEW_KWOTY;\nDROP VIEW IF EXISTS BT_VIEW;\n"));
        db.executeScript(schemaStatement(QStringLiteral("07_budget.sql"), QStringLiteral("CREATE VIEW BT_VIEW AS")));
        db.executeScript(schemaStatement(QStringLiteral("24_budget_views.sql"), QStringLiteral("CREATE VIEW BT_VIEW_KWOTY AS")));
        QString script = schemaFile(QStringLiteral("27_budget_sort_keys.sql"));
        script.replace(QStringLiteral("CREATE INDEX "), QStringLiteral("CREATE INDEX IF NOT EXISTS "));
        db.executeScript(script);
        analyzeIndexesOf(db, QStringLiteral("27_budget_sort_keys.sql"));
    }
    if (version >= 1 && version <= 13) {
        // 14: the entry views take the header's fields through one probe each instead of a
        // join, so that the sums and the marks of a list read the line's covering indexes.
        db.executeScript(dropEntryViewsSql());
        db.executeScript(entryViewsSql(db.dialect()));
    }
    db.execute(QStringLiteral("insert into WERSJA_SCHEMATU (wersja, opis) values (?, ?)"),
               {kSchemaVersion, version == 0 ? QStringLiteral("schemat utworzony") : QStringLiteral("schemat uaktualniony")});
    tx.commit();
}

void upgradeSchema(Database& db) {
    const int version = schemaVersion(db);
    if (version > 0 && version != kSchemaVersion) createSchema(db);
}

} // namespace ksiega::db
