#include "platform/ui/columns/ColumnLayoutStore.h"
#include "platform/ui/columns/ColumnLayout.h"

namespace ksiega::ui {

std::optional<QString> ColumnLayoutStore::load(int64_t userNumber, int browserId) {
    return m_db.scalarText(QStringLiteral("select uklad from KONFIGURACJA_KOLUMN where id_uzytkownika = ? and id_browsera = ?"),
                           {qint64(userNumber), browserId});
}

void ColumnLayoutStore::save(int64_t userNumber, int browserId, const QString& layoutText) {
    db::Transaction tx(m_db);
    remove(userNumber, browserId);
    m_db.execute(QStringLiteral("insert into KONFIGURACJA_KOLUMN (id_uzytkownika, id_browsera, uklad) values (?, ?, ?)"),
                 {qint64(userNumber), browserId, layoutText.left(ColumnLayout::kMaxTextLength)});
    tx.commit();
}

void ColumnLayoutStore::remove(int64_t userNumber, int browserId) {
    m_db.execute(QStringLiteral("delete from KONFIGURACJA_KOLUMN where id_uzytkownika = ? and id_browsera = ?"),
                 {qint64(userNumber), browserId});
}

} // namespace ksiega::ui
