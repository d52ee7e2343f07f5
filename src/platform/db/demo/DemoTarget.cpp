#include "platform/db/demo/DemoTarget.h"
#include "platform/db/OpenMode.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace ksiega::db::demo {
namespace {

QString refusal(const QString& url) {
    return QStringLiteral("Baza danych %1 nie jest pusta. Użyj --force, aby ją zastąpić bazą demonstracyjną.").arg(url);
}

QString notALedger(const QString& url) {
    return QStringLiteral("%1 nie jest bazą księgi; --force zastępuje tylko bazę księgi.").arg(url);
}

// A catalog name as an SQL identifier: double quotes, inner quotes doubled.
QString identifier(const QString& name) {
    QString n = name;
    n.replace(QChar('"'), QStringLiteral("\"\""));
    return QChar('"') + n + QChar('"');
}

void removeJournals(const QString& path) {
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")}) {
        if (QFile::exists(path + suffix) && !QFile::remove(path + suffix))
            throw DbError(QStringLiteral("Nie można usunąć pliku %1").arg(path + suffix));
    }
}

void removeWithJournals(const QString& path) {
    if (QFile::exists(path) && !QFile::remove(path)) throw DbError(QStringLiteral("Nie można usunąć pliku %1").arg(path));
    removeJournals(path);
}

bool isLedgerFile(const QString& url) {
    try {
        return openDatabase(url, OpenMode::ReadOnly)->tableExists(QStringLiteral("FIRMA"));
    } catch (const DbError&) {
        return false; // not a database at all
    }
}

} // namespace

DemoTarget::DemoTarget(const QString& url, bool force) {
    if (url.startsWith(QLatin1String("sqlite:"))) {
        m_path = url.mid(7);
        const QFileInfo info(m_path);
        if (info.exists() && (info.size() > 0 || !info.isFile())) {
            if (!force) throw DbError(refusal(url));
            if (!info.isFile() || !isLedgerFile(url)) throw DbError(notALedger(url));
        }
        const QString building = buildingPath(m_path);
        removeWithJournals(building); // left by a run that was stopped
        m_db = Database::open(QStringLiteral("sqlite:") + building);
        return;
    }
    m_db = Database::open(url);
    std::vector<std::pair<QString, bool>> objects;   // name, is a view
    bool ledger = false;
    {
        Rows rows = m_db->select(QStringLiteral("select table_name, table_type from information_schema.tables "
                                                "where table_schema=current_schema() order by table_name"));
        while (rows.next()) {
            objects.emplace_back(rows.text(0), rows.text(1) == QLatin1String("VIEW"));
            ledger = ledger || rows.text(0).compare(QLatin1String("firma"), Qt::CaseInsensitive) == 0;
        }
    }
    if (!objects.empty() && !force) throw DbError(refusal(url));
    if (!objects.empty() && !ledger) throw DbError(notALedger(url));
    m_db->begin(); // the whole demo is one transaction, the removal of the old one with it
    for (const auto& [name, view] : objects)
        m_db->executeScript(QStringLiteral("DROP %1 IF EXISTS %2 CASCADE").arg(view ? QStringLiteral("VIEW") : QStringLiteral("TABLE"), identifier(name)));
}

DemoTarget::~DemoTarget() {
    if (m_committed) return;
    if (m_path.isEmpty()) {
        try { if (m_db) m_db->rollback(); } catch (...) {}
        return;
    }
    m_db.reset();
    try { removeWithJournals(buildingPath(m_path)); } catch (...) {}
}

void DemoTarget::commit() {
    if (m_path.isEmpty()) {
        m_db->commit();
        m_committed = true;
        return;
    }
    m_db.reset(); // closed: the log is written into the file
    const QString building = buildingPath(m_path);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // The old database's journals go first (a closed database has none to lose); the file
    // itself is replaced in one step.
    removeJournals(m_path);
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(building).toStdString(), QFile::encodeName(m_path).toStdString(), error);
    if (error)
        throw DbError(QStringLiteral("Nie można przenieść %1 do %2: %3").arg(building, m_path, QString::fromStdString(error.message())));
    m_committed = true;
}

} // namespace ksiega::db::demo
