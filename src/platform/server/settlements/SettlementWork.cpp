#include "platform/server/settlements/SettlementWork.h"
#include <QStringList>

namespace ksiega::server::settlements {

QString placeholders(size_t n) {
    QStringList marks;
    for (size_t i = 0; i < n; ++i) marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

void forChunks(const std::vector<int64_t>& ids, const std::function<void(const db::Params&, const QString&)>& each) {
    for (size_t from = 0; from < ids.size(); from += kIdsPerStatement) {
        const size_t n = std::min(kIdsPerStatement, ids.size() - from);
        const db::Params chunk(ids.begin() + ptrdiff_t(from), ids.begin() + ptrdiff_t(from + n));
        each(chunk, placeholders(n));
    }
}

bool takeYear(db::Database& db, int64_t idFirmy, int64_t idLataObrot) {
    if (db.execute(QStringLiteral("update LATA_OBROTOWE set zamkniete_bo=zamkniete_bo where id_firmy=? and id_lata_obrot=?"),
                   {idFirmy, idLataObrot}) == 0)
        throw db::DbError(QStringLiteral("Firma %1 nie ma roku obrotowego %2.").arg(idFirmy).arg(idLataObrot));
    return db.scalarInt(QStringLiteral("select zamkniete_bo from LATA_OBROTOWE where id_lata_obrot=?"), {idLataObrot}).value_or(0) == 1;
}

QString approvedOpeningBalanceText() { return QStringLiteral("BO w bieżącym roku obrotowym jest zatwierdzone."); }

QString loginOf(db::Database& db, int64_t userNumber) {
    const std::optional<QString> login =
        db.scalarText(QStringLiteral("select login from UZYTKOWNICY where id_uzytkownika=?"), {userNumber});
    if (!login || login->trimmed().isEmpty()) throw db::DbError(QStringLiteral("Nieznany użytkownik nr %1.").arg(userNumber));
    return login->trimmed();
}

} // namespace ksiega::server::settlements
