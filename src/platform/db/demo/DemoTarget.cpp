#include "platform/db/demo/DemoTarget.h"
#include <QFile>
#include <QFileInfo>

namespace ksiega::db::demo {
namespace {

QString refusal(const QString& url) {
    return QStringLiteral("Baza danych %1 nie jest pusta. Użyj --force, aby ją zastąpić bazą demonstracyjną.").arg(url);
}

// A catalog name as an SQL identifier: double quotes, inner quotes doubled.
QString identifier(const QString& name) {
    QString n = name;
    n.replace(QChar('"'), QStringLiteral("\"\""));
    return QChar('"') + n + QChar('"');
}

} // namespace

std::unique_ptr<Database> openEmptyDatabase(const QString& url, bool force) {
    if (url.startsWith(QLatin1String("sqlite:"))) {
        const QString path = url.mid(7);
        const QFileInfo info(path);
        if (info.exists() && info.size() > 0) {
            if (!force) throw DbError(refusal(url));
            for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
                if (QFile::exists(path + suffix) && !QFile::remove(path + suffix))
                    throw DbError(QStringLiteral("Nie można usunąć pliku %1").arg(path + suffix));
            }
        }
        return Database::open(url);
    }
    auto db = Database::open(url);
    std::vector<std::pair<QString, bool>> objects;   // name, is a view
    {
        Rows rows = db->select(QStringLiteral("select table_name, table_type from information_schema.tables "
                                              "where table_schema=current_schema() order by table_name"));
        while (rows.next()) objects.emplace_back(rows.text(0), rows.text(1) == QLatin1String("VIEW"));
    }
    if (objects.empty()) return db;
    if (!force) throw DbError(refusal(url));
    Transaction tx(*db);
    for (const auto& [name, view] : objects)
        db->executeScript(QStringLiteral("DROP %1 IF EXISTS %2 CASCADE").arg(view ? QStringLiteral("VIEW") : QStringLiteral("TABLE"), identifier(name)));
    tx.commit();
    return db;
}

} // namespace ksiega::db::demo
